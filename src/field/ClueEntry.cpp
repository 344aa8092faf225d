#include "field/ClueEntry.h"

#include "model/Clue.h"

namespace jcw {

namespace {

TCell& cursorCell(Crossword& cw) { return cw.cell(cw.EditCursor.x, cw.EditCursor.y); }

// Typed numbers have two digits. A longer text only comes from a file (up to 199) and must not
// grow: a four-digit number would be saved as a wrong byte.
bool startsNewNumber(const std::string& text, const LineCheck& lineFits) {
  return text.size() >= 2 || !lineFits();
}

bool waitsForSecondDigit(int go2Dig, bool ctrlHeld) {
  return go2Dig == 2 || (go2Dig == 1 && ctrlHeld);
}

}  // namespace

DigitEntry enterDigit(Crossword& cw, char digit, int go2Dig, bool ctrlHeld,
                      const LineCheck& lineFits, bool replaceNumber) {
  std::string& text = cursorCell(cw).Text;
  if (startsNewNumber(text, lineFits) || replaceNumber) text.clear();
  text += digit;

  DigitEntry entry;
  if (go2Dig == 1 && !ctrlHeld) {
    entry.advance = lineFits();
  } else if (waitsForSecondDigit(go2Dig, ctrlHeld)) {
    entry.advance = text.size() == 2 && lineFits();
  }
  return entry;
}

std::uint8_t toggledAdvance(std::uint8_t go2Dig) {
  if (go2Dig == 0) return 0;
  return go2Dig == 1 ? 2 : 1;
}

void backspaceClue(Crossword& cw) {
  std::string& text = cursorCell(cw).Text;
  text.resize(text.size() <= 1 ? 0 : 1);
}

void clearClue(Crossword& cw) { cursorCell(cw).Text.clear(); }

void leaveClueCell(Crossword& cw) {
  TCell& cell = cursorCell(cw);
  cell.Text = normalizedClueText(cell.Text);
  cell.State = csBlank;
}

}  // namespace jcw
