// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Controls.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <iterator>

namespace ui {

namespace {

// Wrapping, centring and the accelerator's underline as the style wants it.
int captionFlags(const QWidget* widget, const QStyleOption& option, int alignment) {
    int flags = alignment | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!widget->style()->styleHint(QStyle::SH_UnderlineShortcut, &option, widget))
        flags |= Qt::TextHideMnemonic;
    return flags;
}

void drawFocus(QStylePainter& painter, const QWidget* widget, const QRect& rect) {
    QStyleOptionFocusRect focus;
    focus.initFrom(widget);
    focus.rect = rect;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

// The indicator (radio or check) of a toggle, centred vertically at the left.
QRect indicatorRect(const QWidget* widget, const QStyleOptionButton& option,
                    QStyle::SubElement indicatorElement) {
    QStyleOptionButton bare = option;
    bare.text.clear();
    QRect indicator = widget->style()->subElementRect(indicatorElement, &bare, widget);
    indicator.moveTop((widget->height() - indicator.height()) / 2);
    return indicator;
}

// The caption of a toggle: wrapped in the rest of the box, right of the indicator.
CaptionPlace togglePlace(const QWidget* widget, const QStyleOptionButton& option,
                         QStyle::SubElement indicatorElement, QStyle::PixelMetric spacingMetric) {
    const QRect indicator = indicatorRect(widget, option, indicatorElement);
    const int spacing = widget->style()->pixelMetric(spacingMetric, &option, widget);
    QRect textRect = widget->rect();
    textRect.setLeft(indicator.right() + 1 + spacing);
    return {textRect, captionFlags(widget, option, Qt::AlignLeft | Qt::AlignVCenter)};
}

void paintToggle(QStylePainter& painter, const QWidget* widget, const QStyleOptionButton& option,
                 QStyle::PrimitiveElement indicatorPrimitive, QStyle::SubElement indicatorElement,
                 const CaptionPlace& place) {
    QStyleOptionButton indicatorOption = option;
    indicatorOption.text.clear();
    indicatorOption.rect = indicatorRect(widget, option, indicatorElement);
    painter.drawPrimitive(indicatorPrimitive, indicatorOption);
    painter.drawItemText(place.rect, place.flags, option.palette, widget->isEnabled(), option.text,
                         QPalette::WindowText);
    if (widget->hasFocus()) {
        const QRect used = widget->fontMetrics().boundingRect(place.rect, place.flags, option.text);
        drawFocus(painter, widget, used.adjusted(-1, 0, 1, 0) & widget->rect());
    }
}

} // namespace

QRect CaptionButton::contents(const QStyleOptionButton& option) const {
    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    return contents;
}

QRect CaptionButton::iconRect(const QRect& contents) const {
    const QSize size = iconSize();
    return {contents.center().x() - size.width() / 2 + 1, contents.top() + 1, size.width(),
            size.height()};
}

CaptionPlace CaptionButton::captionPlace() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect room = contents(option);
    int alignment = Qt::AlignCenter;
    if (!option.icon.isNull()) {
        room.setTop(iconRect(room).bottom() + 1);
        alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    }
    return {room, captionFlags(this, option, alignment)};
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QIcon picture = option.icon;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    if (!picture.isNull())
        picture.paint(&painter, iconRect(contents(option)), Qt::AlignCenter,
                      isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const CaptionPlace place = captionPlace();
    painter.drawItemText(place.rect, place.flags, option.palette, isEnabled(), text(),
                         QPalette::ButtonText);
    if (hasFocus())
        drawFocus(painter, this,
                  style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this));
}

CaptionPlace WrappedRadioButton::captionPlace() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return togglePlace(this, option, QStyle::SE_RadioButtonIndicator,
                       QStyle::PM_RadioButtonLabelSpacing);
}

void WrappedRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    paintToggle(painter, this, option, QStyle::PE_IndicatorRadioButton,
                QStyle::SE_RadioButtonIndicator, captionPlace());
}

CaptionPlace WrappedCheckBox::captionPlace() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return togglePlace(this, option, QStyle::SE_CheckBoxIndicator, QStyle::PM_CheckBoxLabelSpacing);
}

void WrappedCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    paintToggle(painter, this, option, QStyle::PE_IndicatorCheckBox, QStyle::SE_CheckBoxIndicator,
                captionPlace());
}

CaptionPlace CompactComboBox::captionPlace() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The style's field stops short of the frame at the left and of the arrow's button at
    // the right; the text may take a pixel more at the left and three of the button's
    // blank padding, well clear of its arrow.
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    return {field.adjusted(-1, 0, 3, 0), Qt::AlignLeft | Qt::AlignVCenter};
}

void CompactComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString current = option.currentText;
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const CaptionPlace place = captionPlace();
    painter.drawItemText(place.rect, place.flags, option.palette, isEnabled(), current,
                         QPalette::ButtonText);
}

DiagramArea::DiagramArea(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void DiagramArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen{QColor(kBlack)};
    pen.setCosmetic(true);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // drawRect's outline covers width + 1 pixels: the frame ends on the box's last pixel.
    painter.drawRect(kShape1.adjusted(0, 0, -1, -1));
    for (const Segment& line : diagramLines()) {
        pen.setColor(QColor(line.colour));
        painter.setPen(pen);
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

namespace {

QPixmap drawSmilingFace(qreal ratio) {
    const QSize size(24, 22);
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF face(2.5, 1.5, 19, 19);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawEllipse(face);
    painter.setBrush(QColor(0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(8, 6.5, 2.5, 3.5));
    painter.drawEllipse(QRectF(14.5, 6.5, 2.5, 3.5));
    QPainterPath smile;
    smile.moveTo(7, 12.5);
    smile.quadTo(12.5, 19, 18, 12.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(smile);
    return pixmap;
}

// The installed SVG icon drawn with QPainter, so that the window needs no SVG module.
QPixmap drawApplicationIcon(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(side / 64.0, side / 64.0);
    painter.setPen(QPen(QColor(0x00, 0x80, 0x80), 3));
    painter.setBrush(QColor(0xc0, 0xc0, 0xc0));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    QPainterPath dish;
    dish.moveTo(14, 14);
    dish.quadTo(32, 30, 50, 14);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x00, 0x00, 0xc0), 3));
    painter.drawPath(dish);
    painter.drawLine(QPointF(32, 22), QPointF(32, 34));
    painter.setPen(QPen(QColor(0xa0, 0x80, 0x00), 1));
    painter.setBrush(QColor(0xff, 0xe0, 0x80));
    painter.drawRect(QRectF(8, 46, 48, 10));
    const QPointF wave[] = {{10, 40}, {16, 40}, {16, 34}, {24, 34}, {24, 40}, {32, 40},
                            {32, 34}, {40, 34}, {40, 40}, {48, 40}, {48, 34}, {54, 34}};
    painter.setPen(QPen(QColor(0xff, 0x00, 0xff), 2));
    painter.drawPolyline(wave, static_cast<int>(std::size(wave)));
    return pixmap;
}

} // namespace

QIcon applicationIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawApplicationIcon(side));
    return icon;
}

QIcon smilingFace() {
    QIcon icon;
    icon.addPixmap(drawSmilingFace(1.0));
    icon.addPixmap(drawSmilingFace(2.0));
    return icon;
}

} // namespace ui
