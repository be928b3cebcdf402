// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LabFiles.h"

#include "canvas/PictureBox.h"
#include "ui/ReportWriter.h"
#include "ui/Translations.h"

#include <QAction>
#include <QFileDialog>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace ui {

namespace {

namespace rt = front::report_texts;

QString documents() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

QString setupFilter() {
    return ui::text(front::setup_texts::kSetupFilter);
}

LabFiles::LabFiles(canvas::PictureBox* picture, QWidget* window, Window hooks)
    : QObject(picture), window_(window), hooks_(std::move(hooks)),
      openQuestion_([window](const QString& title, const QString& folder, const QString& filter) {
          return QFileDialog::getOpenFileName(window, title, folder, filter);
      }),
      question_(canvas::fileDialogQuestion(window)) {
    namespace st = front::setup_texts;
    const struct {
        const char* text;
        const char* name;
        QKeyCombination key;
        void (LabFiles::*run)();
    } actions[] = {
        {st::kOpenSetup, "actOpenSetup", Qt::CTRL | Qt::Key_O, &LabFiles::openSetupAsk},
        {st::kSaveSetup, "actSaveSetup", Qt::CTRL | Qt::ALT | Qt::Key_S, &LabFiles::saveSetupAs},
        {rt::kReport, "actReport", Qt::CTRL | Qt::Key_P, &LabFiles::saveReportAs},
        {rt::kPrintReport, "actPrintReport", Qt::CTRL | Qt::SHIFT | Qt::Key_P,
         &LabFiles::printReport},
    };
    for (const auto& action : actions) {
        QAction* made =
            canvas::addPictureAction(picture, ui::text(action.text), action.name, action.key);
        connect(made, &QAction::triggered, this, action.run);
    }
}

bool LabFiles::saveSetup(const QString& fileName, QString* error) const {
    return canvas::writeBytes(QByteArray::fromStdString(front::writeSetup(hooks_.setup())),
                              fileName, error);
}

bool LabFiles::saveReport(const QString& fileName, QString* error) const {
    return writeReportPdf(hooks_.report(), hooks_.chart(), fileName, error);
}

void LabFiles::openSetupAsk() {
    const QString file = openQuestion_(ui::text(front::setup_texts::kOpenSetupTitle),
                                       folder_.suggest(documents()), setupFilter());
    if (file.isEmpty())
        return; // the question was cancelled
    if (hooks_.open(file))
        folder_.remember(file);
}

void LabFiles::saveSetupAs() {
    namespace st = front::setup_texts;
    canvas::askAndWrite(
        window_, question_, folder_, documents(),
        {ui::text(st::kSaveSetupTitle), ui::text(st::kSetupFile), setupFilter(),
         QString::fromUtf8(front::kSetupSuffix), ui::text(st::kSetupWhat)},
        [this](const QString& fileName, QString* error) { return saveSetup(fileName, error); });
}

void LabFiles::saveReportAs() {
    canvas::askAndWrite(
        window_, question_, folder_, documents(),
        {ui::text(rt::kSaveReportTitle), ui::text(rt::kReportFile), ui::text(rt::kPdfFilter),
         QStringLiteral("pdf"), ui::text(rt::kReportWhat)},
        [this](const QString& fileName, QString* error) { return saveReport(fileName, error); });
}

void LabFiles::printReport() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window_);
    dialog.setObjectName(QStringLiteral("dlgPrintReport"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    paintReport(printer, hooks_.report(), hooks_.chart());
}

} // namespace ui
