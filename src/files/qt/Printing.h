#pragma once
// Printing the crossword as the field shows it while solving: the headers with their clues, the
// grid with its doubled lines, and the marks or none, in paper colours (clue cells and undecided
// cells are the paper, a cell marked empty gets a dot). PrintLayout decides the scale and the
// pages; the field's own cell drawing draws the cells. UI thread only.

#include "field/qt/CellFont.h"

#include "files/PrintLayout.h"
#include "model/Crossword.h"

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;
class QString;

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

// The title centred in the band above the crossword and, when there are several pages, the
// page's number "n / pageCount" in the band below it.
void paintPageCaptions(QPainter& painter, const PrintLayout& layout, const PrintPage& page,
                       const QString& title, int pageCount, double dotsPerMm);

// The last page for authors: none, or the solution, or (when the clues do not determine one
// picture) a note saying so.
struct SolutionPage {
  bool wanted = false;
  std::optional<Crossword> solution;
};

// The solution page: the solved picture alone below "<title> — решение", or the note.
void paintSolutionPage(QPainter& painter, PaperSize paper, const SolutionPage& page,
                       const QString& title, double dotsPerMm);

// Every page of the crossword onto `device` (a printer, its preview or a PDF writer), one layout
// page to a sheet, each with the crossword's title (or its file's) and its number, then the
// solution page when wanted. False when the device cannot be painted on.
bool printCrossword(QPagedPaintDevice& device, const Crossword& crossword, bool withMarks,
                    const SolutionPage& last = {});

// The crossword's one solution, or none; asked only when a solution page is wanted.
using SolutionFinder = std::function<std::optional<Crossword>()>;

// The print command: the preview with the check boxes "С моими отметками" (checked) and
// "Страница с решением", the job named after the crossword's title; an error box when the printer
// or the file cannot be written.
void printCommand(const Crossword& crossword, const SolutionFinder& findSolution);

}  // namespace jcw
