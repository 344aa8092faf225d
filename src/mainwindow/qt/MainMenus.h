#pragma once
// The main window's two pop-up menus: DownMenu (opened by MainBtn or the M key) and MenuSB
// (opened by the options tool button), which holds a second copy of the options submenu. Items
// carry the object names the window's commands use. Shortcut texts are shown only: the keys
// reach the commands through the field.

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <array>

#include "settings/AidOptions.h"

namespace jcw {

// One copy of the options submenu.
struct OptionItems {
  QAction* ind = nullptr;         // NInd / NInd1
  QAction* digitCross = nullptr;  // NDiditCrest / NDigitCrest1
  QMenu* direct = nullptr;        // NDirect / NDirect1
  std::array<QAction*, 4> directions{};  // Tags 0..3 = NextDirect
  QMenu* autoNext = nullptr;      // NAutoNext / NAutoNext1
  std::array<QAction*, 3> autoModes{};   // Tags 0..2 = Go2Dig
  QAction* typingReplaces = nullptr;  // NTypingReplaces / NTypingReplaces1 (EditorOptions)
  QAction* max = nullptr;         // NMax / NMax1
  QMenu* minCell = nullptr;       // NMinCell / NMinCell1
  std::array<QAction*, 7> minCellSizes{};  // Tags = MinCellSize values
  QAction* paint = nullptr;       // NPaint / NPaint1
  // The solving aids.
  QAction* dragLock = nullptr;    // NDragLock / NDragLock1
  QMenu* crossOff = nullptr;      // NCrossOff / NCrossOff1
  std::array<QAction*, 3> crossOffModes{};  // Tags 0..2 = CrossOffMode
  QAction* finishByFilled = nullptr;  // NFinishByFilled / NFinishByFilled1
  QAction* emptyDots = nullptr;   // NEmptyDots / NEmptyDots1
  QAction* crosshair = nullptr;   // NCrosshair / NCrosshair1
};

struct MainMenus {
  QMenu* DownMenu = nullptr;
  QAction* NStart = nullptr;
  QAction* NEdit = nullptr;
  QAction* NDraw = nullptr;     // "Рисование": picture mode
  QAction* NLoad = nullptr;
  QAction* NSave0 = nullptr;
  QAction* NSaveAs = nullptr;
  QAction* NPrint = nullptr;
  QAction* NNew = nullptr;
  QMenu* NRecent = nullptr;  // the recent crosswords, filled each time DownMenu opens
  QAction* NUndo = nullptr;
  QAction* NRedo = nullptr;
  QAction* NCheckpoint = nullptr;        // "Запомнить позицию"
  QAction* NBackToCheckpoint = nullptr;  // "Вернуться к позиции"
  QAction* NAcceptCheckpoint = nullptr;  // "Принять"
  QAction* NClear = nullptr;
  QAction* NZoomIn = nullptr;
  QAction* NZoomOut = nullptr;
  QAction* NZoomWhole = nullptr;
  QAction* NTools = nullptr;
  QAction* NAuto = nullptr;
  QAction* NHelp = nullptr;
  QAction* NHintLine = nullptr;     // "Подсказка: одна линия"
  QMenu* NCheckMenu = nullptr;      // "Проверка": the check and the way back
  QAction* NCheck = nullptr;        // "Проверить"
  QAction* NBackToRight = nullptr;  // "Вернуться к последней верной"
  QMenu* NOptions = nullptr;
  QAction* N1 = nullptr;
  QAction* NExit = nullptr;
  OptionItems options;  // the NOptions submenu

  QMenu* MenuSB = nullptr;
  OptionItems sbOptions;  // MenuSB's copy
};

// Builds both menus as children of `owner`.
MainMenus buildMainMenus(QWidget* owner);

// The "Меню" button that opens DownMenu; it never takes the focus from the field.
QPushButton* makeMenuButton(QWidget* parent);

// What a menu shows each time it opens: the option items' marks from the options, and the
// redraw item named by what it will do ("Отключить перерисовку" while PaintOn) in both menus.
void refreshOptionItems(const OptionItems& items, const AidOptions& aids);
void refreshPaintCaptions(const MainMenus& menus);

// An item's caption and its shown shortcut text are kept together in the action's text,
// separated by a tab (the menu draws what follows the tab as the shortcut).
QString itemCaption(const QAction* item);
QString itemShortcut(const QAction* item);
void setItemCaption(QAction* item, const QString& caption);
void setItemShortcut(QAction* item, const QString& shortcut);

// The item's Tag: the option value it stands for.
int itemTag(const QAction* item);

}  // namespace jcw
