// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window made from the descriptions: a button for every block that presses its view,
// the captions of the field table beside the fields, the results written in the order of
// the block's description, and the picture white in its own palette.

#include "WindowFixture.h"
#include "views/Blocks.h"
#include "views/Fields.h"

#include <QEvent>
#include <QPalette>

#include <gtest/gtest.h>

#include <vector>

namespace {

using window_testing::WindowTest;

TEST_F(WindowTest, EveryBlockOfTheDescriptionHasAButtonThatPressesItsView) {
    for (const views::BlockDescription& block : views::blockDescriptions()) {
        SCOPED_TRACE(block.button);
        QPushButton* pressed = button(QString::fromUtf8(block.button));
        ASSERT_NE(pressed, nullptr);
        pressed->click();
        EXPECT_EQ(label("lblname")->text().toStdString(),
                  views::titleOf(block, window().receiverState()));
    }
}

TEST_F(WindowTest, EveryCaptionComesFromTheFieldTable) {
    for (const views::Field& field : views::fields()) {
        SCOPED_TRACE(field.control);
        EXPECT_NE(find<QWidget>(QString::fromUtf8(field.control)), nullptr);
        // A formula picture may add a sign after it ("β =").
        EXPECT_EQ(label(QString::fromUtf8(field.captionControl))
                      ->text()
                      .toStdString()
                      .rfind(field.caption, 0),
                  0u);
    }
}

// Notes the result labels in the order the window writes them (each write sets the
// label's tooltip, which sends a ToolTipChange at once).
class WriteOrder : public QObject {
public:
    explicit WriteOrder(const std::vector<QLabel*>& labels) {
        for (QLabel* label : labels)
            label->installEventFilter(this);
    }
    std::vector<QString> written;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange)
            written.push_back(watched->objectName());
        return false;
    }
};

TEST_F(WindowTest, SummatorWritesItsLabelsInTheOrderOfItsDescription) {
    const std::vector<QString> names = {"lblmo",   "lblmo1", "lblEnterT", "lblEnter",
                                        "lblexit", "lblTa1", "lblTa2"};
    std::vector<QLabel*> labels;
    for (const QString& name : names)
        labels.push_back(label(name));
    WriteOrder order(labels);
    press("btnsum");
    // First the reset (Ta1, Ta2, mo, mo1, exit, EnterT, Enter), then the results.
    ASSERT_GE(order.written.size(), 14u);
    const std::vector<QString> last(order.written.end() - 7, order.written.end());
    EXPECT_EQ(last, names);
}

TEST_F(WindowTest, PictureIsWhiteInItsOwnPalette) {
    EXPECT_EQ(picture()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(picture()->picture().pixelColor(5, 5), QColor(Qt::white));
}

} // namespace
