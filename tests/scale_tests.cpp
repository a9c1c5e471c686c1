// The window at a screen scale or font resolution given as a setting
// (--env=QT_SCALE_FACTOR=..., --env=QT_FONT_DPI=...): the controls keep their stored proportions
// and no text is clipped. CTest runs this once for each setting.

#include "app/form1_definition.h"
#include "window_fixture.h"

#include <QScreen>

using namespace testing_support;

class ScaleTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        app::configureApplication();
        qInfo("device pixel ratio %.2f, logical dpi %.0f", qApp->devicePixelRatio(),
              QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    }

    void controlsKeepTheirProportions();
    void noTextIsClipped();
};

void ScaleTests::controlsKeepTheirProportions() {
    const auto window = startWindow();
    // Device pixels per twip: 1/15 at 96 dpi and scale 1.
    const double scale = window->devicePixelRatioF() *
                         QGuiApplication::primaryScreen()->logicalDotsPerInchY() /
                         form1::kTwipsPerInch;
    const auto near = [scale](int devicePixels, int twips) {
        return std::abs(devicePixels - twips * scale) <= 1.0 + scale;
    };
    const double ratio = window->devicePixelRatioF();
    QVERIFY(near(int(window->width() * ratio), form1::kWindow.clientWidth));
    QVERIFY(near(int(window->height() * ratio), form1::kWindow.clientHeight));
    for (const auto& definition : form1::kControls) {
        const QWidget* control = window->findChild<QWidget*>(
            QString::fromUtf8(definition.name.data(), definition.name.size()));
        QVERIFY(control);
        const QRect place = control->geometry();
        const QString name = control->objectName();
        QVERIFY2(near(int(place.x() * ratio), definition.left), qPrintable(name));
        QVERIFY2(near(int(place.y() * ratio), definition.top), qPrintable(name));
        if (!definition.autoSize) {
            QVERIFY2(near(int(place.width() * ratio), definition.width), qPrintable(name));
            QVERIFY2(near(int(place.height() * ratio), definition.height), qPrintable(name));
        }
    }
}

void ScaleTests::noTextIsClipped() {
    const auto window = startWindow();
    fillAndCalculate(*window, "300", "6", "0.2", "4");
    QCOMPARE(window->label("lab1").text(), QStringLiteral("  S=15923.567\n   F=12738.85"));
    for (QWidget* control : window->findChildren<QWidget*>())
        QVERIFY2(clippedLine(*control).isEmpty(),
                 qPrintable(control->objectName() + QStringLiteral(": ") + clippedLine(*control)));
}

WIDGET_TEST_MAIN(ScaleTests)
#include "scale_tests.moc"
