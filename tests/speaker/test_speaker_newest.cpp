QT_BEGIN_NAMESPACE
QT_END_NAMESPACE
#include <QtTest>
class TestSpeakerNewest final : public QObject {
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TestSpeakerNewest)
#include "test_speaker_newest.moc"
