// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The baseline: a bare Qt 6 window with the same widgets at the same places
// (six line edits, eleven labels, a frame, four buttons, the logo), nothing
// else, ended at its first paint.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "bench/app/first_paint_exit.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Calcolo percentuali di discordanza");
  window.setFixedSize(368, 224);
  (new QFrame(&window))->setGeometry(8, 8, 257, 209);
  const QRect edits[] = {{136, 16, 121, 21},  {136, 50, 65, 21},   {136, 85, 121, 21},
                         {136, 120, 121, 21}, {136, 152, 121, 21}, {136, 186, 105, 21}};
  for (const QRect& rect : edits) (new QLineEdit(&window))->setGeometry(rect);
  const struct {
    const char* text;
    QRect rect;
  } labels[] = {{"Importo a base d'asta:", {16, 19, 113, 13}},
                {"Percentuale di ribasso aggiudicatrice:", {16, 46, 113, 33}},
                {"Importo totale dei lavori proposto dall'Impresa:", {16, 82, 116, 33}},
                {"Importo totale dei lavori calcolato:", {16, 117, 89, 33}},
                {"Importo Impresa meno importo calcolato:", {16, 149, 113, 33}},
                {"Percentuale di discordanza:", {16, 181, 89, 33}},
                {"%", {205, 54, 8, 13}},
                {"%", {245, 190, 8, 13}},
                {"Gruppo TARVI:", {272, 192, 92, 16}},
                {"Gruppo TARVI:", {271, 191, 92, 16}},
                {"Calmora Studio", {293, 210, 71, 13}}};
  for (const auto& label : labels) {
    auto* widget = new QLabel(QString::fromUtf8(label.text), &window);
    widget->setGeometry(label.rect);
    widget->setWordWrap(label.rect.height() > 20);
  }
  const struct {
    const char* text;
    int top;
  } buttons[] = {{"&Salva", 8}, {"&Ripulisci", 40}, {"&About", 72}, {"&Esci", 104}};
  for (const auto& button : buttons)
    (new QPushButton(button.text, &window))->setGeometry(280, button.top, 75, 25);
  auto* logo = new QLabel(&window);
  logo->setGeometry(298, 135, 41, 60);
  logo->setPixmap(QPixmap(":/assets/main_logo.png"));

  window.installEventFilter(new FirstPaintExit(&window));
  window.show();
  return application.exec();
}
