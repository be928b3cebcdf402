// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop window as a screen reader and a keyboard user meet it, through Qt's
// accessibility interface: every control's name, the picture's name, description and
// focus, its menu from the keyboard, the announcement after a press, the value table and
// the high-contrast look.

#include "WindowFixture.h"
#include "front/Accessibility.h"
#include "front/ControlTable.h"
#include "ui/AccessibleTools.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

namespace {

using window_testing::WindowTest;

QString nameOf(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

TEST_F(WindowTest, EveryControlIsNamedForAScreenReader) {
    press("btnsum");
    const struct {
        const char* control;
        const char* name; // empty: any name, but one
    } expected[] = {
        {"txtTint", "Время накопления,мс"},
        {"txtT2", "Т-ра эквивалента, К"},
        {"txtdeltaf", "Δf, МГц"},
        {"btncap", "Разделительный конденсатор"},
        {"btnASP", "АЦП — аналого-цифровой преобразователь"},
        {"btnF1", "Фильтр однозвенный"},
        {"optBigCel", "Протяженная цель"},
        {"cmdExit", "Выход"},
        {"PicRes", "Эффект накопления теплового сигнала в сумматоре"},
    };
    for (const auto& row : expected)
        EXPECT_EQ(nameOf(find(QString::fromUtf8(row.control))), QString::fromUtf8(row.name))
            << row.control;
    // A result is named by its caption and its whole reading, however narrow its box.
    const QString measured = label(QStringLiteral("lblexit"))->text();
    EXPECT_EQ(nameOf(label(QStringLiteral("lblexit"))),
              QStringLiteral("Измеренная разность антенных температур: ") + measured +
                  QStringLiteral(" К"));
    for (const front::Control& control : front::formControls()) {
        const bool speaks =
            control.kind != front::Kind::Label && control.kind != front::Kind::Formula;
        if (speaks) {
            EXPECT_FALSE(nameOf(find(QString::fromUtf8(control.name))).isEmpty()) << control.name;
        }
    }
    // The list's name is its value on this desktop; its caption labels it.
    const auto labels = QAccessible::queryAccessibleInterface(find(QStringLiteral("cboFd")))
                            ->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QStringLiteral("Fдискретиз."));
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(picture());
    EXPECT_TRUE(shown->text(QAccessible::Description).contains(QStringLiteral("периодов")));
}

TEST_F(WindowTest, TheKeyboardReachesThePictureAndItsMenu) {
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    button(QStringLiteral("btnsum"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), picture());
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        QTest::keyClick(picture(), key, modifiers);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << key;
        QStringList names;
        for (QAction* action : menu->actions())
            names << action->objectName();
        EXPECT_TRUE(names.contains(QStringLiteral("actValueTable")));
        EXPECT_TRUE(names.contains(QStringLiteral("actHighContrast")));
        menu->close();
    }
}

TEST_F(WindowTest, APressIsAnnouncedOnceWithItsTitleAndReadings) {
    auto* announcer = window().findChild<ui::Announcer*>(QStringLiteral("announcer"));
    ASSERT_NE(announcer, nullptr);
    QStringList said;
    QObject::connect(announcer, &ui::Announcer::said,
                     [&said](const QString& text) { said << text; });
    press("btnUVF");
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("Осциллограмма на выходе УВЧ.")));
    EXPECT_TRUE(said[0].contains(label(QStringLiteral("lblTa1"))->text()));
    EXPECT_TRUE(said[0].contains(label(QStringLiteral("lblTa2"))->text()));
    // The screen reader hears an alert named by what was said.
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(announcer);
    EXPECT_EQ(heard->role(), QAccessible::AlertMessage);
    EXPECT_EQ(heard->text(QAccessible::Name), said[0]);
}

TEST_F(WindowTest, TheValueTableHoldsThePicturesNumbers) {
    press("btnDet");
    find<QAction>(QStringLiteral("actValueTable"))->trigger();
    auto* dialog = window().findChild<ui::ValueTableDialog*>(QStringLiteral("dlgValueTable"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    QTableWidget* table = dialog->table();
    const front::ValueTable expected = front::valueTable(window().window().record(), ',');
    ASSERT_EQ(table->rowCount(), static_cast<int>(expected.rows.size()));
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Отсчёт"));
    EXPECT_EQ(table->item(5, 1)->text(), QString::fromStdString(expected.rows[5][1]));
    dialog->close();
}

TEST_F(WindowTest, TheHighContrastLookDarkensTextsAndTracesAndIsRemembered) {
    press("btnap");
    const QImage before = picture()->grab().toImage();
    QAction* look = find<QAction>(QStringLiteral("actHighContrast"));
    ASSERT_TRUE(look->isCheckable());
    look->trigger();
    EXPECT_TRUE(look->isChecked());
    EXPECT_TRUE(ui::rememberedHighContrast());
    for (const front::Control& control : front::formControls()) {
        if (control.kind != front::Kind::Label && control.kind != front::Kind::ResultLabel)
            continue;
        const QRgb text = find(QString::fromUtf8(control.name))
                              ->palette()
                              .color(QPalette::Active, QPalette::WindowText)
                              .rgb();
        const QRgb under = control.background ? control.background : front::kLightGrey;
        EXPECT_GE(front::contrastRatio(text, under), front::kTextContrast) << control.name;
    }
    // The default traces, light blue and yellow, no longer appear: they are darkened.
    const QImage after = picture()->grab().toImage();
    int pale = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            const QRgb pixel = after.pixel(x, y) | 0xff000000u;
            pale += pixel == 0xff00ffffu || pixel == 0xffffff00u;
        }
    EXPECT_EQ(pale, 0);
    look->trigger();
    EXPECT_FALSE(ui::rememberedHighContrast());
    EXPECT_EQ(picture()->grab().toImage(), before);
}

} // namespace
