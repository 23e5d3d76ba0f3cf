// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/investigate_window.h"
#include "tests/activities/scripted_seams.h"

#include <QPixmapCache>

// What every activity window shares, seen from the rest of the program.
class TestActivityWindow final : public QObject {
    Q_OBJECT
private slots:
    void closingKeepsWhatOthersCached();
};

// The pixmap cache is the whole program's: a window that closes takes
// nothing out of it that another window put there.
void TestActivityWindow::closingKeepsWhatOthersCached() {
    QPixmap drawing(8, 8);
    drawing.fill(Qt::red);
    const QPixmapCache::Key kept = QPixmapCache::insert(drawing);
    Script script;
    auto* window = new InvestigateWindow(script.seams());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->repaint();
    QVERIFY(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QPixmap found;
    QVERIFY(QPixmapCache::find(kept, &found));
    QCOMPARE(found.cacheKey(), drawing.cacheKey());
}

QTEST_MAIN(TestActivityWindow)
#include "test_activity_window.moc"
