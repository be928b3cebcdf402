// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form1.h"

#include "canvas/qt/PictureBox.h"
#include "canvas/qt/PictureExport.h"
#include "front/ControlTable.h"
#include "ui/AccessibleTools.h"
#include "ui/BusyCursor.h"
#include "ui/ChangeApplier.h"
#include "ui/Controls.h"
#include "ui/HelpDialog.h"
#include "ui/LabFiles.h"
#include "ui/Layout.h"
#include "ui/PictureTools.h"
#include "ui/PressProgress.h"
#include "ui/SensitivityDialog.h"
#include "ui/ToolShortcuts.h"
#include "ui/ToolSubmenus.h"
#include "ui/Translations.h"
#include "ui/WidgetFactory.h"
#include "views/Fields.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTime>
#include <QTimer>

namespace {
QString qt(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent), window_(ui::localeDecimalSeparator()) {
    setWindowTitle(qt(window_.caption()));
    setWindowIcon(ui::applicationIcon());
    createControls();
    createTools();
    setAcceptDrops(true);
    createMenu();
    applyTabOrder();
    tmrTime = new QTimer(this);
    tmrTime->setObjectName(QStringLiteral("tmrTime"));
    tmrTime->setInterval(500);
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
    auto* list = findChild<QComboBox*>(QStringLiteral("cboFd"));
    for (int item = 0; item < static_cast<int>(front::samplingRateItems().size()); ++item)
        list->addItem(qt(front::samplingRateLabel(item)));
    // Each caption labels its field for a screen reader (and names the list, whose own
    // name is its value).
    for (const views::Field& field : views::fields())
        if (auto* caption = findChild<QLabel*>(QString::fromUtf8(field.captionControl)))
            caption->setBuddy(findChild<QWidget*>(QString::fromUtf8(field.control)));
    PicRes = findChild<canvas::PictureBox*>(QStringLiteral("PicRes"));
    auto* exit = findChild<QPushButton*>(QStringLiteral("cmdExit"));
    exit->setIcon(ui::smilingFace());
    exit->setIconSize(QSize(24, 22));
    findChild<QLabel*>(QStringLiteral("lblname"))->setAutoFillBackground(true);
}

// The tools of the picture's context menu, in the table's order.
void Form1::createTools() {
    tools_ = new ui::PictureTools(
        PicRes, [this]() -> const views::PlotRecord& { return window_.record(); },
        [this] { openExperiment(); });
    labFiles_ = new ui::LabFiles(
        PicRes, this,
        {[this] { return currentSetup(); },
         [this](const QString& file) { return openSetupFile(file); },
         [this] { return currentReport(); },
         [this] { return experiment_ ? experiment_->chartImage(3.0) : QImage(); }});
    accessibleTools_ = new ui::AccessibleTools(
        PicRes, this, [this] { return window_.valueTable(); },
        [this] { return qt(window_.control("lblname").text).trimmed(); },
        [this] { apply(window_.click("actHighContrast")); });
    ui::addToolSubmenus(PicRes, [this](const std::string& name) { apply(window_.click(name)); });
    connect(canvas::addTool(PicRes, "actHelp"), &QAction::triggered, this, [this] { openHelp(); });
    new ui::ToolShortcuts(this, PicRes);
    announcer_ = new ui::Announcer(this);
}

void Form1::createMenu() {
    QMenu* graphics = menuBar()->addMenu(QString());
    graphics->setObjectName(QString::fromUtf8(front::graphicsMenu().name));
    for (int object = 0; object < 2; ++object) {
        QMenu* submenu = graphics->addMenu(QString());
        submenu->setObjectName(QString::fromUtf8(front::objectMenu(object).name));
        for (int row = 0; row < front::kColourCount; ++row) {
            QAction* item = submenu->addAction(QString());
            item->setObjectName(qt(front::colourItemName(object, row)));
            item->setCheckable(true);
        }
    }
    // Every control's state at start, as the window object has it; the table's controls
    // were made with their texts, the menus and tools take theirs here.
    for (const auto& [name, state] : window_.controls()) {
        unsigned parts =
            front::kEnabledPart | front::kCheckedPart | front::kIndexPart | front::kAccessiblePart;
        if (!front::findControl(name))
            parts |= front::kTextPart;
        if (!state.toolTip.empty())
            parts |= front::kToolTipPart;
        ui::applyChange(this, {name, parts, state});
    }

    // The window's size is its client area plus the menu bar, and it stays so.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setFixedSize(sizeHint());
    if (ui::rememberedHighContrast())
        apply(window_.setHighContrast(true));
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

// Every action of the user goes to the window object by the control's name.
void Form1::connectHandlers() {
    connect(tmrTime, &QTimer::timeout, this, [this] {
        const QTime now = QTime::currentTime();
        apply(window_.clockTick(now.hour(), now.minute(), now.second()));
    });
    for (const ui::Control& control : ui::formControls()) {
        const std::string name = control.name;
        QWidget* widget = findChild<QWidget*>(QString::fromUtf8(control.name));
        if (auto* field = qobject_cast<QLineEdit*>(widget))
            connect(field, &QLineEdit::textChanged, this,
                    [this, name](const QString& text) { window_.type(name, text.toStdString()); });
        else if (auto* option = qobject_cast<QRadioButton*>(widget))
            connect(option, &QRadioButton::toggled, this,
                    [this, name](bool on) { apply(window_.setChecked(name, on)); });
        else if (auto* box = qobject_cast<QCheckBox*>(widget))
            connect(box, &QCheckBox::clicked, this,
                    [this, name](bool on) { apply(window_.setChecked(name, on)); });
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            connect(list, &QComboBox::currentIndexChanged, this,
                    [this, name](int index) { apply(window_.choose(name, index)); });
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            connect(button, &QPushButton::clicked, this, [this, name] {
                if (front::blockOfButton(name))
                    press(name);
                else
                    apply(window_.click(name));
            });
    }
    for (int object = 0; object < 2; ++object)
        for (int row = 0; row < front::kColourCount; ++row) {
            const std::string name = front::colourItemName(object, row);
            connect(findChild<QAction*>(qt(name)), &QAction::triggered, this,
                    [this, name] { apply(window_.click(name)); });
        }
}

// ---- applying the window object's answers ---------------------------------------------------

void Form1::apply(const front::Changes& changes) {
    for (const front::ControlChange& change : changes.controls)
        ui::applyChange(this, change);
    if (changes.caption)
        setWindowTitle(qt(*changes.caption));
    if (changes.look) {
        ui::applyLook(this, window_.highContrast());
        ui::rememberHighContrast(window_.highContrast());
        if (experiment_)
            experiment_->setHighContrast(window_.highContrast());
    }
    if (changes.picture)
        PicRes->showRecording(window_.picture());
    if (!changes.announcement.empty())
        announcer_->say(qt(changes.announcement));
    if (changes.box)
        showBox(*changes.box);
    if (!changes.focus.empty())
        ui::focusField(this, changes.focus);
    if (changes.close) {
        tmrTime->stop();
        close();
    }
}

void Form1::showBox(const front::MessageBox& box) {
    const ui::BusyCursor::Released arrow(busy_);
    if (box.icon == front::MessageBox::Icon::Warning) {
        QMessageBox::warning(this, qt(box.title), qt(box.text));
        return;
    }
    QMessageBox shown(QMessageBox::Information, qt(box.title), qt(box.text), QMessageBox::Ok, this);
    shown.exec();
}

// ---- a press ------------------------------------------------------------------------------

void Form1::press(const std::string& button) {
    ui::BusyCursor busy;
    busy_ = &busy;
    const auto noLongerBusy = qScopeGuard([this] { busy_ = nullptr; });
    window_.setDecimalSeparator(ui::localeDecimalSeparator());
    apply(window_.click(button)); // the labels reset, the title, maybe the beam-filling box
    if (!window_.pressing())
        return;
    front::Changes end;
    {
        ui::PressProgress progress(this);
        do {
            end = window_.stepPress(progress.elapsedMs());
            if (end.pressing && !end.announcement.empty()) // a long press says that it runs
                announcer_->say(qt(end.announcement));
            if (end.pressing && !progress.keepGoing(end))
                end = window_.cancelPress();
        } while (end.pressing);
    } // the progress dialog closes here
    apply(end);
}

ui::SensitivityDialog* Form1::openExperiment() {
    if (!experiment_)
        experiment_ = std::make_unique<ui::SensitivityDialog>(
            this, [this] { return window_.fieldTexts(); },
            [this] { return window_.session().state(); });
    experiment_->setHighContrast(window_.highContrast());
    experiment_->show();
    experiment_->raise();
    experiment_->activateWindow();
    return experiment_.get();
}

void Form1::closeEvent(QCloseEvent* event) {
    tmrTime->stop();
    // The experiment's window goes with the program's window (it stops a run).
    if (experiment_)
        experiment_->close();
    QMainWindow::closeEvent(event);
}

ui::HelpDialog* Form1::openHelp(const QString& anchor) {
    if (!help_)
        help_ = new ui::HelpDialog(this);
    help_->showAt(anchor);
    return help_;
}

// ---- lab setups and reports ------------------------------------------------------------

void Form1::applySetup(const front::Setup& setup) {
    apply(window_.openSetup(setup));
}

bool Form1::openSetupFile(const QString& fileName) {
    const std::string name = QFileInfo(fileName).fileName().toStdString();
    QString why;
    const std::optional<std::string> bytes = ui::readSetupFile(fileName, &why);
    const front::Changes opened =
        bytes ? window_.openSetup(*bytes, name) : window_.refuseSetupFile(name, why.toStdString());
    apply(opened);
    return !(opened.refused() && opened.controls.empty()); // refused whole: nothing set
}

front::Report Form1::currentReport() const {
    const QDateTime now = QDateTime::currentDateTime();
    const std::string when =
        front::reportDate(now.date().year(), now.date().month(), now.date().day(),
                          now.time().hour(), now.time().minute());
    window_.setDecimalSeparator(ui::localeDecimalSeparator());
    return window_.report(experiment_ ? &experiment_->log() : nullptr, when, VELTRUM_VERSION);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!ui::droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const QString file = ui::droppedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    openSetupFile(file);
}
