// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's tables beside its behaviour: the tools of the picture's context menu, the
// labels a press writes, the blocks by their buttons, and the name a save writes to.

#include "front/Report.h"
#include "front/Setup.h"
#include "front/Texts.h"
#include "front/Window.h"
#include "i18n/Translate.h"

namespace front {

const std::vector<Tool>& pictureTools() {
    namespace t = texts;
    static const std::vector<Tool> tools = {
        {"actCopyPicture", t::kCopyPicture, "Ctrl+C", false, true, true},
        {"actSavePicture", t::kSavePicture, "Ctrl+S", false, true, true},
        {"actSaveData", t::kSaveData, "Ctrl+Shift+S", false, true, true},
        {"actSensitivity", t::kExperiment, "Ctrl+E", true, true, true},
        {"actOpenSetup", setup_texts::kOpenSetup, "Ctrl+O", false, true, true},
        {"actSaveSetup", setup_texts::kSaveSetup, "Ctrl+Alt+S", false, true, true},
        {"actCopySetupLink", setup_texts::kCopySetupLink, "Ctrl+Alt+C", false, false, true},
        {"actReport", report_texts::kReport, "Ctrl+P", false, true, true},
        {"actPrintReport", report_texts::kPrintReport, "Ctrl+Shift+P", false, true, false},
        {"actValueTable", t::kValueTable, "Ctrl+T", true, true, true},
        {"actListen", t::kListen, "Ctrl+Alt+L", false, false, true},
        {"actHighContrast", t::kHighContrast, "Ctrl+Alt+H", false, true, true, true},
        {"actCourseModel", t::kCourseModel, "", false, true, true, true, "mnuReceiver"},
        {"actCalibratedModel", t::kCalibratedModel, "", false, true, true, true, "mnuReceiver"},
        {"actTotalPower", t::kTotalPower, "", false, true, true, true, "mnuReceiver"},
        {"actHelp", t::kHelp, "F1", false, true, true},
    };
    return tools;
}

const std::vector<ToolSubmenu>& toolSubmenus() {
    static const std::vector<ToolSubmenu> submenus = {{"mnuReceiver", texts::kReceiverMenu}};
    return submenus;
}

const Tool* findTool(const std::string& name) {
    for (const Tool& tool : pictureTools())
        if (name == tool.name)
            return &tool;
    return nullptr;
}

std::string toolCaption(const Tool& tool) {
    return i18n::tr(tool.caption) + (tool.opensWindow ? "…" : "");
}

const std::vector<std::string>& windowLabelNames() {
    static const std::vector<std::string> names = {"lblname",   "lblTa1",   "lblTa2",
                                                   "lblmo",     "lblmo1",   "lblexit",
                                                   "lblEnterT", "lblEnter", "lblRmax"};
    return names;
}

std::optional<views::Block> blockOfButton(const std::string& button) {
    for (const views::BlockDescription& description : views::blockDescriptions())
        if (button == description.button)
            return description.block;
    return std::nullopt;
}

std::string savedFileName(const std::string& chosen, const std::string& filter,
                          const std::string& suffix) {
    const auto lower = [](std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return text;
    };
    const std::size_t slash = chosen.find_last_of("/\\");
    const std::string base = chosen.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::size_t dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        const std::string written = lower(base.substr(dot + 1));
        for (std::size_t at = filter.find("*."); at != std::string::npos;
             at = filter.find("*.", at + 2)) {
            const std::size_t end = filter.find_first_of(" ;)", at + 2);
            if (lower(filter.substr(at + 2, end - at - 2)) == written)
                return chosen;
        }
    }
    return chosen + "." + suffix;
}

} // namespace front
