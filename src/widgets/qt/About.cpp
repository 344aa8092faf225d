#include "widgets/qt/About.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/qt/Platform.h"

namespace jcw {

namespace {

const QString kLicenceName = QStringLiteral("MIT");
const QString kLicenceText = QStringLiteral("https://opensource.org/license/mit");

constexpr int kBorderWidth = 10;
constexpr QPoint kFirstPosition{192, 119};

// A left-button release inside the label, the way a label's click works.
bool isClick(const QWidget* label, const QEvent* event) {
  if (event->type() != QEvent::MouseButtonRelease) return false;
  const auto* mouse = static_cast<const QMouseEvent*>(event);
  return mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint());
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("jcw", "О программе"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, p.color(QPalette::Button));
  setPalette(p);

  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  LicenceLink =
      addLink("LicenceLink", kLicenceName, QCoreApplication::translate("jcw", "Текст лицензии"));

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  grid->addWidget(addLabel("Label1", QCoreApplication::translate(
                                         "jcw", "Поле для решения японских кроссвордов")),
                  0, 0, 1, 3);
  grid->addWidget(addLabel("Label5", QCoreApplication::translate("jcw", "Версия 1.0")), 1, 0, 1, 3,
                  Qt::AlignHCenter);
  grid->setRowMinimumHeight(2, kBorderWidth);
  grid->addWidget(
      addLabel("Label2", QCoreApplication::translate("jcw", "Программа: команда jcw, 2026")), 3, 0,
      1, 3);
  grid->addWidget(addLabel("LicenceLabel", QCoreApplication::translate("jcw", "Лицензия:")), 4, 0);
  grid->addWidget(LicenceLink, 4, 1);
  grid->addWidget(Button1, 4, 2, Qt::AlignRight);

  move(kFirstPosition);
}

QLabel* TForm3::addLabel(const char* name, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QLabel* TForm3::addLink(const char* name, const QString& text, const QString& hint) {
  QLabel* label = addLabel(name, text);
  label->setCursor(Qt::PointingHandCursor);
  label->setToolTip(hint);
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, Qt::blue);
  label->setPalette(p);
  QFont f = label->font();
  f.setUnderline(true);
  label->setFont(f);
  label->installEventFilter(this);
  return label;
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LicenceLink && isClick(LicenceLink, event)) LicenceClick();
  return QDialog::eventFilter(watched, event);
}

void TForm3::Button1Click() { accept(); }

void TForm3::LicenceClick() { platform().openUrl(kLicenceText); }

}  // namespace jcw
