// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/qt/PictureExport.h"

#include "front/Texts.h"
#include "front/Window.h"

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

namespace {
// A text of the program's in the user's language.
QString text(const char* source) {
    return QString::fromStdString(i18n::tr(source));
}
} // namespace

QString pngFilter() {
    return text(front::texts::kPngFilter);
}

QString csvFilter() {
    return text(front::texts::kCsvFilter);
}

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

bool writeBytes(const QByteArray& bytes, const QString& fileName, QString* error) {
    QSaveFile file(fileName);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

bool askAndWrite(QWidget* parent, const FileQuestion& question, SaveFolder& folder,
                 const QString& fallbackFolder, const SaveRequest& request,
                 const std::function<bool(const QString& fileName, QString* error)>& write) {
    const QString start = folder.suggest(fallbackFolder);
    QString fileName =
        question(request.title, QDir(start).filePath(request.suggestedName), request.filter);
    if (fileName.isEmpty())
        return false; // the question was cancelled
    fileName = QString::fromStdString(front::savedFileName(
        fileName.toStdString(), request.filter.toStdString(), request.suffix.toStdString()));
    QString error;
    if (write(fileName, &error)) {
        folder.remember(fileName);
        return true;
    }
    warnWriteFailed(parent, request.what, fileName, error);
    return false;
}

void warnWriteFailed(QWidget* parent, const QString& what, const QString& fileName,
                     const QString& error) {
    QMessageBox::warning(
        parent, text(front::texts::kWriteErrorTitle),
        text(front::texts::kWriteErrorText).arg(what, QDir::toNativeSeparators(fileName), error));
}

QAction* addTool(QWidget* owner, const char* name) {
    const front::Tool* tool = front::findTool(name);
    Q_ASSERT(tool);
    auto* action = new QAction(QString::fromStdString(front::toolCaption(*tool)), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(tool->checkable);
    action->setShortcut(
        QKeySequence::fromString(QString::fromLatin1(tool->shortcut), QKeySequence::PortableText));
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
    copyAction_ = addTool(picture, "actCopyPicture");
    saveAction_ = addTool(picture, "actSavePicture");
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
    askAndWrite(
        picture_, question_, folder_,
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        {text(front::texts::kSavePictureTitle), text(front::texts::kPictureFile), pngFilter(),
         QStringLiteral("png"), text(front::texts::kPictureWhat)},
        [this](const QString& fileName, QString* error) { return savePicture(fileName, error); });
}

} // namespace canvas
