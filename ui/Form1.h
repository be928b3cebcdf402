// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: the fields and the block diagram of the receiver, the result
// picture and labels, the plot colour menus and the clock in the caption. It owns the
// whole state of the program (one model::ReceiverState) and drives every press of a
// block button: read the fields, run the view on a copy of the state, then show the
// picture and the texts, or put everything back when the press fails.

#include "model/ReceiverState.h"
#include "views/Press.h"

#include <QMainWindow>
#include <QString>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

namespace canvas {
class PictureBox;
}

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // What the window keeps between presses (for the tests and the screenshot tool).
    const model::ReceiverState& receiverState() const { return state_; }
    // The scene is never stored: it is whichever option button is selected.
    model::Scene currentScene() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class BusyCursor;
    class SummatorProgress;
    struct ResultLabelTexts;

    // Building the window.
    void createControls();
    void bindControls();
    void createMenu();
    void connectHandlers();
    void applyTabOrder();

    // Start-up, reset, clock and exit.
    void Form_Load();
    void resetResultLabels();
    void tmrTime_Timer();
    void cmdExit_Click();

    // The scene options and the side lobes.
    void optBigCel_Click();
    void optCel_Click();
    void optGranica_Click();
    void chkLepestok_Click();
    struct SceneLook;
    void showScene(const SceneLook& look, model::Scene scene);
    void setFieldEnabled(QLineEdit* field, bool enabled);

    // The colour menus: one rule for all fourteen items.
    enum class PlotColour { Red, Yellow, Green, Blue, GreenBlue, RedBlue, Black };
    void mnuRed1_Click() { chooseColour(1, PlotColour::Red); }
    void mnuYellow1_Click() { chooseColour(1, PlotColour::Yellow); }
    void mnuGreen1_Click() { chooseColour(1, PlotColour::Green); }
    void mnuBlue1_Click() { chooseColour(1, PlotColour::Blue); }
    void mnuGreenBlue1_Click() { chooseColour(1, PlotColour::GreenBlue); }
    void mnuRedBlue1_Click() { chooseColour(1, PlotColour::RedBlue); }
    void mnuBlack1_Click() { chooseColour(1, PlotColour::Black); }
    void mnuRed2_Click() { chooseColour(2, PlotColour::Red); }
    void mnuYellow2_Click() { chooseColour(2, PlotColour::Yellow); }
    void mnuGreen2_Click() { chooseColour(2, PlotColour::Green); }
    void mnuBlue2_Click() { chooseColour(2, PlotColour::Blue); }
    void mnuGreenBlue2_Click() { chooseColour(2, PlotColour::GreenBlue); }
    void mnuRedBlue2_Click() { chooseColour(2, PlotColour::RedBlue); }
    void mnuBlack2_Click() { chooseColour(2, PlotColour::Black); }
    void chooseColour(int object, PlotColour colour);
    // A submenu's seven items in menu order: red, yellow, green, blue, light blue,
    // lilac, black.
    std::array<QAction*, 7> colourItems(int object) const;

    // The block buttons.
    void btnT1_Click() { pressBlock(views::Block::Antenna); }
    void btnT2_Click() { pressBlock(views::Block::NoiseEquivalent); }
    void btnmod_Click() { pressBlock(views::Block::Modulator); }
    void btnap_Click() { pressBlock(views::Block::Switch); }
    void btnUVF_Click() { pressBlock(views::Block::Uhf); }
    void btnDet_Click() { pressBlock(views::Block::Detector); }
    void btnF1_Click() { pressBlock(views::Block::Filter1); }
    void btncap_Click() { pressBlock(views::Block::Capacitor); }
    void btnF2_Click() { pressBlock(views::Block::Filter2); }
    void btnASP_Click() { pressBlock(views::Block::Adc); }
    void btnsum_Click() { pressBlock(views::Block::Summator); }

    // One press: the view sequence around views::preparePress and views::runPress.
    void pressBlock(views::Block block);
    views::FieldTexts fieldTexts() const;
    ResultLabelTexts saveResultLabels() const;
    void restoreResultLabels(const ResultLabelTexts& saved);
    void applyResults(const views::ResultTexts& results);
    void showBeamFilledMessage();
    void showWarning(const QString& title, const QString& text);

    // Label texts: the title and the range widen with their text; the fixed boxes show
    // a text too wide for them in full as a tooltip.
    void setTitle(const QString& text);
    void setRange(const QString& text);
    static void setBoxText(QLabel* label, const QString& text);
    static char decimalSeparator();

    model::ReceiverState state_;
    BusyCursor* busy_ = nullptr; // set while a press runs

    // Controls, named as in the window's description.
    QLineEdit* txtVisota = nullptr;
    QLineEdit* txtScel = nullptr;
    QLineEdit* txtF = nullptr;
    QLineEdit* txtT2 = nullptr;
    QLineEdit* txtT1 = nullptr;
    QLineEdit* txtdeltaf = nullptr;
    QLineEdit* txtKp = nullptr;
    QLineEdit* txtdeltaKp = nullptr;
    QLineEdit* txtTprm = nullptr;
    QLineEdit* txtF11 = nullptr;
    QLineEdit* txtF22 = nullptr;
    QLineEdit* txtn = nullptr;
    QLineEdit* txtTint = nullptr;
    QLineEdit* txtBetta = nullptr;
    QLineEdit* txtTbokov = nullptr;
    QGroupBox* fraCase = nullptr;
    QRadioButton* optBigCel = nullptr;
    QRadioButton* optGranica = nullptr;
    QRadioButton* optCel = nullptr;
    QCheckBox* chkLepestok = nullptr;
    QComboBox* cboFd = nullptr;
    QLabel* lblT2 = nullptr;
    QLabel* lblTa1 = nullptr;
    QLabel* lblTa2 = nullptr;
    QLabel* lblname = nullptr;
    QLabel* lblRmax = nullptr;
    QLabel* lblmo1 = nullptr;
    QLabel* lblmo = nullptr;
    QLabel* lblEnterT = nullptr;
    QLabel* lblEnter = nullptr;
    QLabel* lblexit = nullptr;
    canvas::PictureBox* PicRes = nullptr;
    QPushButton* btnT1 = nullptr;
    QPushButton* btnT2 = nullptr;
    QPushButton* btnmod = nullptr;
    QPushButton* btnap = nullptr;
    QPushButton* btnUVF = nullptr;
    QPushButton* btnDet = nullptr;
    QPushButton* btnF1 = nullptr;
    QPushButton* btncap = nullptr;
    QPushButton* btnF2 = nullptr;
    QPushButton* btnASP = nullptr;
    QPushButton* btnsum = nullptr;
    QPushButton* cmdExit = nullptr;
    QMenu* mnuGraph = nullptr;
    QMenu* mnuObject1 = nullptr;
    QMenu* mnuObject2 = nullptr;
    QAction* mnuRed1 = nullptr;
    QAction* mnuYellow1 = nullptr;
    QAction* mnuGreen1 = nullptr;
    QAction* mnuBlue1 = nullptr;
    QAction* mnuGreenBlue1 = nullptr;
    QAction* mnuRedBlue1 = nullptr;
    QAction* mnuBlack1 = nullptr;
    QAction* mnuRed2 = nullptr;
    QAction* mnuYellow2 = nullptr;
    QAction* mnuGreen2 = nullptr;
    QAction* mnuBlue2 = nullptr;
    QAction* mnuGreenBlue2 = nullptr;
    QAction* mnuRedBlue2 = nullptr;
    QAction* mnuBlack2 = nullptr;
    QTimer* tmrTime = nullptr;
};
