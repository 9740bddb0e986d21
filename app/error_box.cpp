#include "app/error_box.h"

#include <QMessageBox>

namespace app {

void MessageErrorBox::Show(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace app
