// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ChangeApplier.h"

#include "front/ControlTable.h"
#include "ui/WidgetFactory.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>

namespace ui {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// A label sized to its text: the width of the text, the table's height where it fixes one
// and leaves the width to the text.
void fitLabel(QLabel* label, const front::Control& control) {
    if (control.height > 0 && control.width == 0)
        label->resize(label->sizeHint().width(), control.height);
    else
        label->adjustSize();
}

// A result's box keeps its size; a reading too wide for it is shown whole in a tool tip.
void setBoxText(QLabel* label, const QString& text) {
    label->setText(text);
    const bool tooWide = label->fontMetrics().horizontalAdvance(text) >
                         label->contentsRect().width() - label->indent();
    label->setToolTip(tooWide ? text : QString());
}

} // namespace

void applyChange(QWidget* window, const front::ControlChange& change) {
    QObject* target = window->findChild<QObject*>(qt(change.control));
    if (!target)
        return;
    const QSignalBlocker quiet(target); // the change is the window object's, not the user's
    const front::ControlState& state = change.state;
    const QString text = qt(state.text);
    if (auto* action = qobject_cast<QAction*>(target)) {
        if (change.parts & front::kTextPart)
            action->setText(text);
        if (change.parts & front::kEnabledPart)
            action->setEnabled(state.enabled);
        if (change.parts & front::kCheckedPart)
            action->setChecked(state.checked);
        return;
    }
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
        return;
    }
    auto* widget = qobject_cast<QWidget*>(target);
    const front::Control* control = front::findControl(change.control);
    if (!widget || !control)
        return;
    if (change.parts & front::kAccessiblePart) { // Qt tells the screen reader of the change
        widget->setAccessibleName(qt(state.accessibleName));
        widget->setAccessibleDescription(qt(state.description));
    }
    auto* label = qobject_cast<QLabel*>(widget);
    // A reading's box: its full text is the tool tip, shown where the box is too narrow.
    const bool reading = label && !control->fitsText && (change.parts & front::kToolTipPart);
    if (change.parts & front::kTextPart) {
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            if (field->text() != text)
                field->setText(text);
        } else if (reading) {
            setBoxText(label, text);
        } else if (label) {
            label->setText(text);
            if (control->fitsText)
                fitLabel(label, *control);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(text);
        }
    }
    if ((change.parts & front::kToolTipPart) && !reading)
        widget->setToolTip(qt(state.toolTip));
    if (change.parts & front::kEnabledPart) {
        if (qobject_cast<QLineEdit*>(widget))
            ui::setFieldBackground(widget, state.enabled); // background first
        widget->setEnabled(state.enabled);
    }
    if (change.parts & front::kCheckedPart)
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setChecked(state.checked);
    if (change.parts & front::kIndexPart)
        if (auto* list = qobject_cast<QComboBox*>(widget))
            list->setCurrentIndex(state.index);
}

// The student goes on where a message points: the field it names, its text selected.
void focusField(QWidget* window, const std::string& name) {
    auto* named = window->findChild<QWidget*>(qt(name));
    if (!named || !named->isEnabled())
        return;
    named->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(named))
        edit->selectAll();
}

} // namespace ui
