// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop's part of what a screen reader and a student with low vision need: the
// announcer that says a press's title and readings once, the table of the picture's
// values («Таблица значений», Ctrl+T) and the high-contrast look, remembered between runs.

#include "front/Accessibility.h"

#include <QDialog>
#include <QObject>
#include <QWidget>

#include <functional>

class QTableWidget;

namespace ui {

// A widget of no size that a screen reader hears: its name is the text said, its role an
// alert, and say() sends the event that makes the reader speak.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);
    void say(const QString& text);

signals:
    void said(const QString& text); // after the event went to the screen reader
};

// The picture's numbers as a table that a screen reader walks cell by cell.
class ValueTableDialog : public QDialog {
    Q_OBJECT
public:
    explicit ValueTableDialog(QWidget* parent);
    void show(const front::ValueTable& table, const QString& title);
    QTableWidget* table() const { return table_; }

private:
    QTableWidget* table_;
};

// The value table's tool on the picture, opening (or refreshing) its dialog, and the
// high-contrast tool, whose click goes to `switchLook`.
class AccessibleTools : public QObject {
    Q_OBJECT
public:
    AccessibleTools(QWidget* picture, QWidget* window, std::function<front::ValueTable()> values,
                    std::function<QString()> title, std::function<void()> switchLook);
    ValueTableDialog* openValueTable();

private:
    QWidget* window_;
    std::function<front::ValueTable()> values_;
    std::function<QString()> title_;
    ValueTableDialog* dialog_ = nullptr;
};

// Every control of the window coloured for the look: the table's colours, or the
// high-contrast ones (texts at 4.5:1 at least).
void applyLook(QWidget* window, bool highContrast);
// The look chosen last time, and remembering the one chosen now.
bool rememberedHighContrast();
void rememberHighContrast(bool on);

} // namespace ui
