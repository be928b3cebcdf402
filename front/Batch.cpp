// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Batch.h"

#include "front/Json.h"
#include "front/Window.h"
#include "i18n/Translate.h"
#include "views/Fields.h"
#include "views/PlotExport.h"

namespace front {

namespace {

// The labels a line gives, after the title.
std::vector<std::string> readingLabels() {
    std::vector<std::string> names = windowLabelNames();
    names.erase(names.begin()); // lblname is the title
    return names;
}

std::string jsonLine(const std::string& button, const Window& window) {
    std::string line = "{\"press\": " + json::quote(button) +
                       ", \"title\": " + json::quote(window.control("lblname").text) +
                       ", \"labels\": {";
    bool first = true;
    for (const std::string& name : readingLabels()) {
        line += std::string(first ? "" : ", ") + json::quote(name) + ": " +
                json::quote(window.control(name).text);
        first = false;
    }
    return line + "}}";
}

} // namespace

std::vector<std::string> batchButtons() {
    std::vector<std::string> names;
    for (const views::BlockDescription& description : views::blockDescriptions())
        names.emplace_back(description.button);
    return names;
}

int runBatch(const BatchRequest& request, std::ostream& out, std::ostream& errors) {
    for (const std::string& button : request.presses) {
        if (!blockOfButton(button)) {
            std::string known;
            for (const std::string& name : batchButtons())
                known += (known.empty() ? "" : ", ") + name;
            errors << i18n::arg(
                          i18n::translate("Veltrum", "Неизвестная кнопка %1; кнопки блоков: %2."),
                          {views::quoted(button), known})
                   << '\n';
            return 2;
        }
    }
    Window window(request.decimalSeparator);
    if (const Changes opened = window.openSetup(request.setup); opened.refused()) {
        errors << opened.box->text << '\n';
        return 2;
    }
    if (request.format == BatchFormat::Csv) {
        std::vector<std::string> header = {"press", "title"};
        for (const std::string& name : readingLabels())
            header.push_back(name);
        out << views::kCsvByteOrderMark << views::csvTextRow(header, request.decimalSeparator);
    }
    for (const std::string& button : request.presses) {
        if (const Changes pressed = window.press(button); pressed.refused()) {
            out.flush();
            errors << pressed.box->text << '\n';
            return 2;
        }
        if (request.format == BatchFormat::Json) {
            out << jsonLine(button, window) << '\n';
        } else {
            std::vector<std::string> cells = {button, window.control("lblname").text};
            for (const std::string& name : readingLabels())
                cells.push_back(window.control(name).text);
            out << views::csvTextRow(cells, request.decimalSeparator);
        }
    }
    out.flush();
    return 0;
}

} // namespace front
