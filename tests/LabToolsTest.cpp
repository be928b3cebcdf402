// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture's tools for lab work through the window: the context menu with its four
// actions, the data export (disabled with an empty picture, the file the record gives,
// a failed write said), the readout that follows the mouse, and the experiment's dialog
// (its table, the window's next readings untouched, "Стоп", a fault reported once).

#include "WindowFixture.h"
#include "model/Numbers.h"
#include "model/Radiometer.h"
#include "ui/PictureTools.h"
#include "ui/SensitivityDialog.h"
#include "views/PlotExport.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>

namespace {

using window_testing::ModalWatcher;
using window_testing::WindowTest;

class LabTools : public WindowTest {
protected:
    ui::PictureTools& tools() { return *window().pictureTools(); }

    // Waits (handling events) until the experiment is done or a limit passes.
    static bool waitFor(const std::function<bool()>& done, int milliseconds = 60000) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < milliseconds)
            QTest::qWait(10);
        return done();
    }
};

TEST_F(LabTools, ContextMenuHasTheToolsOfALabClass) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                            picture()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(picture(), &event);
    QMenu* menu = nullptr; // the one that opened (the receiver's submenu is a child too)
    for (QMenu* child : picture()->findChildren<QMenu*>())
        if (child->isVisible())
            menu = child;
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 12);
    const struct {
        const char* name;
        const char* text;
        QKeySequence key;
    } expected[] = {
        {"actCopyPicture", "Копировать", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"actSavePicture", "Сохранить как…", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"actSaveData", "Сохранить данные…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"actSensitivity", "Опыт: чувствительность и время накопления…",
         QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"actOpenSetup", "Открыть установку…", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"actSaveSetup", "Сохранить установку…", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S)},
        {"actReport", "Отчёт…", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"actPrintReport", "Напечатать отчёт…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {"actValueTable", "Таблица значений…", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"actHighContrast", "Высокая контрастность", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H)},
        {"", "Модель приёмника", QKeySequence()}, // the submenu of the receiver's model
        {"actHelp", "Справка", QKeySequence(Qt::Key_F1)},
    };
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(items[k]->objectName().toStdString(), expected[k].name);
        EXPECT_EQ(items[k]->text().toStdString(), expected[k].text);
        EXPECT_EQ(items[k]->shortcut(), expected[k].key);
    }
    menu->close();
}

TEST_F(LabTools, DataExportIsDisabledUntilAPictureAndWritesItsRecord) {
    QAction* save = find<QAction>("actSaveData");
    EXPECT_FALSE(save->isEnabled());
    press("btnap");
    EXPECT_TRUE(save->isEnabled());

    QTemporaryDir folder;
    int questions = 0;
    QString answer = folder.filePath(QStringLiteral("запись"));
    tools().setFileQuestion([&](const QString&, const QString&, const QString& filter) {
        ++questions;
        EXPECT_EQ(filter.toStdString(), "Данные CSV (*.csv)");
        return answer;
    });
    ModalWatcher watcher;
    save->trigger();
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(watcher.messages().empty());
    QFile written(answer + QStringLiteral(".csv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_EQ(bytes.toStdString(), views::plotCsv(tools().record(), ','));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 10001);

    // Cancelled: nothing written. A failed write says why.
    answer.clear();
    save->trigger();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
    answer = folder.filePath(QStringLiteral("нет/такой/папки.csv"));
    save->trigger();
    ASSERT_EQ(watcher.messages().size(), 1u);
    EXPECT_EQ(watcher.messages()[0].title.toStdString(), "Ошибка записи");
    EXPECT_TRUE(
        watcher.messages()[0].text.startsWith(QStringLiteral("Не удалось записать данные")));
}

TEST_F(LabTools, DataInAnEnglishLocaleHasCommasBetweenFieldsAndDecimalPoints) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    press("btnUVF");
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("uhf.csv"));
    ASSERT_TRUE(tools().saveData(file));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")); // UTF-8, marked as such for spreadsheets
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 10002);
    EXPECT_EQ(lines[0], QStringLiteral("Отсчёт,Значение,Вход"));
    const QStringList cells = lines[1].split(QLatin1Char(','));
    ASSERT_EQ(cells.size(), 3);
    EXPECT_EQ(cells[0], QStringLiteral("1"));
    EXPECT_EQ(cells[1].toStdString(), model::formatNumber(tools().record().points[0].y, '.'));
    EXPECT_EQ(cells[2], QStringLiteral("1"));
}

// A flat curve's scale has no height: the readout still reads its x and its level.
TEST_F(LabTools, FlatScaleStillReadsThePosition) {
    picture()->setScale(0, 5, 10, 5);
    const auto user = picture()->userPoint(QPointF(picture()->width() / 2.0, 100));
    ASSERT_TRUE(user.has_value());
    EXPECT_NEAR(user->x(), 5, 1e-9);
    EXPECT_EQ(user->y(), 5);
}

// The widget points are worked out by hand from each view's scale over the 649 × 249
// picture, not with the picture's own conversion.
TEST_F(LabTools, ReadoutFollowsTheMouseInTheViewsUnits) {
    ASSERT_EQ(picture()->size(), QSize(649, 249));
    EXPECT_TRUE(tools().readoutAt(QPointF(100, 100)).isEmpty()); // nothing drawn yet

    press("btnmod"); // (0, 20) at the top left, (4, 0) at the bottom right
    EXPECT_EQ(tools().readoutAt(QPointF(1.5 / 4 * 649, 5.0 / 20 * 249)).toStdString(),
              "x = 1,5; y = 15");

    press("btnap"); // (0, 350) to (10000, −350)
    const QPointF at(2600.0 / 10000 * 649, 250.0 / 700 * 249);
    const QString text = tools().readoutAt(at);
    const double sample = tools().record().points[2600 - 1].y;
    EXPECT_TRUE(text.startsWith(QStringLiteral("x = 2600; y = 100"))) << text;
    EXPECT_TRUE(text.endsWith(
        QString::fromStdString("отсчёт 2600: " + model::formatNumber(sample, ',') + " (вход 2)")))
        << text;
    // The last sample at the right edge, the first at the left.
    EXPECT_TRUE(tools().readoutAt(QPointF(649, 124.5)).contains(QStringLiteral("отсчёт 10000:")));
    EXPECT_TRUE(tools().readoutAt(QPointF(0, 124.5)).contains(QStringLiteral("отсчёт 1:")));

    // The tool tip shows it where the mouse moves.
    QMouseEvent move(QEvent::MouseMove, at, picture()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture(), &move);
    EXPECT_EQ(QToolTip::text(), text);

    // The summator at 50 kHz: x counts the 21 samples accumulated in the first half-period.
    type("txtTint", QStringLiteral("2"));
    press("btnsum");
    const QString summed = tools().readoutAt(QPointF(10.0 / 21 * 649, 100));
    EXPECT_TRUE(summed.startsWith(QStringLiteral("накоплено 10; y = "))) << summed;
    EXPECT_TRUE(summed.endsWith(QString::fromStdString(
        "среднее 10 отсчётов: " + model::formatNumber(tools().record().runningMeans[9], ','))))
        << summed;
}

// «Модель приёмника»: its items switch the receiver, and the caption names it.
TEST_F(LabTools, TheReceiverMenuChoosesTheCalibratedModel) {
    auto* submenu = picture()->findChild<QMenu*>(QStringLiteral("mnuReceiver"));
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(submenu->title().toStdString(), "Модель приёмника");
    QStringList items;
    for (QAction* action : submenu->actions())
        items << action->text();
    EXPECT_EQ(items, (QStringList{QStringLiteral("Учебная (как в курсе)"),
                                  QStringLiteral("Калиброванная"),
                                  QStringLiteral("Без модуляции (полная мощность)")}));
    QAction* calibrated = find<QAction>("actCalibratedModel");
    QAction* totalPower = find<QAction>("actTotalPower");
    EXPECT_FALSE(totalPower->isEnabled());
    calibrated->trigger();
    EXPECT_TRUE(calibrated->isChecked());
    EXPECT_FALSE(find<QAction>("actCourseModel")->isChecked());
    EXPECT_TRUE(window().windowTitle().endsWith(QStringLiteral(" — калиброванная модель")));
    totalPower->trigger();
    EXPECT_TRUE(window().windowTitle().endsWith(QStringLiteral("полная мощность")));
    press("btnsum");
    EXPECT_FALSE(label("lblexit")->text().isEmpty());
    find<QAction>("actCourseModel")->trigger();
    EXPECT_FALSE(window().windowTitle().contains(QStringLiteral("калиброванная")));
}

// The experiment's dialog, with small settings so that it ends quickly.
class Experiment : public LabTools {
protected:
    ui::SensitivityDialog* openSmall(int largestIndex = 1, int presses = 4) {
        ui::SensitivityDialog* dialog = window().openExperiment();
        dialog->findChild<QComboBox*>(QStringLiteral("cboLargest"))->setCurrentIndex(largestIndex);
        dialog->findChild<QSpinBox*>(QStringLiteral("spnPresses"))->setValue(presses);
        return dialog;
    }
    static QTableWidget* table(ui::SensitivityDialog* dialog) {
        return dialog->findChild<QTableWidget*>(QStringLiteral("tblSensitivity"));
    }
    static QPushButton* startButton(ui::SensitivityDialog* dialog) {
        return dialog->findChild<QPushButton*>(QStringLiteral("btnStart"));
    }
};

TEST_F(Experiment, ATableOfEveryTimeWithThePotentialOfTheFormula) {
    QAction* open = find<QAction>("actSensitivity");
    open->trigger();
    ui::SensitivityDialog* dialog = window().experiment();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgSensitivity"));
    EXPECT_FALSE(dialog->isModal());
    // A window of its own: not a child of the main window, so never held above it.
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    openSmall(1, 4); // up to 20 ms: 2, 5, 10, 20
    startButton(dialog)->click();
    EXPECT_FALSE(startButton(dialog)->isEnabled());
    ASSERT_TRUE(waitFor([dialog] { return !dialog->running(); }));
    QTest::qWait(20); // the last queued rows
    EXPECT_TRUE(startButton(dialog)->isEnabled());
    QTableWidget* rows = table(dialog);
    ASSERT_EQ(rows->rowCount(), 4);
    ASSERT_EQ(rows->columnCount(), 7);
    EXPECT_EQ(rows->horizontalHeaderItem(0)->text().toStdString(), "Опыт");
    EXPECT_EQ(rows->horizontalHeaderItem(1)->text().toStdString(), "Время накопления, мс");
    EXPECT_EQ(rows->horizontalHeaderItem(2)->text().toStdString(), "Реальная чувствительность, К");
    EXPECT_EQ(rows->horizontalHeaderItem(4)->text().toStdString(),
              "Потенциальная чувствительность, К");
    EXPECT_EQ(rows->horizontalHeaderItem(5)->text().toStdString(),
              "Измеренная разность антенных температур, К");
    const double tsys = model::systemTemperature(100, 304);
    const double times[] = {2, 5, 10, 20};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(rows->item(row, 0)->text().toStdString(), "1");
        EXPECT_EQ(rows->item(row, 1)->text().toStdString(), model::formatNumber(times[row], ','));
        // Six significant digits in a cell, the whole number in the CSV.
        const double potential = model::potentialSensitivity(tsys, times[row]);
        EXPECT_EQ(rows->item(row, 4)->text().toStdString(), model::formatNumber(potential, ',', 6));
        EXPECT_LE(rows->item(row, 4)->text().size(), 8);
    }
}

// «Модуляция и полная мощность»: one start, two runs of the calibrated receiver, the
// modulated one and the total-power one, each with its rows and its name.
TEST_F(Experiment, TheSwitchingExperimentRunsBothReceivers) {
    ui::SensitivityDialog* dialog = openSmall(1, 3);
    auto* kind = dialog->findChild<QComboBox*>(QStringLiteral("cboExperiment"));
    ASSERT_EQ(kind->count(), 2);
    EXPECT_EQ(kind->itemText(1).toStdString(), "Модуляция и полная мощность");
    kind->setCurrentIndex(1);
    startButton(dialog)->click();
    ASSERT_TRUE(waitFor([dialog] { return !dialog->running(); }));
    QTest::qWait(20);
    ASSERT_EQ(dialog->log().runs().size(), 2u);
    EXPECT_EQ(table(dialog)->rowCount(), 8);
    const auto& runs = dialog->log().runs();
    EXPECT_EQ(runs[0].settings.texts.receiver, views::ReceiverModel::Calibrated);
    EXPECT_EQ(runs[0].settings.texts.switching, model::Switching::Modulated);
    EXPECT_EQ(runs[1].settings.texts.switching, model::Switching::TotalPower);
    EXPECT_NE(runs[1].name.find("полная мощность"), std::string::npos) << runs[1].name;
    EXPECT_TRUE(runs[1].rows.front().acrossPresses);
    EXPECT_EQ(window().window().receiver(), views::ReceiverModel::Course); // the window's own
}

// A second run adds its rows under the first's and its series beside them, named with its
// number and what differs; the saved chart carries the fitted slopes under it.
TEST_F(Experiment, EveryRunStaysInTheTableAndTheChartSavesItsSlope) {
    auto* dialog = openSmall(1, 3); // 2, 5, 10, 20 ms
    const auto finished = [dialog] {
        return !dialog->running() && startButton(dialog)->isEnabled();
    };
    startButton(dialog)->click();
    ASSERT_TRUE(waitFor(finished));
    type("txtTprm", QStringLiteral("200"));
    startButton(dialog)->click();
    ASSERT_TRUE(waitFor(finished));
    QTest::qWait(20);
    QTableWidget* rows = table(dialog);
    ASSERT_EQ(rows->rowCount(), 8);
    EXPECT_EQ(rows->item(3, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(rows->item(4, 0)->text(), QStringLiteral("2"));
    ASSERT_EQ(dialog->log().runs().size(), 2u);
    EXPECT_EQ(dialog->log().runs()[0].name, "Опыт 1: 50кГц, протяжённая цель");
    EXPECT_EQ(dialog->log().runs()[1].name, "Опыт 2: Т-ра вн.шума, К = 200");
    QStringList names;
    for (QAbstractSeries* series : dialog->findChild<QChartView*>()->chart()->series())
        names << series->name();
    EXPECT_EQ(names.filter(QStringLiteral("Опыт 2: Т-ра вн.шума, К = 200: среднее")).size(), 1)
        << names.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(names.filter(QStringLiteral("Опыт 2: σ = ")).size(), 1)
        << names.join(QStringLiteral(" | ")).toStdString();

    const auto* slope = dialog->findChild<QLabel*>(QStringLiteral("lblSlope"));
    EXPECT_TRUE(slope->text().contains(QStringLiteral("опыт 2: -0,"))) << slope->text();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("опыт.png"));
    ASSERT_TRUE(dialog->saveChart(file));
    const QImage saved(file);
    const QWidget* pane = dialog->findChild<QWidget*>(QStringLiteral("wgtChart"));
    EXPECT_EQ(saved.size(), pane->size() * pane->devicePixelRatioF());
    EXPECT_GT(pane->height(), dialog->findChild<QChartView*>()->height()); // the slope too
    dialog->close();
}

TEST(ExperimentPlacement, BesideTheMainWindowWhereTheScreenAllows) {
    const QSize wanted(900, 700);
    const QSize minimum(560, 420);
    const QRect window(0, 0, 800, 600); // the main window's frame
    const struct {
        const char* what;
        QRect available;
        QRect main;
        QRect expected;
    } cases[] = {
        {"1920 × 1080: to the right", {0, 0, 1920, 1040}, window, {800, 0, 900, 700}},
        {"right edge of a wide screen: to the left",
         {0, 0, 1920, 1040},
         window.translated(1100, 100),
         {200, 100, 900, 700}},
        {"1280 × 1024: what is left to the right, as wide as it may be",
         {0, 0, 1280, 1000},
         window,
         {720, 0, 560, 700}},
        {"1024 × 768: narrowed, at the right edge, as low as the screen",
         {0, 0, 1024, 740},
         window.translated(0, 100),
         {464, 40, 560, 700}},
        {"a window at the right: its left is wider",
         {0, 0, 1280, 1000},
         window.translated(480, 0),
         {0, 0, 560, 700}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::besideMainWindow(c.main, c.available, wanted, minimum), c.expected) << c.what;
}

TEST_F(Experiment, TheWindowsNextReadingsAreTheSameAsWithoutIt) {
    press("btnsum");
    auto* dialog = openSmall();
    startButton(dialog)->click();
    ASSERT_TRUE(waitFor([dialog] { return !dialog->running(); }));
    press("btnsum");
    const QString withExperiment = label("lblexit")->text();

    Form1 fresh;
    fresh.show();
    auto* summator = fresh.findChild<QPushButton*>(QStringLiteral("btnsum"));
    summator->click();
    summator->click();
    EXPECT_EQ(fresh.findChild<QLabel*>(QStringLiteral("lblexit"))->text(), withExperiment);
}

TEST_F(Experiment, StopLeavesTheRowsFinishedSoFar) {
    auto* dialog = openSmall(6, 20); // up to 1000 ms, twenty presses: about 1 s of work
    startButton(dialog)->click();
    ASSERT_TRUE(waitFor([dialog] { return table(dialog)->rowCount() >= 2 || !dialog->running(); }));
    dialog->findChild<QPushButton*>(QStringLiteral("btnStop"))->click();
    ASSERT_TRUE(waitFor([dialog] { return !dialog->running(); }, 5000));
    QTest::qWait(20);
    const int rows = table(dialog)->rowCount();
    EXPECT_GE(rows, 2);
    EXPECT_LT(rows, 9);
    EXPECT_EQ(dialog->log().rowCount(), rows);
    EXPECT_TRUE(startButton(dialog)->isEnabled());
}

TEST_F(Experiment, ClosingTheDialogStopsTheRun) {
    const std::pair<const char*, std::function<void(ui::SensitivityDialog*)>> ways[] = {
        {"the window manager's close", [](ui::SensitivityDialog* dialog) { dialog->close(); }},
        {"Esc", [](ui::SensitivityDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }},
    };
    for (const auto& [way, close] : ways) {
        auto* dialog = openSmall(6, 20); // about 1 s of work when nothing stops it
        startButton(dialog)->click();
        ASSERT_TRUE(dialog->running()) << way;
        close(dialog);
        EXPECT_FALSE(dialog->isVisible()) << way;
        ASSERT_TRUE(waitFor([dialog] { return !dialog->running(); }, 5000)) << way;
        QTest::qWait(20);
        EXPECT_LT(table(dialog)->rowCount(), 9) << way;
    }
}

TEST_F(Experiment, AFaultInAFieldIsReportedOnceAndNothingRuns) {
    type("txtF11", QStringLiteral("abc"));
    auto* dialog = openSmall();
    {
        ModalWatcher watcher;
        startButton(dialog)->click();
        QTest::qWait(50);
        ASSERT_EQ(watcher.messages().size(), 1u);
        EXPECT_TRUE(
            watcher.messages()[0].text.contains(QStringLiteral("«Частота  среза фильтра1, Гц»")));
    }
    EXPECT_FALSE(dialog->running());
    EXPECT_EQ(table(dialog)->rowCount(), 0);
    EXPECT_TRUE(startButton(dialog)->isEnabled());

    // A fault met while computing (no two-section filter) also once, and the run ends.
    type("txtF11", QStringLiteral("9500"));
    type("txtF22", QStringLiteral("0"));
    ModalWatcher computing;
    startButton(dialog)->click();
    ASSERT_TRUE(waitFor(
        [dialog, &computing] { return !dialog->running() && !computing.messages().empty(); }));
    QTest::qWait(50);
    ASSERT_EQ(computing.messages().size(), 1u);
    EXPECT_EQ(computing.messages()[0].title.toStdString(), "Ошибка расчёта");
    EXPECT_EQ(table(dialog)->rowCount(), 0);
}

} // namespace
