// SPDX-License-Identifier: GPL-3.0-or-later
// contact_sheet OUT.png [DIR]
// Draws every picture at 1x with its name under it. With DIR, also writes
// each picture on its own as DIR/<name>.png for a closer look.
#include "kit/pictures.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <algorithm>

namespace {

constexpr int kMargin = 12;
constexpr int kGap = 14;
constexpr int kSheetWidth = 1180;
constexpr int kLabelHeight = 18;

struct Cell {
    QString name;
    QPixmap pixmap;
    QPoint at;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: contact_sheet OUT.png [DIR]\n";
        return 2;
    }

    // Lay the pictures out in rows, left to right, wrapping at the sheet width.
    QList<Cell> cells;
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    for (const QString& name : kit::pictureNames()) {
        const QPixmap pixmap = kit::picture(name, 1.0);
        if (pixmap.isNull()) {
            QTextStream(stderr) << "contact_sheet: no picture for " << name << "\n";
            return 1;
        }
        const int width = std::max(pixmap.width(), 110);
        if (x + width > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        cells.append({name, pixmap, QPoint(x, y)});
        x += width + kGap;
        rowHeight = std::max(rowHeight, pixmap.height() + kLabelHeight);
    }

    QImage sheet(kSheetWidth, y + rowHeight + kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    for (const Cell& cell : cells) {
        // A checkerboard behind each picture shows where it is transparent.
        const QRect box(cell.at, cell.pixmap.size());
        painter.fillRect(box, QBrush(QColor(210, 210, 210), Qt::Dense4Pattern));
        painter.drawPixmap(cell.at, cell.pixmap);
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(
            QRect(cell.at.x(), box.bottom() + 2, std::max(box.width(), 110), kLabelHeight - 2),
            Qt::AlignLeft | Qt::AlignTop, cell.name);
    }
    painter.end();
    if (!sheet.save(args.at(1))) {
        QTextStream(stderr) << "contact_sheet: cannot write " << args.at(1) << "\n";
        return 1;
    }

    if (args.size() > 2) {
        const QDir dir(args.at(2));
        dir.mkpath(QStringLiteral("."));
        for (const Cell& cell : cells)
            cell.pixmap.save(dir.filePath(cell.name + QStringLiteral(".png")));
    }
    return 0;
}
