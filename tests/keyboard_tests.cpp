// The keyboard cycle: Enter walks the boxes to Calculate, Calculate moves to
// Clear, Clear returns to the first box; Exit and closing end the program.

#include "window_fixture.h"

#include <QProcess>
#include <QSignalSpy>
#include <cstdio>
#include <cstring>

using namespace testing_support;

namespace {

struct EnterKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// The main Enter and the numeric keypad's.
const EnterKey kMainEnter{Qt::Key_Return, Qt::NoModifier};
const EnterKey kKeypadEnter{Qt::Key_Enter, Qt::KeypadModifier};

void press(const EnterKey& enter) {
    QTest::keyClick(QApplication::focusWidget(), enter.key, enter.modifiers);
}

void type(const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
}

} // namespace

class KeyboardTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::configureApplication(); }
    void init() { window = startWindow(); }
    void cleanup() { window.reset(); }

    void wholeCycleFromTheKeyboard_data();
    void wholeCycleFromTheKeyboard();
    void enterInEachBox_data();
    void enterInEachBox();
    void otherKeysReachTheBox();
    void enterAndSpaceClickEachButton_data();
    void enterAndSpaceClickEachButton();
    void clearTwice();
    void errorLeavesTheCycleUsable();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();

private:
    QLineEdit& box(const char* name) { return window->textBox(name); }
    std::unique_ptr<Form1> window;
};

void KeyboardTests::wholeCycleFromTheKeyboard_data() {
    QTest::addColumn<bool>("keypad");
    QTest::newRow("main Enter") << false;
    QTest::newRow("keypad Enter") << true;
}

void KeyboardTests::wholeCycleFromTheKeyboard() {
    QFETCH(bool, keypad);
    const EnterKey& enter = keypad ? kKeypadEnter : kMainEnter;

    for (int round = 0; round < 2; ++round) {
        type("120");
        press(enter);
        type("50");
        press(enter);
        type("0.25");
        press(enter);
        QCOMPARE(focusedName(), QStringLiteral("txt4"));
        press(enter); // txt4 keeps its 1
        QCOMPARE(focusedName(), QStringLiteral("cmd1"));
        QCOMPARE(window->label("lab1").text(),
                 round == 0 ? QString() : QStringLiteral("  S=764.331\n   F=191.083"));
        press(enter);

        QCOMPARE(box("txt1").text(), QStringLiteral("120"));
        QCOMPARE(box("txt2").text(), QStringLiteral("50"));
        QCOMPARE(box("txt3").text(), QStringLiteral("0.25"));
        QCOMPARE(box("txt4").text(), QStringLiteral("1"));
        QCOMPARE(window->label("lab1").text(), QStringLiteral("  S=764.331\n   F=191.083"));
        QCOMPARE(focusedName(), QStringLiteral("cmd3"));

        press(enter); // clears
        QCOMPARE(box("txt1").text(), QString());
        QCOMPARE(box("txt2").text(), QString());
        QCOMPARE(box("txt3").text(), QString());
        QCOMPARE(box("txt4").text(), QStringLiteral("1"));
        QCOMPARE(window->label("lab1").text(), QStringLiteral("  S=764.331\n   F=191.083"));
        QCOMPARE(focusedName(), QStringLiteral("txt1"));
    }
}

void KeyboardTests::enterInEachBox_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keypad");

    const char* const path[][2] = {
        {"txt1", "txt2"}, {"txt2", "txt3"}, {"txt3", "txt4"}, {"txt4", "cmd1"}};
    for (const auto& step : path) {
        for (const char* text : {"", "abc", "0.25"}) {
            for (bool keypad : {false, true}) {
                QTest::addRow("%s %s '%s'", step[0], keypad ? "keypad Enter" : "Enter", text)
                    << qs(step[0]) << qs(step[1]) << qs(text) << keypad;
            }
        }
    }
}

void KeyboardTests::enterInEachBox() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, text);
    QFETCH(bool, keypad);

    QLineEdit& source = box(from.toLatin1().constData());
    typeInto(source, text);
    // The next box holds text that typing must replace.
    if (to.startsWith(QStringLiteral("txt")))
        box(to.toLatin1().constData()).setText(QStringLiteral("99"));

    press(keypad ? kKeypadEnter : kMainEnter);

    QCOMPARE(focusedName(), to);
    QCOMPARE(source.text(), text);                     // neither checked nor changed
    QCOMPARE(window->label("lab1").text(), QString()); // Enter in txt4 does not calculate
    if (to.startsWith(QStringLiteral("txt"))) {
        QCOMPARE(box(to.toLatin1().constData()).selectedText(), QStringLiteral("99"));
        type("7");
        QCOMPARE(box(to.toLatin1().constData()).text(), QStringLiteral("7"));
    }
}

void KeyboardTests::otherKeysReachTheBox() {
    type("1.5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    type("0");
    QCOMPARE(box("txt1").text(), QStringLiteral("10."));
    QCOMPARE(focusedName(), QStringLiteral("txt1"));
}

void KeyboardTests::enterAndSpaceClickEachButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    for (const char* button : {"cmd1", "cmd3"}) {
        QTest::addRow("%s Enter", button)
            << qs(button) << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::addRow("%s keypad Enter", button)
            << qs(button) << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::addRow("%s Space", button)
            << qs(button) << int(Qt::Key_Space) << int(Qt::NoModifier);
    }
}

void KeyboardTests::enterAndSpaceClickEachButton() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    fill(*window, "100", "10", "0.1", "1");
    QSignalSpy clicks(&window->button(button.toLatin1().constData()), &QPushButton::clicked);
    window->button(button.toLatin1().constData()).setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(clicks.count(), 1);
    if (button == QStringLiteral("cmd1")) {
        QCOMPARE(window->label("lab1").text(), QStringLiteral("  S=3184.713\n   F=318.471"));
        QCOMPARE(focusedName(), QStringLiteral("cmd3"));
    } else {
        QCOMPARE(box("txt1").text(), QString());
        QCOMPARE(focusedName(), QStringLiteral("txt1"));
    }
    // No button became the window's default on the way.
    for (QPushButton* each : window->findChildren<QPushButton*>())
        QVERIFY(!each->isDefault());
}

void KeyboardTests::clearTwice() {
    typeInto(box("txt1"), QStringLiteral("100"));
    typeInto(box("txt4"), QStringLiteral("4"));
    window->button("cmd3").click();
    window->button("cmd3").click();
    QCOMPARE(box("txt1").text(), QString());
    QCOMPARE(box("txt2").text(), QString());
    QCOMPARE(box("txt3").text(), QString());
    QCOMPARE(box("txt4").text(), QStringLiteral("1"));
    QCOMPARE(focusedName(), QStringLiteral("txt1"));
    QVERIFY(!window->values().S.has_value()); // Clear leaves S and F alone
}

void KeyboardTests::errorLeavesTheCycleUsable() {
    type("120");
    press(kMainEnter);
    press(kMainEnter); // txt2 left empty
    type("0.25");
    press(kMainEnter);
    press(kMainEnter);
    QCOMPARE(focusedName(), QStringLiteral("cmd1"));

    const auto shown = dismissNextMessageWith(Qt::Key_Return);
    press(kMainEnter);
    QVERIFY(shown->shown);
    QVERIFY(shown->text.contains(qs("工件直径")));
    QTRY_COMPARE(focusedName(), QStringLiteral("txt2"));
    QCOMPARE(window->label("lab1").text(), QString());

    type("50");
    press(kMainEnter);
    press(kMainEnter);
    press(kMainEnter);
    QCOMPARE(focusedName(), QStringLiteral("cmd1"));
    press(kKeypadEnter);
    QCOMPARE(window->label("lab1").text(), QStringLiteral("  S=764.331\n   F=191.083"));
    QCOMPARE(focusedName(), QStringLiteral("cmd3"));
}

void KeyboardTests::exitEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit by Enter") << "exit-enter";
    QTest::newRow("Exit by Space") << "exit-space";
    QTest::newRow("Exit by mouse") << "exit-click";
    QTest::newRow("close the window") << "close";
}

void KeyboardTests::exitEndsTheProgram() {
    QFETCH(QString, how);
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), how});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(output.contains(QStringLiteral("ready")), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("handler ran")), qPrintable(output));
}

// A program of its own, run by exitEndsTheProgram: a filled window that the
// user ends the way the argument names. Anything that runs after that says so.
static int runChild(int argc, char** argv, const char* how) {
    QApplication application(argc, argv);
    app::configureApplication();
    Form1 window;
    window.show();
    QTimer::singleShot(0, &window, [&window, how] {
        window.textBox("txt1").setText(QStringLiteral("100"));
        window.textBox("txt2").setText(QStringLiteral("0")); // would fail if calculated
        std::puts("ready");
        std::fflush(stdout);
        // Queued now, so it would run after an Exit below.
        if (std::strncmp(how, "exit", 4) == 0) {
            QTimer::singleShot(0, &window, [&window] {
                window.button("cmd1").click();
                std::puts("handler ran");
            });
        }
        QPushButton& exit = window.button("cmd2");
        if (std::strcmp(how, "exit-enter") == 0) {
            exit.setFocus();
            QTest::keyClick(&exit, Qt::Key_Return);
        } else if (std::strcmp(how, "exit-space") == 0) {
            exit.setFocus();
            QTest::keyClick(&exit, Qt::Key_Space);
        } else if (std::strcmp(how, "exit-click") == 0) {
            QTest::mouseClick(&exit, Qt::LeftButton);
        } else {
            window.close();
        }
    });
    return application.exec();
}

int main(int argc, char** argv) {
    takeEnvironmentArguments(argc, argv); // the child inherits the settings
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, argv[2]);
    QApplication application(argc, argv);
    KeyboardTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "keyboard_tests.moc"
