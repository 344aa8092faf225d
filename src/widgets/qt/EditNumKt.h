#pragma once
// TEditNumKt: an edit box for one number with a pair of up/down arrow buttons at its right edge.
// It filters the typed characters (NumberRules.h), keeps the value between MinValue and MaxValue
// while MaxValue > MinValue, steps it by Step with the buttons, the Up and Down keys and the mouse
// wheel, and shows it with Precision decimals in the locale's decimal separator.
//
// Reading the value can fail: the text may be no number (select all, type "+"). tryValue() then
// gives nothing and conversionError() the text to report; a step on such a text reports it in
// the platform's error box itself and changes nothing. UI thread only.

#include <QColor>
#include <QWidget>
#include <optional>

#include "widgets/NumberRules.h"

class QLineEdit;
class QToolButton;
class QKeyEvent;

namespace jcw {

class TEditNumKt : public QWidget {
  Q_OBJECT

 public:
  explicit TEditNumKt(QWidget* parent = nullptr);

  // Color: the edit box's background.
  QColor color() const { return color_; }
  void setColor(const QColor& color);
  // Precision: decimals shown by setValue (0..255).
  int precision() const { return precision_; }
  void setPrecision(int precision);
  // Value: the number of the text, bounded; the text itself is left as typed. Nothing when the
  // text is no number.
  std::optional<double> tryValue() const;
  // "'<text>' is not a valid floating point value", for the current text.
  QString conversionError() const;
  // Bounds `value` and shows it; a value that is not finite is ignored.
  void setValue(double value);
  // KeyWidth: the buttons' width; a width below 5 or above the edit box's width is ignored.
  int keyWidth() const { return keyWidth_; }
  void setKeyWidth(int width);
  // MaxValue, MinValue: storing one moves a number beyond it in the text onto it.
  double maxValue() const { return maxValue_; }
  void setMaxValue(double value);
  double minValue() const { return minValue_; }
  void setMinValue(double value);
  // AutoSize: the control's height follows the edit box's (which follows its font); otherwise
  // the edit box takes the control's height.
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool on);
  // Enabled: the edit box and the buttons together; the control itself stays enabled.
  bool inputEnabled() const;
  void setInputEnabled(bool enabled);
  TFilter filter() const { return filter_; }
  void setFilter(TFilter filter);
  double step() const { return step_; }
  void setStep(double step) { step_ = step; }

  // One Step up or down (a negative result is dropped unless the filter has "-"), keeping the
  // caret; then the focus goes into the edit box and OnClick is raised. False, after the error
  // box, when the text is no number.
  bool StepUp();
  bool StepDown();

  // The edit box, for a form's own handling of events over it.
  QLineEdit* editBox() const { return edit_; }

  QSize sizeHint() const override;

 signals:
  void OnChange();   // after each change of the text
  void OnClick();    // a click into the edit box, and each step
  void OnKeyPress(); // each character typed into the edit box, taken or discarded
  void OnKeyDown(int key, Qt::KeyboardModifiers shift);  // key 0 when a step consumed it
  void OnEnter();    // the focus came into the edit box
  void OnExit();     // the focus left it

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool stepBy(bool up);
  // Steps for a vertical wheel turn; false for an event without one.
  bool wheelTurned(QWheelEvent* event);
  // Returns true when the key press was consumed.
  bool editKeyPress(QKeyEvent* event);
  void editTextChanged(const QString& text);
  char separator() const;
  void applyHeightRule();
  void placeChildren();

  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
  QColor color_;
  int precision_ = 0;
  int keyWidth_ = 22;
  double maxValue_ = 0;
  double minValue_ = 0;
  bool autoSize_ = true;
  TFilter filter_ = TFilter::fltNatural;
  CharSet chars_;
  double step_ = 1.0;
};

}  // namespace jcw
