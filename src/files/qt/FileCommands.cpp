#include "files/qt/FileCommands.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "files/CrosswordFile.h"
#include "files/qt/DroppedFiles.h"
#include "files/FileLoad.h"
#include "mainwindow/qt/MainState.h"
#include "mainwindow/qt/TForm1.h"
#include "model/ProcessState.h"
#include "settings/Options.h"

namespace jcw {

namespace {

const QString kAppTitle = QStringLiteral("Японский кроссворд");

// The steps after a successful read, on the field that now holds the crossword.
void acceptLoadedCrossword(TForm1& window) {
  window.setStartEnabled(true);
  window.field()->SetModified(false);
  OpenMode = window.field()->CheckClueSums() ? kSolvingMode : kEditorMode;
}

// Load from its field step on: a new field takes the crossword only when the file was read (a text
// file reads nothing and leaves it empty, in the current dimensions); the window then lays it out
// in OpenMode.
void loadIntoNewField(const std::string& name, TForm1& window) {
  Crossword crossword;
  if (!loadByExtension(name, crossword)) return;
  window.replaceField()->setModel(std::move(crossword));
  acceptLoadedCrossword(window);
  window.FormShow();
  window.field()->invalidateField();
  if (Maximize) window.NMaxClick(nullptr);
}

// SaveProcess with its screen side: the error box on failure (nothing else changes), else the
// buttons follow the saved state and the caption shows the file's name.
void writeCrossword(TForm1& window) {
  if (const Result<void> saved = SaveProcess(window.field()->model()); !saved) {
    platform().errorBox(QString::fromStdString(saved.error()));
    return;
  }
  window.field()->SetModified(false);
  window.SetMode(CurrentMode);
}

// "Сохранить текущие изменения?" when the field has unsaved changes: Yes saves (and goes on even
// when Save As was cancelled), No goes on. False iff the user cancelled.
bool askToSaveChanges(TForm1& window) {
  if (!window.field()->IsModified()) return true;
  const Answer answer =
      platform().messageBox({QStringLiteral("Сохранить текущие изменения?"), kAppTitle,
                             Buttons::YesNoCancel, Icon::Question, Answer::Yes});
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) saveCommand(window);
  return true;
}

// WMDropFiles of the main window, as an event filter so that the window class stays as it is.
class MainWindowDrops : public QObject {
 public:
  explicit MainWindowDrops(TForm1& window) : QObject(&window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &window_) return false;
    if (event->type() == QEvent::DragEnter) {
      acceptFileDrag(*static_cast<QDragEnterEvent*>(event));
      return true;
    }
    if (event->type() != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    drop->acceptProposedAction();
    const auto name = droppedCrossword(droppedFileNames(*drop->mimeData()));
    if (!name || SolverBusy) return true;
    SkipNextMark = true;
    if (askToSaveChanges(window_)) loadIntoNewField(*name, window_);
    return true;
  }

 private:
  TForm1& window_;
};

}  // namespace

FileDialogRequest openDialogRequest() {
  return {QStringLiteral("Файлы японского кроссворда|*.jcw|Текстовые файлы|*.txt|Все файлы|*.*"),
          QString::fromStdString(LastCatalog), QString()};
}

FileDialogRequest saveDialogRequest() {
  return {QStringLiteral("Файлы японского кроссворда|*.jcw|Все файлы|*.*"), QString(),
          QStringLiteral("jcw")};
}

bool LoadProcess(const std::string& name, TForm1& window) {
  if (!loadByExtension(name, window.field()->model())) return false;
  acceptLoadedCrossword(window);
  return true;
}

void loadCommand(TForm1& window) {
  const QString name = platform().openFileName(openDialogRequest());
  if (name.isEmpty()) return;
  SkipNextMark = true;
  if (askToSaveChanges(window)) loadIntoNewField(name.toStdString(), window);
}

void saveCommand(TForm1& window) {
  if (!window.field()->IsModified()) return;
  if (CurFileName.empty())
    saveAsCommand(window);
  else
    writeCrossword(window);
}

void saveAsCommand(TForm1& window) {
  const QString name = platform().saveFileName(saveDialogRequest());
  if (name.isEmpty()) return;
  CurShortName = ShortName(name.toStdString());
  CurFileName = name.toStdString();
  writeCrossword(window);
}

void newCommand(TForm1& window) {
  if (!askToSaveChanges(window)) return;
  window.replaceField();
  if (ParametersForm) ParametersForm->show();
  window.hide();
}

void acceptCrosswordDrops(TForm1& window) {
  window.setAcceptDrops(true);
  window.installEventFilter(new MainWindowDrops(window));
}

}  // namespace jcw
