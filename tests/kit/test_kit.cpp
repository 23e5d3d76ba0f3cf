// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/fonts.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pressable.h"
#include "kit/units.h"
#include "kit/window_frames.h"

#include <QAccessible>
#include <QFontInfo>
#include <QPushButton>
#include <QtTest>

class TestKit final : public QObject {
    Q_OBJECT
private slots:
    void twipsToPixels_data();
    void twipsToPixels();
    void captionNumber_data();
    void captionNumber();
    void centring_data();
    void centring();
    void frames();
    void pictureBoxAutoSize_data();
    void pictureBoxAutoSize();
    void pictureBoxCutsBitmapOffAtInnerEdge();
    void notMaskPen_data();
    void notMaskPen();
    void repeatedEndPointsDoNotRepaint();
    void movedHandsLeaveNoTrail();
    void circleIsCentredInItsBox();
    void labelsStayBehindHeavyWidgets();
    void classicFacesResolveToMetricCompatibleFaces_data();
    void classicFacesResolveToMetricCompatibleFaces();
    void pressableByKeysWithARingOnlyFromTheKeyboard();
    void arrowKeysWalkTheGridInReadingOrder();
};

void TestKit::twipsToPixels_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("main window width") << 7245 << 483;
    QTest::newRow("main window height") << 5925 << 395;
    QTest::newRow("investigate window width") << 11910 << 794;
    QTest::newRow("box placed above its container") << -15 << -1;
}

void TestKit::twipsToPixels() {
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(kit::px(twips), pixels);
}

void TestKit::captionNumber_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "12" << 12.0;
    QTest::newRow("leading zero") << "05" << 5.0;
    QTest::newRow("caption of words") << "Etiqueta" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading blanks") << "  7" << 7.0;
    QTest::newRow("number then text") << "3 quarts" << 3.0;
    QTest::newRow("negative") << "-4" << -4.0;
    QTest::newRow("fraction") << "2.5x" << 2.5;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("key reads its hour") << "12.15" << 12.15;
}

void TestKit::captionNumber() {
    QFETCH(QString, caption);
    QFETCH(double, value);
    QCOMPARE(kit::captionNumber(caption), value);
}

void TestKit::centring_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("even") << QSize(1280, 1024) << QSize(480, 400) << QPoint(400, 312);
    QTest::newRow("odd remainder") << QSize(1280, 1024) << QSize(483, 395) << QPoint(398, 314);
    QTest::newRow("larger than screen") << QSize(640, 480) << QSize(800, 500) << QPoint(-80, -10);
}

void TestKit::centring() {
    QFETCH(QSize, screen);
    QFETCH(QSize, outer);
    QFETCH(QPoint, topLeft);
    QCOMPARE(kit::centredTopLeft(screen, outer), topLeft);
}

void TestKit::frames() {
    const kit::WindowFrame frame{"Framed",
                                 QStringLiteral(" Quina hora és?"),
                                 {8295, 4950},
                                 kit::rgb(255, 128, 0),
                                 "icon_window_b",
                                 nullptr,
                                 0,
                                 false};
    QWidget widget;
    kit::applyFrame(widget, frame);
    QCOMPARE(widget.objectName(), QStringLiteral("Framed"));
    QCOMPARE(widget.windowTitle(), QStringLiteral(" Quina hora és?"));
    QCOMPARE(widget.size(), QSize(553, 330));
    QCOMPARE(widget.palette().color(QPalette::Window), QColor(255, 128, 0));
    QVERIFY(!widget.windowIcon().isNull());
}

void TestKit::pictureBoxAutoSize_data() {
    QTest::addColumn<bool>("framed");
    QTest::addColumn<QSize>("size");
    QTest::newRow("framed") << true << QSize(549, 325);
    QTest::newRow("no frame") << false << QSize(545, 321);
}

void TestKit::pictureBoxAutoSize() {
    QFETCH(bool, framed);
    QFETCH(QSize, size);
    QPixmap bitmap(545, 321);
    bitmap.fill(Qt::red);
    kit::PictureBox box;
    box.resize(10, 10);
    box.setFramed(framed);
    box.setAutoSize(true);
    box.setBitmap(bitmap);
    QCOMPARE(box.size(), size);
    QCOMPARE(box.innerSize(), QSize(545, 321));
}

void TestKit::pictureBoxCutsBitmapOffAtInnerEdge() {
    QPixmap bitmap(40, 40);
    bitmap.fill(Qt::red);
    kit::PictureBox box;
    box.setBackColor(Qt::blue);
    box.resize(24 + 4, 60 + 4);
    box.setBitmap(bitmap);
    const QImage surface = box.surface();
    QCOMPARE(surface.size(), QSize(24, 60));
    QCOMPARE(surface.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(surface.pixelColor(23, 39), QColor(Qt::red));
    QCOMPARE(surface.pixelColor(10, 50), QColor(Qt::blue));
}

void TestKit::notMaskPen_data() {
    QTest::addColumn<QColor>("pen");
    QTest::addColumn<QColor>("under");
    QTest::addColumn<QColor>("result");
    QTest::newRow("yellow over beige")
        << QColor(255, 255, 0) << QColor(240, 230, 200) << QColor(15, 25, 255);
    QTest::newRow("green over beige")
        << QColor(0, 255, 0) << QColor(240, 230, 200) << QColor(255, 25, 255);
    QTest::newRow("yellow over navy")
        << QColor(255, 255, 0) << QColor(0, 0, 64) << QColor(255, 255, 255);
    QTest::newRow("white over white")
        << QColor(255, 255, 255) << QColor(255, 255, 255) << QColor(0, 0, 0);
}

void TestKit::notMaskPen() {
    QFETCH(QColor, pen);
    QFETCH(QColor, under);
    QFETCH(QColor, result);
    kit::PictureBox box;
    box.setFramed(false);
    box.setScale(kit::PictureBox::Scale::Pixels);
    box.setBackColor(under);
    box.resize(40, 40);
    auto* line =
        new kit::LineWidget(&box, QStringLiteral("line"), pen, 5, kit::LineWidget::Mix::NotMaskPen);
    line->setX1(5);
    line->setY1(20);
    line->setX2(35);
    line->setY2(20);
    const QImage surface = box.surface();
    QCOMPARE(surface.pixelColor(20, 20), result);
    QCOMPARE(surface.pixelColor(20, 5), under);
}

void TestKit::repeatedEndPointsDoNotRepaint() {
    kit::PictureBox box;
    box.setScale(kit::PictureBox::Scale::Pixels);
    box.resize(60, 60);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* line = new kit::LineWidget(&box, QStringLiteral("line"), Qt::red, 2);
    line->setX1(10);
    line->setY1(10);
    QTest::qWait(20);

    int paints = 0;
    struct Counter : QObject {
        int* count;
        explicit Counter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint)
                ++*count;
            return false;
        }
    } counter(&paints);
    box.installEventFilter(&counter);
    line->setX1(10);
    line->setY1(10);
    QTest::qWait(50);
    QCOMPARE(paints, 0);
    line->setX1(11);
    QTRY_VERIFY(paints > 0);
}

void TestKit::movedHandsLeaveNoTrail() {
    QImage pattern(120, 100, QImage::Format_ARGB32);
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            pattern.setPixelColor(x, y, QColor(x * 2, y * 2, (x + y) % 256, x < 10 ? 0 : 255));
    kit::PictureBox box;
    box.setScale(kit::PictureBox::Scale::Pixels);
    box.setBackColor(QColor(192, 255, 255));
    box.setAutoSize(true);
    box.setBitmap(QPixmap::fromImage(pattern));
    auto* hour = new kit::LineWidget(&box, QStringLiteral("hour"), Qt::yellow, 15,
                                     kit::LineWidget::Mix::NotMaskPen);
    auto* second = new kit::LineWidget(&box, QStringLiteral("second"), QColor(255, 128, 128), 2);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const auto place = [](kit::LineWidget* line, double angle, double length) {
        line->setX1(float(60 + length * std::sin(angle)));
        line->setY1(float(50 - length * std::cos(angle)));
        line->setX2(60);
        line->setY2(50);
    };
    for (int step = 0; step < 12; ++step) {
        place(hour, step * 0.5, 30);
        place(second, step * 0.9, 45);
        if (step % 3 == 0)
            second->setVisible(!second->isVisible());
        QCoreApplication::processEvents();
    }
    const QImage shown =
        box.grab().toImage().copy(2, 2, 120, 100).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, box.surface().convertToFormat(QImage::Format_RGB32));
}

void TestKit::circleIsCentredInItsBox() {
    kit::PictureBox box;
    kit::ShapeWidget shape(&box, QStringLiteral("shape"), QRectF(6330, 960, 285, 255), Qt::red);
    QCOMPARE(shape.circle(), QRectF(6345, 960, 255, 255));
}

void TestKit::labelsStayBehindHeavyWidgets() {
    QWidget container;
    container.resize(100, 100);
    auto* button = new QPushButton(&container);
    button->setGeometry(0, 0, 50, 50);
    auto* label = new kit::Label(&container, QStringLiteral("hotSpot"));
    label->setGeometry(0, 0, 100, 100);
    label->setTransparent(true);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QCOMPARE(container.childAt(10, 10), button);
    QCOMPARE(container.childAt(80, 80), label);

    QSignalSpy clicks(label, &kit::Label::clicked);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(80, 80));
    QCOMPARE(clicks.count(), 1);
}

void TestKit::classicFacesResolveToMetricCompatibleFaces_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("Arial") << "Arial"
                           << "Liberation Sans";
    QTest::newRow("Courier New") << "Courier New"
                                 << "Liberation Mono";
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << "Liberation Serif";
}

void TestKit::classicFacesResolveToMetricCompatibleFaces() {
    QFETCH(QString, face);
    QFETCH(QString, resolved);
    const QFont f = kit::font(face, 20.25, true);
    QCOMPARE(f.pointSizeF(), 20.25);
    QVERIFY(f.bold());
    QCOMPARE(QFontInfo(f).family(), resolved);
}

void TestKit::pressableByKeysWithARingOnlyFromTheKeyboard() {
    QWidget window;
    window.resize(200, 100);
    window.setStyleSheet(QStringLiteral("background: white"));
    auto* other = new QPushButton(&window);
    other->setGeometry(150, 0, 40, 40);
    auto* label = new kit::Label(&window, QStringLiteral("spot"), QStringLiteral("Les tres"));
    label->setGeometry(0, 0, 100, 40);
    label->setAccessibleName(QStringLiteral("Les tres"));
    label->makeButton(); // after the name, which made a plain face for it first
    int clicks = 0;
    connect(label, &kit::Label::clicked, [&clicks] { ++clicks; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const QColor ring(255, 221, 0);
    label->setFocus(Qt::MouseFocusReason);
    QVERIFY(label->grab().toImage().pixelColor(3, 20) != ring);
    other->setFocus(Qt::TabFocusReason);
    label->setFocus(Qt::TabFocusReason);
    QCOMPARE(label->grab().toImage().pixelColor(3, 20), ring);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A})
        QTest::keyClick(label, key);
    QCOMPARE(clicks, 3);
    other->setFocus(Qt::TabFocusReason);
    QVERIFY(label->grab().toImage().pixelColor(3, 20) != ring);

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label);
    QVERIFY(reader);
    QCOMPARE(reader->role(), QAccessible::Button);
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Les tres"));
    reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks, 4);
}

void TestKit::arrowKeysWalkTheGridInReadingOrder() {
    QWidget window;
    std::vector<std::vector<QWidget*>> rows(2);
    for (int i = 0; i < 5; ++i) {
        auto* box = new kit::PictureBox(&window, QStringLiteral("box%1").arg(i));
        box->makeButton();
        rows[i < 3 ? 0 : 1].push_back(box); // 0 1 2 over 3 4
    }
    new kit::ArrowKeyGrid(&window, rows);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto focusAfter = [&](QWidget* from, Qt::Key key) {
        from->setFocus(Qt::TabFocusReason);
        QTest::keyClick(from, key);
        return QApplication::focusWidget()->objectName();
    };
    QCOMPARE(focusAfter(rows[0][2], Qt::Key_Right), QStringLiteral("box3"));
    QCOMPARE(focusAfter(rows[1][0], Qt::Key_Left), QStringLiteral("box2"));
    QCOMPARE(focusAfter(rows[0][2], Qt::Key_Down), QStringLiteral("box4"));
    QCOMPARE(focusAfter(rows[1][1], Qt::Key_Up), QStringLiteral("box1"));
    QCOMPARE(focusAfter(rows[0][0], Qt::Key_Up), QStringLiteral("box0"));
    QCOMPARE(focusAfter(rows[1][1], Qt::Key_Right), QStringLiteral("box4"));
}

QTEST_MAIN(TestKit)
#include "test_kit.moc"
