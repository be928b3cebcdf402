// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ReportWriter.h"

#include "canvas/qt/PictureBox.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace ui {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A font with Cyrillic for print: Liberation Sans (Arial's metrics) or DejaVu Sans.
QFont printFont(qreal points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Text flowing down the pages: a cursor that starts a new page when the next piece would
// not fit.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter) {
        const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
        area_ = QRectF(0, 0, paint.width(), paint.height());
        y_ = area_.top();
    }

    qreal width() const { return area_.width(); }
    qreal millimetres(qreal mm) const { return mm * device_.logicalDpiY() / 25.4; }

    void room(qreal height) {
        if (y_ + height > area_.bottom() && y_ > area_.top()) {
            device_.newPage();
            y_ = area_.top();
        }
    }

    // A paragraph in a font, wrapped to the width.
    void paragraph(const QString& words, const QFont& font, qreal spaceAfterMm = 2) {
        painter_.setFont(font);
        const QRectF bounds =
            painter_.boundingRect(QRectF(0, 0, width(), 1e6), Qt::TextWordWrap, words);
        room(bounds.height());
        painter_.drawText(QRectF(0, y_, width(), bounds.height()), Qt::TextWordWrap, words);
        y_ += bounds.height() + millimetres(spaceAfterMm);
    }

    // A table with a grid: the header row in bold, each row as high as its tallest cell;
    // a row that does not fit starts a new page (with the header again).
    void table(const front::ReportTable& table, const std::vector<qreal>& shares, qreal points) {
        const QFont plain = printFont(points);
        const QFont bold = printFont(points, true);
        const qreal pad = millimetres(1);
        std::vector<qreal> widths;
        for (const qreal share : shares)
            widths.push_back(share * width());
        const auto rowHeight = [&](const std::vector<std::string>& cells, const QFont& font) {
            painter_.setFont(font);
            qreal height = 0;
            for (std::size_t k = 0; k < cells.size() && k < widths.size(); ++k)
                height = std::max(height, painter_
                                              .boundingRect(QRectF(0, 0, widths[k] - 2 * pad, 1e6),
                                                            Qt::TextWordWrap, text(cells[k]))
                                              .height());
            return height + 2 * pad;
        };
        const auto row = [&](const std::vector<std::string>& cells, const QFont& font,
                             bool numbers) {
            const qreal height = rowHeight(cells, font);
            painter_.setFont(font);
            qreal x = 0;
            for (std::size_t k = 0; k < cells.size() && k < widths.size(); ++k) {
                const QRectF cell(x, y_, widths[k], height);
                painter_.drawRect(cell);
                const int align = Qt::TextWordWrap | Qt::AlignVCenter |
                                  (numbers && k > 0 ? Qt::AlignRight : Qt::AlignLeft);
                painter_.drawText(cell.adjusted(pad, pad, -pad, -pad), align, text(cells[k]));
                x += widths[k];
            }
            y_ += height;
        };
        const bool numbers = table.columns.size() > 2;
        room(rowHeight(table.columns, bold) +
             (table.rows.empty() ? 0 : rowHeight(table.rows[0], plain)));
        row(table.columns, bold, false);
        for (const std::vector<std::string>& cells : table.rows) {
            const qreal needed = rowHeight(cells, plain);
            if (y_ + needed > area_.bottom()) {
                room(needed + area_.height());
                row(table.columns, bold, false);
            }
            row(cells, plain, numbers);
        }
        y_ += millimetres(4);
    }

    // An image across the width, its proportions kept.
    void image(const QImage& picture, qreal maxHeightMm = 1000) {
        const qreal height =
            std::min(width() * picture.height() / picture.width(), millimetres(maxHeightMm));
        const qreal drawnWidth = height * picture.width() / picture.height();
        room(height);
        painter_.drawImage(QRectF(0, y_, drawnWidth, height), picture);
        painter_.drawRect(QRectF(0, y_, drawnWidth, height));
        y_ += height + millimetres(2);
    }

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    QRectF area_;
    qreal y_ = 0;
};

} // namespace

void paintReport(QPagedPaintDevice& device, const front::Report& report, const QImage& chart) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 0));
    Pages pages(device, painter);

    pages.paragraph(text(report.heading), printFont(15, true), 1);
    pages.paragraph(text(report.generated), printFont(9), 5);
    pages.paragraph(text(report.setupHeading), printFont(12, true));
    pages.table(report.setup, {0.62, 0.38}, 9);

    pages.paragraph(text(report.blocksHeading), printFont(12, true));
    if (report.blocks.empty())
        pages.paragraph(text(report.noBlocks), printFont(10), 4);
    for (const front::ReportBlock& block : report.blocks) {
        pages.room(pages.millimetres(85)); // a title never ends a page alone
        pages.paragraph(text(block.title), printFont(10.5, true), 1);
        if (block.picture)
            pages.image(canvas::renderPicture(*block.picture, 3.0));
        if (!block.readings.empty())
            pages.paragraph(text(front::readingsText(block)), printFont(9), 5);
    }

    if (!report.formulas.empty()) {
        pages.paragraph(text(report.formulasHeading), printFont(12, true));
        for (const std::string& formula : report.formulas)
            pages.paragraph(text(formula), printFont(9.5), 1.5);
        pages.paragraph(QString(), printFont(4), 2);
    }

    if (!report.experiment.rows.empty()) {
        pages.paragraph(text(report.experimentHeading), printFont(12, true));
        pages.table(report.experiment, {0.07, 0.13, 0.16, 0.16, 0.16, 0.16, 0.16}, 8);
        if (!chart.isNull())
            pages.image(chart, 120);
        pages.paragraph(text(report.experimentSlope), printFont(9), 2);
    }
}

bool writeReportPdf(const front::Report& report, const QImage& chart, const QString& fileName,
                    QString* error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(QString::fromStdString(report.heading));
        writer.setCreator(QStringLiteral("Veltrum"));
        paintReport(writer, report, chart);
    } // the writer finishes the file here
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace ui
