// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The progress of a long press: a modal dialog with "Отмена", opened once the window
// object says the press will take long (front::kLongPressMs). The press reports after
// every batch of periods; the dialog is looked at (and the window's events handled)
// every 25 ms.

#include "front/Window.h"

#include <QElapsedTimer>

#include <memory>

class QProgressDialog;
class QWidget;

namespace ui {

class PressProgress final {
public:
    explicit PressProgress(QWidget* owner);
    ~PressProgress();
    PressProgress(const PressProgress&) = delete;
    PressProgress& operator=(const PressProgress&) = delete;

    // How long the press has taken so far.
    double elapsedMs() const { return static_cast<double>(clock_.elapsed()); }
    // A step of the press shown; false once the user has cancelled it.
    bool keepGoing(const front::Changes& step);

private:
    void open(qint64 now);

    QWidget* owner_;
    QElapsedTimer clock_;
    qint64 lastLook_ = 0;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace ui
