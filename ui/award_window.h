// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AwardWindow: the "Verifica dell'aggiudicazione" window, the award check of
// form/award_form.h on widgets. It follows the main window's three inputs
// (the main window hands it its form after every change there) and has its
// own: the safety and labour costs, typed through the same key filter as the
// main window's amount fields, the discount's admitted decimals and the
// guarantee's kind. Its figures, its Italian error line and the state of its
// "&Salva" show what the award form tells, and showing a text never goes back
// to the form; "&Salva" writes the award report through the export the main
// window's "&Salva" uses, "&Chiudi" and Escape hide the window. The widgets
// are private; each has the objectName of its row in award_layout.h.

#include <QWidget>
#include <array>
#include <string>

#include "form/award_form.h"
#include "form/award_view.h"
#include "form/form.h"
#include "ui/award_layout.h"
#include "ui/save_dialog.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ui {

class KeyFilter;

class AwardWindow : public QWidget {
  Q_OBJECT

 public:
  // A window of its own, over parent (the main window), not yet shown; the
  // report's file name is asked through saveDialog, which must outlive it.
  AwardWindow(SaveDialog& saveDialog, QWidget* parent);

  // Takes the main form's three inputs and checks again when they changed.
  void followMainInputs(const form::Form& mainForm);

 private:
  // The award form's view over this window's widgets.
  class AwardDisplay final : public form::AwardView {
   public:
    explicit AwardDisplay(AwardWindow& window) : window(window) {}
    void ShowAwardTexts(const award::AwardTexts& texts) override { window.showTexts(texts); }
    void ShowAwardError(const std::string& line) override { window.showError(line); }
    void ShowAwardSaveEnabled(bool enabled) override { window.showSaveEnabled(enabled); }

   private:
    AwardWindow& window;
  };

  void setUpWindow();
  void createInputBand();
  void createResultBand();
  void createNoteAndErrorLines();
  void createButtonRow();

  void saveReport();
  void showTexts(const award::AwardTexts& texts);
  void showError(const std::string& line);
  void showSaveEnabled(bool enabled);

  SaveDialog& saveDialog;
  KeyFilter* keyFilter;
  QFormLayout* rows;
  QLineEdit* safetyCostsEdit = nullptr;
  QLineEdit* labourCostsEdit = nullptr;
  QSpinBox* discountDecimalsSpin = nullptr;
  QComboBox* guaranteeCombo = nullptr;
  std::array<QLineEdit*, std::size(award_layout::kResultRows)> resultEdits{};
  QLabel* noteLabel = nullptr;
  QLabel* awardErrorLabel = nullptr;
  QPushButton* awardSaveButton = nullptr;
  QPushButton* closeButton = nullptr;
  AwardDisplay awardDisplay{*this};
  form::AwardForm awardForm{awardDisplay};
};

}  // namespace ui
