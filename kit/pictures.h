// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kit {

// The catalogued size of a picture in pixels; an invalid size for a name
// that is not in the catalogue.
QSize pictureSize(const QString& name);

// Every picture name of the catalogue, in catalogue order.
QStringList pictureNames();

// The picture at its catalogued size, rendered once per device pixel ratio
// from its drawing in the resources. An unknown name gives a null pixmap and
// a warning naming it.
QPixmap picture(const QString& name, qreal devicePixelRatio = 0);

} // namespace kit
