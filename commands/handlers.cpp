#include "handlers.h"

#include "app/form1.h"
#include "commands/calculation.h"
#include "runtime/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace commands {
namespace {

constexpr char16_t kEnter = 13;

constexpr std::string_view boxName(InputBox box) {
    switch (box) {
    case InputBox::txt1:
        return "txt1";
    case InputBox::txt2:
        return "txt2";
    case InputBox::txt3:
        return "txt3";
    case InputBox::txt4:
        break;
    }
    return "txt4";
}

} // namespace

void cmd1_Click(Form1& form) {
    // The texts stay alive for the whole calculation, which reads views of them.
    const QString vc = runtime::textOf(form.textBox("txt1"));
    const QString diameter = runtime::textOf(form.textBox("txt2"));
    const QString edges = runtime::textOf(form.textBox("txt4"));
    const QString feedPerTooth = runtime::textOf(form.textBox("txt3"));

    const CalculationOutcome outcome =
        calculate({runtime::viewOf(vc), runtime::viewOf(diameter), runtime::viewOf(feedPerTooth),
                   runtime::viewOf(edges)},
                  form.values());
    if (outcome.error) {
        // Reported, not fatal: the user corrects the box at fault and goes on.
        const std::string_view name = boxName(outcome.error->box);
        runtime::reportError(form, outcome.error->code, form.captionOf(name));
        runtime::moveFocus(form.textBox(name));
        return;
    }
    runtime::setCaption(form.label("lab1"), outcome.resultText);
    runtime::moveFocus(form.button("cmd3"));
}

void cmd2_Click(Form1&) {
    runtime::endProgram();
}

void cmd3_Click(Form1& form) {
    runtime::setText(form.textBox("txt1"), u"");
    runtime::setText(form.textBox("txt2"), u"");
    runtime::setText(form.textBox("txt3"), u"");
    runtime::setText(form.textBox("txt4"), u"1");
    runtime::moveFocus(form.textBox("txt1"));
}

void txt1_KeyPress(Form1& form, char16_t& keyAscii) {
    if (keyAscii == kEnter)
        runtime::moveFocus(form.textBox("txt2"));
}

void txt2_KeyPress(Form1& form, char16_t& keyAscii) {
    if (keyAscii == kEnter)
        runtime::moveFocus(form.textBox("txt3"));
}

void txt3_KeyPress(Form1& form, char16_t& keyAscii) {
    if (keyAscii == kEnter)
        runtime::moveFocus(form.textBox("txt4"));
}

void txt4_KeyPress(Form1& form, char16_t& keyAscii) {
    if (keyAscii == kEnter)
        runtime::moveFocus(form.button("cmd1"));
}

void keyPress(Form1& form, std::string_view boxName, char16_t& keyAscii) {
    using Handler = void (*)(Form1&, char16_t&);
    struct Binding {
        std::string_view box;
        Handler handler;
    };
    static constexpr std::array<Binding, 4> kBindings{{
        {"txt1", &txt1_KeyPress},
        {"txt2", &txt2_KeyPress},
        {"txt3", &txt3_KeyPress},
        {"txt4", &txt4_KeyPress},
    }};
    for (const auto& binding : kBindings) {
        if (binding.box == boxName) {
            binding.handler(form, keyAscii);
            return;
        }
    }
}

} // namespace commands
