// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's tests run without a display: the offscreen platform is chosen before the
// application object exists, unless the caller asked for another one.

#include <QApplication>
#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform says at every message box that it cannot resize windows to
// their contents; thousands of boxes later that line hides what matters.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")) ||
        message.contains(QLatin1String("does not support raise()")))
        return;
    qtDefaultHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(quietHandler);
    // The window formats numbers in the user's locale; the tests fix it to Russian so that
    // the expected texts ("303,6") do not depend on the machine.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
