// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SensitivityDialog.h"

#include "model/Numbers.h"
#include "ui/Translations.h"
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
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace ui {

QString experimentTitle() {
    return QStringLiteral("Опыт: чувствительность и время накопления");
}

namespace {

constexpr int kProgressSteps = 1000;
const double kLargestTimes[] = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};
constexpr int kDefaultLargest = 6; // 1000 ms
constexpr int kDefaultPresses = 10;

QString documents() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

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

SensitivityDialog::SensitivityDialog(QWidget* parent, std::function<views::FieldTexts()> fields,
                                     std::function<model::ReceiverState()> state)
    : QDialog(parent), fields_(std::move(fields)), state_(std::move(state)),
      stopRequested_(std::make_shared<std::atomic<bool>>(false)),
      question_(canvas::fileDialogQuestion(this)) {
    setObjectName(QStringLiteral("dlgSensitivity"));
    setWindowTitle(experimentTitle());
    setModal(false);
    buildControls();
    buildChart();
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &SensitivityDialog::finishRun);
    resize(900, 700);
}

SensitivityDialog::~SensitivityDialog() {
    stopRequested_->store(true);
    future_.waitForFinished();
}

void SensitivityDialog::buildControls() {
    cboLargest = new QComboBox(this);
    cboLargest->setObjectName(QStringLiteral("cboLargest"));
    for (const double largest : kLargestTimes)
        cboLargest->addItem(number(largest), largest);
    cboLargest->setCurrentIndex(kDefaultLargest);
    spnPresses = new QSpinBox(this);
    spnPresses->setObjectName(QStringLiteral("spnPresses"));
    spnPresses->setRange(2, 100);
    spnPresses->setValue(kDefaultPresses);

    const auto button = [this](const char* name, const QString& text) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setAutoDefault(false);
        return made;
    };
    btnStart = button("btnStart", QStringLiteral("Пуск"));
    btnStop = button("btnStop", QStringLiteral("Стоп"));
    btnClear = button("btnClear", QStringLiteral("Очистить"));
    btnSaveChart = button("btnSaveChart", QStringLiteral("Сохранить график…"));
    btnSaveTable = button("btnSaveTable", QStringLiteral("Сохранить таблицу…"));
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
    tblSensitivity->horizontalHeader()->setDefaultAlignment(
        Qt::AlignCenter | static_cast<Qt::Alignment>(Qt::TextWordWrap));
    tblSensitivity->horizontalHeader()->setMinimumHeight(
        3 * tblSensitivity->fontMetrics().height() + 8);
    tblSensitivity->verticalHeader()->setVisible(false);
    tblSensitivity->setEditTriggers(QAbstractItemView::NoEditTriggers);

    lblSlope = new QLabel(this);
    lblSlope->setObjectName(QStringLiteral("lblSlope"));

    auto* settings = new QHBoxLayout;
    settings->addWidget(new QLabel(QStringLiteral("Наибольшее время накопления, мс"), this));
    settings->addWidget(cboLargest);
    settings->addSpacing(16);
    settings->addWidget(new QLabel(QStringLiteral("Нажатий на каждое время"), this));
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

void SensitivityDialog::buildChart() {
    chart_ = new QChart;
    chart_->setTitle(QStringLiteral("Реальная и потенциальная чувствительность"));
    chart_->legend()->setAlignment(Qt::AlignRight);
    timeAxis_ = new QLogValueAxis;
    timeAxis_->setTitleText(QString::fromStdString(views::sensitivityColumns().front()));
    timeAxis_->setLabelFormat(QStringLiteral("%g"));
    timeAxis_->setBase(10);
    timeAxis_->setMinorTickCount(-1);
    kelvinAxis_ = new QLogValueAxis;
    kelvinAxis_->setTitleText(QStringLiteral("Чувствительность, К"));
    kelvinAxis_->setLabelFormat(QStringLiteral("%g"));
    kelvinAxis_->setBase(10);
    kelvinAxis_->setMinorTickCount(-1);
    resetAxes();
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    chart_->addAxis(kelvinAxis_, Qt::AlignLeft);
    chtSensitivity = new QChartView(chart_, this);
    chtSensitivity->setObjectName(QStringLiteral("chtSensitivity"));
    chtSensitivity->setRenderHint(QPainter::Antialiasing);
    chtSensitivity->setMinimumHeight(320);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(chtSensitivity, 3);
    layout->addWidget(lblSlope);
}

void SensitivityDialog::resetAxes() {
    longestTime_ = 10;
    timeAxis_->setRange(1, 1000);
    kelvinAxis_->setRange(0.01, 10);
}

void SensitivityDialog::clearTable() {
    rows_.clear();
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
    std::shared_ptr<const views::SensitivityExperiment> experiment;
    try {
        const double largest = cboLargest->currentData().toDouble();
        experiment = std::make_shared<const views::SensitivityExperiment>(
            fields_(), state_(), views::SensitivityExperiment::accumulationTimes(largest),
            spnPresses->value());
    } catch (const std::exception& error) {
        QMessageBox::warning(this, QString::fromUtf8(views::inputErrorTitle()),
                             QString::fromUtf8(error.what()));
        return;
    }
    clearTable();

    const QString name = QString::fromStdString(experiment->name());
    Series series{new QScatterSeries, new QLineSeries, new QLineSeries};
    series.presses->setName(name + QStringLiteral(": нажатия"));
    series.presses->setMarkerSize(6);
    series.means->setName(name + QStringLiteral(": среднее"));
    series.potential->setName(name + QStringLiteral(": потенциальная"));
    QPen dashed = series.potential->pen();
    dashed.setStyle(Qt::DashLine);
    series.potential->setPen(dashed);
    attach(series.presses);
    attach(series.means);
    attach(series.potential);
    series_.push_back(series);
    longestTime_ = std::max(longestTime_, experiment->times().back());
    timeAxis_->setRange(1, longestTime_ * 2);

    stopRequested_ = std::make_shared<std::atomic<bool>>(false);
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
                        QMessageBox::warning(dialog, QString::fromUtf8(views::computeErrorTitle()),
                                             message);
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
    rows_.push_back(row);
    const int at = tblSensitivity->rowCount();
    tblSensitivity->insertRow(at);
    const double cells[] = {row.accumulation, row.realMean(),     row.realSpread(),
                            row.potential,    row.measuredMean(), row.computedDifference};
    for (int column = 0; column < static_cast<int>(std::size(cells)); ++column) {
        auto* item = new QTableWidgetItem(number(cells[column]));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tblSensitivity->setItem(at, column, item);
    }
    if (!series_.empty()) {
        const Series& series = series_.back();
        for (const double real : row.real)
            if (real > 0)
                series.presses->append(row.accumulation, real);
        if (row.realMean() > 0)
            series.means->append(row.accumulation, row.realMean());
        if (row.potential > 0)
            series.potential->append(row.accumulation, row.potential);
    }
    // The kelvin axis wide enough for every point of every run.
    double low = kelvinAxis_->min();
    double high = kelvinAxis_->max();
    for (const double value :
         {row.potential, row.realMean() - row.realSpread(), row.realMean() + row.realSpread()})
        if (value > 0) {
            low = std::min(low, std::pow(10.0, std::floor(std::log10(value))));
            high = std::max(high, std::pow(10.0, std::ceil(std::log10(value))));
        }
    kelvinAxis_->setRange(low, high);
    updateSlope();
}

void SensitivityDialog::updateSlope() {
    const double slope = views::fittedSlope(rows_);
    const QString fitted =
        std::isnan(slope) ? QStringLiteral("—") : number(std::round(slope * 1000) / 1000);
    lblSlope->setText(QStringLiteral("Наклон реальной чувствительности от 10 мс: %1 "
                                     "(уравнение радиометра: %2)")
                          .arg(fitted, number(-0.5)));
}

void SensitivityDialog::clear() {
    if (running())
        return;
    for (const Series& series : series_) {
        for (QAbstractSeries* each : std::initializer_list<QAbstractSeries*>{
                 series.presses, series.means, series.potential}) {
            chart_->removeSeries(each);
            delete each;
        }
    }
    series_.clear();
    clearTable();
    resetAxes();
}

bool SensitivityDialog::saveChart(const QString& fileName, QString* error) {
    return canvas::writePng(chtSensitivity->grab().toImage(), fileName, error);
}

bool SensitivityDialog::saveTable(const QString& fileName, QString* error) const {
    const std::string csv = views::sensitivityCsv(rows_, localeDecimalSeparator());
    return canvas::writeBytes(QByteArray::fromStdString(csv), fileName, error);
}

void SensitivityDialog::saveChartAs() {
    canvas::askAndWrite(
        this, question_, folder_, documents(),
        {QStringLiteral("Сохранить график"), QStringLiteral("veltrum-опыт.png"),
         canvas::pngFilter(), QStringLiteral("png"), QStringLiteral("график")},
        [this](const QString& fileName, QString* error) { return saveChart(fileName, error); });
}

void SensitivityDialog::saveTableAs() {
    canvas::askAndWrite(
        this, question_, folder_, documents(),
        {QStringLiteral("Сохранить таблицу"), QStringLiteral("veltrum-опыт.csv"),
         canvas::csvFilter(), QStringLiteral("csv"), QStringLiteral("таблицу")},
        [this](const QString& fileName, QString* error) { return saveTable(fileName, error); });
}

void SensitivityDialog::reject() {
    stop();
    QDialog::reject();
}

} // namespace ui
