// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AwardWindow: the "Verifica dell'aggiudicazione" dialog, the award check of
// form/award_form.h on widgets, shown beside the main window without
// blocking it. It follows the main window's three inputs (the main form
// hands itself to the award form after every change there) and has its own:
// the safety and labour costs, typed through the same key filter as the
// main window's amount fields, the discount's admitted decimals and the
// guarantee's kind. Its figures, its Italian error line, its warnings (above
// the figures, where the eye is) and the state of its "&Salva" show what the
// award form tells, and showing a text never goes back to the form; an
// emptied decimals box is an input still missing; "&Salva" writes the award report through the export the
// main window's "&Salva" uses, "&Chiudi" and Escape hide the dialog. The widgets are private; each has the
// objectName of its row in award_layout.h.

#include <QDialog>
#include <array>
#include <string>

#include "award/award_figures.h"
#include "form/award_form.h"
#include "form/award_view.h"
#include "ui/save_dialog.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ui {

class FigureField;
class KeyFilter;

class AwardWindow : public QDialog {
  Q_OBJECT

 public:
  // A dialog over parent (the main window), not yet shown; the report's
  // file name is asked through saveDialog, which must outlive it.
  AwardWindow(SaveDialog& saveDialog, QWidget* parent);

  // The award form, which follows the main form's inputs.
  form::MainInputsFollower& mainInputsFollower() { return awardForm; }

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
  void createMessageLines();
  void createFigureBand();
  void createButtonBox();

  void editSafetyCosts(const QString& text);
  void editLabourCosts(const QString& text);
  void chooseDiscountDecimals(int decimals);
  void editDiscountDecimals(const QString& text);
  void chooseGuaranteeKind(int index);
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
  QComboBox* guaranteeKindCombo = nullptr;
  std::array<FigureField*, award::kFigures.size()> figureEdits{};  // none for a figure only the CSV shows
  QLabel* awardErrorLabel = nullptr;
  FigureField* awardWarningLabel = nullptr;  // a line that quotes amounts, which may be long
  QPushButton* awardSaveButton = nullptr;
  QPushButton* closeButton = nullptr;
  AwardDisplay awardDisplay{*this};
  form::AwardForm awardForm{awardDisplay};
};

}  // namespace ui
