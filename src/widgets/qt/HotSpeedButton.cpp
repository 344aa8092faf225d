#include "widgets/qt/HotSpeedButton.h"

#include <QApplication>

namespace jcw {

THotSpeedButton::THotSpeedButton(QWidget* parent) : QToolButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QAbstractButton::toggled, this, [this](bool down) {
    if (down) releaseGroupSiblings();
  });
}

void THotSpeedButton::setGroupIndex(int index) {
  groupIndex_ = index;
  setCheckable(index > 0);
}

void THotSpeedButton::enterEvent(QEnterEvent* event) {
  QToolButton::enterEvent(event);
  setCaptionColor(hotColor_);
  if (hotBold_) setCaptionBold(true);
}

void THotSpeedButton::leaveEvent(QEvent* event) {
  // The application's palette, not ours: ours holds the hot colour by now.
  setCaptionColor(QApplication::palette(this).color(QPalette::WindowText));
  if (hotBold_) setCaptionBold(false);
  QToolButton::leaveEvent(event);
}

void THotSpeedButton::nextCheckState() {
  if (groupIndex_ > 0) {
    setChecked(true);
  } else {
    QToolButton::nextCheckState();
  }
}

void THotSpeedButton::setCaptionColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::ButtonText, color);
  setPalette(p);
}

void THotSpeedButton::setCaptionBold(bool bold) {
  QFont f = font();
  f.setBold(bold);
  setFont(f);
}

void THotSpeedButton::releaseGroupSiblings() {
  if (groupIndex_ <= 0 || parentWidget() == nullptr) return;
  const auto siblings =
      parentWidget()->findChildren<THotSpeedButton*>(Qt::FindDirectChildrenOnly);
  for (THotSpeedButton* sibling : siblings) {
    if (sibling != this && sibling->groupIndex_ == groupIndex_) sibling->setChecked(false);
  }
}

}  // namespace jcw
