// The floor for start-up: a bare Qt Widgets window with one label of Chinese
// text, built with the same compiler, flags and Qt as the calculator. A key
// changes the label, so that the probe can see the first key accepted.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
public:
    BareWindow()
        : label_(QStringLiteral("切削速度计算"), this) {
        setFocusPolicy(Qt::StrongFocus);
        label_.setGeometry(16, 16, 270, 40);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override { label_.setText(event->text()); }

private:
    QLabel label_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setGeometry(467, 230, 302, 345);
    window.show();
    return application.exec();
}
