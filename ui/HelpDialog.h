// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The guide in a dialog of the window (dlgHelp): help/guide.md from the program's
// resources, in the user's language, shown by Qt's own Markdown support; its links go to
// the anchors of its headings.

#include <QDialog>

class QTextBrowser;

namespace ui {

class HelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit HelpDialog(QWidget* parent);

    // Shows the dialog in front, at the heading with that anchor (the top when empty).
    void showAt(const QString& anchor = {});
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

// The guide as written (help/guide.md), from the program's resources.
QByteArray guideSource();

} // namespace ui
