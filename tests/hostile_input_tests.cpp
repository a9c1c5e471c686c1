// Whatever lands in the boxes, the window answers with a result or an error
// report and goes on: huge pastes, odd characters, and a long random session
// checked step by step against an independent computation.

#include "window_fixture.h"

#include <QClipboard>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>

using namespace testing_support;

namespace {

// Pastes a text into a box as a user would, replacing what it held.
void paste(QLineEdit& box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box.setFocus(Qt::TabFocusReason);
    box.selectAll();
    box.paste();
}

// What a Calculate click must report, if it fails.
struct Expected {
    QString result; // the lab1 text on success
    std::optional<int> errorNumber;
    QString box;
};

} // namespace

class HostileInputTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::configureApplication(); }
    void init() { window = startWindow(); }
    void cleanup() { window.reset(); }

    void hugePastes_data();
    void hugePastes();
    void oddCharactersMakeNoNumber_data();
    void oddCharactersMakeNoNumber();
    void longRandomSession();

private:
    Expected clickCalculate();
    std::unique_ptr<Form1> window;
};

Expected HostileInputTests::clickCalculate() {
    Expected seen;
    const auto shown = dismissNextMessageWith(Qt::Key_Return);
    window->button("cmd1").click();
    if (shown->shown) {
        const QString text = shown->text;
        for (int number : {6, 11, 13}) {
            if (text.contains(QStringLiteral("'%1'").arg(number)))
                seen.errorNumber = number;
        }
        if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000))
            qWarning("no focus after the error report");
        seen.box = focusedName();
    }
    seen.result = window->label("lab1").text();
    return seen;
}

void HostileInputTests::hugePastes_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("errorNumber"); // 0: a result
    QTest::addColumn<QString>("result");

    const int mebibyte = 1 << 20;
    QTest::newRow("1 MiB of digits in Vc")
        << "txt1" << QString(mebibyte, QLatin1Char('7')) << 6 << "";
    QTest::newRow("1 MiB of letters in D")
        << "txt2" << QString(mebibyte, QLatin1Char('x')) << 13 << "";
    QTest::newRow("1 and a million zeros in fz")
        << "txt3" << QStringLiteral("1") + QString(1'000'000, QLatin1Char('0')) << 6 << "";
    QTest::newRow("a million zeros after the point in z")
        << "txt4" << QStringLiteral("1.") + QString(1'000'000, QLatin1Char('0')) << 0
        << "  S=3184.713\n   F=318.471";
    QTest::newRow("a document")
        << "txt1" << QStringLiteral("切削参数表\n100 m/min\t10 mm\r\n").repeated(20000) << 13 << "";
}

void HostileInputTests::hugePastes() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(int, errorNumber);
    QFETCH(QString, result);

    fillAndCalculate(*window, "100", "10", "0.1", "4");
    const QString previous = window->label("lab1").text();
    QLineEdit& target = window->textBox(box.toStdString());
    paste(target, text);
    QVERIFY(target.text().size() >= 1'000'000 || text.contains(QLatin1Char('\n')));

    const Expected seen = clickCalculate();
    if (errorNumber == 0) {
        QVERIFY(!seen.errorNumber);
        QCOMPARE(seen.result, result);
    } else {
        QCOMPARE(seen.errorNumber.value_or(0), errorNumber);
        QCOMPARE(seen.box, box);
        QCOMPARE(seen.result, previous);
        QCOMPARE(target.selectedText().size(), target.text().size());
    }

    // The window still takes keys: the user retypes the box.
    typeInto(target, QStringLiteral("4"));
    QCOMPARE(target.text(), QStringLiteral("4"));
}

void HostileInputTests::oddCharactersMakeNoNumber_data() {
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const QString& text) { QTest::newRow(name) << text; };
    row("control character", QStringLiteral("1\u00012"));
    row("escape", QStringLiteral("\u001B100"));
    row("delete", QStringLiteral("100\u007F"));
    row("emoji", QStringLiteral("10\U0001F600"));
    row("right-to-left mark", QStringLiteral("\u200F100"));
    row("left-to-right override", QStringLiteral("\u202D100\u202C"));
    row("zero-width space", QStringLiteral("10\u200B0"));
    row("zero-width joiner", QStringLiteral("1\u200D00"));
    row("byte order mark", QStringLiteral("\uFEFF100"));
    row("arabic digits", QStringLiteral("\u0661\u0660\u0660"));
    row("replacement character", QStringLiteral("1\uFFFD"));
    row("combining mark", QStringLiteral("1\u03010"));
    row("non-breaking space", QStringLiteral("1\u00A000"));
}

void HostileInputTests::oddCharactersMakeNoNumber() {
    QFETCH(QString, text);
    fillAndCalculate(*window, "100", "10", "0.1", "4");
    window->textBox("txt2").setText(text);
    const Expected seen = clickCalculate();
    QCOMPARE(seen.errorNumber.value_or(0), 13);
    QCOMPARE(seen.box, QStringLiteral("txt2"));
    QCOMPARE(window->textBox("txt2").text(), text);
}

namespace {

// An independent computation of what Calculate shows: the C library's
// conversion and formatting, the current rounding mode's nearest-even.
struct Model {
    QString boxes[4] = {{}, {}, {}, QStringLiteral("1")};
    QString lab1;
    QString focus = QStringLiteral("txt1");
};

std::optional<double> readNumber(const QString& text) {
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty() || text.contains(QLatin1Char(',')))
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(bytes.constData(), &end);
    if (end != bytes.constData() + bytes.size())
        return std::nullopt;
    return value;
}

QString textOf(double value, int digits) {
    if (value == 0)
        return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
    return QString::fromLatin1(buffer);
}

Expected expectedCalculation(const Model& model) {
    const auto fail = [](int number, const char* box) {
        return Expected{{}, number, QString::fromLatin1(box)};
    };
    const auto vc = readNumber(model.boxes[0]);
    if (!vc)
        return fail(13, "txt1");
    const auto d = readNumber(model.boxes[1]);
    if (!d)
        return fail(13, "txt2");
    if (*d == 0)
        return fail(*vc == 0 ? 6 : 11, "txt2");
    const double s = *vc * 1000.0 / (*d * 3.14);
    if (!std::isfinite(s))
        return fail(6, "txt2");
    const auto fz = readNumber(model.boxes[2]);
    if (!fz)
        return fail(13, "txt3");
    const auto z = readNumber(model.boxes[3]);
    if (!z)
        return fail(13, "txt4");
    const double feed = s * (*z * *fz);
    if (!(std::fabs(feed) <= FLT_MAX))
        return fail(6, "txt3");
    const float f = static_cast<float>(feed);
    const double roundedS = std::nearbyint(s * 1000.0) / 1000.0;
    const float roundedF = static_cast<float>(std::nearbyint(double(f) * 1000.0) / 1000.0);
    return {QStringLiteral("  S=") + textOf(roundedS, 15) + QStringLiteral("\n   F=") +
                textOf(roundedF, 7),
            std::nullopt,
            {}};
}

} // namespace

void HostileInputTests::longRandomSession() {
    const QStringList values{"100", "10",  "0.1", "4",   "0",  "-5",   "2.5e3", "1e300", "1e-300",
                             "",    "abc", "1,5", " 7 ", ".5", "3.14", "16000", "1e30",  "1e10"};
    const QStringList boxNames{"txt1", "txt2", "txt3", "txt4"};
    const QStringList nextOnEnter{"txt2", "txt3", "txt4", "cmd1"};
    std::mt19937 random(20261211);
    Model model;

    for (int step = 0; step < 1500; ++step) {
        const int action = std::uniform_int_distribution<int>(0, 9)(random);
        QString did;
        if (action <= 3) { // type into a box
            const int box = std::uniform_int_distribution<int>(0, 3)(random);
            const QString value =
                values[std::uniform_int_distribution<int>(0, int(values.size()) - 1)(random)];
            typeInto(window->textBox(boxNames[box].toStdString()), value);
            model.boxes[box] = value;
            model.focus = boxNames[box];
            did = QStringLiteral("type '%1' in %2").arg(value, boxNames[box]);
        } else if (action <= 6) { // Enter wherever the focus is
            const QString at = focusedName();
            QCOMPARE(at, model.focus);
            const int box = int(boxNames.indexOf(at));
            if (box >= 0) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                model.focus = nextOnEnter[box];
            } else if (at == QStringLiteral("cmd3") || at == QStringLiteral("cmd1")) {
                const Expected expected = expectedCalculation(model);
                if (at == QStringLiteral("cmd3")) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    model.boxes[0] = model.boxes[1] = model.boxes[2] = QString();
                    model.boxes[3] = QStringLiteral("1");
                    model.focus = QStringLiteral("txt1");
                } else {
                    const auto shown = dismissNextMessageWith(Qt::Key_Escape);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    QCOMPARE(shown->shown, expected.errorNumber.has_value());
                    if (expected.errorNumber) {
                        model.focus = expected.box;
                        QTRY_COMPARE(focusedName(), model.focus);
                    } else {
                        model.lab1 = expected.result;
                        model.focus = QStringLiteral("cmd3");
                    }
                }
            } else { // cmd2 would end the program: step on instead
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                model.focus = QStringLiteral("cmd3");
            }
            did = QStringLiteral("Enter on %1").arg(at);
        } else if (action == 7) { // click Calculate
            const Expected expected = expectedCalculation(model);
            const Expected seen = clickCalculate();
            QCOMPARE(seen.errorNumber, expected.errorNumber);
            if (expected.errorNumber) {
                QCOMPARE(seen.box, expected.box);
                model.focus = expected.box;
            } else {
                model.lab1 = expected.result;
                model.focus = QStringLiteral("cmd3");
            }
            did = QStringLiteral("click Calculate");
        } else if (action == 8) { // click Clear
            window->button("cmd3").click();
            model.boxes[0] = model.boxes[1] = model.boxes[2] = QString();
            model.boxes[3] = QStringLiteral("1");
            model.focus = QStringLiteral("txt1");
            did = QStringLiteral("click Clear");
        } else { // Tab
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QStringList cycle{"txt1", "txt2", "txt3", "txt4", "cmd1", "cmd2", "cmd3"};
            model.focus = cycle[(cycle.indexOf(model.focus) + 1) % cycle.size()];
            did = QStringLiteral("Tab");
        }

        const QByteArray where = QStringLiteral("step %1: %2").arg(step).arg(did).toUtf8();
        for (int box = 0; box < 4; ++box)
            QVERIFY2(window->textBox(boxNames[box].toStdString()).text() == model.boxes[box],
                     where.constData());
        QVERIFY2(window->label("lab1").text() == model.lab1, where.constData());
        QTRY_VERIFY2(focusedName() == model.focus, where.constData());
    }
}

WIDGET_TEST_MAIN(HostileInputTests)
#include "hostile_input_tests.moc"
