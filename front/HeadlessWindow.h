// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window without widgets: its fields' texts, its options, its side-lobe box, its list
// and colour marks, its labels and its session, driven as the window is. The batch mode of
// the command line presses blocks through it, so that its readings are the window's; the
// tests replay the golden presses through it.

#include "front/Session.h"
#include "front/Setup.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace front {

// The window's title, result labels and range, in this order.
const std::vector<std::string>& windowLabelNames();

class HeadlessWindow {
public:
    HeadlessWindow(); // the window at start

    // Typing into a field; choosing a scene, the sampling rate, a colour; clicking the
    // side-lobe box (a warning when β or Tsl cannot be read: the box is then unticked).
    void type(model::Quantity quantity, const std::string& text);
    void chooseScene(model::Scene scene);
    void chooseSamplingRate(int index);
    void chooseColour(int object, int row);
    std::optional<Warning> clickSideLobes(bool ticked);

    // A setup opened: its fields typed, its options chosen and clicked, its noise seed
    // taken, as the window does; the side lobes' warning, if any.
    std::optional<Warning> open(const Setup& setup);
    // The window's controls as a setup (with the noise seed it was opened with).
    Setup setup() const;

    // A press of a block: what the window shows afterwards, or the warning it shows
    // instead (the labels then stay as they were).
    struct Pressed {
        std::optional<Warning> warning;
        bool beamFilled = false;
        canvas::RecordingCanvas picture;
    };
    Pressed press(views::Block block, char decimalSeparator);

    const std::map<std::string, std::string>& labels() const { return labels_; }
    const views::FieldTexts& texts() const { return texts_; }
    bool sideLobesTicked() const { return sideLobes_; }
    int colourRow(int object) const { return colours_[object]; }
    Session& session() { return session_; }
    const Session& session() const { return session_; }

private:
    Session session_;
    views::FieldTexts texts_;
    bool sideLobes_ = false;
    int colours_[2];
    std::map<std::string, std::string> labels_;
};

// The block whose button has this name; none for another name.
std::optional<views::Block> blockOfButton(const std::string& button);

} // namespace front
