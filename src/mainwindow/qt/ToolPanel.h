#pragma once
// PanelTools: the main window's tool bar of sixteen buttons (43 x 36, pictures 36 x 30), docked
// along the top or the left edge of the client area. It places its buttons itself, in a row or
// a column after an indent of 10 pixels, so its thickness is known exactly: a button plus a
// one-pixel edge. Buttons never take the keyboard focus; the field keeps it.

#include <QToolButton>
#include <QWidget>
#include <array>

#include "mainwindow/CellLayout.h"

namespace jcw {

enum ToolButtonId {
  SBStart, SBOpen, SBSave, SBSaveAs, SBNew, SBUndo, SBRedo, SBClear, SBAuto, SBTip, SBOptions,
  SBExit, SBCheckpoint, SBBackToCheckpoint, SBAcceptCheckpoint, SBDraw, kToolButtonCount
};

class ToolPanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kButtonWidth = 43;
  static constexpr int kButtonHeight = 36;
  static constexpr int kIndent = 10;
  static constexpr int kEdge = 1;
  static constexpr int kTopThickness = kButtonHeight + kEdge;   // height when docked on top
  static constexpr int kLeftThickness = kButtonWidth + kEdge;   // width when docked left

  explicit ToolPanel(QWidget* parent);

  QToolButton* button(ToolButtonId id) const { return buttons_[id]; }
  // Shows picture `index` of the tool pictures on button `id`.
  void setPicture(ToolButtonId id, int index);
  int picture(ToolButtonId id) const { return pictures_[id]; }

  ToolSide side() const { return side_; }
  // Docks along the top (full client width) or the left edge (full client height).
  void dock(ToolSide side, QSize client);

 private:
  std::array<QToolButton*, kToolButtonCount> buttons_{};
  std::array<int, kToolButtonCount> pictures_{};
  ToolSide side_ = ToolSide::Top;
};

}  // namespace jcw
