// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The files of a lab class, from the picture's context menu: "Открыть установку…" (Ctrl+O)
// and "Сохранить установку…" (Ctrl+Alt+S), a setup a teacher hands out; "Отчёт…" (Ctrl+P)
// and "Напечатать отчёт…" (Ctrl+Shift+P), the report a student hands in, as PDF or on a
// printer. Nothing is written unless the user chooses a file; a failed write says why.

#include "canvas/qt/PictureExport.h"
#include "front/Report.h"
#include "front/Setup.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QImage;
class QMimeData;
class QWidget;

namespace canvas {
class PictureBox;
}

namespace ui {

class LabFiles : public QObject {
    Q_OBJECT

public:
    struct Window {
        std::function<front::Setup()> setup;           // the window's controls now
        std::function<bool(const QString& file)> open; // opens a setup (says why not)
        std::function<front::Report()> report;         // the session's report now
        std::function<QImage()> chart;                 // the experiment's chart, if any
    };
    LabFiles(canvas::PictureBox* picture, QWidget* window, Window hooks);

    bool saveSetup(const QString& fileName, QString* error = nullptr) const;
    bool saveReport(const QString& fileName, QString* error = nullptr) const;

    // The questions: which file to open (title, folder, filter → path or empty) and which to
    // write; by default file dialogs. Tests answer them.
    using OpenQuestion = canvas::FileQuestion;
    void setOpenQuestion(OpenQuestion question) { openQuestion_ = std::move(question); }
    void setFileQuestion(canvas::FileQuestion question) { question_ = std::move(question); }

    void openSetupAsk();
    void saveSetupAs();
    void saveReportAs();
    void printReport();

private:
    QWidget* window_;
    Window hooks_;
    OpenQuestion openQuestion_;
    canvas::FileQuestion question_;
    canvas::SaveFolder folder_;
};

// The filter of setup files in a file dialog.
QString setupFilter();

// A setup file's bytes, read up to one byte past the largest a setup may be (so that the
// core can refuse the size); none, with why, when the file cannot be read.
std::optional<std::string> readSetupFile(const QString& fileName, QString* why);
// The one local file of a drag's data; empty for anything else.
QString droppedFile(const QMimeData* data);

} // namespace ui
