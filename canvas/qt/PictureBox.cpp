// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/qt/PictureBox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace canvas {

namespace {

QRgb rgbOf(Colour colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

bool isFinite(const QPointF& point) {
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

// How far a point lies from the picture, for choosing the endpoint to clip from.
double distanceFrom(const QPointF& point, const QRectF& area) {
    return std::max(std::abs(point.x() - area.center().x()),
                    std::abs(point.y() - area.center().y()));
}

// Liang–Barsky: cuts the segment a–b to the rectangle; false when nothing is left.
// The parameters are measured from the endpoint nearer the picture, so that a curve
// running off to 1e30 keeps its visible part exact.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& area) {
    const bool swapped = distanceFrom(a, area) > distanceFrom(b, area);
    if (swapped)
        std::swap(a, b);
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double enter = 0.0;
    double leave = 1.0;
    // One boundary: p is the segment's speed towards it, q the room left before it.
    const auto boundary = [&enter, &leave](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            if (t > leave)
                return false;
            enter = std::max(enter, t);
        } else {
            if (t < enter)
                return false;
            leave = std::min(leave, t);
        }
        return true;
    };
    if (!boundary(-dx, a.x() - area.left()) || !boundary(dx, area.right() - a.x()) ||
        !boundary(-dy, a.y() - area.top()) || !boundary(dy, area.bottom() - a.y()))
        return false;
    const QPointF start = a;
    if (leave < 1.0)
        b = QPointF(start.x() + leave * dx, start.y() + leave * dy);
    if (enter > 0.0)
        a = QPointF(start.x() + enter * dx, start.y() + enter * dy);
    if (swapped)
        std::swap(a, b);
    return isFinite(a) && isFinite(b);
}

} // namespace

// One painter on the backing image for a run of canvas calls. Segments of one colour
// are collected and handed to Qt together; the repaint is scheduled when it ends.
class PictureBox::Painting final : public Canvas {
public:
    explicit Painting(PictureBox& box) : box_(box) {
        box_.ensurePicture();
        const QSizeF size = box_.image_.deviceIndependentSize();
        // A little beyond the edges, so that clipped ends never show.
        clipArea_ = QRectF(-1.0, -1.0, size.width() + 2.0, size.height() + 2.0);
        painter_.begin(&box_.image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        pen_.setCosmetic(true);
        pen_.setWidth(1);
        pen_.setCapStyle(Qt::FlatCap);
        choosePen(kForeground);
    }
    ~Painting() override {
        flush();
        painter_.end();
        box_.update();
    }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;

    void clearPicture() override {
        batch_.clear();
        painter_.setCompositionMode(QPainter::CompositionMode_Source);
        painter_.fillRect(QRectF(QPointF(0, 0), box_.image_.deviceIndependentSize()),
                          QColor(kBackground));
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        box_.position_ = QPointF(0.0, 0.0);
        box_.restartHistory();
    }
    void setScale(float x1, float y1, float x2, float y2) override {
        flush();
        box_.applyScale(x1, y1, x2, y2);
    }
    void drawLine(float x1, float y1, float x2, float y2, Colour colour) override {
        segment(QPointF(x1, y1), QPointF(x2, y2), rgbOf(colour));
        box_.position_ = QPointF(x2, y2);
        if (Canvas* kept = box_.history_.recorder())
            kept->drawLine(x1, y1, x2, y2, colour);
    }
    void lineTo(float x, float y, Colour colour) override {
        segment(box_.position_, QPointF(x, y), rgbOf(colour));
        box_.position_ = QPointF(x, y);
        if (Canvas* kept = box_.history_.recorder())
            kept->lineTo(x, y, colour);
    }
    void lineTo(float x, float y) override {
        segment(box_.position_, QPointF(x, y), kForeground);
        box_.position_ = QPointF(x, y);
        if (Canvas* kept = box_.history_.recorder())
            kept->lineTo(x, y);
    }
    void setPosition(float x, float y) override { box_.setPosition(x, y); }

private:
    // A segment in user coordinates; missing (non-finite) points draw nothing.
    void segment(const QPointF& from, const QPointF& to, QRgb colour) {
        if (!isFinite(from) || !isFinite(to))
            return;
        QPointF a = box_.toPicture_.map(from);
        QPointF b = box_.toPicture_.map(to);
        if (!isFinite(a) || !isFinite(b) || !clipSegment(a, b, clipArea_))
            return;
        if (colour != penColour_) {
            flush();
            choosePen(colour);
        }
        batch_.emplace_back(a, b);
        if (batch_.size() >= kBatchSize)
            flush();
    }
    void choosePen(QRgb colour) {
        penColour_ = colour;
        pen_.setColor(QColor(colour));
        painter_.setPen(pen_);
    }
    void flush() {
        if (batch_.empty())
            return;
        painter_.drawLines(batch_.data(), static_cast<int>(batch_.size()));
        batch_.clear();
    }

    static constexpr std::size_t kBatchSize = 4096;
    PictureBox& box_;
    QPainter painter_;
    QPen pen_;
    QRgb penColour_ = kForeground;
    QRectF clipArea_;
    std::vector<QLineF> batch_;
};

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The keyboard reaches the picture (and its menu) with Tab; a click leaves the focus
    // where it was.
    setFocusPolicy(Qt::TabFocus);
    // White, as the picture it keeps, also where the palette is asked directly.
    QPalette white = palette();
    white.setColor(QPalette::Window, QColor(kBackground));
    setPalette(white);
    resize(kWidth, kHeight);
    recreatePicture();
    export_ = new PictureExport(this, [this] {
        ensurePicture();
        return image_;
    });
}

PictureBox::~PictureBox() = default;

void PictureBox::clearPicture() {
    Painting(*this).clearPicture();
}

void PictureBox::setScale(float x1, float y1, float x2, float y2) {
    applyScale(x1, y1, x2, y2);
}

void PictureBox::drawLine(float x1, float y1, float x2, float y2, Colour colour) {
    Painting(*this).drawLine(x1, y1, x2, y2, colour);
}

void PictureBox::lineTo(float x, float y, Colour colour) {
    Painting(*this).lineTo(x, y, colour);
}

void PictureBox::lineTo(float x, float y) {
    Painting(*this).lineTo(x, y);
}

void PictureBox::setPosition(float x, float y) {
    position_ = QPointF(x, y);
    if (Canvas* kept = history_.recorder())
        kept->setPosition(x, y);
}

std::optional<QPointF> PictureBox::userPoint(const QPointF& widgetPoint) const {
    if (!scale_)
        return std::nullopt;
    // Each direction on its own: one without extent (a flat curve's scale) reads as its
    // first value everywhere.
    const auto axis = [](double point, double factor, double offset, double first) {
        return factor != 0.0 && std::isfinite(factor) ? (point - offset) / factor : first;
    };
    return QPointF(axis(widgetPoint.x(), toPicture_.m11(), toPicture_.dx(), scale_->x1),
                   axis(widgetPoint.y(), toPicture_.m22(), toPicture_.dy(), scale_->y1));
}

void PictureBox::showRecording(const RecordingCanvas& recording) {
    Painting painting(*this);
    recording.replay(painting);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    ensurePicture();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), image_);
    if (hasFocus()) { // reached by the keyboard: a dotted frame shows where the focus is
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensurePicture();
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(actions());
    menu->popup(event->globalPos());
    event->accept();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QPoint centre = rect().center();
    QContextMenuEvent open(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre));
    contextMenuEvent(&open);
}

qreal PictureBox::pictureDevicePixelRatio() const {
    return devicePixelRatioF();
}

// ---- the backing image ----------------------------------------------------------------

QSize PictureBox::picturePixels(qreal ratio) const {
    return (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
}

// A new size or pixel ratio: a new white image, and the calls since the picture was last
// white drawn into it again, so the lines stay one device pixel wide at the new ratio.
void PictureBox::ensurePicture() {
    const qreal ratio = pictureDevicePixelRatio();
    if (!image_.isNull() && image_.size() == picturePixels(ratio) &&
        image_.devicePixelRatio() == ratio)
        return;
    const QImage previous = image_;
    const bool complete = history_.complete();
    const RecordingCanvas kept = history_.take();
    const QPointF position = position_;
    recreatePicture();
    if (complete) {
        // From the state of the last white picture: its scale is the first kept call.
        scale_.reset();
        updateTransform();
        Painting painting(*this);
        kept.replay(painting);
        return;
    }
    // Too long to draw again: the previous image, resampled, with the current scale.
    position_ = position;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(QPointF(0.0, 0.0), image_.deviceIndependentSize()), previous);
}

// A white image at the current ratio; the drawing position goes to the origin.
void PictureBox::recreatePicture() {
    const qreal ratio = pictureDevicePixelRatio();
    image_ = QImage(picturePixels(ratio), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(QColor(kBackground));
    position_ = QPointF(0.0, 0.0);
    updateTransform();
}

void PictureBox::applyScale(float x1, float y1, float x2, float y2) {
    scale_ = PictureHistory::Scale{x1, y1, x2, y2};
    updateTransform();
    if (Canvas* kept = history_.recorder())
        kept->setScale(x1, y1, x2, y2);
}

void PictureBox::restartHistory() {
    history_.restart(scale_);
}

// (left, top) to the top-left corner, (right, bottom) to the bottom-right. A scale with
// no extent (or not finite) in one direction sends that direction to the centre.
void PictureBox::updateTransform() {
    const QSizeF area = image_.isNull() ? QSizeF(size()) : image_.deviceIndependentSize();
    if (!scale_) {
        toPicture_ = QTransform();
        return;
    }
    const auto axis = [](double first, double last, double extent) {
        const double factor = extent / (last - first);
        if (!std::isfinite(factor) || factor == 0.0 || !std::isfinite(first))
            return std::pair<double, double>(0.0, extent / 2.0);
        return std::pair<double, double>(factor, -first * factor);
    };
    const auto [sx, dx] = axis(scale_->x1, scale_->x2, area.width());
    const auto [sy, dy] = axis(scale_->y1, scale_->y2, area.height());
    toPicture_ = QTransform(sx, 0.0, 0.0, sy, dx, dy);
}

namespace {
// A picture made at a fixed ratio, whatever screen there is.
class FixedRatioPicture final : public PictureBox {
public:
    explicit FixedRatioPicture(qreal ratio) : ratio_(ratio) {}

protected:
    qreal pictureDevicePixelRatio() const override { return ratio_; }

private:
    qreal ratio_;
};
} // namespace

QImage renderPicture(const RecordingCanvas& recording, qreal ratio) {
    FixedRatioPicture picture(ratio);
    picture.showRecording(recording);
    return picture.picture();
}

} // namespace canvas
