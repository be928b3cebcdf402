// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in each of its languages: every caption fits its control at the window's
// fixed geometry, the English window has no Russian text left, a language changes no
// number, and the guide opens on F1 and from the picture's menu with links that work.

#include "WindowFixture.h"

#include "front/ControlTable.h"
#include "ui/Controls.h"
#include "ui/HelpDialog.h"
#include "ui/SensitivityDialog.h"
#include "ui/Translations.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <cmath>
#include <utility>

namespace {

using namespace window_testing;

bool hasCyrillic(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x052F)
            return true;
    return false;
}

QString describe(const QWidget* widget, const QString& text) {
    return widget->objectName() + QStringLiteral(" «") + text + QStringLiteral("»");
}

// The pixels a caption's ink covers when it is drawn with these flags in this box of the
// widget (in the widget's coordinates): measured by drawing it, so that the leading above
// and below a line, which no glyph touches, does not count.
QRect inkRect(const QWidget* widget, const QString& text, const QRect& room, int flags) {
    const int pad = 48;
    QImage image(room.size() + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(widget->logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(widget->logicalDpiY() / 0.0254));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(widget->font());
    painter.setPen(Qt::black);
    // Unclipped (drawText clips to its box otherwise): what the caption needs.
    painter.drawText(QRect(QPoint(pad, pad), room.size()), flags | Qt::TextDontClip, text);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0)
                ink |= QRect(x, y, 1, 1);
    }
    return ink.translated(room.topLeft() - QPoint(pad, pad));
}

// A caption is clipped when its ink leaves the room across (the box it wraps in) or the
// widget up and down.
void checkRoom(QStringList& misfits, const QWidget* widget, const QString& text, const QRect& room,
               int flags) {
    if (text.trimmed().isEmpty())
        return;
    const QRect allowed(room.left(), 0, room.width(), widget->height());
    const QRect ink = inkRect(widget, text, room, flags);
    if (!allowed.contains(ink))
        misfits << describe(widget, text) + QStringLiteral(": ink %1×%2 at %3,%4 in %5×%6")
                                                .arg(ink.width())
                                                .arg(ink.height())
                                                .arg(ink.left())
                                                .arg(ink.top())
                                                .arg(allowed.width())
                                                .arg(allowed.height());
}

// The labels that show values, not captions: their text is a number that may be long.
bool showsValue(const QWidget* widget) {
    static const QStringList values = {"lblTa1",  "lblTa2",    "lblmo",   "lblmo1",
                                       "lblexit", "lblEnterT", "lblEnter"};
    return values.contains(widget->objectName());
}

// The ink of a label's text, in its parent's coordinates.
QRect labelInk(const QLabel* label) {
    const QRect room = label->contentsRect().adjusted(qMax(label->indent(), 0), 0, 0, 0);
    const int flags =
        static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return inkRect(label, label->text(), room, flags).translated(label->pos());
}

// Every caption of the client area measured against the room its control draws it in;
// a label fitted to its text (the table gives it no width) must not run into another
// control.
QStringList misfits(QWidget* area) {
    QStringList found;
    for (QWidget* widget : area->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(area) || showsValue(widget))
            continue;
        if (auto* button = dynamic_cast<ui::CaptionButton*>(widget)) {
            const ui::CaptionPlace place = button->captionPlace();
            checkRoom(found, button, button->text(), place.rect, place.flags);
        } else if (auto* option = dynamic_cast<ui::WrappedRadioButton*>(widget)) {
            const ui::CaptionPlace place = option->captionPlace();
            checkRoom(found, option, option->text(), place.rect, place.flags);
        } else if (auto* box = dynamic_cast<ui::WrappedCheckBox*>(widget)) {
            const ui::CaptionPlace place = box->captionPlace();
            checkRoom(found, box, box->text(), place.rect, place.flags);
        } else if (auto* list = dynamic_cast<ui::CompactComboBox*>(widget)) {
            const ui::CaptionPlace place = list->captionPlace();
            for (int k = 0; k < list->count(); ++k)
                checkRoom(found, list, list->itemText(k), place.rect, place.flags);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            const int margin = 2 * frame->style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
            if (frame->fontMetrics().horizontalAdvance(frame->title()) > frame->width() - margin)
                found << describe(frame, frame->title()) + QStringLiteral(": title too wide");
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->textFormat() == Qt::RichText) {
                QTextDocument document;
                document.setDefaultFont(label->font());
                document.setDocumentMargin(0);
                document.setHtml(label->text());
                if (document.idealWidth() > label->contentsRect().width())
                    found << describe(label, label->text()) + QStringLiteral(": too wide");
            } else if (!label->text().trimmed().isEmpty()) {
                const QRect ink = labelInk(label).translated(-label->pos());
                if (!label->rect().contains(ink))
                    found << describe(label, label->text()) + QStringLiteral(": clipped");
            }
        }
    }

    for (const front::Control& control : front::formControls()) {
        if (control.width > 0 || control.kind != front::Kind::Label)
            continue;
        auto* fitted = area->findChild<QLabel*>(QString::fromUtf8(control.name));
        if (!fitted || !fitted->isVisibleTo(area) || fitted->text().trimmed().isEmpty())
            continue;
        const QRect ink = labelInk(fitted);
        for (QWidget* other : fitted->parentWidget()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (other != fitted && other->isVisibleTo(area) && other->geometry().intersects(ink))
                found << describe(fitted, fitted->text()) + QStringLiteral(" runs into ") +
                             other->objectName();
        }
    }
    return found;
}

// The language of the window for a test: the one given, then Russian again.
class WindowInLanguage : public WindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(ui::installLanguage(*QCoreApplication::instance(), GetParam()));
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        ui::installLanguage(*QCoreApplication::instance(), "ru");
    }
    QWidget* area() { return window().centralWidget(); }
    void choose(const char* option) { find<QRadioButton>(QString::fromLatin1(option))->click(); }
};

TEST_P(WindowInLanguage, EveryCaptionFitsItsControlInEveryScene) {
    for (const char* scene : {"optBigCel", "optGranica", "optCel"}) {
        choose(scene);
        // The check box opens the side-lobe fields; every block writes its title (and, at
        // a point target, the range into the picture).
        find<QCheckBox>("chkLepestok")->click();
        EXPECT_EQ(misfits(area()), QStringList()) << scene;
        for (const QString& block : blockButtonNames()) {
            press(block);
            EXPECT_EQ(misfits(area()), QStringList()) << scene << ' ' << block.toStdString();
        }
        find<QCheckBox>("chkLepestok")->click();
    }
}

TEST_P(WindowInLanguage, GuideOpensOnF1AndFromTheMenuAndEveryLinkReachesItsHeading) {
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    field("txtT1")->setFocus();
    QTest::keyClick(field("txtT1"), Qt::Key_F1);
    auto* help = window().findChild<ui::HelpDialog*>(QStringLiteral("dlgHelp"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->hide();
    auto* fromMenu = picture()->findChild<QAction*>(QStringLiteral("actHelp"));
    ASSERT_NE(fromMenu, nullptr);
    fromMenu->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(window().findChildren<ui::HelpDialog*>().size(), 1);

    QTextBrowser* browser = help->browser();
    QTextDocument* document = browser->document();
    EXPECT_GE(document->blockCount(), 50);
    QStringList headings, links;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            headings << format.anchorNames();
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                links << format.anchorHref();
        }
    }
    headings.removeDuplicates();
    EXPECT_GE(headings.size(), 15);
    ASSERT_GE(links.size(), 8);
    for (const QString& link : links) {
        ASSERT_TRUE(link.startsWith(QLatin1Char('#'))) << link;
        EXPECT_TRUE(headings.contains(link.mid(1))) << link;
    }

    // A click on the contents' link to the keyboard scrolls the guide to that heading.
    browser->resize(700, 400);
    QApplication::processEvents();
    browser->verticalScrollBar()->setValue(0);
    QTextCursor link;
    QTextCursor target;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.anchorHref() == QStringLiteral("#keyboard") && link.isNull()) {
                link = QTextCursor(document);
                link.setPosition(it.fragment().position() + 1);
            }
            if (format.anchorNames().contains(QStringLiteral("keyboard")))
                target = QTextCursor(block);
        }
    ASSERT_FALSE(link.isNull());
    ASSERT_FALSE(target.isNull());
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
    QApplication::processEvents();
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    const QRect heading = browser->cursorRect(target);
    EXPECT_GE(heading.top(), 0);
    EXPECT_LT(heading.top(), browser->viewport()->height() / 2);
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowInLanguage, ::testing::Values("ru", "en"));

// Every text the English window can show: its controls and their tool tips, its menus,
// the titles and readings of every block, its messages, the guide and the experiment.
class EnglishWindow : public WindowInLanguage {};

TEST_P(EnglishWindow, ShowsNoRussianText) {
    QStringList texts;
    auto collect = [&texts](QWidget* root) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets << root;
        for (QWidget* widget : widgets) {
            texts << widget->windowTitle() << widget->toolTip();
            if (auto* label = qobject_cast<QLabel*>(widget))
                texts << label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                texts << button->text();
            if (auto* frame = qobject_cast<QGroupBox*>(widget))
                texts << frame->title();
            if (auto* list = qobject_cast<QComboBox*>(widget))
                for (int k = 0; k < list->count(); ++k)
                    texts << list->itemText(k);
            if (auto* table = qobject_cast<QTableWidget*>(widget))
                for (int k = 0; k < table->columnCount(); ++k)
                    if (table->horizontalHeaderItem(k))
                        texts << table->horizontalHeaderItem(k)->text();
            if (auto* browser = qobject_cast<QTextBrowser*>(widget))
                texts << browser->toPlainText();
            for (QAction* action : widget->actions())
                texts << action->text();
        }
        for (QMenu* menu : root->findChildren<QMenu*>()) {
            texts << menu->title();
            for (QAction* action : menu->actions())
                texts << action->text();
        }
    };

    collect(&window());
    for (const char* scene : {"optCel", "optGranica", "optBigCel"}) {
        choose(scene);
        collect(&window());
        for (const QString& block : blockButtonNames()) {
            press(block);
            texts << snapshot().labelTexts();
        }
    }
    // The messages: a field that is not a number, and a target that fills the beam.
    type("txtT1", QStringLiteral("abc"));
    for (const SeenMessage& message : press("btnUVF"))
        texts << message.title << message.text;
    type("txtT1", QStringLiteral("304"));
    choose("optCel");
    type("txtVisota", QStringLiteral("1"));
    for (const SeenMessage& message : press("btnUVF"))
        texts << message.title << message.text;

    window().openHelp();
    ui::SensitivityDialog* experiment = window().openExperiment();
    collect(experiment);
    experiment->close();
    collect(window().findChild<ui::HelpDialog*>());

    texts.removeAll(QString());
    EXPECT_GE(texts.size(), 200);
    QStringList russian;
    for (const QString& text : texts)
        if (hasCyrillic(text))
            russian << text.left(120);
    russian.removeDuplicates();
    EXPECT_EQ(russian, QStringList());
}

INSTANTIATE_TEST_SUITE_P(English, EnglishWindow, ::testing::Values("en"));

// The same presses in the two languages give the same numbers and the same pictures: the
// language changes words, never digits (the separator follows the locale, not the language).
TEST(LanguageSwitch, ChangesNoNumber) {
    auto run = [](const char* language) {
        EXPECT_TRUE(ui::installLanguage(*QCoreApplication::instance(), language));
        Form1 window;
        window.findChild<QLineEdit*>(QStringLiteral("txtTint"))->setText(QStringLiteral("20"));
        QStringList numbers;
        QList<QImage> pictures;
        for (const char* scene : {"optCel", "optBigCel"}) {
            window.findChild<QRadioButton*>(QString::fromLatin1(scene))->click();
            for (const QString& block : blockButtonNames()) {
                ModalWatcher watcher;
                window.findChild<QPushButton*>(block)->click();
                for (const char* name : {"lblTa1", "lblTa2", "lblmo", "lblmo1", "lblexit",
                                         "lblEnterT", "lblEnter", "lblRmax"}) {
                    QString text = window.findChild<QLabel*>(QString::fromLatin1(name))->text();
                    // The range: the number after "Rmax=" (the sentence before it names
                    // the detection probability in words of its language).
                    text = text.mid(text.lastIndexOf(QLatin1Char('=')) + 1);
                    text.remove(QRegularExpression(QStringLiteral("[^0-9,.+\\-]")));
                    numbers << text;
                }
                pictures
                    << window.findChild<canvas::PictureBox*>(QStringLiteral("PicRes"))->picture();
            }
        }
        ui::installLanguage(*QCoreApplication::instance(), "ru");
        return std::make_pair(numbers, pictures);
    };
    const auto russian = run("ru");
    const auto english = run("en");
    EXPECT_EQ(russian.first, english.first);
    ASSERT_EQ(russian.second.size(), english.second.size());
    for (qsizetype k = 0; k < russian.second.size(); ++k)
        EXPECT_TRUE(russian.second[k] == english.second[k]) << "picture " << k;
    EXPECT_TRUE(russian.first.contains(QStringLiteral("303,6")))
        << russian.first.join(' ').toStdString();
}

} // namespace
