#pragma once
// The line entry over the field: a one-line box where a whole row's or column's clue numbers are
// typed ("3 1 2"). It shows the line's name and its numbers; Enter or Tab puts the typed numbers
// in place and goes on to the next line, Shift+Tab to the previous one, Escape closes it. The
// rules are field/LineEntry.h; the box only carries keys and texts. UI thread only.

#include <QFrame>
#include <functional>

#include "field/LineEntry.h"

class QLabel;
class QLineEdit;

namespace jcw {

class LineEntryBox : public QFrame {
  Q_OBJECT

 public:
  // `confirm` puts the text in place of the line's numbers and answers whether it was taken
  // (it shows the reason when not); `close` ends the entry.
  using Confirm = std::function<bool(ClueLineRef line, const std::string& text)>;
  LineEntryBox(QWidget* field, Confirm confirm, std::function<void()> close);

  // Shows `line` of `crossword` with its numbers selected, at `where` (field pixels).
  void showLine(const Crossword& crossword, ClueLineRef line, const QPoint& where);
  ClueLineRef line() const { return line_; }
  QLineEdit* editor() const { return edit_; }

 signals:
  // The numbers were taken: the entry moves on to the line after (forward) or before.
  void confirmed(bool forward);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Confirm confirm_;
  std::function<void()> close_;
  QLabel* label_ = nullptr;
  QLineEdit* edit_ = nullptr;
  ClueLineRef line_;
};

}  // namespace jcw
