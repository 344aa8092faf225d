#include "mainwindow/qt/ToolPanel.h"

#include <QCoreApplication>

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
    {"SBOpen", 2, QT_TRANSLATE_NOOP("jcw", "Открыть кроссворд")},
    {"SBSave", 3, QT_TRANSLATE_NOOP("jcw", "Сохранить кроссворд")},
    {"SBSaveAs", 4, QT_TRANSLATE_NOOP("jcw", "Сохранить кроссворд под другим именем")},
    {"SBNew", 5, QT_TRANSLATE_NOOP("jcw", "Создать новый кроссворд")},
    {"SBUndo", 6, QT_TRANSLATE_NOOP("jcw", "Отменить последний ход")},
    {"SBRedo", 12, QT_TRANSLATE_NOOP("jcw", "Вернуть отменённый ход")},
    {"SBClear", 7, QT_TRANSLATE_NOOP("jcw", "Очистить все поле")},
    {"SBAuto", 8, QT_TRANSLATE_NOOP("jcw", "Автоматическое решение и Тест")},
    {"SBTip", 9, QT_TRANSLATE_NOOP("jcw", "Подсказка")},
    {"SBOptions", 10, QT_TRANSLATE_NOOP("jcw", "Настройки")},
    {"SBExit", 11, QT_TRANSLATE_NOOP("jcw", "Выход")},
    // The checkpoint buttons last: the buttons before them keep their places.
    {"SBCheckpoint", 13, QT_TRANSLATE_NOOP("jcw", "Запомнить позицию")},
    {"SBBackToCheckpoint", 14, QT_TRANSLATE_NOOP("jcw", "Вернуться к позиции")},
    {"SBAcceptCheckpoint", 15, QT_TRANSLATE_NOOP("jcw", "Принять")},
    {"SBDraw", 16, QT_TRANSLATE_NOOP("jcw", "Рисование: числа по рисунку")},
}};

}  // namespace

ToolPanel::ToolPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PanelTools"));
  setAutoFillBackground(true);
  for (int i = 0; i < kToolButtonCount; ++i) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(kButtons[i].name));
    button->setToolTip(QCoreApplication::translate("jcw", kButtons[i].hint));
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
