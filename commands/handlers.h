#pragma once

#include <string_view>

class Form1;

// The window's event handlers, one per control event.
namespace commands {

// Calculate: reads the four boxes, shows S and F in lab1 and moves to Clear.
void cmd1_Click(Form1& form);
// Exit: ends the program at once.
void cmd2_Click(Form1& form);
// Clear: empties the first three boxes, presets z to 1, back to txt1.
void cmd3_Click(Form1& form);

// Enter (character code 13) in a box moves the focus to the next control of
// the keyboard cycle; other keys reach the box untouched.
void txt1_KeyPress(Form1& form, char16_t& keyAscii);
void txt2_KeyPress(Form1& form, char16_t& keyAscii);
void txt3_KeyPress(Form1& form, char16_t& keyAscii);
void txt4_KeyPress(Form1& form, char16_t& keyAscii);

// Delivers a KeyPress to the handler of the named box, if it has one.
void keyPress(Form1& form, std::string_view boxName, char16_t& keyAscii);

} // namespace commands
