#include "mainwindow/qt/MainMenus.h"

#include <QActionGroup>
#include <QCoreApplication>

#include "mainwindow/qt/ToolPictures.h"
#include "settings/Options.h"

namespace jcw {

namespace {

const QChar kShortcutSeparator = QLatin1Char('\t');

QAction* addItem(QMenu* menu, const char* name, const char* caption, const char* shortcut = "") {
  auto* item = menu->addAction(QString());
  item->setObjectName(QString::fromLatin1(name));
  setItemCaption(item, QCoreApplication::translate("jcw", caption));
  setItemShortcut(item, QString::fromLatin1(shortcut));
  return item;
}

void addSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QMenu* addSubmenu(QMenu* menu, const char* name, const char* caption) {
  auto* submenu = menu->addMenu(QCoreApplication::translate("jcw", caption));
  submenu->setObjectName(QString::fromLatin1(name));
  submenu->menuAction()->setObjectName(QString::fromLatin1(name));
  return submenu;
}

QAction* addCheckItem(QMenu* menu, const char* name, const char* caption, bool checked) {
  QAction* item = addItem(menu, name, caption);
  item->setCheckable(true);
  item->setChecked(checked);
  return item;
}

template <std::size_t N>
std::array<QAction*, N> addRadioGroup(QMenu* menu, const std::array<const char*, N>& names,
                                      const std::array<const char*, N>& captions,
                                      bool withPictures,
                                      const std::array<int, N>* tags = nullptr) {
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  std::array<QAction*, N> items{};
  for (std::size_t i = 0; i < N; ++i) {
    QAction* item = addItem(menu, names[i], captions[i]);
    item->setCheckable(true);
    item->setData(tags ? (*tags)[i] : static_cast<int>(i));
    if (withPictures) item->setIcon(QIcon(directionPicture(static_cast<int>(i))));
    group->addAction(item);
    items[i] = item;
  }
  return items;
}

// Object names of one copy of the options submenu.
struct OptionNames {
  const char* ind;
  const char* digitCross;
  const char* direct;
  std::array<const char*, 4> directions;
  const char* autoNext;
  std::array<const char*, 3> autoModes;
  const char* typingReplaces;
  const char* max;
  const char* minCell;
  std::array<const char*, 7> minCellSizes;
  const char* paint;
  const char* dragLock;
  const char* crossOff;
  std::array<const char*, 3> crossOffModes;
  const char* finishByFilled;
  const char* emptyDots;
  const char* crosshair;
};

constexpr std::array<int, 7> kMinCellChoices{8, 10, 12, 14, 16, 20, 24};
constexpr std::array<const char*, 7> kMinCellCaptions{
    QT_TRANSLATE_NOOP("jcw", "8 точек"),  QT_TRANSLATE_NOOP("jcw", "10 точек"),
    QT_TRANSLATE_NOOP("jcw", "12 точек"), QT_TRANSLATE_NOOP("jcw", "14 точек"),
    QT_TRANSLATE_NOOP("jcw", "16 точек"), QT_TRANSLATE_NOOP("jcw", "20 точек"),
    QT_TRANSLATE_NOOP("jcw", "24 точки")};

constexpr OptionNames kDownMenuOptions{
    "NInd", "NDiditCrest", "NDirect", {"SNRight", "SNDown", "SNPar", "SNCenter"},
    "NAutoNext", {"NAutoNo", "NAuto1D", "NAuto2D"}, "NTypingReplaces", "NMax", "NMinCell",
    {"NMinCell8", "NMinCell10", "NMinCell12", "NMinCell14", "NMinCell16", "NMinCell20",
     "NMinCell24"},
    "NPaint", "NDragLock", "NCrossOff", {"NCrossOffNone", "NCrossOffLines", "NCrossOffEach"},
    "NFinishByFilled", "NEmptyDots", "NCrosshair"};
constexpr OptionNames kMenuSBOptions{
    "NInd1", "NDigitCrest1", "NDirect1", {"SNRight1", "SNDown1", "SNPar1", "MenuItem23"},
    "NAutoNext1", {"NAutoNo1", "NAuto1D1", "NAuto2D1"}, "NTypingReplaces1", "NMax1", "NMinCell1",
    {"NMinCell8_1", "NMinCell10_1", "NMinCell12_1", "NMinCell14_1", "NMinCell16_1",
     "NMinCell20_1", "NMinCell24_1"},
    "NPaint1", "NDragLock1", "NCrossOff1",
    {"NCrossOffNone1", "NCrossOffLines1", "NCrossOffEach1"},
    "NFinishByFilled1", "NEmptyDots1", "NCrosshair1"};

// The solving aids, below the options of old; every one off until the player turns it on.
void addAidItems(QMenu* menu, const OptionNames& names, OptionItems& items) {
  menu->addSeparator();
  items.dragLock =
      addCheckItem(menu, names.dragLock, QT_TRANSLATE_NOOP("jcw", "Тянуть по одной линии"), false);
  items.crossOff =
      addSubmenu(menu, names.crossOff, QT_TRANSLATE_NOOP("jcw", "Зачёркивать числа"));
  items.crossOffModes = addRadioGroup<3>(
      items.crossOff, names.crossOffModes,
      {QT_TRANSLATE_NOOP("jcw", "Нет"), QT_TRANSLATE_NOOP("jcw", "Готовые линии"),
       QT_TRANSLATE_NOOP("jcw", "Каждое число")},
      false);
  items.finishByFilled = addCheckItem(
      menu, names.finishByFilled, QT_TRANSLATE_NOOP("jcw", "Решено, когда верны закрашенные"),
      false);
  items.emptyDots =
      addCheckItem(menu, names.emptyDots, QT_TRANSLATE_NOOP("jcw", "Точки в пустых клетках"), false);
  items.crosshair = addCheckItem(menu, names.crosshair,
                                 QT_TRANSLATE_NOOP("jcw", "Подсвечивать строку и столбец"), false);
}

OptionItems addOptionItems(QMenu* menu, const OptionNames& names) {
  OptionItems items;
  items.ind = addCheckItem(menu, names.ind, QT_TRANSLATE_NOOP("jcw", "Индикатор ошибок"), true);
  items.digitCross =
      addCheckItem(menu, names.digitCross, QT_TRANSLATE_NOOP("jcw", "\"Цифровой крест\""), true);
  items.direct = addSubmenu(menu, names.direct, QT_TRANSLATE_NOOP("jcw", "Направление перехода"));
  items.directions = addRadioGroup<4>(
      items.direct, names.directions,
      {QT_TRANSLATE_NOOP("jcw", "Всегда Вправо"), QT_TRANSLATE_NOOP("jcw", "Всегда Вниз"),
       QT_TRANSLATE_NOOP("jcw", "Вдоль поля"), QT_TRANSLATE_NOOP("jcw", "К центру поля")},
      true);
  items.autoNext =
      addSubmenu(menu, names.autoNext, QT_TRANSLATE_NOOP("jcw", "Автоматический переход (F4)"));
  items.autoModes =
      addRadioGroup<3>(items.autoNext, names.autoModes,
                       {QT_TRANSLATE_NOOP("jcw", "Нет"),
                        QT_TRANSLATE_NOOP("jcw", "После одной цифры (Ctrl для двузначных)"),
                        QT_TRANSLATE_NOOP("jcw", "После двух цифр")},
                       false);
  items.typingReplaces = addCheckItem(menu, names.typingReplaces,
                                      QT_TRANSLATE_NOOP("jcw", "Ввод заменяет число"), false);
  items.max =
      addCheckItem(menu, names.max, QT_TRANSLATE_NOOP("jcw", "Максимальный размер поля"), false);
  items.minCell =
      addSubmenu(menu, names.minCell, QT_TRANSLATE_NOOP("jcw", "Минимальный размер клетки"));
  items.minCellSizes = addRadioGroup<7>(items.minCell, names.minCellSizes, kMinCellCaptions,
                                        false, &kMinCellChoices);
  items.paint = addItem(menu, names.paint, QT_TRANSLATE_NOOP("jcw", "Отключить перерисовку"));
  addAidItems(menu, names, items);
  return items;
}

QMenu* newMenu(QWidget* owner, const char* name) {
  auto* menu = new QMenu(owner);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

}  // namespace

MainMenus buildMainMenus(QWidget* owner) {
  MainMenus m;
  m.DownMenu = newMenu(owner, "DownMenu");
  QMenu* down = m.DownMenu;
  m.NStart = addItem(down, "NStart", QT_TRANSLATE_NOOP("jcw", "&Старт"), "F9");
  m.NEdit = addItem(down, "NEdit", QT_TRANSLATE_NOOP("jcw", "&Редактор"));
  m.NDraw = addItem(down, "NDraw", QT_TRANSLATE_NOOP("jcw", "Р&исование"), "F11");
  addSeparator(down, "N3");
  m.NLoad = addItem(down, "NLoad", QT_TRANSLATE_NOOP("jcw", "&Загрузить"), "F3");
  m.NSave0 = addItem(down, "NSave0", QT_TRANSLATE_NOOP("jcw", "Со&хранить"), "F2");
  m.NSaveAs = addItem(down, "NSaveAs", QT_TRANSLATE_NOOP("jcw", "Сохранить &как..."));
  m.NPrint = addItem(down, "NPrint", QT_TRANSLATE_NOOP("jcw", "Печать..."), "Ctrl+P");
  m.NNew = addItem(down, "NNew", QT_TRANSLATE_NOOP("jcw", "&Новый кроссворд..."), "Ctrl+N");
  m.NRecent = addSubmenu(down, "NRecent", QT_TRANSLATE_NOOP("jcw", "Последние кроссворды"));
  m.NRecent->setToolTipsVisible(true);
  addSeparator(down, "N6");
  m.NUndo =
      addItem(down, "NUndo", QT_TRANSLATE_NOOP("jcw", "Отменить последний ход"), "Alt+Backspace");
  m.NRedo = addItem(down, "NRedo", QT_TRANSLATE_NOOP("jcw", "Вернуть отменённый ход"), "Ctrl+Y");
  m.NCheckpoint = addItem(down, "NCheckpoint", QT_TRANSLATE_NOOP("jcw", "Запомнить позицию"), "F5");
  m.NBackToCheckpoint =
      addItem(down, "NBackToCheckpoint", QT_TRANSLATE_NOOP("jcw", "Вернуться к позиции"), "F6");
  m.NAcceptCheckpoint =
      addItem(down, "NAcceptCheckpoint", QT_TRANSLATE_NOOP("jcw", "Принять"), "Shift+F5");
  m.NClear = addItem(down, "NClear", QT_TRANSLATE_NOOP("jcw", "Очистить поле"), "Ctrl+Del");
  addSeparator(down, "NZoomSeparator");
  m.NZoomIn = addItem(down, "NZoomIn", QT_TRANSLATE_NOOP("jcw", "Крупнее"), "Ctrl++");
  m.NZoomOut = addItem(down, "NZoomOut", QT_TRANSLATE_NOOP("jcw", "Мельче"), "Ctrl+-");
  m.NZoomWhole = addItem(down, "NZoomWhole", QT_TRANSLATE_NOOP("jcw", "Весь кроссворд"), "Ctrl+0");
  addSeparator(down, "N10");
  m.NTools = addCheckItem(down, "NTools", QT_TRANSLATE_NOOP("jcw", "Панель инструментов"), false);
  m.NAuto = addItem(down, "NAuto", QT_TRANSLATE_NOOP("jcw", "Авторешение и Тест"));
  m.NHelp = addItem(down, "NHelp", QT_TRANSLATE_NOOP("jcw", "Подсказка"));
  m.NHintLine =
      addItem(down, "NHintLine", QT_TRANSLATE_NOOP("jcw", "Подсказка: одна линия"), "F8");
  m.NCheckMenu = addSubmenu(down, "NCheckMenu", QT_TRANSLATE_NOOP("jcw", "Проверка"));
  m.NCheck = addItem(m.NCheckMenu, "NCheck", QT_TRANSLATE_NOOP("jcw", "Проверить"), "F7");
  m.NBackToRight = addItem(m.NCheckMenu, "NBackToRight",
                           QT_TRANSLATE_NOOP("jcw", "Вернуться к последней верной"));
  addSeparator(down, "N2");
  m.NOptions = addSubmenu(down, "NOptions", QT_TRANSLATE_NOOP("jcw", "Настройки"));
  m.options = addOptionItems(m.NOptions, kDownMenuOptions);
  m.N1 = addItem(down, "N1", QT_TRANSLATE_NOOP("jcw", "&О программе"));
  addSeparator(down, "N11");
  m.NExit = addItem(down, "NExit", QT_TRANSLATE_NOOP("jcw", "&Выход"));

  m.MenuSB = newMenu(owner, "MenuSB");
  m.sbOptions = addOptionItems(m.MenuSB, kMenuSBOptions);
  return m;
}

void refreshOptionItems(const OptionItems& items, const AidOptions& aids) {
  items.dragLock->setChecked(aids.dragLineLock);
  items.crossOffModes[static_cast<std::size_t>(aids.crossOff)]->setChecked(true);
  items.finishByFilled->setChecked(aids.finishByFilled);
  items.emptyDots->setChecked(aids.emptyDots);
  items.crosshair->setChecked(aids.quietCrosshair);
  items.ind->setChecked(IndErr);
  items.digitCross->setChecked(DigCr);
  items.max->setChecked(Maximize);
  if (NextDirect < items.directions.size()) items.directions[NextDirect]->setChecked(true);
  if (Go2Dig < items.autoModes.size()) items.autoModes[Go2Dig]->setChecked(true);
  for (QAction* size : items.minCellSizes) size->setChecked(itemTag(size) == MinCellSize);
}

void refreshPaintCaptions(const MainMenus& menus) {
  const QString caption = PaintOn ? QCoreApplication::translate("jcw", "Отключить перерисовку")
                                  : QCoreApplication::translate("jcw", "Включить перерисовку");
  setItemCaption(menus.options.paint, caption);
  setItemCaption(menus.sbOptions.paint, caption);
}

QString itemCaption(const QAction* item) { return item->text().section(kShortcutSeparator, 0, 0); }

QString itemShortcut(const QAction* item) { return item->text().section(kShortcutSeparator, 1); }

namespace {
void setItemText(QAction* item, const QString& caption, const QString& shortcut) {
  item->setText(shortcut.isEmpty() ? caption : caption + kShortcutSeparator + shortcut);
}
}  // namespace

void setItemCaption(QAction* item, const QString& caption) {
  setItemText(item, caption, itemShortcut(item));
}

void setItemShortcut(QAction* item, const QString& shortcut) {
  setItemText(item, itemCaption(item), shortcut);
}

int itemTag(const QAction* item) { return item->data().toInt(); }

QPushButton* makeMenuButton(QWidget* parent) {
  auto* button = new QPushButton(QCoreApplication::translate("jcw", "&Меню"), parent);
  button->setObjectName(QStringLiteral("MainBtn"));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace jcw
