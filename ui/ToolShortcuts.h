// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's tools answer their shortcuts wherever the focus is in the window. A text
// field claims some control keys for its own editing before any shortcut is looked at:
// on an X11 desktop Ctrl+E moves to the end of the line, and a desktop's key scheme may
// claim more. For the keys of the window's tools the tools win; the field keeps Copy
// (Ctrl+C) and every key no tool uses (Ctrl+V, Ctrl+A, Ctrl+Z, ...).
//
// The filter sits on the application, so that it is asked before the focused widget:
// whatever claims a key there, a tool's shortcut goes to the tool.

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace ui {

class ToolShortcuts : public QObject {
public:
    // The tools are the actions of `holder` (the picture); the window is `window`.
    ToolShortcuts(QWidget* window, QWidget* holder);
    ~ToolShortcuts() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QPointer<QWidget> holder_;
};

} // namespace ui
