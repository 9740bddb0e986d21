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
#include <optional>
#include <string>
#include <string_view>

#include "app/guard.h"
#include "app/modal.h"
#include "form/field_labels.h"
#include "form/report_file_name.h"
#include "report/export_report.h"
#include "ui/about_window.h"
#include "ui/accessible_window.h"
#include "ui/award_window.h"
#include "ui/centring.h"
#include "ui/key_filter.h"
#include "ui/line_fields.h"
#include "ui/look.h"
#include "ui/main_layout.h"

namespace ui {
namespace {

using main_layout::Component;
using main_layout::FieldRow;

template <typename Widget>
Widget* place(QWidget* parent, const Component& component) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(component.name));
  widget->setGeometry(component.rect);
  return widget;
}

QLabel* placeLabel(QWidget* parent, const Component& component, const QString& text) {
  auto* label = place<QLabel>(parent, component);
  label->setText(text);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(component.rect.height() > 13);  // a label two lines high wraps
  return label;
}

// A label whose box follows its text from the stored top-left corner.
QLabel* placeAutoSizedLabel(QWidget* parent, const Component& component, const QFont& font) {
  QLabel* label = placeLabel(parent, component, QString::fromUtf8(component.text));
  label->setFont(font);
  label->adjustSize();
  return label;
}

// A field and its label, which names it for assistive technology: one line,
// no length limit (a result field as much as an input field).
QLineEdit* placeField(QWidget* parent, const FieldRow& row, std::string_view name) {
  const QString accessibleName = QString::fromUtf8(name);
  placeLabel(parent, row.label, accessibleName + u':');
  auto* edit = place<QLineEdit>(parent, row.edit);
  makeAmountField(*edit);
  edit->setAccessibleName(accessibleName);
  return edit;
}

QLineEdit* placeResult(QWidget* parent, const FieldRow& row, std::string_view name) {
  QLineEdit* edit = placeField(parent, row, name);
  makeResultField(*edit);
  return edit;
}

QPushButton* placeButton(QWidget* parent, const Component& component) {
  auto* button = place<QPushButton>(parent, component);
  button->setText(QString::fromUtf8(component.text));
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

MainWindow::MainWindow(AboutWindowSource aboutWindow, std::unique_ptr<SaveDialog> saveDialog, QWidget* parent)
    : QWidget(parent),
      aboutWindow(std::move(aboutWindow)),
      saveDialog(std::move(saveDialog)),
      keyFilter(new KeyFilter(this)) {
  installAccessibleWindows();
  setUpWindow();
  createBevel();
  createInputBand();
  createResultBand();
  createButtonColumn();
  createCreditBand();
  setUpTabOrder();
}

void MainWindow::setUpWindow() {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Calcolo percentuali di discordanza"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(main_layout::kClientWidth, main_layout::kClientHeight);
  setFont(pixelFont("MS Sans Serif", 11));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);
  setAutoFillBackground(true);
}

void MainWindow::setVisible(bool visible) {
  if (visible && !isVisible()) centreOnScreen(*this);
  QWidget::setVisible(visible);
}

void MainWindow::createBevel() {
  auto* bevel = place<QFrame>(this, main_layout::kFieldsBevel);
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setLineWidth(1);
  bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
  markDecorative(*bevel);
}

// Each input field hands the user's edits to the form: textEdited carries
// typing, pastes, undo and redo, and never a text the form itself shows.
void MainWindow::createInputBand() {
  for (form::Input input : form::kInputs) {
    QLineEdit* edit =
        placeField(this, main_layout::kInputRows[form::IndexOf(input)], form::InputLabel(input));
    inputEdits[form::IndexOf(input)] = edit;
    keyFilter->watchInput(edit, form::TypingRule::PointIsSeparator);
    connect(edit, &QLineEdit::textEdited, this, app::Guarded([this, input] { editInput(input); }));
  }
  QLabel* percentSign = placeAutoSizedLabel(this, main_layout::kDiscountPercentSign, font());
  markDecorative(*percentSign);                        // the field's name says percentage
  inputEdits.front()->setFocus(Qt::OtherFocusReason);  // taken when the window is first activated
}

void MainWindow::createResultBand() {
  for (form::Result result : form::kResults) {
    resultEdits[form::IndexOf(result)] =
        placeResult(this, main_layout::kResultRows[form::IndexOf(result)], form::ResultLabel(result));
  }
  markDecorative(*placeAutoSizedLabel(this, main_layout::kDiscrepancyPercentSign, font()));
}

void MainWindow::createButtonColumn() {
  saveButton = placeButton(this, main_layout::kSaveButton);
  clearButton = placeButton(this, main_layout::kClearButton);
  aboutButton = placeButton(this, main_layout::kAboutButton);
  exitButton = placeButton(this, main_layout::kExitButton);
  verifyButton = placeButton(this, main_layout::kVerifyButton);
  saveButton->setEnabled(formModel.SaveEnabled());
  for (QPushButton* button : {saveButton, clearButton, aboutButton, exitButton, verifyButton})
    keyFilter->watchButton(button);
  connect(saveButton, &QPushButton::clicked, this, app::Guarded([this] { saveReport(); }));
  connect(clearButton, &QPushButton::clicked, this, app::Guarded([this] { clearAll(); }));
  connect(aboutButton, &QPushButton::clicked, this, app::Guarded([this] { showAbout(); }));
  connect(exitButton, &QPushButton::clicked, this, app::Guarded([this] { close(); }));
  connect(verifyButton, &QPushButton::clicked, this, app::Guarded([this] { showAward(); }));
}

void MainWindow::createCreditBand() {
  // The logo's white surround is transparent in the picture itself.
  auto* logo = place<QLabel>(this, main_layout::kLogoLabel);
  logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  logo->setPixmap(QPixmap(QStringLiteral(":/assets/main_logo.png")));
  logo->setAccessibleName(QStringLiteral("Logo del Gruppo TARVI"));

  // The group credit: the grey opaque copy first, the navy transparent copy
  // over it one pixel up and left, so the navy text has a grey shadow.
  const QFont credit = pixelFont("MS Sans Serif", 13, {.bold = true});
  QLabel* shadow = placeAutoSizedLabel(this, main_layout::kGroupCreditShadowLabel, credit);
  setTextColour(*shadow, kGrey);
  shadow->setAutoFillBackground(true);
  markDecorative(*shadow);
  QLabel* groupCredit = placeAutoSizedLabel(this, main_layout::kGroupCreditLabel, credit);
  setTextColour(*groupCredit, kNavy);
  groupCredit->raise();

  QLabel* copyright = placeAutoSizedLabel(this, main_layout::kCopyrightLabel, pixelFont("MS Sans Serif", 8));
  setTextColour(*copyright, kInactiveCaption);

  // The logo is painted over the copyright's box where they meet.
  logo->raise();
}

void MainWindow::setUpTabOrder() {
  const auto [baseAmount, discount, contractorTotal] = inputEdits;
  const auto [computedTotal, difference, discrepancy] = resultEdits;
  QWidget* const order[] = {baseAmount, discount,    contractorTotal, computedTotal,
                            difference, discrepancy, clearButton,     aboutButton,
                            exitButton, saveButton,  verifyButton};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void MainWindow::editInput(form::Input input) {
  formModel.EditInput(input, inputEdits[form::IndexOf(input)]->text().toStdString());
}

void MainWindow::clearAll() { formModel.Clear(); }

void MainWindow::showAbout() { app::ShowModal(aboutWindow()); }

void MainWindow::showAward() {
  if (awardWindow == nullptr) {
    awardWindow = new AwardWindow(*saveDialog, this);
    formModel.SetFollower(&awardWindow->mainInputsFollower());
    placeBeside(*awardWindow, *this);
  }
  awardWindow->show();
  awardWindow->raise();
  awardWindow->activateWindow();
}

void MainWindow::saveReport() {
  report::ExportReport(formModel.ReportFields(),
                       askFileNameThrough(*saveDialog, this, form::kReportFileName));
}

void MainWindow::showInput(form::Input input, const std::string& text) {
  setFieldText(*inputEdits[form::IndexOf(input)], QString::fromStdString(text));
}

void MainWindow::showResult(form::Result result, const std::string& text) {
  showResultText(*resultEdits[form::IndexOf(result)], QString::fromStdString(text));
}

void MainWindow::showSaveEnabled(bool enabled) { saveButton->setEnabled(enabled); }

}  // namespace ui
