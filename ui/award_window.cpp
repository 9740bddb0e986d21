// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/award_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <optional>

#include "app/guard.h"
#include "award/award_check.h"
#include "form/report_file_name.h"
#include "report/export_report.h"
#include "ui/key_filter.h"
#include "ui/line_fields.h"
#include "ui/look.h"

namespace ui {
namespace {

using award_layout::LabelledRow;
using award_layout::ResultRow;

// A widget of the row, named for assistive technology by the row's label,
// which stands on its left.
template <typename Widget>
Widget* addRow(QFormLayout& rows, QWidget* parent, const char* name, std::string_view label) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setAccessibleName(QString::fromUtf8(label));
  rows.addRow(QString::fromUtf8(label) + u':', widget);
  return widget;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* text) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// A sentence in the window, word-wrapped and selectable.
QLabel* makeSentence(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

void setFieldTextColour(QLineEdit& field, const QColor& colour) {
  QPalette palette = field.palette();
  palette.setColor(QPalette::Text, colour);
  field.setPalette(palette);
}

constexpr award::Guarantee kGuarantees[] = {award::Guarantee::Ordinary, award::Guarantee::BelowThreshold};

}  // namespace

AwardWindow::AwardWindow(SaveDialog& saveDialog, QWidget* parent)
    : QWidget(parent, Qt::Window),
      saveDialog(saveDialog),
      keyFilter(new KeyFilter(this)),
      rows(new QFormLayout(this)) {
  setUpWindow();
  createInputBand();
  createResultBand();
  createNoteAndErrorLines();
  createButtonRow();
  safetyCostsEdit->setFocus(Qt::OtherFocusReason);  // taken when the window is first activated
}

void AwardWindow::followMainInputs(const form::Form& mainForm) { awardForm.FollowMainInputs(mainForm); }

void AwardWindow::setUpWindow() {
  setObjectName(QStringLiteral("awardWindow"));
  setWindowTitle(QString::fromUtf8(award::kAwardTitle));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  rows->setSizeConstraint(QLayout::SetFixedSize);  // as large as its content, and no larger
  rows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, app::Guarded([this] { close(); }));
}

// The two costs take typed characters through the main window's rule and
// hand the user's edits to the form: textEdited carries typing, pastes, undo
// and redo.
void AwardWindow::createInputBand() {
  const auto addCosts = [this](const LabelledRow& row, std::string_view help,
                               void (form::AwardForm::*edit)(std::string)) {
    auto* field = addRow<QLineEdit>(*rows, this, row.name, row.label);
    makeAmountField(*field);
    field->setToolTip(QString::fromUtf8(help));
    keyFilter->watchInput(field);
    connect(field, &QLineEdit::textEdited, this,
            app::Guarded([this, field, edit] { (awardForm.*edit)(field->text().toStdString()); }));
    return field;
  };
  safetyCostsEdit =
      addCosts(award_layout::kSafetyCostsRow, award::kSafetyCostsHelp, &form::AwardForm::EditSafetyCosts);
  labourCostsEdit =
      addCosts(award_layout::kLabourCostsRow, award::kLabourCostsHelp, &form::AwardForm::EditLabourCosts);

  const LabelledRow& decimals = award_layout::kDiscountDecimalsRow;
  discountDecimalsSpin = addRow<QSpinBox>(*rows, this, decimals.name, decimals.label);
  discountDecimalsSpin->setRange(0, award::kMostDiscountDecimals);
  discountDecimalsSpin->setValue(awardForm.Inputs().discountDecimals);
  discountDecimalsSpin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  connect(discountDecimalsSpin, &QSpinBox::valueChanged, this,
          app::Guarded([this] { awardForm.SetDiscountDecimals(discountDecimalsSpin->value()); }));

  const LabelledRow& guarantee = award_layout::kGuaranteeKindRow;
  guaranteeCombo = addRow<QComboBox>(*rows, this, guarantee.name, guarantee.label);
  for (award::Guarantee kind : kGuarantees)
    guaranteeCombo->addItem(QString::fromUtf8(award::GuaranteeKindText(kind)));
  guaranteeCombo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  connect(guaranteeCombo, &QComboBox::currentIndexChanged, this,
          app::Guarded([this] { awardForm.SetGuarantee(kGuarantees[guaranteeCombo->currentIndex()]); }));
}

void AwardWindow::createResultBand() {
  const int width = fontMetrics().horizontalAdvance(QString::fromUtf8(award_layout::kResultSample)) + 16;
  for (std::size_t i = 0; i < std::size(award_layout::kResultRows); ++i) {
    const ResultRow& row = award_layout::kResultRows[i];
    QLineEdit* field = addRow<QLineEdit>(*rows, this, row.name, row.label);
    makeAmountField(*field);
    makeResultField(*field);
    field->setMinimumWidth(width);
    resultEdits[i] = field;
  }
}

// The note and the reason the inputs give no figures, in the window itself:
// lines that assistive technology reads like any other text.
void AwardWindow::createNoteAndErrorLines() {
  const award_layout::LabelledRow& note = award_layout::kNoteRow;
  noteLabel = makeSentence(this, note.name);
  noteLabel->setAccessibleName(QString::fromUtf8(note.label));
  setTextColour(*noteLabel, kNavy);
  rows->addRow(QString::fromUtf8(note.label) + u':', noteLabel);
  rows->setRowVisible(noteLabel, false);  // until there is a note
  awardErrorLabel = makeSentence(this, award_layout::kErrorLabelName);
  setTextColour(*awardErrorLabel, kMaroon);
  rows->addRow(awardErrorLabel);
}

void AwardWindow::createButtonRow() {
  awardSaveButton = makeButton(this, award_layout::kSaveButtonName, award_layout::kSaveButtonText);
  closeButton = makeButton(this, award_layout::kCloseButtonName, award_layout::kCloseButtonText);
  awardSaveButton->setEnabled(awardForm.SaveEnabled());
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(awardSaveButton);
  buttons->addWidget(closeButton);
  rows->addRow(buttons);
  for (QPushButton* button : {awardSaveButton, closeButton}) keyFilter->watchButton(button);
  connect(awardSaveButton, &QPushButton::clicked, this, app::Guarded([this] { saveReport(); }));
  connect(closeButton, &QPushButton::clicked, this, app::Guarded([this] { close(); }));
}

void AwardWindow::saveReport() {
  const std::optional<std::string> rtf = awardForm.ReportRtf();
  if (!rtf) return;
  report::ExportRtf(*rtf, askFileNameThrough(saveDialog, this, form::kAwardReportFileName));
}

void AwardWindow::showTexts(const award::AwardTexts& texts) {
  for (std::size_t i = 0; i < std::size(award_layout::kResultRows); ++i) {
    const ResultRow& row = award_layout::kResultRows[i];
    const std::string& text = texts.*row.text;
    showResultText(*resultEdits[i],
                   QString::fromStdString(text) + (text.empty() ? QString() : QString::fromUtf8(row.unit)));
  }
  noteLabel->setText(QString::fromStdString(texts.note));
  rows->setRowVisible(noteLabel, !texts.note.empty());
}

void AwardWindow::showError(const std::string& line) {
  awardErrorLabel->setText(QString::fromStdString(line));
}

// Saving is enabled exactly while the figures are those of the inputs; the
// figures of earlier inputs stay in view, in grey, as the form keeps them.
void AwardWindow::showSaveEnabled(bool enabled) {
  awardSaveButton->setEnabled(enabled);
  for (QLineEdit* field : resultEdits) setFieldTextColour(*field, enabled ? kNavy : kGrey);
  setTextColour(*noteLabel, enabled ? kNavy : kGrey);
}

}  // namespace ui
