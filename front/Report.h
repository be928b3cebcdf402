// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A lab report, as a student hands it in: the program and its version, when it was made,
// the setup as a table of captions and values, the last picture of every block pressed in
// the session with its title and readings, the summator's readings with the radiometer's
// formulas, and the sensitivity experiment's table when one was run. The contents and
// every text are made here; the desktop prints them to PDF, the page to a print-ready page.

#include "canvas/RecordingCanvas.h"
#include "front/Session.h"
#include "front/Setup.h"
#include "i18n/Translate.h"
#include "views/SensitivityExperiment.h"

#include <map>
#include <string>
#include <vector>

namespace front {

struct ReportTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

struct ReportBlock {
    std::string title;
    std::vector<std::pair<std::string, std::string>> readings; // caption, value
    const canvas::RecordingCanvas* picture = nullptr;          // the session's, not a copy
};

struct Report {
    std::string heading;   // the program, its version and what this is
    std::string generated; // when
    std::string setupHeading;
    ReportTable setup;
    std::string blocksHeading;
    std::string noBlocks; // said when no block was pressed
    std::vector<ReportBlock> blocks;
    std::string formulasHeading;
    std::vector<std::string> formulas; // when the summator was pressed
    std::string experimentHeading;
    ReportTable experiment; // empty when no experiment was run
    std::string experimentSlope;
};

// The report of a session whose window shows `setup`; `experiment` the experiment's runs
// (none or empty when there were none); `when` the date and time it is made; `pictures`
// the blocks' pictures in another look (high contrast) instead of the session's.
Report makeReport(const Session& session, const Setup& setup,
                  const views::ExperimentLog* experiment, const std::string& when,
                  char decimalSeparator, const std::string& version,
                  const std::map<views::Block, canvas::RecordingCanvas>* pictures = nullptr);

// A block's readings in one line, as the report prints them: "caption: value; …".
std::string readingsText(const ReportBlock& block);

// "08.12.2026 23:45" (the same in every language).
std::string reportDate(int year, int month, int day, int hour, int minute);

// The report's file name and the names of its actions and questions.
namespace report_texts {
inline constexpr const char* kReport = VT_NOOP("Veltrum", "Отчёт…");
inline constexpr const char* kPrintReport = VT_NOOP("Veltrum", "Напечатать отчёт…");
inline constexpr const char* kSaveReportTitle = VT_NOOP("Veltrum", "Сохранить отчёт");
inline constexpr const char* kReportFile = VT_NOOP("Veltrum", "veltrum-отчёт.pdf");
inline constexpr const char* kPdfFilter = VT_NOOP("Veltrum", "Документ PDF (*.pdf)");
inline constexpr const char* kReportWhat = VT_NOOP("Veltrum", "отчёт");
} // namespace report_texts

} // namespace front
