#include "field/qt/LineEntryBox.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace jcw {

namespace {

QString lineName(const Crossword& crossword, ClueLineRef line) {
  const Dimensions& d = crossword.dims();
  return line.column ? QCoreApplication::translate("jcw", "Столбец %1 из %2:")
                           .arg(line.index - crossword.firstPictureX() + 1)
                           .arg(d.ColCount)
                     : QCoreApplication::translate("jcw", "Строка %1 из %2:")
                           .arg(line.index - crossword.firstPictureY() + 1)
                           .arg(d.RowCount);
}

}  // namespace

LineEntryBox::LineEntryBox(QWidget* field, Confirm confirm, std::function<void()> close)
    : QFrame(field), confirm_(std::move(confirm)), close_(std::move(close)) {
  setObjectName(QStringLiteral("LineEntry"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  label_ = new QLabel(this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("LineEntryText"));
  edit_->setMinimumWidth(160);
  edit_->installEventFilter(this);
  layout->addWidget(label_);
  layout->addWidget(edit_);
  hide();
}

void LineEntryBox::showLine(const Crossword& crossword, ClueLineRef line, const QPoint& where) {
  line_ = line;
  label_->setText(lineName(crossword, line));
  edit_->setText(QString::fromStdString(lineEntryText(crossword, line)));
  edit_->selectAll();
  adjustSize();
  const QWidget* field = parentWidget();
  move(std::clamp(where.x(), 0, std::max(0, field->width() - width())),
       std::clamp(where.y(), 0, std::max(0, field->height() - height())));
  show();
  raise();
  edit_->setFocus();
}

bool LineEntryBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_ || event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  switch (key.key()) {
    case Qt::Key_Escape:
      close_();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      const bool forward = key.key() != Qt::Key_Backtab;
      if (confirm_(line_, edit_->text().toStdString())) emit confirmed(forward);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace jcw
