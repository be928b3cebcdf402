// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Summator.h"
#include "PressFixture.h"
#include "model/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numeric>
#include <vector>

namespace {

using canvas::RecordingCanvas;
using testing_support::defaultTexts;
using testing_support::press;
using testing_support::startupState;
using views::Block;

using Kind = RecordingCanvas::Kind;

double parse(const std::optional<std::string>& text) {
    EXPECT_TRUE(text.has_value());
    const model::ParseResult result = model::parseNumber(text.value_or(""));
    EXPECT_TRUE(result.ok()) << *text;
    return result.value;
}

struct WindowCase {
    int step;
    int first;
    int second;
    int all;
};

TEST(SummationWindows, SamplesPerPeriodForEverySamplingStep) {
    const WindowCase cases[] = {
        {1, 2001, 2001, 4002}, {2, 1001, 1001, 2002}, {4, 501, 501, 1002},
        {5, 401, 401, 802},    {10, 201, 201, 402},   {50, 41, 41, 82},
        {100, 21, 21, 42},     {200, 10, 11, 21},     {500, 5, 5, 10},
    };
    for (const WindowCase& c : cases) {
        const model::SummationWindows windows = model::summationWindows(c.step);
        EXPECT_EQ(windows.countA(), c.first) << "s = " << c.step;
        EXPECT_EQ(static_cast<int>(windows.second.size()), c.second) << "s = " << c.step;
        EXPECT_EQ(windows.countAll(), c.all) << "s = " << c.step;
    }
}

TEST(SummationWindows, TestThePositionOneStepAheadOfTheSampleTaken) {
    EXPECT_EQ(model::summationWindows(500).first, (std::vector<int>{1, 501, 1001, 1501, 2001}));
    const model::SummationWindows unit = model::summationWindows(1);
    EXPECT_EQ(unit.first.front(), 500);
    EXPECT_EQ(unit.first.back(), 2500);
    EXPECT_EQ(unit.second.front(), 3000);
    EXPECT_EQ(unit.second.back(), 5000);
    const model::SummationWindows defaults = model::summationWindows(100);
    EXPECT_EQ(defaults.first.front(), 401);  // j = 500
    EXPECT_EQ(defaults.second.back(), 4901); // j = 5000
}

TEST(SummatorReading, ConstantsInTheirOrder) {
    EXPECT_EQ(model::summatorReading(1000, 400, 42), 1e-3 * (600 * 1.85115) * 862.225 / 42);
}

TEST(SummatorStatistics, SpreadOfTheMeanAndRoundingBelowZero) {
    model::SummatorStatistics statistics;
    for (const double x : {1.0, 2.0, 3.0, 4.0})
        statistics.add(x);
    EXPECT_DOUBLE_EQ(statistics.mean(), 2.5);
    EXPECT_DOUBLE_EQ(statistics.spreadOfMean(), std::sqrt(5.0) / 4);
    model::SummatorStatistics equal;
    for (int i = 0; i < 3; ++i)
        equal.add(0.1); // Σx² − (Σx)²/N is a tiny negative here
    EXPECT_EQ(equal.spreadOfMean(), 0.0);
}

TEST(SummatorPress, DefaultLabels) {
    model::ReceiverState state = startupState();
    const auto recorded = press(Block::Summator, defaultTexts(), state);
    const views::ResultTexts& t = recorded.texts;
    EXPECT_EQ(t.get(model::Result::brightnessDifference), "204");
    EXPECT_EQ(t.get(model::Result::antennaDifference), "203,6");
    EXPECT_EQ(t.get(model::Result::ta1), "Ta1=303,6");
    EXPECT_EQ(t.get(model::Result::ta2), "Ta2=100");
    EXPECT_EQ(t.get(model::Result::potentialSensitivity), "1,1138599951919");
    EXPECT_EQ(t.get(model::Result::realSensitivity), "0");
    const double measured = parse(t.get(model::Result::measuredDifference));
    EXPECT_GT(measured, 150);
    EXPECT_LT(measured, 260);
}

TEST(SummatorPress, CurveOfTwentyOneAccumulationSteps) {
    model::ReceiverState state = startupState();
    const auto recorded = press(Block::Summator, defaultTexts(), state);
    const auto& calls = recorded.canvas.calls();
    ASSERT_EQ(calls.size(), 1u + 1u + 1u + 20u + 1u); // clear, scale, start, curve, mean line
    EXPECT_EQ(calls[0].kind, Kind::Clear);
    ASSERT_EQ(calls[1].kind, Kind::Scale);
    EXPECT_EQ(calls[1].x1, 0.0f);
    EXPECT_EQ(calls[1].x2, 21.0f);
    EXPECT_GE(calls[1].y1, 0.0f); // bmax and bmin start at 0: the scale includes 0
    EXPECT_LE(calls[1].y2, 0.0f);
    ASSERT_EQ(calls[2].kind, Kind::Position);
    EXPECT_EQ(calls[2].x1, 0.0f);
    for (int i = 0; i < 20; ++i) {
        const auto& call = calls[3 + i];
        ASSERT_EQ(call.kind, Kind::LineTo);
        EXPECT_EQ(call.x1, static_cast<float>(i + 2)); // no point at x = 1
        EXPECT_FALSE(call.colour.has_value());         // the foreground colour
        EXPECT_LE(call.y1, calls[1].y1);
        EXPECT_GE(call.y1, calls[1].y2);
    }
    const auto& mean = calls.back();
    ASSERT_EQ(mean.kind, Kind::Line);
    EXPECT_EQ(mean.colour, canvas::kMagenta);
    EXPECT_EQ(mean.x1, 0.0f);
    EXPECT_EQ(mean.x2, 21.0f);
    EXPECT_EQ(mean.y1, mean.y2);
    EXPECT_EQ(mean.y1, calls[calls.size() - 2].y1); // the curve ends on its final mean
}

TEST(SummatorPress, CurveStartsAtTheFirstSampleAndRunsTheMean) {
    model::ReceiverState state = startupState();
    views::FieldTexts texts = defaultTexts();
    texts.samplingRateIndex = 8; // s = 500: five samples, positions 1, 501, 1001, 1501, 2001
    const auto recorded = press(Block::Summator, texts, state);
    const auto& calls = recorded.canvas.calls();
    ASSERT_EQ(calls.size(), 3u + 4u + 1u);
    const double samples[] = {state.adcWave[1], state.adcWave[501], state.adcWave[1001],
                              state.adcWave[1501], state.adcWave[2001]};
    EXPECT_EQ(calls[2].y1, static_cast<float>(samples[0]));
    double sum = samples[0];
    for (int i = 2; i <= 5; ++i) {
        sum += samples[i - 1];
        EXPECT_EQ(calls[1 + i].y1, static_cast<float>(sum / i)) << i;
    }
    const double bmax = std::max(0.0, *std::max_element(std::begin(samples), std::end(samples)));
    const double bmin = std::min(0.0, *std::min_element(std::begin(samples), std::end(samples)));
    EXPECT_EQ(calls[1].y1, static_cast<float>(bmax));
    EXPECT_EQ(calls[1].y2, static_cast<float>(bmin));
    EXPECT_EQ(calls[1].x2, 5.0f);
}

TEST(SummatorPress, PointTargetSceneMeasuresTheBeamAveragedDifference) {
    model::ReceiverState state = startupState();
    const auto recorded = press(Block::Summator, defaultTexts(model::Scene::PointTarget), state);
    EXPECT_EQ(recorded.texts.get(model::Result::antennaDifference), "97,92");
    EXPECT_EQ(recorded.texts.get(model::Result::brightnessDifference), "204");
    EXPECT_EQ(recorded.texts.get(model::Result::ta1), "Ta1=217,92");
    EXPECT_EQ(recorded.texts.get(model::Result::ta2), "Ta2=120");
    EXPECT_NEAR(parse(recorded.texts.get(model::Result::measuredDifference)), 97.92, 40);
    EXPECT_NEAR(state.beamTemperature, 208.8, 1e-12);
}

TEST(SummatorPress, SecondPressDrawsNewNoiseButKeepsTheComputedLabels) {
    model::ReceiverState state = startupState();
    const auto first = press(Block::Summator, defaultTexts(), state);
    const auto second = press(Block::Summator, defaultTexts(), state);
    EXPECT_NE(first.texts.get(model::Result::measuredDifference),
              second.texts.get(model::Result::measuredDifference));
    EXPECT_EQ(first.texts.get(model::Result::brightnessDifference),
              second.texts.get(model::Result::brightnessDifference));
    EXPECT_EQ(first.texts.get(model::Result::antennaDifference),
              second.texts.get(model::Result::antennaDifference));
    EXPECT_EQ(first.texts.get(model::Result::potentialSensitivity),
              second.texts.get(model::Result::potentialSensitivity));
    EXPECT_EQ(first.texts.get(model::Result::ta1), second.texts.get(model::Result::ta1));
    EXPECT_EQ(first.texts.get(model::Result::ta2), second.texts.get(model::Result::ta2));
}

using testing_support::sameCalls;

TEST(SummatorPress, GainFieldHasNoEffect) {
    auto a = std::make_unique<model::ReceiverState>(startupState());
    auto b = std::make_unique<model::ReceiverState>(*a);
    views::FieldTexts texts = defaultTexts();
    const auto withDefaultGain = press(Block::Summator, texts, *a);
    texts[model::Quantity::Gain] = "abc"; // not even read
    const auto withoutGain = press(Block::Summator, texts, *b);
    EXPECT_EQ(withDefaultGain.texts.get(model::Result::measuredDifference),
              withoutGain.texts.get(model::Result::measuredDifference));
    EXPECT_TRUE(sameCalls(withDefaultGain.canvas, withoutGain.canvas));
}

TEST(SummatorPress, DoesNotDependOnWhatEarlierPressesLeftInTheBuffers) {
    auto clean = std::make_unique<model::ReceiverState>(startupState());
    auto used = std::make_unique<model::ReceiverState>(*clean);
    // Another view's leftovers, everywhere, including the capacitor sample just past the
    // period and the filter's starting values.
    for (int i = 0; i <= model::kChainWaveLast; ++i) {
        used->uhfWave[i] = used->detectorWave[i] = used->filter1Wave[i] = 1e5 + i;
        used->capacitorWave[i] = used->filter2Wave[i] = used->adcWave[i] = -3e4 - i;
    }
    for (int i = 0; i <= model::kSwitchWaveLast; ++i)
        used->switchWave[i] = 77;
    const auto a = press(Block::Summator, defaultTexts(), *clean);
    const auto b = press(Block::Summator, defaultTexts(), *used);
    EXPECT_EQ(a.texts.get(model::Result::measuredDifference),
              b.texts.get(model::Result::measuredDifference));
    EXPECT_TRUE(sameCalls(a.canvas, b.canvas));
    for (int i = 1; i <= model::kSamplesPerPeriod; ++i) {
        ASSERT_EQ(clean->adcWave[i], used->adcWave[i]) << i;
        ASSERT_EQ(clean->filter2Wave[i], used->filter2Wave[i]) << i;
    }
}

TEST(SummatorPress, PassLeavesTheChainOfTheLastPeriod) {
    model::ReceiverState state = startupState();
    press(Block::Summator, defaultTexts(), state);
    EXPECT_EQ(state.filter1Wave[1], 0.0);
    EXPECT_EQ(state.filter2Wave[1], 0.0);
    EXPECT_EQ(state.filter2Wave[2], 0.0);
    // The detector output is the magnitude of the amplifier output plus 200.
    for (int i = 1; i <= model::kSamplesPerPeriod; i += 97)
        EXPECT_EQ(state.detectorWave[i], std::fabs(state.uhfWave[i]) + 200) << i;
    // One-term input of the two-section filter.
    const double b = model::filter2Coefficient(7000);
    for (int i = 1; i < model::kSamplesPerPeriod; i += 89)
        EXPECT_EQ(state.filter2Wave[i + 2], model::filter2Feedback(b) * state.filter2Wave[i + 1] +
                                                b * (state.capacitorWave[i] + 0.0))
            << i;
    // The capacitor removes the period's mean of the filter output.
    const double mean =
        std::accumulate(&state.filter1Wave[1], &state.filter1Wave[5001], 0.0) / 5000;
    EXPECT_NEAR(state.capacitorWave[2500], state.filter1Wave[2500] - mean, 1e-6);
    // Three generator draws per sample, two uniforms each.
    EXPECT_EQ(state.uniform.position(), 2u * 3u * 5000u);
    EXPECT_EQ(state.lastNoise2, model::rawGaussianAt(state.uniform.seed(), 2 * (3 * 5000 - 1)));
    EXPECT_EQ(state.lastNoise1, model::rawGaussianAt(state.uniform.seed(), 2 * (3 * 5000 - 2)));
}

TEST(SummatorPress, FractionalTimeRunsWholePeriodsAndDividesByThem) {
    auto a = std::make_unique<model::ReceiverState>(startupState());
    auto b = std::make_unique<model::ReceiverState>(*a);
    views::FieldTexts texts = defaultTexts();
    texts[model::Quantity::Accumulation] = "2";
    const auto two = press(Block::Summator, texts, *a);
    texts[model::Quantity::Accumulation] = "2,5";
    const auto twoAndAHalf = press(Block::Summator, texts, *b);
    EXPECT_EQ(a->uniform.position(), b->uniform.position()); // two periods each
    EXPECT_EQ(two.texts.get(model::Result::measuredDifference),
              twoAndAHalf.texts.get(model::Result::measuredDifference)); // not scaled down by 2/2.5
    EXPECT_EQ(two.texts.get(model::Result::realSensitivity),
              twoAndAHalf.texts.get(model::Result::realSensitivity));
    const double potential2 = parse(two.texts.get(model::Result::potentialSensitivity));
    const double potential25 = parse(twoAndAHalf.texts.get(model::Result::potentialSensitivity));
    EXPECT_NEAR(potential2 / potential25, std::sqrt(2.5 / 2), 1e-12); // the typed time
}

class StopAfter : public views::Progress {
public:
    explicit StopAfter(double passes) : passes_(passes) {}
    bool keepGoing(double done, double total) override {
        EXPECT_EQ(total, 1000);
        told.push_back(done);
        return done < passes_;
    }
    std::vector<double> told;

private:
    double passes_;
};

// Progress is told between batches of periods, never after the last, and stops the press
// at the end of the batch that asked.
TEST(SummatorPress, ProgressIsToldBetweenBatchesAndCanStopThePress) {
    model::ReceiverState state = startupState();
    views::FieldTexts texts = defaultTexts();
    texts[model::Quantity::Accumulation] = "1000";
    StopAfter never(1e9);
    press(Block::Summator, texts, state, &never);
    ASSERT_FALSE(never.told.empty());
    EXPECT_LT(never.told.back(), 1000);
    for (std::size_t k = 1; k < never.told.size(); ++k)
        EXPECT_GT(never.told[k], never.told[k - 1]);

    StopAfter stop(300);
    EXPECT_THROW(press(Block::Summator, texts, state, &stop), views::PressCancelled);
    EXPECT_GE(stop.told.back(), 300);
    EXPECT_LT(stop.told.back(), 1000);
}

struct BadSummator {
    const char* what;
    void (*change)(views::FieldTexts&);
    const char* mentioned;
};

const BadSummator kBadSummators[] = {
    {"zero time", [](views::FieldTexts& t) { t[model::Quantity::Accumulation] = "0"; },
     "Время накопления,мс"},
    {"half a period", [](views::FieldTexts& t) { t[model::Quantity::Accumulation] = "0,5"; },
     "не меньше 1"},
    {"negative time", [](views::FieldTexts& t) { t[model::Quantity::Accumulation] = "-1"; },
     "Время накопления,мс"},
    {"endless time", [](views::FieldTexts& t) { t[model::Quantity::Accumulation] = "1e300"; },
     "Время накопления,мс"},
    {"filter 1 shut", [](views::FieldTexts& t) { t[model::Quantity::Cutoff1] = "0"; }, "фильтра1"},
    {"filter 2 shut", [](views::FieldTexts& t) { t[model::Quantity::Cutoff2] = "0"; }, "фильтра2"},
    {"diverging filter 1", [](views::FieldTexts& t) { t[model::Quantity::Cutoff1] = "1e7"; },
     "фильтра1"},
    {"huge bandwidth", [](views::FieldTexts& t) { t[model::Quantity::Bandwidth] = "1e300"; },
     "Δf, МГц"},
    {"huge word length", [](views::FieldTexts& t) { t[model::Quantity::WordLength] = "5000"; },
     "Разрядность"},
    {"not a number", [](views::FieldTexts& t) { t[model::Quantity::ReceiverNoise] = "abc"; },
     "Т-ра вн.шума, К"},
    {"empty", [](views::FieldTexts& t) { t[model::Quantity::Cutoff2] = ""; }, "фильтра2"},
    {"no sampling rate", [](views::FieldTexts& t) { t.samplingRateIndex = -1; }, "Fдискретиз."},
};

TEST(SummatorPress, FaultsAreReportedAndNothingIsDrawn) {
    for (const BadSummator& bad : kBadSummators) {
        model::ReceiverState state = startupState();
        views::FieldTexts texts = defaultTexts();
        bad.change(texts);
        RecordingCanvas canvas;
        try {
            const views::Press prepared = views::preparePress(Block::Summator, texts, state);
            views::runPress(prepared, state, canvas, ',');
            ADD_FAILURE() << bad.what << ": no fault reported";
        } catch (const views::PressError& error) {
            EXPECT_NE(std::string(error.what()).find(bad.mentioned), std::string::npos)
                << bad.what << ": " << error.what();
        }
    }
}

// The readings of single periods with the defaults scatter about the computed
// antenna-temperature difference; the mean of N periods scatters √N times less.
TEST(SummatorStatisticsOverPresses, SettlesNearTheComputedDifferenceAndShrinksAsRootN) {
    model::ReceiverState state = startupState();
    views::FieldTexts texts = defaultTexts();
    std::vector<double> single;
    for (int i = 0; i < 200; ++i)
        single.push_back(parse(
            press(Block::Summator, texts, state).texts.get(model::Result::measuredDifference)));
    const double mean1 = std::accumulate(single.begin(), single.end(), 0.0) / single.size();
    double var1 = 0;
    for (const double x : single)
        var1 += (x - mean1) * (x - mean1);
    var1 /= static_cast<double>(single.size() - 1);
    const double sd1 = std::sqrt(var1);
    // Most single readings lie within the band a student sees, about 195 to 220.
    int inBand = 0;
    for (const double x : single)
        inBand += (x > 185 && x < 230) ? 1 : 0;
    EXPECT_GT(inBand, 150) << "mean " << mean1 << " sd " << sd1;
    EXPECT_NEAR(mean1, 203.6, 12) << "sd " << sd1;

    texts[model::Quantity::Accumulation] = "64";
    std::vector<double> means;
    double reportedSpread = 0;
    for (int i = 0; i < 30; ++i) {
        const auto recorded = press(Block::Summator, texts, state);
        means.push_back(parse(recorded.texts.get(model::Result::measuredDifference)));
        // lblmo = Tsys·σ/m, so σ = lblmo·m/Tsys with Tsys = 100 + 0.9·304.
        reportedSpread += parse(recorded.texts.get(model::Result::realSensitivity)) * means.back() /
                          (100 + 0.9 * 304);
    }
    reportedSpread /= static_cast<double>(means.size());
    const double mean64 = std::accumulate(means.begin(), means.end(), 0.0) / means.size();
    double var64 = 0;
    for (const double x : means)
        var64 += (x - mean64) * (x - mean64);
    const double sd64 = std::sqrt(var64 / static_cast<double>(means.size() - 1));
    // 30 means give the spread to about ±13 %, 200 readings to about ±5 %.
    EXPECT_NEAR(sd64 / sd1, 1.0 / 8, 0.35 / 8) << "sd1 " << sd1 << " sd64 " << sd64;
    EXPECT_NEAR(reportedSpread / sd1, 1.0 / 8, 0.25 / 8) << reportedSpread;
    EXPECT_NEAR(mean64, mean1, 4 * sd1 / std::sqrt(200.0) + 4 * sd64 / std::sqrt(30.0));
}

} // namespace

namespace {

// Front ends and filters computed by helpers (a page's other workers, each with its own
// summator, on its share of the periods) give the run of one summator to the last bit:
// its readings, its state and the accumulation of its last period.
TEST(SummatorPartials, HelpersShareOfTheRunGivesTheSameBits) {
    struct Case {
        int step;
        int periods;
        int helpers;
    };
    for (const Case c : {Case{100, 1, 1}, Case{1, 3, 2}, Case{500, 200, 3}, Case{100, 129, 2}}) {
        SCOPED_TRACE(::testing::Message() << "s " << c.step << ", " << c.periods << " periods");
        model::SummatorSettings settings;
        settings.temperatures = {303.6, 100};
        settings.amplifier = {100, 900, 4, 2.5};
        settings.f1 = 9500;
        settings.f2 = 7000;
        settings.wordLength = 12;
        settings.samplingStep = c.step;

        auto alone = std::make_unique<model::ReceiverState>(startupState());
        alone->uniform.skip(123456);
        auto shared = std::make_unique<model::ReceiverState>(*alone);
        model::SummatorStatistics aloneStatistics, sharedStatistics;
        std::vector<double> aloneReadings, sharedReadings;
        model::Summator(settings).run(*alone, c.periods, aloneStatistics, &aloneReadings);

        // The helpers' shares, joined in period order.
        model::PeriodPartials joined;
        const std::uint64_t first = shared->uniform.position();
        for (int h = 0; h < c.helpers; ++h) {
            const int from = c.periods * h / c.helpers;
            const int to = c.periods * (h + 1) / c.helpers;
            model::Summator helper(settings, model::selectedPeriodKernel(), 1);
            const model::PeriodPartials part =
                helper.partials(shared->uniform.seed(), first + model::kUniformsPerPeriod * from,
                                to - from);
            for (auto [into, from_] : {std::pair{&joined.largest, &part.largest},
                                       std::pair{&joined.smallest, &part.smallest},
                                       std::pair{&joined.summed, &part.summed}})
                into->insert(into->end(), from_->begin(), from_->end());
        }
        model::Summator main(settings);
        main.run(*shared, joined, sharedStatistics, &sharedReadings);

        EXPECT_EQ(sharedReadings, aloneReadings);
        EXPECT_EQ(sharedStatistics.sumX, aloneStatistics.sumX);
        EXPECT_EQ(sharedStatistics.sumX2, aloneStatistics.sumX2);
        EXPECT_EQ(shared->uniform.position(), alone->uniform.position());
        EXPECT_EQ(shared->lastNoise2, alone->lastNoise2);
        EXPECT_EQ(shared->filter2Wave, alone->filter2Wave);
        EXPECT_EQ(shared->adcWave, alone->adcWave);
        EXPECT_EQ(shared->switchWave, alone->switchWave);
    }
}

} // namespace
