#pragma once
// TForm1: the main window. It holds the field (TGrid), the menu button MainBtn over the field's
// corner block, the tool panel PanelTools, the wait panel and the two pop-up menus; it owns the
// mode (editor, solving, view) and carries the commands that are not file or solver commands.
// Its geometry (the client area is always the field plus the tool panel) is WindowLayout's.
// UI thread only.
//
// Key preview: the window watches the field's key presses before the field sees them (Esc
// cancels long work, the arrows move the editor cursor); only the field takes the focus.

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "field/FieldHost.h"
#include "field/qt/TGrid.h"
#include "files/SessionFile.h"
#include "files/qt/FileHost.h"
#include "mainwindow/qt/MainMenus.h"
#include "mainwindow/qt/ToolPanel.h"
#include "settings/qt/SettingsSession.h"
#include "settings/AidOptions.h"
#include "solver/SettledBlocks.h"

namespace jcw {

class Autosave;
class PictureMode;
class TForm3;
class TFormAuto;
class WindowLayout;

class TForm1 : public QWidget, public FieldHost, public FileHost {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The picture SBStart shows: 1 (start) in the editor, 0 (editor) while solving.
  int startButtonPicture() const;

  // FieldHost
  void SetMode(int mode) override;
  bool startEnabled() const override;
  void setStartEnabled(bool enabled) override;
  // The undo, redo, save and checkpoint items and buttons from historyCommandsOf.
  void historyChanged() override;
  void NStartClick() override;
  void NEditClick() override;
  void NClearClick() override;
  void NNewClick() override;
  void NSave0Click() override;
  void NLoadClick() override;
  void NPrintClick() override;
  void MainBtnMouseDown() override;
  void pasteClues() override;
  void copyClues() override;
  bool typingReplaces() const override { return editorOptions_.typingReplaces; }
  void NCheckClick() override;
  void NHintLineClick() override;
  void zoomField(ZoomStep step, int anchorX, int anchorY) override;
  void pictureChanged() override;

  // FileHost
  QWidget* mainWindow() override { return this; }
  TGrid* field() const override { return field_; }
  TGrid* replaceField() override;
  void FormShow() override;
  void fitToWorkArea() override;
  void refreshTitle() override;

  // Empties every picture cell as one undo step, re-evaluates the lines and repaints; also used
  // by the solver before it solves from nothing.
  void ClearProcess();

 signals:
  // The window was closed: the application ends.
  void terminateRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void connectCommands();
  void connectOptionItems(const OptionItems& items);
  void attachField(TGrid* field);

  // Commands.
  void SBStartClick();
  void NUndoClick();
  void NRedoClick();
  void NCheckpointClick();
  void NBackToCheckpointClick();
  void NAcceptCheckpointClick();
  void NExitClick();
  void SBExitClick();
  void N1Click();
  void NSaveAsClick();
  void NAutoClick();
  void NHelpClick();
  // Picture mode, and its suggested fixes.
  void NDrawClick();
  void NSuggestClick();
  void SBOpenClick();
  void SBSaveClick();
  void SBSaveAsClick();
  void SBNewClick();
  void SBClearClick();
  void SBAutoClick();
  void SBTipClick();
  void SBOptionsClick();

  // Option items; `sender` is the clicked item of either menu.
  void NIndClick(QAction* sender);
  void NDiditCrestClick(QAction* sender);
  void SNRightClick(QAction* sender);
  void NAuto2DClick(QAction* sender);
  void NToolsClick(QAction* sender);
  void NMaxClick(QAction* sender);
  void NTypingReplacesClick(QAction* sender);
  void NPaintClick(QAction* sender);
  void NMinCellClick(QAction* sender);
  // The aid items of either menu: the aid follows the item, the field and the clues follow.
  void aidItemClick(QAction* sender);
  void NBackToRightClick();
  // The clue numbers crossed off anew from the marks, as the aid says.
  void refreshCrossedOff();
  // The zoom items: about the middle of the field's view.
  void zoomAboutMiddle(ZoomStep step);

  // The work as the session file keeps it.
  Session currentSession();

  // The close query: asks about unsaved changes; stores the options in every case. True iff
  // the window may close.
  bool FormCloseQuery();

  Crossword& model() { return field_->model(); }
  QString title() const;
  void setCommandsForMode(int mode);
  // NRecent anew from the stored list: the file names, their full paths in the tips.
  void refreshRecentItems();
  void focusField();
  void runThenFocusField(void (TForm1::*command)());

  void WMActivate(bool active);
  void Minimiz();
  // FormKeyPress and CMDialogKey of the key preview; false: the key goes on to the field.
  bool previewKey(const QKeyEvent& key);

  TGrid* field_ = nullptr;
  // The solver's tool window and the About box, created hidden with this window.
  TFormAuto* FormAuto = nullptr;
  TForm3* Form3 = nullptr;
  QPushButton* MainBtn = nullptr;
  QLabel* WaitPanel = nullptr;
  ToolPanel* PanelTools = nullptr;
  MainMenus menus_;
  // The clue editor's options, as stored when the window was made.
  EditorOptions editorOptions_ = storedEditorOptions();
  std::unique_ptr<WindowLayout> layout_;
  Autosave* autosave_ = nullptr;
  AidOptions aids_;
  CrossedOffClues crossedOff_;  // what the field shows crossed off, line by line
  PictureMode* picture_ = nullptr;
};

}  // namespace jcw
