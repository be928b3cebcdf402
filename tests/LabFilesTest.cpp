// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lab setups and reports through the window: the shared setup file read and written back
// to the byte (the browser's test does the same with the same file); a setup saved from one
// window and opened in another; every kind of bad file refused with the window exactly as
// it was; a file dropped onto the window; the batch mode's readings equal the window's; the
// report's text and its first page's picture.

#include "ui/LabFiles.h"
#include "WindowFixture.h"
#include "front/Batch.h"
#include "front/Json.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <sstream>

namespace {

using window_testing::ModalWatcher;
using window_testing::WindowTest;

const QString kSharedSetup = QStringLiteral(VELTRUM_GOLDEN_DIR "/setup.veltrum");

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class LabFiles : public WindowTest {
protected:
    // Everything of the window a setup could change, or a press.
    QStringList controls() {
        QStringList state;
        for (const QString& name : window_testing::fieldNames())
            state << name + QLatin1Char('=') + field(name)->text() +
                         (field(name)->isEnabled() ? QString() : QStringLiteral(" (off)"));
        for (const char* option : {"optBigCel", "optGranica", "optCel"})
            state << QString::number(find<QRadioButton>(QString::fromLatin1(option))->isChecked());
        state << QString::number(find<QCheckBox>(QStringLiteral("chkLepestok"))->isChecked());
        state << find<QComboBox>(QStringLiteral("cboFd"))->currentText();
        for (QAction* item : window().findChildren<QAction*>())
            if (item->isCheckable() && item->isChecked())
                state << item->objectName();
        state << snapshot().labelTexts();
        return state;
    }
    // Opens a file through the window; the boxes it showed.
    std::vector<window_testing::SeenMessage> open(const QString& path) {
        ModalWatcher watcher;
        window().openSetupFile(path);
        return watcher.messages();
    }
};

TEST_F(LabFiles, TheSharedSetupReadAndWrittenBackToTheByte) {
    ASSERT_TRUE(open(kSharedSetup).empty());
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("optGranica"))->isChecked());
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkLepestok"))->isChecked());
    EXPECT_EQ(window().receiverState().sideLobeTemperature, 280);
    EXPECT_EQ(field(QStringLiteral("txtT2"))->text(), QStringLiteral("250,5"));
    EXPECT_EQ(find<QComboBox>(QStringLiteral("cboFd"))->currentText(), QStringLiteral("1МГц"));
    EXPECT_EQ(window().receiverState().uniform.position(), 0u); // its seed: a fresh stream

    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("back.veltrum"));
    ASSERT_TRUE(window().labFiles()->saveSetup(saved));
    EXPECT_EQ(contents(saved), contents(kSharedSetup));
}

TEST_F(LabFiles, SavedFromOneWindowOpenedInAnotherWithNothingPressed) {
    type(QStringLiteral("txtKp"), QStringLiteral("6,5"));
    find<QRadioButton>(QStringLiteral("optCel"))->click();
    find<QComboBox>(QStringLiteral("cboFd"))->setCurrentIndex(2);
    window().findChild<QAction*>(QStringLiteral("mnuGreen2"))->trigger();
    press(QStringLiteral("btnUVF"));

    QTemporaryDir folder;
    QString asked;
    window().labFiles()->setFileQuestion(
        [&](const QString&, const QString& suggested, const QString&) {
            asked = suggested;
            return folder.filePath(QStringLiteral("вариант 3")); // the suffix is added
        });
    window().findChild<QAction*>(QStringLiteral("actSaveSetup"))->trigger();
    EXPECT_TRUE(asked.endsWith(QStringLiteral("установка.veltrum"))) << asked;
    const QString file = folder.filePath(QStringLiteral("вариант 3.veltrum"));
    ASSERT_TRUE(QFile::exists(file));

    Form1 other;
    other.show();
    const QImage blank = other.findChild<canvas::PictureBox*>(QStringLiteral("PicRes"))->picture();
    other.labFiles()->setOpenQuestion([&](const QString&, const QString&, const QString& filter) {
        EXPECT_EQ(filter, QStringLiteral("Установка Veltrum (*.veltrum *.json)"));
        return file;
    });
    ModalWatcher watcher;
    other.findChild<QAction*>(QStringLiteral("actOpenSetup"))->trigger();
    EXPECT_TRUE(watcher.messages().empty());
    EXPECT_EQ(front::writeSetup(other.currentSetup()), front::writeSetup(window().currentSetup()));
    EXPECT_TRUE(other.findChild<QLineEdit*>(QStringLiteral("txtVisota"))->isEnabled());
    EXPECT_EQ(other.findChild<QLabel*>(QStringLiteral("lblname"))->text(), QStringLiteral(" "));
    EXPECT_EQ(other.findChild<canvas::PictureBox*>(QStringLiteral("PicRes"))->picture(), blank);
}

TEST_F(LabFiles, EveryKindOfBadFileLeavesTheWindowAsItWas) {
    press(QStringLiteral("btnap"));
    type(QStringLiteral("txtT1"), QStringLiteral("290"));
    QTemporaryDir folder;
    const QByteArray good = contents(kSharedSetup);
    const struct {
        const char* what;
        QByteArray bytes;
        const char* why;
    } files[] = {
        {"an image", QByteArray("\x89PNG\r\n\x1a\n", 8), "это не текст JSON"},
        {"cut short", good.left(good.size() - 30), "файл оборван"},
        {"an unknown key", QByteArray(R"({"format": "veltrum-setup", "version": 1, "ruler": 1})"),
         "неизвестный ключ «ruler»"},
        {"a wrong type",
         QByteArray(R"({"format": "veltrum-setup", "version": 1, "fields": {"txtT1": [304]}})"),
         "должно быть: строка"},
        {"a text too long",
         QByteArray(R"({"format": "veltrum-setup", "version": 1, "fields": {"txtT1": ")") +
             QByteArray(1001, '3') + QByteArray(R"("}})"),
         "длиннее 1000 символов"},
        {"a newer version", QByteArray(R"({"format": "veltrum-setup", "version": 7})"),
         "более новой версией"},
        {"a good start and a bad end", QByteArray(good).replace("\"mnuBlue2\"", "\"mnuBlue1\""),
         "не цвет второго объекта"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.what);
        const QString path = folder.filePath(QStringLiteral("bad.veltrum"));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.bytes);
        out.close();
        const QStringList before = controls();
        const QImage picture = snapshot().picture;
        const std::vector<window_testing::SeenMessage> seen = open(path);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].title, QStringLiteral("Ошибка установки"));
        EXPECT_TRUE(
            seen[0].text.startsWith(QStringLiteral("Не удалось открыть установку «bad.veltrum»")))
            << seen[0].text;
        EXPECT_TRUE(seen[0].text.contains(QString::fromUtf8(file.why))) << seen[0].text;
        EXPECT_EQ(controls(), before);
        EXPECT_EQ(snapshot().picture, picture);
    }
    // A file that cannot be read at all.
    const std::vector<window_testing::SeenMessage> missing =
        open(folder.filePath(QStringLiteral("нет.veltrum")));
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_TRUE(missing[0].text.contains(QStringLiteral("«нет.veltrum»")));
}

TEST_F(LabFiles, AFileDroppedOntoTheWindowOpens) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(kSharedSetup)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    ModalWatcher watcher;
    QApplication::sendEvent(&window(), &drop);
    EXPECT_TRUE(watcher.messages().empty());
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("optGranica"))->isChecked());
}

// The teacher's answer key: the batch mode's readings are the window's, press for press.
TEST_F(LabFiles, TheBatchModeReadsWhatTheWindowShows) {
    ASSERT_TRUE(open(kSharedSetup).empty());
    const char* const presses[] = {"btnsum", "btnASP", "btnsum"};
    std::string expected;
    for (const char* button : presses) {
        ASSERT_TRUE(press(QString::fromLatin1(button)).empty());
        std::string line =
            std::string("{\"press\": \"") + button + "\", \"title\": " +
            front::json::quote(label(QStringLiteral("lblname"))->text().toStdString()) +
            ", \"labels\": {";
        bool first = true;
        for (const char* name : {"lblTa1", "lblTa2", "lblmo", "lblmo1", "lblexit", "lblEnterT",
                                 "lblEnter", "lblRmax"}) {
            line += std::string(first ? "" : ", ") + "\"" + name + "\": " +
                    front::json::quote(label(QString::fromLatin1(name))->text().toStdString());
            first = false;
        }
        expected += line + "}}\n";
    }
    front::BatchRequest request;
    request.setup = front::readSetup(contents(kSharedSetup).toStdString());
    request.presses = {"btnsum", "btnASP", "btnsum"};
    std::ostringstream out, errors;
    EXPECT_EQ(front::runBatch(request, out, errors), 0) << errors.str();
    EXPECT_EQ(out.str(), expected);
}

TEST_F(LabFiles, TheReportHoldsTheSetupTheReadingsAndThePictures) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftotext.isEmpty() || pdftoppm.isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    type(QStringLiteral("txtTprm"), QStringLiteral("120"));
    press(QStringLiteral("btnUVF"));
    type(QStringLiteral("txtTint"), QStringLiteral("10"));
    press(QStringLiteral("btnsum"));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("отчёт.pdf"));
    ASSERT_TRUE(window().labFiles()->saveReport(file));

    QProcess text;
    text.start(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString said = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const QString& part :
         {QStringLiteral("Veltrum 1.0.0: отчёт о лабораторной работе"),
          QStringLiteral("Составлен "), QStringLiteral("Т-ра вн.шума, К 120"),
          QStringLiteral("Время накопления,мс 10"), QStringLiteral("Осциллограмма на выходе УВЧ"),
          QStringLiteral("Эффект накопления теплового сигнала в сумматоре"),
          QStringLiteral("Ta1, К: 303,6"),
          QStringLiteral("Измеренная разность антенных температур, К: ") +
              label(QStringLiteral("lblexit"))->text(),
          QStringLiteral("Формулы радиометра")})
        EXPECT_TRUE(said.contains(part)) << part << "\n in: " << said;

    // The first page shows the amplifier's picture: its cyan and yellow noise.
    QProcess image;
    image.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"),
                           QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                           QStringLiteral("-png"), file, folder.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(image.waitForFinished(30000));
    const QStringList pages = QDir(folder.path()).entryList({QStringLiteral("page*.png")});
    ASSERT_EQ(pages.size(), 1);
    const QImage page(folder.filePath(pages.front()));
    int cyan = 0, yellow = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            cyan += c.red() < 110 && c.green() > 170 && c.blue() > 170;
            yellow += c.red() > 170 && c.green() > 170 && c.blue() < 110;
        }
    EXPECT_GT(cyan, 200);
    EXPECT_GT(yellow, 200);
}

} // namespace
