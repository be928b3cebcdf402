// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PictureTools.h"

#include "canvas/qt/PictureBox.h"
#include "front/Texts.h"
#include "ui/SensitivityDialog.h"
#include "ui/Translations.h"
#include "views/PlotExport.h"

#include <QAction>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QToolTip>

namespace ui {

PictureTools::PictureTools(canvas::PictureBox* picture,
                           std::function<const views::PlotRecord&()> record,
                           std::function<void()> openExperiment)
    : QObject(picture), picture_(picture), record_(std::move(record)),
      question_(canvas::fileDialogQuestion(picture)) {
    connect(canvas::addTool(picture, "actSaveData"), &QAction::triggered, this,
            &PictureTools::saveDataAs);
    QAction* experiment = canvas::addTool(picture, "actSensitivity");
    connect(experiment, &QAction::triggered, this, std::move(openExperiment));
    picture->setMouseTracking(true);
    picture->installEventFilter(this);
}

QString PictureTools::readoutAt(const QPointF& point) const {
    if (record().empty())
        return {};
    const std::optional<QPointF> user = picture_->userPoint(point);
    if (!user)
        return {};
    return QString::fromStdString(
        views::readoutText(record(), user->x(), user->y(), localeDecimalSeparator()));
}

bool PictureTools::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::ToolTip)) {
        const QPointF at = event->type() == QEvent::MouseMove
                               ? static_cast<QMouseEvent*>(event)->position()
                               : QPointF(static_cast<QHelpEvent*>(event)->pos());
        const QString text = readoutAt(at);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(picture_->mapToGlobal(at.toPoint()), text, picture_);
        return event->type() == QEvent::ToolTip;
    }
    return QObject::eventFilter(watched, event);
}

bool PictureTools::saveData(const QString& fileName, QString* error) const {
    const std::string csv = views::plotCsv(record(), localeDecimalSeparator());
    return canvas::writeBytes(QByteArray::fromStdString(csv), fileName, error);
}

void PictureTools::saveDataAs() {
    if (record().empty())
        return;
    canvas::askAndWrite(
        picture_, question_, folder_,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        {ui::text(front::texts::kSaveDataTitle), ui::text(front::texts::kDataFile),
         canvas::csvFilter(), QStringLiteral("csv"), ui::text(front::texts::kDataWhat)},
        [this](const QString& fileName, QString* error) { return saveData(fileName, error); });
}

} // namespace ui
