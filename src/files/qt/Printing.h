#pragma once
// Printing the crossword as the field shows it while solving: the headers with their clues, the
// grid with its doubled lines, and the marks or none, in paper colours (clue cells and undecided
// cells are the paper, a cell marked empty gets a dot). PrintLayout decides the scale and the
// pages; the field's own cell drawing draws the cells. UI thread only.

#include "field/qt/CellFont.h"

#include "files/PrintLayout.h"
#include "model/Crossword.h"

class QPagedPaintDevice;
class QPainter;

namespace jcw {

// A crossword on paper, its cells drawn at the print cell size from a copy taken for the job.
class CrosswordPrint {
 public:
  CrosswordPrint(const Crossword& crossword, bool withMarks);

  PrintLayout layout(PaperSize paper) const { return layOutPrint(crossword_.dims(), paper); }
  // Paints `page` of `layout` with the painter's origin on the printable area's top-left and
  // `dotsPerMm` device pixels to the millimetre.
  void paintPage(QPainter& painter, const PrintLayout& layout, const PrintPage& page,
                 double dotsPerMm) const;

 private:
  void paintCell(QPainter& painter, int x, int y) const;

  Crossword crossword_;
  bool withMarks_;
  CellFont font_;
};

// Every page of the crossword onto `device` (a printer, its preview or a PDF writer), one layout
// page to a sheet. False when the device cannot be painted on.
bool printCrossword(QPagedPaintDevice& device, const Crossword& crossword, bool withMarks);

// The print command: the preview with a check box "С моими отметками", the job named after the
// current file; an error box when the printer or the file cannot be written.
void printCommand(const Crossword& crossword);

}  // namespace jcw
