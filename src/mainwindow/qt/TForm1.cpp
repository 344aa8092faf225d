#include "mainwindow/qt/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <map>
#include <utility>
#include <vector>

#include "field/ClueEntry.h"
#include "field/ViewState.h"
#include "field/VirtualKeys.h"
#include "field/qt/FieldColors.h"
#include "field/qt/FieldInput.h"
#include "field/qt/MoveCursorEvent.h"
#include "files/CrosswordFile.h"
#include "files/qt/FileCommands.h"
#include "files/qt/Printing.h"
#include "files/qt/SaveQuestion.h"
#include "files/SessionPlaces.h"
#include "mainwindow/HistoryCommands.h"
#include "mainwindow/MainState.h"
#include "mainwindow/PrintSolution.h"
#include "mainwindow/qt/Autosave.h"
#include "mainwindow/qt/MainWindowAutoHost.h"
#include "mainwindow/qt/PictureMode.h"
#include "mainwindow/qt/WindowLayout.h"
#include "model/Dimensions.h"
#include "model/ProcessState.h"
#include "platform/ProcessAlive.h"
#include "platform/UserDirs.h"
#include "platform/qt/Platform.h"
#include "settings/Options.h"
#include "settings/qt/SettingsSession.h"
#include "files/qt/ClipboardClues.h"
#include "solver/qt/Check.h"
#include "solver/qt/Hint.h"
#include "solver/qt/HintLine.h"
#include "solver/qt/TFormAuto.h"
#include "widgets/qt/About.h"

namespace jcw {

namespace {

// A function, not a constant: the translation is installed after static initialisation.
QString appTitle() { return QCoreApplication::translate("jcw", "Японский кроссворд"); }

QString sizeText() { return QStringLiteral("%1x%2").arg(ColCount).arg(RowCount); }

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(appTitle());
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);

  MainBtn = makeMenuButton(this);
  MainBtn->installEventFilter(this);

  WaitPanel = makeWaitPanel(this);

  PanelTools = new ToolPanel(this);
  layout_ = std::make_unique<WindowLayout>(*this, *PanelTools, *MainBtn);
  autosave_ = new Autosave(sessionPathFor(sessionDirectory(), currentProcessId()),
                           [this] { return currentSession(); }, this);
  menus_ = buildMainMenus(this);
  aids_ = storedAidOptions();
  attachField(new TGrid(this));
  picture_ = new PictureMode(*this, [this] { return field_; }, [this] {
    setCurrentDimensions(model().dims());
    setWindowTitle(title());
    layout_->GetCellSize();
    layout_->placeMainBtn();
    picture_->placeStatusLine();
  });
  // One row of the main menu for picture mode: its item opens the picture menu.
  menus_.DownMenu->insertMenu(menus_.NDraw, picture_->pictureMenu());
  menus_.DownMenu->removeAction(menus_.NDraw);
  picture_->addEnterItem(menus_.NDraw);
  connectCommands();
  acceptCrosswordDrops(*this);

  auto* autoHost =
      new MainWindowAutoHost(*this, *MainBtn, *WaitPanel, *PanelTools->button(SBAuto));
  FormAuto = new TFormAuto(*autoHost, this);
  autoHost->setParent(FormAuto);
  Form3 = new TForm3(this);

  layout_->useDefaultClient();
}

TForm1::~TForm1() = default;

// --- the field ------------------------------------------------------------------------------

void TForm1::attachField(TGrid* field) {
  field_ = field;
  field_->setObjectName(QStringLiteral("Field"));
  field_->setHost(this);
  field_->setFocusPolicy(Qt::StrongFocus);
  field_->installEventFilter(this);
  field_->lower();
  field_->setAids(aids_);
  layout_->setField(field_);
}

TGrid* TForm1::replaceField() {
  // The old field may be running the command that replaces it (a key of its own), so it goes
  // at the next turn of the event loop, and cannot reach this window any more meanwhile.
  TGrid* old = field_;
  // The tool window served the crossword that goes; a new one may not even have a table yet.
  FormAuto->close();
  old->removeEventFilter(this);
  old->setHost(nullptr);
  old->hide();
  old->deleteLater();
  attachField(new TGrid(this));
  field_->setGeometry(old->geometry());
  field_->show();
  historyChanged();  // the work that went is no longer kept for a restart either
  return field_;
}

int TForm1::startButtonPicture() const { return PanelTools->picture(SBStart); }

// --- wiring -----------------------------------------------------------------------------------

void TForm1::connectCommands() {
  // While a run works on the crossword, commands wait. The tool window's toggle (NAuto, SBAuto)
  // is connected without the wait: it keeps its button in step with the window by itself.
  const auto unlessBusy = [this](void (TForm1::*handler)()) {
    return [this, handler] {
      if (SolverBusy) return;
      field_->clearDifferingCells();  // it showed the crossword as it was before the command
      (this->*handler)();
    };
  };
  const MainMenus& m = menus_;
  const auto onTrigger = [&](QAction* item, void (TForm1::*handler)()) {
    connect(item, &QAction::triggered, this, unlessBusy(handler));
  };
  onTrigger(m.NStart, &TForm1::NStartClick);
  onTrigger(m.NEdit, &TForm1::NEditClick);
  onTrigger(m.NDraw, &TForm1::NDrawClick);
  onTrigger(m.NLoad, &TForm1::NLoadClick);
  onTrigger(m.NSave0, &TForm1::NSave0Click);
  onTrigger(m.NSaveAs, &TForm1::NSaveAsClick);
  onTrigger(m.NPrint, &TForm1::NPrintClick);
  onTrigger(m.NNew, &TForm1::NNewClick);
  onTrigger(m.NUndo, &TForm1::NUndoClick);
  onTrigger(m.NRedo, &TForm1::NRedoClick);
  onTrigger(m.NCheckpoint, &TForm1::NCheckpointClick);
  onTrigger(m.NBackToCheckpoint, &TForm1::NBackToCheckpointClick);
  onTrigger(m.NAcceptCheckpoint, &TForm1::NAcceptCheckpointClick);
  onTrigger(m.NClear, &TForm1::NClearClick);
  onTrigger(m.NHelp, &TForm1::NHelpClick);
  onTrigger(m.NHintLine, &TForm1::NHintLineClick);
  onTrigger(m.NCheck, &TForm1::NCheckClick);
  onTrigger(m.NBackToRight, &TForm1::NBackToRightClick);
  onTrigger(m.N1, &TForm1::N1Click);
  onTrigger(m.NExit, &TForm1::NExitClick);
  connect(m.NZoomIn, &QAction::triggered, this, [this] { zoomAboutMiddle(ZoomStep::In); });
  connect(m.NZoomOut, &QAction::triggered, this, [this] { zoomAboutMiddle(ZoomStep::Out); });
  connect(m.NZoomWhole, &QAction::triggered, this, [this] { zoomAboutMiddle(ZoomStep::Whole); });
  connect(m.NAuto, &QAction::triggered, this, &TForm1::NAutoClick);
  connect(m.NTools, &QAction::triggered, this, [this, item = m.NTools] { NToolsClick(item); });
  connectOptionItems(m.options);
  connectOptionItems(m.sbOptions);

  const auto onClick = [&](ToolButtonId id, void (TForm1::*handler)()) {
    connect(PanelTools->button(id), &QToolButton::clicked, this, unlessBusy(handler));
  };
  onClick(SBStart, &TForm1::SBStartClick);
  onClick(SBOpen, &TForm1::SBOpenClick);
  onClick(SBSave, &TForm1::SBSaveClick);
  onClick(SBSaveAs, &TForm1::SBSaveAsClick);
  onClick(SBNew, &TForm1::SBNewClick);
  onClick(SBUndo, &TForm1::NUndoClick);
  onClick(SBRedo, &TForm1::NRedoClick);
  onClick(SBCheckpoint, &TForm1::NCheckpointClick);
  onClick(SBBackToCheckpoint, &TForm1::NBackToCheckpointClick);
  onClick(SBAcceptCheckpoint, &TForm1::NAcceptCheckpointClick);
  onClick(SBClear, &TForm1::SBClearClick);
  onClick(SBTip, &TForm1::SBTipClick);
  onClick(SBOptions, &TForm1::SBOptionsClick);
  onClick(SBExit, &TForm1::SBExitClick);
  onClick(SBDraw, &TForm1::NDrawClick);
  connect(PanelTools->button(SBAuto), &QToolButton::clicked, this, &TForm1::SBAutoClick);
}

void TForm1::connectOptionItems(const OptionItems& items) {
  const auto onTrigger = [this](QAction* item, void (TForm1::*handler)(QAction*)) {
    connect(item, &QAction::triggered, this, [this, item, handler] { (this->*handler)(item); });
  };
  onTrigger(items.ind, &TForm1::NIndClick);
  onTrigger(items.digitCross, &TForm1::NDiditCrestClick);
  for (QAction* item : items.directions) onTrigger(item, &TForm1::SNRightClick);
  for (QAction* item : items.autoModes) onTrigger(item, &TForm1::NAuto2DClick);
  onTrigger(items.max, &TForm1::NMaxClick);
  onTrigger(items.typingReplaces, &TForm1::NTypingReplacesClick);
  for (QAction* item : items.minCellSizes) onTrigger(item, &TForm1::NMinCellClick);
  onTrigger(items.paint, &TForm1::NPaintClick);
  for (QAction* item : {items.dragLock, items.finishByFilled, items.emptyDots, items.crosshair})
    onTrigger(item, &TForm1::aidItemClick);
  for (QAction* item : items.crossOffModes) onTrigger(item, &TForm1::aidItemClick);
}

// --- modes ------------------------------------------------------------------------------------

QString TForm1::title() const {
  const QString base = appTitle() + QString::fromStdString(captionName(field_->model()));
  switch (CurrentMode) {
    case kEditorMode:
      return base + QCoreApplication::translate("jcw", " - режим редактирования - ") + sizeText();
    case kSolvingMode: return base + QStringLiteral(" - ") + sizeText();
    case kPictureMode:
      return base + QCoreApplication::translate("jcw", " - рисование - ") + sizeText();
    default: return base + QCoreApplication::translate("jcw", " - просмотр");
  }
}

void TForm1::setCommandsForMode(int mode) {
  const bool editor = mode == kEditorMode;
  const bool solving = mode == kSolvingMode;
  const bool drawing = mode == kPictureMode;
  menus_.NDraw->setEnabled(!drawing);
  PanelTools->button(SBDraw)->setEnabled(!drawing);
  picture_->enableCommands(drawing);
  menus_.NStart->setEnabled(!solving);
  menus_.NEdit->setEnabled(!editor);
  setItemShortcut(menus_.NStart, editor ? QStringLiteral("F9") : QString());
  setItemShortcut(menus_.NEdit, editor ? QString() : QStringLiteral("F9"));
  if (mode != kViewMode) {
    PanelTools->setPicture(SBStart, editor ? 1 : 0);
    PanelTools->button(SBStart)->setToolTip(editor
                                                ? QCoreApplication::translate("jcw", "Старт")
                                                : QCoreApplication::translate("jcw", "Редактор"));
  }
  PanelTools->button(SBTip)->setEnabled(solving);
  for (QAction* item : {menus_.NHelp, menus_.NHintLine, menus_.NCheckMenu->menuAction()})
    item->setEnabled(solving);
  // The solver would write over the picture; picture mode analyses by itself.
  PanelTools->button(SBAuto)->setEnabled(mode != kViewMode && !drawing);
  menus_.NAuto->setEnabled(mode != kViewMode && !drawing);
  historyChanged();
}

void TForm1::SetMode(int mode) {
  if (CurrentMode == kPictureMode && mode != kPictureMode) picture_->left();
  CurrentMode = static_cast<std::uint8_t>(mode);
  LayoutReady = false;
  field_->clearDifferingCells();
  const CellPos cursor = model().EditCursor;
  if (mode == kEditorMode) {
    field_->SelectClueCell(cursor.x, cursor.y);
    HeaderColor = kEditorHeaderColor;
  } else if (mode == kSolvingMode || mode == kPictureMode) {
    // The cursor leaves its cell as a move would: a typed "0" is no clue, "07" is 7.
    if (model().inTable(cursor.x, cursor.y)) leaveClueCell(model());
    HeaderColor = toRgb(buttonFaceColor());
  }
  if (mode == kEditorMode || mode == kSolvingMode || mode == kPictureMode)
    field_->move(FieldLeft, field_->y());
  if (mode == kEditorMode || mode == kSolvingMode || mode == kViewMode || mode == kPictureMode) {
    setWindowTitle(title());
    setCommandsForMode(mode);
  }
  layout_->wrapField();
  LayoutReady = true;
  field_->invalidateField();
  if (mode == kPictureMode) picture_->entered();
}

bool TForm1::startEnabled() const { return menus_.NStart->isEnabled(); }

void TForm1::setStartEnabled(bool enabled) { menus_.NStart->setEnabled(enabled); }

void TForm1::historyChanged() {
  const HistoryCommands commands = historyCommandsOf(model(), CurrentMode);
  const std::pair<bool, std::vector<QAction*>> items[] = {
      {commands.undo, {menus_.NUndo}},
      {commands.redo, {menus_.NRedo}},
      {commands.save, {menus_.NSave0}},
      {commands.setCheckpoint, {menus_.NCheckpoint}},
      {commands.useCheckpoint, {menus_.NBackToCheckpoint, menus_.NAcceptCheckpoint}}};
  for (const auto& [enabled, actions] : items)
    for (QAction* action : actions) action->setEnabled(enabled);
  const std::pair<bool, std::vector<ToolButtonId>> buttons[] = {
      {commands.undo, {SBUndo}},
      {commands.redo, {SBRedo}},
      {commands.save, {SBSave}},
      {commands.setCheckpoint, {SBCheckpoint}},
      {commands.useCheckpoint, {SBBackToCheckpoint, SBAcceptCheckpoint}}};
  for (const auto& [enabled, ids] : buttons)
    for (ToolButtonId id : ids) PanelTools->button(id)->setEnabled(enabled);
  autosave_->changed(commands.save);
  refreshCrossedOff();
}

void TForm1::refreshCrossedOff() {
  const bool marking = CurrentMode == kSolvingMode || CurrentMode == kViewMode;
  field_->setCrossedOffClues(marking ? crossedOff_.update(model(), aids_.crossOff)
                                     : std::vector<CellPos>{});
}

Session TForm1::currentSession() {
  return {model(), CurFileName, sessionFormatOf(CurFileName), field_->cellSize()};
}

// --- commands ---------------------------------------------------------------------------------

void TForm1::NStartClick() {
  if (!field_->CheckClueSums()) return;
  SetMode(kSolvingMode);
  model().updateAllLineStatus();
}

void TForm1::NEditClick() { SetMode(kEditorMode); }

// The tool button switches directly, without the clue-sum check of Start.
void TForm1::SBStartClick() {
  SetMode(startButtonPicture() == 1 ? kSolvingMode : kEditorMode);
  focusField();
}

void TForm1::NClearClick() {
  const Answer answer = platform().messageBox(
      {QCoreApplication::translate(
           "jcw",
           "Вы действительно хотите очистить все поле?\n\rОчистку можно отменить "
           "(Alt+Backspace)."),
       appTitle(), Buttons::YesNo, Icon::Exclamation, Answer::No});
  if (answer != Answer::Yes) return;
  ClearProcess();
  if (CurrentMode == kViewMode) SetMode(kEditorMode);
}

void TForm1::ClearProcess() {
  model().clearPicture();
  field_->historyChanged();
  field_->invalidateField();
  if (CurrentMode == kPictureMode) pictureChanged();
}

void TForm1::pictureChanged() { picture_->pictureChanged(); }

void TForm1::NDrawClick() {
  if (CurrentMode == kPictureMode || !picture_->mayEnter()) return;
  SetMode(kPictureMode);
  focusField();
}

void TForm1::NSuggestClick() { picture_->offerFixes(); }

void TForm1::NExitClick() { close(); }

void TForm1::SBExitClick() { NExitClick(); }

// The field does nothing unless it is solving with a history (a checkpoint).
void TForm1::NUndoClick() { field_->Undo(); }
void TForm1::NRedoClick() { field_->Redo(); }
void TForm1::NCheckpointClick() { field_->SetCheckpoint(); }
void TForm1::NBackToCheckpointClick() { field_->ReturnToCheckpoint(); }
void TForm1::NAcceptCheckpointClick() { field_->AcceptCheckpoint(); }

void TForm1::NLoadClick() { loadCommand(*this); }
void TForm1::NSave0Click() { saveCommand(*this); }
void TForm1::NSaveAsClick() { saveAsCommand(*this); }
void TForm1::NPrintClick() {
  printCommand(model(), [this] { return uniqueSolution(model()); });
}
void TForm1::refreshTitle() { SetMode(CurrentMode); }
void TForm1::NNewClick() { newCommand(*this); }
void TForm1::pasteClues() { pasteCluesCommand(*this); }
void TForm1::copyClues() { copyCluesCommand(*this); }
void TForm1::NAutoClick() { FormAuto->toggleShown(); }
void TForm1::NHelpClick() { HintProcess(*field_); }
void TForm1::NHintLineClick() { HintLineProcess(*field_); }
void TForm1::NCheckClick() { CheckProcess(*field_); }
void TForm1::NBackToRightClick() { BackToLastRight(*field_); }
void TForm1::N1Click() { Form3->exec(); }

// Tool buttons run their menu command and give the field the keyboard focus back.
void TForm1::runThenFocusField(void (TForm1::*command)()) {
  (this->*command)();
  focusField();
}

void TForm1::SBOpenClick() { runThenFocusField(&TForm1::NLoadClick); }
void TForm1::SBSaveClick() { runThenFocusField(&TForm1::NSave0Click); }
void TForm1::SBSaveAsClick() { runThenFocusField(&TForm1::NSaveAsClick); }
void TForm1::SBClearClick() { runThenFocusField(&TForm1::NClearClick); }
void TForm1::SBAutoClick() { runThenFocusField(&TForm1::NAutoClick); }
// With Shift the hint button decides one line only.
void TForm1::SBTipClick() {
  const bool oneLine = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
  runThenFocusField(oneLine ? &TForm1::NHintLineClick : &TForm1::NHelpClick);
}

void TForm1::SBNewClick() {
  NNewClick();
  if (isVisible()) focusField();  // hidden when New went on to the start-up window
}

void TForm1::focusField() { field_->setFocus(Qt::OtherFocusReason); }

// --- menus and option items -------------------------------------------------------------------

void TForm1::MainBtnMouseDown() {
  historyChanged();
  refreshRecentItems();
  refreshPaintCaptions(menus_);
  menus_.NTools->setChecked(ShowToolPanel);
  refreshOptionItems(menus_.options, aids_);
  menus_.options.typingReplaces->setChecked(editorOptions_.typingReplaces);
  const QPoint origin = mapToGlobal(QPoint(0, 0));
  const int x = std::max(origin.x() + MainBtn->x(), 0);
  menus_.DownMenu->popup({x, origin.y() + MainBtn->y() + MainBtn->height()});
  focusField();
}

void TForm1::refreshRecentItems() {
  menus_.NRecent->clear();
  for (const std::string& path : recentFiles()) {
    const QString name = QString::fromStdString(path);
    QAction* item = menus_.NRecent->addAction(QFileInfo(name).fileName());
    item->setToolTip(name);
    connect(item, &QAction::triggered, this, [this, path] {
      if (!SolverBusy) openRecentCommand(path, *this);
    });
  }
  menus_.NRecent->setEnabled(!menus_.NRecent->isEmpty());
}

void TForm1::SBOptionsClick() {
  refreshPaintCaptions(menus_);
  refreshOptionItems(menus_.sbOptions, aids_);
  menus_.sbOptions.typingReplaces->setChecked(editorOptions_.typingReplaces);
  const QPoint origin = PanelTools->button(SBOptions)->mapToGlobal(QPoint(0, 0));
  menus_.MenuSB->popup(origin + QPoint(FieldLeft, FieldTop));
  focusField();
}

void TForm1::NIndClick(QAction* sender) {
  IndErr = sender->isChecked();
  if (!IndErr) {
    field_->ClearIndicators();
    return;
  }
  const Crossword& m = model();
  for (int x = m.firstPictureX(); x < m.W1(); ++x) field_->PaintIndicators(x, CapRowCount);
  for (int y = m.firstPictureY(); y < m.H1(); ++y) field_->PaintIndicators(CapColCount, y);
}

void TForm1::NDiditCrestClick(QAction* sender) { DigCr = sender->isChecked(); }

void TForm1::SNRightClick(QAction* sender) {
  sender->setChecked(true);
  NextDirect = static_cast<std::uint8_t>(itemTag(sender));
}

void TForm1::NAuto2DClick(QAction* sender) {
  Go2Dig = static_cast<std::uint8_t>(itemTag(sender));
  sender->setChecked(true);
}

void TForm1::NToolsClick(QAction* sender) {
  ShowToolPanel = sender->isChecked();
  layout_->ShowTools();
}

void TForm1::NTypingReplacesClick(QAction* sender) {
  editorOptions_.typingReplaces = sender->isChecked();
  storeEditorOptions(editorOptions_);
}

void TForm1::NMaxClick(QAction* sender) {
  Maximize = sender->isChecked();
  if (Maximize) fitToWorkArea();
}

void TForm1::fitToWorkArea() { layout_->fitToWorkArea(); }

void TForm1::NMinCellClick(QAction* sender) {
  MinCellSize = static_cast<std::uint8_t>(itemTag(sender));
  layout_->fitToWorkArea();
}

void TForm1::zoomField(ZoomStep step, int anchorX, int anchorY) {
  if (!model().allocated()) return;
  layout_->zoom(step, {anchorX, anchorY});
  focusField();
}

void TForm1::zoomAboutMiddle(ZoomStep step) {
  const FieldView& view = field_->view();
  zoomField(step, view.width / 2, view.height / 2);
}

void TForm1::aidItemClick(QAction* sender) {
  for (const OptionItems* items : {&menus_.options, &menus_.sbOptions}) {
    if (sender == items->dragLock) aids_.dragLineLock = sender->isChecked();
    if (sender == items->finishByFilled) aids_.finishByFilled = sender->isChecked();
    if (sender == items->emptyDots) aids_.emptyDots = sender->isChecked();
    if (sender == items->crosshair) aids_.quietCrosshair = sender->isChecked();
    for (QAction* mode : items->crossOffModes)
      if (sender == mode) aids_.crossOff = static_cast<CrossOffMode>(itemTag(mode));
  }
  field_->setAids(aids_);
  refreshCrossedOff();
}

void TForm1::NPaintClick(QAction*) {
  PaintOn = !PaintOn;
  refreshPaintCaptions(menus_);
}

// --- layout ---------------------------------------------------------------------------------

void TForm1::FormShow() {
  LayoutReady = false;
  // The table first: with the maximum size option the next step already lays the field out.
  field_->allocateTable();
  layout_->layOutShownField();
  SetMode(OpenMode);
  layout_->placeMainBtn();
  if (CurrentMode == kEditorMode) {
    model().EditCursor = {CapColCount + 1, 1};
    field_->SelectClueCell(CapColCount + 1, 1);
  }
  focusField();
  LayoutReady = true;
}

// --- window events ----------------------------------------------------------------------------

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  FormShow();
  layout_->watchFrame();
}

bool TForm1::FormCloseQuery() {
  const bool allowed = maybeSave(*field_, SaveCaption::WithFileName, [this] { NSave0Click(); });
  StoreOptions(CurFileName);  // in every case, a refused close too
  StoreAidOptions(aids_);
  return allowed;
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  autosave_->discard();  // saved, or given up with "No"
  emit terminateRequested();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layout_->MinMax(event->size());
  picture_->placeStatusLine();
}

void TForm1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  layout_->windowMoved();
}

void TForm1::WMActivate(bool active) { WindowActive = active; }

void TForm1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) {
    WMActivate(isActiveWindow());
  } else if (event->type() == QEvent::WindowStateChange) {
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized() && !(change->oldState() & Qt::WindowMinimized)) Minimiz();
  }
}

// Minimising the main window takes every window of the application down with it.
void TForm1::Minimiz() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window != this && window->isVisible() && !window->isMinimized()) window->showMinimized();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MainBtn &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    MainBtnMouseDown();
    return true;
  }
  if (watched == field_ && event->type() == QEvent::KeyPress)
    return previewKey(*static_cast<QKeyEvent*>(event));
  return QWidget::eventFilter(watched, event);
}

bool TForm1::previewKey(const QKeyEvent& key) {
  const int virtualKey = keyInputOf(key).virtualKey;
  if (virtualKey == vk::kEscape) CancelRequested = true;
  // Picture mode's keys: none of the field's own.
  if (virtualKey == vk::functionKey(11) && !SolverBusy) {
    NDrawClick();
    return true;
  }
  if (virtualKey == vk::functionKey(10) && !SolverBusy) {
    NSuggestClick();
    return true;
  }
  static const std::map<int, int> kArrowMoves{{vk::kLeft, kMoveLeft},
                                              {vk::kUp, kMoveUp},
                                              {vk::kRight, kMoveRight},
                                              {vk::kDown, kMoveDown}};
  if (const auto arrow = kArrowMoves.find(virtualKey); arrow != kArrowMoves.end()) {
    MoveCursorEvent move(arrow->second, 0);
    QCoreApplication::sendEvent(field_, &move);
  }
  return false;
}

// Tab never moves the focus away from the field: it reaches the field as an ordinary key.
bool TForm1::focusNextPrevChild(bool) { return false; }

}  // namespace jcw
