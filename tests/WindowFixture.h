// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared by the window's tests: a fresh Form1 per test, its controls by name, the
// message boxes and progress dialogs answered from a timer, and a snapshot of what a
// press may change (title, result labels, range, picture).

#include "canvas/qt/PictureBox.h"
#include "ui/Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

// Failure messages show the texts as the student reads them.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text;
}

namespace window_testing {

// A message box the watcher has seen and closed.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
};

// How many ModalWatchers live: while one does, the boxes are expected.
inline int& watchersAlive() {
    static int alive = 0;
    return alive;
}

// Looks at the modal widget every few milliseconds while it lives: closes message boxes
// (recording what they said) and, when asked, cancels a progress dialog once it shows.
class ModalWatcher {
public:
    ModalWatcher() {
        ++watchersAlive();
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    ~ModalWatcher() { --watchersAlive(); }
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    void cancelProgress(bool cancel = true) { cancelProgress_ = cancel; }
    const std::vector<SeenMessage>& messages() const { return messages_; }
    int progressDialogsSeen() const { return progressSeen_; }

private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages_.push_back({box->windowTitle(), box->text(), box->icon(),
                                 static_cast<int>(box->buttons().size())});
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            if (ok)
                ok->click();
            else
                box->reject();
            return;
        }
        if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
            if (progress->isVisible() && !counted_.contains(progress)) {
                counted_.push_back(progress);
                ++progressSeen_;
            }
            if (cancelProgress_ && progress->isVisible())
                progress->cancel();
        }
    }

    QTimer timer_;
    std::vector<SeenMessage> messages_;
    QList<QObject*> counted_;
    int progressSeen_ = 0;
    bool cancelProgress_ = false;
};

// Everything a press may change in the window, to compare before and after.
struct Snapshot {
    QString lblname, lblTa1, lblTa2, lblmo, lblmo1, lblexit, lblEnterT, lblEnter, lblRmax;
    QImage picture;

    bool sameTexts(const Snapshot& other) const {
        return lblname == other.lblname && lblTa1 == other.lblTa1 && lblTa2 == other.lblTa2 &&
               lblmo == other.lblmo && lblmo1 == other.lblmo1 && lblexit == other.lblexit &&
               lblEnterT == other.lblEnterT && lblEnter == other.lblEnter &&
               lblRmax == other.lblRmax;
    }
    QStringList labelTexts() const {
        return {lblname, lblTa1, lblTa2, lblmo, lblmo1, lblexit, lblEnterT, lblEnter, lblRmax};
    }
};

// The field names, in the order of the window.
inline const QStringList& fieldNames() {
    static const QStringList names = {
        "txtVisota", "txtScel", "txtF",   "txtT2", "txtT1",   "txtdeltaf", "txtKp",    "txtdeltaKp",
        "txtTprm",   "txtF11",  "txtF22", "txtn",  "txtTint", "txtBetta",  "txtTbokov"};
    return names;
}

// The eleven buttons that draw a view.
inline const QStringList& blockButtonNames() {
    static const QStringList names = {"btnT1", "btnT2",  "btnmod", "btnap",  "btnUVF", "btnDet",
                                      "btnF1", "btncap", "btnF2",  "btnASP", "btnsum"};
    return names;
}

// Closes any modal dialog that opens while no ModalWatcher expects one, so that a fault
// which opens a box the test did not foresee fails the test with the box's text instead
// of waiting for a click that never comes.
class UnexpectedModalGuard {
public:
    UnexpectedModalGuard() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    const QStringList& seen() const { return seen_; }

private:
    void look() {
        if (watchersAlive() > 0)
            return;
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            seen_ << box->windowTitle() + QStringLiteral(": ") + box->text();
        else
            seen_ << QString::fromLatin1(dialog->metaObject()->className()) + QStringLiteral(" «") +
                         dialog->windowTitle() + QStringLiteral("»");
        dialog->reject();
    }

    QTimer timer_;
    QStringList seen_;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<Form1>();
        window_->show();
    }
    void TearDown() override {
        window_.reset();
        for (const QString& unexpected : guard_.seen())
            ADD_FAILURE() << "an unexpected dialog was open: " << unexpected.toStdString();
    }

    Form1& window() { return *window_; }

    template <class Widget = QWidget> Widget* find(const QString& name) const {
        auto* widget = window_->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* field(const QString& name) const { return find<QLineEdit>(name); }
    QLabel* label(const QString& name) const { return find<QLabel>(name); }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    canvas::PictureBox* picture() const { return find<canvas::PictureBox>("PicRes"); }

    void type(const QString& name, const QString& text) const { field(name)->setText(text); }

    // A press through the button; the messages it showed are returned.
    std::vector<SeenMessage> press(const QString& name, bool cancelProgress = false) {
        ModalWatcher watcher;
        watcher.cancelProgress(cancelProgress);
        button(name)->click();
        lastProgressDialogs_ = watcher.progressDialogsSeen();
        return watcher.messages();
    }
    int lastProgressDialogs() const { return lastProgressDialogs_; }

    Snapshot snapshot() const {
        return {label("lblname")->text(),   label("lblTa1")->text(),   label("lblTa2")->text(),
                label("lblmo")->text(),     label("lblmo1")->text(),   label("lblexit")->text(),
                label("lblEnterT")->text(), label("lblEnter")->text(), label("lblRmax")->text(),
                picture()->picture()};
    }

private:
    UnexpectedModalGuard guard_;
    std::unique_ptr<Form1> window_;
    int lastProgressDialogs_ = 0;
};

} // namespace window_testing
