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

    // The widget point of a user point of the picture's scale in force: the scale is
    // linear in each direction, so two probes invert it.
    QPointF widgetPointOf(double x, double y) {
        const auto origin = *picture()->userPoint(QPointF(0, 0));
        const auto corner = *picture()->userPoint(QPointF(picture()->width(), picture()->height()));
        return {(x - origin.x()) / (corner.x() - origin.x()) * picture()->width(),
                (y - origin.y()) / (corner.y() - origin.y()) * picture()->height()};
    }

    // Waits (handling events) until the experiment is done or a limit passes.
    static bool waitFor(const std::function<bool()>& done, int milliseconds = 60000) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < milliseconds)
            QTest::qWait(10);
        return done();
    }
};

TEST_F(LabTools, ContextMenuHasCopySaveDataAndTheExperiment) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                            picture()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(picture(), &event);
    auto* menu = picture()->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
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
    };
    for (int k = 0; k < 4; ++k) {
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

TEST_F(LabTools, ReadoutFollowsTheMouseInTheViewsUnits) {
    EXPECT_TRUE(tools().readoutAt(QPointF(100, 100)).isEmpty()); // nothing drawn yet

    press("btnmod");
    EXPECT_EQ(tools().readoutAt(widgetPointOf(1.5, 15)).toStdString(), "x = 1,5; y = 15");

    press("btnap");
    const QPointF at = widgetPointOf(2600, 100);
    const QString text = tools().readoutAt(at);
    const double sample = tools().record().points[2600 - 1].y;
    EXPECT_TRUE(text.startsWith(QStringLiteral("x = 2600; y = 100"))) << text;
    EXPECT_TRUE(text.endsWith(
        QString::fromStdString("отсчёт 2600: " + model::formatNumber(sample, ',') + " (вход 2)")))
        << text;

    // The tool tip shows it where the mouse moves.
    QMouseEvent move(QEvent::MouseMove, at, picture()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture(), &move);
    EXPECT_EQ(QToolTip::text(), text);

    type("txtTint", QStringLiteral("2"));
    press("btnsum");
    const QString summed = tools().readoutAt(widgetPointOf(10, 0));
    EXPECT_TRUE(summed.startsWith(QStringLiteral("накоплено 10; y = 0"))) << summed;
    EXPECT_TRUE(summed.contains(QStringLiteral("среднее 10 отсчётов: "))) << summed;
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
    auto* dialog = window().findChild<ui::SensitivityDialog*>(QStringLiteral("dlgSensitivity"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parent(), &window());
    openSmall(1, 4); // up to 20 ms: 2, 5, 10, 20
    startButton(dialog)->click();
    EXPECT_FALSE(startButton(dialog)->isEnabled());
    ASSERT_TRUE(waitFor([dialog] { return !dialog->running(); }));
    QTest::qWait(20); // the last queued rows
    EXPECT_TRUE(startButton(dialog)->isEnabled());
    QTableWidget* rows = table(dialog);
    ASSERT_EQ(rows->rowCount(), 4);
    ASSERT_EQ(rows->columnCount(), 6);
    EXPECT_EQ(rows->horizontalHeaderItem(0)->text().toStdString(), "Время накопления, мс");
    EXPECT_EQ(rows->horizontalHeaderItem(1)->text().toStdString(), "Реальная чувствительность, К");
    EXPECT_EQ(rows->horizontalHeaderItem(3)->text().toStdString(),
              "Потенциальная чувствительность, К");
    EXPECT_EQ(rows->horizontalHeaderItem(4)->text().toStdString(),
              "Измеренная разность антенных температур, К");
    const double tsys = model::systemTemperature(100, 304);
    const double times[] = {2, 5, 10, 20};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(rows->item(row, 0)->text().toStdString(), model::formatNumber(times[row], ','));
        EXPECT_EQ(rows->item(row, 3)->text().toStdString(),
                  model::formatNumber(model::potentialSensitivity(tsys, times[row]), ','));
    }
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
    EXPECT_EQ(static_cast<int>(dialog->rows().size()), rows);
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
