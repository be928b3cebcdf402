// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LabFiles.h"

#include "canvas/qt/PictureBox.h"
#include "ui/ReportWriter.h"
#include "ui/Translations.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QUrl>

namespace ui {

namespace {

namespace rt = front::report_texts;

QString documents() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

std::optional<std::string> readSetupFile(const QString& fileName, QString* why) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    return file.read(static_cast<qint64>(front::kLargestSetupFile) + 1).toStdString();
}

QString droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

QString setupFilter() {
    return ui::text(front::setup_texts::kSetupFilter);
}

LabFiles::LabFiles(canvas::PictureBox* picture, QWidget* window, Window hooks)
    : QObject(picture), window_(window), hooks_(std::move(hooks)),
      openQuestion_([window](const QString& title, const QString& folder, const QString& filter) {
          return QFileDialog::getOpenFileName(window, title, folder, filter);
      }),
      question_(canvas::fileDialogQuestion(window)) {
    const std::pair<const char*, void (LabFiles::*)()> actions[] = {
        {"actOpenSetup", &LabFiles::openSetupAsk},
        {"actSaveSetup", &LabFiles::saveSetupAs},
        {"actReport", &LabFiles::saveReportAs},
        {"actPrintReport", &LabFiles::printReport},
    };
    for (const auto& [name, run] : actions)
        connect(canvas::addTool(picture, name), &QAction::triggered, this, run);
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
