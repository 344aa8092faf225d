#pragma once
// TForm3: the About box. Created hidden at start-up and shown modally (exec()) by the main
// window's About command; OK, Enter and Escape close it. It shows the program's name, version,
// credits and licence; the licence's name opens its text in the user's browser through the
// platform layer. The program has no mail address or home page of its own, so it shows none.
// UI thread only.

#include <QDialog>

class QLabel;
class QPushButton;

namespace jcw {

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);

  void Button1Click();
  // Opens the licence's text.
  void LicenceClick();

 protected:
  // Clicks on the licence link.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* addLabel(const char* name, const QString& text);
  QLabel* addLink(const char* name, const QString& text, const QString& hint);

  QLabel* LicenceLink = nullptr;
  QPushButton* Button1 = nullptr;
};

}  // namespace jcw
