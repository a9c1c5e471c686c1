#pragma once

#include "commands/calculation.h"

#include <QWidget>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

// The main window, built from its stored definition. It owns its controls and
// the values that Calculate keeps between runs; the handlers in commands/ do
// the rest.
class Form1 : public QWidget {
public:
    explicit Form1(QWidget* parent = nullptr);

    QLineEdit& textBox(std::string_view name) const;
    QLabel& label(std::string_view name) const;
    QPushButton& button(std::string_view name) const;

    // The caption that names an input box, as the user sees it.
    std::string_view captionOf(std::string_view boxName) const;

    commands::CalculatorValues& values() { return values_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        std::string_view name;
        QWidget* widget;
    };

    void createControls(double dotsPerInch);
    void makeResultCopyable(QLabel& result);
    void connectHandlers();
    QWidget& control(std::string_view name) const;

    std::vector<Control> controls_;
    commands::CalculatorValues values_;
};
