#pragma once
// TForm1: the main window. Three input fields for the tender figures, three
// read-only result fields, four buttons, their labels, the logo and the
// credits, built in code from the table in main_layout.h. Every text change
// of an input field runs the discrepancy computation; keys typed into an
// input field pass through the input filter first. Closing it ends the program.

#include <QWidget>
#include <memory>

#include "ui/save_dialog.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class MainKeyFilter;
}  // namespace ui

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Asks for the report's file name through saveDialog.
  explicit TForm1(std::unique_ptr<ui::SaveDialog> saveDialog, QWidget* parent = nullptr);

  // Each showing centres the window by its outer frame.
  void setVisible(bool visible) override;

  // Components, in the order of the window's description.
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLineEdit* Edit4;
  QLabel* Label4;
  QLabel* Label5;
  QLineEdit* Edit5;
  QFrame* Bevel1;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QLineEdit* Edit6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLabel* Label10;
  QLabel* Label11;
  QLabel* Label6;
  QPushButton* Button4;
  QLabel* Image1;

  // Handlers; each receives the component that fired and does not use it.
  void Button1Click(QObject* sender);  // clear the six fields
  void Button2Click(QObject* sender);  // the About window, modally
  void Button3Click(QObject* sender);  // close: ends the program
  void Edit1Change(QObject* sender);   // ComputeDiscrepancy on the six fields
  // The input filter of Edit1..Edit3: passes backspace, ",", digits and 127,
  // turns "." into ",", and sets every other character to 0 (discarded).
  void Edit1KeyPress(QObject* sender, char& key);
  void Button4Click(QObject* sender);  // export the report as RTF

 private:
  void SetUpWindow();
  void CreateBevel();
  void CreateInputBand();
  void CreateResultBand();
  void CreateButtonColumn();
  void CreateCreditBand();
  void SetTabOrder();
  void ConnectHandlers();

  ui::MainKeyFilter* keyFilter_;
  std::unique_ptr<ui::SaveDialog> saveDialog_;
};

// The one main window, created first at start-up.
extern TForm1* Form1;
