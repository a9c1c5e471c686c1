// The main window as a user meets it: its controls, the start state, the tab
// cycle, Calculate and its error reports, on the real widgets offscreen.

#include "window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QMenu>
#include <QSignalSpy>

using namespace testing_support;

class WindowTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::configureApplication(); }
    void init() { window = startWindow(); }
    void cleanup() { window.reset(); }

    void windowSettings();
    void controlsAtStoredPlaces_data();
    void controlsAtStoredPlaces();
    void captionsFitTheirRectangles();
    void coloursAsStored();
    void darkDesktopThemeKeepsContrast();
    void startState();
    void tabCycle();
    void calculate_data();
    void calculate();
    void calculateBySpace();
    void errorsAreReportedAndTheProgramGoesOn_data();
    void errorsAreReportedAndTheProgramGoesOn();
    void errorDismissKeys_data();
    void errorDismissKeys();
    void accessibleNames();
    void qtTextsInChinese();
    void resultCanBeCopied();

private:
    QLineEdit& box(const char* name) { return window->textBox(name); }
    std::unique_ptr<Form1> window;
};

void WindowTests::windowSettings() {
    QCOMPARE(window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window->windowTitle(), qs("切削速度计算"));
    QCOMPARE(window->geometry(), QRect(467, 230, 302, 345));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
    QCOMPARE(window->font().pointSizeF(), 12.0);

    // Resizing keeps every control where it was.
    const QRect before = box("txt1").geometry();
    window->resize(600, 700);
    QCOMPARE(box("txt1").geometry(), before);
}

void WindowTests::controlsAtStoredPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place"); // in pixels, 15 twips each
    QTest::addColumn<double>("points");

    const auto row = [](const char* name, const char* className, const char* text, QRect place,
                        double points) {
        QTest::newRow(name) << qs(name) << qs(className) << qs(text) << place << points;
    };
    row("cmd3", "QPushButton", "清 除", {112, 296, 81, 33}, 12);
    row("cmd2", "QPushButton", "退 出", {208, 296, 81, 33}, 12);
    row("cmd1", "QPushButton", "计 算", {16, 296, 81, 33}, 12);
    row("txt4", "QLineEdit", "1", {112, 192, 81, 33}, 18);
    row("txt3", "QLineEdit", "", {112, 139, 81, 33}, 18);
    row("txt2", "QLineEdit", "", {112, 85, 81, 33}, 18);
    row("txt1", "QLineEdit", "", {112, 32, 81, 33}, 18);
    row("lab1", "QLabel", "", {32, 240, 249, 41}, 15);
    row("Label7", "QLabel", "mm/z", {200, 152, 81, 33}, 15.75);
    row("Label6", "QLabel", "mm", {200, 96, 81, 33}, 15.75);
    row("Label5", "QLabel", "m/min", {200, 48, 81, 33}, 15.75);
    // Caption labels size themselves to their text from their stored corner.
    row("Label1", "QLabel", "切削速度", {24, 40, 84, 21}, 15.75);
    row("Label2", "QLabel", "工件直径", {24, 88, 84, 21}, 15.75);
    row("Label3", "QLabel", "进给量", {45, 144, 63, 21}, 15.75);
    row("Label4", "QLabel", "刀具刃数", {24, 200, 84, 21}, 15.75);
}

void WindowTests::controlsAtStoredPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    QFETCH(double, points);

    auto* control = window->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->metaObject()->className(), className);
    QCOMPARE(control->isVisible(), true);
    QCOMPARE(control->font().pointSizeF(), points);
    if (auto* lineEdit = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(lineEdit->text(), text);
        QCOMPARE(lineEdit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(lineEdit->maxLength() > 1'000'000); // no length limit in practice
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    } else {
        QCOMPARE(qobject_cast<QPushButton*>(control)->text(), text);
        QVERIFY(!qobject_cast<QPushButton*>(control)->isDefault());
    }
    if (name.startsWith(QStringLiteral("Label")) && name <= QStringLiteral("Label4")) {
        // The caption's height follows the font in use; its corner is stored.
        QCOMPARE(control->pos(), place.topLeft());
        QVERIFY2(control->width() >= control->fontMetrics().horizontalAdvance(text),
                 qPrintable(QString::number(control->width())));
    } else {
        QCOMPARE(control->geometry(), place);
    }
}

void WindowTests::captionsFitTheirRectangles() {
    fillAndCalculate(*window, "300", "6", "0.2", "4"); // a result as wide as ordinary inputs make
    for (QWidget* control : window->findChildren<QWidget*>())
        QVERIFY2(clippedLine(*control).isEmpty(),
                 qPrintable(control->objectName() + QStringLiteral(": ") + clippedLine(*control)));
}

void WindowTests::coloursAsStored() {
    const QColor inactiveTitleBar(191, 205, 219);
    QCOMPARE(window->palette().color(QPalette::Window), inactiveTitleBar);
    QVERIFY(window->autoFillBackground());
    QCOMPARE(window->label("lab1").palette().color(QPalette::Window), QColor(255, 255, 192));
    QVERIFY(window->label("lab1").autoFillBackground());
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"})
        QCOMPARE(window->label(name).palette().color(QPalette::Window), inactiveTitleBar);
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"})
        QCOMPARE(window->label(name).palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(window->button("cmd1").palette().color(QPalette::Button), QColor(160, 160, 160));
}

void WindowTests::darkDesktopThemeKeepsContrast() {
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(30, 30, 30));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    const QPalette previous = QApplication::palette();
    QApplication::setPalette(dark);
    const auto themed = std::make_unique<Form1>();
    QApplication::setPalette(previous);

    QCOMPARE(themed->palette().color(QPalette::Window), QColor(191, 205, 219));
    for (const char* name : {"Label5", "Label6", "Label7", "lab1"})
        QCOMPARE(themed->label(name).palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(themed->textBox("txt1").palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(themed->textBox("txt1").palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(themed->button("cmd2").palette().color(QPalette::ButtonText), QColor(Qt::black));
    QCOMPARE(themed->button("cmd2").palette().color(QPalette::Button), QColor(240, 240, 240));
}

void WindowTests::startState() {
    QCOMPARE(box("txt1").text(), QString());
    QCOMPARE(box("txt2").text(), QString());
    QCOMPARE(box("txt3").text(), QString());
    QCOMPARE(box("txt4").text(), QStringLiteral("1"));
    QCOMPARE(window->label("lab1").text(), QString());
    QCOMPARE(focusedName(), QStringLiteral("txt1"));
    QVERIFY(!window->values().S.has_value());
    QCOMPARE(window->values().F, 0.0f);
}

void WindowTests::tabCycle() {
    const QStringList order{"txt2", "txt3", "txt4", "cmd1", "cmd2", "cmd3", "txt1", "txt2"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedName(), next);
    }
    const QStringList back{"txt1", "cmd3", "cmd2"};
    for (const QString& previous : back) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(focusedName(), previous);
    }
}

void WindowTests::calculate_data() {
    QTest::addColumn<QString>("vc");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("fz");
    QTest::addColumn<QString>("z");
    QTest::addColumn<QString>("result");

    QTest::newRow("four edges") << "100"
                                << "10"
                                << "0.1"
                                << "4"
                                << "  S=3184.713\n   F=1273.885";
    QTest::newRow("feed of seven digits") << "300"
                                          << "6"
                                          << "0.2"
                                          << "4"
                                          << "  S=15923.567\n   F=12738.85";
    QTest::newRow("zero speed") << "0"
                                << "10"
                                << "0.1"
                                << "1"
                                << "  S=0\n   F=0";
    QTest::newRow("preset one edge") << "120"
                                     << "50"
                                     << "0.25"
                                     << "1"
                                     << "  S=764.331\n   F=191.083";
    QTest::newRow("ties to even") << "3.14"
                                  << "16000"
                                  << "1"
                                  << "1"
                                  << "  S=0.062\n   F=0.062";
    QTest::newRow("full-width input")
        << qs("１２０") << qs("５０") << qs("０。２５") << qs("１") << "  S=764.331\n   F=191.083";
}

void WindowTests::calculate() {
    QFETCH(QString, vc);
    QFETCH(QString, d);
    QFETCH(QString, fz);
    QFETCH(QString, z);
    QFETCH(QString, result);

    fill(*window, vc, d, fz, z);
    QTest::mouseClick(&window->button("cmd1"), Qt::LeftButton);

    QCOMPARE(window->label("lab1").text(), result);
    QCOMPARE(focusedName(), QStringLiteral("cmd3"));
    QCOMPARE(box("txt1").text(), vc); // inputs stay for the next calculation
}

void WindowTests::calculateBySpace() {
    // The user's first run: type and Tab, then Space on the focused button.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("100"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0.1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(box("txt4").selectedText(), QStringLiteral("1")); // Tab selects: typing replaces
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("cmd1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    QCOMPARE(window->label("lab1").text(), QStringLiteral("  S=3184.713\n   F=1273.885"));
    QCOMPARE(box("txt4").text(), QStringLiteral("4"));
    QCOMPARE(focusedName(), QStringLiteral("cmd3"));
}

void WindowTests::errorsAreReportedAndTheProgramGoesOn_data() {
    QTest::addColumn<QString>("vc");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("fz");
    QTest::addColumn<QString>("z");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");

    QTest::newRow("empty speed") << ""
                                 << "10"
                                 << "0.1"
                                 << "1"
                                 << "13" << qs("类型不匹配") << "txt1" << qs("切削速度");
    QTest::newRow("empty diameter") << "100"
                                    << ""
                                    << "0.1"
                                    << "1"
                                    << "13" << qs("类型不匹配") << "txt2" << qs("工件直径");
    QTest::newRow("letters in feed") << "100"
                                     << "10"
                                     << "abc"
                                     << "1"
                                     << "13" << qs("类型不匹配") << "txt3" << qs("进给量");
    QTest::newRow("comma in edges") << "100"
                                    << "10"
                                    << "0.1"
                                    << "1,5"
                                    << "13" << qs("类型不匹配") << "txt4" << qs("刀具刃数");
    QTest::newRow("zero diameter") << "100"
                                   << "0"
                                   << "0.1"
                                   << "1"
                                   << "11" << qs("除数为零") << "txt2" << qs("工件直径");
    QTest::newRow("zero over zero") << "0"
                                    << "0"
                                    << "0.1"
                                    << "1"
                                    << "6" << qs("溢出") << "txt2" << qs("工件直径");
    QTest::newRow("speed beyond range") << "1e400"
                                        << "10"
                                        << "0.1"
                                        << "1"
                                        << "6" << qs("溢出") << "txt1" << qs("切削速度");
    QTest::newRow("feed beyond single") << "1e30"
                                        << "1"
                                        << "1e10"
                                        << "1"
                                        << "6" << qs("溢出") << "txt3" << qs("进给量");
    QTest::newRow("speed error before zero diameter")
        << "abc"
        << "0"
        << "0.1"
        << "1"
        << "13" << qs("类型不匹配") << "txt1" << qs("切削速度");
    QTest::newRow("zero diameter before bad feed")
        << "100"
        << "0"
        << "x"
        << "1"
        << "11" << qs("除数为零") << "txt2" << qs("工件直径");
}

void WindowTests::errorsAreReportedAndTheProgramGoesOn() {
    QFETCH(QString, vc);
    QFETCH(QString, d);
    QFETCH(QString, fz);
    QFETCH(QString, z);
    QFETCH(QString, number);
    QFETCH(QString, message);
    QFETCH(QString, box);
    QFETCH(QString, caption);

    // A previous result that the error must leave in place.
    fillAndCalculate(*window, "100", "10", "0.1", "1");
    const QString previous = window->label("lab1").text();

    fill(*window, vc, d, fz, z);
    const auto shown = dismissNextMessageWith(Qt::Key_Return);
    window->button("cmd1").click();

    QVERIFY(shown->shown);
    QCOMPARE(shown->title, qs("切削速度计算"));
    QVERIFY2(shown->text.contains(number) && shown->text.contains(message) &&
                 shown->text.contains(caption),
             qPrintable(shown->text));
    QCOMPARE(window->label("lab1").text(), previous);
    QCOMPARE(this->box("txt1").text(), vc);
    QCOMPARE(this->box("txt2").text(), d);
    QCOMPARE(this->box("txt3").text(), fz);
    QCOMPARE(this->box("txt4").text(), z);
    QTRY_COMPARE(focusedName(), box);
    QCOMPARE(this->box(box.toLatin1().constData()).selectedText(),
             this->box(box.toLatin1().constData()).text());
}

void WindowTests::errorDismissKeys_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void WindowTests::errorDismissKeys() {
    QFETCH(int, key);
    const auto shown = dismissNextMessageWith(Qt::Key(key));
    window->button("cmd1").click(); // txt1 is empty
    QVERIFY(shown->shown);
    QVERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(focusedName(), QStringLiteral("txt1"));

    // Still running: the corrected input calculates.
    fillAndCalculate(*window, "100", "10", "0.1", "4");
    QCOMPARE(window->label("lab1").text(), QStringLiteral("  S=3184.713\n   F=1273.885"));
}

void WindowTests::accessibleNames() {
    const auto nameOf = [](QWidget& widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    };
    QCOMPARE(nameOf(box("txt1")), qs("切削速度"));
    QCOMPARE(nameOf(box("txt2")), qs("工件直径"));
    QCOMPARE(nameOf(box("txt3")), qs("进给量"));
    QCOMPARE(nameOf(box("txt4")), qs("刀具刃数"));
    QCOMPARE(nameOf(window->button("cmd1")), qs("计 算"));
    QCOMPARE(nameOf(window->button("cmd2")), qs("退 出"));
    QCOMPARE(nameOf(window->button("cmd3")), qs("清 除"));

    fillAndCalculate(*window, "100", "10", "0.1", "1");
    QVERIFY(nameOf(window->label("lab1")).contains(QStringLiteral("S=3184.713")));
}

void WindowTests::qtTextsInChinese() {
    const std::unique_ptr<QMenu> menu(box("txt1").createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    const QString all = texts.join(QLatin1Char('|'));
    QVERIFY2(all.contains(qs("复制")) && all.contains(qs("粘贴")), qPrintable(all));

    const auto shown = dismissNextMessageWith(Qt::Key_Escape);
    window->button("cmd1").click();
    QCOMPARE(shown->buttons, QStringList{qs("确定")});
}

void WindowTests::resultCanBeCopied() {
    fillAndCalculate(*window, "100", "10", "0.1", "4");
    QLabel& result = window->label("lab1");
    QVERIFY(result.textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(result.focusPolicy(), Qt::NoFocus);

    // The context menu's 复制 copies the whole result.
    QGuiApplication::clipboard()->clear();
    QStringList items;
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, poll, [poll, &items] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll->deleteLater();
        for (QAction* action : menu->actions())
            items << action->text();
        menu->actions().first()->trigger();
        menu->close();
    });
    poll->start(5);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(10, 10),
                              result.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&result, &request);
    QCOMPARE(items, QStringList{qs("复制")});
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("  S=3184.713\n   F=1273.885"));

    // Clicking the result leaves the focus where it was.
    QTest::mouseClick(&result, Qt::LeftButton);
    QCOMPARE(focusedName(), QStringLiteral("cmd3"));
}

WIDGET_TEST_MAIN(WindowTests)
#include "window_tests.moc"
