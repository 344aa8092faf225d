#include "files/qt/FileCommands.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStringList>
#include <filesystem>

#include "field/qt/TGrid.h"
#include "files/CrosswordFile.h"
#include "files/CrosswordSave.h"
#include "files/DrawnPicture.h"
#include "files/FileLoad.h"
#include "files/qt/DroppedFiles.h"
#include "files/qt/LoadError.h"
#include "files/qt/SaveQuestion.h"
#include "field/ViewState.h"
#include "model/Dimensions.h"
#include "model/ProcessState.h"
#include "settings/Options.h"
#include "settings/qt/SettingsSession.h"

namespace jcw {

namespace {

// The steps after a successful read, on the field that now holds the crossword.
void acceptLoadedCrossword(FileHost& host) {
  if (!CurFileName.empty()) noteRecentFile(CurFileName);
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

// The save with its screen side. On success the name is the current file's, the buttons follow
// what is still unsaved and the title shows the name; on failure the error box, and the previous
// name stays.
// A drawing's marks are its solution, which a crossword handed out in .jcw does not hold unless
// the author says so: without them the file keeps the clues and the drawing stays unsaved.
bool keepsDrawingAsMarks(const std::string& name, const Crossword& crossword) {
  if (CurrentMode != kPictureMode || !keepsMarks(name) || crossword.countMarked() == 0) return true;
  return platform().messageBox(
             {QCoreApplication::translate(
                  "jcw", "Записать в файл и рисунок? Без него в файле будут только числа."),
              QCoreApplication::translate("jcw", "Японский кроссворд"), Buttons::YesNo,
              Icon::Question, Answer::No}) == Answer::Yes;
}

void writeCrosswordTo(const std::string& name, FileHost& host) {
  TGrid& field = *host.field();
  Crossword cluesOnly;
  Crossword* written = &field.model();
  if (!keepsDrawingAsMarks(name, field.model())) {
    cluesOnly = field.model();
    cluesOnly.clearPicture();
    written = &cluesOnly;
  }
  if (const Result<void> saved = saveCrosswordAs(name, *written); !saved) {
    platform().errorBox(QString::fromStdString(saved.error()));
    return;
  }
  noteRecentFile(name);
  field.historyChanged();
  host.refreshTitle();
}

// A format of clues only would drop the marks: the user says whether to save all the same.
bool mayLeaveMarksOut(const QString& name, const Crossword& crossword) {
  if (keepsMarks(name.toStdString()) || crossword.countMarked() == 0 || marksAreGoal(crossword))
    return true;
  const QString text =
      QCoreApplication::translate("jcw",
                                  "В файл .%1 записываются только числа кроссворда, ваши "
                                  "отметки в него не попадут.\n\rСохранить без отметок?")
          .arg(QFileInfo(name).suffix());
  return platform().messageBox({text, QCoreApplication::translate("jcw", "Японский кроссворд"),
                                Buttons::YesNo, Icon::Exclamation, Answer::Yes}) == Answer::Yes;
}

// Save As, the dialog starting on `proposed` (empty: on nothing).
void saveAsProposing(const std::string& proposed, FileHost& host) {
  FileDialogRequest request = saveDialogRequest();
  request.proposedName = QString::fromStdString(proposed);
  const QString name = platform().saveFileName(request);
  if (name.isEmpty() || !mayLeaveMarksOut(name, host.field()->model())) return;
  writeCrosswordTo(name.toStdString(), host);
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
    if (mayDiscardChanges(host_)) loadIntoNewField(*name, host_);
    return true;
  }

 private:
  FileHost& host_;
};

struct FormatFilter {
  const char* description;
  const char* pattern;
};
// The formats the program opens and saves, its own first.
constexpr FormatFilter kCrosswordFormats[] = {
    {QT_TRANSLATE_NOOP("jcw", "Файлы японского кроссворда"), "*.jcw"},
    {QT_TRANSLATE_NOOP("jcw", "Кроссворды .non"), "*.non"},
    {QT_TRANSLATE_NOOP("jcw", "Кроссворды webpbn XML"), "*.xml"}};

// One filter entry per format, then, when asked, one for them all in front.
QString crosswordFilters(bool withAllFirst) {
  QStringList entries, patterns;
  for (const FormatFilter& format : kCrosswordFormats) {
    entries << QCoreApplication::translate("jcw", format.description)
            << QString::fromLatin1(format.pattern);
    patterns << QString::fromLatin1(format.pattern);
  }
  if (withAllFirst)
    entries =
        QStringList{QCoreApplication::translate("jcw", "Все кроссворды"), patterns.join(';')} +
        entries;
  return entries.join('|');
}

}  // namespace

FileDialogRequest openDialogRequest() {
  return {crosswordFilters(true) +
              QCoreApplication::translate("jcw", "|Текстовые файлы|*.txt|Все файлы|*.*"),
          QString::fromStdString(LastCatalog), QString(), QString()};
}

FileDialogRequest saveDialogRequest() {
  return {crosswordFilters(false) + QCoreApplication::translate("jcw", "|Все файлы|*.*"), QString(),
          QStringLiteral("jcw"), QString()};
}

Result<void> LoadProcess(const std::string& name, FileHost& host) {
  if (Result<void> loaded = loadByExtension(name, host.field()->model()); !loaded) return loaded;
  acceptLoadedCrossword(host);
  return {};
}

void loadCommand(FileHost& host) {
  const QString name = platform().openFileName(openDialogRequest());
  if (name.isEmpty()) return;
  if (mayDiscardChanges(host)) loadIntoNewField(name.toStdString(), host);
}

void saveCommand(FileHost& host) {
  if (!host.field()->IsModified()) return;
  if (CurFileName.empty())
    saveAsCommand(host);
  else if (!keepsMarks(CurFileName))
    saveAsProposing(jcwNameFor(CurFileName), host);  // never the .jcw bytes into .non or XML
  else
    writeCrosswordTo(CurFileName, host);
}

void saveAsCommand(FileHost& host) { saveAsProposing({}, host); }

void newCommand(FileHost& host) {
  if (!mayDiscardChanges(host)) return;
  host.replaceField();
  if (ParametersForm) ParametersForm->show();
  host.mainWindow()->hide();
}

void openRecentCommand(const std::string& name, FileHost& host) {
  if (!std::filesystem::exists(name)) {
    const QString text =
        QCoreApplication::translate("jcw", "Файл %1 не найден.\n\rУбрать его из списка последних?")
            .arg(QString::fromStdString(name));
    if (platform().messageBox({text, QCoreApplication::translate("jcw", "Японский кроссворд"),
                               Buttons::YesNo, Icon::Question, Answer::Yes}) == Answer::Yes)
      forgetRecentFile(name);
    return;
  }
  if (mayDiscardChanges(host)) loadIntoNewField(name, host);
}

void restoreSession(Session session, FileHost& host) {
  setCurrentDimensions(session.crossword.dims());
  CurFileName = session.fileName;
  CurShortName = session.fileName.empty() ? std::string() : ShortName(session.fileName);
  host.field()->setModel(std::move(session.crossword));
  host.setStartEnabled(true);
  OpenMode = kSolvingMode;
}

void acceptCrosswordDrops(FileHost& host) {
  host.mainWindow()->setAcceptDrops(true);
  host.mainWindow()->installEventFilter(new MainWindowDrops(host));
}

}  // namespace jcw
