// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form1.h"

#include "canvas/PictureBox.h"
#include "canvas/RecordingCanvas.h"
#include "model/Fault.h"
#include "model/Numbers.h"
#include "ui/BusyCursor.h"
#include "ui/Controls.h"
#include "ui/Layout.h"
#include "ui/PictureTools.h"
#include "ui/PressProgress.h"
#include "ui/SensitivityDialog.h"
#include "ui/Translations.h"
#include "ui/WidgetFactory.h"
#include "views/Fields.h"
#include "views/Messages.h"
#include "views/Scenes.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTime>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>

namespace {

const QString kInputErrorTitle = QString::fromUtf8(views::inputErrorTitle());
const QString kComputeErrorTitle = QString::fromUtf8(views::computeErrorTitle());

// The colour items: their names, captions and colours, in menu order.
struct ColourRow {
    const char* name;
    const char* caption;
    std::uint8_t red, green, blue;
};
constexpr ColourRow kColourRows[] = {
    {"mnuRed", "Красный", 255, 0, 0},         {"mnuYellow", "Желтый", 255, 255, 0},
    {"mnuGreen", "Зеленый", 0, 255, 0},       {"mnuBlue", "Синий", 0, 0, 255},
    {"mnuGreenBlue", "Голубой", 0, 255, 255}, {"mnuRedBlue", "Сиреневый", 255, 0, 255},
    {"mnuBlack", "Черный", 0, 0, 0},
};
// The rows of the start-up colours, cyan and yellow, and the order in which a click
// writes the marks: black, blue, green, light blue, red, lilac, yellow.
constexpr int kStartColourRow[] = {4, 1};
constexpr int kMarkOrder[] = {6, 3, 2, 4, 0, 5, 1};

} // namespace

// The texts a press may change, kept to put them back when it fails.
struct Form1::LabelTexts {
    QString title;
    QString range;
    std::map<model::Result, QString> results;
};

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Veltrum"));
    setWindowIcon(ui::applicationIcon());
    createControls();
    bindControls();
    tools_ = new ui::PictureTools(PicRes, [this] { openExperiment(); });
    createMenu();
    applyTabOrder();
    tmrTime = new QTimer(this);
    tmrTime->setObjectName(QStringLiteral("tmrTime"));
    tmrTime->setInterval(500);
    Form_Load();
    connectHandlers();
    tmrTime->start();
}

Form1::~Form1() = default;

// ---- building the window ---------------------------------------------------------

void Form1::createControls() {
    auto* area = new ui::DiagramArea(this);
    area->setObjectName(QStringLiteral("clientArea"));
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, QColor(ui::kLightGrey));
    palette.setColor(QPalette::Button, QColor(ui::kLightGrey));
    palette.setColor(QPalette::Active, QPalette::WindowText, QColor(ui::kWindowForeground));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(ui::kWindowForeground));
    area->setPalette(palette);
    area->setFont(ui::fontFor(ui::FontKind::Window));
    area->setFixedSize(ui::kClientSize);
    setCentralWidget(area);

    QHash<QString, QWidget*> made;
    for (const ui::Control& control : ui::formControls()) {
        QWidget* parent = control.parent ? made.value(QString::fromUtf8(control.parent)) : area;
        made.insert(QString::fromUtf8(control.name), ui::makeControl(control, parent));
    }
}

void Form1::bindControls() {
    const auto find = [this](auto*& member, const char* name) {
        using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(member)>>;
        member = findChild<Widget*>(QString::fromUtf8(name));
        Q_ASSERT(member);
    };
    for (const views::Field& field : views::fields()) {
        if (auto* box = findChild<QLineEdit*>(QString::fromUtf8(field.control)))
            fields_[field.quantity] = box;
    }
    for (const views::BlockDescription& block : views::blockDescriptions())
        find(blockButtons_[block.block], block.button);
    for (const views::SceneLook& look : views::sceneLooks())
        find(sceneOptions_[look.scene], look.option);
    for (const model::Result result : model::kResults)
        find(resultLabels_[result], ui::resultLabel(result));
    find(chkLepestok, "chkLepestok");
    find(cboFd, views::field(model::Quantity::SamplingRate).control);
    find(lblT2, "lblT2");
    find(lblname, "lblname");
    find(lblRmax, "lblRmax");
    find(PicRes, "PicRes");
    find(cmdExit, "cmdExit");

    cmdExit->setIcon(ui::smilingFace());
    cmdExit->setIconSize(QSize(24, 22));
    lblname->setAutoFillBackground(true);
}

void Form1::createMenu() {
    mnuGraph = menuBar()->addMenu(QStringLiteral("&Графика"));
    mnuGraph->setObjectName(QStringLiteral("mnuGraph"));
    mnuObject1 = mnuGraph->addMenu(QStringLiteral("Первый объект"));
    mnuObject1->setObjectName(QStringLiteral("mnuObject1"));
    mnuObject2 = mnuGraph->addMenu(QStringLiteral("Второй объект"));
    mnuObject2->setObjectName(QStringLiteral("mnuObject2"));

    QMenu* const submenus[] = {mnuObject1, mnuObject2};
    for (int object = 0; object < 2; ++object) {
        for (int row = 0; row < 7; ++row) {
            QAction* item =
                submenus[object]->addAction(QString::fromUtf8(kColourRows[row].caption));
            item->setObjectName(QString::fromUtf8(kColourRows[row].name) +
                                QString::number(object + 1));
            item->setCheckable(true);
            // The marks at start match the start-up colours: light blue and yellow.
            item->setChecked(row == kStartColourRow[object]);
            colourItems_[object][row] = item;
        }
    }

    // The window's size is its client area plus the menu bar, and it stays so.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setFixedSize(sizeHint());
}

void Form1::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const char* name : ui::tabOrder()) {
        QWidget* next = findChild<QWidget*>(QString::fromUtf8(name));
        if (previous && next)
            setTabOrder(previous, next);
        if (next)
            previous = next;
    }
}

void Form1::connectHandlers() {
    connect(tmrTime, &QTimer::timeout, this, &Form1::tmrTime_Timer);
    connect(cmdExit, &QPushButton::clicked, this, &Form1::cmdExit_Click);

    // An option's click is its becoming selected, however that happens.
    for (const views::SceneLook& look : views::sceneLooks()) {
        connect(sceneOptions_.at(look.scene), &QRadioButton::toggled, this, [this, &look](bool on) {
            if (on)
                showScene(look);
        });
    }
    connect(chkLepestok, &QCheckBox::clicked, this, &Form1::chkLepestok_Click);

    for (int object = 0; object < 2; ++object)
        for (int row = 0; row < 7; ++row)
            connect(colourItems_[object][row], &QAction::triggered, this,
                    [this, object, row] { chooseColour(object, row); });

    for (const auto& [block, button] : blockButtons_)
        connect(button, &QPushButton::clicked, this, [this, block = block] { pressBlock(block); });
}

// ---- start-up, reset, clock and exit -----------------------------------------------

void Form1::Form_Load() {
    // Colours of the two objects, side lobes off, the titles of the extended target.
    model::applyStartupDefaults(state_);
    // The sampling rates of the summator.
    for (const views::SamplingRate& rate : views::samplingRates())
        cboFd->addItem(QString::fromUtf8(rate.name));
    cboFd->setCurrentIndex(views::kStartSamplingRate);
}

void Form1::resetResultLabels() {
    for (const auto& [result, label] : resultLabels_)
        setBoxText(label, QString());
    setBoxText(resultLabel(model::Result::ta1), QStringLiteral("Ta1=..."));
    setBoxText(resultLabel(model::Result::ta2), QStringLiteral("Ta2=..."));
    setRange(QString());
}

void Form1::tmrTime_Timer() {
    setWindowTitle(QStringLiteral("Veltrum  ") + QTime::currentTime().toString(u"HH:mm:ss"));
}

void Form1::cmdExit_Click() {
    tmrTime->stop();
    close();
}

void Form1::closeEvent(QCloseEvent* event) {
    tmrTime->stop();
    QMainWindow::closeEvent(event);
}

model::Scene Form1::currentScene() const {
    for (const auto& [scene, option] : sceneOptions_)
        if (option->isChecked())
            return scene;
    return model::Scene::ExtendedTarget;
}

// ---- the scene options and the side lobes ------------------------------------------

// Steps 1 to 8 of an option click: the three scene fields, the captions, the titles.
void Form1::showScene(const views::SceneLook& look) {
    for (const model::Quantity quantity :
         {model::Quantity::FlightHeight, model::Quantity::Frequency, model::Quantity::TargetArea})
        setFieldEnabled(field(quantity), look.sceneFieldsEnabled);
    lblT2->setText(QString::fromUtf8(look.lblT2));
    lblT2->adjustSize();
    blockButtons_.at(views::Block::NoiseEquivalent)->setText(QString::fromUtf8(look.btnT2));
    blockButtons_.at(views::Block::Antenna)->setText(QString::fromUtf8(look.btnT1));
    const model::InputTitles titles = model::inputTitles(look.scene);
    state_.input1Title = titles.input1;
    state_.input2Title = titles.input2;
}

// Background first, then the enabled state.
void Form1::setFieldEnabled(QLineEdit* field, bool enabled) {
    ui::setFieldBackground(field, enabled);
    field->setEnabled(enabled);
}

void Form1::chkLepestok_Click() {
    QLineEdit* const txtBetta = field(model::Quantity::SideLobeFraction);
    QLineEdit* const txtTbokov = field(model::Quantity::SideLobeTemperature);
    if (chkLepestok->checkState() == Qt::Unchecked) {
        setFieldEnabled(txtTbokov, false);
        setFieldEnabled(txtBetta, false);
        state_.sideLobeFraction = 0.0f;
        state_.sideLobeTemperature = 0;
        return;
    }
    setFieldEnabled(txtTbokov, true);
    setFieldEnabled(txtBetta, true);
    try {
        const float fraction =
            model::readFloat32(model::Quantity::SideLobeFraction, txtBetta->text().toStdString());
        const std::int16_t temperature =
            model::readInt16(model::Quantity::SideLobeTemperature, txtTbokov->text().toStdString());
        state_.sideLobeFraction = fraction;
        state_.sideLobeTemperature = temperature;
    } catch (const model::ModelError& error) {
        // The side lobes stay off; the fields stay open for the correction.
        state_.sideLobeFraction = 0.0f;
        state_.sideLobeTemperature = 0;
        chkLepestok->setChecked(false);
        showWarning(kInputErrorTitle,
                    QString::fromStdString(views::message(error.fault(), currentScene())));
    }
}

// ---- the colour menus ----------------------------------------------------------------

void Form1::chooseColour(int object, int row) {
    for (const int mark : kMarkOrder)
        colourItems_[object][mark]->setChecked(mark == row);
    const ColourRow& colour = kColourRows[row];
    if (object == 0) {
        state_.obj1Red = colour.red;
        state_.obj1Green = colour.green;
        state_.obj1Blue = colour.blue;
    } else {
        state_.obj2Red = colour.red;
        state_.obj2Green = colour.green;
        state_.obj2Blue = colour.blue;
    }
}

// ---- a press of a block button ---------------------------------------------------------

void Form1::pressBlock(views::Block block) {
    ui::BusyCursor busy;
    busy_ = &busy;
    const auto noLongerBusy = qScopeGuard([this] { busy_ = nullptr; });

    // Every field the view reads, converted before anything changes.
    views::Press press;
    try {
        press = views::preparePress(block, fieldTexts(), state_);
    } catch (const std::exception& error) {
        showWarning(kInputErrorTitle, QString::fromUtf8(error.what()));
        return;
    }

    // The opening of the view: labels reset, the title, the point target.
    const LabelTexts saved = saveLabels();
    resetResultLabels();
    setTitle(QString::fromStdString(press.title));
    if (press.pointTarget) {
        if (press.pointTarget->beam.filled)
            showBeamFilledMessage();
        else
            setRange(QString::fromStdString(
                views::rangeText(press.pointTarget->range, ui::localeDecimalSeparator())));
    }

    // The chain, on a copy of the state, drawn into a recording.
    auto scratch = std::make_unique<model::ReceiverState>(state_);
    canvas::RecordingCanvas recording;
    views::PressOutcome outcome;
    std::optional<QString> fault;
    bool cancelled = false;
    {
        ui::PressProgress progress(this);
        try {
            outcome = views::runPressOutcome(press, *scratch, recording,
                                             ui::localeDecimalSeparator(), &progress);
        } catch (const views::PressCancelled&) {
            cancelled = true;
        } catch (const std::exception& error) {
            fault = QString::fromUtf8(error.what());
        }
    } // the progress dialog closes here
    if (cancelled || fault) {
        restoreLabels(saved);
        if (fault)
            showWarning(kComputeErrorTitle, *fault);
        return;
    }

    // The press has succeeded: keep its state, show its picture and texts.
    state_ = *scratch;
    PicRes->showRecording(recording);
    tools_->setRecord(std::move(outcome.record));
    applyResults(outcome.texts);
}

ui::SensitivityDialog* Form1::openExperiment() {
    if (!experiment_)
        experiment_ = new ui::SensitivityDialog(
            this, [this] { return fieldTexts(); }, [this] { return state_; });
    experiment_->show();
    experiment_->raise();
    experiment_->activateWindow();
    return experiment_;
}

QLineEdit* Form1::field(model::Quantity quantity) const {
    return fields_.at(quantity);
}

QLabel* Form1::resultLabel(model::Result result) const {
    return resultLabels_.at(result);
}

views::FieldTexts Form1::fieldTexts() const {
    views::FieldTexts texts;
    for (const auto& [quantity, box] : fields_)
        texts[quantity] = box->text().toStdString();
    texts.scene = currentScene();
    texts.samplingRateIndex = cboFd->currentIndex();
    return texts;
}

Form1::LabelTexts Form1::saveLabels() const {
    LabelTexts saved{lblname->text(), lblRmax->text(), {}};
    for (const auto& [result, label] : resultLabels_)
        saved.results[result] = label->text();
    return saved;
}

void Form1::restoreLabels(const LabelTexts& saved) {
    setTitle(saved.title);
    for (const auto& [result, text] : saved.results)
        setBoxText(resultLabel(result), text);
    setRange(saved.range);
}

// In the order the view gives them.
void Form1::applyResults(const views::ResultTexts& results) {
    for (const views::ResultText& item : results.items)
        setBoxText(resultLabel(item.result), QString::fromStdString(item.text));
}

void Form1::showBeamFilledMessage() {
    const ui::BusyCursor::Released arrow(busy_);
    QMessageBox box(QMessageBox::Information,
                    QStringLiteral("Коэффициент заполнения луча больше единицы !"),
                    QStringLiteral("Для таких параметров это случай протяженной цели! Нажмите "
                                   "ОК для продолжения !"),
                    QMessageBox::Ok, this);
    box.exec();
}

void Form1::showWarning(const QString& title, const QString& text) {
    const ui::BusyCursor::Released arrow(busy_);
    QMessageBox::warning(this, title, text);
}

// ---- label texts -----------------------------------------------------------------------

void Form1::setTitle(const QString& text) {
    lblname->setText(text);
    lblname->resize(lblname->sizeHint().width(), ui::kTitleHeight);
}

void Form1::setRange(const QString& text) {
    lblRmax->setText(text);
    lblRmax->adjustSize();
}

void Form1::setBoxText(QLabel* label, const QString& text) {
    label->setText(text);
    const bool tooWide = label->fontMetrics().horizontalAdvance(text) >
                         label->contentsRect().width() - label->indent();
    label->setToolTip(tooWide ? text : QString());
}
