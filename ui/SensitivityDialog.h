// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The radiometer equation as an experiment, in a window of its own beside the main window
// (never held above it, so that either can be in front): "Пуск"
// takes the window's fields at that moment and presses the summator many times for each
// accumulation time, in the background on every core; the table shows the real
// sensitivity (mean and spread of the presses), the potential one, the measured and the
// computed antenna-temperature difference; the chart puts every press's real sensitivity,
// their means and the potential sensitivity against τ on logarithmic axes, with the slope
// fitted from 10 ms on. Earlier runs stay, as further series and rows, until "Очистить".

#include "canvas/qt/PictureExport.h"
#include "model/ReceiverState.h"
#include "ui/RunSeries.h"
#include "views/Press.h"
#include "views/SensitivityExperiment.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QRect>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QAbstractSeries;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QLogValueAxis;
class QProgressBar;
class QPushButton;
class QScatterSeries;
class QSpinBox;
class QTableWidget;

namespace ui {

// The experiment's name: the dialog's title and, with "…", the action that opens it.
QString experimentTitle();

// Where a window of `wanted` size goes beside a main window whose frame is `main`, on a
// screen whose free area is `available`: to its right, else to its left, else on the
// side with more room, as narrow as `minimum` allows, covering as little of it as it can.
QRect besideMainWindow(const QRect& main, const QRect& available, const QSize& wanted,
                       const QSize& minimum);

class SensitivityDialog : public QDialog {
    Q_OBJECT

public:
    // fields and state give the window's fields and state at the moment of "Пуск"; the
    // dialog is a top-level window of its own, placed beside `mainWindow` when shown first.
    SensitivityDialog(QWidget* mainWindow, std::function<views::FieldTexts()> fields,
                      std::function<model::ReceiverState()> state);
    ~SensitivityDialog() override;

    bool running() const { return future_.isRunning() || !pending_.empty(); }
    // Every run since the last "Очистить", with its rows as far as it went.
    const views::ExperimentLog& log() const { return log_; }
    // Puts the window beside the main window (its first showing does so).
    void placeBesideMainWindow();
    // The chart's colours darkened to 3:1 against its white, or the runs' own colours.
    void setHighContrast(bool on);
    void setFileQuestion(canvas::FileQuestion question) { question_ = std::move(question); }

    void start();
    void stop();
    void clear();
    bool saveChart(const QString& fileName, QString* error = nullptr);
    // The chart with its slopes, drawn at a device pixel ratio (3 for a printed report);
    // a null image when no run has a row.
    QImage chartImage(qreal ratio) const;
    bool saveTable(const QString& fileName, QString* error = nullptr) const;

    // Closing the dialog (its button, Esc, or the window manager's close, which QDialog
    // turns into a rejection) stops a run.
    void reject() override;

private:
    bool highContrast_ = false;
    void buildControls();
    void buildChart();
    void addRow(const views::SensitivityRow& row);
    void showProgress(double done, double total);
    void finishRun();
    // One run of a start: its series, then its rows computed in the background.
    void startRun(const views::ExperimentSettings& settings,
                  std::shared_ptr<const views::SensitivityExperiment> experiment);
    // The runs of the start still to come (the switching experiment's second run).
    std::vector<
        std::pair<views::ExperimentSettings, std::shared_ptr<const views::SensitivityExperiment>>>
        pending_;
    void updateSlope();
    void showEvent(QShowEvent* event) override;
    void attach(QAbstractSeries* series);
    // The axes as a new dialog shows them.
    void resetAxes();
    // The table, its slope and the progress emptied.
    void clearTable();
    void saveChartAs();
    void saveTableAs();

    QWidget* mainWindow_;
    bool placed_ = false;
    std::function<views::FieldTexts()> fields_;
    std::function<model::ReceiverState()> state_;
    std::shared_ptr<std::atomic<bool>> stopRequested_;
    QFuture<void> future_;
    QFutureWatcher<void> watcher_;
    views::ExperimentLog log_;
    std::vector<RunSeries> series_; // one per run of the log
    canvas::FileQuestion question_;
    canvas::SaveFolder folder_;

    QComboBox* cboExperiment = nullptr; // which experiment: sensitivity, or switching
    QComboBox* cboLargest = nullptr;
    QSpinBox* spnPresses = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnSaveChart = nullptr;
    QPushButton* btnSaveTable = nullptr;
    QProgressBar* prgSensitivity = nullptr;
    QTableWidget* tblSensitivity = nullptr;
    QWidget* wgtChart = nullptr; // the chart and its slope: what "Сохранить график…" saves
    QChartView* chtSensitivity = nullptr;
    QChart* chart_ = nullptr;
    QLogValueAxis* timeAxis_ = nullptr;
    QLogValueAxis* kelvinAxis_ = nullptr;
    QLabel* lblSlope = nullptr;
};

} // namespace ui
