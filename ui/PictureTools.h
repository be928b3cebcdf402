// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The result picture's tools for lab work, beside its copy and save: "Сохранить данные…"
// (Ctrl+Shift+S) writes the numbers behind the picture as CSV; a tool tip follows the
// mouse with the position in the view's units and the sample under it; "Опыт:
// чувствительность и время накопления…" (Ctrl+E) opens the experiment's dialog. The
// export and the readout read the same record, the one the last successful press left.

#include "canvas/qt/PictureExport.h"
#include "views/PlotRecord.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QEvent;

namespace canvas {
class PictureBox;
}

namespace ui {

class SensitivityDialog;

class PictureTools : public QObject {
    Q_OBJECT

public:
    // record: the numbers of the picture now shown, as the window keeps them (the window
    // also enables the data export); openExperiment makes (or shows again) the
    // experiment's dialog.
    PictureTools(canvas::PictureBox* picture, std::function<const views::PlotRecord&()> record,
                 std::function<void()> openExperiment);

    const views::PlotRecord& record() const { return record_(); }

    // The readout at a point of the picture (widget coordinates); empty when the picture
    // is empty.
    QString readoutAt(const QPointF& point) const;

    // Writes the record as CSV to exactly this file (beside it first, then renamed over
    // it); on failure `error` says why.
    bool saveData(const QString& fileName, QString* error = nullptr) const;
    // Asks for a file (".csv" added when missing) and writes there; a failure is said in a
    // warning box; cancelling writes nothing.
    void saveDataAs();
    void setFileQuestion(canvas::FileQuestion question) { question_ = std::move(question); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    canvas::PictureBox* picture_;
    std::function<const views::PlotRecord&()> record_;
    canvas::FileQuestion question_;
    canvas::SaveFolder folder_;
};

} // namespace ui
