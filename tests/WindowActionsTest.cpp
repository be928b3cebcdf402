// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared sequence of actions through the window's core: typing, options, the side-lobe
// box refused and accepted, a colour, the list, presses that succeed and fail, a setup
// opened and one refused; after each, every control that differs from the start, the box,
// the focus and the picture. The desktop window and the page replay the same file.
// VELTRUM_WRITE_GOLDEN=1 writes the expectations instead.

#include "ActionSequence.h"
#include "front/Drawing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace {

using front::json::Value;

std::string shown(const front::ControlState& state) {
    return actions::stateText(state.text, state.enabled, state.checked, state.index);
}

// One step applied to the window; its expectation as JSON members.
std::string replay(front::Window& window, const std::map<std::string, std::string>& start,
                   const Value& action) {
    const std::string& verb = action.items.at(0).text;
    const std::string& name = action.items.at(1).text;
    front::Changes changes;
    if (verb == "type")
        changes = window.type(name, action.items.at(2).text);
    else if (verb == "check")
        changes = window.setChecked(name, action.items.at(2).boolean);
    else if (verb == "click")
        changes = window.click(name);
    else if (verb == "choose")
        changes = window.choose(name, std::stoi(action.items.at(2).text));
    else if (verb == "press")
        changes = window.press(name);
    else if (verb == "open")
        changes = window.openSetup(name, action.items.at(2).text);
    else
        ADD_FAILURE() << "an unknown action " << verb;
    std::string out = "\"shown\": {";
    bool first = true;
    for (const std::string& control : actions::comparedControls()) {
        const std::string now = shown(window.control(control));
        if (now == start.at(control))
            continue;
        out += std::string(first ? "" : ", ") + front::json::quote(control) + ": " + now;
        first = false;
    }
    out += "}";
    if (changes.box)
        out += ", \"box\": [" +
               front::json::quote(changes.box->icon == front::MessageBox::Icon::Warning
                                      ? "warning"
                                      : "information") +
               ", " + front::json::quote(changes.box->title) + ", " +
               front::json::quote(changes.box->text) + "]";
    out += ", \"focus\": " + front::json::quote(changes.focus);
    if (!window.picture().calls().empty())
        out += ", \"digest\": \"" +
               front::digestText(front::digest(front::pack(window.picture()))) + "\"";
    return out;
}

TEST(WindowActions, TheCoreShowsWhatTheSequenceExpects) {
    const std::string text = actions::readFile(actions::kFile);
    const std::optional<Value> file = front::json::parse(text);
    ASSERT_TRUE(file) << actions::kFile;
    front::Window window;
    std::map<std::string, std::string> start;
    for (const std::string& control : actions::comparedControls())
        start[control] = shown(window.control(control));
    std::string written =
        "{\n \"comment\": " + front::json::quote(file->find("comment")->text) + ",\n \"start\": {";
    bool first = true;
    for (const std::string& control : actions::comparedControls()) {
        written += std::string(first ? "" : ",") + "\n  " + front::json::quote(control) + ": " +
                   start[control];
        first = false;
    }
    written += "\n },\n \"steps\": [";
    const std::vector<Value>& steps = file->find("steps")->items;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const Value& action = *steps[k].find("do");
        std::string line = "[";
        for (std::size_t a = 0; a < action.items.size(); ++a) {
            const Value& item = action.items[a];
            line += std::string(a ? ", " : "") +
                    (item.is(Value::Type::String)    ? front::json::quote(item.text)
                     : item.is(Value::Type::Boolean) ? (item.boolean ? "true" : "false")
                                                     : item.text);
        }
        written += std::string(k ? "," : "") + "\n  {\"do\": " + line + "], " +
                   replay(window, start, action) + "}";
    }
    written += "\n ]\n}\n";
    if (std::getenv("VELTRUM_WRITE_GOLDEN")) {
        std::ofstream(actions::kFile, std::ios::binary) << written;
        GTEST_SKIP() << "expectations written to " << actions::kFile;
    }
    EXPECT_EQ(written, text);
}

} // namespace

namespace {

// A saved file keeps a name that already ends in an extension its dialog lists.
TEST(WindowFiles, ASavedNameKeepsAnExtensionTheFilterLists) {
    const std::string setups = "Установка Veltrum (*.veltrum *.json)";
    const struct {
        const char* chosen;
        const std::string& filter;
        const char* suffix;
        const char* written;
    } cases[] = {
        {"вариант.json", setups, "veltrum", "вариант.json"},
        {"вариант.veltrum", setups, "veltrum", "вариант.veltrum"},
        {"/home/s/ВАРИАНТ.JSON", setups, "veltrum", "/home/s/ВАРИАНТ.JSON"},
        {"вариант", setups, "veltrum", "вариант.veltrum"},
        {"вариант.txt", setups, "veltrum", "вариант.txt.veltrum"},
        {"/tmp/a.json/b", setups, "veltrum", "/tmp/a.json/b.veltrum"},
        {".json", setups, "veltrum", ".json.veltrum"},
        {"рисунок.png", "Рисунок PNG (*.png)", "png", "рисунок.png"},
        {"рисунок.jpeg", "Рисунок PNG (*.png)", "png", "рисунок.jpeg.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(front::savedFileName(c.chosen, c.filter, c.suffix), c.written) << c.chosen;
}

} // namespace
