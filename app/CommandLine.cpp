// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "front/Batch.h"
#include "front/Languages.h"
#include "front/Setup.h"
#include "i18n/Translate.h"
#include "ui/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace app {

bool answersWithoutWindow(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k)
        for (const char* option : {"--batch", "-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[k], option) == 0)
                return true;
    return false;
}

std::optional<std::string> languageOption(int argc, char* argv[]) {
    std::optional<std::string> code;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--") == 0)
            break;
        if (std::strcmp(argv[k], "--lang") == 0 && k + 1 < argc)
            code = argv[++k];
        else if (std::strncmp(argv[k], "--lang=", 7) == 0)
            code = argv[k] + 7;
    }
    return code;
}

bool startLanguage(QCoreApplication& application, int argc, char* argv[], bool window) {
    front::LanguageRequests requests;
    requests.option = languageOption(argc, argv);
    if (const char* environment = std::getenv("VELTRUM_LANG"))
        requests.environment = std::string(environment);
    // The batch mode does not read the language remembered for the window: a script gets
    // the same texts whoever last opened the window on this account.
    const bool batch = std::any_of(argv + 1, argv + argc, [](const char* given) {
        return std::strcmp(given, "--batch") == 0;
    });
    if (const std::string remembered = ui::rememberedLanguage(); !remembered.empty() && !batch)
        requests.remembered = remembered;
    const front::LanguageChoice choice = front::chooseLanguage(requests, ui::availableLanguages());
    if (!choice.problem.empty())
        std::cerr << "veltrum: " << choice.problem << '\n';
    if (choice.optionRefused)
        return false;
    ui::installLanguage(application, choice.code);
    if (choice.remember && window)
        ui::rememberLanguage(choice.code);
    return true;
}

namespace {

// A setup file's contents, or the reason it cannot be used (as the window says it).
std::optional<front::Setup> readSetupFile(const QString& fileName, QString& why) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        why = QString::fromStdString(front::setupRefusedMessage(
            QFileInfo(fileName).fileName().toStdString(), file.errorString().toStdString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(front::kLargestSetupFile) + 1);
    try {
        return front::readSetup(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const front::SetupError& error) {
        why = QString::fromStdString(
            front::setupRefusedMessage(QFileInfo(fileName).fileName().toStdString(), error.what()));
        return std::nullopt;
    }
}

} // namespace

Parsed parseCommandLine(QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(i18n::translate(
        "Veltrum",
        "Veltrum: учебный симулятор модуляционного радиометра.\n"
        "Без параметров открывает окно; с файлом установки открывает окно с ней.\n"
        "Пакетный режим нажимает блоки без окна и печатает показания, как их показывает окно:\n"
        "  veltrum --batch --setup ФАЙЛ --press btnsum [--press …] [--format json|csv]")));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        QString::fromStdString(i18n::translate(
            "Veltrum", "Пакетный режим: нажать блоки без окна и напечатать показания.")));
    const QCommandLineOption setup(
        QStringLiteral("setup"),
        QString::fromStdString(i18n::translate("Veltrum", "Установка для пакетного режима.")),
        QString::fromStdString(i18n::translate("Veltrum", "файл")));
    const QCommandLineOption press(
        QStringLiteral("press"),
        QString::fromStdString(
            i18n::translate("Veltrum", "Кнопка блока, которую нажать (можно несколько раз): ")) +
            QString::fromStdString([] {
                std::string names;
                for (const std::string& name : front::batchButtons())
                    names += (names.empty() ? "" : ", ") + name;
                return names;
            }()) +
            QStringLiteral("."),
        QString::fromStdString(i18n::translate("Veltrum", "кнопка")));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QString::fromStdString(i18n::translate(
            "Veltrum", "Вид показаний: json (строка на нажатие, по умолчанию) или csv.")),
        QStringLiteral("json|csv"), QStringLiteral("json"));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QString::fromStdString(
            i18n::arg(i18n::translate("Veltrum", "Язык программы: %1 (по умолчанию ru). С окном он "
                                                 "запоминается до следующего запуска."),
                      {[] {
                          std::string codes;
                          for (const std::string& code : ui::availableLanguages())
                              codes += (codes.empty() ? "" : ", ") + code;
                          return codes;
                      }()})),
        QString::fromStdString(i18n::translate("Veltrum", "язык")));
    const QCommandLineOption receiver(
        QStringLiteral("receiver"),
        QString::fromStdString(i18n::translate(
            "Veltrum", "Модель приёмника: course (учебная, по умолчанию) или calibrated "
                       "(калиброванная); главнее установки.")),
        QStringLiteral("course|calibrated"));
    const QCommandLineOption switching(
        QStringLiteral("switching"),
        QString::fromStdString(i18n::translate(
            "Veltrum", "Переключение калиброванной модели: modulated (с модуляцией, по умолчанию) "
                       "или total-power (без модуляции); главнее установки.")),
        QStringLiteral("modulated|total-power"));
    parser.addOptions({batch, setup, press, format, language, receiver, switching});
    parser.addPositionalArgument(
        QString::fromStdString(i18n::translate("Veltrum", "файл")),
        QString::fromStdString(i18n::translate("Veltrum", "Установка, которую открыть в окне.")),
        QString::fromStdString(i18n::translate("Veltrum", "[файл]")));
    parser.process(application); // --help and --version answer and end here

    Parsed parsed;
    if (parser.isSet(receiver)) {
        parsed.window.receiver = front::receiverOfWord(parser.value(receiver).toStdString());
        if (!parsed.window.receiver) {
            std::cerr << "veltrum: "
                      << i18n::translate("Veltrum", "--receiver course или --receiver calibrated")
                      << '\n';
            parsed.exitStatus = 1;
            return parsed;
        }
    }
    if (parser.isSet(switching)) {
        parsed.window.switching = front::switchingOfWord(parser.value(switching).toStdString());
        if (!parsed.window.switching) {
            std::cerr << "veltrum: "
                      << i18n::translate("Veltrum",
                                         "--switching modulated или --switching total-power")
                      << '\n';
            parsed.exitStatus = 1;
            return parsed;
        }
    }
    if (!parser.isSet(batch)) {
        if (parser.positionalArguments().size() > 1) {
            std::cerr << "veltrum: "
                      << i18n::translate("Veltrum", "можно открыть только одну установку") << '\n';
            parsed.exitStatus = 1;
            return parsed;
        }
        if (!parser.positionalArguments().isEmpty())
            parsed.window.setupFile = parser.positionalArguments().front();
        return parsed;
    }

    front::BatchRequest request;
    const QString formatName = parser.value(format);
    if (formatName != QStringLiteral("json") && formatName != QStringLiteral("csv")) {
        std::cerr << "veltrum: " << i18n::translate("Veltrum", "--format json или --format csv")
                  << '\n';
        parsed.exitStatus = 1;
        return parsed;
    }
    request.format =
        formatName == QStringLiteral("csv") ? front::BatchFormat::Csv : front::BatchFormat::Json;
    if (parser.isSet(setup)) {
        QString why;
        const std::optional<front::Setup> read = readSetupFile(parser.value(setup), why);
        if (!read) {
            std::cerr << why.toStdString() << '\n';
            parsed.exitStatus = 2;
            return parsed;
        }
        request.setup = *read;
    }
    if (parsed.window.receiver)
        request.setup.receiver = parsed.window.receiver;
    if (parsed.window.switching)
        request.setup.switching = parsed.window.switching;
    for (const QString& name : parser.values(press))
        request.presses.push_back(name.toStdString());
    request.decimalSeparator = ui::localeDecimalSeparator();
    parsed.exitStatus = front::runBatch(request, std::cout, std::cerr);
    return parsed;
}

} // namespace app
