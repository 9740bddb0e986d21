#pragma once
// TCalmoraAboutForm: the About window with the maker's credits. Created hidden
// at start-up, shown modally by the main window's "&About" button as often as
// asked; closing it only hides it. A click on the picture, on a panel or on
// "&Chiudi" closes it, and so do Enter, Space, Alt+C and C; Escape does not.
// Each showing centres it on the screen. The picture is decoded once, on its
// first paint.

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {
class AboutPanel;
class AboutPicture;
}  // namespace ui

class TCalmoraAboutForm : public QDialog {
  Q_OBJECT

 public:
  // Reads the picture's header from the program's own JPEG, prepared for the
  // colour depth of the primary screen; throws ui::JpegError.
  explicit TCalmoraAboutForm(QWidget* parent = nullptr);
  // The same window over other JPEG data, prepared for a screen of
  // screenBitsPerPixel; throws ui::JpegError.
  TCalmoraAboutForm(const QByteArray& jpeg, int screenBitsPerPixel, QWidget* parent);

  void setVisible(bool visible) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Button1Click();

  void SetupWindow(QWidget* client);
  void SetupHeader(QWidget* client);
  void SetupPicture(QWidget* client, const QByteArray& jpeg, int screenBitsPerPixel);
  void SetupFooter(QWidget* client);
  void SetupButton(QWidget* client);
  bool HandleFocusKey(QObject* watched, const QKeyEvent& key);

  QPushButton* Button1 = nullptr;
  ui::AboutPicture* ProgramIcon = nullptr;
  ui::AboutPanel* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  ui::AboutPanel* Panel2 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label15 = nullptr;
};

// The one About window, created at start-up after the main window.
extern TCalmoraAboutForm* CalmoraAboutForm;
