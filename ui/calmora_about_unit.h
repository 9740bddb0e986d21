#pragma once
// TCalmoraAboutForm: the About window with the maker's credits. Created hidden
// at start-up, shown modally by the main window's "&About" button as often as
// asked; closing it only hides it.

#include <QDialog>

class TCalmoraAboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit TCalmoraAboutForm(QWidget* parent = nullptr);
};

// The one About window, created at start-up after the main window.
extern TCalmoraAboutForm* CalmoraAboutForm;
