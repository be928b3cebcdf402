// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SensitivityDialog.h"

#include "front/Texts.h"
#include "model/Numbers.h"
#include "ui/Translations.h"
#include "views/ExperimentChart.h"
#include "views/Messages.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>

namespace ui {

QString experimentTitle() {
    return ui::text(front::texts::kExperiment);
}

namespace {

constexpr int kProgressSteps = 1000;

QString number(double value) {
    return QString::fromStdString(model::formatNumber(value, localeDecimalSeparator()));
}

// Tells the dialog how far the run has gone (from the worker, queued) and whether to go
// on.
class RunProgress final : public views::Progress {
public:
    RunProgress(std::shared_ptr<std::atomic<bool>> stop, std::function<void(double, double)> show)
        : stop_(std::move(stop)), show_(std::move(show)) {}
    bool keepGoing(double done, double total) override {
        show_(done, total);
        return !stop_->load();
    }

private:
    std::shared_ptr<std::atomic<bool>> stop_;
    std::function<void(double, double)> show_;
};

} // namespace

QRect besideMainWindow(const QRect& main, const QRect& available, const QSize& wanted,
                       const QSize& minimum) {
    const int height = std::min(wanted.height(), available.height());
    const int right = available.right() - main.right(); // free columns right of the window
    const int left = main.left() - available.left();    // and left of it
    int width = std::min(wanted.width(), available.width());
    int x = 0;
    if (right >= width) {
        x = main.right() + 1;
    } else if (left >= width) {
        x = main.left() - width;
    } else if (right >= left) {
        width = std::max(std::min(width, std::max(right, minimum.width())), 1);
        x = available.right() + 1 - width;
    } else {
        width = std::max(std::min(width, std::max(left, minimum.width())), 1);
        x = available.left();
    }
    const int y = std::clamp(main.top(), available.top(), available.bottom() + 1 - height);
    return {x, y, width, height};
}

SensitivityDialog::SensitivityDialog(QWidget* mainWindow, std::function<views::FieldTexts()> fields,
                                     std::function<model::ReceiverState()> state)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow), fields_(std::move(fields)), state_(std::move(state)),
      stopRequested_(std::make_shared<std::atomic<bool>>(false)),
      question_(canvas::fileDialogQuestion(this)) {
    setObjectName(QStringLiteral("dlgSensitivity"));
    setWindowTitle(experimentTitle());
    setWindowIcon(mainWindow->windowIcon());
    setModal(false);
    buildControls();
    buildChart();
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &SensitivityDialog::finishRun);
    resize(900, 700);
}

void SensitivityDialog::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        placeBesideMainWindow();
    }
    QDialog::showEvent(event);
}

void SensitivityDialog::placeBesideMainWindow() {
    const QScreen* screen = mainWindow_->screen();
    if (!screen)
        return;
    // The frame's margins are known only once a window is shown; until then the main
    // window's as an estimate.
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    const QRect outer = besideMainWindow(mainWindow_->frameGeometry(), screen->availableGeometry(),
                                         size().grownBy(frame), minimumSizeHint().grownBy(frame));
    setGeometry(outer.marginsRemoved(frame));
}

SensitivityDialog::~SensitivityDialog() {
    stopRequested_->store(true);
    future_.waitForFinished();
}

void SensitivityDialog::buildControls() {
    cboExperiment = new QComboBox(this);
    cboExperiment->setObjectName(QStringLiteral("cboExperiment"));
    for (const std::string& name : views::experimentNames())
        cboExperiment->addItem(QString::fromStdString(name));
    cboExperiment->setAccessibleName(ui::text(front::texts::kExperimentKind));
    cboLargest = new QComboBox(this);
    cboLargest->setObjectName(QStringLiteral("cboLargest"));
    for (const double largest : views::largestTimes())
        cboLargest->addItem(number(largest), largest);
    cboLargest->setCurrentIndex(views::kDefaultLargestTime);
    spnPresses = new QSpinBox(this);
    spnPresses->setObjectName(QStringLiteral("spnPresses"));
    spnPresses->setRange(views::kFewestPresses, views::kMostPresses);
    spnPresses->setValue(views::kDefaultPresses);

    const auto button = [this](const char* name, const QString& text) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setAutoDefault(false);
        return made;
    };
    btnStart = button("btnStart", ui::text(front::texts::kStart));
    btnStop = button("btnStop", ui::text(front::texts::kStop));
    btnClear = button("btnClear", ui::text(front::texts::kClear));
    btnSaveChart = button("btnSaveChart", ui::text(front::texts::kSaveChart));
    btnSaveTable = button("btnSaveTable", ui::text(front::texts::kSaveTable));
    btnStop->setEnabled(false);
    connect(btnStart, &QPushButton::clicked, this, &SensitivityDialog::start);
    connect(btnStop, &QPushButton::clicked, this, &SensitivityDialog::stop);
    connect(btnClear, &QPushButton::clicked, this, &SensitivityDialog::clear);
    connect(btnSaveChart, &QPushButton::clicked, this, &SensitivityDialog::saveChartAs);
    connect(btnSaveTable, &QPushButton::clicked, this, &SensitivityDialog::saveTableAs);

    prgSensitivity = new QProgressBar(this);
    prgSensitivity->setObjectName(QStringLiteral("prgSensitivity"));
    prgSensitivity->setRange(0, kProgressSteps);
    prgSensitivity->setValue(0);

    tblSensitivity =
        new QTableWidget(0, static_cast<int>(views::sensitivityColumns().size()), this);
    tblSensitivity->setObjectName(QStringLiteral("tblSensitivity"));
    QStringList titles;
    for (const std::string& title : views::sensitivityColumns())
        titles << QString::fromStdString(title);
    tblSensitivity->setHorizontalHeaderLabels(titles);
    tblSensitivity->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The run's number needs little room.
    tblSensitivity->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tblSensitivity->horizontalHeader()->setDefaultAlignment(
        Qt::AlignCenter | static_cast<Qt::Alignment>(Qt::TextWordWrap));
    tblSensitivity->horizontalHeader()->setMinimumHeight(
        4 * tblSensitivity->fontMetrics().height() + 8);
    tblSensitivity->verticalHeader()->setVisible(false);
    tblSensitivity->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSensitivity->setWordWrap(false); // a number is never broken over two lines

    lblSlope = new QLabel(this);
    lblSlope->setObjectName(QStringLiteral("lblSlope"));

    auto* settings = new QHBoxLayout;
    settings->addWidget(cboExperiment);
    settings->addSpacing(16);
    settings->addWidget(new QLabel(ui::text(front::texts::kLargestTime), this));
    settings->addWidget(cboLargest);
    settings->addSpacing(16);
    settings->addWidget(new QLabel(ui::text(front::texts::kPressesPerTime), this));
    settings->addWidget(spnPresses);
    settings->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {btnStart, btnStop, btnClear, btnSaveChart, btnSaveTable})
        buttons->addWidget(each);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addLayout(buttons);
    layout->addWidget(prgSensitivity);
    layout->addWidget(tblSensitivity, 2);
    // The chart comes in buildChart, then the slope under it.
}

void SensitivityDialog::setHighContrast(bool on) {
    highContrast_ = on;
    for (std::size_t k = 0; k < series_.size() && k < log_.runs().size(); ++k)
        series_[k].colour(log_.runs()[k].number, highContrast_);
}

void SensitivityDialog::buildChart() {
    chart_ = new QChart;
    chart_->setTitle(ui::text(front::texts::kChartTitle));
    chart_->legend()->setAlignment(Qt::AlignRight);
    timeAxis_ = new QLogValueAxis;
    timeAxis_->setTitleText(QString::fromStdString(views::sensitivityColumns()[1]));
    timeAxis_->setLabelFormat(QStringLiteral("%g"));
    timeAxis_->setBase(10);
    timeAxis_->setMinorTickCount(-1);
    kelvinAxis_ = new QLogValueAxis;
    kelvinAxis_->setTitleText(ui::text(front::texts::kSensitivityAxis));
    kelvinAxis_->setLabelFormat(QStringLiteral("%g"));
    kelvinAxis_->setBase(10);
    kelvinAxis_->setMinorTickCount(-1);
    resetAxes();
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    chart_->addAxis(kelvinAxis_, Qt::AlignLeft);
    wgtChart = new QWidget(this);
    wgtChart->setObjectName(QStringLiteral("wgtChart"));
    wgtChart->setAutoFillBackground(true);
    chtSensitivity = new QChartView(chart_, wgtChart);
    chtSensitivity->setObjectName(QStringLiteral("chtSensitivity"));
    chtSensitivity->setRenderHint(QPainter::Antialiasing);
    chtSensitivity->setMinimumHeight(240);
    lblSlope->setParent(wgtChart);
    lblSlope->setWordWrap(true);
    auto* pane = new QVBoxLayout(wgtChart);
    pane->setContentsMargins(0, 0, 0, 0);
    pane->addWidget(chtSensitivity, 1);
    pane->addWidget(lblSlope);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(wgtChart, 3);
}

void SensitivityDialog::resetAxes() {
    const views::ChartAxes axes = views::chartAxes(log_);
    timeAxis_->setRange(axes.timeLow, axes.timeHigh);
    kelvinAxis_->setRange(axes.kelvinLow, axes.kelvinHigh);
}

void SensitivityDialog::clearTable() {
    log_.clear();
    tblSensitivity->setRowCount(0);
    lblSlope->clear();
    prgSensitivity->setValue(0);
}

void SensitivityDialog::attach(QAbstractSeries* series) {
    chart_->addSeries(series);
    series->attachAxis(timeAxis_);
    series->attachAxis(kelvinAxis_);
}

void SensitivityDialog::start() {
    if (running())
        return;
    views::ExperimentSettings settings;
    try {
        settings.kind = static_cast<views::ExperimentKind>(cboExperiment->currentIndex());
        settings.texts = fields_();
        const model::ReceiverState state = state_();
        settings.sideLobeFraction = state.sideLobeFraction;
        settings.sideLobeTemperature = state.sideLobeTemperature;
        settings.largest = cboLargest->currentData().toDouble();
        settings.presses = spnPresses->value();
        settings.decimalSeparator = localeDecimalSeparator();
        // Every run of the start checked before the first begins.
        for (const views::ExperimentSettings& run : views::runsOfStart(settings))
            pending_.emplace_back(run,
                                  std::make_shared<const views::SensitivityExperiment>(
                                      run.texts, state,
                                      views::SensitivityExperiment::accumulationTimes(run.largest),
                                      run.presses));
    } catch (const std::exception& error) {
        pending_.clear();
        QMessageBox::warning(this, QString::fromStdString(views::inputErrorTitle()),
                             QString::fromUtf8(error.what()));
        return;
    }
    stopRequested_ = std::make_shared<std::atomic<bool>>(false);
    const auto first = pending_.front();
    pending_.erase(pending_.begin());
    startRun(first.first, first.second);
}

void SensitivityDialog::startRun(const views::ExperimentSettings& settings,
                                 std::shared_ptr<const views::SensitivityExperiment> experiment) {
    prgSensitivity->setValue(0);

    // A new run: its rows go under the earlier runs', its points into series of its own.
    const views::SeriesNames names =
        views::seriesNames(log_.startRun(settings), localeDecimalSeparator());
    const RunSeries series(names);
    series.colour(log_.runs().back().number, highContrast_);
    for (QAbstractSeries* each : series.all())
        attach(each);
    series_.push_back(series);
    resetAxes();
    updateSlope();

    btnStart->setEnabled(false);
    btnStop->setEnabled(true);
    btnClear->setEnabled(false);
    // The worker posts to the dialog, which lives in the window's thread and outlives the
    // run: its destructor waits for the run to end.
    SensitivityDialog* dialog = this;
    const auto stop = stopRequested_;
    future_ = QtConcurrent::run([dialog, experiment, stop] {
        RunProgress progress(stop, [dialog](double done, double total) {
            QMetaObject::invokeMethod(
                dialog, [dialog, done, total] { dialog->showProgress(done, total); },
                Qt::QueuedConnection);
        });
        for (int index = 0; index < experiment->timeCount() && !stop->load(); ++index) {
            try {
                const views::SensitivityRow row = experiment->runTime(index, &progress);
                QMetaObject::invokeMethod(
                    dialog, [dialog, row] { dialog->addRow(row); }, Qt::QueuedConnection);
            } catch (const views::PressCancelled&) {
                return;
            } catch (const std::exception& error) {
                stop->store(true);
                const QString message = QString::fromUtf8(error.what());
                QMetaObject::invokeMethod(
                    dialog,
                    [dialog, message] {
                        QMessageBox::warning(
                            dialog, QString::fromStdString(views::computeErrorTitle()), message);
                    },
                    Qt::QueuedConnection);
                return;
            }
        }
    });
    watcher_.setFuture(future_);
}

void SensitivityDialog::stop() {
    stopRequested_->store(true);
}

void SensitivityDialog::finishRun() {
    if (!stopRequested_->load() && !pending_.empty()) { // the start's next run
        const auto next = pending_.front();
        pending_.erase(pending_.begin());
        startRun(next.first, next.second);
        return;
    }
    pending_.clear();
    btnStart->setEnabled(true);
    btnStop->setEnabled(false);
    btnClear->setEnabled(true);
    if (!stopRequested_->load())
        prgSensitivity->setValue(kProgressSteps);
}

void SensitivityDialog::showProgress(double done, double total) {
    if (total > 0)
        prgSensitivity->setValue(static_cast<int>(std::min(1.0, done / total) * kProgressSteps));
}

void SensitivityDialog::addRow(const views::SensitivityRow& row) {
    log_.addRow(row);
    const int run = log_.runs().back().number;
    const int at = tblSensitivity->rowCount();
    tblSensitivity->insertRow(at);
    const auto cell = [this, at](int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tblSensitivity->setItem(at, column, item);
    };
    cell(0, QString::number(run));
    const std::vector<double> cells = views::rowCells(row);
    for (std::size_t column = 0; column < cells.size(); ++column)
        cell(static_cast<int>(column) + 1,
             QString::fromStdString(views::tableCell(cells[column], localeDecimalSeparator())));
    tblSensitivity->scrollToItem(tblSensitivity->item(at, 0));
    if (!series_.empty())
        series_.back().add(row);
    resetAxes(); // wide enough for every point of every run
    updateSlope();
}

void SensitivityDialog::updateSlope() {
    const char separator = localeDecimalSeparator();
    lblSlope->setText(QString::fromStdString(log_.slopeText(separator)));
    if (series_.empty() || log_.runs().empty())
        return;
    // The last run's fitted line, named with its equation.
    series_.back().fit(log_.runs().back(), separator);
}

void SensitivityDialog::clear() {
    if (running())
        return;
    for (const RunSeries& series : series_) {
        for (QAbstractSeries* each : series.all()) {
            chart_->removeSeries(each);
            delete each;
        }
    }
    series_.clear();
    clearTable();
    resetAxes();
}

void SensitivityDialog::reject() {
    stop();
    QDialog::reject();
}

} // namespace ui
