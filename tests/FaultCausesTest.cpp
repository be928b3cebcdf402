// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An overflow met deep in the chain names the field whose value caused it: the press is
// tried again with each field set back to its last good text. Table-driven over the
// stages where the chain overflows, two fields at once, the point target, and the cases
// where the trials cannot tell.

#include "front/Session.h"
#include "front/ControlTable.h"
#include "views/Fields.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using model::Quantity;
using views::Block;

struct CauseCase {
    const char* what;
    Block block;
    model::Scene scene;
    std::vector<std::pair<Quantity, const char*>> typed;
    std::vector<Quantity> named; // the fields the warning names, in its order
};

front::Warning refusedWarning(front::Session& session, Block block,
                              const views::FieldTexts& texts) {
    try {
        const front::PressOpening opening = session.open(block, texts, ',');
        session.run(opening, ',');
    } catch (const front::PressFailed& failed) {
        return failed.warning();
    }
    ADD_FAILURE() << "the press was not refused";
    return {};
}

TEST(FaultCauses, TheWarningNamesTheFieldThatOverflowed) {
    const std::vector<Quantity> amplifier = {Quantity::Temperature1, Quantity::Temperature2,
                                             Quantity::ReceiverNoise, Quantity::Bandwidth,
                                             Quantity::Gain,          Quantity::GainInstability};
    const CauseCase cases[] = {
        {"the amplifier's gain", Block::Uhf, model::Scene::ExtendedTarget,
         {{Quantity::Gain, "1e308"}}, {Quantity::Gain}},
        {"the bandwidth, with the gain typed again as it was", Block::Uhf,
         model::Scene::ExtendedTarget, {{Quantity::Bandwidth, "1e306"}, {Quantity::Gain, "4,0"}},
         {Quantity::Bandwidth}},
        {"the square of a large gain", Block::Detector, model::Scene::ExtendedTarget,
         {{Quantity::Gain, "1e160"}}, {Quantity::Gain}},
        {"a diverging single-section filter", Block::Filter1, model::Scene::Boundary,
         {{Quantity::Cutoff1, "1e7"}}, {Quantity::Cutoff1}},
        {"a diverging two-section filter", Block::Adc, model::Scene::ExtendedTarget,
         {{Quantity::Cutoff2, "1e7"}, {Quantity::WordLength, "8"}}, {Quantity::Cutoff2}},
        {"the receiver noise in the summator, over a long accumulation", Block::Summator,
         model::Scene::ExtendedTarget,
         {{Quantity::ReceiverNoise, "1e308"}, {Quantity::Accumulation, "100000"}},
         {Quantity::ReceiverNoise}},
        {"a brightness temperature in the boundary scene", Block::Switch, model::Scene::Boundary,
         {{Quantity::Temperature1, "1,7e308"}, {Quantity::Temperature2, "50"}},
         {Quantity::Temperature1}},
        {"two fields, either of which alone is harmless", Block::Detector,
         model::Scene::ExtendedTarget, {{Quantity::Gain, "1e100"}, {Quantity::Bandwidth, "1e100"}},
         {Quantity::Bandwidth, Quantity::Gain}},
        {"two fields, neither of which alone is harmless", Block::Uhf,
         model::Scene::ExtendedTarget, {{Quantity::Gain, "1e308"}, {Quantity::Bandwidth, "1e306"}},
         {Quantity::Bandwidth, Quantity::Gain}},
        {"the point target's height", Block::Modulator, model::Scene::PointTarget,
         {{Quantity::FlightHeight, "1e-200"}}, {Quantity::FlightHeight}},
        {"a fault no field typed differently explains: today's list", Block::Detector,
         model::Scene::ExtendedTarget, {{Quantity::ReceiverNoise, "1e200"}}, {}},
    };
    for (const CauseCase& c : cases) {
        SCOPED_TRACE(c.what);
        front::Session session;
        views::FieldTexts texts = front::defaultFieldTexts();
        texts.scene = c.scene;
        for (const auto& [quantity, text] : c.typed)
            texts[quantity] = text;
        if (c.named.empty()) {
            // A good press with the same texts first: nothing differs from it afterwards.
            front::PressOpening opening = session.open(Block::Uhf, texts, ',');
            session.keep(opening, session.run(opening, ','));
        }
        const front::Warning warning = refusedWarning(session, c.block, texts);
        const std::vector<Quantity> expected =
            c.named.empty() ? std::vector<Quantity>(amplifier) : c.named;
        EXPECT_EQ(warning.fields, expected) << warning.text;
        EXPECT_NE(warning.text.find(views::quoteFields(expected, c.scene)), std::string::npos)
            << warning.text;
        EXPECT_EQ(warning.focusControl(), views::field(expected.front()).control);
    }
}

// The last good text is the one of the last press that succeeded, not the default: a gain
// of 1e100 has given a good amplifier press, so only the bandwidth typed since is named
// (measured against the defaults, the gain would be named too).
TEST(FaultCauses, MeasuredAgainstTheLastGoodPress) {
    front::Session session;
    views::FieldTexts texts = front::defaultFieldTexts();
    texts[Quantity::Gain] = "1e100";
    front::PressOpening opening = session.open(Block::Uhf, texts, ',');
    session.keep(opening, session.run(opening, ','));
    texts[Quantity::Bandwidth] = "1e110";
    const front::Warning warning = refusedWarning(session, Block::Detector, texts);
    EXPECT_EQ(warning.fields, std::vector<Quantity>{Quantity::Bandwidth}) << warning.text;
    EXPECT_EQ(warning.title, "Ошибка расчёта");
    EXPECT_EQ(warning.text, "Сигнал вышел за пределы представимых чисел (переполнение или "
                            "расходящийся фильтр). Проверьте поле «Δf, МГц».");
}

// A field's own fault keeps its message and names the field; the focus goes there.
TEST(FaultCauses, InputFaultsAndTheSideLobeBoxNameTheirField) {
    front::Session session;
    views::FieldTexts texts = front::defaultFieldTexts();
    texts[Quantity::Cutoff2] = "9 000";
    const front::Warning typed = refusedWarning(session, Block::Filter2, texts);
    EXPECT_EQ(typed.title, "Ошибка ввода");
    EXPECT_EQ(typed.text, "Поле «Частота  среза фильтра2, Гц»: «9 000» — внутри числа не "
                          "допускаются пробелы (разделители разрядов).");
    EXPECT_EQ(typed.focusControl(), "txtF22");

    const std::optional<front::Warning> lobes = session.tickSideLobes(true, "0,1", "40000");
    ASSERT_TRUE(lobes.has_value());
    EXPECT_EQ(lobes->focusControl(), "txtTbokov");
    EXPECT_EQ(session.state().sideLobeTemperature, 0);
    EXPECT_FALSE(session.tickSideLobes(true, "0,1", "300").has_value());
    EXPECT_EQ(session.state().sideLobeTemperature, 300);
}

} // namespace
