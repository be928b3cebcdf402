// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Translations.h"

#include "front/Languages.h"
#include "i18n/Translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

#include <algorithm>

namespace ui {

namespace {

const QString kCatalogues = QStringLiteral(":/i18n");
const QString kLanguageKey = QStringLiteral("language");

// The translators this file installed, removed when another language is chosen.
std::vector<QPointer<QTranslator>>& installed() {
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

void removeInstalled() {
    for (const QPointer<QTranslator>& translator : installed()) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installed().clear();
}

bool installQtOwn(QCoreApplication& application, const std::string& code) {
    auto* translator = new QTranslator(&application);
    const bool loaded = translator->load(QStringLiteral("qtbase_") + QString::fromStdString(code),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed().emplace_back(translator);
    return true;
}

} // namespace

QString text(const char* source) {
    return QString::fromStdString(i18n::tr(source));
}

char localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point == QStringLiteral(",") || point == QStringLiteral("."))
        return point.at(0).toLatin1();
    return '.';
}

std::vector<std::string> availableLanguages() {
    std::vector<std::string> codes = {front::kSourceLanguage};
    const QStringList files =
        QDir(kCatalogues).entryList({QStringLiteral("veltrum_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const std::string code = file.mid(8, file.size() - 11).toStdString();
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(code);
    }
    return codes;
}

bool installLanguage(QCoreApplication& application, const std::string& code) {
    const std::vector<std::string> codes = availableLanguages();
    if (std::find(codes.begin(), codes.end(), code) == codes.end())
        return false;
    removeInstalled();
    i18n::setTranslator({});
    i18n::setLanguage(code);
    installQtOwn(application, code);
    if (code == front::kSourceLanguage)
        return true;

    auto* catalogue = new QTranslator(&application);
    if (!catalogue->load(QStringLiteral("veltrum_") + QString::fromStdString(code), kCatalogues) ||
        !QCoreApplication::installTranslator(catalogue)) {
        delete catalogue;
        i18n::setLanguage(front::kSourceLanguage);
        return false;
    }
    installed().emplace_back(catalogue);
    // The Qt-free layers look their texts up in the same catalogue. Qt's lookup is safe
    // from any thread (the experiment builds its texts off the window's thread).
    i18n::setTranslator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
    return true;
}

bool installQtTranslations(QCoreApplication& application) {
    return installQtOwn(application, front::kSourceLanguage);
}

std::string rememberedLanguage() {
    return QSettings().value(kLanguageKey).toString().toStdString();
}

void rememberLanguage(const std::string& code) {
    QSettings settings;
    settings.setValue(kLanguageKey, QString::fromStdString(code));
    settings.sync();
}

} // namespace ui
