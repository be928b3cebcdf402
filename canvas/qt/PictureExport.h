// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture for a lab report: "Копировать" (Ctrl+C) puts it on the clipboard,
// "Сохранить как…" (Ctrl+S) writes it as PNG, both at the image's full device
// resolution. The two shortcuts work anywhere in the window, but a focused line edit
// keeps its own Ctrl+C: it claims the key before window shortcuts are looked at.

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QByteArray;
class QImage;
class QWidget;

namespace canvas {

// The filters of the file questions.
QString pngFilter();
QString csvFilter();

// Asks for the name of a file to write: (title, suggested path, filter) → the chosen
// path, empty when the question was cancelled. By default a file dialog.
using FileQuestion =
    std::function<QString(const QString& title, const QString& suggested, const QString& filter)>;
FileQuestion fileDialogQuestion(QWidget* parent);

// Remembers the folder of the last file written, for the next question.
class SaveFolder {
public:
    // The folder to suggest: the last one written to, else `fallback`, else home.
    QString suggest(const QString& fallback) const;
    void remember(const QString& writtenFile);

private:
    QString folder_;
};

// Writes an image as PNG to exactly this file, beside it first and renamed over it at
// the end, so that a failed write leaves an older file of that name as it was. On
// failure `error` (when given) says why.
bool writePng(const QImage& image, const QString& fileName, QString* error = nullptr);

// Bytes to exactly this file, the same way; on failure `error` says why.
bool writeBytes(const QByteArray& bytes, const QString& fileName, QString* error = nullptr);

// A failed write, said in a warning box that names the file and the cause.
void warnWriteFailed(QWidget* parent, const QString& what, const QString& fileName,
                     const QString& error);

// What "save as" asks and writes: the question's title, the name it suggests, its filter,
// the suffix added to a name without it, and what the warning calls the thing written.
struct SaveRequest {
    QString title;
    QString suggestedName;
    QString filter;
    QString suffix;
    QString what;
};
// Asks for a file in the last folder written to (else `fallbackFolder`), adds the suffix
// unless the name already ends in an extension the filter lists,
// writes with `write`, remembers the folder; a failure is said in a warning box, a
// cancelled question writes nothing. Returns whether the file was written.
bool askAndWrite(QWidget* parent, const FileQuestion& question, SaveFolder& folder,
                 const QString& fallbackFolder, const SaveRequest& request,
                 const std::function<bool(const QString& fileName, QString* error)>& write);

class PictureExport : public QObject {
    Q_OBJECT

public:
    // The actions live in `picture` (so their shortcuts do) and read its image through
    // `image`.
    PictureExport(QWidget* picture, std::function<QImage()> image);

    QAction* copyAction() const { return copyAction_; }
    QAction* saveAction() const { return saveAction_; }

    void copyPicture();
    bool savePicture(const QString& fileName, QString* error = nullptr);
    // Asks for a file (".png" added when missing) and writes the picture there; a
    // failure is reported in a warning box. Cancelling the question writes nothing.
    void savePictureAs();

    void setFileQuestion(FileQuestion question) { question_ = std::move(question); }

private:
    QWidget* picture_;
    std::function<QImage()> image_;
    FileQuestion question_;
    SaveFolder folder_;
    QAction* copyAction_ = nullptr;
    QAction* saveAction_ = nullptr;
};

// The tool of that name in the picture's context menu, with the caption and shortcut the
// window's tool table gives it (a shortcut that works anywhere in the window); added to
// `owner`.
QAction* addTool(QWidget* owner, const char* name);

} // namespace canvas
