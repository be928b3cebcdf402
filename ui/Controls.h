// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The few widgets Form1 needs beyond the stock ones: buttons and option boxes whose
// captions wrap inside their fixed boxes, the block diagram drawn on the client area,
// and the exit button's smiling face.

#include "ui/Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QWidget>

#include <vector>

namespace ui {

// Where a control draws its caption: the box the text wraps in, and the flags it is drawn
// with (alignment, wrapping, the accelerator's underline). A caption fits when its
// bounding box in that box, with those flags, stays inside it.
struct CaptionPlace {
    QRect rect;
    int flags = 0;
};

// A command button whose caption wraps to the button's width, with the picture (if it
// has one) above the caption. text() is the caption as given, accelerator included.
class CaptionButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    CaptionPlace captionPlace() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The room inside the bevel (shifted while pressed), and the picture's place at its top.
    QRect contents(const QStyleOptionButton& option) const;
    QRect iconRect(const QRect& contents) const;
};

// An option button with a caption wrapped beside its indicator; the whole box is
// clickable.
class WrappedRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;
    CaptionPlace captionPlace() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// The same for the check box.
class WrappedCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;
    CaptionPlace captionPlace() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A drop-down list whose current item may use the whole field up to the arrow's own
// glyph: the sampling rates ("1,25МГц") fit the narrow list of the window.
class CompactComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    CaptionPlace captionPlace() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The client area: light grey, with the frame Shape1, the arrows between the blocks
// and the antenna symbol drawn on it.
class DiagramArea : public QWidget {
public:
    explicit DiagramArea(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The exit button's picture: a smiling face, 24 × 22.
QIcon smilingFace();

// The program's own icon, as installed with its desktop entry: an antenna looking down at
// warm ground, with the modulator's square wave.
QIcon applicationIcon();

} // namespace ui
