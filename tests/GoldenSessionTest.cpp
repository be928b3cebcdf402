// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The golden presses of tests/golden/presses.json through the window's core, as the
// desktop and the page both drive it: a fixed sequence of typing and clicks from a fresh
// start, and after every press the window's texts and the digest of its picture, to the
// last bit. The browser's test replays the same file through the page.
//
// VELTRUM_WRITE_GOLDEN=1 writes the expectations of the sequence into the file instead
// (after a deliberate change of what a press shows).

#include "front/ControlTable.h"
#include "front/Drawing.h"
#include "front/Json.h"
#include "front/Window.h"
#include "views/Fields.h"
#include "views/Scenes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using front::json::Value;

const std::string kGoldenFile = std::string(VELTRUM_GOLDEN_DIR) + "/presses.json";

// The steps of the file applied to the window without widgets.
class GoldenWindow {
public:
    // Applies one step; for a press, what the window shows afterwards (as JSON members).
    std::string apply(const Value& step) {
        if (const Value* typed = step.find("type"))
            for (const auto& [control, text] : typed->members)
                window_.type(control, text.text);
        if (const Value* rate = step.find("rate"))
            window_.choose("cboFd", std::stoi(rate->text));
        if (const Value* option = step.find("option"))
            window_.setChecked(option->text, true);
        if (const Value* colour = step.find("colour"))
            window_.click(colour->text);
        if (const Value* ticked = step.find("sideLobes")) {
            EXPECT_FALSE(window_.setChecked("chkLepestok", ticked->boolean).box);
        }
        if (const Value* button = step.find("press"))
            return press(button->text);
        return {};
    }

private:
    std::string press(const std::string& button) {
        const front::Changes pressed = window_.press(button);
        if (pressed.refused()) {
            return "\"warning\": {\"title\": " + front::json::quote(pressed.box->title) +
                   ", \"text\": " + front::json::quote(pressed.box->text) +
                   ", \"focus\": " + front::json::quote(pressed.focus) + "}";
        }
        EXPECT_TRUE(pressed.picture);
        const front::PackedDrawing drawing = front::pack(window_.picture());
        std::string shown = "\"window\": {";
        for (const std::string& label : front::windowLabelNames())
            shown += std::string(label == "lblname" ? "" : ", ") + front::json::quote(label) +
                     ": " + front::json::quote(window_.control(label).text);
        return shown + "}, \"beamFilled\": " + (pressed.box ? "true" : "false") +
               ", \"drawing\": {\"calls\": " + std::to_string(drawing.size()) + ", \"digest\": \"" +
               front::digestText(front::digest(drawing)) + "\"}";
    }

    front::Window window_;
};

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The members of a step's object written back as JSON, for the expectation's comparison.
std::string membersOf(const Value& step) {
    std::string out;
    for (const auto& [key, value] : step.members) {
        if (key == "press" || key == "type" || key == "rate" || key == "option" ||
            key == "colour" || key == "sideLobes")
            continue;
        out += (out.empty() ? "" : ", ") + front::json::quote(key) + ": ";
        if (key == "beamFilled") {
            out += value.boolean ? "true" : "false";
            continue;
        }
        out += "{";
        for (std::size_t k = 0; k < value.members.size(); ++k) {
            const auto& [name, inner] = value.members[k];
            out += (k ? ", " : "") + front::json::quote(name) + ": ";
            if (inner.is(Value::Type::String)) {
                out += front::json::quote(inner.text);
            } else if (inner.is(Value::Type::Number)) {
                out += inner.text;
            } else {
                out += "{";
                for (std::size_t m = 0; m < inner.members.size(); ++m)
                    out += (m ? ", " : "") + front::json::quote(inner.members[m].first) + ": " +
                           front::json::quote(inner.members[m].second.text);
                out += "}";
            }
        }
        out += "}";
    }
    return out;
}

TEST(GoldenSession, TheGoldenPressesAsTheCoreShowsThem) {
    front::json::ParseError error;
    const std::optional<Value> golden = front::json::parse(readFile(kGoldenFile), &error);
    ASSERT_TRUE(golden) << error.what << " at " << error.offset;
    const Value* steps = golden->find("steps");
    ASSERT_TRUE(steps && steps->is(Value::Type::Array));
    const bool write = std::getenv("VELTRUM_WRITE_GOLDEN") != nullptr;

    GoldenWindow window;
    std::string rewritten = "{\n  \"about\": " + front::json::quote(golden->find("about")->text) +
                            ",\n  \"separator\": \",\",\n  \"steps\": [\n";
    int presses = 0;
    for (std::size_t k = 0; k < steps->items.size(); ++k) {
        const Value& step = steps->items[k];
        SCOPED_TRACE("step " + std::to_string(k + 1));
        const std::string shown = window.apply(step);
        std::string line;
        for (const auto& [key, value] : step.members) {
            if (key != "press" && key != "type" && key != "rate" && key != "option" &&
                key != "colour" && key != "sideLobes")
                continue;
            line += (line.empty() ? "" : ", ") + front::json::quote(key) + ": ";
            if (value.is(Value::Type::Object)) {
                line += "{";
                for (std::size_t m = 0; m < value.members.size(); ++m)
                    line += (m ? ", " : "") + front::json::quote(value.members[m].first) + ": " +
                            front::json::quote(value.members[m].second.text);
                line += "}";
            } else if (value.is(Value::Type::String)) {
                line += front::json::quote(value.text);
            } else if (value.is(Value::Type::Boolean)) {
                line += value.boolean ? "true" : "false";
            } else {
                line += value.text;
            }
        }
        if (step.find("press")) {
            ++presses;
            if (!write) {
                EXPECT_EQ(membersOf(step), shown);
            }
            line += ",\n     " + shown;
        }
        rewritten += "    {" + line + "}" + (k + 1 < steps->items.size() ? ",\n" : "\n");
    }
    rewritten += "  ]\n}\n";
    EXPECT_GE(presses, 20);
    if (write) {
        std::ofstream(kGoldenFile, std::ios::binary) << rewritten;
        std::cout << "wrote " << kGoldenFile << "\n";
    }
}

} // namespace
