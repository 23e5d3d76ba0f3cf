// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/pressable.h"
#include "kit/units.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QObject>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

namespace kit {

class PictureBox;

// Something drawn on a picture box's own surface (a line or a shape), behind
// every child widget of the box. Coordinates are in the box's inner units.
class GraphicItem : public QObject {
    Q_OBJECT
public:
    GraphicItem(PictureBox* box, const QString& name);

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    // Paints in pixels of the box's inner area; unitsPerPixel converts.
    virtual void paint(QPainter& painter, double unitsPerPixel) const = 0;

    // The inner-area pixels the item may touch.
    virtual QRect pixelBounds(double unitsPerPixel) const = 0;

protected:
    // Called before and after a change, so that only the pixels the item
    // covered or now covers are drawn again.
    void changed();
    double unitsPerPixel() const;

private:
    PictureBox& m_box;
    bool m_visible = true;
};

class LineWidget final : public GraphicItem {
    Q_OBJECT
public:
    enum class Mix { Plain, NotMaskPen };

    LineWidget(PictureBox* box, const QString& name, const QColor& color = Qt::black, int width = 1,
               Mix mix = Mix::Plain);

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    // Both ends at once: one repaint of what the line covered and covers.
    void setEnds(QPointF first, QPointF second);
    void setX1(float value) { assign(m_x1, value); }
    void setY1(float value) { assign(m_y1, value); }
    void setX2(float value) { assign(m_x2, value); }
    void setY2(float value) { assign(m_y2, value); }

    QColor color() const { return m_color; }
    int width() const { return m_width; }
    Mix mix() const { return m_mix; }

    void paint(QPainter& painter, double unitsPerPixel) const override;
    QRect pixelBounds(double unitsPerPixel) const override;

private:
    void assign(float& field, float value);

    float m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QColor m_color;
    int m_width;
    Mix m_mix;
};

// A filled circle whose diameter is the shorter side of its box, centred in it.
class ShapeWidget final : public GraphicItem {
    Q_OBJECT
public:
    ShapeWidget(PictureBox* box, const QString& name, const QRectF& bounds, const QColor& fill);

    QRectF bounds() const { return m_bounds; }
    QRectF circle() const;
    QColor fill() const { return m_fill; }

    void paint(QPainter& painter, double unitsPerPixel) const override;
    QRect pixelBounds(double unitsPerPixel) const override;

private:
    QRectF m_bounds;
    QColor m_fill;
};

// A picture box: an optional 2-pixel sunken frame, a back colour, a bitmap
// anchored at the inner top-left and cut off at the edge, lines and shapes on
// its surface, and child widgets placed in its inner area.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Scale { Twips, Pixels };

    explicit PictureBox(QWidget* parent = nullptr, const QString& name = {});

    bool framed() const { return m_framed; }
    void setFramed(bool framed);
    int border() const { return m_framed ? kFrameWidth : 0; }

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    const QPixmap& bitmap() const { return m_bitmap; }
    void setBitmap(const QPixmap& bitmap);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);

    Scale scale() const { return m_scale; }
    void setScale(Scale scale);
    double unitsPerPixel() const { return m_scale == Scale::Twips ? 15.0 : 1.0; }

    QSize innerSize() const;

    // Places a child widget at a twip rectangle of the inner area.
    void placeChild(QWidget& child, const QRect& twips) const;

    // What the inner area shows now (bitmap, lines and shapes), at 1x.
    QImage surface() const;

    // Takes the focus, is pressed by Space and Enter and is a button to
    // screen readers (kit/pressable.h).
    void makeButton() { m_press.makeButton(); }

    // Marks the whole drawn surface stale.
    void surfaceChanged();
    // Marks part of it stale, in inner-area pixels.
    void surfaceChanged(const QRect& pixels);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fitToBitmap();
    QImage base(qreal dpr) const;
    void drawItems(QPainter& painter) const;

    bool m_framed = true;
    bool m_autoSize = false;
    Pressable m_press{*this};
    QPixmap m_bitmap;
    QColor m_backColor;
    Scale m_scale = Scale::Twips;
    QImage m_base;       // back colour and bitmap
    QImage m_surface;    // and the lines and shapes on it
    bool m_dirty = true; // the whole surface
    QRect m_dirtyRect;   // or only these inner pixels
};

} // namespace kit
