// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/award_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <optional>

#include "app/guard.h"
#include "award/award_inputs.h"
#include "form/report_file_name.h"
#include "report/export_report.h"
#include "ui/award_layout.h"
#include "ui/figure_field.h"
#include "ui/key_filter.h"
#include "ui/line_fields.h"
#include "ui/look.h"

namespace ui {
namespace {

using award_layout::LabelledRow;

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A widget of the row, named for assistive technology by the row's label,
// which stands on its left.
template <typename Widget>
Widget* addRow(QFormLayout& rows, QWidget* parent, const QString& name, std::string_view label) {
  auto* widget = new Widget(parent);
  widget->setObjectName(name);
  widget->setAccessibleName(fromUtf8(label));
  rows.addRow(fromUtf8(label) + u':', widget);
  return widget;
}

// A sentence of the dialog, word-wrapped and selectable, read by assistive
// technology like any other text.
QLabel* makeSentence(QWidget* parent, const char* name, const QColor& colour) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  setTextColour(*label, colour);
  return label;
}

}  // namespace

AwardWindow::AwardWindow(SaveDialog& saveDialog, QWidget* parent)
    : QDialog(parent), saveDialog(saveDialog), keyFilter(new KeyFilter(this)), rows(new QFormLayout(this)) {
  setUpWindow();
  createInputBand();
  createMessageLines();
  createFigureBand();
  createButtonBox();
  safetyCostsEdit->setFocus(Qt::OtherFocusReason);  // taken when the dialog is first activated
}

void AwardWindow::setUpWindow() {
  setObjectName(QStringLiteral("awardWindow"));
  setWindowTitle(fromUtf8(award::kAwardTitle));
  setModal(false);
  setAttribute(Qt::WA_WindowPropagation);          // the main window's font and palette
  rows->setSizeConstraint(QLayout::SetFixedSize);  // as large as its content, and no larger
  rows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
}

// The two costs take typed characters through the main window's rule and
// hand the user's edits to the form: textEdited carries typing, pastes, undo
// and redo.
void AwardWindow::createInputBand() {
  const auto addCosts = [this](const LabelledRow& row, std::string_view help) {
    auto* field = addRow<QLineEdit>(*rows, this, QString::fromLatin1(row.name), row.label);
    makeAmountField(*field);
    field->setToolTip(fromUtf8(help));
    keyFilter->watchInput(field, form::TypingRule::AsWritten);
    return field;
  };
  safetyCostsEdit = addCosts(award_layout::kSafetyCostsRow, award::kSafetyCostsHelp);
  labourCostsEdit = addCosts(award_layout::kLabourCostsRow, award::kLabourCostsHelp);
  connect(safetyCostsEdit, &QLineEdit::textEdited, this, app::Guarded(this, &AwardWindow::editSafetyCosts));
  connect(labourCostsEdit, &QLineEdit::textEdited, this, app::Guarded(this, &AwardWindow::editLabourCosts));

  const LabelledRow& decimals = award_layout::kDiscountDecimalsRow;
  discountDecimalsSpin = addRow<QSpinBox>(*rows, this, QString::fromLatin1(decimals.name), decimals.label);
  discountDecimalsSpin->setRange(0, award::kMostDiscountDecimals);
  discountDecimalsSpin->setValue(awardForm.Inputs().discountDecimals);
  // A step tells its value; the spin box's own line edit tells what is
  // typed, the box emptied included, which the spin box keeps to itself.
  connect(discountDecimalsSpin, &QSpinBox::valueChanged, this,
          app::Guarded(this, &AwardWindow::chooseDiscountDecimals));
  connect(discountDecimalsSpin->findChild<QLineEdit*>(), &QLineEdit::textEdited, this,
          app::Guarded(this, &AwardWindow::editDiscountDecimals));

  const LabelledRow& kind = award_layout::kGuaranteeKindRow;
  guaranteeKindCombo = addRow<QComboBox>(*rows, this, QString::fromLatin1(kind.name), kind.label);
  for (award::GuaranteeKind each : award::kGuaranteeKinds)
    guaranteeKindCombo->addItem(fromUtf8(award::GuaranteeKindText(each)));
  connect(guaranteeKindCombo, &QComboBox::currentIndexChanged, this,
          app::Guarded(this, &AwardWindow::chooseGuaranteeKind));
}

// Why the inputs give no figures, and what the check warns of, between the
// inputs and the figures; each line only while it says something.
void AwardWindow::createMessageLines() {
  awardErrorLabel = makeSentence(this, award_layout::kErrorLabelName, kMaroon);
  awardWarningLabel = new FigureField(this);
  awardWarningLabel->setObjectName(QString::fromLatin1(award_layout::kWarningLabelName));
  awardWarningLabel->makeMessageLine(kMaroon);
  for (QWidget* line : {static_cast<QWidget*>(awardErrorLabel), static_cast<QWidget*>(awardWarningLabel)}) {
    rows->addRow(line);
    rows->setRowVisible(line, false);
  }
}

// A field for each figure a row shows, in the table's order, as wide as the
// longest outcome; the note's row only while there is a note.
void AwardWindow::createFigureBand() {
  const int width = fontMetrics().horizontalAdvance(fromUtf8(award_layout::kFigureSample)) + 16;
  for (const award::FigureRow& row : award::kFigures) {
    if (!award::IsLine(row)) continue;
    auto* field = addRow<FigureField>(*rows, this, award_layout::figureFieldName(row), row.label);
    field->setMinimumWidth(width);
    if (row.omittedWhenEmpty) rows->setRowVisible(field, false);
    figureEdits[award::IndexOf(row.figure)] = field;
  }
}

// Salva saves and stays; Chiudi, like Escape, rejects, which hides the
// dialog. Neither is a default button: Enter in a field saves nothing.
void AwardWindow::createButtonBox() {
  auto* buttons = new QDialogButtonBox(this);
  awardSaveButton =
      buttons->addButton(QString::fromUtf8(award_layout::kSaveButtonText), QDialogButtonBox::ActionRole);
  closeButton =
      buttons->addButton(QString::fromUtf8(award_layout::kCloseButtonText), QDialogButtonBox::RejectRole);
  awardSaveButton->setObjectName(QString::fromLatin1(award_layout::kSaveButtonName));
  closeButton->setObjectName(QString::fromLatin1(award_layout::kCloseButtonName));
  for (QPushButton* button : {awardSaveButton, closeButton}) {
    button->setAutoDefault(false);
    keyFilter->watchButton(button);
  }
  awardSaveButton->setEnabled(awardForm.SaveEnabled());
  rows->addRow(buttons);
  connect(awardSaveButton, &QPushButton::clicked, this, app::Guarded([this] { saveReport(); }));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void AwardWindow::editSafetyCosts(const QString& text) { awardForm.EditSafetyCosts(text.toStdString()); }

void AwardWindow::editLabourCosts(const QString& text) { awardForm.EditLabourCosts(text.toStdString()); }

void AwardWindow::chooseDiscountDecimals(int decimals) { awardForm.SetDiscountDecimals(decimals); }

// An emptied box is a missing input: the figures go stale until it has a
// number again.
void AwardWindow::editDiscountDecimals(const QString& text) {
  bool number = false;
  const int decimals = text.toInt(&number);
  awardForm.SetDiscountDecimals(number ? std::optional<int>(decimals) : std::nullopt);
}

void AwardWindow::chooseGuaranteeKind(int index) {
  awardForm.SetGuaranteeKind(award::kGuaranteeKinds[static_cast<std::size_t>(index)]);
}

void AwardWindow::saveReport() {
  const std::optional<std::string> rtf = awardForm.ReportRtf();
  if (!rtf) return;
  report::ExportRtf(*rtf, askFileNameThrough(saveDialog, this, form::kAwardReportFileName));
}

void AwardWindow::showTexts(const award::AwardTexts& texts) {
  for (const award::FigureRow& row : award::kFigures) {
    FigureField* field = figureEdits[award::IndexOf(row.figure)];
    if (field == nullptr) continue;
    field->showFigure(QString::fromStdString(award::TextWithUnit(texts, row)));
    if (row.omittedWhenEmpty) rows->setRowVisible(field, award::HasLine(texts, row));
  }
  QStringList warnings;
  for (const std::string& warning : texts.warnings) warnings.append(QString::fromStdString(warning) + u'.');
  awardWarningLabel->showFigure(warnings.join(u'\n'));
  rows->setRowVisible(awardWarningLabel, !warnings.isEmpty());
}

void AwardWindow::showError(const std::string& line) {
  awardErrorLabel->setText(QString::fromStdString(line));
  rows->setRowVisible(awardErrorLabel, !line.empty());
}

// Saving is enabled exactly while the figures are those of the inputs; the
// figures of earlier inputs stay in view, in grey, as the form keeps them,
// and so do their warnings.
void AwardWindow::showSaveEnabled(bool enabled) {
  awardSaveButton->setEnabled(enabled);
  for (FigureField* field : figureEdits) {
    if (field != nullptr) field->showCurrent(enabled);
  }
  awardWarningLabel->showCurrent(enabled);
}

}  // namespace ui
