// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The radiometer equation as an experiment, in a modeless dialog of the window: "Пуск"
// takes the window's fields at that moment and presses the summator many times for each
// accumulation time, in the background on every core; the table shows the real
// sensitivity (mean and spread of the presses), the potential one, the measured and the
// computed antenna-temperature difference; the chart puts every press's real sensitivity,
// their means and the potential sensitivity against τ on logarithmic axes, with the slope
// fitted from 10 ms on. Earlier runs stay as further series until "Очистить".

#include "canvas/PictureExport.h"
#include "model/ReceiverState.h"
#include "views/Press.h"
#include "views/SensitivityExperiment.h"

#include <QDialog>
#include <QFutureWatcher>

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

class SensitivityDialog : public QDialog {
    Q_OBJECT

public:
    // fields and state give the window's fields and state at the moment of "Пуск".
    SensitivityDialog(QWidget* parent, std::function<views::FieldTexts()> fields,
                      std::function<model::ReceiverState()> state);
    ~SensitivityDialog() override;

    bool running() const { return future_.isRunning(); }
    // The rows of the last run, as far as it went.
    const std::vector<views::SensitivityRow>& rows() const { return rows_; }
    void setFileQuestion(canvas::FileQuestion question) { question_ = std::move(question); }

    void start();
    void stop();
    void clear();
    bool saveChart(const QString& fileName, QString* error = nullptr);
    bool saveTable(const QString& fileName, QString* error = nullptr) const;

    // Closing the dialog (its button, Esc, or the window manager's close, which QDialog
    // turns into a rejection) stops a run.
    void reject() override;

private:
    struct Series {
        QScatterSeries* presses;
        QLineSeries* means;
        QLineSeries* potential;
    };
    void buildControls();
    void buildChart();
    void addRow(const views::SensitivityRow& row);
    void showProgress(double done, double total);
    void finishRun();
    void updateSlope();
    void attach(QAbstractSeries* series);
    // The axes as a new dialog shows them.
    void resetAxes();
    // The table, its slope and the progress emptied.
    void clearTable();
    void saveChartAs();
    void saveTableAs();

    std::function<views::FieldTexts()> fields_;
    std::function<model::ReceiverState()> state_;
    std::shared_ptr<std::atomic<bool>> stopRequested_;
    QFuture<void> future_;
    QFutureWatcher<void> watcher_;
    std::vector<views::SensitivityRow> rows_;
    std::vector<Series> series_;
    canvas::FileQuestion question_;
    canvas::SaveFolder folder_;

    QComboBox* cboLargest = nullptr;
    QSpinBox* spnPresses = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnSaveChart = nullptr;
    QPushButton* btnSaveTable = nullptr;
    QProgressBar* prgSensitivity = nullptr;
    QTableWidget* tblSensitivity = nullptr;
    QChartView* chtSensitivity = nullptr;
    QChart* chart_ = nullptr;
    QLogValueAxis* timeAxis_ = nullptr;
    QLogValueAxis* kelvinAxis_ = nullptr;
    QLabel* lblSlope = nullptr;
    double longestTime_ = 0; // of every run on the chart, ms
};

} // namespace ui
