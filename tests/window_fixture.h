#pragma once

// Helpers for tests that drive the real window offscreen.

#include "app/application.h"
#include "app/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <memory>

namespace testing_support {

inline QString qs(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A freshly started window, shown and active, as the user first sees it.
inline std::unique_ptr<Form1> startWindow() {
    auto window = std::make_unique<Form1>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window did not become active");
    return window;
}

inline QString focusedName() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("<none>");
}

// What a message box showed before the test dismissed it. Watching stops
// when the last copy of the returned pointer goes, so a box that never came
// cannot leave a watcher behind for a later test.
struct Message {
    bool shown = false;
    QString title;
    QString text;
    QStringList buttons;
    std::unique_ptr<QTimer> poll = std::make_unique<QTimer>();
};

// Dismisses the next modal message box with a key, as a user would, and
// records what it said. Call before the action that opens the box.
inline std::shared_ptr<Message> dismissNextMessageWith(Qt::Key key) {
    auto message = std::make_shared<Message>();
    QTimer* poll = message->poll.get();
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, weak = std::weak_ptr<Message>(message), key] {
                         auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                         const auto message = weak.lock();
                         if (!message || !box || !box->isVisible())
                             return;
                         poll->stop();
                         message->shown = true;
                         message->title = box->windowTitle();
                         message->text = box->text();
                         for (QAbstractButton* button : box->buttons())
                             message->buttons << button->text();
                         QWidget* target = QApplication::focusWidget();
                         if (!target || !box->isAncestorOf(target))
                             target = box;
                         QTest::keyClick(target, key);
                     });
    poll->start();
    return message;
}

// Types a text into a box, replacing what it held, as a user would.
inline void typeInto(QLineEdit& box, const QString& text) {
    box.setFocus(Qt::TabFocusReason);
    box.selectAll();
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (text.isEmpty())
        QTest::keyClick(&box, Qt::Key_Delete);
    else if (ascii)
        QTest::keyClicks(&box, text);
    else
        box.insert(text); // as an input method commits its text
}

// Types the four values into their boxes.
inline void fill(Form1& window, const QString& vc, const QString& d, const QString& fz,
                 const QString& z) {
    typeInto(window.textBox("txt1"), vc);
    typeInto(window.textBox("txt2"), d);
    typeInto(window.textBox("txt3"), fz);
    typeInto(window.textBox("txt4"), z);
}

// Fills the boxes and clicks Calculate.
inline void fillAndCalculate(Form1& window, const QString& vc, const QString& d, const QString& fz,
                             const QString& z) {
    fill(window, vc, d, fz, z);
    window.button("cmd1").click();
}

// The first line of a control's text whose glyphs would not lie wholly inside
// the control, or an empty text if all fit. Boxes are checked with a typical
// input, since longer ones scroll.
inline QString clippedLine(const QWidget& control) {
    QString text;
    bool centredVertically = true;
    if (auto* label = qobject_cast<const QLabel*>(&control)) {
        text = label->text();
        centredVertically = false;
    } else if (auto* button = qobject_cast<const QPushButton*>(&control)) {
        text = button->text();
    } else if (qobject_cast<const QLineEdit*>(&control)) {
        text = QStringLiteral("0.25");
    }
    if (text.isEmpty())
        return {};
    const QRect room = control.contentsRect();
    const QFontMetrics metrics = control.fontMetrics();
    int baseline = room.top() + metrics.ascent();
    if (centredVertically)
        baseline = room.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QRect ink = metrics.tightBoundingRect(line).translated(room.left(), baseline);
        if (ink.width() > room.width() || ink.top() < 0 || ink.bottom() >= control.height())
            return line;
        baseline += metrics.lineSpacing();
    }
    return {};
}

// Takes the arguments of the form --env=NAME=VALUE out of the command line
// and sets each in the environment. Call first in main, before the
// application exists: CTest hands the toolkit's settings (platform, scale,
// font folder) to the tests this way rather than in their environment, since
// Wine withholds the build machine's QT_ variables from Windows programs.
inline void takeEnvironmentArguments(int& argc, char** argv) {
    constexpr const char* kPrefix = "--env=";
    const std::size_t prefixLength = std::strlen(kPrefix);
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char* setting =
            std::strncmp(argv[i], kPrefix, prefixLength) == 0 ? argv[i] + prefixLength : nullptr;
        const char* equals = setting ? std::strchr(setting, '=') : nullptr;
        if (equals)
            qputenv(QByteArray(setting, equals - setting).constData(), QByteArray(equals + 1));
        else
            argv[kept++] = argv[i];
    }
    argv[kept] = nullptr;
    argc = kept;
}

} // namespace testing_support

// The main of a widget test: QTEST_MAIN, taking the settings first.
#define WIDGET_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char** argv) {                                                              \
        testing_support::takeEnvironmentArguments(argc, argv);                                     \
        QApplication application(argc, argv);                                                      \
        TestClass tests;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tests, argc, argv);                                                   \
    }
