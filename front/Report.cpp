// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Report.h"

#include "front/ControlTable.h"
#include "front/Texts.h"
#include "i18n/Translate.h"
#include "views/CalibratedViews.h"
#include "views/Fields.h"
#include "views/Scenes.h"

#include <cstdio>

namespace front {

namespace {

std::string trimmed(std::string text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

ReportTable setupTable(const Setup& setup) {
    ReportTable table{
        {i18n::translate("Veltrum", "Параметр"), i18n::translate("Veltrum", "Значение")}, {}};
    const model::Scene scene = setup.scene.value_or(model::Scene::ExtendedTarget);
    table.rows.push_back({controlCaption("fraCase"), i18n::tr(views::sceneLook(scene).name)});
    for (const views::Field& field : views::fields()) {
        const auto typed = setup.fields.find(field.quantity);
        if (typed != setup.fields.end())
            table.rows.push_back({views::fieldCaption(field.quantity, scene), typed->second});
    }
    if (setup.samplingRate)
        table.rows.push_back({views::fieldCaption(model::Quantity::SamplingRate, scene),
                              samplingRateLabel(*setup.samplingRate)});
    if (setup.sideLobes)
        table.rows.push_back(
            {controlCaption("chkLepestok"), *setup.sideLobes ? i18n::translate("Veltrum", "да")
                                                             : i18n::translate("Veltrum", "нет")});
    for (int object = 0; object < 2; ++object)
        if (setup.colourRow[object])
            table.rows.push_back({i18n::tr(objectMenu(object).caption),
                                  i18n::tr(colourRows()[*setup.colourRow[object]].caption)});
    if (setup.seed)
        table.rows.push_back(
            {i18n::translate("Veltrum", "Начальное число шума"), std::to_string(*setup.seed)});
    if (setup.receiver == views::ReceiverModel::Calibrated) // the course model goes unsaid
        table.rows.push_back(
            {i18n::tr(texts::kReceiverMenu),
             views::receiverName(*setup.receiver,
                                 setup.switching.value_or(model::Switching::Modulated))});
    return table;
}

// The readings of a press: each result label with its caption; Ta1 and Ta2 by their names.
std::vector<std::pair<std::string, std::string>> readingsOf(const LabelTexts& labels) {
    std::vector<std::pair<std::string, std::string>> readings;
    for (const model::Result result : model::kResults) {
        for (const auto& [label, text] : labels) {
            if (label != resultLabel(result) || text.empty() || text == unsetResultText(result))
                continue;
            if (const char* caption = resultCaptionControl(result)) {
                readings.emplace_back(i18n::arg(i18n::translate("Veltrum", "%1, К"),
                                                {trimmed(controlCaption(caption))}),
                                      text);
            } else {
                const std::size_t equals = text.find('=');
                readings.emplace_back(
                    i18n::arg(i18n::translate("Veltrum", "%1, К"), {text.substr(0, equals)}),
                    text.substr(equals + 1));
            }
        }
    }
    for (const auto& [label, text] : labels)
        if (label == "lblRmax" && !text.empty())
            readings.emplace_back("Rmax", text);
    return readings;
}

} // namespace

std::string readingsText(const ReportBlock& block) {
    std::string line;
    for (const auto& [caption, value] : block.readings)
        line += (line.empty() ? "" : "; ") + caption + ": " + value;
    return line;
}

std::string reportDate(int year, int month, int day, int hour, int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", day, month, year, hour, minute);
    return text;
}

Report makeReport(const Session& session, const Setup& setup,
                  const views::ExperimentLog* experiment, const std::string& when,
                  char decimalSeparator, const std::string& version,
                  const std::map<views::Block, canvas::RecordingCanvas>* pictures) {
    Report report;
    report.heading =
        i18n::arg(i18n::translate("Veltrum", "Veltrum %1: отчёт о лабораторной работе"), {version});
    report.generated = i18n::arg(i18n::translate("Veltrum", "Составлен %1"), {when});
    report.setupHeading = i18n::translate("Veltrum", "Установка");
    report.setup = setupTable(setup);
    report.blocksHeading = i18n::translate("Veltrum", "Осциллограммы");
    report.noBlocks = i18n::translate("Veltrum", "В этом сеансе не нажат ни один блок.");
    for (const views::BlockDescription& description : views::blockDescriptions()) {
        const auto kept = session.keptPresses().find(description.block);
        if (kept == session.keptPresses().end())
            continue;
        const auto other = pictures
                               ? pictures->find(description.block)
                               : std::map<views::Block, canvas::RecordingCanvas>::const_iterator{};
        const bool inOtherLook = pictures && other != pictures->end();
        report.blocks.push_back({kept->second.title, readingsOf(kept->second.labels),
                                 inOtherLook ? &other->second : &kept->second.picture});
    }
    if (session.keptPresses().count(views::Block::Summator)) {
        report.formulasHeading = i18n::translate("Veltrum", "Формулы радиометра");
        report.formulas = {
            i18n::translate("Veltrum",
                            "Потенциальная чувствительность δT = 2√2·Tsys / √(Δf·τ), Tsys = "
                            "Tprm + 0,9·T1, Δf = 900 МГц, τ — время накопления."),
            i18n::translate("Veltrum",
                            "Реальная чувствительность Tsys·σ / m: σ — разброс среднего отсчёта "
                            "по периодам, m — среднее отсчётов (измеренная разность антенных "
                            "температур)."),
            i18n::translate("Veltrum",
                            "Разность антенных температур |Ta1 − Ta2|, Ta = 0,9·((1 − β)·T + "
                            "β·Тяб) + 30 К (к.п.д. антенны 0,9, её собственные 300 К)."),
        };
    }
    if (experiment && experiment->rowCount() > 0) {
        report.experimentHeading = i18n::tr(texts::kExperiment);
        report.experiment.columns = views::sensitivityColumns();
        for (const views::ExperimentRun& run : experiment->runs()) {
            for (const views::SensitivityRow& row : run.rows) {
                std::vector<std::string> cells = {std::to_string(run.number)};
                for (const double value : views::rowCells(row))
                    cells.push_back(views::tableCell(value, decimalSeparator));
                report.experiment.rows.push_back(std::move(cells));
            }
        }
        report.experimentSlope = experiment->slopeText(decimalSeparator);
    }
    return report;
}

} // namespace front
