// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

// Layouts are written in twips, 15 to a pixel at 96 dpi: the unit every
// position in the layout tables is given in.
namespace kit {

inline constexpr int kTwipsPerPixel = 15;

// Whole pixels for a twip measure; negative offsets (a box placed at -15)
// must stay negative, so this divides rather than rounds towards zero.
constexpr int px(int twips) {
    return twips >= 0 ? twips / kTwipsPerPixel : -((-twips + kTwipsPerPixel - 1) / kTwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

constexpr QRect twipsRect(const QRect& twips) {
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// The sunken frame of picture boxes and icons, in pixels.
inline constexpr int kFrameWidth = 2;

constexpr QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

// Reads a number kept as a caption: the leading decimal number after any
// blanks, with an optional sign and fraction; anything else reads as 0.
double captionNumber(const QString& caption);

// A whole number written the way captions hold it: decimal, no padding.
QString captionText(int value);

} // namespace kit
