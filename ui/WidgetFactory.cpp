// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WidgetFactory.h"

#include "canvas/qt/PictureBox.h"
#include "ui/Controls.h"
#include "ui/Translations.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ui {

namespace {

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
    label->setText(text(control.text));
    label->setWordWrap(control.wrapped);
    label->setAlignment(control.centred || control.kind == Kind::Formula
                            ? Qt::AlignCenter
                            : Qt::AlignLeft | Qt::AlignVCenter);
    if (control.kind == Kind::ResultLabel) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setIndent(2);
        setOwnBackground(label, kWhite);
    }
    return label;
}

QLineEdit* makeField(const Control& control, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromUtf8(control.text), parent);
    setFieldBackground(field, control.enabled);
    // A disabled field keeps its text legible: dark grey on the grey background.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(kDisabledText));
    field->setPalette(palette);
    return field;
}

QWidget* makeWidget(const Control& control, QWidget* parent) {
    const QString caption = text(control.text);
    switch (control.kind) {
    case Kind::Field:
        return makeField(control, parent);
    case Kind::Label:
    case Kind::Formula:
    case Kind::ResultLabel:
        return makeLabel(control, parent);
    case Kind::Button: {
        auto* button = new CaptionButton(caption, parent);
        if (control.background != 0)
            setColour(button, QPalette::Button, QColor(control.background));
        return button;
    }
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::Option: {
        auto* option = new WrappedRadioButton(caption, parent);
        option->setChecked(control.selected);
        return option;
    }
    case Kind::CheckBox: {
        auto* box = new WrappedCheckBox(caption, parent);
        box->setChecked(control.selected);
        return box;
    }
    case Kind::ComboBox: {
        auto* list = new CompactComboBox(parent);
        list->setEditable(false);
        return list;
    }
    case Kind::Picture:
        return new canvas::PictureBox(parent);
    }
    return nullptr;
}

} // namespace

QWidget* makeControl(const Control& control, QWidget* parent) {
    QWidget* widget = makeWidget(control, parent);
    widget->setObjectName(QString::fromUtf8(control.name));
    setForeground(widget, control.foreground);
    if (control.background != 0 && control.kind != Kind::Button)
        setOwnBackground(widget, control.background);
    if (control.font != FontKind::Window)
        widget->setFont(fontFor(control.font));
    widget->setEnabled(control.enabled);
    if (control.width > 0) {
        widget->setGeometry(toQRect(control.geometry()));
    } else {
        widget->adjustSize();
        widget->setGeometry(control.x, control.y, widget->width(),
                            control.height > 0 ? control.height : widget->height());
    }
    return widget;
}

void setColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
    widget->setPalette(palette);
}

void setFieldBackground(QWidget* field, bool enabled) {
    setColour(field, QPalette::Base, QColor(enabled ? kEnabledField : kDisabledField));
}

} // namespace ui
