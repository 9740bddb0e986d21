// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/main_window.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <iterator>
#include <limits>
#include <optional>
#include <string>

#include "app/guard.h"
#include "app/modal.h"
#include "report/export_report.h"
#include "ui/about_window.h"
#include "ui/accessible_window.h"
#include "ui/centring.h"
#include "ui/look.h"
#include "ui/main_key_filter.h"
#include "ui/main_layout.h"
#include "ui/single_line_validator.h"

namespace ui {
namespace {

using main_layout::Component;

template <typename Widget>
Widget* Place(QWidget* parent, const Component& component) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(component.name));
  widget->setGeometry(component.rect);
  return widget;
}

QLabel* PlaceLabel(QWidget* parent, const Component& component, bool wordWrap) {
  auto* label = Place<QLabel>(parent, component);
  label->setText(QString::fromUtf8(component.text));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(wordWrap);
  return label;
}

// A label whose box follows its text from the stored top-left corner.
QLabel* PlaceAutoSizedLabel(QWidget* parent, const Component& component, const QFont& font) {
  QLabel* label = PlaceLabel(parent, component, false);
  label->setFont(font);
  label->adjustSize();
  return label;
}

// An edit field named after its label: one line, no length limit (a result
// field as much as an input field).
QLineEdit* PlaceInput(QWidget* parent, const Component& field, const QLabel& label) {
  auto* edit = Place<QLineEdit>(parent, field);
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setValidator(new SingleLineValidator(edit));
  QString name = label.text();
  if (name.endsWith(u':')) name.chop(1);
  edit->setAccessibleName(name);
  return edit;
}

// A read-only result field: navy text on button face, copyable.
QLineEdit* PlaceResult(QWidget* parent, const Component& field, const QLabel& label) {
  QLineEdit* edit = PlaceInput(parent, field, label);
  edit->setReadOnly(true);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  palette.setColor(QPalette::Text, kNavy);
  edit->setPalette(palette);
  return edit;
}

QPushButton* PlaceButton(QWidget* parent, const Component& component) {
  auto* button = Place<QPushButton>(parent, component);
  button->setText(QString::fromLatin1(component.text));
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// Sets a field's text only when it differs, so that an unchanged field keeps
// its caret, selection and undo history and fires nothing.
bool SetFieldText(QLineEdit& field, const QString& text) {
  if (field.text() == text) return false;
  field.setText(text);
  return true;
}

}  // namespace

MainWindow::MainWindow(AboutWindowSource aboutWindow, std::unique_ptr<SaveDialog> saveDialog, QWidget* parent)
    : QWidget(parent),
      form_(*this),
      aboutWindow_(std::move(aboutWindow)),
      keyFilter_(new MainKeyFilter(this)),
      saveDialog_(std::move(saveDialog)) {
  InstallAccessibleWindows();
  SetUpWindow();
  CreateBevel();
  CreateInputBand();
  CreateResultBand();
  CreateButtonColumn();
  CreateCreditBand();
  SetUpTabOrder();
  ConnectParts();
}

void MainWindow::SetUpWindow() {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Calcolo percentuali di discordanza"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(main_layout::kClientWidth, main_layout::kClientHeight);
  setFont(PixelFont("MS Sans Serif", 11));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);
  setAutoFillBackground(true);
}

void MainWindow::setVisible(bool visible) {
  if (visible && !isVisible()) CentreOnScreen(*this);
  QWidget::setVisible(visible);
}

void MainWindow::CreateBevel() {
  fieldsBevel = Place<QFrame>(this, main_layout::kFieldsBevel);
  fieldsBevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  fieldsBevel->setLineWidth(1);
  fieldsBevel->setAttribute(Qt::WA_TransparentForMouseEvents);
  MarkDecorative(*fieldsBevel);
}

void MainWindow::CreateInputBand() {
  baseAmountLabel = PlaceLabel(this, main_layout::kBaseAmountLabel, false);
  baseAmountEdit = PlaceInput(this, main_layout::kBaseAmountEdit, *baseAmountLabel);
  discountLabel = PlaceLabel(this, main_layout::kDiscountLabel, true);
  discountEdit = PlaceInput(this, main_layout::kDiscountEdit, *discountLabel);
  discountPercentLabel = PlaceAutoSizedLabel(this, main_layout::kDiscountPercentLabel, font());
  MarkDecorative(*discountPercentLabel);  // the field's name says percentage
  contractorTotalLabel = PlaceLabel(this, main_layout::kContractorTotalLabel, true);
  contractorTotalEdit = PlaceInput(this, main_layout::kContractorTotalEdit, *contractorTotalLabel);
  for (QLineEdit* input : {baseAmountEdit, discountEdit, contractorTotalEdit}) keyFilter_->WatchInput(input);
  baseAmountEdit->setFocus(Qt::OtherFocusReason);  // taken when the window is first activated
}

void MainWindow::CreateResultBand() {
  computedTotalLabel = PlaceLabel(this, main_layout::kComputedTotalLabel, true);
  computedTotalEdit = PlaceResult(this, main_layout::kComputedTotalEdit, *computedTotalLabel);
  differenceLabel = PlaceLabel(this, main_layout::kDifferenceLabel, true);
  differenceEdit = PlaceResult(this, main_layout::kDifferenceEdit, *differenceLabel);
  discrepancyLabel = PlaceLabel(this, main_layout::kDiscrepancyLabel, true);
  discrepancyEdit = PlaceResult(this, main_layout::kDiscrepancyEdit, *discrepancyLabel);
  discrepancyPercentLabel = PlaceAutoSizedLabel(this, main_layout::kDiscrepancyPercentLabel, font());
  MarkDecorative(*discrepancyPercentLabel);
}

void MainWindow::CreateButtonColumn() {
  saveButton = PlaceButton(this, main_layout::kSaveButton);
  clearButton = PlaceButton(this, main_layout::kClearButton);
  aboutButton = PlaceButton(this, main_layout::kAboutButton);
  exitButton = PlaceButton(this, main_layout::kExitButton);
  saveButton->setEnabled(form_.SaveEnabled());
  for (QPushButton* button : {saveButton, clearButton, aboutButton, exitButton})
    keyFilter_->WatchButton(button);
}

void MainWindow::CreateCreditBand() {
  // The logo's white surround is transparent in the picture itself.
  logoLabel = Place<QLabel>(this, main_layout::kLogoLabel);
  logoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  logoLabel->setPixmap(QPixmap(QStringLiteral(":/assets/main_logo.png")));
  logoLabel->setAccessibleName(QStringLiteral("Logo del Gruppo TARVI"));

  // The group credit: the grey opaque copy first, the navy transparent copy
  // over it one pixel up and left, so the navy text has a grey shadow.
  const QFont credit = PixelFont("MS Sans Serif", 13, {.bold = true});
  groupCreditShadowLabel = PlaceAutoSizedLabel(this, main_layout::kGroupCreditShadowLabel, credit);
  SetTextColour(*groupCreditShadowLabel, kGrey);
  groupCreditShadowLabel->setAutoFillBackground(true);
  MarkDecorative(*groupCreditShadowLabel);
  groupCreditLabel = PlaceAutoSizedLabel(this, main_layout::kGroupCreditLabel, credit);
  SetTextColour(*groupCreditLabel, kNavy);
  groupCreditLabel->raise();

  creditLine = PlaceAutoSizedLabel(this, main_layout::kCreditLine, PixelFont("MS Sans Serif", 8));
  SetTextColour(*creditLine, kInactiveCaption);

  // The logo comes last in the description and is painted over the credit's
  // box where they meet.
  logoLabel->raise();
}

void MainWindow::SetUpTabOrder() {
  QWidget* const order[] = {baseAmountEdit, discountEdit,    contractorTotalEdit, computedTotalEdit,
                            differenceEdit, discrepancyEdit, clearButton,         aboutButton,
                            exitButton,     saveButton};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void MainWindow::ConnectParts() {
  for (form::Input input : form::kInputs) {
    QLineEdit* edit = InputEdit(input);
    connect(edit, &QLineEdit::textChanged, this,
            app::Guarded([this, input, edit] { form_.EditInput(input, edit->text().toStdString()); }));
  }
  connect(saveButton, &QPushButton::clicked, this, app::Guarded([this] { saveReport(); }));
  connect(clearButton, &QPushButton::clicked, this, app::Guarded([this] { clearAll(); }));
  connect(aboutButton, &QPushButton::clicked, this, app::Guarded([this] { showAbout(); }));
  connect(exitButton, &QPushButton::clicked, this, app::Guarded([this] { close(); }));
}

void MainWindow::clearAll() { form_.Clear(); }

void MainWindow::showAbout() { app::ShowModal(aboutWindow_()); }

void MainWindow::saveReport() {
  report::ExportReport(form_.ReportFields(), [this]() -> std::optional<std::string> {
    const std::optional<QString> path = saveDialog_->AskFileName(this);
    if (!path) return std::nullopt;
    return path->toStdString();
  });
}

QLineEdit* MainWindow::InputEdit(form::Input input) const {
  switch (input) {
    case form::Input::BaseAmount: return baseAmountEdit;
    case form::Input::Discount: return discountEdit;
    case form::Input::ContractorTotal: break;
  }
  return contractorTotalEdit;
}

QLineEdit* MainWindow::ResultEdit(form::Result result) const {
  switch (result) {
    case form::Result::ComputedTotal: return computedTotalEdit;
    case form::Result::Difference: return differenceEdit;
    case form::Result::Discrepancy: break;
  }
  return discrepancyEdit;
}

void MainWindow::ShowInput(form::Input input, const std::string& text) {
  // The field's change comes back to the form, which already holds the text.
  SetFieldText(*InputEdit(input), QString::fromStdString(text));
}

void MainWindow::ShowResult(form::Result result, const std::string& text) {
  QLineEdit& edit = *ResultEdit(result);
  const QString shown = QString::fromStdString(text);
  if (!SetFieldText(edit, shown)) return;
  // The start of the text, sign and leading digits included, stays in view
  // however long it is (setText alone leaves the end in view); the whole text
  // is the tooltip and what assistive technology reads out.
  edit.setCursorPosition(0);
  edit.setToolTip(shown);
  edit.setAccessibleDescription(shown);
}

void MainWindow::ShowSaveEnabled(bool enabled) { saveButton->setEnabled(enabled); }

}  // namespace ui
