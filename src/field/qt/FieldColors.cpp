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

constexpr std::uint8_t kClueStates = 4;
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

CellFills currentCellFills() {
  const QColor face = buttonFaceColor();
  return {{face, kBlack, kWhite}, {toQColor(HeaderColor), windowColor(), face, kYellow}};
}

const QColor& CellFills::of(std::uint8_t kind, std::uint8_t state) const {
  if (kind == ckPicture) return picture[state <= csEmpty ? state : std::uint8_t{csBlank}];
  // State 2 is no clue state: it fills like state 0.
  return clue[state < kClueStates && state != 2 ? state : std::uint8_t{csBlank}];
}

QColor cellFillColor(const TCell& cell) { return currentCellFills().of(cell.Kind, cell.State); }

QColor cellFrameColor(const TCell& cell) { return cell.Kind == ckClue ? kBlack : kDarkGrey; }

QColor indicatorColor(int lineStatus) {
  switch (lineStatus) {
    case lsRight: return kGreen;
    case lsWrong: return kRed;
    default: return buttonFaceColor();
  }
}

QColor differingCellColor() { return QColor(255, 0, 255); }

QColor flaggedClueColor() { return kRed; }

QColor cursorLineColor() { return QColor(255, 250, 205); }
QColor crossedOffClueColor() { return QColor(160, 160, 160); }

QColor crosshairTint(const QColor& fill) {
  const QColor tint(120, 170, 255);
  constexpr int kShare = 35;  // percent of the tint
  const auto mix = [](int a, int b) { return (a * (100 - kShare) + b * kShare) / 100; };
  return QColor(mix(fill.red(), tint.red()), mix(fill.green(), tint.green()),
                mix(fill.blue(), tint.blue()));
}

QColor emptyDotColor() { return kDarkGrey; }

QColor crossDigitColor(std::uint8_t state) { return state == csFilled ? kWhite : kRed; }

}  // namespace jcw
