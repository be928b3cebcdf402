// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/BlockViews.h"

#include "model/Chain.h"
#include "model/ChainNoise.h"
#include "model/Fault.h"
#include "model/Temperatures.h"
#include "views/Press.h"
#include "views/ViewFrame.h"

#include <array>
#include <cstdint>
#include <vector>

// Every block view computes its whole record first, checks that it is finite, and only
// then opens the picture and draws: a fault throws before the canvas sees any call. The
// chain steps themselves come from model/Chain.h, the same ones the summator runs.

namespace views {

namespace {

using model::Quantity;
using model::SwitchInput;

constexpr int kSamples = model::kViewSamples; // two modulation periods
constexpr int kInputSamples = 2700;           // the input views' record
// N, the samples of the record over which the coupling capacitor takes the mean.
constexpr std::int16_t kRecordLength = 10000;

// The corners of each view's picture.
constexpr Scale kModulatorScale{0, 20, 4, 0};
constexpr Scale kInputScale{0, 350, kInputSamples, -350};
constexpr Scale kSwitchScale{0, 350, kSamples, -350};
constexpr Scale kUhfScale{0, 1500, kSamples, -1500};
constexpr Scale kDetectorScale{0, 4000000, kSamples, -4000000};
constexpr Scale kFilter1Scale{0, 500000, kSamples, -100000};
constexpr Scale kCapacitorScale{0, 200000, kSamples, -200000};
constexpr Scale kFilter2Scale{0, 200000, kSamples, -200000};
constexpr Scale kAdcScale{0, 300000, kSamples, -300000};

// The filter curves start above the reference line; the capacitor's far below the picture.
constexpr float kFilterStartY = 5000;
constexpr float kCapacitorStartY = -1000000;

// Which input the switch had connected at each sample 1..10000 of the record.
using Connections = std::array<SwitchInput, kSamples + 1>;

struct ObjectColours {
    canvas::Colour first;
    canvas::Colour second;
    canvas::Colour of(SwitchInput input) const {
        return input == SwitchInput::First ? first : second;
    }
};

ObjectColours objectColours(const model::ReceiverState& state) {
    return {firstObjectColour(state), secondObjectColour(state)};
}

// The fields of one press converted once, and Ta1, Ta2 computed once.
struct ChainSettings {
    model::InputTemperatures temperatures;
    model::AmplifierSettings amplifier;
    double filter1Coefficient = 0; // a of the single-section filter
    double filter2Coefficient = 0; // b of the two-section filter
    double adcLevels = 0;          // 2ⁿ
};

ChainSettings chainSettings(const Press& press, const model::ReceiverState& state) {
    const PressInputs& in = press.inputs;
    ChainSettings chain;
    chain.temperatures = inputTemperatures(press, state);
    chain.amplifier.tprm = in[Quantity::ReceiverNoise];
    chain.amplifier.deltaf = in[Quantity::Bandwidth];
    chain.amplifier.kp = in[Quantity::Gain];
    chain.amplifier.deltaKp = in[Quantity::GainInstability];
    chain.filter1Coefficient = model::filter1Coefficient(in[Quantity::Cutoff1]);
    chain.filter2Coefficient = model::filter2Coefficient(in[Quantity::Cutoff2]);
    chain.adcLevels = model::adcLevels(in[Quantity::WordLength]);
    return chain;
}

// Every buffer the chain filled up to a stage must hold finite samples at 1..10000.
void requireFiniteChain(const model::ReceiverState& state, Stage stage) {
    requireFinite(state.switchWave.data(), 1, kSamples);
    if (stage >= Stage::Uhf)
        requireFinite(state.uhfWave.data(), 1, kSamples);
    if (stage >= Stage::Detector)
        requireFinite(state.detectorWave.data(), 1, kSamples);
    if (stage >= Stage::Filter1)
        requireFinite(state.filter1Wave.data(), 1, kSamples);
    if (stage >= Stage::Capacitor)
        requireFinite(state.capacitorWave.data(), 1, kSamples);
    if (stage >= Stage::Filter2)
        requireFinite(state.filter2Wave.data(), 1, kSamples);
    if (stage >= Stage::Adc)
        requireFinite(state.adcWave.data(), 1, kSamples);
}

struct FrontEndPass {
    Connections connected{};
    double filter1Sum = 0; // Σ filter1Wave[1..10000] when the pass reaches the filter
};

// One pass over samples 1..10000 from the switch up to `last` (at most the
// single-section filter), each sample through the blocks in the circuit's order; the
// switch phase starts from 0. The pass's noise is drawn in one block, in the order the
// chain takes it (model/ChainNoise.h).
FrontEndPass runFrontEnd(model::ReceiverState& state, const ChainSettings& chain, Stage last) {
    FrontEndPass pass;
    const int draws = last >= Stage::Uhf ? model::kChainDraws : model::kSwitchDraws;
    const std::vector<double> noise = model::drawChainNoise(state, kSamples, draws);
    std::int16_t switchPhase = 0;
    for (int i = 1; i <= kSamples; ++i) {
        const double* draw = noise.data() + draws * (i - 1);
        pass.connected[i] =
            model::switchStep(state, i, switchPhase, chain.temperatures, draw[model::kInputDraw]);
        if (last >= Stage::Uhf)
            model::uhfStep(state, i, chain.amplifier, draw[model::kXi1Draw], draw[model::kXi2Draw]);
        if (last >= Stage::Detector)
            model::detectorStep(state, i);
        if (last >= Stage::Filter1) {
            model::filter1Step(state, i, chain.filter1Coefficient);
            pass.filter1Sum += state.filter1Wave[i];
        }
    }
    return pass;
}

// The first pass of the capacitor, two-section filter and ADC views: the chain up to the
// single-section filter, nothing drawn; returns filter1Sum.
double runToFilter1Summing(model::ReceiverState& state, const ChainSettings& chain) {
    return runFrontEnd(state, chain, Stage::Filter1).filter1Sum;
}

void runCapacitor(model::ReceiverState& state, double filter1Sum) {
    for (int i = 1; i <= kSamples; ++i)
        model::capacitorStep(state, i, filter1Sum, kRecordLength);
}

// The capacitor and the two-section filter sample by sample: filter2Step at i reads
// capacitorWave[i + 1] before the capacitor has written it, so that term is the 0 the
// clearing left there.
void runCapacitorAndFilter2(model::ReceiverState& state, double filter1Sum, double b) {
    for (int i = 1; i <= kSamples; ++i) {
        model::capacitorStep(state, i, filter1Sum, kRecordLength);
        model::filter2Step(state, i, b);
    }
}

// The first two passes of the two-section filter and ADC views: the chain cleared, the
// front end up to the single-section filter with its record sum, then the capacitor and
// the two-section filter; every sample of the record checked to be finite.
void runThroughFilter2(model::ReceiverState& state, const ChainSettings& chain) {
    model::clearChain(state, kSamples);
    const double filter1Sum = runToFilter1Summing(state, chain);
    runCapacitorAndFilter2(state, filter1Sum, chain.filter2Coefficient);
    requireFiniteChain(state, Stage::Filter2);
}

// The ADC's range: the largest minus the smallest two-section filter output at 1..10000,
// both starting from 0. Each filter2Wave[i] is final once the filter has run past i - 2,
// so taking the extremes after the pass finds the same values as during it.
double adcRangeOf(const model::ReceiverState& state) {
    double largest = 0;
    double smallest = 0;
    for (int i = 1; i <= kSamples; ++i) {
        const double value = state.filter2Wave[i];
        if (largest < value)
            largest = value;
        if (smallest > value)
            smallest = value;
    }
    return largest - smallest;
}

void runAdc(model::ReceiverState& state, double levels, double range) {
    for (int i = 1; i <= kSamples; ++i)
        model::adcStep(state, i, levels, range);
}

// The colours of a pass that takes no input sample: the switch's phase rule alone,
// counting from 0 again.
Connections phaseRuleConnections() {
    Connections connected{};
    std::int16_t switchPhase = 0;
    for (int i = 1; i <= kSamples; ++i)
        connected[i] = model::advanceSwitchPhase(switchPhase);
    return connected;
}

int inputNumber(SwitchInput input) {
    return input == SwitchInput::First ? 1 : 2;
}

// The curve: a segment to each sample 1..count, coloured by the input connected there,
// connectedAt(i); the samples noted for the export and the readout.
template <typename ConnectedAt>
PlotRecord drawRecord(canvas::Canvas& canvas, const double* wave, int count,
                      ConnectedAt connectedAt, const ObjectColours& colours) {
    PlotRecord record;
    record.kind = PlotRecord::Kind::Samples;
    record.points.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        const SwitchInput input = connectedAt(i);
        canvas.lineTo(static_cast<float>(i), toCanvas(wave[i]), colours.of(input));
        record.points.push_back({static_cast<double>(i), wave[i], inputNumber(input)});
    }
    return record;
}
// The record of 10000 samples, with the switch's connections.
PlotRecord drawRecord(canvas::Canvas& canvas, const double* wave, const Connections& connected,
                      const ObjectColours& colours) {
    return drawRecord(
        canvas, wave, kSamples, [&connected](int i) { return connected[i]; }, colours);
}

// What the views from the switch on report: Ta1, then Ta2; with the record drawn.
ViewOutput temperatures(const ChainSettings& chain, PlotRecord record) {
    ViewOutput output;
    output.values.set(model::Result::ta1, chain.temperatures.ta1);
    output.values.set(model::Result::ta2, chain.temperatures.ta2);
    output.record = std::move(record);
    return output;
}

// The views that draw a front-end pass as it ran: the switch, the amplifier and the
// single-section filter.
ViewOutput frontEndView(Stage stage, const double* wave, const Scale& scale, float startY,
                        const Press& press, model::ReceiverState& state, canvas::Canvas& canvas) {
    const ChainSettings chain = chainSettings(press, state);
    const FrontEndPass pass = runFrontEnd(state, chain, stage);
    requireFiniteChain(state, stage);

    openPicture(canvas, scale, 0, 0, startY);
    return temperatures(chain, drawRecord(canvas, wave, pass.connected, objectColours(state)));
}

// The antenna device and the noise equivalent: 2700 samples of one input.
ViewOutput inputView(SwitchInput input, const Press& press, model::ReceiverState& state,
                     canvas::Canvas& canvas) {
    const ChainSettings chain = chainSettings(press, state);
    const bool first = input == SwitchInput::First;
    const double ta = first ? chain.temperatures.ta1 : chain.temperatures.ta2;

    // The start point and then every sample, each a draw of generator 1 times the
    // input's temperature; the start point is not kept.
    const std::vector<double> noise =
        model::drawChainNoise(state, kInputSamples + 1, model::kSwitchDraws);
    const double start = noise[0] * ta;
    for (int i = 1; i <= kInputSamples; ++i)
        state.inputWave[i] = noise[static_cast<std::size_t>(i)] * ta;
    requireFinite(&start, 0, 0);
    requireFinite(state.inputWave.data(), 1, kInputSamples);

    openPicture(canvas, kInputScale, 0, 0, toCanvas(start));
    ViewOutput output;
    output.record = drawRecord(
        canvas, state.inputWave.data(), kInputSamples, [input](int) { return input; },
        objectColours(state));
    output.values.set(first ? model::Result::ta1 : model::Result::ta2, ta);
    return output;
}

} // namespace

ViewOutput modulatorView(const Press&, model::ReceiverState& state, canvas::Canvas& canvas,
                         Progress*) {
    struct Point {
        float x, y;
    };
    constexpr Point kWave[] = {{1, 5}, {1, 15}, {2, 15}, {2, 5}, {3, 5}, {3, 15}, {4, 15}};
    constexpr Point kStart{0, 5};
    const canvas::Colour colour = firstObjectColour(state);
    openPicture(canvas, kModulatorScale, 10, kStart.x, kStart.y);
    // Its eight points: the low level is the half-period of input 1, the high of input 2.
    ViewOutput output;
    output.record.kind = PlotRecord::Kind::Modulator;
    const auto note = [&output](const Point& point) {
        output.record.points.push_back({point.x, point.y, point.y < 10 ? 1 : 2});
    };
    note(kStart);
    for (const Point& point : kWave) {
        canvas.lineTo(point.x, point.y, colour);
        note(point);
    }
    return output;
}

ViewOutput antennaView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                       Progress*) {
    return inputView(SwitchInput::First, press, state, canvas);
}

ViewOutput noiseEquivalentView(const Press& press, model::ReceiverState& state,
                               canvas::Canvas& canvas, Progress*) {
    return inputView(SwitchInput::Second, press, state, canvas);
}

ViewOutput switchView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                      Progress*) {
    return frontEndView(Stage::Switch, state.switchWave.data(), kSwitchScale, 0, press, state,
                        canvas);
}

ViewOutput uhfView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                   Progress*) {
    return frontEndView(Stage::Uhf, state.uhfWave.data(), kUhfScale, 0, press, state, canvas);
}

ViewOutput detectorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                        Progress*) {
    const ChainSettings chain = chainSettings(press, state);
    // The start point is a fresh sample of the second input, taken before the curve.
    const double start = model::input2Sample(state, 0, chain.temperatures.ta2);
    const FrontEndPass pass = runFrontEnd(state, chain, Stage::Detector);
    requireFinite(&start, 0, 0);
    requireFiniteChain(state, Stage::Detector);

    openPicture(canvas, kDetectorScale, 0, 0, toCanvas(start));
    return temperatures(
        chain, drawRecord(canvas, state.detectorWave.data(), pass.connected, objectColours(state)));
}

ViewOutput filter1View(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                       Progress*) {
    // The point drawn at i is the filter's value before detectorWave[i] entered it.
    return frontEndView(Stage::Filter1, state.filter1Wave.data(), kFilter1Scale, kFilterStartY,
                        press, state, canvas);
}

ViewOutput capacitorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                         Progress*) {
    const ChainSettings chain = chainSettings(press, state);
    const double filter1Sum = runToFilter1Summing(state, chain);
    runCapacitor(state, filter1Sum);
    requireFiniteChain(state, Stage::Capacitor);

    openPicture(canvas, kCapacitorScale, 0, 0, kCapacitorStartY);
    return temperatures(chain, drawRecord(canvas, state.capacitorWave.data(),
                                          phaseRuleConnections(), objectColours(state)));
}

ViewOutput filter2View(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                       Progress*) {
    const ChainSettings chain = chainSettings(press, state);
    runThroughFilter2(state, chain);

    // filter2Wave[1] and [2] are the cleared zeros: the curve begins at (1, 0), (2, 0).
    openPicture(canvas, kFilter2Scale, 0, 0, kFilterStartY);
    return temperatures(chain, drawRecord(canvas, state.filter2Wave.data(), phaseRuleConnections(),
                                          objectColours(state)));
}

ViewOutput adcView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                   Progress*) {
    const ChainSettings chain = chainSettings(press, state);
    runThroughFilter2(state, chain);

    const double adcRange = adcRangeOf(state);
    requireFinite(&adcRange, 0, 0);
    if (adcRange == 0)
        model::fail(model::FaultKind::ZeroAdcRange, {Quantity::Cutoff1, Quantity::Cutoff2});
    runAdc(state, chain.adcLevels, adcRange);
    requireFinite(state.adcWave.data(), 1, kSamples);

    openPicture(canvas, kAdcScale, 0, 0, kFilterStartY);
    return temperatures(chain, drawRecord(canvas, state.adcWave.data(), phaseRuleConnections(),
                                          objectColours(state)));
}

} // namespace views
