// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Temperatures.h"
#include "model/Fault.h"
#include "model/Numbers.h"
#include "model/PointTarget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using model::Scene;

model::ReceiverState startupState() {
    model::ReceiverState state;
    model::applyStartupDefaults(state);
    return state;
}

TEST(StartupDefaults, ColoursSideLobesTitlesAndZeros) {
    const model::ReceiverState state = startupState();
    EXPECT_EQ(state.obj1Red, 0);
    EXPECT_EQ(state.obj1Green, 255);
    EXPECT_EQ(state.obj1Blue, 255);
    EXPECT_EQ(state.obj2Red, 255);
    EXPECT_EQ(state.obj2Green, 255);
    EXPECT_EQ(state.obj2Blue, 0);
    EXPECT_EQ(state.sideLobeFraction, 0.0f);
    EXPECT_EQ(state.sideLobeTemperature, 0);
    EXPECT_EQ(state.input1Title, "Осциллограмма на выходе антенного устройства");
    EXPECT_EQ(state.input2Title, "Осциллограмма на выходе шумового эквивалента");
    EXPECT_EQ(state.beamTemperature, 0.0);
    EXPECT_EQ(state.lastNoise1, 0.0);
    EXPECT_EQ(state.lastNoise2, 0.0);
    EXPECT_EQ(state.uniform.position(), 0u);
}

TEST(Buffers, HaveTheirFixedBounds) {
    const model::ReceiverState state;
    EXPECT_EQ(state.inputWave.size(), 2702u);
    EXPECT_EQ(state.switchWave.size(), 10001u);
    for (const auto* wave : {&state.uhfWave, &state.detectorWave, &state.filter1Wave,
                             &state.capacitorWave, &state.filter2Wave, &state.adcWave})
        EXPECT_EQ(wave->size(), 10003u);
}

TEST(InputTitles, FollowTheScene) {
    EXPECT_STREQ(model::inputTitles(Scene::PointTarget).input1,
                 "Осциллограмма на выходе антенного устройства: цель");
    EXPECT_STREQ(model::inputTitles(Scene::PointTarget).input2,
                 "Осциллограмма на выходе антенного устройства: фон");
    EXPECT_STREQ(model::inputTitles(Scene::Boundary).input1,
                 "Осциллограмма на выходе антенного устройства: цель1");
    EXPECT_STREQ(model::inputTitles(Scene::Boundary).input2,
                 "Осциллограмма на выходе антенного устройства: цель2");
}

TEST(AntennaTemperature, DefaultsOfEachScene) {
    model::ReceiverState state = startupState();
    EXPECT_NEAR(model::antennaTemperature1(state, Scene::ExtendedTarget, 304), 303.6, 1e-12);
    EXPECT_EQ(model::antennaTemperature2(state, Scene::ExtendedTarget, 100), 100.0);
    EXPECT_NEAR(model::antennaTemperature2(state, Scene::PointTarget, 100), 120.0, 1e-12);
    EXPECT_NEAR(model::antennaTemperature2(state, Scene::Boundary, 100), 120.0, 1e-12);
    EXPECT_NEAR(model::antennaTemperature1(state, Scene::Boundary, 304), 303.6, 1e-12);
    // In the point-target scene input 1 sees the beam temperature, not txtT1.
    state.beamTemperature = 208.8;
    EXPECT_NEAR(model::antennaTemperature1(state, Scene::PointTarget, 304), 217.92, 1e-12);
}

TEST(AntennaTemperature, OwnNoiseTermIsTheDoubleOf300TimesOneMinusEta) {
    EXPECT_EQ(model::kAntennaOwnNoise, 300 * (1 - 0.9));
    EXPECT_NE(model::kAntennaOwnNoise, 30.0);
    model::ReceiverState state = startupState();
    EXPECT_EQ(model::antennaTemperature1(state, Scene::ExtendedTarget, 0), 29.999999999999993);
}

TEST(AntennaTemperature, SideLobesUseThe32BitShareAndThe32BitProduct) {
    model::ReceiverState state = startupState();
    state.sideLobeFraction = 0.1f;
    state.sideLobeTemperature = 300;
    // Tsl·β formed from two 32-bit floats is a 32-bit product: exactly 30.
    EXPECT_EQ(model::sideLobeProduct(0.1f, 300), 30.0f);
    const double ta1 = model::antennaTemperature1(state, Scene::ExtendedTarget, 304);
    EXPECT_EQ(model::formatNumber(ta1, ','), "303,239993476868");
    // Formed in 64 bits the product would be 30.0000004 and Ta1 303,239993879199; in 64
    // bits throughout, 303.2399999946: both the 32-bit 1 − β and the 32-bit product show.
    EXPECT_GT(std::fabs(ta1 - 303.239993879199), 1e-7);
    EXPECT_GT(std::fabs(ta1 - 303.2399999946), 1e-7);
    // The noise equivalent ignores the side lobes; the other scenes do not.
    EXPECT_EQ(model::antennaTemperature2(state, Scene::ExtendedTarget, 100), 100.0);
    const double ta2 = model::antennaTemperature2(state, Scene::Boundary, 100);
    EXPECT_EQ(model::formatNumber(ta2, ','), "137,999997854233");
    EXPECT_EQ(ta2, static_cast<double>(1.0f - 0.1f) * 100 * 0.9 + 30.0 * 0.9 + 29.999999999999993);
}

TEST(InputSamples, NoiseTimesTemperatureWhateverTheIndex) {
    model::ReceiverState a = startupState();
    model::ReceiverState b = startupState();
    for (std::int16_t i : {std::int16_t{0}, std::int16_t{1}, std::int16_t{2700}, std::int16_t{-5},
                           std::int16_t{32767}}) {
        const double sample = model::input1Sample(a, i, 303.6);
        const double noise = model::nextNoise1(b);
        EXPECT_EQ(sample, noise * 303.6);
        EXPECT_EQ(model::input2Sample(a, 0, 100.0), model::nextNoise1(b) * 100.0);
    }
}

// The point-target scene with the window's defaults.
model::PointTargetInputs defaultPointTarget() {
    model::PointTargetInputs in;
    in.area = 1500;
    in.height = 5;
    in.frequency = 20;
    in.t1 = 304;
    in.t2 = 100;
    in.integration = 1;
    in.bandwidth = 900;
    return in;
}

TEST(PointTarget, DefaultsGiveTheRangeOf60595Metres) {
    const model::PointTarget target = model::evaluatePointTarget(defaultPointTarget());
    EXPECT_NEAR(target.beam.targetSolidAngle, 6e-5, 1e-18);
    EXPECT_NEAR(target.beam.beamSolidAngle, 1.125e-4, 1e-18);
    EXPECT_NEAR(target.beam.fillFactor, 0.5333333333333333, 1e-15);
    EXPECT_FALSE(target.beam.filled);
    EXPECT_NEAR(target.beamTemperature, 208.8, 1e-12);
    EXPECT_NEAR(target.antennaTemperature1, 217.92, 1e-12);
    EXPECT_NEAR(target.range, 60595.77, 0.01);
    EXPECT_EQ(std::floor(target.range), 60595.0);
}

TEST(PointTarget, LowFlightFillsTheBeam) {
    model::PointTargetInputs in = defaultPointTarget();
    in.height = 1;
    const model::PointTarget target = model::evaluatePointTarget(in);
    EXPECT_NEAR(target.beam.fillFactor, 13.333333333333334, 1e-12);
    EXPECT_TRUE(target.beam.filled);
    EXPECT_EQ(target.beamTemperature, 304.0);
    EXPECT_EQ(target.range, 0.0);
}

TEST(PointTarget, FillFactorOfExactlyOneFillsTheBeam) {
    model::PointTargetInputs in = defaultPointTarget();
    in.area = 2812.5; // Wt = 2812.5 / 25e6 = 1.125e-4 = Wb
    const model::PointTarget target = model::evaluatePointTarget(in);
    EXPECT_EQ(target.beam.fillFactor, 1.0);
    EXPECT_TRUE(target.beam.filled);
}

TEST(PointTarget, EqualTemperaturesGiveZeroRange) {
    model::PointTargetInputs in = defaultPointTarget();
    in.t2 = 304;
    const model::PointTarget target = model::evaluatePointTarget(in);
    EXPECT_EQ(target.range, 0.0);
}

TEST(PointTarget, SideLobesEnterTheRangeThroughTheir32BitShare) {
    model::PointTargetInputs in = defaultPointTarget();
    in.sideLobeFraction = 0.1f;
    in.sideLobeTemperature = 300;
    const model::PointTarget target = model::evaluatePointTarget(in);
    EXPECT_LT(target.range, 60595.77);
    EXPECT_NEAR(target.antennaTemperature1, 0.9f * 208.8 * 0.9 + 30.0 * 0.9 + 29.999999999999993,
                1e-12);
}

struct BadPointTarget {
    const char* what;
    void (*change)(model::PointTargetInputs&);
    model::FaultKind kind;
    model::Quantity named; // among the inputs the fault names
};

using model::FaultKind;
using model::Quantity;

const BadPointTarget kBadPointTargets[] = {
    {"zero height", [](model::PointTargetInputs& in) { in.height = 0; }, FaultKind::ZeroHeight,
     Quantity::FlightHeight},
    {"zero frequency", [](model::PointTargetInputs& in) { in.frequency = 0; },
     FaultKind::ZeroFrequency, Quantity::Frequency},
    {"negative area", [](model::PointTargetInputs& in) { in.area = -1; }, FaultKind::NegativeArea,
     Quantity::TargetArea},
    {"negative accumulation", [](model::PointTargetInputs& in) { in.integration = -1; },
     FaultKind::NegativeTimeBandwidth, Quantity::Accumulation},
    {"negative bandwidth", [](model::PointTargetInputs& in) { in.bandwidth = -900; },
     FaultKind::NegativeTimeBandwidth, Quantity::Bandwidth},
    {"overflowing frequency", [](model::PointTargetInputs& in) { in.frequency = 1e300; },
     FaultKind::BeamTooNarrow, Quantity::Frequency},
    {"overflowing area",
     [](model::PointTargetInputs& in) {
         in.area = 1e308;
         in.height = 1e-200;
     },
     FaultKind::PointTargetNotFinite, Quantity::TargetArea},
    {"Ta1 of −100 K", // (−100 − 29.999999999999993)/0.9 on both: Ta1 = −100 exactly
     [](model::PointTargetInputs& in) { in.t1 = in.t2 = -144.44444444444443; },
     FaultKind::Ta1IsMinus100, Quantity::Temperature1},
    {"β above one",
     [](model::PointTargetInputs& in) {
         in.sideLobeFraction = 2.0f;
         in.sideLobeTemperature = 300;
     },
     FaultKind::NegativeRangeRadicand, Quantity::SideLobeFraction},
};

TEST(PointTarget, FaultsCarryTheirKindAndTheFieldsInvolved) {
    for (const BadPointTarget& bad : kBadPointTargets) {
        model::PointTargetInputs in = defaultPointTarget();
        bad.change(in);
        try {
            const model::PointTarget target = model::evaluatePointTarget(in);
            ADD_FAILURE() << bad.what << ": no fault reported, range " << target.range;
        } catch (const model::ModelError& error) {
            EXPECT_EQ(error.fault().kind, bad.kind) << bad.what;
            const auto& named = error.fault().quantities;
            EXPECT_NE(std::find(named.begin(), named.end(), bad.named), named.end()) << bad.what;
        }
    }
}

} // namespace
