// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard where the student types: after a warning the focus is on the field it
// names with its text selected; the picture's tools answer their shortcuts while a field
// has the focus, and the field keeps its own editing keys; a box nobody expected is
// closed and reported instead of hanging the test.

#include "WindowFixture.h"
#include "canvas/qt/PictureBox.h"
#include "front/ControlTable.h"
#include "ui/PictureTools.h"
#include "ui/SensitivityDialog.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

using window_testing::ModalWatcher;
using window_testing::WindowTest;

// A widget that claims every control key for itself, as a field does on an X11 desktop,
// whose key scheme gives it Ctrl+E (the end of the line) and more.
class ClaimsControlKeys : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::ControlModifier)) {
            event->accept();
            return true;
        }
        return false;
    }
};

class WindowKeyboard : public WindowTest {
protected:
    void activate() {
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
};

TEST_F(WindowKeyboard, AfterAWarningTheFocusIsOnTheFieldItNamesWithItsTextSelected) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* button; // or the side-lobe box
        const char* focused;
    };
    const Case cases[] = {
        {"a text that is not a number", {{"txtKp", "четыре"}}, "btnUVF", "txtKp"},
        {"an accumulation below one period", {{"txtTint", "0,5"}}, "btnsum", "txtTint"},
        {"an overflow deep in the chain", {{"txtF22", "1e7"}}, "btnASP", "txtF22"},
        {"an overflow in the summator", {{"txtdeltaf", "1e306"}}, "btnsum", "txtdeltaf"},
        {"no two-section filter output: the first filter named",
         {{"txtF11", "0"}},
         "btnsum",
         "txtF11"},
        {"the point target's height", {{"txtVisota", "0"}}, "optCel:btnmod", "txtVisota"},
        {"β that is not a number", {{"txtBetta", "0,1,"}}, "chkLepestok", "txtBetta"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        activate();
        for (const auto& [name, text] : c.typed)
            type(name, QString::fromUtf8(text));
        field("txtT1")->setFocus(); // the focus is somewhere else before the press
        ModalWatcher watcher;
        const QString control = QString::fromLatin1(c.button);
        if (control.startsWith(QStringLiteral("optCel:"))) {
            find<QRadioButton>(QStringLiteral("optCel"))->click();
            button(control.mid(7))->click();
        } else if (control == QStringLiteral("chkLepestok")) {
            find<QCheckBox>(control)->click();
        } else {
            button(control)->click();
        }
        ASSERT_EQ(watcher.messages().size(), 1u);
        QTest::qWait(20);
        QLineEdit* named = field(QString::fromLatin1(c.focused));
        EXPECT_EQ(window().focusWidget(), named) << watcher.messages()[0].text;
        EXPECT_EQ(named->selectedText(), named->text());
        for (const auto& [name, text] : c.typed)
            type(name, QString::fromUtf8(front::controlText(name).c_str()));
        find<QRadioButton>(QStringLiteral("optBigCel"))->click();
    }
}

TEST_F(WindowKeyboard, ThePicturesToolsAnswerTheirShortcutsFromAField) {
    press("btnap"); // a picture, so that its data can be saved
    activate();
    int pictureQuestions = 0;
    int dataQuestions = 0;
    picture()->exporter().setFileQuestion([&](const QString&, const QString&, const QString&) {
        ++pictureQuestions;
        return QString(); // cancelled: nothing written
    });
    window().pictureTools()->setFileQuestion([&](const QString&, const QString&, const QString&) {
        ++dataQuestions;
        return QString();
    });
    const struct {
        const char* what;
        QKeyCombination key;
        std::function<bool()> answered;
    } shortcuts[] = {
        {"Ctrl+S", Qt::CTRL | Qt::Key_S, [&] { return pictureQuestions == 1; }},
        {"Ctrl+Shift+S", Qt::CTRL | Qt::SHIFT | Qt::Key_S, [&] { return dataQuestions == 1; }},
        {"Ctrl+E", Qt::CTRL | Qt::Key_E,
         [&] { return window().experiment() && window().experiment()->isVisible(); }},
    };
    QLineEdit* edit = field(QStringLiteral("txtTprm"));
    ClaimsControlKeys claims;
    edit->installEventFilter(&claims);
    for (const auto& shortcut : shortcuts) {
        SCOPED_TRACE(shortcut.what);
        activate();
        edit->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, shortcut.key.key(), shortcut.key.keyboardModifiers());
        EXPECT_TRUE(shortcut.answered());
        EXPECT_EQ(edit->text(), QStringLiteral("100"));
    }
    window().experiment()->close();
}

TEST_F(WindowKeyboard, AFieldKeepsItsOwnEditingKeys) {
    activate();
    QLineEdit* edit = field(QStringLiteral("txtT1"));
    ClaimsControlKeys claims;
    edit->installEventFilter(&claims);
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier); // select all
    EXPECT_EQ(edit->selectedText(), QStringLiteral("304"));
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("304"));
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull()); // not the picture
    QGuiApplication::clipboard()->setText(QStringLiteral("250,5"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("250,5"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("304"));
    EXPECT_EQ(window().experiment(), nullptr);
}

// The guard every window test has: a box no ModalWatcher expects is closed and noted.
TEST(UnexpectedModalGuard, ClosesABoxNobodyExpectedAndNotesIt) {
    window_testing::UnexpectedModalGuard guard;
    QMessageBox::warning(nullptr, QStringLiteral("Ошибка расчёта"), QStringLiteral("нежданное"));
    ASSERT_EQ(guard.seen().size(), 1);
    EXPECT_EQ(guard.seen().front(), QStringLiteral("Ошибка расчёта: нежданное"));
}

} // namespace
