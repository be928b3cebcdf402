// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpDialog.h"

#include "front/Guide.h"
#include "front/Texts.h"
#include "ui/Translations.h"

#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace ui {

namespace {

// Qt's Markdown reader knows no heading anchors: each heading gets the anchor the guide
// gave it, in the order the headings come.
void setHeadingAnchors(QTextDocument* document, const std::vector<std::string>& anchors) {
    std::size_t next = 0;
    for (QTextBlock block = document->begin(); block.isValid() && next < anchors.size();
         block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const QString anchor = QString::fromStdString(anchors[next++]);
        if (anchor.isEmpty())
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({anchor});
        cursor.mergeCharFormat(format);
    }
}

} // namespace

QByteArray guideSource() {
    QFile file(QStringLiteral(":/help/guide.md"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgHelp"));
    setWindowTitle(text(front::texts::kHelpTitle));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtGuide"));
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 640);

    const QByteArray source = guideSource();
    const front::Guide guide = front::translatedGuide(
        std::string_view(source.constData(), static_cast<std::size_t>(source.size())));
    browser_->document()->setDocumentMargin(12);
    browser_->document()->setMarkdown(QString::fromStdString(guide.markdown));
    setHeadingAnchors(browser_->document(), guide.headingAnchors);
}

void HelpDialog::showAt(const QString& anchor) {
    show();
    raise();
    activateWindow();
    if (anchor.isEmpty())
        browser_->verticalScrollBar()->setValue(0);
    else
        browser_->scrollToAnchor(anchor);
}

} // namespace ui
