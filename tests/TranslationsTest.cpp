// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program on the desktop: Qt's own texts in Russian once the translation is
// installed, and the window's icon.

#include "ui/Translations.h"
#include "ui/Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(QtTranslations, StandardButtonsReadInRussian) {
    ASSERT_TRUE(ui::installQtTranslations(*QCoreApplication::instance()))
        << "qtbase_ru.qm is missing from Qt's translations folder";
    const struct {
        QDialogButtonBox::StandardButton button;
        const char* text;
    } kButtons[] = {
        {QDialogButtonBox::Cancel, "Отмена"},
        {QDialogButtonBox::Save, "Сохранить"},
        {QDialogButtonBox::Close, "Закрыть"},
    };
    QDialogButtonBox box;
    for (const auto& row : kButtons) {
        QAbstractButton* button = box.addButton(row.button);
        EXPECT_EQ(button->text().remove(QLatin1Char('&')).toStdString(), row.text);
    }
}

TEST(QtTranslations, MessageBoxOfTheWindowHasARussianButton) {
    ASSERT_TRUE(ui::installQtTranslations(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, QStringLiteral("?"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')).toStdString(), "Да");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')).toStdString(), "Нет");
}

TEST(DesktopLook, WindowHasTheProgramsIcon) {
    Form1 window;
    const QIcon icon = window.windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(QSize(32, 32)).toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_NE(image.pixel(16, 16), image.pixel(0, 0)); // drawn, not empty
}

} // namespace
