// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/steady_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

namespace kit {

namespace {

// A program with more colour sets than this makes them as it goes; its
// drawings are then left to the cache's own limit.
constexpr std::size_t kMaxPalettes = 64;

// Calls draw with a copy of option whose palette is the steady one, when
// option is exactly an Option; false otherwise.
template <typename Option, typename Draw>
bool drawCopy(const SteadyPaletteStyle& style, const QStyleOption* option, Draw draw) {
    if (option == nullptr || option->type != Option::Type || option->version < Option::Version)
        return false;
    Option copy(*static_cast<const Option*>(option));
    copy.palette = style.steady(option->palette);
    draw(&copy);
    return true;
}

// The option types whose drawings the styles keep; any other is drawn as
// given.
template <typename Draw>
void drawSteady(const SteadyPaletteStyle& style, const QStyleOption* option, Draw draw) {
    if (!(drawCopy<QStyleOption>(style, option, draw) ||
          drawCopy<QStyleOptionButton>(style, option, draw) ||
          drawCopy<QStyleOptionFrame>(style, option, draw) ||
          drawCopy<QStyleOptionToolButton>(style, option, draw) ||
          drawCopy<QStyleOptionSlider>(style, option, draw) ||
          drawCopy<QStyleOptionComboBox>(style, option, draw) ||
          drawCopy<QStyleOptionSpinBox>(style, option, draw)))
        draw(option);
}

} // namespace

SteadyPaletteStyle::SteadyPaletteStyle(QStyle* base) : QProxyStyle(base) {}

QPalette SteadyPaletteStyle::steady(const QPalette& palette) const {
    QPalette shared = palette;
    const auto same = std::find(m_palettes.begin(), m_palettes.end(), palette);
    if (same != m_palettes.end())
        shared = *same;
    else if (m_palettes.size() < kMaxPalettes)
        m_palettes.push_back(palette);
    // The group in use belongs to the widget, not to the colours.
    shared.setCurrentColorGroup(palette.currentColorGroup());
    return shared;
}

void SteadyPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    drawSteady(*this, option, [&](const QStyleOption* steady) {
        QProxyStyle::drawPrimitive(element, steady, painter, widget);
    });
}

void SteadyPaletteStyle::drawControl(ControlElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    drawSteady(*this, option, [&](const QStyleOption* steady) {
        QProxyStyle::drawControl(element, steady, painter, widget);
    });
}

void SteadyPaletteStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const {
    drawSteady(*this, option, [&](const QStyleOption* steady) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex*>(steady),
                                        painter, widget);
    });
}

void useSteadyPaletteStyle() {
    if (qobject_cast<SteadyPaletteStyle*>(QApplication::style()) != nullptr)
        return;
    QApplication::setStyle(
        new SteadyPaletteStyle(QStyleFactory::create(QApplication::style()->name())));
}

} // namespace kit
