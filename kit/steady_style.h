// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QProxyStyle>
#include <vector>

namespace kit {

// Qt's styles keep their drawings of buttons, combo boxes and sliders in
// the program-wide pixmap cache, keyed by the palette's serial number. A
// widget given colours of its own gets a palette with a new serial number
// each time it is built, so every opening of a window would add its
// drawings anew until the cache is full. This style hands the style under
// it one palette for each set of colours, so a window opened again finds
// the drawings it made last time, and no window ever needs to empty the
// cache that the others use.
class SteadyPaletteStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // Takes ownership of base; nullptr is the application's default style.
    explicit SteadyPaletteStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    // The palette of the same colours that every drawing shares, or the
    // palette itself once the set of colours seen is full.
    QPalette steady(const QPalette& palette) const;

private:
    mutable std::vector<QPalette> m_palettes;
};

// Puts the steady style over the application's style, once; later calls
// change nothing.
void useSteadyPaletteStyle();

} // namespace kit
