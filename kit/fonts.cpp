// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/fonts.h"

#include <QStringList>

namespace kit {

namespace {

QString liberationFor(const QString& face) {
    if (face.compare(u"Arial", Qt::CaseInsensitive) == 0 ||
        face.compare(u"MS Sans Serif", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (face.compare(u"Courier New", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (face.compare(u"Times New Roman", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    return {};
}

} // namespace

QFont font(const QString& face, double points, bool bold, bool italic) {
    QFont f;
    QStringList families{face};
    if (const QString fallback = liberationFor(face); !fallback.isEmpty())
        families << fallback;
    f.setFamilies(families);
    f.setPointSizeF(qRound(points * 100.0) / 100.0);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace kit
