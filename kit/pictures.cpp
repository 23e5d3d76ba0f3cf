// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <QtDebug>
#include <array>

namespace kit {

namespace {

struct Entry {
    const char* name;
    int width;
    int height;
};

constexpr std::array kCatalogue{
    Entry{"face_script", 212, 209},        Entry{"face_roman_picnic", 212, 209},
    Entry{"face_24h", 212, 209},           Entry{"face_embossed_light", 212, 209},
    Entry{"face_embossed_dark", 212, 209}, Entry{"face_picnic", 212, 209},
    Entry{"face_blank", 212, 209},         Entry{"face_train", 212, 209},
    Entry{"face_roman_dark", 212, 209},    Entry{"board_hour_names", 545, 321},
    Entry{"board_glow", 334, 322},         Entry{"board_train", 334, 322},
    Entry{"board_dials_6", 456, 262},      Entry{"board_dials_9", 300, 247},
    Entry{"banner_click_text", 271, 45},   Entry{"icon_clock_red0", 24, 24},
    Entry{"icon_clock_red1", 24, 24},      Entry{"icon_clock_red2", 24, 24},
    Entry{"icon_clock_red3", 24, 24},      Entry{"icon_clock_red4", 24, 24},
    Entry{"icon_clock_red5", 24, 24},      Entry{"icon_blocks_12", 24, 24},
    Entry{"icon_blocks_4", 24, 24},        Entry{"icon_blocks_2", 24, 24},
    Entry{"icon_blocks_1", 24, 24},        Entry{"icon_window_a", 32, 32},
    Entry{"icon_window_b", 32, 32},        Entry{"icon_window_c", 32, 32},
};

const Entry* find(const QString& name) {
    for (const Entry& entry : kCatalogue)
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

} // namespace

QSize pictureSize(const QString& name) {
    const Entry* entry = find(name);
    return entry ? QSize(entry->width, entry->height) : QSize();
}

QStringList pictureNames() {
    QStringList names;
    for (const Entry& entry : kCatalogue)
        names << QString::fromLatin1(entry.name);
    return names;
}

QPixmap picture(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio <= 0)
        devicePixelRatio = qApp ? qApp->devicePixelRatio() : 1.0;
    static QHash<QString, QPixmap> cache;
    const QString key = name + u'@' + QString::number(devicePixelRatio);
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;

    const QSize size = pictureSize(name);
    if (!size.isValid()) {
        qWarning("picture: \"%s\" is not in the catalogue", qPrintable(name));
        return {};
    }
    const QString path = QStringLiteral(":/assets/%1.svg").arg(name);
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        qWarning("picture: cannot render %s", qPrintable(path));
        return {};
    }
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace kit
