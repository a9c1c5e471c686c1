#pragma once

#include "errors.h"

#include <QString>
#include <string_view>

class QLabel;
class QLineEdit;
class QWidget;

// The window operations that the handlers rely on, in one place, so that
// every handler reads, writes and moves the focus the same way.
namespace runtime {

// The box's text. The view stays valid as long as the returned string lives.
QString textOf(const QLineEdit& box);
std::u16string_view viewOf(const QString& text);

void setText(QLineEdit& box, std::u16string_view text);

QString fromUtf8(std::string_view utf8);

// A line feed in the caption breaks the line.
void setCaption(QLabel& label, std::string_view utf8);

// Moves the keyboard focus as Tab would: a box's whole text is selected, so
// typing replaces it.
void moveFocus(QWidget& control);

// Reports a run-time error in a modal message box over the window, naming
// the box at fault by its caption. Returns once the user has dismissed it.
void reportError(QWidget& window, ErrorCode code, std::string_view boxCaption);

// Ends the program at once with exit status 0; no further handler runs.
void endProgram();

} // namespace runtime
