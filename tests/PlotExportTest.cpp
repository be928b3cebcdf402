// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The numbers behind the pictures for lab work: the CSV of every kind of view in a Russian
// and an English locale, and the readout at known positions.

#include "views/PlotExport.h"
#include "PressFixture.h"
#include "model/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

namespace {

using testing_support::defaultTexts;
using testing_support::startupState;
using views::Block;

views::PressOutcome pressFor(Block block, views::FieldTexts texts = defaultTexts()) {
    model::ReceiverState state = startupState();
    canvas::RecordingCanvas canvas;
    const views::Press press = views::preparePress(block, texts, state);
    return views::runPressOutcome(press, state, canvas, ',');
}

// The CSV's lines, without the byte-order mark and the line ends.
std::vector<std::string> linesOf(const std::string& csv) {
    EXPECT_EQ(csv.compare(0, 3, "\xEF\xBB\xBF"), 0) << "no UTF-8 byte-order mark";
    std::vector<std::string> lines;
    std::size_t at = 3;
    while (at < csv.size()) {
        const std::size_t end = csv.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line not ended by CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(csv.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// A CSV line's cells as a spreadsheet reads them: a cell in double quotes may hold the
// separator, and "" inside it is one quote.
std::vector<std::string> cellsOf(const std::string& line, char separator) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (quoted) {
            if (c == '"' && k + 1 < line.size() && line[k + 1] == '"') {
                cells.back() += '"';
                ++k;
            } else if (c == '"') {
                quoted = false;
            } else {
                cells.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

double valueOf(const std::string& text) {
    const model::ParseResult parsed = model::parseNumber(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.value;
}

struct LocaleCase {
    char decimal;
    char field;
};

TEST(PlotCsv, BlockViewOneRowPerSampleWithItsInputInEitherLocale) {
    const views::PressOutcome outcome = pressFor(Block::Switch);
    for (const LocaleCase locale : {LocaleCase{',', ';'}, LocaleCase{'.', ','}}) {
        SCOPED_TRACE(locale.decimal);
        const auto lines = linesOf(views::plotCsv(outcome.record, locale.decimal));
        ASSERT_EQ(lines.size(), 1u + 10000u);
        EXPECT_EQ(lines[0],
                  std::string("Отсчёт") + locale.field + "Значение" + locale.field + "Вход");
        for (int i = 1; i <= 10000; ++i) {
            const auto cells = cellsOf(lines[i], locale.field);
            ASSERT_EQ(cells.size(), 3u) << lines[i];
            ASSERT_EQ(cells[0], std::to_string(i));
            // 15 significant digits in the locale's form: the sample comes back to 15 digits.
            const double sample = outcome.record.points[i - 1].y;
            ASSERT_EQ(cells[1], model::formatNumber(sample, locale.decimal));
            ASSERT_EQ(cells[1].find(locale.decimal == ',' ? '.' : ','), std::string::npos);
        }
        // The inputs at the switch's edges.
        const auto inputAt = [&lines, &locale](int i) {
            return cellsOf(lines[i], locale.field)[2];
        };
        EXPECT_EQ(inputAt(2500), "1");
        EXPECT_EQ(inputAt(2501), "2");
        EXPECT_EQ(inputAt(5000), "2");
        EXPECT_EQ(inputAt(5001), "1");
        EXPECT_EQ(inputAt(7501), "1");
        EXPECT_EQ(inputAt(7502), "2");
    }
}

TEST(PlotCsv, InputViewsTheir2700SamplesAndTheModulatorItsEightPoints) {
    const auto antenna = linesOf(views::plotCsv(pressFor(Block::Antenna).record, ','));
    ASSERT_EQ(antenna.size(), 2701u);
    EXPECT_EQ(cellsOf(antenna[2700], ';')[2], "1");
    const auto equivalent = linesOf(views::plotCsv(pressFor(Block::NoiseEquivalent).record, ','));
    ASSERT_EQ(equivalent.size(), 2701u);
    EXPECT_EQ(cellsOf(equivalent[1], ';')[2], "2");

    const auto modulator = linesOf(views::plotCsv(pressFor(Block::Modulator).record, '.'));
    const std::vector<std::string> expected = {"x,Значение,Вход", "0,5,1",  "1,5,1",
                                               "1,15,2",          "2,15,2", "2,5,1",
                                               "3,5,1",           "3,15,2", "4,15,2"};
    EXPECT_EQ(modulator, expected);
}

TEST(PlotCsv, SummatorReadingsBesideTheCurveTheirMeanIsTheMeasuredDifference) {
    views::FieldTexts texts = defaultTexts();
    texts[model::Quantity::Accumulation] = "30";
    texts.samplingRateIndex = 7; // 25 kHz: 10 samples in the first window
    const views::PressOutcome outcome = pressFor(Block::Summator, texts);
    const auto lines = linesOf(views::plotCsv(outcome.record, ','));
    ASSERT_EQ(lines.size(), 1u + 30u);
    EXPECT_EQ(lines[0], "Период;Отсчёт разности антенных температур, К;Накоплено отсчётов;"
                        "Среднее накопленных отсчётов");
    double sum = 0;
    for (int k = 1; k <= 30; ++k) {
        const auto cells = cellsOf(lines[k], ';');
        ASSERT_EQ(cells.size(), 4u) << lines[k];
        EXPECT_EQ(cells[0], std::to_string(k));
        sum += valueOf(cells[1]);
        if (k <= 10) {
            EXPECT_EQ(cells[2], std::to_string(k));
            EXPECT_FALSE(cells[3].empty());
        } else {
            EXPECT_TRUE(cells[2].empty() && cells[3].empty()) << lines[k]; // the shorter list
        }
    }
    const double measured = valueOf(*outcome.texts.get(model::Result::measuredDifference));
    EXPECT_NEAR(sum / 30, measured, 1e-12 * std::fabs(measured));
    // The readings themselves, before their 15-digit text, give the label exactly.
    const auto& readings = outcome.record.readings;
    EXPECT_EQ(model::formatNumber(std::accumulate(readings.begin(), readings.end(), 0.0) / 30, ','),
              *outcome.texts.get(model::Result::measuredDifference));
}

// With a decimal point the fields are separated by commas: a header that holds one is
// quoted, so every line has as many cells as the header.
TEST(PlotCsv, EnglishLocaleQuotesTheHeadersThatHoldTheSeparator) {
    views::FieldTexts texts = defaultTexts();
    texts[model::Quantity::Accumulation] = "5";
    const views::PressOutcome outcome = pressFor(Block::Summator, texts);
    const auto lines = linesOf(views::plotCsv(outcome.record, '.'));
    ASSERT_EQ(lines.size(), 1u + 21u); // 21 samples of the curve at 50 kHz, 5 periods
    EXPECT_EQ(lines[0], "Период,\"Отсчёт разности антенных температур, К\",Накоплено отсчётов,"
                        "Среднее накопленных отсчётов");
    const std::vector<std::string> header = cellsOf(lines[0], ',');
    ASSERT_EQ(header.size(), 4u);
    EXPECT_EQ(header[1], "Отсчёт разности антенных температур, К");
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const auto cells = cellsOf(lines[k], ',');
        ASSERT_EQ(cells.size(), 4u) << lines[k];
        if (k <= 5)
            EXPECT_EQ(cells[1], model::formatNumber(outcome.record.readings[k - 1], '.'));
        else
            EXPECT_TRUE(cells[1].empty());
    }
    EXPECT_EQ(views::csvTable({"a\"b", "c"}, {}, '.'), "\xEF\xBB\xBF\"a\"\"b\",c\r\n");
}

TEST(PlotCsv, AnEmptyPictureHasNoData) {
    EXPECT_TRUE(views::plotCsv(views::PlotRecord{}, ',').empty());
    EXPECT_TRUE(views::readoutText(views::PlotRecord{}, 1, 1, ',').empty());
}

struct ReadoutCase {
    Block block;
    double x, y;
    const char* expectedStart;
};

TEST(Readout, PositionInTheViewsUnitsAndTheSampleUnderTheCursor) {
    const views::PressOutcome uhf = pressFor(Block::Uhf);
    const double sample = uhf.record.points[2600 - 1].y; // input 2 there
    EXPECT_EQ(views::readoutText(uhf.record, 2599.7, 812.345, ','),
              "x = 2599,7; y = 812,3\nотсчёт 2600: " + model::formatNumber(sample, ',') +
                  " (вход 2)");
    // Beyond the record the nearest sample.
    const std::string atEnd = views::readoutText(uhf.record, 10400, 0, '.');
    EXPECT_NE(atEnd.find("отсчёт 10000: "), std::string::npos) << atEnd;
    EXPECT_NE(atEnd.find("(вход 2)"), std::string::npos) << atEnd;

    const views::PressOutcome modulator = pressFor(Block::Modulator);
    EXPECT_EQ(views::readoutText(modulator.record, 1.2549, 14.5, ','), "x = 1,25; y = 14,5");

    views::FieldTexts texts = defaultTexts();
    texts[model::Quantity::Accumulation] = "3";
    const views::PressOutcome summator = pressFor(Block::Summator, texts);
    const std::string text = views::readoutText(summator.record, 12.2, 201.25, ',');
    // Four significant digits, rounded as the decimal form of the number is (a tie to even).
    EXPECT_EQ(text, "накоплено 12,2; y = 201,2\nсреднее 12 отсчётов: " +
                        model::formatNumber(summator.record.runningMeans[11], ','));
}

} // namespace
