// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop face against its core: the shared sequence of actions (the one the core and
// the page replay) done through the window's widgets as a user does it, and after each
// what the widgets show compared with what the core says the window shows; and every
// entry of the control table a widget of that name, place and text.

#include "ActionSequence.h"
#include "WindowFixture.h"
#include "front/Drawing.h"
#include "views/Blocks.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include <map>

namespace {

using front::json::Value;
using window_testing::ModalWatcher;
using window_testing::WindowTest;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// What a widget or action shows, as the expectations write it; empty when the face has
// no such control (a tool of the other edition).
std::string shownBy(const Form1& form, const std::string& name) {
    QObject* object = form.findChild<QObject*>(qt(name));
    if (auto* action = qobject_cast<QAction*>(object))
        return actions::stateText(action->text().toStdString(), action->isEnabled(),
                                  action->isChecked(), -1);
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return {};
    QString text;
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        text = field->text();
    else if (auto* label = qobject_cast<QLabel*>(widget))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
    auto* button = qobject_cast<QAbstractButton*>(widget);
    auto* list = qobject_cast<QComboBox*>(widget);
    return actions::stateText(text.toStdString(), widget->isEnabled(),
                              button && button->isChecked(), list ? list->currentIndex() : -1);
}

TEST_F(WindowTest, TheSequenceOfActionsShowsWhatTheCoreSays) {
    const std::optional<Value> file = front::json::parse(actions::readFile(actions::kFile));
    ASSERT_TRUE(file);
    const auto stateOf = [](const Value& state) {
        return actions::stateText(state.items[0].text, state.items[1].boolean,
                                  state.items[2].boolean, std::stoi(state.items[3].text));
    };
    std::map<std::string, std::string> start;
    for (const auto& [name, state] : file->find("start")->members)
        start[name] = stateOf(state);
    QTemporaryDir folder;
    int number = 0;
    for (const Value& step : file->find("steps")->items) {
        ++number;
        const Value& action = *step.find("do");
        const std::string& verb = action.items[0].text;
        const QString name = qt(action.items[1].text);
        ModalWatcher watcher;
        if (verb == "type") {
            field(name)->setText(qt(action.items[2].text));
        } else if (verb == "check") {
            auto* box = find<QAbstractButton>(name);
            if (box->isChecked() != action.items[2].boolean)
                box->click();
        } else if (verb == "click") {
            window().findChild<QAction*>(name)->trigger();
        } else if (verb == "choose") {
            find<QComboBox>(name)->setCurrentIndex(std::stoi(action.items[2].text));
        } else if (verb == "press") {
            button(name)->click();
        } else if (verb == "open") {
            QFile setup(folder.filePath(qt(action.items[2].text)));
            ASSERT_TRUE(setup.open(QIODevice::WriteOnly));
            setup.write(QByteArray::fromStdString(action.items[1].text));
            setup.close();
            window().openSetupFile(setup.fileName());
        }
        // The start, but for the controls the step lists as differing from it.
        std::map<std::string, std::string> expected = start;
        for (const auto& [control, state] : step.find("shown")->members)
            expected[control] = stateOf(state);
        for (const auto& [control, state] : expected) {
            const std::string now = shownBy(window(), control);
            if (!now.empty()) {
                EXPECT_EQ(now, state) << "step " << number << ": " << control;
            }
        }
        const Value* box = step.find("box");
        ASSERT_EQ(watcher.messages().size(), box ? 1u : 0u) << "step " << number;
        if (box) {
            EXPECT_EQ(watcher.messages()[0].title.toStdString(), box->items[1].text);
            EXPECT_EQ(watcher.messages()[0].text.toStdString(), box->items[2].text);
        }
        const std::string& focus = step.find("focus")->text;
        if (!focus.empty()) {
            ASSERT_NE(window().focusWidget(), nullptr) << "step " << number;
            EXPECT_EQ(window().focusWidget()->objectName().toStdString(), focus);
        }
        if (const Value* digest = step.find("digest")) {
            EXPECT_EQ(front::digestText(front::digest(front::pack(window().window().picture()))),
                      digest->text)
                << "step " << number;
        }
    }
}

// Every control of the table is a widget of its name at its place, with the text and state
// the core gives it at start; every block of the chain has its button, every tool of the
// desktop edition its action (and none of the page's alone).
TEST_F(WindowTest, EveryEntryOfTheTablesIsAWidget) {
    for (const front::Control& control : front::formControls()) {
        auto* widget = window().findChild<QWidget*>(QString::fromUtf8(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->pos(), QPoint(control.x, control.y)) << control.name;
        if (control.width > 0 && !control.fitsText) {
            EXPECT_EQ(widget->width(), control.width) << control.name;
        }
        if (control.height > 0) {
            EXPECT_EQ(widget->height(), control.height) << control.name;
        }
        const front::ControlState& core = window().window().control(control.name);
        if (control.kind != front::Kind::Frame && control.kind != front::Kind::Picture &&
            control.kind != front::Kind::Formula) {
            EXPECT_EQ(shownBy(window(), control.name),
                      actions::stateText(core.text, core.enabled, core.checked, core.index))
                << control.name;
        }
    }
    for (const views::BlockDescription& block : views::blockDescriptions())
        EXPECT_NE(window().findChild<QPushButton*>(QString::fromUtf8(block.button)), nullptr)
            << block.button;
    for (const front::Tool& tool : front::pictureTools())
        EXPECT_EQ(window().findChild<QAction*>(QString::fromUtf8(tool.name)) != nullptr,
                  tool.desktop)
            << tool.name;
}

} // namespace
