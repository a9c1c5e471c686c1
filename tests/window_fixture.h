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

// What a message box showed before the test dismissed it.
struct Message {
    bool shown = false;
    QString title;
    QString text;
    QStringList buttons;
};

// Dismisses the next modal message box with a key, as a user would, and
// records what it said. Call before the action that opens the box.
inline std::shared_ptr<Message> dismissNextMessageWith(Qt::Key key) {
    auto message = std::make_shared<Message>();
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, message, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
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
    QTimer::singleShot(5000, poll, &QObject::deleteLater); // no box came: stop looking
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

} // namespace testing_support
