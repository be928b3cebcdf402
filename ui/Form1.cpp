// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form1.h"

#include "front/ControlTable.h"
#include "front/Texts.h"

#include "canvas/PictureBox.h"
#include "canvas/PictureExport.h"
#include "canvas/RecordingCanvas.h"
#include "model/Fault.h"
#include "model/Numbers.h"
#include "ui/BusyCursor.h"
#include "ui/Controls.h"
#include "ui/HelpDialog.h"
#include "ui/LabFiles.h"
#include "ui/Layout.h"
#include "ui/PictureTools.h"
#include "ui/PressProgress.h"
#include "ui/SensitivityDialog.h"
#include "ui/ToolShortcuts.h"
#include "ui/Translations.h"
#include "ui/WidgetFactory.h"
#include "views/Fields.h"
#include "views/Messages.h"
#include "views/Scenes.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTime>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>

// The texts a press may change, kept to put them back when it fails.
struct Form1::LabelTexts {
    QString title;
    QString range;
    std::map<model::Result, QString> results;
};

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(front::windowCaption()));
    setWindowIcon(ui::applicationIcon());
    createControls();
    bindControls();
    tools_ = new ui::PictureTools(PicRes, [this] { openExperiment(); });
    labFiles_ = new ui::LabFiles(
        PicRes, this,
        {[this] { return currentSetup(); },
         [this](const QString& file) { return openSetupFile(file); },
         [this] { return currentReport(); },
         [this] { return experiment_ ? experiment_->chartImage(3.0) : QImage(); }});
    QAction* help = canvas::addPictureAction(PicRes, ui::text(front::texts::kHelp), "actHelp",
                                             QKeyCombination(Qt::Key_F1));
    connect(help, &QAction::triggered, this, [this] { openHelp(); });
    new ui::ToolShortcuts(this, PicRes);
    setAcceptDrops(true);
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
    for (const views::BlockDescription& block : views::blockDescriptions()) {
        find(blockButtons_[block.block], block.button);
        // What the block's oscillogram shows, in a sentence or two.
        blockButtons_[block.block]->setToolTip(
            QString::fromStdString(views::blockTooltip(block.block)));
    }
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
    const auto menu = [](QMenu* made, const front::MenuText& text) {
        made->setTitle(ui::text(text.caption));
        made->setObjectName(QString::fromUtf8(text.name));
        return made;
    };
    mnuGraph = menu(menuBar()->addMenu(QString()), front::graphicsMenu());
    mnuObject1 = menu(mnuGraph->addMenu(QString()), front::objectMenu(0));
    mnuObject2 = menu(mnuGraph->addMenu(QString()), front::objectMenu(1));

    QMenu* const submenus[] = {mnuObject1, mnuObject2};
    for (int object = 0; object < 2; ++object) {
        for (int row = 0; row < front::kColourCount; ++row) {
            QAction* item = submenus[object]->addAction(ui::text(front::colourRows()[row].caption));
            item->setObjectName(QString::fromStdString(front::colourItemName(object, row)));
            item->setCheckable(true);
            // The marks at start match the start-up colours: light blue and yellow.
            item->setChecked(row == front::startColourRow(object));
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
    // The colours of the two objects, side lobes off and the titles of the extended
    // target are the session's from its start.
    // The sampling rates of the summator.
    for (int item = 0; item < static_cast<int>(front::samplingRateItems().size()); ++item)
        cboFd->addItem(QString::fromStdString(front::samplingRateLabel(item)));
    cboFd->setCurrentIndex(front::startSamplingRateItem());
}

void Form1::resetResultLabels() {
    for (const auto& [result, label] : resultLabels_)
        setBoxText(label, QString());
    for (const model::Result result : {model::Result::ta1, model::Result::ta2})
        setBoxText(resultLabel(result), QString::fromUtf8(front::unsetResultText(result)));
    setRange(QString());
}

void Form1::tmrTime_Timer() {
    const QTime now = QTime::currentTime();
    setWindowTitle(
        QString::fromStdString(front::clockCaption(now.hour(), now.minute(), now.second())));
}

void Form1::cmdExit_Click() {
    tmrTime->stop();
    close();
}

void Form1::closeEvent(QCloseEvent* event) {
    tmrTime->stop();
    // The experiment's window goes with the program's window (it stops a run).
    if (experiment_)
        experiment_->close();
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
    lblT2->setText(ui::text(look.lblT2));
    lblT2->adjustSize();
    blockButtons_.at(views::Block::NoiseEquivalent)->setText(ui::text(look.btnT2));
    blockButtons_.at(views::Block::Antenna)->setText(ui::text(look.btnT1));
    session_.chooseScene(look.scene);
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
        session_.tickSideLobes(false, {}, {});
        return;
    }
    setFieldEnabled(txtTbokov, true);
    setFieldEnabled(txtBetta, true);
    const std::optional<front::Warning> refused = session_.tickSideLobes(
        true, txtBetta->text().toStdString(), txtTbokov->text().toStdString());
    if (refused) {
        // The side lobes stay off; the fields stay open for the correction.
        chkLepestok->setChecked(false);
        showWarning(*refused);
    }
}

// ---- the colour menus ----------------------------------------------------------------

void Form1::chooseColour(int object, int row) {
    for (const int mark : front::colourMarkOrder())
        colourItems_[object][mark]->setChecked(mark == row);
    session_.chooseColour(object, row);
}

// ---- a press of a block button ---------------------------------------------------------

void Form1::pressBlock(views::Block block) {
    ui::BusyCursor busy;
    busy_ = &busy;
    const auto noLongerBusy = qScopeGuard([this] { busy_ = nullptr; });
    const char separator = ui::localeDecimalSeparator();

    // Every field the view reads, converted before anything changes.
    front::PressOpening opening;
    try {
        opening = session_.open(block, fieldTexts(), separator);
    } catch (const front::PressFailed& failed) {
        showWarning(failed.warning());
        return;
    }

    // The opening of the view: labels reset, the title, the point target.
    const LabelTexts saved = saveLabels();
    resetResultLabels();
    setTitle(QString::fromStdString(opening.press.title));
    if (opening.beamFilled)
        showBeamFilledMessage();
    else if (!opening.range.empty())
        setRange(QString::fromStdString(opening.range));

    // The chain, on a copy of the state, drawn into a recording.
    front::PressRun run;
    std::optional<front::Warning> fault;
    bool cancelled = false;
    {
        ui::PressProgress progress(this);
        try {
            run = session_.run(opening, separator, &progress);
        } catch (const views::PressCancelled&) {
            cancelled = true;
        } catch (const front::PressFailed& failed) {
            fault = failed.warning();
        } catch (const std::exception& error) {
            fault = front::Warning{views::computeErrorTitle(), error.what(), {}};
        }
    } // the progress dialog closes here
    if (cancelled || fault) {
        restoreLabels(saved);
        if (fault)
            showWarning(*fault);
        return;
    }

    // The press has succeeded: keep its state, show its picture and texts.
    PicRes->showRecording(run.recording);
    const views::ResultTexts results = run.outcome.texts;
    session_.keep(opening, std::move(run));
    tools_->setRecord(session_.record());
    applyResults(results);
}

ui::SensitivityDialog* Form1::openExperiment() {
    if (!experiment_)
        experiment_ = std::make_unique<ui::SensitivityDialog>(
            this, [this] { return fieldTexts(); }, [this] { return session_.state(); });
    experiment_->show();
    experiment_->raise();
    experiment_->activateWindow();
    return experiment_.get();
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
    QMessageBox box(QMessageBox::Information, ui::text(front::texts::kBeamFilledTitle),
                    ui::text(front::texts::kBeamFilledText), QMessageBox::Ok, this);
    box.exec();
}

void Form1::showWarning(const front::Warning& warning) {
    {
        const ui::BusyCursor::Released arrow(busy_);
        QMessageBox::warning(this, QString::fromStdString(warning.title),
                             QString::fromStdString(warning.text));
    }
    // The student goes on where the message points: the first field it names, selected.
    const std::string control = warning.focusControl();
    if (control.empty())
        return;
    auto* named = findChild<QWidget*>(QString::fromStdString(control));
    if (!named || !named->isEnabled())
        return;
    named->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(named))
        edit->selectAll();
}

// ---- the guide ------------------------------------------------------------------------

ui::HelpDialog* Form1::openHelp(const QString& anchor) {
    if (!help_)
        help_ = new ui::HelpDialog(this);
    help_->showAt(anchor);
    return help_;
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

// ---- lab setups and reports ------------------------------------------------------------

front::Setup Form1::currentSetup() const {
    front::Setup setup;
    for (const auto& [quantity, box] : fields_)
        setup.fields[quantity] = box->text().toStdString();
    setup.scene = currentScene();
    setup.sideLobes = chkLepestok->isChecked();
    setup.samplingRate = cboFd->currentIndex();
    for (int object = 0; object < 2; ++object)
        for (int row = 0; row < front::kColourCount; ++row)
            if (colourItems_[object][row]->isChecked())
                setup.colourRow[object] = row;
    setup.seed = session_.noiseSeed();
    return setup;
}

void Form1::applySetup(const front::Setup& setup) {
    // The window's controls, set as the user would: each change runs its handler.
    struct Controls : front::SetupControls {
        explicit Controls(Form1& window) : window_(window) {}
        void type(model::Quantity quantity, const std::string& text) override {
            if (const auto box = window_.fields_.find(quantity); box != window_.fields_.end())
                box->second->setText(QString::fromStdString(text));
        }
        void chooseScene(model::Scene scene) override {
            window_.sceneOptions_.at(scene)->setChecked(true); // its handler follows
        }
        void chooseSamplingRate(int index) override { window_.cboFd->setCurrentIndex(index); }
        void chooseColour(int object, int row) override { window_.chooseColour(object, row); }
        void restartNoise(std::uint64_t seed) override { window_.session_.restartNoise(seed); }
        bool sideLobesTicked() const override { return window_.chkLepestok->isChecked(); }
        void clickSideLobes(bool ticked) override {
            window_.chkLepestok->setChecked(ticked);
            window_.chkLepestok_Click();
        }
        Form1& window_;
    } controls(*this);
    front::applySetup(setup, controls);
}

bool Form1::openSetupFile(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const auto refuse = [this, &name](const QString& why) {
        showWarning(
            front::Warning{front::setupRefusedTitle(),
                           front::setupRefusedMessage(name.toStdString(), why.toStdString()),
                           {}});
        return false;
    };
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    const QByteArray bytes = file.read(static_cast<qint64>(front::kLargestSetupFile) + 1);
    front::Setup setup;
    try {
        setup = front::readSetup(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const front::SetupError& error) {
        return refuse(QString::fromStdString(error.what()));
    }
    applySetup(setup);
    return true;
}

front::Report Form1::currentReport() const {
    const QDateTime now = QDateTime::currentDateTime();
    const std::string when =
        front::reportDate(now.date().year(), now.date().month(), now.date().day(),
                          now.time().hour(), now.time().minute());
    return front::makeReport(session_, currentSetup(), experiment_ ? &experiment_->log() : nullptr,
                             when, ui::localeDecimalSeparator(), VELTRUM_VERSION);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    openSetupFile(urls.front().toLocalFile());
}
