#pragma once
// PictureMode: the main window's picture mode, in which an author draws the crossword's picture
// and its clues follow. It asks what becomes the picture when a crossword with clues of its own
// enters the mode, puts the clues of the filled marks in place after every stroke, undo and redo
// (the window lays the field out again when the headers change), and 300 ms later analyses the
// clues off the UI thread: the status line names the verdict and the grade, the field dots the
// cells line logic leaves open and hatches those where two pictures differ. A newer change
// cancels a running analysis. "Предложить исправление" lists the best one-cell changes; choosing
// one applies it as one step. Owned by the main window; UI thread only.

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "files/DrawnPicture.h"
#include "solver/qt/LatestWork.h"

namespace jcw {

class TGrid;
struct FixSuggestion;
struct PictureAnalysis;
struct Difficulty;

class PictureMode : public QObject {
 public:
  // How long after a change the analysis starts: strokes in quick succession analyse once.
  static constexpr int kAnalysisDelayMs = 300;

  // `field` is the window's present field; `relayout` lays the window out again after the
  // table changed its shape.
  PictureMode(QWidget& window, std::function<TGrid*()> field, std::function<void()> relayout);

  // Before the switch: what becomes the picture, asked when the crossword's clues are its own
  // (not those of its filled marks): the goal read with its file, else its unique solution, else
  // the filled marks; the picture goes in as one step. False when the author declines.
  bool mayEnter();
  // After the switch into the mode, and when leaving it.
  void entered();
  void left();
  // A stroke, undo, redo or clear changed the picture.
  void pictureChanged();
  // The best one-cell changes, offered in a menu at the pointer once they are known.
  void offerFixes();

  QLabel* statusLine() const { return status_; }
  QMenu* fixesMenu() const { return fixes_; }
  // "Рисунок": `enter` (the window's item that starts the mode) first, then the suggested fixes
  // (NSuggest) and a row or column added or removed at each edge of the picture.
  QMenu* pictureMenu() const { return menu_; }
  void addEnterItem(QAction* enter);
  // The items that work on the picture follow the mode; the menu itself stays available.
  void enableCommands(bool drawing);
  // Keeps the status line along the bottom of the field.
  void placeStatusLine();

 private:
  void followPicture();
  void scheduleAnalysis();
  void analyse();
  void showAnalysis(const PictureAnalysis& analysis);
  void showGrade(const Difficulty& difficulty);
  void showFixes(const std::vector<FixSuggestion>& fixes, bool severalPictures);
  void applyFix(const FixSuggestion& fix);
  void resizeBy(const EdgeChange& change);
  void setStatus(const QString& text);
  TGrid* field() const { return field_(); }

  QWidget& window_;
  std::function<TGrid*()> field_;
  std::function<void()> relayout_;
  QLabel* status_;
  QMenu* fixes_;
  QMenu* menu_;
  QTimer delay_;
  LatestWork analysis_;
  LatestWork fixWork_;
  // The field last drawn on: back in the mode with clues that differ from its picture, the
  // author has typed them.
  QPointer<TGrid> drawnField_;
  QString verdict_;  // the status line's verdict part, the grade follows it
};

}  // namespace jcw
