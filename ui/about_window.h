// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AboutWindow: the window with the maker's credits. Created hidden, when the
// main window's "&About" button first asks for it, and shown modally as often
// as asked; closing it only hides it. A click on the picture, on a panel or on
// "&Chiudi" closes it, and so do Enter, Space, Alt+C and C; Escape does not.
// Each showing centres it on the screen. The picture is decoded once, on its
// first paint.

#include <QDialog>

class QPushButton;

namespace ui {

class AboutPanel;
class AboutPicture;

class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  // Reads the picture's header from the program's own JPEG, prepared for the
  // colour depth of the primary screen; throws JpegError.
  explicit AboutWindow(QWidget* parent = nullptr);
  // The same window over other JPEG data, prepared for a screen of
  // screenBitsPerPixel; throws JpegError.
  AboutWindow(const QByteArray& jpeg, int screenBitsPerPixel, QWidget* parent);

  void setVisible(bool visible) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void closeWindow();
  void setUpWindow(QWidget* client);
  void createHeader(QWidget* client);
  void createPicture(QWidget* client, const QByteArray& jpeg, int screenBitsPerPixel);
  void createFooter(QWidget* client);
  void createCloseButton(QWidget* client);
  bool handleFocusKey(QObject* watched, const QKeyEvent& key);

  AboutPanel* headerPanel = nullptr;
  AboutPicture* picture = nullptr;
  AboutPanel* footerPanel = nullptr;
  QPushButton* closeButton = nullptr;
};

}  // namespace ui
