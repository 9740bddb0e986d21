// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The baseline: a bare Qt 6 window with the same widgets at the same places
// as the main window, read from its layout (six line edits, the labels, a
// frame, five buttons, the logo), nothing else, ended at its first paint.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <string_view>

#include "bench/app/first_paint_exit.h"
#include "form/field_labels.h"
#include "ui/main_layout.h"

namespace layout = ui::main_layout;

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddLabel(QWidget& window, const QString& text, const QRect& rect) {
  auto* label = new QLabel(text, &window);
  label->setGeometry(rect);
  label->setWordWrap(rect.height() > 20);
}

void AddRows(QWidget& window, const layout::FieldRow (&rows)[3], const std::string_view (&labels)[3]) {
  for (std::size_t i = 0; i < 3; ++i) {
    AddLabel(window, Text(labels[i]) + u':', rows[i].label.rect);
    (new QLineEdit(&window))->setGeometry(rows[i].edit.rect);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Calcolo percentuali di discordanza");
  window.setFixedSize(layout::kClientWidth, layout::kClientHeight);
  (new QFrame(&window))->setGeometry(layout::kFieldsBevel.rect);
  AddRows(window, layout::kInputRows, form::kInputLabels);
  AddRows(window, layout::kResultRows, form::kResultLabels);
  for (const layout::Component& label :
       {layout::kDiscountPercentSign, layout::kDiscrepancyPercentSign, layout::kGroupCreditShadowLabel,
        layout::kGroupCreditLabel, layout::kCopyrightLabel}) {
    AddLabel(window, QString::fromUtf8(label.text), label.rect);
  }
  for (const layout::Component& button : {layout::kSaveButton, layout::kClearButton, layout::kAboutButton,
                                          layout::kExitButton, layout::kVerifyButton}) {
    (new QPushButton(QString::fromUtf8(button.text), &window))->setGeometry(button.rect);
  }
  auto* logo = new QLabel(&window);
  logo->setGeometry(layout::kLogoLabel.rect);
  logo->setPixmap(QPixmap(":/assets/main_logo.png"));

  window.installEventFilter(new FirstPaintExit(&window));
  window.show();
  return application.exec();
}
