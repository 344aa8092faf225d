#pragma once
// The editor's clipboard: clue lists pasted from text (files/ClueListText.h) and copied as text.
// UI thread only.

namespace jcw {

class FileHost;

// Ctrl+V: the lists of the clipboard's text, shown and asked about. For the crossword's picture
// size they take the place of its clues (the marks stay; one undo step); for another size they
// start a new crossword, after the save question. Text that is no list says why.
void pasteCluesCommand(FileHost& host);

// Ctrl+C: the crossword's clue lists in the plain form on the clipboard.
void copyCluesCommand(FileHost& host);

}  // namespace jcw
