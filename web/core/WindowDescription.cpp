// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page is built from, in the user's language: the control table, the drawn
// diagram, the menu, the tools, the lists, the experiment's settings, the texts of its
// boxes; and the choice of that language among those built into the page.

#include "front/Accessibility.h"
#include "front/ControlTable.h"
#include "front/Languages.h"
#include "front/Setup.h"
#include "front/Texts.h"
#include "model/Numbers.h"
#include "views/Blocks.h"
#include "views/ExperimentChart.h"
#include "views/Fields.h"
#include "views/Messages.h"
#include "views/Scenes.h"
#include "web/core/PageTypes.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string_view>

namespace page {

namespace {

const char* kindName(front::Kind kind) {
    switch (kind) {
    case front::Kind::Field:
        return "lineedit";
    case front::Kind::Label:
        return "label";
    case front::Kind::Formula:
        return "formula";
    case front::Kind::ResultLabel:
        return "result";
    case front::Kind::Button:
        return "button";
    case front::Kind::Frame:
        return "group";
    case front::Kind::Option:
        return "radio";
    case front::Kind::CheckBox:
        return "check";
    case front::Kind::ComboBox:
        return "combo";
    case front::Kind::Picture:
        return "widget";
    }
    return "widget";
}

Font fontOf(front::FontKind kind) {
    const front::FontChoice choice = front::fontChoice(kind);
    return {arrayOf(choice.families), choice.pointSize, choice.symbol};
}

// The label that captions each field, list and result, by the control it captions.
std::map<std::string, std::string> captions() {
    std::map<std::string, std::string> out;
    for (const views::Field& field : views::fields())
        if (field.captionControl)
            out[field.captionControl] = field.control;
    for (const model::Result result : model::kResults)
        if (const char* caption = front::resultCaptionControl(result))
            out[caption] = front::resultLabel(result);
    return out;
}

// The controls in the order the page makes its elements, which is the order of its Tab key
// (the page gives no element a Tab index of its own) and of its one column on a narrow
// screen: the window's Tab order, each control after its container and after the label
// that captions it, the picture after the diagram's labels, the temperatures and its
// title; then the rest in the table's order (the results with their captions); the exit
// last.
std::vector<const front::Control*> pageOrder() {
    std::map<std::string, std::string> captionOf;
    for (const auto& [caption, control] : captions())
        captionOf[control] = caption;
    std::vector<const front::Control*> order;
    std::set<std::string> placed;
    std::function<void(const std::string&)> place = [&](const std::string& name) {
        const front::Control* control = front::findControl(name);
        if (!control || placed.count(name))
            return;
        if (control->parent)
            place(control->parent);
        const auto caption = captionOf.find(name);
        if (caption != captionOf.end() && !placed.count(caption->second)) {
            placed.insert(caption->second);
            order.push_back(front::findControl(caption->second));
        }
        placed.insert(name);
        order.push_back(control);
    };
    const std::map<std::string, std::string> captioned = captions();
    const std::string exit = front::tabOrder().back();
    for (const char* name : front::tabOrder()) {
        if (name == exit)
            continue;
        // The picture after the labels the table has before it, its title last.
        const front::Control* control = front::findControl(name);
        if (control && control->kind == front::Kind::Picture)
            for (const front::Control& before : front::formControls()) {
                if (&before == control)
                    break;
                if ((before.kind == front::Kind::Label || before.kind == front::Kind::Formula) &&
                    !captioned.count(before.name))
                    place(before.name);
            }
        place(name);
    }
    for (const front::Control& control : front::formControls())
        if (control.name != exit && !captioned.count(control.name))
            place(control.name);
    place(exit);
    return order;
}

// The controls with the texts, names and states the window starts with, in the page's
// order, with their colours in either look.
std::vector<Control> controls(const front::Window& window) {
    const std::map<std::string, std::string> captioned = captions();
    std::vector<Control> out;
    for (const front::Control* control : pageOrder()) {
        const front::ControlState& state = window.control(control->name);
        const auto caption = captioned.find(control->name);
        const front::ControlColours contrast = front::controlColours(*control, true);
        out.push_back({control->name,
                       kindName(control->kind),
                       state.text,
                       control->parent ? control->parent : "",
                       state.toolTip,
                       control->x,
                       control->y,
                       control->width,
                       control->height,
                       fontOf(control->font),
                       control->foreground,
                       control->background,
                       control->centred,
                       control->wrapped,
                       state.enabled,
                       state.checked,
                       caption == captioned.end() ? "" : caption->second,
                       state.accessibleName,
                       state.description,
                       contrast.foreground,
                       contrast.background});
    }
    return out;
}

Menu menu() {
    std::vector<Submenu> objects;
    for (int object = 0; object < 2; ++object) {
        std::vector<ColourItem> items;
        for (int row = 0; row < front::kColourCount; ++row) {
            const front::ColourRow& colour = front::colourRows()[row];
            items.push_back({front::colourItemName(object, row), i18n::tr(colour.caption),
                             colour.red, colour.green, colour.blue});
        }
        const front::MenuText submenu = front::objectMenu(object);
        objects.push_back({submenu.name, i18n::tr(submenu.caption), front::startColourRow(object),
                           arrayOf(items)});
    }
    const front::MenuText graphics = front::graphicsMenu();
    return {graphics.name, i18n::tr(graphics.caption), arrayOf(objects)};
}

ExperimentSettings experiment() {
    std::vector<std::string> labels;
    for (const double largest : views::largestTimes())
        labels.push_back(model::formatNumber(largest, ','));
    std::vector<int> colours;
    for (int run = 1; run <= 8; ++run)
        colours.push_back(static_cast<int>(views::runColour(run)));
    return {arrayOf(views::sensitivityColumns()),
            arrayOf(labels),
            arrayOf(views::largestTimes()),
            views::kDefaultLargestTime,
            views::kFewestPresses,
            views::kMostPresses,
            views::kDefaultPresses,
            arrayOf(colours),
            arrayOf(views::experimentNames())};
}

// The texts of the page's boxes, tools and panels, by the names the page uses.
val texts() {
    namespace t = front::texts;
    namespace st = front::setup_texts;
    const std::pair<const char*, const char*> named[] = {
        {"progressTitle", t::kProgressTitle},
        {"progressText", t::kProgressText},
        {"cancel", t::kCancel},
        {"exitPage", t::kExitPage},
        {"copyFailedTitle", t::kCopyFailedTitle},
        {"copyFailedText", t::kCopyFailedText},
        {"experiment", t::kExperiment},
        {"pictureFile", t::kPictureFile},
        {"dataFile", t::kDataFile},
        {"largestTime", t::kLargestTime},
        {"pressesPerTime", t::kPressesPerTime},
        {"start", t::kStart},
        {"stop", t::kStop},
        {"clear", t::kClear},
        {"saveChart", t::kSaveChart},
        {"saveTable", t::kSaveTable},
        {"chartTitle", t::kChartTitle},
        {"sensitivityAxis", t::kSensitivityAxis},
        {"chartFile", t::kChartFile},
        {"tableFile", t::kTableFile},
        {"copySetupLink", st::kCopySetupLink},
        {"setupLinkCopied", st::kSetupLinkCopied},
        {"setupLinkShown", st::kSetupLinkShown},
        {"setupFromAddress", st::kSetupFromAddress},
        {"helpTitle", t::kHelpTitle},
        {"language", t::kLanguage},
        {"toolsButton", t::kToolsButton},
        {"close", t::kClose},
        {"experimentKind", t::kExperimentKind},
        {"highContrast", t::kHighContrast},
        {"pageHeading", t::kPageHeading},
        {"valueTable", t::kValueTable},
        {"valueTableTitle", t::kValueTableTitle},
        {"listen", t::kListen},
    };
    val out = val::object();
    for (const auto& [key, value] : named)
        out.set(key, i18n::tr(value));
    return out;
}

DrawingKinds drawingKinds() {
    using Kind = canvas::RecordingCanvas::Kind;
    return {static_cast<int>(Kind::Clear), static_cast<int>(Kind::Scale),
            static_cast<int>(Kind::Line), static_cast<int>(Kind::LineTo),
            static_cast<int>(Kind::Position)};
}

} // namespace

val windowDescription() {
    const front::Window window; // the texts and states at start
    std::vector<Line> lines;
    for (const front::Segment& segment : front::diagramLines())
        lines.push_back({segment.x1, segment.y1, segment.x2, segment.y2, segment.colour});
    std::vector<std::string> rates;
    for (int item = 0; item < static_cast<int>(front::samplingRateItems().size()); ++item)
        rates.push_back(front::samplingRateLabel(item));
    std::vector<std::string> tabOrder;
    for (const char* name : front::tabOrder())
        tabOrder.push_back(name);
    std::vector<Tool> tools;
    for (const front::Tool& tool : front::pictureTools())
        if (tool.page)
            tools.push_back({tool.name, front::toolCaption(tool), tool.shortcut,
                             window.control(tool.name).enabled, tool.checkable,
                             window.control(tool.name).checked, tool.submenu ? tool.submenu : ""});
    std::vector<ToolSubmenu> submenus;
    for (const front::ToolSubmenu& submenu : front::toolSubmenus())
        submenus.push_back({submenu.name, window.control(submenu.name).text});
    const front::Rect shape = front::kShape1;
    return val(
        Description{arrayOf(controls(window)),
                    arrayOf(tabOrder),
                    arrayOf(lines),
                    arrayOf(rates),
                    arrayOf(tools),
                    arrayOf(submenus),
                    menu(),
                    experiment(),
                    drawingKinds(),
                    Parts{front::kTextPart, front::kToolTipPart, front::kEnabledPart,
                          front::kCheckedPart, front::kIndexPart, front::kAccessiblePart},
                    SetupFiles{i18n::tr(front::setup_texts::kSetupFile), front::kSetupMimeType,
                               std::string(".") + front::kSetupSuffix + ",.json,application/json",
                               static_cast<int>(front::kLargestSetupFile)},
                    fontOf(front::FontKind::Window),
                    Rect{shape.x, shape.y, shape.width, shape.height},
                    front::kClientSize.width,
                    front::kClientSize.height,
                    front::kPictureSize.width,
                    front::kPictureSize.height,
                    front::startSamplingRateItem(),
                    front::kLongPressMs,
                    window.highContrast(),
                    front::kLightGrey,
                    front::kWindowForeground,
                    front::kDisabledField,
                    front::kEnabledField,
                    window.caption(),
                    i18n::language(),
                    front::kSourceLanguage,
                    VELTRUM_VERSION,
                    texts()});
}

// The page's language: the one its address asks for (#lang=), else the one the page
// remembered, among Russian and the catalogues built into the page ({code: {context:
// {source: translation}}}, exported from the .ts files); its catalogue then serves every
// text the core gives. The answer names the language chosen, why one asked for is not
// there, and every language with its own name.
val useLanguage(val option, val remembered, val catalogues) {
    using Table = std::map<std::pair<std::string, std::string>, std::string>;
    const auto keys = [](const val& object) {
        return emscripten::vecFromJSArray<std::string>(
            val::global("Object").call<val>("keys", object));
    };
    std::map<std::string, std::shared_ptr<Table>> tables;
    std::vector<std::string> available = {front::kSourceLanguage};
    for (const std::string& code : keys(catalogues)) {
        auto table = std::make_shared<Table>();
        const val contexts = catalogues[code];
        for (const std::string& context : keys(contexts))
            for (const std::string& source : keys(contexts[context]))
                (*table)[{context, source}] = contexts[context][source].as<std::string>();
        tables[code] = table;
        available.push_back(code);
    }
    const auto given = [](const val& typed) -> std::optional<std::string> {
        if (typed.isString())
            return typed.as<std::string>();
        return std::nullopt;
    };
    const front::LanguageChoice choice =
        front::chooseLanguage({given(option), std::nullopt, given(remembered)}, available);
    const auto lookup = [](const std::shared_ptr<Table>& table, const char* context,
                           const char* source) {
        const auto found = table->find({context, source});
        return found == table->end() ? std::string(source) : found->second;
    };
    val names = val::array();
    for (std::size_t k = 0; k < available.size(); ++k) {
        val entry = val::object();
        entry.set("code", available[k]);
        entry.set("name", k == 0 ? std::string(front::kLanguageName)
                                 : lookup(tables[available[k]], "Veltrum", front::kLanguageName));
        names.call<void>("push", entry);
    }
    if (choice.code == front::kSourceLanguage) {
        i18n::setTranslator({});
    } else {
        const std::shared_ptr<Table> table = tables[choice.code];
        i18n::setTranslator([table, lookup](const char* context, const char* source) {
            return lookup(table, context, source);
        });
    }
    i18n::setLanguage(choice.code);
    val out = val::object();
    out.set("code", choice.code);
    out.set("problem", choice.problem);
    out.set("languages", names);
    return out;
}

} // namespace page
