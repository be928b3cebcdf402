// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the README's pictures from the program's own window: the window at start, after
// a press of the UHF amplifier, after an accumulation of 100 ms in the summator, and the
// experiment's window after a run with the defaults and one with a noisier receiver.
// Usage: veltrum_screenshot FOLDER. Runs on any platform plugin, offscreen included.

#include "ui/Form1.h"
#include "ui/SensitivityDialog.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTextStream>

namespace {

bool save(QWidget& window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    if (!window.grab().save(path, "PNG")) {
        QTextStream(stderr) << "veltrum_screenshot: cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

void click(const Form1& window, const char* button) {
    window.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

} // namespace

int main(int argc, char* argv[]) {
    // The pictures show the window as a Russian student sees it, whatever this machine's
    // locale: a decimal comma in the results.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);
    ui::installQtTranslations(app);
    if (argc != 2) {
        QTextStream(stderr) << "usage: veltrum_screenshot FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "veltrum_screenshot: cannot make " << folder.path() << '\n';
        return 1;
    }

    Form1 window;
    window.show();
    bool ok = save(window, folder, QStringLiteral("screenshot.png"));
    click(window, "btnUVF");
    ok = save(window, folder, QStringLiteral("screenshot-uhf.png")) && ok;
    window.findChild<QLineEdit*>(QStringLiteral("txtTint"))->setText(QStringLiteral("100"));
    click(window, "btnsum");
    ok = save(window, folder, QStringLiteral("screenshot-summator.png")) && ok;

    window.findChild<QLineEdit*>(QStringLiteral("txtTint"))->setText(QStringLiteral("1"));
    ui::SensitivityDialog* experiment = window.openExperiment();
    experiment->resize(1000, 760);
    // Two runs: the defaults, then a receiver twice as noisy.
    for (const char* noise : {"100", "200"}) {
        window.findChild<QLineEdit*>(QStringLiteral("txtTprm"))
            ->setText(QString::fromLatin1(noise));
        experiment->findChild<QPushButton*>(QStringLiteral("btnStart"))->click();
        QElapsedTimer clock;
        clock.start();
        while (experiment->running() && clock.elapsed() < 120000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        QApplication::processEvents(QEventLoop::AllEvents, 100);
    }
    ok = save(*experiment, folder, QStringLiteral("screenshot-experiment.png")) && ok;

    // The calibrated receiver: its two-section filter in volts, then its experiment of
    // modulation against total power with a gain drift of 1 % and balanced inputs.
    window.findChild<QLineEdit*>(QStringLiteral("txtTprm"))->setText(QStringLiteral("100"));
    window.chooseReceiver(views::ReceiverModel::Calibrated, std::nullopt);
    click(window, "btnF2");
    ok = save(window, folder, QStringLiteral("screenshot-calibrated.png")) && ok;
    window.findChild<QLineEdit*>(QStringLiteral("txtT2"))->setText(QStringLiteral("303,6"));
    window.findChild<QLineEdit*>(QStringLiteral("txtdeltaKp"))->setText(QStringLiteral("1"));
    experiment->findChild<QPushButton*>(QStringLiteral("btnClear"))->click();
    experiment->findChild<QComboBox*>(QStringLiteral("cboExperiment"))->setCurrentIndex(1);
    experiment->findChild<QPushButton*>(QStringLiteral("btnStart"))->click();
    QElapsedTimer clock;
    clock.start();
    while (experiment->running() && clock.elapsed() < 240000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents(QEventLoop::AllEvents, 100);
    ok = save(*experiment, folder, QStringLiteral("screenshot-switching.png")) && ok;
    return ok ? 0 : 1;
}
