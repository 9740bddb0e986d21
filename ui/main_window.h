// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// MainWindow: the calculator's window. Three input fields for the tender
// figures, three read-only result fields, four buttons, their labels, the
// logo and the credits, built in code from the table in main_layout.h. It is
// the form's view (form/form.h): every text change of an input field goes to
// the form, under the frame's error boundary, and the results, the inputs
// when cleared and the state of "&Salva" show what the form tells. Each
// result carries its whole text as its tooltip and accessible description and
// shows the start of it. Keys typed into an input field pass the key filter
// first. Closing the window ends the program.

#include <QWidget>
#include <functional>
#include <memory>

#include "form/form.h"
#include "form/form_view.h"
#include "ui/save_dialog.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class AboutWindow;
class MainKeyFilter;

class MainWindow : public QWidget, private form::FormView {
  Q_OBJECT

 public:
  // The About window that "&About" shows, asked for on each showing; it must
  // outlive this window. The start-up code builds it on the first request.
  using AboutWindowSource = std::function<AboutWindow&()>;

  // "&Salva" asks for the report's file name through saveDialog.
  MainWindow(AboutWindowSource aboutWindow, std::unique_ptr<SaveDialog> saveDialog,
             QWidget* parent = nullptr);

  // Each showing centres the window by its outer frame.
  void setVisible(bool visible) override;

  // The parts, by role; input and result fields in the form's order.
  QLineEdit* baseAmountEdit;
  QLineEdit* discountEdit;
  QLineEdit* contractorTotalEdit;
  QLineEdit* computedTotalEdit;
  QLineEdit* differenceEdit;
  QLineEdit* discrepancyEdit;
  QPushButton* saveButton;
  QPushButton* clearButton;
  QPushButton* aboutButton;
  QPushButton* exitButton;
  QLabel* baseAmountLabel;
  QLabel* discountLabel;
  QLabel* discountPercentLabel;
  QLabel* contractorTotalLabel;
  QLabel* computedTotalLabel;
  QLabel* differenceLabel;
  QLabel* discrepancyLabel;
  QLabel* discrepancyPercentLabel;
  QFrame* fieldsBevel;
  QLabel* logoLabel;
  QLabel* groupCreditLabel;
  QLabel* groupCreditShadowLabel;
  QLabel* creditLine;

 private slots:
  void clearAll();
  void showAbout();
  void saveReport();

 private:
  void SetUpWindow();
  void CreateBevel();
  void CreateInputBand();
  void CreateResultBand();
  void CreateButtonColumn();
  void CreateCreditBand();
  void SetUpTabOrder();
  void ConnectParts();

  QLineEdit* InputEdit(form::Input input) const;
  QLineEdit* ResultEdit(form::Result result) const;

  void ShowInput(form::Input input, const std::string& text) override;
  void ShowResult(form::Result result, const std::string& text) override;
  void ShowSaveEnabled(bool enabled) override;

  form::Form form_;
  AboutWindowSource aboutWindow_;
  MainKeyFilter* keyFilter_;
  std::unique_ptr<SaveDialog> saveDialog_;
};

}  // namespace ui
