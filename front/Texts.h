// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of the window's tools and boxes beyond its controls, written once for both
// front ends: the beam-filling box, the progress of a long accumulation, the picture's
// context menu, the save questions and the sensitivity experiment. Header-only constants:
// any layer that shows one may include this file.

namespace front::texts {

// The point target fills the beam (an information box; the press goes on).
inline constexpr const char* kBeamFilledTitle = "Коэффициент заполнения луча больше единицы !";
inline constexpr const char* kBeamFilledText =
    "Для таких параметров это случай протяженной цели! Нажмите ОК для продолжения !";

// A long accumulation.
inline constexpr const char* kProgressTitle = "Сумматор";
inline constexpr const char* kProgressText = "Накопление…";
inline constexpr const char* kCancel = "Отмена";

// The page's «Выход» when the browser keeps the tab open.
inline constexpr const char* kExitPage = "Работа окончена: вкладку браузера можно закрыть.";
// The page could not put the picture on the clipboard.
inline constexpr const char* kCopyFailedTitle = "Ошибка копирования";
inline constexpr const char* kCopyFailedText =
    "Браузер не разрешил положить рисунок в буфер обмена. Сохраните его как файл (Ctrl+S).";

// The picture's context menu.
inline constexpr const char* kCopyPicture = "Копировать";
inline constexpr const char* kSavePicture = "Сохранить как…";
inline constexpr const char* kSaveData = "Сохранить данные…";
inline constexpr const char* kExperiment = "Опыт: чувствительность и время накопления";

// Saving: the question's title, the name it suggests, its filter, and what a failed write
// calls the thing.
inline constexpr const char* kSavePictureTitle = "Сохранить рисунок";
inline constexpr const char* kPictureFile = "veltrum.png";
inline constexpr const char* kPictureWhat = "рисунок";
inline constexpr const char* kSaveDataTitle = "Сохранить данные";
inline constexpr const char* kDataFile = "veltrum.csv";
inline constexpr const char* kDataWhat = "данные";
inline constexpr const char* kPngFilter = "Рисунок PNG (*.png)";
inline constexpr const char* kCsvFilter = "Данные CSV (*.csv)";
inline constexpr const char* kWriteErrorTitle = "Ошибка записи";
// %1 what, %2 the file, %3 why.
inline constexpr const char* kWriteErrorText = "Не удалось записать %1 в файл «%2».\n%3";

// The sensitivity experiment's window.
inline constexpr const char* kLargestTime = "Наибольшее время накопления, мс";
inline constexpr const char* kPressesPerTime = "Нажатий на каждое время";
inline constexpr const char* kStart = "Пуск";
inline constexpr const char* kStop = "Стоп";
inline constexpr const char* kClear = "Очистить";
inline constexpr const char* kSaveChart = "Сохранить график…";
inline constexpr const char* kSaveTable = "Сохранить таблицу…";
inline constexpr const char* kChartTitle = "Реальная и потенциальная чувствительность";
inline constexpr const char* kSensitivityAxis = "Чувствительность, К";
inline constexpr const char* kSaveChartTitle = "Сохранить график";
inline constexpr const char* kChartFile = "veltrum-опыт.png";
inline constexpr const char* kChartWhat = "график";
inline constexpr const char* kSaveTableTitle = "Сохранить таблицу";
inline constexpr const char* kTableFile = "veltrum-опыт.csv";
inline constexpr const char* kTableWhat = "таблицу";

} // namespace front::texts
