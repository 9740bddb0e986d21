#include "ui/main_startup.h"

#include "ui/calmora_about_unit.h"
#include "ui/main_unit.h"

namespace ui {

QWidget* CreateStartupWindows(std::unique_ptr<SaveDialog> saveDialog) {
  Form1 = new TForm1(std::move(saveDialog));
  CalmoraAboutForm = new TCalmoraAboutForm;
  return Form1;
}

void DestroyStartupWindows() {
  delete CalmoraAboutForm;
  CalmoraAboutForm = nullptr;
  delete Form1;
  Form1 = nullptr;
}

}  // namespace ui
