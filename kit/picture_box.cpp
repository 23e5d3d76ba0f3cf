// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/picture_box.h"

#include "kit/units.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <qdrawutil.h>

namespace kit {

GraphicItem::GraphicItem(PictureBox* box, const QString& name) : QObject(box), m_box(*box) {
    setObjectName(name);
}

void GraphicItem::setVisible(bool visible) {
    if (m_visible == visible)
        return;
    m_visible = visible;
    changed();
}

void GraphicItem::changed() {
    m_box.surfaceChanged(pixelBounds(unitsPerPixel()));
}

double GraphicItem::unitsPerPixel() const {
    return m_box.unitsPerPixel();
}

LineWidget::LineWidget(PictureBox* box, const QString& name, const QColor& color, int width,
                       Mix mix)
    : GraphicItem(box, name), m_color(color), m_width(width), m_mix(mix) {}

void LineWidget::assign(float& field, float value) {
    // Writing the same end point again must not cost a repaint.
    if (field == value)
        return;
    changed(); // where the line was
    field = value;
    changed(); // where it is now
}

void LineWidget::setEnds(QPointF first, QPointF second) {
    const float x1 = static_cast<float>(first.x()), y1 = static_cast<float>(first.y());
    const float x2 = static_cast<float>(second.x()), y2 = static_cast<float>(second.y());
    if (x1 == m_x1 && y1 == m_y1 && x2 == m_x2 && y2 == m_y2)
        return;
    changed();
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    changed();
}

QRect LineWidget::pixelBounds(double unitsPerPixel) const {
    const QRectF span =
        QRectF(QPointF(m_x1, m_y1) / unitsPerPixel, QPointF(m_x2, m_y2) / unitsPerPixel)
            .normalized();
    const double reach = m_width / 2.0 + 2.0; // round caps and pixel snapping
    return span.adjusted(-reach, -reach, reach, reach).toAlignedRect();
}

void LineWidget::paint(QPainter& painter, double unitsPerPixel) const {
    QPen pen(m_color, m_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_mix == Mix::NotMaskPen) {
        // NOT(pen AND pixel) per channel: a hand shows as the complement of
        // what lies under it, so it stands out over any part of a face.
        painter.setCompositionMode(QPainter::RasterOp_NotSourceOrNotDestination);
    }
    painter.setPen(pen);
    painter.drawLine(QLineF(m_x1 / unitsPerPixel, m_y1 / unitsPerPixel, m_x2 / unitsPerPixel,
                            m_y2 / unitsPerPixel));
    painter.restore();
}

ShapeWidget::ShapeWidget(PictureBox* box, const QString& name, const QRectF& bounds,
                         const QColor& fill)
    : GraphicItem(box, name), m_bounds(bounds), m_fill(fill) {}

QRectF ShapeWidget::circle() const {
    const double side = std::min(m_bounds.width(), m_bounds.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(m_bounds.center());
    return square;
}

QRect ShapeWidget::pixelBounds(double unitsPerPixel) const {
    const QRectF c = circle();
    return QRectF(c.topLeft() / unitsPerPixel, c.size() / unitsPerPixel)
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}

void ShapeWidget::paint(QPainter& painter, double unitsPerPixel) const {
    const QRectF c = circle();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_fill);
    painter.drawEllipse(QRectF(c.x() / unitsPerPixel, c.y() / unitsPerPixel,
                               c.width() / unitsPerPixel, c.height() / unitsPerPixel)
                            .adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

PictureBox::PictureBox(QWidget* parent, const QString& name)
    : QWidget(parent), m_backColor(palette().color(QPalette::Button)) {
    setObjectName(name);
    // Every pixel is painted here (surface and frame), so nothing beneath
    // needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setFramed(bool framed) {
    if (m_framed == framed)
        return;
    m_framed = framed;
    fitToBitmap();
    surfaceChanged();
}

void PictureBox::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    fitToBitmap();
}

void PictureBox::setBitmap(const QPixmap& bitmap) {
    m_bitmap = bitmap;
    fitToBitmap();
    surfaceChanged();
}

void PictureBox::setBackColor(const QColor& color) {
    m_backColor = color;
    surfaceChanged();
}

void PictureBox::setScale(Scale scale) {
    m_scale = scale;
    surfaceChanged();
}

QSize PictureBox::innerSize() const {
    return QSize(std::max(0, width() - 2 * border()), std::max(0, height() - 2 * border()));
}

void PictureBox::placeChild(QWidget& child, const QRect& twips) const {
    const QRect r = twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
    child.setGeometry(r.translated(border(), border()));
}

void PictureBox::fitToBitmap() {
    if (!m_autoSize || m_bitmap.isNull())
        return;
    const QSize bitmapSize = m_bitmap.deviceIndependentSize().toSize();
    resize(bitmapSize + QSize(2 * border(), 2 * border()));
}

void PictureBox::surfaceChanged() {
    m_dirty = true;
    update();
}

void PictureBox::surfaceChanged(const QRect& pixels) {
    const QRect inner = pixels & QRect(QPoint(0, 0), innerSize());
    if (inner.isEmpty())
        return;
    // Writing a hand's four end points marks nearly the same pixels four
    // times; only a grown rectangle needs telling the widget again.
    if (m_dirtyRect.contains(inner))
        return;
    m_dirtyRect |= inner;
    update(m_dirtyRect.translated(border(), border()));
}

QImage PictureBox::base(qreal dpr) const {
    QImage image(innerSize() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(m_backColor);
    if (!m_bitmap.isNull()) {
        QPainter painter(&image);
        painter.drawPixmap(0, 0, m_bitmap);
    }
    return image;
}

void PictureBox::drawItems(QPainter& painter) const {
    for (const QObject* child : children())
        if (const auto* item = qobject_cast<const GraphicItem*>(child); item && item->isVisible())
            item->paint(painter, unitsPerPixel());
}

QImage PictureBox::surface() const {
    QImage image = base(1.0);
    QPainter painter(&image);
    drawItems(painter);
    return image;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    const qreal dpr = devicePixelRatioF();
    if (m_dirty || m_base.devicePixelRatio() != dpr ||
        m_base.deviceIndependentSize().toSize() != innerSize()) {
        // The bitmap over the back colour is kept opaque, so that redrawing
        // around a moved hand is a plain copy and the lines on top of it.
        m_base = base(dpr);
        m_surface = m_base.copy();
        m_surface.setDevicePixelRatio(dpr);
        QPainter painter(&m_surface);
        drawItems(painter);
        m_dirty = false;
    } else if (!m_dirtyRect.isEmpty()) {
        const QRect around = m_dirtyRect;
        QPainter painter(&m_surface);
        painter.setClipRect(around);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(around, m_base, QRectF(around.topLeft() * dpr, around.size() * dpr));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        drawItems(painter);
    }
    m_dirtyRect = QRect();
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.drawImage(
        exposed, m_surface,
        QRectF(exposed.translated(-border(), -border()).topLeft() * dpr, exposed.size() * dpr));
    if (m_framed)
        qDrawWinPanel(&painter, rect(), palette(), true);
    m_press.paintMark(painter, rect());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    m_press.mousePress(*event);
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_press.mouseRelease(*event);
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (m_press.keyPress(*event)) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    m_press.focusIn(*event);
    QWidget::focusInEvent(event);
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    m_press.focusOut();
    QWidget::focusOutEvent(event);
}

} // namespace kit
