#include "widgets/qt/EditNumKt.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "platform/qt/Platform.h"

namespace jcw {

namespace {

constexpr int kInitialEditHeight = 25;
constexpr int kInitialWidth = 60;
constexpr int kMinKeyWidth = 5;
constexpr char32_t kBackspace = '\b';
constexpr char32_t kDelete = 0x7F;

// The character a key press types, as a Windows edit box receives it: Ctrl with a letter is a
// control character (the clipboard and undo keys among them), Ctrl+Backspace is Delete. Nothing
// for keys that edit or move without typing (Delete, arrows), and for Enter, Escape and Tab,
// which belong to the form.
std::optional<char32_t> typedCharacter(const QKeyEvent& event) {
  const int key = event.key();
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  switch (key) {
    case Qt::Key_Backspace: return ctrl ? kDelete : kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return std::nullopt;
    default: break;
  }
  if (ctrl && key >= Qt::Key_At && key <= Qt::Key_Underscore) return static_cast<char32_t>(key & 0x1F);
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;
  return text.toUcs4().value(0);
}

}  // namespace

TEditNumKt::TEditNumKt(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)),
      chars_(filterCharSet(filter_)) {
  edit_->resize(edit_->width(), kInitialEditHeight);
  resize(kInitialWidth, edit_->height());
  // Text arrives only through the character filter: no input method, no drops.
  edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit_->setAcceptDrops(false);
  edit_->installEventFilter(this);
  setFocusProxy(edit_);
  for (QToolButton* button : {up_, down_}) {
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->installEventFilter(this);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, &TEditNumKt::StepUp);
  connect(down_, &QToolButton::clicked, this, &TEditNumKt::StepDown);
  connect(edit_, &QLineEdit::textChanged, this, &TEditNumKt::editTextChanged);
  color_ = edit_->palette().color(QPalette::Base);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  applyHeightRule();
  placeChildren();
  setValue(0);
}

void TEditNumKt::setColor(const QColor& color) {
  color_ = color;
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, color);
  edit_->setPalette(palette);
}

void TEditNumKt::setPrecision(int precision) { precision_ = std::clamp(precision, 0, 255); }

std::optional<double> TEditNumKt::tryValue() const {
  const std::optional<double> number = parseNumber(edit_->text().toStdString(), separator());
  if (!number) return std::nullopt;
  return boundedValue(*number, minValue_, maxValue_);
}

QString TEditNumKt::conversionError() const {
  return QString::fromStdString(jcw::conversionError(edit_->text().toStdString()));
}

void TEditNumKt::setValue(double value) {
  if (!std::isfinite(value)) return;
  value = boundedValue(value, minValue_, maxValue_);
  edit_->setText(QString::fromStdString(formatNumber(value, precision_, separator())));
}

void TEditNumKt::setKeyWidth(int width) {
  if (width < kMinKeyWidth || width > edit_->width()) return;
  keyWidth_ = width;
  placeChildren();
}

void TEditNumKt::setMaxValue(double value) {
  maxValue_ = value;
  if (maxValue_ <= minValue_) return;
  const std::optional<double> shown = parseNumber(edit_->text().toStdString(), separator());
  if (shown && *shown > maxValue_) setValue(maxValue_);
}

void TEditNumKt::setMinValue(double value) {
  minValue_ = value;
  if (maxValue_ <= minValue_) return;
  const std::optional<double> shown = parseNumber(edit_->text().toStdString(), separator());
  if (shown && *shown < minValue_) setValue(minValue_);
}

void TEditNumKt::setAutoSize(bool on) {
  autoSize_ = on;
  setSizePolicy(QSizePolicy::Preferred, on ? QSizePolicy::Fixed : QSizePolicy::Preferred);
  applyHeightRule();
  placeChildren();
}

bool TEditNumKt::inputEnabled() const { return edit_->isEnabled(); }

void TEditNumKt::setInputEnabled(bool enabled) {
  edit_->setEnabled(enabled);
  up_->setEnabled(enabled);
  down_->setEnabled(enabled);
}

void TEditNumKt::setFilter(TFilter filter) {
  filter_ = filter;
  chars_ = filterCharSet(filter);
}

bool TEditNumKt::StepUp() { return stepBy(true); }

bool TEditNumKt::StepDown() { return stepBy(false); }

bool TEditNumKt::stepBy(bool up) {
  const std::optional<double> current = tryValue();
  if (!current) {
    platform().errorBox(conversionError());
    return false;
  }
  const int caret = edit_->cursorPosition();
  if (const std::optional<double> next = steppedValue(*current, step_, up, chars_)) setValue(*next);
  edit_->setCursorPosition(caret);
  setFocus();
  emit OnClick();
  return true;
}

QSize TEditNumKt::sizeHint() const {
  return {kInitialWidth, autoSize_ ? edit_->sizeHint().height() : height()};
}

bool TEditNumKt::eventFilter(QObject* watched, QEvent* event) {
  // Wheel turns over the children are the control's own, whoever delivers them.
  if (event->type() == QEvent::Wheel) return wheelTurned(static_cast<QWheelEvent*>(event));
  if (watched != edit_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress: return editKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) emit OnClick();
      break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      event->type() == QEvent::FocusIn ? emit OnEnter() : emit OnExit();
      break;
    }
    default: break;
  }
  return false;
}

bool TEditNumKt::editKeyPress(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Up || key == Qt::Key_Down) && !event->modifiers().testFlag(Qt::ShiftModifier)) {
    stepBy(key == Qt::Key_Up);
    emit OnKeyDown(0, event->modifiers());
    return true;
  }
  emit OnKeyDown(key, event->modifiers());
  const std::optional<char32_t> typed = typedCharacter(*event);
  if (!typed) return false;
  const bool caretAtStart = (edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition()) == 0;
  const std::optional<char> accepted =
      acceptTyped(chars_, *typed, edit_->text().toStdString(), caretAtStart, separator());
  emit OnKeyPress();
  if (accepted == '\b') return false;  // the edit box deletes as usual
  if (accepted) edit_->insert(QString(QChar(*accepted)));
  return true;
}

void TEditNumKt::editTextChanged(const QString& text) {
  if (text.isEmpty()) edit_->setText(QStringLiteral("0"));
  emit OnChange();
}

char TEditNumKt::separator() const {
  const QString point = locale().decimalPoint();
  return (point.size() == 1 && point[0].unicode() < 0x80) ? point[0].toLatin1() : '.';
}

void TEditNumKt::applyHeightRule() {
  if (autoSize_) {
    edit_->resize(edit_->width(), edit_->sizeHint().height());
    if (height() != edit_->height()) resize(width(), edit_->height());
  } else {
    edit_->resize(edit_->width(), height());
  }
}

void TEditNumKt::placeChildren() {
  const int buttonsLeft = width() - keyWidth_;
  edit_->setGeometry(0, 0, buttonsLeft, edit_->height());
  const int upHeight = height() / 2;
  up_->setGeometry(buttonsLeft, 0, keyWidth_, upHeight);
  down_->setGeometry(buttonsLeft, upHeight, keyWidth_, height() - upHeight);
}

void TEditNumKt::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyHeightRule();
  placeChildren();
}

void TEditNumKt::wheelEvent(QWheelEvent* event) {
  if (!wheelTurned(event)) event->ignore();
}

bool TEditNumKt::wheelTurned(QWheelEvent* event) {
  // Only vertical turns step; touch-pad phase events and horizontal turns carry no vertical delta.
  const int delta = event->angleDelta().y();
  if (delta == 0) return false;
  stepBy(delta > 0);
  event->accept();
  return true;
}

void TEditNumKt::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    edit_->setFont(font());
    applyHeightRule();
    placeChildren();
  }
}

}  // namespace jcw
