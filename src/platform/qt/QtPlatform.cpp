#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QUrl>

namespace jcw {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonText {
  Answer answer;
  const char* text;
  QMessageBox::ButtonRole role;
};

constexpr ButtonText kButtons[] = {
    {Answer::Ok, "OK", QMessageBox::AcceptRole},
    {Answer::Yes, QT_TRANSLATE_NOOP("jcw", "Да"), QMessageBox::YesRole},
    {Answer::No, QT_TRANSLATE_NOOP("jcw", "Нет"), QMessageBox::NoRole},
    {Answer::Cancel, QT_TRANSLATE_NOOP("jcw", "Отмена"), QMessageBox::RejectRole},
};

bool offers(Buttons buttons, Answer answer) {
  switch (buttons) {
    case Buttons::Ok: return answer == Answer::Ok;
    case Buttons::YesNo: return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel: return answer != Answer::Ok;
  }
  return false;
}

}  // namespace

Answer QtPlatform::messageBox(const MessageRequest& request) {
  QMessageBox box(qtIcon(request.icon), request.caption, request.text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  QAbstractButton* chosen[std::size(kButtons)] = {};
  for (std::size_t i = 0; i < std::size(kButtons); ++i) {
    if (!offers(request.buttons, kButtons[i].answer)) continue;
    QPushButton* button =
        box.addButton(QCoreApplication::translate("jcw", kButtons[i].text), kButtons[i].role);
    chosen[i] = button;
    if (kButtons[i].answer == request.defaultButton) box.setDefaultButton(button);
  }
  box.exec();
  for (std::size_t i = 0; i < std::size(kButtons); ++i)
    if (chosen[i] && box.clickedButton() == chosen[i]) return kButtons[i].answer;
  return request.buttons == Buttons::YesNo ? Answer::No
         : request.buttons == Buttons::Ok  ? Answer::Ok
                                           : Answer::Cancel;
}

void QtPlatform::errorBox(const QString& text) {
  messageBox({text, QApplication::applicationName(), Buttons::Ok, Icon::Error, Answer::Ok});
}

void QtPlatform::beep() { QApplication::beep(); }

QPoint QtPlatform::pointerPos() { return QCursor::pos(); }

void QtPlatform::setPointerPos(QPoint screenPos) { QCursor::setPos(screenPos); }

QRect QtPlatform::workArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

bool QtPlatform::openUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

QString QtPlatform::openFileName(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), QString(), request.initialDirectory,
                     qtFilter(request.filter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().size() != 1) return {};
  return dialog.selectedFiles().front();
}

QString QtPlatform::saveFileName(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), QString(), request.initialDirectory,
                     qtFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const auto suffixFor = [&request](const QString& filter) {
    const QString own = filterSuffix(filter);
    return own.isEmpty() ? request.defaultSuffix : own;
  };
  dialog.setDefaultSuffix(suffixFor(dialog.selectedNameFilter()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&](const QString& filter) { dialog.setDefaultSuffix(suffixFor(filter)); });
  if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().size() != 1) return {};
  return dialog.selectedFiles().front();
}

void QtPlatform::printPreview(const PrintRequest& request) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(request.documentName);
  QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
  // Beside the preview's own controls; the preview follows the boxes at once.
  auto* tools = dialog.findChild<QToolBar*>();
  if (tools && !request.options.empty()) tools->addSeparator();
  std::vector<QCheckBox*> boxes;
  for (const PrintOption& option : request.options) {
    auto* box = new QCheckBox(option.text, &dialog);
    box->setChecked(option.checked);
    if (tools)
      tools->addWidget(box);
    else
      dialog.layout()->addWidget(box);
    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>())
      QObject::connect(box, &QCheckBox::toggled, preview, &QPrintPreviewWidget::updatePreview);
    boxes.push_back(box);
  }
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&](QPrinter* device) {
                     std::vector<bool> checked;
                     for (const QCheckBox* box : boxes) checked.push_back(box->isChecked());
                     request.paint(*device, checked);
                   });
  dialog.exec();
}

}  // namespace jcw
