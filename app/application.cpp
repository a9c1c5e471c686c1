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

[[noreturn]] void failWithoutDisplay() {
    std::fprintf(stderr,
                 "cutting-speed: 无法打开窗口：没有可用的图形显示。\n"
                 "cutting-speed: cannot open the window: no graphical display could be reached "
                 "(check DISPLAY or WAYLAND_DISPLAY).\n");
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

// The toolkit ends the process with abort() when it cannot reach the display
// it was given; turn that into the same clear message and a failure status.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg)
        failWithoutDisplay();
    const bool platformNoise =
        (context.category && qstrncmp(context.category, "qt.qpa.", 7) == 0) ||
        text.startsWith(QLatin1String("qt.qpa."));
    if (platformNoise)
        return; // said more plainly by the message above, if start-up fails
    if (previousHandler)
        previousHandler(type, context, text);
}

bool displayConfigured() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Qt's own texts in Simplified Chinese, embedded (compressed), so that the
// dialogs and menus read in Chinese wherever Qt's translations are installed,
// or not installed at all. The catalogue is read the first time Qt asks for
// one of its texts: most runs never show a Qt dialog or menu, and then it
// costs no memory.
class QtTexts : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        // Asked for at once when the translator is installed. Chinese runs
        // left to right, the default, so no text is needed to answer.
        if (qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)
            return {};
        if (!loaded_) {
            loaded_ = true;
            if (!catalogue_.load(QStringLiteral(":/i18n/qtbase_zh_CN.qm")))
                qWarning("Qt's Chinese texts could not be read");
        }
        return catalogue_.translate(context, sourceText, disambiguation, n);
    }
    bool isEmpty() const override { return false; }

private:
    mutable QTranslator catalogue_;
    mutable bool loaded_ = false;
};

} // namespace

void configureApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("cutting-speed"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CUTTING_SPEED_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("切削速度计算"));
    QGuiApplication::setDesktopFileName(QStringLiteral(CUTTING_SPEED_APP_ID));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));

    static QtTexts qtTexts;
    QCoreApplication::installTranslator(&qtTexts);
}

int runCalculator(int argc, char** argv) {
    if (!displayConfigured())
        failWithoutDisplay();
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);

    configureApplication();
    Form1 window;
    window.show();
    return application.exec();
}

} // namespace app
