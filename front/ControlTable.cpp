// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/ControlTable.h"

#include "i18n/Translate.h"
#include "views/Blocks.h"
#include "views/Fields.h"

#include <cstdio>
#include <deque>
#include <string>

namespace front {

namespace {

using model::Quantity;

// A quantity's text box, named as the field table names it, with its default text.
Control field(Quantity quantity, const char* text, int x, int y, int w, int h) {
    return {views::field(quantity).control, Kind::Field, text, x, y, w, h};
}
// The label beside a quantity's field, with the caption the field table gives it.
Control caption(Quantity quantity, int x, int y, int w = 0, int h = 0) {
    const views::Field& f = views::field(quantity);
    return {f.captionControl, Kind::Label, f.caption, x, y, w, h};
}
// The same where the caption is a formula, shown as a picture; `after` follows it.
Control formulaCaption(Quantity quantity, const char* after, int x, int y, int w, int h) {
    static std::deque<std::string> texts; // kept as long as the table
    const views::Field& f = views::field(quantity);
    texts.push_back(std::string(f.caption) + after);
    return {f.captionControl, Kind::Formula, texts.back().c_str(), x, y, w, h};
}
// A block of the diagram, named as its description names its button; every block is 49
// high.
Control block(views::Block which, const char* text, int x, int y, int w) {
    return {views::describe(which).button, Kind::Button, text, x, y, w, 49};
}
constexpr Control label(const char* name, const char* text, int x, int y, int w = 0, int h = 0) {
    return {name, Kind::Label, text, x, y, w, h};
}
constexpr Control formula(const char* name, const char* text, int x, int y, int w, int h) {
    return {name, Kind::Formula, text, x, y, w, h};
}
constexpr Control result(const char* name, int x, int y) {
    return {name, Kind::ResultLabel, "", x, y, kResultLabelSize.width, kResultLabelSize.height};
}
constexpr Control option(const char* name, const char* text, int x, int y, int w, int h) {
    return Control{name, Kind::Option, text, x, y, w, h}.inside("fraCase");
}

// An arrow: the shaft from (x1, y1) to (x2, y2) and an 8 × 8 head at (x2, y2).
void addArrow(std::vector<Segment>& lines, int x1, int y1, int x2, int y2) {
    lines.push_back({x1, y1, x2, y2});
    const int dx = (x2 > x1) - (x2 < x1);
    const int dy = (y2 > y1) - (y2 < y1);
    if (dx != 0) {
        lines.push_back({x2 - 8 * dx, y2 - 8, x2, y2});
        lines.push_back({x2 - 8 * dx, y2 + 8, x2, y2});
    } else {
        lines.push_back({x2 - 8, y2 - 8 * dy, x2, y2});
        lines.push_back({x2 + 8, y2 - 8 * dy, x2, y2});
    }
}

} // namespace

const std::vector<Control>& formControls() {
    static const std::vector<Control> controls = {
        // The scene: the frame with its options and the three scene fields.
        Control{"fraCase", Kind::Frame, VT_NOOP("Veltrum", "Что наблюдаем"), 312, 8, 289, 57},
        option("optBigCel", VT_NOOP("Veltrum", "Протяжен- ная цель"), 8, 16, 81, 33)
            .selectedAtStart(),
        option("optGranica", VT_NOOP("Veltrum", "Граница двух протяженных целей"), 96, 16, 89, 37),
        option("optCel", VT_NOOP("Veltrum", "Малоразмер- ная цель"), 192, 16, 89, 33),
        caption(Quantity::FlightHeight, 640, 8),
        field(Quantity::FlightHeight, "5", 744, 8, 33, 19).disabled(),
        caption(Quantity::TargetArea, 632, 32),
        field(Quantity::TargetArea, "1500", 744, 32, 33, 19).disabled(),
        caption(Quantity::Frequency, 608, 56),
        field(Quantity::Frequency, "20", 744, 56, 33, 19).disabled(),

        // The inputs and the amplifier.
        caption(Quantity::Temperature2, 88, 8).fittedToText(),
        field(Quantity::Temperature2, "100", 120, 24, 33, 19),
        caption(Quantity::Temperature1, 8, 16, 73, 65).wrappedText(),
        field(Quantity::Temperature1, "304", 24, 88, 41, 19),
        formulaCaption(Quantity::Bandwidth, "", 200, 40, 59, 21),
        field(Quantity::Bandwidth, "900", 264, 40, 33, 19),
        caption(Quantity::Gain, 221, 64),
        field(Quantity::Gain, "4", 264, 64, 33, 19),
        formulaCaption(Quantity::GainInstability, "", 184, 88, 79, 18),
        field(Quantity::GainInstability, "0", 264, 88, 33, 19),
        caption(Quantity::ReceiverNoise, 176, 112),
        field(Quantity::ReceiverNoise, "100", 264, 112, 33, 19),

        // The filters, the ADC and the accumulation time.
        caption(Quantity::Cutoff1, 368, 80, 81, 29).wrappedText(),
        field(Quantity::Cutoff1, "9500", 384, 112, 41, 19),
        caption(Quantity::Cutoff2, 552, 80, 81, 29).wrappedText(),
        field(Quantity::Cutoff2, "7000", 568, 112, 41, 19),
        caption(Quantity::WordLength, 640, 96),
        field(Quantity::WordLength, "12", 664, 112, 25, 19),
        caption(Quantity::Accumulation, 712, 80, 80, 29).wrappedText(),
        field(Quantity::Accumulation, "1", 736, 112, 33, 19),

        // The block diagram along y = 160.
        block(views::Block::Antenna, VT_NOOP("Veltrum", "&Антенна"), 8, 136, 81)
            .withFont(FontKind::Block975)
            .on(kLightGrey),
        block(views::Block::NoiseEquivalent, VT_NOOP("Veltrum", "Шумовой &эквивалент"), 96, 48, 89)
            .withFont(FontKind::Block975),
        block(views::Block::Switch, VT_NOOP("Veltrum", "А&П"), 120, 136, 49)
            .withFont(FontKind::Block12),
        block(views::Block::Uhf, VT_NOOP("Veltrum", "&УВЧ"), 208, 136, 57)
            .withFont(FontKind::Block12),
        block(views::Block::Detector, VT_NOOP("Veltrum", "К&ДО"), 296, 136, 49)
            .withFont(FontKind::Block12),
        block(views::Block::Filter1, VT_NOOP("Veltrum", "Фильтр однозвенный"), 368, 136, 81),
        block(views::Block::Capacitor, "~", 480, 136, 41).withFont(FontKind::Symbol),
        block(views::Block::Filter2, VT_NOOP("Veltrum", "Фильтр двухзвенный"), 552, 136, 81),
        block(views::Block::Adc, VT_NOOP("Veltrum", "А&ЦП"), 656, 136, 41),
        block(views::Block::Summator, VT_NOOP("Veltrum", "&Сумматор"), 720, 136, 65),
        block(views::Block::Modulator, VT_NOOP("Veltrum", "&Модулятор"), 392, 208, 89)
            .withFont(FontKind::Block975),
        label("Label7", VT_NOOP("Veltrum", "Fмод=1кГц"), 408, 192),
        formula("Image1", "η=0.9&nbsp;&nbsp;S<sub>a</sub>=2 m<sup>2</sup>", 8, 184, 96, 22),
        label("lblTa2", "Ta2=...", 80, 96, 57, 13),
        label("lblTa1", "Ta1=...", 64, 112, 73, 13),

        // The sampling rate and the side lobes.
        caption(Quantity::SamplingRate, 640, 184),
        Control{views::field(Quantity::SamplingRate).control, Kind::ComboBox, "", 640, 200, 65, 21},
        Control{"chkLepestok", Kind::CheckBox, VT_NOOP("Veltrum", "Учесть боковые лепестки?"), 8,
                208, 113, 25},
        formulaCaption(Quantity::SideLobeFraction, " =", 0, 248, 32, 24),
        field(Quantity::SideLobeFraction, "0,1", 32, 248, 25, 19).disabled(),
        caption(Quantity::SideLobeTemperature, 72, 240, 221, 25).wrappedText(),
        field(Quantity::SideLobeTemperature, "300", 304, 248, 33, 19).disabled(),

        // The result area.
        label("lblname", " ", 56, 272, 0, kTitleHeight)
            .fittedToText()
            .withFont(FontKind::Title)
            .coloured(kRed)
            .on(kLightGrey),
        Control{"PicRes", Kind::Picture, "", 16, 296, kPictureSize.width, kPictureSize.height},
        label("lblRmax", "", 0, 0, 32, 13).inside("PicRes").on(kWhite).fittedToText(),
        label("Label4", VT_NOOP("Veltrum", "  Потенциальная чувствительность"), 560, 240)
            .coloured(kBlue),
        result("lblmo1", 744, 240),
        label("Label5", VT_NOOP("Veltrum", " Реальная чувствительность"), 592, 272)
            .coloured(kBlue)
            .on(kLightGrey),
        result("lblmo", 744, 272),
        label("Label19", VT_NOOP("Veltrum", "Разность яркостных температур"), 680, 304, 105, 33)
            .coloured(kRed)
            .centredText(),
        result("lblEnterT", 712, 336),
        label("Label15", VT_NOOP("Veltrum", "Разность антенных температур"), 680, 360, 105, 33)
            .coloured(kRed)
            .centredText(),
        result("lblEnter", 712, 392),
        label("Label10", VT_NOOP("Veltrum", "Измеренная разность антенных температур"), 680, 416,
              105, 41)
            .coloured(kRed)
            .on(kLightGrey)
            .centredText(),
        result("lblexit", 712, 464),
        Control{"cmdExit", Kind::Button, VT_NOOP("Veltrum", "&Выход"), 696, 496, 73, 49},
    };
    return controls;
}

const std::vector<const char*>& tabOrder() {
    static const std::vector<const char*> order = [] {
        // The fields left to right and top to bottom...
        std::vector<const char*> names = {
            "txtT1",   "txtT2",     "txtdeltaf",   "txtKp",    "txtdeltaKp",
            "txtTprm", "optBigCel", "optGranica",  "optCel",   "txtVisota",
            "txtScel", "txtF",      "txtF11",      "txtF22",   "txtn",
            "txtTint", "cboFd",     "chkLepestok", "txtBetta", "txtTbokov",
        };
        // ...then the blocks in the order of their description, the picture below them
        // (its menu opens from the keyboard), then the exit.
        for (const views::BlockDescription& block : views::blockDescriptions())
            names.push_back(block.button);
        names.push_back("PicRes");
        names.push_back("cmdExit");
        return names;
    }();
    return order;
}

const std::vector<Segment>& diagramLines() {
    static const std::vector<Segment> lines = [] {
        std::vector<Segment> l;
        // Along the chain at y = 160.
        addArrow(l, 88, 160, 120, 160);  // antenna → switch
        addArrow(l, 168, 160, 208, 160); // switch → amplifier
        addArrow(l, 264, 160, 296, 160); // amplifier → detector
        addArrow(l, 344, 160, 368, 160); // detector → filter 1
        addArrow(l, 448, 160, 480, 160); // filter 1 → capacitor
        addArrow(l, 520, 160, 552, 160); // capacitor → filter 2
        addArrow(l, 632, 160, 656, 160); // filter 2 → ADC
        addArrow(l, 696, 160, 720, 160); // ADC → summator
        // Noise equivalent → switch, downward.
        addArrow(l, 144, 96, 144, 136);
        // Modulator → switch and modulator → summator, along y = 232 and up.
        l.push_back({392, 232, 144, 232});
        addArrow(l, 144, 232, 144, 184);
        l.push_back({481, 232, 752, 232});
        addArrow(l, 752, 232, 752, 184);
        // The antenna: a stem with two slanted arms, and its blue waves.
        l.push_back({48, 136, 48, 120});
        l.push_back({48, 120, 32, 112});
        l.push_back({48, 120, 64, 112});
        l.push_back({80, 112, 128, 112, kAntennaBlue});
        l.push_back({136, 120, 112, 112, kAntennaBlue});
        l.push_back({64, 128, 120, 128, kAntennaBlue});
        l.push_back({104, 152, 96, 128, kAntennaBlue});
        return l;
    }();
    return lines;
}

const char* resultLabel(model::Result result) {
    switch (result) {
    case model::Result::ta1:
        return "lblTa1";
    case model::Result::ta2:
        return "lblTa2";
    case model::Result::realSensitivity:
        return "lblmo";
    case model::Result::potentialSensitivity:
        return "lblmo1";
    case model::Result::brightnessDifference:
        return "lblEnterT";
    case model::Result::antennaDifference:
        return "lblEnter";
    case model::Result::measuredDifference:
        return "lblexit";
    }
    return "";
}

FontChoice fontChoice(FontKind kind) {
    // The sans-serif family of the desktop; Arial's metric twins where they exist.
    const std::vector<std::string> sans = {"Arial", "Liberation Sans", "Nimbus Sans", "Helvetica",
                                           "DejaVu Sans"};
    switch (kind) {
    case FontKind::Window:
        return {sans, 8.25, false};
    case FontKind::Block975:
        return {sans, 9.75, false};
    case FontKind::Block12:
        return {sans, 12, false};
    case FontKind::Symbol:
        return {{"Symbol", "Standard Symbols PS", "OpenSymbol", "DejaVu Sans"}, 20.25, true};
    case FontKind::Title:
        return {sans, 13.5, false};
    }
    return {sans, 8.25, false};
}

const Control* findControl(const std::string& name) {
    for (const Control& control : formControls())
        if (name == control.name)
            return &control;
    return nullptr;
}

std::string controlText(const std::string& name) {
    const Control* control = findControl(name);
    return control ? control->text : std::string();
}

std::string controlCaption(const std::string& name) {
    return i18n::tr(controlText(name).c_str());
}

std::string samplingRateLabel(int index) {
    const auto& rates = views::samplingRates();
    return index >= 0 && index < static_cast<int>(rates.size()) ? i18n::tr(rates[index].name)
                                                                : std::string();
}

std::vector<std::string> samplingRateItems() {
    std::vector<std::string> items;
    for (const views::SamplingRate& rate : views::samplingRates())
        items.emplace_back(rate.name);
    return items;
}

int startSamplingRateItem() {
    return views::kStartSamplingRate;
}

const char* unsetResultText(model::Result result) {
    switch (result) {
    case model::Result::ta1:
        return "Ta1=...";
    case model::Result::ta2:
        return "Ta2=...";
    default:
        return "";
    }
}

const char* resultCaptionControl(model::Result result) {
    switch (result) {
    case model::Result::realSensitivity:
        return "Label5";
    case model::Result::potentialSensitivity:
        return "Label4";
    case model::Result::brightnessDifference:
        return "Label19";
    case model::Result::antennaDifference:
        return "Label15";
    case model::Result::measuredDifference:
        return "Label10";
    default:
        return nullptr;
    }
}

namespace {
constexpr ColourRow kColourRows[kColourCount] = {
    {"mnuRed", VT_NOOP("Veltrum", "Красный"), 255, 0, 0},
    {"mnuYellow", VT_NOOP("Veltrum", "Желтый"), 255, 255, 0},
    {"mnuGreen", VT_NOOP("Veltrum", "Зеленый"), 0, 255, 0},
    {"mnuBlue", VT_NOOP("Veltrum", "Синий"), 0, 0, 255},
    {"mnuGreenBlue", VT_NOOP("Veltrum", "Голубой"), 0, 255, 255},
    {"mnuRedBlue", VT_NOOP("Veltrum", "Сиреневый"), 255, 0, 255},
    {"mnuBlack", VT_NOOP("Veltrum", "Черный"), 0, 0, 0},
};
} // namespace

const ColourRow* colourRows() {
    return kColourRows;
}

MenuText graphicsMenu() {
    return {"mnuGraph", VT_NOOP("Veltrum", "&Графика")};
}

MenuText objectMenu(int object) {
    return object == 0 ? MenuText{"mnuObject1", VT_NOOP("Veltrum", "Первый объект")}
                       : MenuText{"mnuObject2", VT_NOOP("Veltrum", "Второй объект")};
}

std::string colourItemName(int object, int row) {
    return std::string(kColourRows[row].name) + std::to_string(object + 1);
}

std::optional<ColourItem> colourItemOf(std::string_view name) {
    for (int object = 0; object < 2; ++object)
        for (int row = 0; row < kColourCount; ++row)
            if (name == colourItemName(object, row))
                return ColourItem{object, row};
    return std::nullopt;
}

int startColourRow(int object) {
    return object == 0 ? 4 : 1; // light blue, yellow
}

const std::vector<int>& colourMarkOrder() {
    static const std::vector<int> order = {6, 3, 2, 4, 0, 5, 1};
    return order;
}

const char* windowCaption() {
    return "Veltrum";
}

std::string clockCaption(int hours, int minutes, int seconds) {
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", hours, minutes, seconds);
    return std::string(windowCaption()) + "  " + clock;
}

} // namespace front
