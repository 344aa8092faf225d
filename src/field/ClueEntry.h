#pragma once
// Typing clue numbers into the clue cell at the editor cursor (EditCursor), and normalising the
// number when the cursor leaves the cell. Plain functions over the crossword; the field adds the
// beep, the Start item, the modified flag and the repaint.

#include <cstdint>
#include <functional>

#include "model/Crossword.h"

namespace jcw {

// The line check of the cursor's line at the moment the entry rules ask for it. The field's
// check also beeps on an overflow and sets the Start item, so it must run exactly then.
using LineCheck = std::function<bool()>;

// What a digit did besides changing the cell's text.
struct DigitEntry {
  bool advance = false;  // the cursor moves on by NextDirect
};

// Enters `digit` ('0'..'9') into the cursor's cell. A cell that already holds two or more
// characters, whose line overflowed before this digit, or whose number `replaceNumber` says the
// digit replaces (the first digit since the cursor came, with the option on) starts a new
// number. Then, by go2Dig:
// 1 without Ctrl advances when the line fits; 1 with Ctrl and 2 advance after a second digit when
// the line fits; 0 (and any other value) never advances.
DigitEntry enterDigit(Crossword& cw, char digit, int go2Dig, bool ctrlHeld,
                      const LineCheck& lineFits, bool replaceNumber = false);

// F4: the advance after digits switches between one (1) and two (2) digits; never (0) stays.
std::uint8_t toggledAdvance(std::uint8_t go2Dig);

// Backspace: one character or none becomes empty, more are cut to the first.
void backspaceClue(Crossword& cw);
// Delete: the cursor's cell loses its number.
void clearClue(Crossword& cw);

// The cursor leaves its cell: the number is written back in plain decimal ("05" -> "5", "0" and
// "00" -> empty) and the cell's state returns to normal.
void leaveClueCell(Crossword& cw);

}  // namespace jcw
