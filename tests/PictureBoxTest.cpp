// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The result picture PicRes on its own: where the canvas calls land, the picture at
// pixel ratio 2, and the picture for a lab report (context menu, clipboard, PNG file,
// the two window shortcuts).

#include "canvas/qt/PictureBox.h"
#include "canvas/RecordingCanvas.h"
#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using canvas::Colour;
using canvas::PictureBox;
using canvas::RecordingCanvas;

constexpr Colour kRed{255, 0, 0};
constexpr Colour kGreen{0, 160, 0};
constexpr Colour kBlue{0, 0, 255};
constexpr QRgb kWhite = 0xffffff;
constexpr QRgb kBlack = 0x000000;

QRgb rgb(Colour colour) {
    return qRgb(colour.red, colour.green, colour.blue) & 0xffffff;
}
QRgb rgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffff;
}

std::string text(const QString& value) {
    return value.toStdString();
}

// Two images show the same picture: same pixels, whatever their formats.
bool samePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

int countOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += rgbAt(image, x, y) == colour ? 1 : 0;
    return count;
}

// A picture drawn at a chosen pixel ratio, as on a high-density screen.
class RatioPicture : public PictureBox {
public:
    explicit RatioPicture(qreal ratio) : ratio_(ratio) {}
    void setRatio(qreal ratio) { ratio_ = ratio; }

protected:
    qreal pictureDevicePixelRatio() const override { return ratio_; }

private:
    qreal ratio_;
};

// A picture whose file question is answered by the test: a path, or empty for cancel.
class AnsweredPicture : public PictureBox {
public:
    explicit AnsweredPicture(QWidget* parent = nullptr) : PictureBox(parent) {
        exporter().setFileQuestion([this](const QString&, const QString&, const QString&) {
            ++questions;
            return answer;
        });
    }
    QString answer;
    int questions = 0;
};

// A view-like press: reference line, a curve in two colours, a foreground curve.
RecordingCanvas sampleRecording() {
    RecordingCanvas recording;
    recording.clearPicture();
    recording.setScale(0.0f, 1.2f, 200.0f, -1.2f);
    recording.drawLine(0.0f, 0.0f, 200.0f, 0.0f, canvas::kMagenta);
    recording.setPosition(0.0f, 0.0f);
    for (int i = 1; i <= 200; ++i)
        recording.lineTo(static_cast<float>(i), static_cast<float>(std::sin(i / 15.0)),
                         (i / 25) % 2 == 0 ? kRed : kBlue);
    recording.setPosition(0.0f, 1.0f);
    for (int i = 1; i <= 200; ++i)
        recording.lineTo(static_cast<float>(i), static_cast<float>(0.8 * std::cos(i / 9.0)));
    recording.drawLine(20.0f, -1.0f, 180.0f, 1.1f, kGreen);
    return recording;
}

// Closes the modal message boxes that open while it lives, noting what they said.
class MessageWatcher {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };
    MessageWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen_.push_back({box->windowTitle(), box->text(), box->icon()});
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start();
    }
    const std::vector<Seen>& seen() const { return seen_; }

private:
    QTimer timer_;
    std::vector<Seen> seen_;
};

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// ---- where the calls land ---------------------------------------------------------

TEST(PictureBoxDrawing, StartsWhiteAt649By249) {
    RatioPicture box(1.0);
    box.clearPicture();
    const QImage image = box.picture();
    EXPECT_EQ(image.size(), QSize(649, 249));
    EXPECT_EQ(countOf(image, kWhite), 649 * 249);
}

TEST(PictureBoxDrawing, ScaleCornersMapToThePictureCorners) {
    RatioPicture box(1.0);
    box.clearPicture();
    // y grows upward: (x1, y1) = (-2, 5) is the top-left, (x2, y2) = (3, -1) the bottom-right.
    box.setScale(-2.0f, 5.0f, 3.0f, -1.0f);
    box.drawLine(-2.0f, 5.0f, 3.0f, 5.0f, kRed);     // along the top edge
    box.drawLine(-2.0f, 5.0f, -2.0f, -1.0f, kGreen); // down the left edge
    QImage image = box.picture();
    for (int x = 1; x < 649; ++x)
        ASSERT_EQ(rgbAt(image, x, 0), rgb(kRed)) << "top row, x = " << x;
    for (int y = 0; y < 249; ++y)
        ASSERT_EQ(rgbAt(image, 0, y), rgb(kGreen)) << "left column, y = " << y;
    EXPECT_EQ(countOf(image, rgb(kRed)), 648);
    EXPECT_EQ(countOf(image, rgb(kGreen)), 249);

    box.clearPicture();
    box.drawLine(-2.0f, 5.0f, 3.0f, -1.0f, kBlue); // corner to corner
    image = box.picture();
    EXPECT_EQ(rgbAt(image, 0, 0), rgb(kBlue));
    EXPECT_EQ(rgbAt(image, 648, 248), rgb(kBlue));
    EXPECT_EQ(rgbAt(image, 648, 0), kWhite);
    EXPECT_EQ(rgbAt(image, 0, 248), kWhite);
    EXPECT_EQ(countOf(image, rgb(kBlue)), 649); // one pixel a column
    EXPECT_EQ(box.position(), QPointF(3.0, -1.0));
}

TEST(PictureBoxDrawing, SegmentsLandOnExactPixelsInExactColours) {
    RatioPicture box(1.0);
    box.clearPicture();
    box.setScale(0.0f, 249.0f, 649.0f, 0.0f);         // one unit a pixel, y upward
    box.drawLine(10.0f, 229.0f, 30.0f, 229.0f, kRed); // row 20, columns 10..29
    box.setPosition(100.0f, 199.0f);
    box.lineTo(100.0f, 189.0f);        // foreground: column 100, rows 50..59
    box.lineTo(120.0f, 189.0f, kBlue); // row 60, columns 100..119
    const QImage image = box.picture();
    for (int x = 10; x < 30; ++x)
        EXPECT_EQ(rgbAt(image, x, 20), rgb(kRed)) << x;
    EXPECT_EQ(rgbAt(image, 9, 20), kWhite);
    EXPECT_EQ(rgbAt(image, 30, 20), kWhite);
    EXPECT_EQ(rgbAt(image, 15, 19), kWhite);
    EXPECT_EQ(rgbAt(image, 15, 21), kWhite);
    for (int y = 50; y < 60; ++y)
        EXPECT_EQ(rgbAt(image, 100, y), kBlack) << y;
    for (int x = 100; x < 120; ++x)
        EXPECT_EQ(rgbAt(image, x, 60), rgb(kBlue)) << x;
    EXPECT_EQ(countOf(image, rgb(kRed)), 20);
    EXPECT_EQ(countOf(image, kBlack), 10);
    EXPECT_EQ(countOf(image, rgb(kBlue)), 20);
    EXPECT_EQ(box.position(), QPointF(120.0, 189.0));
}

TEST(PictureBoxDrawing, ClearPictureMakesItWhiteAndMovesToTheOrigin) {
    RatioPicture box(1.0);
    box.showRecording(sampleRecording());
    ASSERT_LT(countOf(box.picture(), kWhite), 649 * 249);
    box.clearPicture();
    EXPECT_EQ(countOf(box.picture(), kWhite), 649 * 249);
    EXPECT_EQ(box.position(), QPointF(0.0, 0.0));
}

TEST(PictureBoxDrawing, GrabShowsTheLastRecording) {
    RatioPicture box(1.0);
    box.showRecording(sampleRecording());
    RecordingCanvas second;
    second.clearPicture();
    second.setScale(0.0f, 0.0f, 10.0f, 10.0f);
    second.drawLine(1.0f, 1.0f, 9.0f, 9.0f, kGreen);
    box.showRecording(second);

    const QImage shown = box.grab().toImage();
    EXPECT_TRUE(samePixels(shown, box.picture()));
    EXPECT_GT(countOf(shown, rgb(kGreen)), 400);
    EXPECT_EQ(countOf(shown, rgb(kRed)), 0);
    EXPECT_EQ(countOf(shown, rgb(canvas::kMagenta)), 0);
}

// ---- pixel ratio 2 ------------------------------------------------------------------

// Per colour, its bounding box in device-independent pixels.
std::map<QRgb, QRect> colourBoxes(const QImage& image) {
    const int ratio = static_cast<int>(image.devicePixelRatio());
    std::map<QRgb, QRect> boxes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = rgbAt(image, x, y);
            if (colour == kWhite)
                continue;
            const QRect pixel(x / ratio, y / ratio, 1, 1);
            auto [place, added] = boxes.try_emplace(colour, pixel);
            if (!added)
                place->second |= pixel;
        }
    return boxes;
}

// Pixels of `from` whose colour is nowhere within `reach` device pixels of the same
// place in `in` (places scaled between the two ratios).
int strayPixels(const QImage& from, const QImage& in, int reach) {
    const double scale = in.devicePixelRatio() / from.devicePixelRatio();
    int stray = 0;
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            const QRgb colour = rgbAt(from, x, y);
            if (colour == kWhite)
                continue;
            const int cx = static_cast<int>(x * scale);
            const int cy = static_cast<int>(y * scale);
            const int span = static_cast<int>(std::ceil(scale)) - 1; // the block of (x, y)
            bool found = false;
            for (int v = cy - reach; v <= cy + span + reach && !found; ++v)
                for (int u = cx - reach; u <= cx + span + reach && !found; ++u)
                    found = in.valid(u, v) && rgbAt(in, u, v) == colour;
            stray += found ? 0 : 1;
        }
    return stray;
}

TEST(PictureBoxRatio, ImageHasTheDevicePixelsOfRatioTwo) {
    RatioPicture box(2.0);
    box.showRecording(sampleRecording());
    const QImage image = box.picture();
    EXPECT_EQ(image.size(), QSize(1298, 498));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(649.0, 249.0));
}

TEST(PictureBoxRatio, LinesStayOneDevicePixelWide) {
    RatioPicture box(2.0);
    box.clearPicture();
    box.setScale(0.0f, 0.0f, 649.0f, 249.0f);
    box.drawLine(100.0f, 50.0f, 300.0f, 50.0f, kRed);   // device row 100
    box.drawLine(400.0f, 20.0f, 400.0f, 200.0f, kBlue); // device column 800
    const QImage image = box.picture();
    for (int x = 200; x < 600; ++x) {
        ASSERT_EQ(rgbAt(image, x, 100), rgb(kRed)) << x;
        ASSERT_EQ(rgbAt(image, x, 99), kWhite) << x;
        ASSERT_EQ(rgbAt(image, x, 101), kWhite) << x;
    }
    for (int y = 40; y < 400; ++y) {
        ASSERT_EQ(rgbAt(image, 800, y), rgb(kBlue)) << y;
        ASSERT_EQ(rgbAt(image, 799, y), kWhite) << y;
        ASSERT_EQ(rgbAt(image, 801, y), kWhite) << y;
    }
    EXPECT_EQ(countOf(image, rgb(kRed)), 400);
    EXPECT_EQ(countOf(image, rgb(kBlue)), 360);
}

TEST(PictureBoxRatio, SameDrawingAsAtRatioOne) {
    RatioPicture single(1.0);
    RatioPicture doubled(2.0);
    single.showRecording(sampleRecording());
    doubled.showRecording(sampleRecording());
    const QImage low = single.picture();
    const QImage high = doubled.picture();

    // The same colours, each over the same region to within one pixel.
    const std::map<QRgb, QRect> lowBoxes = colourBoxes(low);
    const std::map<QRgb, QRect> highBoxes = colourBoxes(high);
    ASSERT_EQ(lowBoxes.size(), 5u); // magenta, red, blue, black, green
    ASSERT_EQ(highBoxes.size(), lowBoxes.size());
    for (const auto& [colour, lowBox] : lowBoxes) {
        SCOPED_TRACE(QString::number(colour, 16).toStdString());
        ASSERT_EQ(highBoxes.count(colour), 1u);
        const QRect highBox = highBoxes.at(colour);
        EXPECT_LE(std::abs(highBox.left() - lowBox.left()), 1);
        EXPECT_LE(std::abs(highBox.top() - lowBox.top()), 1);
        EXPECT_LE(std::abs(highBox.right() - lowBox.right()), 1);
        EXPECT_LE(std::abs(highBox.bottom() - lowBox.bottom()), 1);
    }
    // Pixel by pixel, both ways: every coloured pixel at one ratio has its colour in the
    // matching place at the other, give or take two pixels of the coarser picture: where
    // a shallow line crosses another, the later one hides the earlier over a few pixels,
    // and a coarse pixel hides more of it than a fine one.
    EXPECT_EQ(strayPixels(low, high, 4), 0);
    EXPECT_EQ(strayPixels(high, low, 2), 0);
    // Thin lines: twice the resolution, about twice the coloured pixels, not four times.
    const int lowInk = 649 * 249 - countOf(low, kWhite);
    const int highInk = 1298 * 498 - countOf(high, kWhite);
    EXPECT_GT(highInk, 3 * lowInk / 2);
    EXPECT_LT(highInk, 3 * lowInk);
}

TEST(PictureBoxRatio, NewRatioDrawsThePictureAgain) {
    RatioPicture moved(1.0);
    moved.showRecording(sampleRecording());
    moved.setRatio(2.0); // the window went to a high-density screen
    const QImage shown = moved.grab().toImage();
    ASSERT_FALSE(shown.isNull());

    RatioPicture direct(2.0);
    direct.showRecording(sampleRecording());
    EXPECT_EQ(moved.picture().size(), QSize(1298, 498));
    EXPECT_TRUE(samePixels(moved.picture(), direct.picture()));
    EXPECT_EQ(moved.position(), direct.position());

    // Drawing goes on with the same scale and position.
    moved.lineTo(100.0f, -1.0f, kGreen);
    direct.lineTo(100.0f, -1.0f, kGreen);
    EXPECT_TRUE(samePixels(moved.picture(), direct.picture()));
}

// ---- the picture for a lab report -------------------------------------------------

TEST(PictureBoxExport, ContextMenuHasCopyAndSave) {
    PictureBox box;
    box.show();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                            box.mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(&box, &event);
    EXPECT_TRUE(event.isAccepted());
    auto* menu = box.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(text(items[0]->text()), "Копировать");
    EXPECT_EQ(items[0]->objectName(), QStringLiteral("actCopyPicture"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(text(items[1]->text()), "Сохранить как\u2026");
    EXPECT_EQ(items[1]->objectName(), QStringLiteral("actSavePicture"));
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    for (QAction* item : items) {
        EXPECT_EQ(item->shortcutContext(), Qt::WindowShortcut);
        EXPECT_TRUE(box.actions().contains(item)); // so the shortcut lives with the picture
    }
    EXPECT_EQ(box.findChild<QAction*>(QStringLiteral("actCopyPicture")), box.copyAction());
    EXPECT_EQ(box.findChild<QAction*>(QStringLiteral("actSavePicture")), box.saveAction());
    menu->close();
}

TEST(PictureBoxExport, CopyPutsThePictureOnTheClipboard) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_NE(clipboard, nullptr);
    clipboard->clear();
    RatioPicture box(2.0);
    box.showRecording(sampleRecording());
    box.copyAction()->trigger();
    const QImage copied = clipboard->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), QSize(1298, 498));
    EXPECT_EQ(copied.devicePixelRatio(), 2.0);
    EXPECT_TRUE(samePixels(copied, box.picture()));
}

TEST(PictureBoxExport, SaveWritesAPngThatLoadsBackEqual) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    RatioPicture box(2.0);
    box.showRecording(sampleRecording());
    const QString path = folder.filePath(QStringLiteral("рисунок 1.png"));
    QString error;
    ASSERT_TRUE(box.savePicture(path, &error)) << text(error);
    EXPECT_TRUE(error.isEmpty());
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("png"));
    const QImage loaded = reader.read();
    ASSERT_FALSE(loaded.isNull()) << text(reader.errorString());
    EXPECT_EQ(loaded.size(), QSize(1298, 498)); // the full device resolution
    EXPECT_TRUE(samePixels(loaded, box.picture()));
    EXPECT_EQ(filesIn(folder.path()), QStringList{QStringLiteral("рисунок 1.png")});
}

TEST(PictureBoxExport, SaveReplacesAnOlderFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("veltrum.png"));
    RatioPicture box(1.0);
    box.showRecording(sampleRecording());
    ASSERT_TRUE(box.savePicture(path, nullptr));
    box.clearPicture();
    ASSERT_TRUE(box.savePicture(path, nullptr));
    const QImage loaded(path);
    EXPECT_EQ(countOf(loaded, kWhite), 649 * 249);
}

TEST(PictureBoxExport, SaveIntoAMissingFolderFails) {
    QTemporaryDir folder;
    RatioPicture box(1.0);
    box.showRecording(sampleRecording());
    const QString path = folder.filePath(QStringLiteral("нет такой папки/veltrum.png"));
    QString error;
    EXPECT_FALSE(box.savePicture(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(filesIn(folder.path()).isEmpty());
    EXPECT_FALSE(box.savePicture(path, nullptr)); // no error wanted: still no crash
}

TEST(PictureBoxExport, SaveOntoAFolderFails) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.png")));
    RatioPicture box(1.0);
    const QString path = folder.filePath(QStringLiteral("taken.png"));
    QString error;
    EXPECT_FALSE(box.savePicture(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(filesIn(folder.path()).isEmpty());
}

TEST(PictureBoxExport, SaveActionWritesTheChosenFile) {
    QTemporaryDir folder;
    AnsweredPicture box;
    box.showRecording(sampleRecording());
    box.answer = folder.filePath(QStringLiteral("report.png"));
    MessageWatcher watcher;
    box.saveAction()->trigger();
    EXPECT_EQ(box.questions, 1);
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_TRUE(samePixels(QImage(box.answer), box.picture()));
}

TEST(PictureBoxExport, SaveActionAddsThePngEnding) {
    QTemporaryDir folder;
    AnsweredPicture box;
    box.showRecording(sampleRecording());
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {
        {"report", "report.png"},
        {"report.PNG", "report.PNG"},
        {"report.jpg", "report.jpg.png"},
        {"lab.3", "lab.3.png"},
    };
    for (const auto& names : cases) {
        SCOPED_TRACE(names.typed);
        box.answer = folder.filePath(QString::fromUtf8(names.typed));
        box.saveAction()->trigger();
        const QString written = folder.filePath(QString::fromUtf8(names.written));
        EXPECT_TRUE(samePixels(QImage(written), box.picture()));
    }
    EXPECT_EQ(filesIn(folder.path()).size(), 4);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("report"))));
}

TEST(PictureBoxExport, CancelledQuestionWritesNothing) {
    QTemporaryDir folder;
    AnsweredPicture box;
    box.showRecording(sampleRecording());
    box.answer.clear();
    MessageWatcher watcher;
    box.saveAction()->trigger();
    EXPECT_EQ(box.questions, 1);
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_TRUE(filesIn(folder.path()).isEmpty());
}

TEST(PictureBoxExport, FailedSaveShowsAWarningNamingTheFile) {
    QTemporaryDir folder;
    AnsweredPicture box;
    box.showRecording(sampleRecording());
    box.answer = folder.filePath(QStringLiteral("missing/report.png"));
    QString expectedError;
    ASSERT_FALSE(box.savePicture(box.answer, &expectedError));

    MessageWatcher watcher;
    box.saveAction()->trigger();
    ASSERT_EQ(watcher.seen().size(), 1u);
    const MessageWatcher::Seen& message = watcher.seen().front();
    EXPECT_EQ(text(message.title), "Ошибка записи");
    EXPECT_EQ(message.icon, QMessageBox::Warning);
    EXPECT_TRUE(message.text.startsWith(QStringLiteral("Не удалось записать рисунок")))
        << text(message.text);
    EXPECT_TRUE(message.text.contains(QDir::toNativeSeparators(box.answer))) << text(message.text);
    EXPECT_TRUE(message.text.contains(expectedError)) << text(message.text);
    EXPECT_TRUE(filesIn(folder.path()).isEmpty());
}

// ---- the shortcuts in a window -------------------------------------------------------

// A window with the picture, a button and a field, shown and active.
class PictureBoxShortcuts : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        window_->resize(700, 340);
        picture_ = new AnsweredPicture(window_.get());
        picture_->move(10, 80);
        button_ = new QPushButton(QStringLiteral("Пуск"), window_.get());
        button_->setGeometry(10, 10, 80, 24);
        field_ = new QLineEdit(QStringLiteral("0,1"), window_.get());
        field_->setGeometry(100, 10, 80, 24);
        picture_->showRecording(sampleRecording());
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        QGuiApplication::clipboard()->clear();
    }

    std::unique_ptr<QWidget> window_;
    AnsweredPicture* picture_ = nullptr;
    QPushButton* button_ = nullptr;
    QLineEdit* field_ = nullptr;
};

TEST_F(PictureBoxShortcuts, CtrlCCopiesThePictureFromAnywhereInTheWindow) {
    button_->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), button_);
    QTest::keyClick(window_.get(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_TRUE(samePixels(copied, picture_->picture()));
}

TEST_F(PictureBoxShortcuts, FocusedFieldKeepsItsOwnCtrlC) {
    field_->setFocus();
    field_->selectAll();
    ASSERT_EQ(QApplication::focusWidget(), field_);
    QTest::keyClick(field_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("0,1"));
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
}

TEST_F(PictureBoxShortcuts, CtrlSAsksForAFileEvenFromAField) {
    field_->setFocus();
    picture_->answer.clear(); // cancelled
    QTest::keyClick(field_, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(picture_->questions, 1);
    EXPECT_EQ(field_->text(), QStringLiteral("0,1"));
}

TEST(PictureBoxInWindow, MainWindowPictureHasTheExportActions) {
    Form1 window;
    auto* picture = window.findChild<PictureBox*>(QStringLiteral("PicRes"));
    ASSERT_NE(picture, nullptr);
    auto* copy = window.findChild<QAction*>(QStringLiteral("actCopyPicture"));
    auto* save = window.findChild<QAction*>(QStringLiteral("actSavePicture"));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(copy->parent(), picture);
    EXPECT_EQ(save->parent(), picture);

    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QGuiApplication::clipboard()->clear();
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("txtT1"));
    ASSERT_NE(field, nullptr);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), field->text());
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());

    auto* button = window.findChild<QPushButton*>(QStringLiteral("btnT1"));
    ASSERT_NE(button, nullptr);
    button->setFocus();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(samePixels(QGuiApplication::clipboard()->image(), picture->picture()));
}

} // namespace
