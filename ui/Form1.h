// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: the fields and the block diagram of the receiver, the result
// picture and labels, the plot colour menus and the clock in the caption. It owns the
// whole state of the program (one model::ReceiverState) and drives every press of a
// block button: read the fields, run the view on a copy of the state, then show the
// picture and the texts, or put everything back when the press fails.

#include "front/Report.h"
#include "front/Session.h"
#include "front/Setup.h"
#include "model/Quantity.h"
#include "model/ReceiverState.h"
#include "views/Blocks.h"
#include "views/Press.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <map>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

namespace canvas {
class PictureBox;
}
namespace views {
struct SceneLook;
}
namespace ui {
class BusyCursor;
class HelpDialog;
class LabFiles;
class PictureTools;
class SensitivityDialog;
} // namespace ui

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // What the window keeps between presses (for the tests and the screenshot tool).
    const model::ReceiverState& receiverState() const { return session_.state(); }
    // The result picture's tools for lab work and the experiment's dialog (made at its
    // first opening).
    ui::PictureTools* pictureTools() const { return tools_; }
    ui::SensitivityDialog* openExperiment();
    // The experiment's window once it has been opened; it closes with the main window.
    ui::SensitivityDialog* experiment() const { return experiment_.get(); }
    // The scene is never stored: it is whichever option button is selected.
    model::Scene currentScene() const;
    // The fields as they stand, as a press reads them.
    views::FieldTexts fieldTexts() const;

    // Lab setups: the window's controls as a setup; a setup applied as if the user had
    // typed and clicked it; a setup file opened (a warning box says why not, and the
    // window stays as it was).
    front::Setup currentSetup() const;
    void applySetup(const front::Setup& setup);
    bool openSetupFile(const QString& fileName);
    // The lab report of the session as it stands.
    front::Report currentReport() const;
    ui::LabFiles* labFiles() const { return labFiles_; }
    // The guide (F1, «Справка»), made at its first opening, at the heading with that anchor.
    ui::HelpDialog* openHelp(const QString& anchor = {});

protected:
    void closeEvent(QCloseEvent* event) override;
    // A setup file dropped onto the window opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct LabelTexts;

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
    void showScene(const views::SceneLook& look);
    void setFieldEnabled(QLineEdit* field, bool enabled);
    void chkLepestok_Click();

    // The colour menus: one rule for all fourteen items.
    void chooseColour(int object, int row);

    // A press of a block button: the view sequence around views::preparePress and
    // views::runPress.
    void pressBlock(views::Block block);
    QLineEdit* field(model::Quantity quantity) const;
    QLabel* resultLabel(model::Result result) const;
    LabelTexts saveLabels() const;
    void restoreLabels(const LabelTexts& saved);
    void applyResults(const views::ResultTexts& results);
    void showBeamFilledMessage();
    // A warning box; then the focus goes to the first field it names, its text selected.
    void showWarning(const front::Warning& warning);

    // Label texts: the title and the range widen with their text; the fixed boxes show
    // a text too wide for them in full as a tooltip.
    void setTitle(const QString& text);
    void setRange(const QString& text);
    static void setBoxText(QLabel* label, const QString& text);

    front::Session session_;
    ui::BusyCursor* busy_ = nullptr; // set while a press runs
    ui::PictureTools* tools_ = nullptr;
    ui::LabFiles* labFiles_ = nullptr;
    ui::HelpDialog* help_ = nullptr; // a dialog of the window, made when first asked for
    std::unique_ptr<ui::SensitivityDialog> experiment_; // a top-level window of its own
    std::map<views::Block, QPushButton*> blockButtons_;
    std::map<model::Quantity, QLineEdit*> fields_;
    std::map<model::Result, QLabel*> resultLabels_;
    std::map<model::Scene, QRadioButton*> sceneOptions_;

    // Controls the handlers use by name, named as in the control table.
    QCheckBox* chkLepestok = nullptr;
    QComboBox* cboFd = nullptr;
    QLabel* lblT2 = nullptr;
    QLabel* lblname = nullptr;
    QLabel* lblRmax = nullptr;
    canvas::PictureBox* PicRes = nullptr;
    QPushButton* cmdExit = nullptr;
    QMenu* mnuGraph = nullptr;
    QMenu* mnuObject1 = nullptr;
    QMenu* mnuObject2 = nullptr;
    // The items of each submenu in menu order: red, yellow, green, blue, light blue,
    // lilac, black (mnuRed1 … mnuBlack1, mnuRed2 … mnuBlack2).
    std::array<std::array<QAction*, 7>, 2> colourItems_{};
    QTimer* tmrTime = nullptr;
};
