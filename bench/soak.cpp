// Soak benchmark: many typing, Calculate and Clear cycles on the real window,
// offscreen, reporting the process's memory before and after and the time per
// cycle. Not a test: it prints figures and fails only if the window stops
// answering as it should.
//
//   QT_QPA_PLATFORM=offscreen build/bench/soak [cycles]   (default 100000)

#include "app/application.h"
#include "app/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}
void type(const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
}

[[noreturn]] void fail(const char* what, int cycle) {
    std::fprintf(stderr, "soak: %s at cycle %d\n", what, cycle);
    std::exit(1);
}

// One cycle from the keyboard; every hundredth leaves the diameter empty and
// dismisses the error report before correcting it.
void cycle(Form1& window, int n) {
    const bool withError = n % 100 == 99;
    type("120");
    press(Qt::Key_Return);
    if (!withError)
        type("50");
    press(Qt::Key_Return);
    type("0.25");
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    if (withError) {
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        press(Qt::Key_Return);
        if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }))
            fail("no focus after the error", n);
        type("50");
        window.button("cmd1").click();
    } else {
        press(Qt::Key_Return);
    }
    if (window.label("lab1").text() != QStringLiteral("  S=764.331\n   F=191.083"))
        fail("wrong result", n);
    press(Qt::Key_Return);             // clears
    QCoreApplication::processEvents(); // paint, as the event loop would between keys
    if (!window.textBox("txt1").text().isEmpty() || QApplication::focusWidget() == nullptr ||
        QApplication::focusWidget()->objectName() != QStringLiteral("txt1"))
        fail("not cleared", n);
}

} // namespace

int main(int argc, char** argv) {
    // The offscreen platform warns at every message box it cannot size.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg || !text.contains(QLatin1String("does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 100000;
    QApplication application(argc, argv);
    app::configureApplication();
    Form1 window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window))
        fail("window not active", 0);

    const int warmUp = std::min(1000, cycles / 10);
    for (int n = 0; n < warmUp; ++n)
        cycle(window, n);
    QCoreApplication::processEvents();
    const long before = residentKiB();

    QElapsedTimer timer;
    timer.start();
    long midway = 0;
    for (int n = 0; n < cycles; ++n) {
        cycle(window, n);
        if (n == cycles / 2)
            midway = residentKiB();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    QCoreApplication::processEvents();
    const long after = residentKiB();

    std::printf("cycles           %d (after %d warm-up cycles)\n", cycles, warmUp);
    std::printf("time per cycle   %.1f us (%.1f s in all)\n", seconds * 1e6 / cycles, seconds);
    std::printf("resident memory  %ld KiB before, %ld KiB midway, %ld KiB after (%+ld KiB)\n",
                before, midway, after, after - before);
    return 0;
}
