// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// MainWindow: the calculator's window. Three input fields for the tender
// figures, three read-only result fields, five buttons, their labels, the
// logo and the credits, built in code from the layout in main_layout.h. It
// shows the form (form/form.h): every edit the user makes in an input field
// (typing, pasting, undo, redo) goes to the form, under the frame's error
// boundary, and the results, the inputs when cleared and the state of
// "&Salva" show what the form tells; showing a text never goes back to the
// form. Each result carries its whole text as its tooltip and accessible
// description and shows the start of it. Keys typed into an input field pass
// the key filter first. "&Verifica…" shows the award window, built on its
// first showing, which follows the three inputs from then on. Closing the
// window ends the program. The widgets are private; each has the objectName
// of its row in main_layout.h.

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "form/fields.h"
#include "form/form.h"
#include "form/form_view.h"
#include "ui/save_dialog.h"

class QLineEdit;
class QPushButton;

namespace ui {

class AboutWindow;
class AwardWindow;
class KeyFilter;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // The About window that "&About" shows, asked for on each showing; it must
  // outlive this window. The start-up code builds it on the first request.
  using AboutWindowSource = std::function<AboutWindow&()>;

  // "&Salva" asks for the report's file name through saveDialog, and so does
  // the award window's.
  MainWindow(AboutWindowSource aboutWindow, std::unique_ptr<SaveDialog> saveDialog,
             QWidget* parent = nullptr);

  // Each showing centres the window by its outer edges, the window
  // decoration included.
  void setVisible(bool visible) override;

 private:
  // The form's view over this window's widgets.
  class FormDisplay final : public form::FormView {
   public:
    explicit FormDisplay(MainWindow& window) : window(window) {}
    void ShowInput(form::Input input, const std::string& text) override { window.showInput(input, text); }
    void ShowResult(form::Result result, const std::string& text) override {
      window.showResult(result, text);
    }
    void ShowSaveEnabled(bool enabled) override { window.showSaveEnabled(enabled); }

   private:
    MainWindow& window;
  };

  void setUpWindow();
  void createBevel();
  void createInputBand();
  void createResultBand();
  void createButtonColumn();
  void createCreditBand();
  void setUpTabOrder();

  void editInput(form::Input input);
  void clearAll();
  void showAbout();
  void showAward();
  void saveReport();

  void showInput(form::Input input, const std::string& text);
  void showResult(form::Result result, const std::string& text);
  void showSaveEnabled(bool enabled);

  AboutWindowSource aboutWindow;
  std::unique_ptr<SaveDialog> saveDialog;
  KeyFilter* keyFilter;
  std::array<QLineEdit*, form::kInputs.size()> inputEdits{};
  std::array<QLineEdit*, form::kResults.size()> resultEdits{};
  QPushButton* saveButton = nullptr;
  QPushButton* clearButton = nullptr;
  QPushButton* aboutButton = nullptr;
  QPushButton* exitButton = nullptr;
  QPushButton* verifyButton = nullptr;
  AwardWindow* awardWindow = nullptr;  // a child of this window, once shown
  FormDisplay formDisplay{*this};
  form::Form formModel{formDisplay};
};

}  // namespace ui
