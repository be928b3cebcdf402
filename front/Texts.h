// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "i18n/Translate.h"
// The texts of the window's tools and boxes beyond its controls, written once for both
// front ends: the beam-filling box, the progress of a long accumulation, the picture's
// context menu, the guide, the save questions and the sensitivity experiment.
// Header-only constants: any layer that shows one may include this file.

namespace front::texts {

// The point target fills the beam (an information box; the press goes on).
inline constexpr const char* kBeamFilledTitle =
    VT_NOOP("Veltrum", "Коэффициент заполнения луча больше единицы !");
inline constexpr const char* kBeamFilledText = VT_NOOP(
    "Veltrum", "Для таких параметров это случай протяженной цели! Нажмите ОК для продолжения !");

// A long accumulation.
inline constexpr const char* kProgressTitle = VT_NOOP("Veltrum", "Сумматор");
inline constexpr const char* kProgressText = VT_NOOP("Veltrum", "Накопление…");
inline constexpr const char* kCancel = VT_NOOP("Veltrum", "Отмена");
inline constexpr const char* kPressCancelled = VT_NOOP("Veltrum", "Накопление прервано");

// The page's «Выход» when the browser keeps the tab open.
inline constexpr const char* kExitPage =
    VT_NOOP("Veltrum", "Работа окончена: вкладку браузера можно закрыть.");
// The page could not put the picture on the clipboard.
inline constexpr const char* kCopyFailedTitle = VT_NOOP("Veltrum", "Ошибка копирования");
inline constexpr const char* kCopyFailedText = VT_NOOP(
    "Veltrum",
    "Браузер не разрешил положить рисунок в буфер обмена. Сохраните его как файл (Ctrl+S).");

// The picture's context menu.
inline constexpr const char* kCopyPicture = VT_NOOP("Veltrum", "Копировать");
inline constexpr const char* kSavePicture = VT_NOOP("Veltrum", "Сохранить как…");
inline constexpr const char* kSaveData = VT_NOOP("Veltrum", "Сохранить данные…");
inline constexpr const char* kExperiment =
    VT_NOOP("Veltrum", "Опыт: чувствительность и время накопления");

// The guide: the menu's item and the title of its dialog.
inline constexpr const char* kHelp = VT_NOOP("Veltrum", "Справка");
inline constexpr const char* kHelpTitle = VT_NOOP("Veltrum", "Справка Veltrum");
// The tools beyond the export: the picture's numbers as a table, the curve as a tone,
// the high-contrast look; the page's button that opens the picture's menu, its heading.
inline constexpr const char* kValueTable = VT_NOOP("Veltrum", "Таблица значений");
inline constexpr const char* kValueTableTitle =
    VT_NOOP("Veltrum", "Таблица значений осциллограммы");
inline constexpr const char* kListen = VT_NOOP("Veltrum", "Прослушать");
inline constexpr const char* kHighContrast = VT_NOOP("Veltrum", "Высокая контрастность");
inline constexpr const char* kToolsButton = VT_NOOP("Veltrum", "Инструменты");
inline constexpr const char* kClose = VT_NOOP("Veltrum", "Закрыть"); // a panel's close button
inline constexpr const char* kPageHeading =
    VT_NOOP("Veltrum", "Veltrum: модуляционный радиометр с борта самолёта");
// The receiver the presses compute: the picture menu's submenu and its items (the caption
// adds views::receiverName).
inline constexpr const char* kReceiverMenu = VT_NOOP("Veltrum", "Модель приёмника");
inline constexpr const char* kCourseModel = VT_NOOP("Veltrum", "Учебная (как в курсе)");
inline constexpr const char* kCalibratedModel = VT_NOOP("Veltrum", "Калиброванная");
inline constexpr const char* kTotalPower = VT_NOOP("Veltrum", "Без модуляции (полная мощность)");
// The page's language switch.
inline constexpr const char* kLanguage = VT_NOOP("Veltrum", "Язык");

// Saving: the question's title, the name it suggests, its filter, and what a failed write
// calls the thing.
inline constexpr const char* kSavePictureTitle = VT_NOOP("Veltrum", "Сохранить рисунок");
inline constexpr const char* kPictureFile = "veltrum.png";
inline constexpr const char* kPictureWhat = VT_NOOP("Veltrum", "рисунок");
inline constexpr const char* kSaveDataTitle = VT_NOOP("Veltrum", "Сохранить данные");
inline constexpr const char* kDataFile = "veltrum.csv";
inline constexpr const char* kDataWhat = VT_NOOP("Veltrum", "данные");
inline constexpr const char* kPngFilter = VT_NOOP("Veltrum", "Рисунок PNG (*.png)");
inline constexpr const char* kCsvFilter = VT_NOOP("Veltrum", "Данные CSV (*.csv)");
inline constexpr const char* kWriteErrorTitle = VT_NOOP("Veltrum", "Ошибка записи");
// %1 what, %2 the file, %3 why.
inline constexpr const char* kWriteErrorText =
    VT_NOOP("Veltrum", "Не удалось записать %1 в файл «%2».\n%3");

// The sensitivity experiment's window.
inline constexpr const char* kExperimentKind = VT_NOOP("Veltrum", "Опыт");
inline constexpr const char* kLargestTime = VT_NOOP("Veltrum", "Наибольшее время накопления, мс");
inline constexpr const char* kPressesPerTime = VT_NOOP("Veltrum", "Нажатий на каждое время");
inline constexpr const char* kStart = VT_NOOP("Veltrum", "Пуск");
inline constexpr const char* kStop = VT_NOOP("Veltrum", "Стоп");
inline constexpr const char* kClear = VT_NOOP("Veltrum", "Очистить");
inline constexpr const char* kSaveChart = VT_NOOP("Veltrum", "Сохранить график…");
inline constexpr const char* kSaveTable = VT_NOOP("Veltrum", "Сохранить таблицу…");
inline constexpr const char* kChartTitle =
    VT_NOOP("Veltrum", "Реальная и потенциальная чувствительность");
inline constexpr const char* kSensitivityAxis = VT_NOOP("Veltrum", "Чувствительность, К");
inline constexpr const char* kSaveChartTitle = VT_NOOP("Veltrum", "Сохранить график");
inline constexpr const char* kChartFile = VT_NOOP("Veltrum", "veltrum-опыт.png");
inline constexpr const char* kChartWhat = VT_NOOP("Veltrum", "график");
inline constexpr const char* kSaveTableTitle = VT_NOOP("Veltrum", "Сохранить таблицу");
inline constexpr const char* kTableFile = VT_NOOP("Veltrum", "veltrum-опыт.csv");
inline constexpr const char* kTableWhat = VT_NOOP("Veltrum", "таблицу");

} // namespace front::texts
