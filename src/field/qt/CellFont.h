#pragma once
// The field's text: clue numbers and the digital cross's run lengths, each drawn inside its own
// cell. The face is a sans-serif as high as a cell; a number too wide for its cell at that size
// is drawn smaller, and where the face would no longer be legible, in a pixel font (TextFit).
// What each text needs is measured once per cell size, and each text in each colour is drawn
// once into a small picture that is then copied into every cell that shows it. UI thread only.

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "field/PixelDigits.h"
#include "field/TextFit.h"

class QColor;
class QPainter;

namespace jcw {

// The largest pixel size (at least 1) whose QFontMetrics::height() is at most `cellSize`.
QFont cellFont(int cellSize);

class CellFont {
 public:
  explicit CellFont(int cellSize = 1);

  int cellSize() const { return cellSize_; }

  // Draws `text` in `color` with its ink centred between the frame lines of the cell whose box
  // is `box` (S + 1 pixels wide and high); no pixel falls outside the box shrunk by one on every
  // side. Returns the rectangle it drew into; empty for empty text.
  QRect draw(QPainter& painter, const QRect& box, const QString& text, const QColor& color) const;

 private:
  struct Placement {
    TextRendering rendering;
    QRect ink;         // the inked pixels, relative to the point the text is drawn at
    PixelText pixels;  // the pixel font's picture, for that face only
  };
  const Placement& placement(const QString& text) const;
  const QFont& outlineAt(int pixelSize) const;
  // The inked pixels of `text` in `color` at the device's pixel ratio, made when first asked for.
  const QImage& inked(const QString& text, const Placement& placed, const QColor& color,
                      qreal pixelRatio) const;
  void drawInk(QPainter& painter, QPoint origin, const QString& text, const Placement& placed,
               const QColor& color) const;
  // The pixels `text` inks in the outline face, relative to the baseline's left end.
  QRect outlineInk(const QString& text, int pixelSize) const;

  int cellSize_;
  int fullSize_;  // the face's pixel size for the cell's height
  mutable std::vector<QFont> outlines_;  // by pixel size, made when first asked for
  mutable QHash<QString, Placement> placements_;
  mutable QHash<QString, QImage> inked_;  // by text, colour and pixel ratio
};

}  // namespace jcw
