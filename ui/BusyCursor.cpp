// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BusyCursor.h"

#include <QApplication>

namespace ui {

BusyCursor::BusyCursor() {
    show();
}

BusyCursor::~BusyCursor() {
    hide();
}

void BusyCursor::show() {
    if (!shown_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    shown_ = true;
}

void BusyCursor::hide() {
    if (shown_)
        QApplication::restoreOverrideCursor();
    shown_ = false;
}

BusyCursor::Released::Released(BusyCursor* busy) : busy_(busy) {
    if (busy_)
        busy_->hide();
}

BusyCursor::Released::~Released() {
    if (busy_)
        busy_->show();
}

} // namespace ui
