// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the core gives a screen reader and the high-contrast look, without a face: the
// contrast of every colour, the dashed second trace, the picture in words, and the window
// object's names, announcements and looks.

#include "front/Accessibility.h"
#include "front/ControlTable.h"
#include "front/Drawing.h"
#include "front/Window.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(AccessibleTexts, ColoursReachTheirContrastKeepingTheirHue) {
    EXPECT_NEAR(front::contrastRatio(front::kBlack, front::kWhite), 21.0, 1e-9);
    EXPECT_NEAR(front::contrastRatio(front::kRed, front::kWhite), 4.0, 0.01);
    for (int row = 0; row < front::kColourCount; ++row) {
        const front::ColourRow& colour = front::colourRows()[row];
        const front::Rgb rgb = 0xff000000u | (colour.red << 16) | (colour.green << 8) | colour.blue;
        const front::Rgb traced = front::contrastingColour(rgb, front::kWhite, 3.0);
        EXPECT_GE(front::contrastRatio(traced, front::kWhite), 3.0) << colour.name;
        // Darkened, not recoloured: each channel scaled by one factor (to a byte).
        const double scale =
            std::max({(traced >> 16) & 0xffu, (traced >> 8) & 0xffu, traced & 0xffu}) /
            static_cast<double>(std::max({colour.red, colour.green, colour.blue, std::uint8_t{1}}));
        EXPECT_NEAR(((traced >> 8) & 0xffu), colour.green * scale, 1.0) << colour.name;
        if (front::contrastRatio(rgb, front::kWhite) >= 3.0) {
            EXPECT_EQ(traced, rgb) << colour.name; // blue, red, lilac, black stay
        }
    }
    for (const front::Control& control : front::formControls()) {
        EXPECT_EQ(front::controlColours(control, false).foreground, control.foreground);
        const front::ControlColours high = front::controlColours(control, true);
        const bool white = control.kind == front::Kind::Field ||
                           control.kind == front::Kind::ResultLabel ||
                           control.kind == front::Kind::Picture;
        const front::Rgb under = control.background ? control.background
                                 : white            ? front::kWhite
                                                    : front::kLightGrey;
        EXPECT_GE(front::contrastRatio(high.foreground, under), front::kTextContrast)
            << control.name;
    }
}

TEST(AccessibleTexts, TheSecondTraceIsDashedAndTheFirstDrawnWhole) {
    const canvas::Colour first{0, 255, 255}, second{255, 255, 0};
    canvas::RecordingCanvas drawn;
    drawn.clearPicture();
    drawn.setScale(0, 249, 649, 0); // one unit a pixel
    drawn.setPosition(0, 100);
    drawn.lineTo(100, 100, second); // 100 pixels: 10 dashes of 6
    drawn.lineTo(200, 100, first);
    const canvas::RecordingCanvas high = front::highContrastPicture(drawn, first, second);
    double inked = 0, atX = 0;
    int firstCalls = 0;
    for (const auto& call : high.calls()) {
        if (call.kind == canvas::RecordingCanvas::Kind::LineTo && call.colour) {
            EXPECT_GE(front::contrastRatio(0xff000000u | (call.colour->red << 16) |
                                               (call.colour->green << 8) | call.colour->blue,
                                           front::kWhite),
                      front::kTraceContrast);
            if (call.x1 > 100.5f)
                ++firstCalls;
            else
                inked += call.x1 - atX;
        }
        if (call.kind != canvas::RecordingCanvas::Kind::Clear &&
            call.kind != canvas::RecordingCanvas::Kind::Scale)
            atX = call.x1;
    }
    EXPECT_NEAR(inked, 60.0, 1e-3);
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(high.calls().back().x1, 200.0f);
    // Both inputs in one colour: nothing is dashed (nothing tells them apart to dash by).
    EXPECT_EQ(front::highContrastPicture(drawn, second, second).calls().size(),
              drawn.calls().size());
}

TEST(AccessibleTexts, ThePictureInWords) {
    views::PlotRecord record;
    EXPECT_EQ(front::describePicture(record, "x", "1", ','), "");
    record.kind = views::PlotRecord::Kind::Samples;
    record.points = {{0, 1, 1}, {1, 3.5, 1}, {2, -2, 2}};
    EXPECT_EQ(front::describePicture(record, "Осциллограмма на выходе УВЧ", "", ','),
              "Осциллограмма на выходе УВЧ. Вход 1: 2 отсчётов, наименьшее 1, наибольшее 3,5, "
              "среднее 2,25. Вход 2: 1 отсчётов, наименьшее -2, наибольшее -2, среднее -2.");
    const std::vector<double> tone = front::toneHeights(record);
    EXPECT_EQ(tone, (std::vector<double>{3 / 5.5, 1.0, 0.0}));
    const front::ValueTable table = front::valueTable(record, '.');
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[1], (std::vector<std::string>{"1", "3.5", "1"}));
}

TEST(AccessibleTexts, TheWindowNamesAnnouncesAndRedrawsInItsLook) {
    front::Window window;
    EXPECT_EQ(window.control("btncap").accessibleName, "Разделительный конденсатор");
    EXPECT_EQ(window.control("txtT2").accessibleName, "Т-ра эквивалента, К");
    const front::Changes scene = window.setChecked("optGranica", true);
    EXPECT_NE(window.control("txtT2").accessibleName, "Т-ра эквивалента, К");
    bool renamed = false;
    for (const front::ControlChange& change : scene.controls)
        renamed |= change.control == "txtT2" && (change.parts & front::kAccessiblePart);
    EXPECT_TRUE(renamed);

    const front::Changes pressed = window.press("btnsum");
    const std::string title = window.control("lblname").text;
    EXPECT_EQ(pressed.announcement.rfind(title + ".", 0), 0u) << pressed.announcement;
    EXPECT_NE(pressed.announcement.find(window.control("lblexit").text), std::string::npos);
    EXPECT_EQ(window.control("PicRes").accessibleName, title);
    EXPECT_NE(window.control("PicRes").description.find("периодов"), std::string::npos);
    EXPECT_EQ(window.valueTable().rows.size(),
              std::max(window.record().readings.size(), window.record().runningMeans.size()));

    const std::uint32_t plain = front::digest(front::pack(window.picture()));
    const front::Changes high = window.click("actHighContrast");
    EXPECT_TRUE(high.look && high.picture);
    EXPECT_TRUE(window.control("actHighContrast").checked);
    window.press("btnUVF"); // a press in the look is drawn in it
    const std::uint32_t highUhf = front::digest(front::pack(window.picture()));
    window.setHighContrast(false);
    EXPECT_NE(front::digest(front::pack(window.picture())), highUhf);
    EXPECT_NE(front::digest(front::pack(window.picture())), plain);
    EXPECT_FALSE(window.setHighContrast(false).look); // no change, nothing to redraw

    // The report shows the pictures in the look on show.
    const auto reportPicture = [&window] {
        return window.report(nullptr, "", "").blocks.front().picture;
    };
    const canvas::RecordingCanvas* plainPicture = reportPicture();
    window.setHighContrast(true);
    EXPECT_NE(reportPicture(), plainPicture);
    EXPECT_NE(front::digest(front::pack(*reportPicture())),
              front::digest(front::pack(*plainPicture)));
}

TEST(AccessibleTexts, ALongPressSaysOnceThatItRunsAndThatItStopped) {
    front::Window window;
    window.type("txtTint", "100000");
    window.click("btnsum");
    std::vector<std::string> said;
    for (int step = 0; step < 2 && window.pressing(); ++step) {
        const front::Changes changes = window.stepPress(1e6); // slow: worth a progress box
        if (!changes.announcement.empty())
            said.push_back(changes.announcement);
    }
    said.push_back(window.cancelPress().announcement);
    EXPECT_EQ(said, (std::vector<std::string>{"Сумматор: Накопление…", "Накопление прервано"}));
}

} // namespace
