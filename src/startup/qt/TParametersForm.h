#pragma once
// TParametersForm: the start-up window. It asks for the four dimensions of a new crossword (OK)
// or loads a crossword file (the Load button, a drop, the command line), then hands over to the
// main window and hides. It is the application's main window: closing it ends the program.
//
// Its creation reads the options (RegisterFile). The numbers keep their values while it is
// hidden, so New starts from the last ones. The hot keys and the wheel rule are an
// application event filter, so they are seen before the focused control. UI thread only.

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

namespace jcw {

class TEditNumKt;
class TForm1;

class TParametersForm : public QWidget {
  Q_OBJECT

 public:
  explicit TParametersForm(QWidget* parent = nullptr);
  ~TParametersForm() override;

  // The main window it shows; created after this one.
  void setMainWindow(TForm1* window) { mainWindow_ = window; }

  void ButtonOKClick();
  void ButtonLoadClick();
  void ButtonExitClick();

 signals:
  // The window was closed: the application ends.
  void terminateRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The first number field takes the focus with its text selected, so typing replaces it.
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  QGroupBox* addGroupBox(const QString& objectName, const QString& caption);
  TEditNumKt* addNumber(QGroupBox* box, int row, const QString& objectName, const QString& label,
                        double value);
  QPushButton* addButton(const QString& objectName, const QString& caption);
  // Loads ParamFile once, after the first paint.
  // The start's questions and loads, once, after the first paint: work left by a crash is
  // offered back; unless it is taken, the file named on the command line is loaded.
  void handleStart();
  // True when the user took left work back (the main window then shows it).
  bool offerLeftWork();
  void loadParamFile();
  enum class LoadSource { Window, CommandLine };
  // LoadProcess; on success the main window takes over, on failure a box says why (a
  // command-line file's also on stderr) and this window stays.
  void openCrossword(const std::string& name, LoadSource source = LoadSource::Window);
  void showMainWindow();
  // FormKeyPress and FormMouseWheel; true when the event is consumed.
  bool FormKeyPress(QObject* receiver, const QKeyEvent& key);
  bool FormMouseWheel(const QWheelEvent& wheel);

  TForm1* mainWindow_ = nullptr;
  bool startHandled_ = false;
  QGroupBox* captionBox = nullptr;
  QGroupBox* GridBox = nullptr;
  TEditNumKt* EditCapRow = nullptr;
  TEditNumKt* EditCapCol = nullptr;
  TEditNumKt* EditRow = nullptr;
  TEditNumKt* EditCol = nullptr;
  QPushButton* ButtonOK = nullptr;
  QPushButton* ButtonLoad = nullptr;
  QPushButton* ButtonExit = nullptr;
};

}  // namespace jcw
