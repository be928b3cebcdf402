// Veltrum: the teaching simulator of a switched passive microwave receiver. One window,
// no command line, nothing read or written.

#include "ui/Form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrum"));
    QApplication::setApplicationDisplayName(QStringLiteral("Veltrum"));
    QApplication::setOrganizationName(QStringLiteral("Veltrum"));
    QApplication::setOrganizationDomain(QStringLiteral("veltrum.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.veltrum.Veltrum"));

    // The window speaks Russian; so do Qt's own buttons in its message boxes.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    Form1 window;
    window.show();
    return QApplication::exec();
}
