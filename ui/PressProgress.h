// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The progress of a long press: a modal dialog with "Отмена", opened only when the press
// will take more than about half a second. The summator reports after every batch of
// periods; the dialog is looked at (and the window's events handled) every 25 ms.

#include "views/Press.h"

#include <QElapsedTimer>

#include <memory>

class QProgressDialog;
class QWidget;

namespace ui {

class PressProgress final : public views::Progress {
public:
    explicit PressProgress(QWidget* owner);
    ~PressProgress() override;

    bool keepGoing(double passesDone, double passesTotal) override;

private:
    void open(qint64 now);

    QWidget* owner_;
    QElapsedTimer clock_;
    qint64 lastLook_ = 0;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace ui
