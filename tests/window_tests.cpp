#include <QTest>
class WindowTests : public QObject { Q_OBJECT };
QTEST_MAIN(WindowTests)
#include "window_tests.moc"
