// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ToolShortcuts.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace ui {

ToolShortcuts::ToolShortcuts(QWidget* window, QWidget* holder)
    : QObject(window), window_(window), holder_(holder) {
    QCoreApplication::instance()->installEventFilter(this);
}

ToolShortcuts::~ToolShortcuts() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool ToolShortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !holder_)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy))
        return false; // a field copies its own text
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : holder_->actions()) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            // Not claimed by the widget: the shortcut goes to the tool.
            event->ignore();
            return true;
        }
    }
    return false;
}

} // namespace ui
