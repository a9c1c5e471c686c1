#include "controls.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace runtime {

QString textOf(const QLineEdit& box) {
    return box.text();
}

std::u16string_view viewOf(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

void setText(QLineEdit& box, std::u16string_view text) {
    box.setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

QString fromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void setCaption(QLabel& label, std::string_view utf8) {
    label.setText(fromUtf8(utf8));
}

void moveFocus(QWidget& control) {
    control.setFocus(Qt::TabFocusReason);
    // Selected here, not by the focus-in: while the window is inactive (just
    // after a message box) the focus arrives later, without Tab's selection.
    if (auto* box = qobject_cast<QLineEdit*>(&control))
        box->selectAll();
}

void reportError(QWidget& window, ErrorCode code, std::string_view boxCaption) {
    const QString message = QStringLiteral("运行时错误 '%1':\n\n%2\n\n请检查“%3”。")
                                .arg(QString::number(errorNumber(code)),
                                     fromUtf8(errorMessage(code)), fromUtf8(boxCaption));
    QMessageBox box(QMessageBox::Critical, window.windowTitle(), message, QMessageBox::Ok, &window);
    box.setObjectName(QStringLiteral("runtimeError"));
    box.exec();
    window.activateWindow();
}

void endProgram() {
    QCoreApplication::exit(0);
}

} // namespace runtime
