// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window, the desktop's face of front::Window: its widgets made from the control
// table, the user's actions forwarded by control name, the changes that come back applied
// by object name; the message boxes, the progress of a long press, the file dialogs and
// the tools' windows are Qt's.

#include "front/Report.h"
#include "front/Setup.h"
#include "front/Window.h"
#include "model/Quantity.h"
#include "model/ReceiverState.h"
#include "views/Press.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <string>

class QTimer;

namespace canvas {
class PictureBox;
}
namespace ui {
class AccessibleTools;
class Announcer;
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
    const model::ReceiverState& receiverState() const { return window_.session().state(); }
    const front::Window& window() const { return window_; }
    // The result picture's tools for lab work and the experiment's dialog (made at its
    // first opening).
    ui::PictureTools* pictureTools() const { return tools_; }
    ui::SensitivityDialog* openExperiment();
    // The experiment's window once it has been opened; it closes with the main window.
    ui::SensitivityDialog* experiment() const { return experiment_.get(); }
    model::Scene currentScene() const { return window_.fieldTexts().scene; }
    // The fields as they stand, as a press reads them.
    views::FieldTexts fieldTexts() const { return window_.fieldTexts(); }

    // Lab setups: the window's controls as a setup; a setup applied as if the user had
    // typed and clicked it; a setup file opened (a warning box says why not, and the
    // window stays as it was).
    front::Setup currentSetup() const { return window_.setup(); }
    // The receiver the presses compute (the command line's --receiver, --switching).
    void chooseReceiver(std::optional<views::ReceiverModel> receiver,
                        std::optional<model::Switching> switching) {
        apply(window_.chooseReceiver(receiver, switching));
    }
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
    void createControls();
    void createMenu();
    void createTools();
    void applyTabOrder();
    void connectHandlers();

    // A press of a block button: the opening, the steps with their progress, the end.
    void press(const std::string& button);
    // The window object's answer shown: each control by its name, the caption, the
    // picture, the box, the focus.
    void apply(const front::Changes& changes);
    void showBox(const front::MessageBox& box);

    mutable front::Window window_;   // mutable: the locale's separator is set before use
    ui::BusyCursor* busy_ = nullptr; // set while a press runs
    ui::PictureTools* tools_ = nullptr;
    ui::LabFiles* labFiles_ = nullptr;
    ui::HelpDialog* help_ = nullptr; // a dialog of the window, made when first asked for
    ui::AccessibleTools* accessibleTools_ = nullptr;
    ui::Announcer* announcer_ = nullptr;                // says a press's title and readings
    std::unique_ptr<ui::SensitivityDialog> experiment_; // a top-level window of its own
    canvas::PictureBox* PicRes = nullptr;
    QTimer* tmrTime = nullptr;
};
