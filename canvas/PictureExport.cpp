// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/PictureExport.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QKeySequence>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

namespace canvas {

FileQuestion fileDialogQuestion(QWidget* parent) {
    return [parent](const QString& title, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, title, suggested, filter);
    };
}

QString SaveFolder::suggest(const QString& fallback) const {
    for (const QString& folder : {folder_, fallback, QDir::homePath()})
        if (!folder.isEmpty() && QDir(folder).exists())
            return folder;
    return QDir::homePath();
}

void SaveFolder::remember(const QString& writtenFile) {
    folder_ = QFileInfo(writtenFile).absolutePath();
}

bool writePng(const QImage& image, const QString& fileName, QString* error) {
    QSaveFile file(fileName);
    QImageWriter writer(&file, "png");
    bool written = writer.write(image);
    QString why = writer.errorString();
    if (written && !file.commit()) {
        written = false;
        why = file.errorString();
    }
    if (!written && error)
        *error = why.isEmpty() ? file.errorString() : why;
    return written;
}

void warnWriteFailed(QWidget* parent, const QString& what, const QString& fileName,
                     const QString& error) {
    QMessageBox::warning(parent, QStringLiteral("Ошибка записи"),
                         QStringLiteral("Не удалось записать %1 в файл «%2».\n%3")
                             .arg(what, QDir::toNativeSeparators(fileName), error));
}

QAction* addPictureAction(QWidget* owner, const QString& text, const char* name,
                          QKeyCombination key) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(key));
    // The whole window, not only the focused picture; a focused line edit still keeps
    // Ctrl+C, since its shortcut override comes first.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    owner->addAction(action);
    return action;
}

PictureExport::PictureExport(QWidget* picture, std::function<QImage()> image)
    : QObject(picture), picture_(picture), image_(std::move(image)),
      question_(fileDialogQuestion(picture)) {
    copyAction_ = addPictureAction(picture, QStringLiteral("Копировать"), "actCopyPicture",
                                   Qt::CTRL | Qt::Key_C);
    saveAction_ = addPictureAction(picture, QStringLiteral("Сохранить как…"), "actSavePicture",
                                   Qt::CTRL | Qt::Key_S);
    connect(copyAction_, &QAction::triggered, this, &PictureExport::copyPicture);
    connect(saveAction_, &QAction::triggered, this, &PictureExport::savePictureAs);
}

void PictureExport::copyPicture() {
    QGuiApplication::clipboard()->setImage(image_());
}

bool PictureExport::savePicture(const QString& fileName, QString* error) {
    return writePng(image_(), fileName, error);
}

void PictureExport::savePictureAs() {
    const QString folder =
        folder_.suggest(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    QString fileName = question_(QStringLiteral("Сохранить рисунок"),
                                 QDir(folder).filePath(QStringLiteral("veltrum.png")),
                                 QStringLiteral("Рисунок PNG (*.png)"));
    if (fileName.isEmpty())
        return; // the question was cancelled
    if (QFileInfo(fileName).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        fileName += QLatin1String(".png");
    QString error;
    if (savePicture(fileName, &error)) {
        folder_.remember(fileName);
        return;
    }
    warnWriteFailed(picture_, QStringLiteral("рисунок"), fileName, error);
}

} // namespace canvas
