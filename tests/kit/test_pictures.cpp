// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/pictures.h"

#include <QImage>
#include <QSet>
#include <QSvgRenderer>
#include <QtTest>
#include <cmath>
#include <numbers>

namespace {

// Anti-aliasing and the speckled textures move a colour a little; a pixel
// within this many levels on every channel counts as that colour.
constexpr int kTolerance = 28;

QImage render(const QString& name) {
    return kit::picture(name, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

int distance(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// Where a hand of the given length points at the given hour: 30 degrees an
// hour clockwise from twelve, twelve straight up.
QPoint handTip(QPoint centre, double length, int hour) {
    const double a = hour * 30.0 * std::numbers::pi / 180.0;
    return QPoint(int(std::floor(centre.x() + length * std::sin(a))),
                  int(std::floor(centre.y() - length * std::cos(a))));
}

} // namespace

class TestPictures final : public QObject {
    Q_OBJECT
private slots:
    void everyPictureRenders_data();
    void everyPictureRenders();
    void dialSitsWhereHandsTurn_data();
    void dialSitsWhereHandsTurn();
    void hourDotsLieWhereHourHandPoints_data();
    void hourDotsLieWhereHourHandPoints();
    void hotSpotOfLaUnaCoversItsDot();
    void redMarkBesideLaUnaHasRoom();
    void iconsDarkenFromPinkToRed();
    void renderedOncePerRatio();
};

void TestPictures::everyPictureRenders_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : kit::pictureNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestPictures::everyPictureRenders() {
    QFETCH(QString, name);
    const QSize size = kit::pictureSize(name);

    // The drawing's own size must be the catalogued one, or it would be
    // stretched to fit and every dial centre would move.
    QSvgRenderer renderer(QStringLiteral(":/assets/%1.svg").arg(name));
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(size)));

    const QImage image = render(name);
    QCOMPARE(image.size(), size);
    const QPixmap sharp = kit::picture(name, 2.0);
    QCOMPARE(sharp.size(), size * 2);

    // Not blank: a fair share of it is painted, in more than a flat colour or two.
    QSet<QRgb> colours;
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255)
                ++opaque;
            colours.insert(p);
        }
    QVERIFY2(opaque * 4 >= image.width() * image.height(),
             qPrintable(QStringLiteral("only %1 opaque pixels").arg(opaque)));
    QVERIFY2(colours.size() >= 4, qPrintable(QStringLiteral("%1 colours").arg(colours.size())));
}

void TestPictures::dialSitsWhereHandsTurn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QColor>("atCentre");
    QTest::addColumn<QColor>("above");      // 20 pixels up from the centre
    QTest::addColumn<QColor>("background"); // what lies outside the dial

    const QColor white(255, 255, 255);
    const QColor navy(0x1b, 0x2a, 0x6b);
    const QColor emblem(0xdd, 0xe9, 0xfb);

    const QList<QPoint> dials6{{69, 74}, {215, 74}, {362, 74}, {69, 190}, {215, 190}, {362, 190}};
    const QList<QColor> frames{QColor(0x7c, 0xc4, 0xf2), QColor(0x2f, 0x74, 0xd0),
                               QColor(0x17, 0x3a, 0x8a)};
    for (int i = 0; i < dials6.size(); ++i)
        QTest::addRow("board_dials_6 %d", i)
            << "board_dials_6" << dials6[i] << white << white << frames[i % 3];
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            QTest::addRow("board_dials_9 row %d col %d", row, col)
                << "board_dials_9" << QPoint(43 + 100 * col, 43 + 80 * row) << white << white
                << frames[col];

    QTest::newRow("board_train") << "board_train" << QPoint(170, 163) << navy << emblem << white;
    QTest::newRow("board_hour_names") << "board_hour_names" << QPoint(245, 161) << navy
                                      << QColor(0xff, 0xfa, 0xf0) << QColor(0xf0, 0xe2, 0xbe);

    // The 212 x 209 faces turn their hands about (103, 103) in the window that
    // sets the hands and (107, 107) in the one where the phrase is typed; the
    // face both show is centred between them, so both points fall on it.
    const QPoint moveHands(103, 103), writeTime(107, 107);
    for (const QPoint centre : {moveHands, writeTime})
        QTest::addRow("face_roman_picnic at %d,%d", centre.x(), centre.y())
            << "face_roman_picnic" << centre << emblem << emblem << QColor(0xdf, 0xf2, 0xcf);
    QTest::newRow("face_picnic") << "face_picnic" << moveHands << emblem << emblem
                                 << QColor(0xf3, 0xe6, 0xc4);
    QTest::newRow("face_train") << "face_train" << writeTime << navy << emblem
                                << QColor(0xff, 0xf1, 0xc4);
    QTest::newRow("face_roman_dark") << "face_roman_dark" << writeTime << QColor(0x8e, 0x90, 0x96)
                                     << QColor(0x8e, 0x90, 0x96) << QColor(0, 0, 0);
    QTest::newRow("face_embossed_light")
        << "face_embossed_light" << moveHands << QColor(0xcf, 0xcd, 0xc7)
        << QColor(0xcf, 0xcd, 0xc7) << QColor(0x9c, 0x9b, 0x96);
    QTest::newRow("face_embossed_dark")
        << "face_embossed_dark" << writeTime << QColor(0x6a, 0x6a, 0x6c) << QColor(0x6a, 0x6a, 0x6c)
        << QColor(0x3c, 0x3c, 0x3e);
    QTest::newRow("face_script") << "face_script" << moveHands << QColor(0x8a, 0x8f, 0x99) << white
                                 << QColor(0xcf, 0xe3, 0xf6);
    QTest::newRow("face_24h") << "face_24h" << moveHands << QColor(0xc0, 0x39, 0x2b)
                              << QColor(0x8c, 0x6a, 0x48) << QColor(0xe2, 0xe4, 0xe9);
    QTest::newRow("face_blank") << "face_blank" << moveHands << white << white
                                << QColor(0xb4, 0xc2, 0xd4);
}

void TestPictures::dialSitsWhereHandsTurn() {
    QFETCH(QString, name);
    QFETCH(QPoint, centre);
    QFETCH(QColor, atCentre);
    QFETCH(QColor, above);
    QFETCH(QColor, background);

    const QImage image = render(name);
    const QList<std::pair<QPoint, QColor>> probes{{centre, atCentre},
                                                  {centre - QPoint(0, 20), above}};
    for (const auto& [point, expected] : probes) {
        const QColor seen = image.pixelColor(point);
        QVERIFY2(distance(seen, expected) <= kTolerance,
                 qPrintable(QStringLiteral("(%1,%2) is %3, expected %4")
                                .arg(point.x())
                                .arg(point.y())
                                .arg(seen.name(), expected.name())));
        QVERIFY2(distance(seen, background) > kTolerance,
                 qPrintable(QStringLiteral("(%1,%2) shows the frame or background %3")
                                .arg(point.x())
                                .arg(point.y())
                                .arg(seen.name())));
    }
}

void TestPictures::hourDotsLieWhereHourHandPoints_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QColor>("dot");
    QTest::addColumn<int>("hour");

    const QColor yellow(0xff, 0xd4, 0x00);
    for (int hour = 0; hour < 12; ++hour) {
        QTest::addRow("board_hour_names %d", hour)
            << "board_hour_names" << QPoint(245, 161) << 95.0 << yellow << hour;
        QTest::addRow("face_roman_picnic %d", hour)
            << "face_roman_picnic" << QPoint(105, 105) << 91.0 << QColor(0xff, 0xd2, 0x1f) << hour;
        QTest::addRow("face_roman_dark %d", hour)
            << "face_roman_dark" << QPoint(107, 107) << 91.0 << QColor(0x1d, 0x2f, 0x8c) << hour;
    }
}

void TestPictures::hourDotsLieWhereHourHandPoints() {
    QFETCH(QString, name);
    QFETCH(QPoint, centre);
    QFETCH(double, radius);
    QFETCH(QColor, dot);
    QFETCH(int, hour);
    const QImage image = render(name);
    const QPoint tip = handTip(centre, radius, hour);
    const QColor seen = image.pixelColor(tip);
    QVERIFY2(distance(seen, dot) <= kTolerance,
             qPrintable(QStringLiteral("hour %1 at (%2,%3) is %4")
                            .arg(hour)
                            .arg(tip.x())
                            .arg(tip.y())
                            .arg(seen.name())));
}

void TestPictures::hotSpotOfLaUnaCoversItsDot() {
    // The invisible click area over the dot beside "la una", in the board's
    // pixels: most of the dot must be inside it.
    const QImage image = render(QStringLiteral("board_hour_names"));
    const QRect hotSpot(284, 64, 30, 34);
    const QColor yellow(0xff, 0xd4, 0x00);
    int inside = 0;
    int everywhere = 0;
    for (int y = 50; y < 100; ++y)
        for (int x = 265; x < 325; ++x)
            if (distance(image.pixelColor(x, y), yellow) <= kTolerance) {
                ++everywhere;
                inside += hotSpot.contains(x, y);
            }
    QVERIFY(everywhere >= 100);
    QCOMPARE(inside, everywhere);
}

void TestPictures::redMarkBesideLaUnaHasRoom() {
    // The red mark appears at (422..441, 64..81) once the child types
    // "La una": no lettering may lie under it, yet the words must be near.
    const QImage image = render(QStringLiteral("board_hour_names"));
    const QColor ink(0x15, 0x46, 0xb8);
    const auto inkIn = [&](const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += distance(image.pixelColor(x, y), ink) <= 60;
        return count;
    };
    QCOMPARE(inkIn(QRect(422, 64, 20, 18)), 0);
    QVERIFY(inkIn(QRect(300, 55, 120, 30)) > 100);
}

void TestPictures::iconsDarkenFromPinkToRed() {
    // The face chooser's squares go from the palest pink to the darkest red.
    int previous = 256 * 3;
    for (int i = 0; i <= 5; ++i) {
        const QColor c = render(QStringLiteral("icon_clock_red%1").arg(i)).pixelColor(2, 10);
        QVERIFY2(c.red() > c.green() && c.red() > c.blue(), qPrintable(c.name()));
        const int lightness = c.red() + c.green() + c.blue();
        QVERIFY2(lightness < previous, qPrintable(QStringLiteral("icon %1").arg(i)));
        previous = lightness;
    }
}

void TestPictures::renderedOncePerRatio() {
    // A window opened again reuses what was rendered for it before.
    const QPixmap first = kit::picture(QStringLiteral("board_train"), 1.0);
    QCOMPARE(kit::picture(QStringLiteral("board_train"), 1.0).cacheKey(), first.cacheKey());
    const QPixmap sharp = kit::picture(QStringLiteral("board_train"), 2.0);
    QVERIFY(sharp.cacheKey() != first.cacheKey());
    QCOMPARE(sharp.size(), first.size() * 2);
    QCOMPARE(kit::picture(QStringLiteral("board_train"), 2.0).cacheKey(), sharp.cacheKey());
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
