#include "field/qt/FieldColors.h"

#include <QGuiApplication>
#include <QPalette>

#include "field/ViewState.h"
#include "model/Crossword.h"

namespace jcw {

namespace {
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kDarkGrey(96, 96, 96);

QColor pictureFill(std::uint8_t state) {
  switch (state) {
    case csFilled: return kBlack;
    case csEmpty: return kWhite;
    default: return buttonFaceColor();
  }
}

QColor clueFill(std::uint8_t state) {
  switch (state) {
    case csSelected: return windowColor();
    case csHover: return kYellow;
    default: return toQColor(HeaderColor);
  }
}
}  // namespace

QColor toQColor(Rgb color) { return QColor(color.red, color.green, color.blue); }
Rgb toRgb(const QColor& color) {
  const QRgb rgb = color.rgb();
  return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
          static_cast<std::uint8_t>(qBlue(rgb))};
}

QColor buttonFaceColor() { return QGuiApplication::palette().color(QPalette::Button); }
QColor windowColor() { return QGuiApplication::palette().color(QPalette::Base); }
QColor windowTextColor() { return QGuiApplication::palette().color(QPalette::WindowText); }

QColor cellFillColor(const TCell& cell) {
  return cell.Kind == ckPicture ? pictureFill(cell.State) : clueFill(cell.State);
}

QColor cellFrameColor(const TCell& cell) { return cell.Kind == ckClue ? kBlack : kDarkGrey; }

QColor indicatorColor(int lineStatus) {
  switch (lineStatus) {
    case lsRight: return kGreen;
    case lsWrong: return kRed;
    default: return buttonFaceColor();
  }
}

QColor crossDigitColor(std::uint8_t state) { return state == csFilled ? kWhite : kRed; }

}  // namespace jcw
