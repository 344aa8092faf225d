#pragma once
// TForm3: the About box. Created hidden at start-up and shown modally (exec()) by the main
// window's About command; OK, Enter and Escape close it. The mail and home-page lines open the
// user's mail program and browser through the platform layer. UI thread only.

#include <QDialog>

class QLabel;
class QPushButton;

namespace jcw {

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);

  void Button1Click();
  // A new message to the contact address with the fixed subject.
  void Label4Click();
  void Label6Click();

 protected:
  // Clicks on the two link labels.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* addLabel(const char* name, const QString& text);
  QLabel* addLink(const char* name, const QString& text, const QString& hint);

  QLabel* Label4 = nullptr;
  QLabel* Label6 = nullptr;
  QPushButton* Button1 = nullptr;
};

}  // namespace jcw
