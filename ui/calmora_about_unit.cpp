#include "ui/calmora_about_unit.h"

TCalmoraAboutForm* CalmoraAboutForm = nullptr;

TCalmoraAboutForm::TCalmoraAboutForm(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint) {
  setFixedSize(460, 298);
}
