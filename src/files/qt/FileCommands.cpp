#include "files/qt/FileCommands.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <utility>

#include "field/qt/TGrid.h"
#include "files/CrosswordFile.h"
#include "files/FileLoad.h"
#include "files/qt/DroppedFiles.h"
#include "files/qt/LoadError.h"
#include "files/qt/SaveQuestion.h"
#include "field/ViewState.h"
#include "model/ProcessState.h"
#include "settings/Options.h"

namespace jcw {

namespace {

// The steps after a successful read, on the field that now holds the crossword.
void acceptLoadedCrossword(FileHost& host) {
  host.setStartEnabled(true);
  host.field()->SetModified(false);
  OpenMode = host.field()->CheckClueSums() ? kSolvingMode : kEditorMode;
}

// Load from its field step on: a new field takes the crossword only when the file was read (a text
// file reads nothing and leaves it empty, in the current dimensions); the window then lays it out
// in OpenMode. A file that cannot be read says why and leaves the crossword that was open.
void loadIntoNewField(const std::string& name, FileHost& host) {
  Crossword crossword;
  if (const Result<void> loaded = loadByExtension(name, crossword); !loaded) {
    showLoadError(loaded.error());
    return;
  }
  host.replaceField()->setModel(std::move(crossword));
  acceptLoadedCrossword(host);
  host.FormShow();
  host.field()->invalidateField();
  if (Maximize) host.fitToWorkArea();
}

// The question of Load, New and a drop, whose Yes runs Save.
bool mayDiscardChanges(FileHost& host) {
  return maybeSave(*host.field(), SaveCaption::Plain, [&host] { saveCommand(host); });
}

// SaveProcess to `name` with its screen side. On success the name is the current file's, the
// buttons follow the saved state and the title shows it; on failure the error box, and the
// previous name stays.
void writeCrosswordTo(std::string name, FileHost& host) {
  std::string previous = std::exchange(CurFileName, std::move(name));  // SaveProcess writes it
  if (const Result<void> saved = SaveProcess(host.field()->model()); !saved) {
    CurFileName = std::move(previous);
    platform().errorBox(QString::fromStdString(saved.error()));
    return;
  }
  CurShortName = ShortName(CurFileName);
  host.field()->SetModified(false);
  host.refreshTitle();
}

// WMDropFiles of the main window, as an event filter on it.
class MainWindowDrops : public QObject {
 public:
  explicit MainWindowDrops(FileHost& host) : QObject(host.mainWindow()), host_(host) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != host_.mainWindow()) return false;
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
    if (mayDiscardChanges(host_)) loadIntoNewField(*name, host_);
    return true;
  }

 private:
  FileHost& host_;
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

Result<void> LoadProcess(const std::string& name, FileHost& host) {
  if (Result<void> loaded = loadByExtension(name, host.field()->model()); !loaded) return loaded;
  acceptLoadedCrossword(host);
  return {};
}

void loadCommand(FileHost& host) {
  const QString name = platform().openFileName(openDialogRequest());
  if (name.isEmpty()) return;
  SkipNextMark = true;
  if (mayDiscardChanges(host)) loadIntoNewField(name.toStdString(), host);
}

void saveCommand(FileHost& host) {
  if (!host.field()->IsModified()) return;
  if (CurFileName.empty())
    saveAsCommand(host);
  else
    writeCrosswordTo(CurFileName, host);
}

void saveAsCommand(FileHost& host) {
  const QString name = platform().saveFileName(saveDialogRequest());
  if (!name.isEmpty()) writeCrosswordTo(name.toStdString(), host);
}

void newCommand(FileHost& host) {
  if (!mayDiscardChanges(host)) return;
  host.replaceField();
  if (ParametersForm) ParametersForm->show();
  host.mainWindow()->hide();
}

void acceptCrosswordDrops(FileHost& host) {
  host.mainWindow()->setAcceptDrops(true);
  host.mainWindow()->installEventFilter(new MainWindowDrops(host));
}

}  // namespace jcw
