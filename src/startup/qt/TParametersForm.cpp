#include "startup/qt/TParametersForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <array>
#include <filesystem>
#include <iostream>
#include <optional>
#include <utility>

#include "files/CrosswordFile.h"
#include "files/SessionPlaces.h"
#include "files/qt/DroppedFiles.h"
#include "files/qt/FileCommands.h"
#include "files/qt/LoadError.h"
#include "files/FileLoad.h"
#include "field/ViewState.h"
#include "field/qt/FieldInput.h"
#include "mainwindow/qt/TForm1.h"
#include "model/Dimensions.h"
#include "model/ProcessState.h"
#include "platform/ProcessAlive.h"
#include "platform/UserDirs.h"
#include "platform/qt/Platform.h"
#include "settings/Options.h"
#include "settings/qt/SettingsSession.h"
#include "startup/DimensionValue.h"
#include "startup/HotKeys.h"
#include "widgets/qt/EditNumKt.h"

namespace jcw {

namespace {

constexpr QPoint kPosition{270, 145};
constexpr int kBorderWidth = 10;

}  // namespace

TParametersForm::TParametersForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("ParametersForm"));
  setWindowTitle(QCoreApplication::translate("jcw", "Японский кроссворд"));
  buildControls();
  move(kPosition);
  RegisterFile(QCoreApplication::applicationFilePath());
  setAcceptDrops(true);
  qApp->installEventFilter(this);
}

TParametersForm::~TParametersForm() { qApp->removeEventFilter(this); }

void TParametersForm::buildControls() {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  captionBox =
      addGroupBox(QStringLiteral("captionBox"), QCoreApplication::translate("jcw", "Заголовки"));
  EditCapRow = addNumber(captionBox, 0, QStringLiteral("EditCapRow"),
                         QCoreApplication::translate("jcw", "Количество строк-заголовков"), 4);
  EditCapCol = addNumber(captionBox, 1, QStringLiteral("EditCapCol"),
                         QCoreApplication::translate("jcw", "Количество столбцов-заголовков"), 4);

  GridBox = addGroupBox(QStringLiteral("GridBox"),
                        QCoreApplication::translate("jcw", "Сетка кроссворда"));
  EditRow = addNumber(GridBox, 0, QStringLiteral("EditRow"),
                      QCoreApplication::translate("jcw", "Количество строк"), 24);
  EditCol = addNumber(GridBox, 1, QStringLiteral("EditCol"),
                      QCoreApplication::translate("jcw", "Количество столбцов"), 31);

  ButtonOK = addButton(QStringLiteral("ButtonOK"), QStringLiteral("&OK"));
  ButtonOK->setDefault(true);
  ButtonLoad =
      addButton(QStringLiteral("ButtonLoad"), QCoreApplication::translate("jcw", "&Загрузить"));
  ButtonExit =
      addButton(QStringLiteral("ButtonExit"), QCoreApplication::translate("jcw", "&Выход"));
  connect(ButtonOK, &QPushButton::clicked, this, &TParametersForm::ButtonOKClick);
  connect(ButtonLoad, &QPushButton::clicked, this, &TParametersForm::ButtonLoadClick);
  connect(ButtonExit, &QPushButton::clicked, this, &TParametersForm::ButtonExitClick);

  // The buttons stand right of the grid box, OK level with its top.
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {ButtonOK, ButtonLoad, ButtonExit}) buttons->addWidget(button);
  buttons->addStretch();
  layout->addWidget(captionBox, 0, 0);
  layout->addWidget(GridBox, 1, 0);
  layout->addLayout(buttons, 1, 1);

  QWidget* order[] = {EditCapRow, EditCapCol, EditRow, EditCol, ButtonOK, ButtonLoad, ButtonExit};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

QGroupBox* TParametersForm::addGroupBox(const QString& objectName, const QString& caption) {
  auto* box = new QGroupBox(caption, this);
  box->setObjectName(objectName);
  // The caption is bold; the controls inside set the form's plain font back.
  QFont bold = font();
  bold.setBold(true);
  box->setFont(bold);
  new QGridLayout(box);
  return box;
}

TEditNumKt* TParametersForm::addNumber(QGroupBox* box, int row, const QString& objectName,
                                       const QString& label, double value) {
  QFont plain = font();
  plain.setBold(false);
  auto* caption = new QLabel(label, box);
  caption->setFont(plain);
  auto* number = new TEditNumKt(box);
  number->setObjectName(objectName);
  number->setFont(plain);
  number->setMinValue(1);
  number->setMaxValue(100);
  number->setStep(1);
  number->setKeyWidth(22);
  number->setFilter(TFilter::fltNatural);
  number->setAutoSize(true);
  number->setValue(value);
  auto* grid = static_cast<QGridLayout*>(box->layout());
  grid->addWidget(caption, row, 0);
  grid->addWidget(number, row, 1);
  return number;
}

QPushButton* TParametersForm::addButton(const QString& objectName, const QString& caption) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(objectName);
  // Enter on a focused button presses it; elsewhere it reaches the form and presses OK.
  button->setAutoDefault(true);
  return button;
}

void TParametersForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  EditCapRow->editBox()->setFocus();
  EditCapRow->editBox()->selectAll();
}

void TParametersForm::ButtonOKClick() {
  // Every field is read before anything changes: a field that is no number stops OK there.
  std::array<std::uint8_t, 4> values{};
  const std::array<TEditNumKt*, 4> fields{EditRow, EditCol, EditCapRow, EditCapCol};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::optional<double> value = fields[i]->tryValue();
    if (!value) {
      platform().errorBox(fields[i]->conversionError());
      fields[i]->setFocus();
      return;
    }
    values[i] = dimensionFromValue(*value);
  }
  CurFileName.clear();
  CurShortName.clear();
  RowCount = values[0];
  ColCount = values[1];
  CapRowCount = values[2];
  CapColCount = values[3];
  OpenMode = kEditorMode;
  mainWindow_->field()->SetModified(false);
  showMainWindow();
}

void TParametersForm::ButtonLoadClick() {
  const QString name = platform().openFileName(openDialogRequest());
  if (name.isEmpty()) return;
  openCrossword(name.toStdString());
}

void TParametersForm::ButtonExitClick() { close(); }

void TParametersForm::openCrossword(const std::string& name, LoadSource source) {
  const Result<void> loaded = LoadProcess(name, *mainWindow_);
  if (loaded) {
    showMainWindow();
    return;
  }
  // A program started from a shell or a script says it where it was started, too.
  if (source == LoadSource::CommandLine) std::cerr << loaded.error() << std::endl;
  showLoadError(loaded.error());
}

void TParametersForm::showMainWindow() {
  mainWindow_->show();
  hide();
  // The first show picks the tool panel's side after fitting the window; fit it again with the
  // panel in place, or the window may reach past the work area.
  if (Maximize) mainWindow_->fitToWorkArea();
}

void TParametersForm::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // The start shows boxes and windows, which a paint must not: it runs right after this one.
  if (!std::exchange(startHandled_, true))
    QMetaObject::invokeMethod(this, &TParametersForm::handleStart, Qt::QueuedConnection);
}

void TParametersForm::handleStart() {
  if (!offerLeftWork()) loadParamFile();
}

bool TParametersForm::offerLeftWork() {
  const QString caption = QCoreApplication::translate("jcw", "Японский кроссворд");
  for (const std::filesystem::path& file : orphanSessions(sessionDirectory(), processAlive)) {
    const QString when = QFileInfo(QString::fromStdString(file.string()))
                             .lastModified()
                             .toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    Result<Session> session = readSessionFile(file);
    std::error_code ignored;
    if (!session) {
      // Set aside, not deleted: the bytes may still be worth something to someone.
      std::filesystem::rename(file, file.string() + ".damaged", ignored);
      platform().messageBox({QCoreApplication::translate(
                                 "jcw", "Несохранённую работу от %1 восстановить нельзя:\n%2")
                                 .arg(when, QString::fromStdString(session.error())),
                             caption, Buttons::Ok, Icon::Exclamation, Answer::Ok});
      continue;
    }
    const QString name = session->fileName.empty()
                             ? QCoreApplication::translate("jcw", "новый кроссворд")
                             : QString::fromStdString(session->fileName);
    const Answer answer = platform().messageBox(
        {QCoreApplication::translate("jcw", "Восстановить несохранённую работу?\n\r%1, %2")
             .arg(name, when),
         caption, Buttons::YesNo, Icon::Question, Answer::Yes});
    if (answer != Answer::Yes) {
      std::filesystem::remove(file, ignored);
      continue;
    }
    // The file becomes this program's own session: a crash before the next autosave keeps it.
    std::filesystem::rename(file, sessionPathFor(sessionDirectory(), currentProcessId()), ignored);
    restoreSession(std::move(*session), *mainWindow_);
    showMainWindow();
    return true;
  }
  return false;
}

void TParametersForm::loadParamFile() {
  const std::string name = std::exchange(ParamFile, {});
  if (!name.empty()) openCrossword(name, LoadSource::CommandLine);
}

void TParametersForm::closeEvent(QCloseEvent* event) {
  StoreOptions(CurFileName);
  event->accept();
  emit terminateRequested();
}

void TParametersForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    ButtonOK->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TParametersForm::dragEnterEvent(QDragEnterEvent* event) { acceptFileDrag(*event); }

void TParametersForm::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  const auto name = droppedCrossword(droppedFileNames(*event->mimeData()));
  if (!name) return;
  openCrossword(*name);
}

bool TParametersForm::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  if (event->type() == QEvent::KeyPress)
    return FormKeyPress(watched, *static_cast<QKeyEvent*>(event));
  if (event->type() == QEvent::Wheel) return FormMouseWheel(*static_cast<QWheelEvent*>(event));
  return false;
}

bool TParametersForm::FormKeyPress(QObject* receiver, const QKeyEvent& key) {
  // A key that the focused control ignores travels up to its parents: act on its first arrival.
  QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
  if (receiver != first || key.text().isEmpty()) return false;
  switch (hotKeyFor(key.text().toUcs4().value(0), keyInputOf(key))) {
    case HotKey::Exit: ButtonExitClick(); break;
    case HotKey::Load: ButtonLoadClick(); break;
    case HotKey::Ok: ButtonOKClick(); break;
    case HotKey::None: break;
  }
  return false;
}

bool TParametersForm::FormMouseWheel(const QWheelEvent& wheel) {
  // childAt finds disabled controls too.
  QWidget* control = childAt(mapFromGlobal(wheel.globalPosition().toPoint()));
  if (!control) return false;
  for (TEditNumKt* number : {EditCapRow, EditCapCol, EditRow, EditCol}) {
    if (control != number->editBox()) continue;
    if (wheel.angleDelta().y() >= 0)
      number->StepUp();
    else
      number->StepDown();
  }
  return true;
}

}  // namespace jcw
