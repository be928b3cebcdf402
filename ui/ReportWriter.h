// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The lab report on paper: the core's report (front/Report.h) laid out on A4 pages of a
// PDF file (QPdfWriter) or a printer (QPrinter), in a font with Cyrillic, the pictures drawn
// again at print resolution and the experiment's chart beside its table.

#include "front/Report.h"

#include <QImage>
#include <QString>

class QPagedPaintDevice;

namespace ui {

// Lays the report out on the device, page after page; `chart` is the experiment's chart
// (null when there is none).
void paintReport(QPagedPaintDevice& device, const front::Report& report, const QImage& chart);

// The report as a PDF in exactly this file (beside it first, then renamed over it); on
// failure `error` says why.
bool writeReportPdf(const front::Report& report, const QImage& chart, const QString& fileName,
                    QString* error = nullptr);

} // namespace ui
