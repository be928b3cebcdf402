// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form1.h"

#include "canvas/PictureBox.h"
#include "canvas/RecordingCanvas.h"
#include "model/Numbers.h"
#include "ui/Controls.h"
#include "ui/Layout.h"
#include "views/Fields.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>

namespace {

using ui::Control;
using ui::Kind;

const QString kInputErrorTitle = QStringLiteral("Ошибка ввода");
const QString kComputeErrorTitle = QStringLiteral("Ошибка расчёта");

void setColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
    widget->setPalette(palette);
}

void setForeground(QWidget* widget, QRgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, QColor(colour));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(colour));
    widget->setPalette(palette);
}

void setOwnBackground(QWidget* widget, QRgb colour) {
    setColour(widget, QPalette::Window, QColor(colour));
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(const Control& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(control.kind == Kind::Formula ? Qt::RichText : Qt::PlainText);
    label->setText(QString::fromUtf8(control.text));
    label->setWordWrap(control.wrapped);
    label->setAlignment(control.centred || control.kind == Kind::Formula
                            ? Qt::AlignCenter
                            : Qt::AlignLeft | Qt::AlignVCenter);
    if (control.kind == Kind::ResultLabel) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setIndent(2);
        setOwnBackground(label, ui::kWhite);
    }
    return label;
}

// One control of the table as a widget, placed in its parent.
QWidget* makeControl(const Control& control, QWidget* parent) {
    const QString text = QString::fromUtf8(control.text);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case Kind::Field: {
        auto* field = new QLineEdit(text, parent);
        setColour(field, QPalette::Base,
                  QColor(control.enabled ? ui::kEnabledField : ui::kDisabledField));
        // A disabled field keeps its text legible: dark grey on the grey background.
        QPalette palette = field->palette();
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(ui::kDisabledText));
        field->setPalette(palette);
        widget = field;
        break;
    }
    case Kind::Label:
    case Kind::Formula:
    case Kind::ResultLabel:
        widget = makeLabel(control, parent);
        break;
    case Kind::Button:
        widget = new ui::CaptionButton(text, parent);
        if (control.background != 0)
            setColour(widget, QPalette::Button, QColor(control.background));
        break;
    case Kind::Frame:
        widget = new QGroupBox(text, parent);
        break;
    case Kind::Option: {
        auto* option = new ui::WrappedRadioButton(text, parent);
        option->setChecked(control.selected);
        widget = option;
        break;
    }
    case Kind::CheckBox: {
        auto* box = new ui::WrappedCheckBox(text, parent);
        box->setChecked(control.selected);
        widget = box;
        break;
    }
    case Kind::ComboBox: {
        auto* list = new QComboBox(parent);
        list->setEditable(false);
        widget = list;
        break;
    }
    case Kind::Picture:
        widget = new canvas::PictureBox(parent);
        break;
    }
    widget->setObjectName(QString::fromUtf8(control.name));
    setForeground(widget, control.foreground);
    if (control.background != 0 && control.kind != Kind::Button)
        setOwnBackground(widget, control.background);
    if (control.font != ui::FontKind::Window)
        widget->setFont(ui::fontFor(control.font));
    widget->setEnabled(control.enabled);
    if (control.width > 0) {
        widget->setGeometry(control.geometry());
    } else {
        widget->adjustSize();
        widget->setGeometry(control.x, control.y, widget->width(),
                            control.height > 0 ? control.height : widget->height());
    }
    return widget;
}

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

} // namespace

// The hourglass for the whole press, put away while a message box is open and always
// taken back at the end.
class Form1::BusyCursor {
public:
    explicit BusyCursor(Form1& window) : window_(window) {
        show();
        window_.busy_ = this;
    }
    ~BusyCursor() {
        window_.busy_ = nullptr;
        hide();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // The arrow for as long as a message box is open.
    class Released {
    public:
        explicit Released(BusyCursor* busy) : busy_(busy) {
            if (busy_)
                busy_->hide();
        }
        ~Released() {
            if (busy_)
                busy_->show();
        }
        Released(const Released&) = delete;
        Released& operator=(const Released&) = delete;

    private:
        BusyCursor* busy_;
    };

private:
    void show() {
        if (!shown_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        shown_ = true;
    }
    void hide() {
        if (shown_)
            QApplication::restoreOverrideCursor();
        shown_ = false;
    }

    Form1& window_;
    bool shown_ = false;
};

// The summator's progress: a modal dialog with "Отмена", opened only when the press
// will take more than about half a second. The summator reports after every pass
// (some tens of microseconds); the dialog is looked at only every 25 ms.
class Form1::SummatorProgress final : public views::Progress {
public:
    explicit SummatorProgress(QWidget* owner) : owner_(owner) { clock_.start(); }

    bool keepGoing(double passesDone, double passesTotal) override {
        const qint64 now = clock_.elapsed();
        if (now - lastLook_ < kLookEveryMs)
            return true;
        lastLook_ = now;
        if (!dialog_) {
            if (!(passesDone > 0) || !(passesTotal > passesDone) ||
                static_cast<double>(now) * (passesTotal / passesDone) < kLongPressMs)
                return true;
            open(now);
        }
        const double share = std::clamp(passesDone / passesTotal, 0.0, 1.0);
        dialog_->setValue(static_cast<int>(share * kSteps));
        return !dialog_->wasCanceled();
    }

private:
    void open(qint64 now) {
        dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("Накопление…"),
                                                    QStringLiteral("Отмена"), 0, kSteps, owner_);
        dialog_->setWindowTitle(QStringLiteral("Сумматор"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        // Half a second after the press began, not after the dialog was made.
        dialog_->setMinimumDuration(static_cast<int>(std::max<qint64>(0, kLongPressMs - now)));
        dialog_->setValue(0);
    }

    static constexpr qint64 kLookEveryMs = 25;
    static constexpr qint64 kLongPressMs = 500;
    static constexpr int kSteps = 1000;
    QWidget* owner_;
    QElapsedTimer clock_;
    qint64 lastLook_ = 0;
    std::unique_ptr<QProgressDialog> dialog_;
};

// The texts a press may change, kept to put them back when it fails.
struct Form1::ResultLabelTexts {
    QString lblname, lblTa1, lblTa2, lblmo, lblmo1, lblexit, lblEnterT, lblEnter, lblRmax;
};

// How a scene shows in the window (steps 1 to 6 of an option click).
struct Form1::SceneLook {
    bool sceneFieldsEnabled; // txtVisota, txtF, txtScel
    const char* lblT2;
    const char* btnT2;
    const char* btnT1;
};

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Veltrum"));
    setWindowIcon(ui::applicationIcon());
    createControls();
    bindControls();
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
    for (const Control& control : ui::formControls()) {
        QWidget* parent = control.parent ? made.value(QString::fromUtf8(control.parent)) : area;
        made.insert(QString::fromUtf8(control.name), makeControl(control, parent));
    }
}

void Form1::bindControls() {
    const auto find = [this](auto*& member, const char* name) {
        using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(member)>>;
        member = findChild<Widget*>(QString::fromUtf8(name));
        Q_ASSERT(member);
    };
    find(txtVisota, "txtVisota");
    find(txtScel, "txtScel");
    find(txtF, "txtF");
    find(txtT2, "txtT2");
    find(txtT1, "txtT1");
    find(txtdeltaf, "txtdeltaf");
    find(txtKp, "txtKp");
    find(txtdeltaKp, "txtdeltaKp");
    find(txtTprm, "txtTprm");
    find(txtF11, "txtF11");
    find(txtF22, "txtF22");
    find(txtn, "txtn");
    find(txtTint, "txtTint");
    find(txtBetta, "txtBetta");
    find(txtTbokov, "txtTbokov");
    find(fraCase, "fraCase");
    find(optBigCel, "optBigCel");
    find(optGranica, "optGranica");
    find(optCel, "optCel");
    find(chkLepestok, "chkLepestok");
    find(cboFd, "cboFd");
    find(lblT2, "lblT2");
    find(lblTa1, "lblTa1");
    find(lblTa2, "lblTa2");
    find(lblname, "lblname");
    find(lblRmax, "lblRmax");
    find(lblmo1, "lblmo1");
    find(lblmo, "lblmo");
    find(lblEnterT, "lblEnterT");
    find(lblEnter, "lblEnter");
    find(lblexit, "lblexit");
    find(PicRes, "PicRes");
    find(btnT1, "btnT1");
    find(btnT2, "btnT2");
    find(btnmod, "btnmod");
    find(btnap, "btnap");
    find(btnUVF, "btnUVF");
    find(btnDet, "btnDet");
    find(btnF1, "btnF1");
    find(btncap, "btncap");
    find(btnF2, "btnF2");
    find(btnASP, "btnASP");
    find(btnsum, "btnsum");
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

    const auto addItems = [](QMenu* menu, const char* suffix) {
        std::array<QAction*, 7> items{};
        for (std::size_t i = 0; i < items.size(); ++i) {
            const ColourRow& row = kColourRows[i];
            QAction* item = menu->addAction(QString::fromUtf8(row.caption));
            item->setObjectName(QString::fromUtf8(row.name) + QString::fromUtf8(suffix));
            item->setCheckable(true);
            items[i] = item;
        }
        return items;
    };
    const auto first = addItems(mnuObject1, "1");
    mnuRed1 = first[0];
    mnuYellow1 = first[1];
    mnuGreen1 = first[2];
    mnuBlue1 = first[3];
    mnuGreenBlue1 = first[4];
    mnuRedBlue1 = first[5];
    mnuBlack1 = first[6];
    const auto second = addItems(mnuObject2, "2");
    mnuRed2 = second[0];
    mnuYellow2 = second[1];
    mnuGreen2 = second[2];
    mnuBlue2 = second[3];
    mnuGreenBlue2 = second[4];
    mnuRedBlue2 = second[5];
    mnuBlack2 = second[6];
    // The marks at start match the start-up colours: light blue and yellow.
    mnuGreenBlue1->setChecked(true);
    mnuYellow2->setChecked(true);

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
    connect(optBigCel, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optBigCel_Click();
    });
    connect(optCel, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optCel_Click();
    });
    connect(optGranica, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optGranica_Click();
    });
    connect(chkLepestok, &QCheckBox::clicked, this, &Form1::chkLepestok_Click);

    connect(mnuRed1, &QAction::triggered, this, &Form1::mnuRed1_Click);
    connect(mnuYellow1, &QAction::triggered, this, &Form1::mnuYellow1_Click);
    connect(mnuGreen1, &QAction::triggered, this, &Form1::mnuGreen1_Click);
    connect(mnuBlue1, &QAction::triggered, this, &Form1::mnuBlue1_Click);
    connect(mnuGreenBlue1, &QAction::triggered, this, &Form1::mnuGreenBlue1_Click);
    connect(mnuRedBlue1, &QAction::triggered, this, &Form1::mnuRedBlue1_Click);
    connect(mnuBlack1, &QAction::triggered, this, &Form1::mnuBlack1_Click);
    connect(mnuRed2, &QAction::triggered, this, &Form1::mnuRed2_Click);
    connect(mnuYellow2, &QAction::triggered, this, &Form1::mnuYellow2_Click);
    connect(mnuGreen2, &QAction::triggered, this, &Form1::mnuGreen2_Click);
    connect(mnuBlue2, &QAction::triggered, this, &Form1::mnuBlue2_Click);
    connect(mnuGreenBlue2, &QAction::triggered, this, &Form1::mnuGreenBlue2_Click);
    connect(mnuRedBlue2, &QAction::triggered, this, &Form1::mnuRedBlue2_Click);
    connect(mnuBlack2, &QAction::triggered, this, &Form1::mnuBlack2_Click);

    connect(btnT1, &QPushButton::clicked, this, &Form1::btnT1_Click);
    connect(btnT2, &QPushButton::clicked, this, &Form1::btnT2_Click);
    connect(btnmod, &QPushButton::clicked, this, &Form1::btnmod_Click);
    connect(btnap, &QPushButton::clicked, this, &Form1::btnap_Click);
    connect(btnUVF, &QPushButton::clicked, this, &Form1::btnUVF_Click);
    connect(btnDet, &QPushButton::clicked, this, &Form1::btnDet_Click);
    connect(btnF1, &QPushButton::clicked, this, &Form1::btnF1_Click);
    connect(btncap, &QPushButton::clicked, this, &Form1::btncap_Click);
    connect(btnF2, &QPushButton::clicked, this, &Form1::btnF2_Click);
    connect(btnASP, &QPushButton::clicked, this, &Form1::btnASP_Click);
    connect(btnsum, &QPushButton::clicked, this, &Form1::btnsum_Click);
}

// ---- start-up, reset, clock and exit -----------------------------------------------

void Form1::Form_Load() {
    // Colours of the two objects, side lobes off, the titles of the extended target.
    model::applyStartupDefaults(state_);
    // The sampling rates of the summator.
    for (const char* rate :
         {"5МГц", "2,5МГц", "1,25МГц", "1МГц", "500кГц", "100кГц", "50кГц", "25кГц", "10кГц"})
        cboFd->addItem(QString::fromUtf8(rate));
    cboFd->setCurrentIndex(6);
}

void Form1::resetResultLabels() {
    setBoxText(lblTa1, QStringLiteral("Ta1=..."));
    setBoxText(lblTa2, QStringLiteral("Ta2=..."));
    setBoxText(lblmo, QString());
    setBoxText(lblmo1, QString());
    setBoxText(lblexit, QString());
    setBoxText(lblEnterT, QString());
    setBoxText(lblEnter, QString());
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
    if (optCel->isChecked())
        return model::Scene::PointTarget;
    if (optGranica->isChecked())
        return model::Scene::Boundary;
    return model::Scene::ExtendedTarget;
}

// ---- the scene options and the side lobes ------------------------------------------

void Form1::optBigCel_Click() {
    showScene({false, "Т-ра эквивалента, К", "  Шумовой эквивалент", "Антенна"},
              model::Scene::ExtendedTarget);
}

void Form1::optCel_Click() {
    showScene({true, "", "Антенна:  фон", "Антенна: цель+фон"}, model::Scene::PointTarget);
}

void Form1::optGranica_Click() {
    showScene({false, "", "Антенна:  цель2", "Антенна: цель1"}, model::Scene::Boundary);
}

void Form1::showScene(const SceneLook& look, model::Scene scene) {
    setFieldEnabled(txtVisota, look.sceneFieldsEnabled);
    setFieldEnabled(txtF, look.sceneFieldsEnabled);
    setFieldEnabled(txtScel, look.sceneFieldsEnabled);
    lblT2->setText(QString::fromUtf8(look.lblT2));
    lblT2->adjustSize();
    btnT2->setText(QString::fromUtf8(look.btnT2));
    btnT1->setText(QString::fromUtf8(look.btnT1));
    const model::InputTitles titles = model::inputTitles(scene);
    state_.input1Title = titles.input1;
    state_.input2Title = titles.input2;
}

// Background first, then the enabled state.
void Form1::setFieldEnabled(QLineEdit* field, bool enabled) {
    setColour(field, QPalette::Base, QColor(enabled ? ui::kEnabledField : ui::kDisabledField));
    field->setEnabled(enabled);
}

void Form1::chkLepestok_Click() {
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
            model::readFloat32Field(views::caption::kBetta, txtBetta->text().toStdString());
        const std::int16_t temperature =
            model::readInt16Field(views::caption::kTbokov, txtTbokov->text().toStdString());
        state_.sideLobeFraction = fraction;
        state_.sideLobeTemperature = temperature;
    } catch (const model::FieldError& error) {
        // The side lobes stay off; the fields stay open for the correction.
        state_.sideLobeFraction = 0.0f;
        state_.sideLobeTemperature = 0;
        chkLepestok->setChecked(false);
        showWarning(kInputErrorTitle, QString::fromUtf8(error.what()));
    }
}

// ---- the colour menus ----------------------------------------------------------------

std::array<QAction*, 7> Form1::colourItems(int object) const {
    if (object == 1)
        return {mnuRed1, mnuYellow1, mnuGreen1, mnuBlue1, mnuGreenBlue1, mnuRedBlue1, mnuBlack1};
    return {mnuRed2, mnuYellow2, mnuGreen2, mnuBlue2, mnuGreenBlue2, mnuRedBlue2, mnuBlack2};
}

void Form1::chooseColour(int object, PlotColour colour) {
    // The marks, in the order black, blue, green, light blue, red, lilac, yellow.
    const std::array<QAction*, 7> items = colourItems(object);
    for (const PlotColour mark :
         {PlotColour::Black, PlotColour::Blue, PlotColour::Green, PlotColour::GreenBlue,
          PlotColour::Red, PlotColour::RedBlue, PlotColour::Yellow})
        items[static_cast<std::size_t>(mark)]->setChecked(mark == colour);
    const ColourRow& row = kColourRows[static_cast<std::size_t>(colour)];
    if (object == 1) {
        state_.obj1Red = row.red;
        state_.obj1Green = row.green;
        state_.obj1Blue = row.blue;
    } else {
        state_.obj2Red = row.red;
        state_.obj2Green = row.green;
        state_.obj2Blue = row.blue;
    }
}

// ---- a press of a block button ---------------------------------------------------------

void Form1::pressBlock(views::Block block) {
    const BusyCursor busy(*this);

    // Every field the view reads, converted before anything changes.
    views::Press press;
    try {
        press = views::preparePress(block, fieldTexts(), state_);
    } catch (const std::exception& error) {
        showWarning(kInputErrorTitle, QString::fromUtf8(error.what()));
        return;
    }

    // The opening of the view: labels reset, the title, the point target.
    const ResultLabelTexts saved = saveResultLabels();
    resetResultLabels();
    setTitle(QString::fromStdString(press.title));
    if (press.pointTarget) {
        if (press.pointTarget->beamFilled)
            showBeamFilledMessage();
        else
            setRange(QString::fromStdString(press.pointTarget->rangeText));
    }

    // The chain, on a copy of the state, drawn into a recording.
    auto scratch = std::make_unique<model::ReceiverState>(state_);
    canvas::RecordingCanvas recording;
    views::ResultTexts results;
    std::optional<QString> fault;
    bool cancelled = false;
    {
        SummatorProgress progress(this);
        try {
            results = views::runPress(press, *scratch, recording, decimalSeparator(), &progress);
        } catch (const views::PressCancelled&) {
            cancelled = true;
        } catch (const std::exception& error) {
            fault = QString::fromUtf8(error.what());
        }
    } // the progress dialog closes here
    if (cancelled || fault) {
        restoreResultLabels(saved);
        if (fault)
            showWarning(kComputeErrorTitle, *fault);
        return;
    }

    // The press has succeeded: keep its state, show its picture and texts.
    state_ = *scratch;
    PicRes->showRecording(recording);
    applyResults(results);
}

views::FieldTexts Form1::fieldTexts() const {
    views::FieldTexts texts;
    texts.txtVisota = txtVisota->text().toStdString();
    texts.txtScel = txtScel->text().toStdString();
    texts.txtF = txtF->text().toStdString();
    texts.txtT2 = txtT2->text().toStdString();
    texts.txtT1 = txtT1->text().toStdString();
    texts.txtdeltaf = txtdeltaf->text().toStdString();
    texts.txtKp = txtKp->text().toStdString();
    texts.txtdeltaKp = txtdeltaKp->text().toStdString();
    texts.txtTprm = txtTprm->text().toStdString();
    texts.txtF11 = txtF11->text().toStdString();
    texts.txtF22 = txtF22->text().toStdString();
    texts.txtn = txtn->text().toStdString();
    texts.txtTint = txtTint->text().toStdString();
    texts.scene = currentScene();
    texts.cboFdIndex = cboFd->currentIndex();
    return texts;
}

Form1::ResultLabelTexts Form1::saveResultLabels() const {
    return {lblname->text(), lblTa1->text(),    lblTa2->text(),   lblmo->text(),  lblmo1->text(),
            lblexit->text(), lblEnterT->text(), lblEnter->text(), lblRmax->text()};
}

void Form1::restoreResultLabels(const ResultLabelTexts& saved) {
    setTitle(saved.lblname);
    setBoxText(lblTa1, saved.lblTa1);
    setBoxText(lblTa2, saved.lblTa2);
    setBoxText(lblmo, saved.lblmo);
    setBoxText(lblmo1, saved.lblmo1);
    setBoxText(lblexit, saved.lblexit);
    setBoxText(lblEnterT, saved.lblEnterT);
    setBoxText(lblEnter, saved.lblEnter);
    setRange(saved.lblRmax);
}

void Form1::applyResults(const views::ResultTexts& results) {
    const auto apply = [](QLabel* label, const std::optional<std::string>& text) {
        if (text)
            setBoxText(label, QString::fromStdString(*text));
    };
    apply(lblTa1, results.lblTa1);
    apply(lblTa2, results.lblTa2);
    apply(lblmo, results.lblmo);
    apply(lblmo1, results.lblmo1);
    apply(lblEnterT, results.lblEnterT);
    apply(lblEnter, results.lblEnter);
    apply(lblexit, results.lblexit);
}

void Form1::showBeamFilledMessage() {
    const BusyCursor::Released arrow(busy_);
    QMessageBox box(QMessageBox::Information,
                    QStringLiteral("Коэффициент заполнения луча больше единицы !"),
                    QStringLiteral("Для таких параметров это случай протяженной цели! Нажмите "
                                   "ОК для продолжения !"),
                    QMessageBox::Ok, this);
    box.exec();
}

void Form1::showWarning(const QString& title, const QString& text) {
    const BusyCursor::Released arrow(busy_);
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

char Form1::decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point == QStringLiteral(",") || point == QStringLiteral("."))
        return point.at(0).toLatin1();
    return '.';
}
