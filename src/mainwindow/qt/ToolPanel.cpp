#include "mainwindow/qt/ToolPanel.h"

#include "mainwindow/qt/ToolPictures.h"

namespace jcw {

namespace {

struct ButtonSpec {
  const char* name;
  int picture;
  const char* hint;
};

constexpr std::array<ButtonSpec, kToolButtonCount> kButtons{{
    {"SBStart", 1, ""},
    {"SBOpen", 2, "Открыть кроссворд"},
    {"SBSave", 3, "Сохранить кроссворд"},
    {"SBSaveAs", 4, "Сохранить кроссворд под другим именем"},
    {"SBNew", 5, "Создать новый кроссворд"},
    {"SBUndo", 6, "Отменить последний ход"},
    {"SBRedo", 12, "Вернуть отменённый ход"},
    {"SBClear", 7, "Очистить все поле"},
    {"SBAuto", 8, "Автоматическое решение и Тест"},
    {"SBTip", 9, "Подсказка"},
    {"SBOptions", 10, "Настройки"},
    {"SBExit", 11, "Выход"},
    // The checkpoint buttons last: the buttons before them keep their places.
    {"SBCheckpoint", 13, "Запомнить позицию"},
    {"SBBackToCheckpoint", 14, "Вернуться к позиции"},
    {"SBAcceptCheckpoint", 15, "Принять"},
}};

}  // namespace

ToolPanel::ToolPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PanelTools"));
  setAutoFillBackground(true);
  for (int i = 0; i < kToolButtonCount; ++i) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(kButtons[i].name));
    button->setToolTip(QString::fromUtf8(kButtons[i].hint));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setIconSize(toolPicture(0).size());
    buttons_[i] = button;
    setPicture(static_cast<ToolButtonId>(i), kButtons[i].picture);
  }
}

void ToolPanel::setPicture(ToolButtonId id, int index) {
  pictures_[id] = index;
  buttons_[id]->setIcon(QIcon(toolPicture(index)));
}

void ToolPanel::dock(ToolSide side, QSize client) {
  side_ = side;
  const bool top = side == ToolSide::Top;
  setGeometry(0, 0, top ? client.width() : kLeftThickness, top ? kTopThickness : client.height());
  for (int i = 0; i < kToolButtonCount; ++i) {
    const int along = kIndent + i * (top ? kButtonWidth : kButtonHeight);
    buttons_[i]->move(top ? along : 0, top ? 0 : along);
  }
}

}  // namespace jcw
