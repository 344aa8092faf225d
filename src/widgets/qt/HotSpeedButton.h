#pragma once
// THotSpeedButton: a speed button whose caption takes HotColor, and optionally turns bold, while
// the mouse is over it. Leaving gives the caption the system window-text colour back, whatever it
// was before. Speed buttons never take the keyboard focus.
//
// Down is Qt's checked state (setChecked/isChecked). Buttons with the same GroupIndex (> 0) under
// one parent form a group in which exactly one is down: clicking a button puts it down and
// releases the others; clicking the button that is down leaves it down. GroupIndex 0 (the
// default) is a plain push button. UI thread only.

#include <QColor>
#include <QToolButton>

namespace jcw {

class THotSpeedButton : public QToolButton {
  Q_OBJECT
  Q_PROPERTY(QColor HotColor READ HotColor WRITE setHotColor)
  Q_PROPERTY(bool HotBold READ HotBold WRITE setHotBold)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE setGroupIndex)

 public:
  explicit THotSpeedButton(QWidget* parent = nullptr);

  QColor HotColor() const { return hotColor_; }
  void setHotColor(const QColor& color) { hotColor_ = color; }
  bool HotBold() const { return hotBold_; }
  void setHotBold(bool bold) { hotBold_ = bold; }
  int GroupIndex() const { return groupIndex_; }
  // A positive index makes the button checkable and joins it to that group of its siblings.
  void setGroupIndex(int index);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  // A grouped button only ever goes down when clicked; the group releases the others.
  void nextCheckState() override;

 private:
  void setCaptionColor(const QColor& color);
  void setCaptionBold(bool bold);
  void releaseGroupSiblings();

  QColor hotColor_;
  bool hotBold_ = false;
  int groupIndex_ = 0;
};

}  // namespace jcw
