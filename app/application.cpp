#include "application.h"

#include "app/form1.h"
#include "app/version.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace app {
namespace {

QtMessageHandler previousHandler = nullptr;

// The toolkit ends the process with abort() when it finds no display; turn
// that into a clear message and an ordinary failure status.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "cutting-speed: 无法打开窗口 (cannot open the window): %s\n"
                     "A graphical display is needed: check DISPLAY or WAYLAND_DISPLAY.\n",
                     qPrintable(text));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

void configureApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("cutting-speed"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CUTTING_SPEED_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("切削速度计算"));
    QGuiApplication::setDesktopFileName(QStringLiteral(CUTTING_SPEED_APP_ID));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));

    // Embedded, so the dialogs and menus read in Chinese wherever Qt's own
    // translations are installed, or not installed at all.
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral(":/i18n/qtbase_zh_CN.qm")))
        QCoreApplication::installTranslator(&qtTexts);
}

int runCalculator(int argc, char** argv) {
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);

    configureApplication();
    Form1 window;
    window.show();
    return application.exec();
}

} // namespace app
