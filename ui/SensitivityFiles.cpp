// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The experiment window's files: the chart as PNG (with the fitted slopes under it) and
// as an image for the report, the table as CSV; each asked for in the documents folder.

#include "ui/SensitivityDialog.h"

#include "canvas/qt/PictureExport.h"
#include "front/Texts.h"
#include "ui/Translations.h"

#include <QStandardPaths>
#include <QWidget>

namespace ui {

namespace {

QString documents() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

bool SensitivityDialog::saveChart(const QString& fileName, QString* error) {
    // The chart with the fitted slopes and their equations under it.
    return canvas::writePng(wgtChart->grab().toImage(), fileName, error);
}

QImage SensitivityDialog::chartImage(qreal ratio) const {
    if (log_.rowCount() == 0)
        return {};
    QImage image(wgtChart->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    wgtChart->render(&image);
    return image;
}

bool SensitivityDialog::saveTable(const QString& fileName, QString* error) const {
    const std::string csv = log_.csv(localeDecimalSeparator());
    return canvas::writeBytes(QByteArray::fromStdString(csv), fileName, error);
}

void SensitivityDialog::saveChartAs() {
    canvas::askAndWrite(
        this, question_, folder_, documents(),
        {ui::text(front::texts::kSaveChartTitle), ui::text(front::texts::kChartFile),
         canvas::pngFilter(), QStringLiteral("png"), ui::text(front::texts::kChartWhat)},
        [this](const QString& fileName, QString* error) { return saveChart(fileName, error); });
}

void SensitivityDialog::saveTableAs() {
    canvas::askAndWrite(
        this, question_, folder_, documents(),
        {ui::text(front::texts::kSaveTableTitle), ui::text(front::texts::kTableFile),
         canvas::csvFilter(), QStringLiteral("csv"), ui::text(front::texts::kTableWhat)},
        [this](const QString& fileName, QString* error) { return saveTable(fileName, error); });
}

} // namespace ui
