// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Translations.h"

#include "i18n/Translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

QString text(const char* source) {
    return QString::fromStdString(i18n::tr(source));
}

char localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point == QStringLiteral(",") || point == QStringLiteral("."))
        return point.at(0).toLatin1();
    return '.';
}

bool installQtTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    const bool loaded =
        translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace ui
