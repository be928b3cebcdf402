// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The result picture PicRes: the Qt side of the canvas. The picture lives in a backing
// image at the widget's device pixel ratio (white background, black foreground); the
// canvas operations draw into that image and paintEvent only copies it to the screen,
// so the picture survives repaints and grab() shows the last completed press.
//
// User coordinates: setScale(x1, y1, x2, y2) puts (x1, y1) at the top-left and (x2, y2)
// at the bottom-right corner of the picture's device-independent area (649 × 249 for
// PicRes). The mapping is done here in double precision, every segment is clipped by
// this class before Qt sees it, and the pen is a cosmetic one-pixel pen with
// antialiasing off, so the exact RGB colours land in the image.
//
// The picture keeps the calls drawn since it was last white (PictureHistory), so that a
// new pixel ratio (the window moved to another screen) draws it again, crisp, instead of
// losing it. Its context menu shows its actions: copy and save (PictureExport) and
// whatever tools the window adds beside them.
//
// The class lives in namespace canvas, next to the Canvas interface it implements.

#include "canvas/Canvas.h"
#include "canvas/PictureHistory.h"
#include "canvas/RecordingCanvas.h"
#include "canvas/qt/PictureExport.h"

#include <QImage>

#include <QPointF>
#include <QTransform>
#include <QWidget>
#include <optional>

class QAction;
class QContextMenuEvent;

namespace canvas {

class PictureBox : public QWidget, public Canvas {
    Q_OBJECT

public:
    static constexpr int kWidth = 649;               // PicRes, device-independent pixels
    static constexpr int kHeight = 249;              //
    static constexpr QRgb kBackground = 0xffffffffu; // white
    static constexpr QRgb kForeground = 0xff000000u; // black

    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // Canvas: each call paints into the image at once and schedules a repaint.
    void clearPicture() override;
    void setScale(float x1, float y1, float x2, float y2) override;
    void drawLine(float x1, float y1, float x2, float y2, Colour colour) override;
    void lineTo(float x, float y, Colour colour) override;
    void lineTo(float x, float y) override;
    void setPosition(float x, float y) override;

    // A whole press at once: one painter for all its calls, one repaint at the end.
    void showRecording(const RecordingCanvas& recording);

    // The backing image as it stands (device pixels, with its device pixel ratio).
    QImage picture() const { return image_; }
    // The drawing position in user coordinates.
    QPointF position() const { return position_; }
    // A point of the widget in the user coordinates of the scale in force; none before
    // any scale was set (or when it cannot be inverted).
    std::optional<QPointF> userPoint(const QPointF& widgetPoint) const;

    QSize sizeHint() const override { return {kWidth, kHeight}; }

    // The picture for a lab report (see PictureExport).
    PictureExport& exporter() { return *export_; }
    bool savePicture(const QString& fileName, QString* error = nullptr) {
        return export_->savePicture(fileName, error);
    }
    // The context menu's first actions: "actCopyPicture" (Ctrl+C), "actSavePicture" (Ctrl+S).
    QAction* copyAction() const { return export_->copyAction(); }
    QAction* saveAction() const { return export_->saveAction(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Shift+F10 and the Menu key open the menu of the focused picture.
    void keyPressEvent(QKeyEvent* event) override;
    // The ratio the backing image is made at; the widget's own unless overridden.
    virtual qreal pictureDevicePixelRatio() const;

private:
    class Painting;

    // Re-creates the image when the widget's size or pixel ratio has changed, and draws
    // the kept calls into it again.
    void ensurePicture();
    void recreatePicture();
    QSize picturePixels(qreal ratio) const;
    void updateTransform();
    void applyScale(float x1, float y1, float x2, float y2);
    void restartHistory();

    QImage image_;
    PictureHistory history_;
    QPointF position_{0.0, 0.0}; // user coordinates
    // The scale as given, kept so that a new image size maps the same way; none: user
    // units are device-independent pixels.
    std::optional<PictureHistory::Scale> scale_;
    QTransform toPicture_;
    PictureExport* export_ = nullptr;
};

// A recorded picture drawn alone at a device pixel ratio (3 for a printed page): the
// same lines as the window's picture, sharp at that resolution.
QImage renderPicture(const RecordingCanvas& recording, qreal ratio);

} // namespace canvas
