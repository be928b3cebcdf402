// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Presses through the window: the summator's labels, the point target's range and its
// information box, the titles and labels each block leaves, faults that leave the window
// as it was, the progress dialog of a long accumulation and its cancelling, and the
// tooltips of result labels too wide for their boxes.

#include "WindowFixture.h"
#include "model/Numbers.h"

#include <QElapsedTimer>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>

namespace {

using window_testing::SeenMessage;
using window_testing::Snapshot;

const QString kSummatorTitle = QStringLiteral("Эффект накопления теплового сигнала в сумматоре");
const QString kBeamFilledTitle = QStringLiteral("Коэффициент заполнения луча больше единицы !");
const QString kDefaultRange =
    QStringLiteral("Максимальная дальность наблюдения сосредоточенной цели при Ро = 0,9 составит "
                   "Rmax=60595метров");

bool isBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0xffffffffu)
                return false;
    return true;
}

double labelNumber(const QString& text) {
    const model::ParseResult result = model::parseNumber(text.toStdString());
    EXPECT_TRUE(result.ok()) << text;
    return result.value;
}

class WindowPressTest : public window_testing::WindowTest {
protected:
    void choose(const char* option) { find<QRadioButton>(option)->click(); }

    // A press that must succeed without any message box.
    void pressQuietly(const QString& name) {
        const std::vector<SeenMessage> messages = press(name);
        ASSERT_TRUE(messages.empty())
            << name << ": " << messages.front().title << " " << messages.front().text;
    }

    // A press that must fail: one warning, the window exactly as it was.
    void expectRefused(const QString& name, const QString& title, const QString& mentions) {
        const Snapshot before = snapshot();
        const std::vector<SeenMessage> messages = press(name);
        ASSERT_EQ(messages.size(), 1u) << name;
        EXPECT_EQ(messages[0].title, title) << messages[0].text;
        EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(messages[0].text.contains(mentions)) << messages[0].text;
        const Snapshot after = snapshot();
        EXPECT_TRUE(after.sameTexts(before)) << after.labelTexts().join(" | ");
        EXPECT_EQ(after.picture, before.picture);
    }
};

// ---- the summator --------------------------------------------------------------------------

TEST_F(WindowPressTest, SummatorShowsTheComputedAndMeasuredValues) {
    pressQuietly("btnsum");
    EXPECT_EQ(label("lblname")->text(), kSummatorTitle);
    EXPECT_EQ(label("lblEnterT")->text(), "204");
    EXPECT_EQ(label("lblEnter")->text(), "203,6");
    EXPECT_EQ(label("lblTa1")->text(), "Ta1=303,6");
    EXPECT_EQ(label("lblTa2")->text(), "Ta2=100");
    EXPECT_EQ(label("lblmo1")->text(), "1,1138599951919");
    EXPECT_EQ(label("lblmo")->text(), "0"); // one pass has no spread
    const double measured = labelNumber(label("lblexit")->text());
    EXPECT_GT(measured, 150.0);
    EXPECT_LT(measured, 260.0);
    EXPECT_TRUE(label("lblRmax")->text().isEmpty());
    EXPECT_FALSE(isBlank(picture()->picture()));
    EXPECT_EQ(lastProgressDialogs(), 0); // one pass is far too quick for a dialog
}

TEST_F(WindowPressTest, SecondSummatorPressDrawsNewNoiseButKeepsTheFormulas) {
    pressQuietly("btnsum");
    const Snapshot first = snapshot();
    pressQuietly("btnsum");
    const Snapshot second = snapshot();
    EXPECT_NE(first.lblexit, second.lblexit);
    EXPECT_NE(first.picture, second.picture);
    EXPECT_EQ(first.lblEnterT, second.lblEnterT);
    EXPECT_EQ(first.lblEnter, second.lblEnter);
    EXPECT_EQ(first.lblmo1, second.lblmo1);
    EXPECT_EQ(first.lblTa1, second.lblTa1);
    EXPECT_EQ(first.lblTa2, second.lblTa2);
}

TEST_F(WindowPressTest, SummatorSpreadOverManyPassesIsPositive) {
    type("txtTint", "50");
    pressQuietly("btnsum");
    const double spread = labelNumber(label("lblmo")->text());
    const double potential = labelNumber(label("lblmo1")->text());
    EXPECT_GT(spread, 0.0);
    // The potential sensitivity shrinks as the root of the accumulation time.
    EXPECT_NEAR(potential, 1.1138599951919 / std::sqrt(50.0), 1e-12);
    EXPECT_NEAR(labelNumber(label("lblexit")->text()), 203.6, 40.0);
}

TEST_F(WindowPressTest, SummatorInThePointTargetScene) {
    choose("optCel");
    pressQuietly("btnsum");
    EXPECT_EQ(label("lblEnter")->text(), "97,92");
    EXPECT_EQ(label("lblTa1")->text(), "Ta1=217,92");
    EXPECT_EQ(label("lblTa2")->text(), "Ta2=120");
    EXPECT_EQ(label("lblRmax")->text(), kDefaultRange);
}

// ---- the point target -------------------------------------------------------------------------

TEST_F(WindowPressTest, PointTargetShowsTheRangeAndWidensItsLabel) {
    choose("optCel");
    pressQuietly("btnmod");
    QLabel* range = label("lblRmax");
    EXPECT_EQ(range->text(), kDefaultRange);
    EXPECT_GE(range->width(), range->fontMetrics().horizontalAdvance(kDefaultRange));
    EXPECT_EQ(label("lblname")->text(), QStringLiteral("Осциллограмма на выходе модулятора"));
}

TEST_F(WindowPressTest, EqualTemperaturesGiveNoRange) {
    choose("optCel");
    type("txtT2", field("txtT1")->text());
    pressQuietly("btnap");
    EXPECT_TRUE(label("lblRmax")->text().endsWith(QStringLiteral("Rmax=0метров")))
        << label("lblRmax")->text();
}

TEST_F(WindowPressTest, FilledBeamIsToldAndThePressGoesOn) {
    choose("optCel");
    pressQuietly("btnmod"); // a range on show, to see it go
    ASSERT_FALSE(label("lblRmax")->text().isEmpty());
    type("txtVisota", "1");
    const std::vector<SeenMessage> messages = press("btnap");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, kBeamFilledTitle);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Для таких параметров это случай протяженной цели! Нажмите ОК для "
                             "продолжения !"));
    EXPECT_EQ(messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(messages[0].buttonCount, 1);
    EXPECT_TRUE(label("lblRmax")->text().isEmpty());
    // The view is drawn with the whole beam on the target.
    EXPECT_EQ(label("lblname")->text(),
              QStringLiteral("Осциллограмма на выходе антенного переключателя"));
    EXPECT_EQ(label("lblTa1")->text(), "Ta1=303,6"); // as for the extended target
    EXPECT_DOUBLE_EQ(window().receiverState().beamTemperature, 304.0);
}

TEST_F(WindowPressTest, OtherScenesLeaveTheRangeEmpty) {
    for (const char* option : {"optBigCel", "optGranica"}) {
        choose(option);
        pressQuietly("btnap");
        EXPECT_TRUE(label("lblRmax")->text().isEmpty()) << option;
    }
}

// ---- every block through its button ---------------------------------------------------------

struct BlockRow {
    const char* button;
    const char* title;
    const char* lblTa1;
    const char* lblTa2;
};

TEST_F(WindowPressTest, EveryBlockShowsItsTitleAndItsLabels) {
    const BlockRow rows[] = {
        {"btnT1", "Осциллограмма на выходе антенного устройства", "Ta1=303,6", "Ta2=..."},
        {"btnT2", "Осциллограмма на выходе шумового эквивалента", "Ta1=...", "Ta2=100"},
        {"btnmod", "Осциллограмма на выходе модулятора", "Ta1=...", "Ta2=..."},
        {"btnap", "Осциллограмма на выходе антенного переключателя", "Ta1=303,6", "Ta2=100"},
        {"btnUVF", "Осциллограмма на выходе УВЧ", "Ta1=303,6", "Ta2=100"},
        {"btnDet", "Осциллограмма на выходе квадратичного детектора", "Ta1=303,6", "Ta2=100"},
        {"btnF1", "Осциллограмма на выходе однозвенного фильтра", "Ta1=303,6", "Ta2=100"},
        {"btncap", "Осциллограмма на выходе разделительной ёмкости", "Ta1=303,6", "Ta2=100"},
        {"btnF2", "Осциллограмма на выходе двухзвенного фильтра", "Ta1=303,6", "Ta2=100"},
        {"btnASP", "Осциллограмма на выходе АЦП", "Ta1=303,6", "Ta2=100"},
    };
    // After the summator, so that every block is seen to clear its labels.
    pressQuietly("btnsum");
    for (const BlockRow& row : rows) {
        SCOPED_TRACE(row.button);
        const QImage before = picture()->picture();
        pressQuietly(row.button);
        EXPECT_EQ(label("lblname")->text(), QString::fromUtf8(row.title));
        EXPECT_EQ(label("lblTa1")->text(), QString::fromUtf8(row.lblTa1));
        EXPECT_EQ(label("lblTa2")->text(), QString::fromUtf8(row.lblTa2));
        for (const char* cleared : {"lblmo", "lblmo1", "lblexit", "lblEnterT", "lblEnter"})
            EXPECT_TRUE(label(cleared)->text().isEmpty()) << cleared;
        EXPECT_NE(picture()->picture(), before);
        EXPECT_FALSE(isBlank(picture()->picture()));
        pressQuietly("btnsum");
    }
}

TEST_F(WindowPressTest, TitleLabelWidensWithItsText) {
    pressQuietly("btnap");
    QLabel* title = label("lblname");
    EXPECT_GE(title->width(), title->fontMetrics().horizontalAdvance(title->text()));
}

// ---- faults leave the window as it was ---------------------------------------------------------

struct FaultRow {
    const char* option; // the scene, or null for the extended target
    const char* field;
    const char* text;
    const char* button;
    const char* title;
    const char* mentions; // part of the message: the field's caption or the cause
};

TEST_F(WindowPressTest, FaultsAreToldAndChangeNothing) {
    const FaultRow rows[] = {
        {nullptr, "txtT1", "abc", "btnT1", "Ошибка ввода", "abc"},
        {nullptr, "txtT2", "1,2,3", "btnap", "Ошибка ввода", "1,2,3"},
        {nullptr, "txtKp", "", "btnUVF", "Ошибка ввода", "Kp"},
        {nullptr, "txtTint", "0,5", "btnsum", "Ошибка ввода", "Время накопления"},
        {nullptr, "txtTint", "inf", "btnsum", "Ошибка ввода", "Время накопления"},
        {nullptr, "txtn", "1e999", "btnASP", "Ошибка ввода", "Разрядность"},
        {nullptr, "txtF11", "0", "btnASP", "Ошибка расчёта", "АЦП"},
        {nullptr, "txtF22", "0", "btnsum", "Ошибка расчёта", "АЦП"},
        {nullptr, "txtF11", "1e7", "btnF1", "Ошибка расчёта", "переполнение"},
        {"optCel", "txtVisota", "0", "btnmod", "Ошибка ввода", "Высота"},
        {"optCel", "txtF", "0", "btnap", "Ошибка ввода", "Частотный диапазон"},
        {"optCel", "txtScel", "-1", "btnsum", "Ошибка ввода", "Площадь"},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(std::string(row.field) + " = \"" + row.text + "\", " + row.button);
        choose(row.option ? row.option : "optBigCel");
        pressQuietly("btnmod"); // a picture and a title to keep
        const QString kept = field(row.field)->text();
        type(row.field, QString::fromUtf8(row.text));
        expectRefused(row.button, QString::fromUtf8(row.title), QString::fromUtf8(row.mentions));
        type(row.field, kept);
        pressQuietly(row.button); // corrected, the same press works
    }
}

TEST_F(WindowPressTest, FieldsOfOtherViewsAreNotRead) {
    type("txtF11", "abc");
    type("txtn", "abc");
    pressQuietly("btnUVF"); // the amplifier reads neither filter nor converter
    pressQuietly("btnmod");
    EXPECT_EQ(label("lblname")->text(), QStringLiteral("Осциллограмма на выходе модулятора"));
}

// ---- a long accumulation ------------------------------------------------------------------------

TEST_F(WindowPressTest, CancellingALongAccumulationLeavesTheWindowAsItWas) {
    pressQuietly("btnsum");
    const Snapshot before = snapshot();
    const std::uint64_t drawn = window().receiverState().uniform.position();
    type("txtTint", "100000"); // about a minute of work
    QElapsedTimer clock;
    clock.start();
    const std::vector<SeenMessage> messages = press("btnsum", /*cancelProgress=*/true);
    std::cout << "cancelled accumulation of 100000 periods after " << clock.elapsed() << " ms\n";
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(lastProgressDialogs(), 1);
    const Snapshot after = snapshot();
    EXPECT_TRUE(after.sameTexts(before)) << after.labelTexts().join(" | ");
    EXPECT_EQ(after.picture, before.picture);
    EXPECT_EQ(window().receiverState().uniform.position(), drawn); // no noise was used up
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WindowPressTest, AccumulationTimesThroughTheWindow) {
    // Not a timing test: the figures are printed for the record, and the press is seen to
    // end normally with the statistics of its length.
    for (const char* time : {"1", "1000", "10000"}) {
        type("txtTint", time);
        QElapsedTimer clock;
        clock.start();
        pressQuietly("btnsum");
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        std::cout << "summator press, accumulation time " << time << " ms: " << ms << " ms\n";
        RecordProperty(std::string("summator_us_Tint_") + time, static_cast<int>(ms * 1000));
        EXPECT_NEAR(labelNumber(label("lblexit")->text()), 203.6, 40.0) << time;
    }
}

// ---- result labels too wide for their boxes -----------------------------------------------------

TEST_F(WindowPressTest, LongNumbersShowInFullInTheTooltip) {
    const QString t1 = field("txtT1")->text();
    type("txtT1", "303,123456789");
    pressQuietly("btnsum");
    QLabel* computed = label("lblEnter");
    ASSERT_GT(computed->fontMetrics().horizontalAdvance(computed->text()), computed->width());
    EXPECT_EQ(computed->toolTip(), computed->text());
    // A short text fits: no tooltip.
    EXPECT_EQ(label("lblTa2")->text(), "Ta2=100");
    EXPECT_TRUE(label("lblTa2")->toolTip().isEmpty());
    // A fault restores the text and the tooltip with it.
    type("txtTint", "abc");
    press("btnsum");
    EXPECT_EQ(computed->toolTip(), computed->text());
    // The next short text drops the tooltip.
    type("txtTint", "1");
    type("txtT1", t1);
    pressQuietly("btnsum");
    EXPECT_EQ(computed->text(), "203,6");
    EXPECT_TRUE(computed->toolTip().isEmpty());
}

// ---- the user's locale -----------------------------------------------------------------------

// The desktop's locale for one test; the Russian one of the other tests comes back after.
class LocaleFor {
public:
    explicit LocaleFor(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleFor() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    LocaleFor(const LocaleFor&) = delete;
    LocaleFor& operator=(const LocaleFor&) = delete;
};

TEST_F(WindowPressTest, ResultsTakeTheSeparatorOfTheUsersLocale) {
    const struct {
        QLocale locale;
        const char* ta1;
        const char* potential;
    } rows[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "Ta1=303.6", "1.1138599951919"},
        {QLocale(QLocale::German, QLocale::Germany), "Ta1=303,6", "1,1138599951919"},
        {QLocale(QLocale::Russian, QLocale::Russia), "Ta1=303,6", "1,1138599951919"},
        {QLocale::c(), "Ta1=303.6", "1.1138599951919"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale.name().toStdString());
        const LocaleFor desktop(row.locale);
        // The defaults are written with a comma, a student may type a point: both work in
        // every locale, and the labels follow the desktop.
        type("txtF11", "9500.0");
        type("txtT2", "100,0");
        pressQuietly("btnsum");
        EXPECT_EQ(label("lblTa1")->text(), row.ta1);
        EXPECT_EQ(label("lblmo1")->text(), row.potential);
        EXPECT_EQ(label("lblTa2")->text(), "Ta2=100");
        EXPECT_FALSE(label("lblexit")->text().contains(QLatin1Char(' ')));
    }
}

} // namespace
