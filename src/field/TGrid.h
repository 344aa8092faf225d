#pragma once
// TGrid: the field control. Owns the crossword model and draws it cell by cell into a backing
// image; paintEvent only copies that image. The model is the core Crossword; this class adds
// what touches the screen (painting, the beep and message boxes through the platform layer, the
// commands of its host window). UI thread only.

#include <QImage>
#include <QWidget>

#include "field/FieldHost.h"
#include "model/Crossword.h"

namespace jcw {

class TGrid : public QWidget {
  Q_OBJECT

 public:
  explicit TGrid(QWidget* parent = nullptr);

  // The window whose commands and buttons the field drives; may be null (then nothing is asked).
  void setHost(FieldHost* host) { host_ = host; }

  Crossword& model() { return model_; }
  const Crossword& model() const { return model_; }
  // Takes a loaded crossword as the field's model (the table comes with it).
  void setModel(Crossword model);

  // Table allocation for the process-wide dimensions (contents kept when the shape is the same).
  void allocateTable();

  // Regions, kinds and Col/Row for the current CellSize; clue cells' state reset to 0. Also
  // resizes the backing image to the field's size.
  void BuildCellRegions();
  void FreeCellRegions();
  // Pixel size the field needs for the current CellSize (right and bottom edge, exclusive).
  QSize fieldSize() const;

  void PaintCell(int x, int y);
  void PaintField();
  void PaintIndicators(int x, int y);
  void ClearIndicators();
  void PaintDigitalCross();
  // Hover highlight of the clue cells of the lines through picture cell (x, y), and its removal.
  void highlightLines(int x, int y);
  void removeHighlight(int x, int y);

  void UpdateLineStatus(int x, int y) { model_.UpdateLineStatus(x, y); }
  // Clue-sum check before solving: false at once while Start is disabled; on unequal sums the
  // message box, Start disabled, false.
  bool CheckClueSums();
  // Line check of the editor cursor's line: disables Start, then enables it if the line fits,
  // else beeps. Returns whether it fits.
  bool LineFits();

  bool IsModified() const { return model_.IsModified(); }
  // Modified := flag; SBSave enabled := flag; SBUndo enabled := history not empty and solving.
  void SetModified(bool flag);

  // If (x, y) is a clue cell: state 1 and repaint; returns true. Otherwise leaves it alone.
  bool SelectClueCell(int x, int y);

  bool CrossShown() const { return crossShown_; }
  // The backing image (tests read pixels from it).
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  FieldHost* host_ = nullptr;
  Crossword model_;
  QImage image_;
  bool crossShown_ = false;
};

}  // namespace jcw
