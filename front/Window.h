// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the main window does, without a toolkit: the one owner of every control's text,
// enabled and checked state, of the labels, the clock, the scene options, the side-lobe
// box, the colour marks, the tools' enabled state, the messages and where the focus goes
// after them, the press with its progress and cancel, and the lab setups. A face (the Qt
// window, the page, the batch mode) makes its controls from the control table, forwards
// what the user does by control name and applies the changes that come back, by name.
//
// A press: click() on a block button opens it (the labels reset, the title set, maybe the
// beam-filling box) and answers `pressing`; the face then calls stepPress() until it no
// longer answers so, showing the progress it gives; cancelPress() stops it. The end
// brings the picture and the results, or puts the labels back and shows the warning.

#include "canvas/RecordingCanvas.h"
#include "front/Accessibility.h"
#include "front/Report.h"
#include "front/Session.h"
#include "front/Setup.h"
#include "views/Blocks.h"
#include "views/Press.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace front {

// What a face shows of one control, a menu item or a tool.
struct ControlState {
    std::string text;    // a field's text, a label's text, a caption with its & mark
    std::string toolTip; // a block's description; a result label's full reading
    bool enabled = true;
    bool checked = false;       // an option, the check box, a colour item
    int index = -1;             // the sampling-rate list's item
    std::string accessibleName; // what a screen reader calls it (front/Accessibility.h)
    std::string description;    // the picture in words
};

// The parts of a control's state that a change carries.
enum ControlPart : unsigned {
    kTextPart = 1u,
    kToolTipPart = 2u,
    kEnabledPart = 4u,
    kCheckedPart = 8u,
    kIndexPart = 16u,
    kAccessiblePart = 32u, // the accessible name or description
};

struct ControlChange {
    std::string control;
    unsigned parts = 0; // ControlPart bits
    ControlState state; // the whole state after the change
};

struct MessageBox {
    enum class Icon { Information, Warning };
    Icon icon = Icon::Warning;
    std::string title;
    std::string text;
};

// The answer to one action of the user, in the order a face shows it: the controls, then
// the box (modal), then the focus.
struct Changes {
    std::vector<ControlChange> controls;
    std::optional<std::string> caption; // the window's caption
    std::optional<MessageBox> box;
    std::string focus;          // after the box: this control takes the focus, its text selected
    bool picture = false;       // a new picture: Window::picture()
    bool pressing = false;      // a press goes on: stepPress() next
    double done = 0, total = 0; // the press's progress, in its own units
    bool showProgress = false;  // the press will take long enough for a progress box
    bool close = false;         // the window closes
    std::string announcement;   // said once, politely, to a screen reader
    bool look = false;          // the look changed (high contrast on or off)

    bool refused() const { return box && box->icon == MessageBox::Icon::Warning; }
    void append(Changes&& later);
};

// The tools of the picture's context menu: name, caption and shortcut, in menu order.
struct Tool {
    const char* name;              // the action's objectName and the page's element id
    const char* caption;           // VT_NOOP text
    const char* shortcut;          // in portable text ("Ctrl+Shift+S"); empty for none
    bool opensWindow;              // its caption ends in "…" (the text alone is also a title)
    bool desktop;                  // the desktop edition has it
    bool page;                     // the browser edition has it
    bool checkable = false;        // switched on and off, with a check mark
    const char* submenu = nullptr; // the submenu it stands in ("mnuReceiver"); none: the menu
};
// The picture menu's submenus: name and caption (VT_NOOP).
struct ToolSubmenu {
    const char* name;
    const char* caption;
};
const std::vector<ToolSubmenu>& toolSubmenus();
const std::vector<Tool>& pictureTools();
const Tool* findTool(const std::string& name);
// The caption as the menu shows it, in the user's language.
std::string toolCaption(const Tool& tool);

class Window {
public:
    // decimalSeparator: ',' or '.', as the user's locale writes numbers.
    explicit Window(char decimalSeparator = ',');
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The state of a control, menu item or tool; every one, for a face to build from.
    const ControlState& control(const std::string& name) const;
    const std::map<std::string, ControlState>& controls() const { return controls_; }
    std::string caption() const { return caption_; }
    char decimalSeparator() const { return separator_; }
    bool highContrast() const { return highContrast_; }
    void setDecimalSeparator(char separator) { separator_ = separator == '.' ? '.' : ','; }

    // The user's actions, by control name.
    Changes type(const std::string& field, const std::string& text);
    Changes click(const std::string& name);                    // a block, cmdExit, a colour item
    Changes setChecked(const std::string& name, bool checked); // an option, chkLepestok
    Changes choose(const std::string& list, int index);        // cboFd
    Changes clockTick(int hours, int minutes, int seconds);
    Changes setHighContrast(bool on); // also actHighContrast's click
    // The receiver the presses compute (the command line, a setup, the receiver menu's
    // items); an empty choice leaves that part as it is.
    Changes chooseReceiver(std::optional<views::ReceiverModel> receiver,
                           std::optional<model::Switching> switching);
    views::ReceiverModel receiver() const { return receiver_; }
    model::Switching switching() const { return switching_; }

    // The press under way.
    bool pressing() const { return opening_ != nullptr; }
    // elapsedMs: how long the press has taken so far, by the face's clock.
    Changes stepPress(double elapsedMs = 0);
    Changes stepPress(const model::PeriodPartials& given, double elapsedMs); // helpers' partials
    Changes cancelPress();
    const views::SummatorRun* pressSummator() const;
    // A whole press at once (the batch mode): the click and every step, joined.
    Changes press(const std::string& button);

    // Lab setups: a file's bytes opened (refused whole with the window's message, or set
    // in the controls as the user would type and click them); the window's controls as a
    // setup and as a file's text; a file that could not even be read.
    Changes openSetup(std::string_view bytes, const std::string& fileName);
    Changes openSetup(const Setup& setup);
    Changes refuseSetupFile(const std::string& fileName, const std::string& why) const;
    Setup setup() const;
    std::string setupText() const { return writeSetup(setup()); }

    // The lab report of the session as it stands.
    Report report(const views::ExperimentLog* experiment, const std::string& when,
                  const std::string& version) const;

    // What the press and the tools read.
    views::FieldTexts fieldTexts() const;
    const Session& session() const { return session_; }
    // The picture on show: the last press kept (an empty one before any), in the look
    // chosen.
    const canvas::RecordingCanvas& picture() const;
    // Its numbers as a table and as a tone (front/Accessibility.h).
    ValueTable valueTable() const;
    std::vector<double> toneHeights() const;
    const views::PlotRecord& record() const { return session_.record(); }

private:
    class Recorder;
    ControlState& state(const std::string& name);
    void set(Changes& changes, const std::string& name, unsigned parts, const ControlState& value);
    void setText(Changes& changes, const std::string& name, const std::string& text);
    void setEnabled(Changes& changes, const std::string& name, bool enabled);
    void setCheckedState(Changes& changes, const std::string& name, bool checked);
    void warn(Changes& changes, const Warning& warning) const;
    model::Scene scene() const;
    void renameFields(Changes& changes);
    void describeNewPicture(Changes& changes, const views::ResultTexts& results);
    void drawInLook(views::Block block);
    void redrawInLook();

    Changes chooseScene(const std::string& option);
    Changes tickSideLobes(bool ticked);
    Changes chooseColour(int object, int row);
    Changes startPress(views::Block block);
    Changes finishPress(bool succeeded, const std::optional<Warning>& warning);
    void showLabels(Changes& changes, const LabelTexts& labels);

    char separator_;
    Session session_;
    std::map<std::string, ControlState> controls_;
    std::string caption_;
    std::optional<views::Block> shownBlock_; // whose kept press the picture is
    std::unique_ptr<PressOpening> opening_;  // the press under way, once opened
    std::unique_ptr<PressJob> job_;
    LabelTexts savedLabels_;
    std::string receiverCaption(const std::string& caption) const;
    views::ReceiverModel receiver_ = views::ReceiverModel::Course;
    model::Switching switching_ = model::Switching::Modulated;
    bool highContrast_ = false;
    // The kept presses' pictures in the high-contrast look, while it is on.
    std::map<views::Block, canvas::RecordingCanvas> contrastPictures_;
    bool announcedStart_ = false; // a long press has said that it runs
};

// A press shows its progress (and a way to cancel it) once it will take longer than this.
inline constexpr double kLongPressMs = 500;

// The name a save writes to: the chosen name when it already ends in one of the extensions
// the dialog's filter lists ("Установка Veltrum (*.veltrum *.json)"), else with `suffix`.
std::string savedFileName(const std::string& chosen, const std::string& filter,
                          const std::string& suffix);

// The window's title, result labels and range, in this order.
const std::vector<std::string>& windowLabelNames();
// The block of a button's name; none for another name.
std::optional<views::Block> blockOfButton(const std::string& button);

} // namespace front
