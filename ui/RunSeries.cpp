// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/RunSeries.h"

#include "front/Accessibility.h"
#include "views/ExperimentChart.h"

#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>

#include <cmath>

namespace ui {

RunSeries::RunSeries(const views::SeriesNames& names)
    : presses(new QScatterSeries), means(new QLineSeries), potential(new QLineSeries),
      fitted(new QLineSeries) {
    presses->setName(QString::fromStdString(names.presses));
    presses->setMarkerSize(6);
    means->setName(QString::fromStdString(names.means));
    potential->setName(QString::fromStdString(names.potential));
    fitted->setVisible(false);
}

std::array<QAbstractSeries*, 4> RunSeries::all() const {
    return {presses, means, potential, fitted};
}

void RunSeries::colour(int run, bool highContrast) const {
    const front::Rgb own = 0xff000000u | views::runColour(run);
    const QColor colour(
        highContrast ? front::contrastingColour(own, front::kWhite, front::kTraceContrast) : own);
    const QColor points = highContrast ? colour : colour.lighter(130);
    presses->setColor(points);
    presses->setBorderColor(points);
    const auto line = [&colour](QLineSeries* made, Qt::PenStyle style) {
        QPen pen(colour);
        pen.setWidthF(style == Qt::SolidLine ? 2 : 1.5);
        pen.setStyle(style);
        made->setPen(pen);
    };
    line(means, Qt::SolidLine);
    line(potential, Qt::DashLine);
    line(fitted, Qt::DotLine);
}

void RunSeries::add(const views::SensitivityRow& row) const {
    for (const double real : row.real)
        if (real > 0)
            presses->append(row.accumulation, real);
    if (row.realMean() > 0)
        means->append(row.accumulation, row.realMean());
    if (row.potential > 0)
        potential->append(row.accumulation, row.potential);
}

void RunSeries::fit(const views::ExperimentRun& run, char decimalSeparator) const {
    const views::FittedLine line = views::fittedLine(run.rows);
    fitted->clear();
    fitted->setName(QString::fromStdString(views::seriesNames(run, decimalSeparator).fitted));
    fitted->setVisible(line.valid());
    if (!line.valid())
        return;
    for (const views::SensitivityRow& row : run.rows)
        if (row.accumulation >= views::kFittedFrom)
            fitted->append(row.accumulation,
                           line.coefficient * std::pow(row.accumulation, line.slope));
}

} // namespace ui
