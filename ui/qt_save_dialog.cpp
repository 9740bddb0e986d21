// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/qt_save_dialog.h"

#include <QApplication>
#include <QScreen>
#include <QShowEvent>
#include <cfenv>
#include <string_view>

#include "app/dialog_pixmaps.h"
#include "app/focus_return.h"
#include "ui/steady_header_icons.h"

namespace ui {

namespace {

// The screen that shows the program's active window, else the owner's, else
// the first one.
QScreen* screenForDialog(const QWidget* dialog, const QWidget* owner) {
  const QWidget* active = QApplication::activeWindow();
  if (active && active != dialog) {
    return active->screen();
  }
  if (owner) {
    return owner->window()->screen();
  }
  return QGuiApplication::primaryScreen();
}

class ExportFileDialog final : public QFileDialog {
 public:
  explicit ExportFileDialog(QWidget* owner) : QFileDialog(owner), owner(owner) {}

 protected:
  // Runs once the dialog has its size; a native dialog shown by the platform
  // in its place is placed by the platform.
  void showEvent(QShowEvent* event) override {
    QFileDialog::showEvent(event);
    if (const QScreen* screen = screenForDialog(this, owner)) {
      move(dialogPosition(screen->geometry(), frameGeometry().size()));
    }
  }

 private:
  QWidget* owner;
};

// Restores the floating-point control modes and clears the exception flags
// when it goes out of scope, whatever the dialog's code did to them.
class FloatingPointGuard {
 public:
  FloatingPointGuard() { fegetmode(&modes); }
  ~FloatingPointGuard() {
    feclearexcept(FE_ALL_EXCEPT);
    fesetmode(&modes);
  }
  FloatingPointGuard(const FloatingPointGuard&) = delete;
  FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

 private:
  femode_t modes;
};

}  // namespace

std::optional<QString> QtSaveDialog::askFileName(QWidget* owner, std::string_view proposedName) {
  const app::FocusReturn focusReturn;
  const app::DialogPixmaps pixmaps;
  const std::unique_ptr<QFileDialog> dialog = makeExportDialog(owner, proposedName);
  const FloatingPointGuard guard;
  if (dialog->exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  const QStringList files = dialog->selectedFiles();
  if (files.isEmpty()) {
    return std::nullopt;
  }
  return files.first();
}

std::unique_ptr<QFileDialog> makeExportDialog(QWidget* owner, std::string_view proposedName) {
  const QString name = QString::fromUtf8(proposedName);
  QString kind = name;
  kind.chop(QStringLiteral(".rtf").size());
  auto dialog = std::make_unique<ExportFileDialog>(owner);
  dialog->setWindowTitle(QStringLiteral("Esporta i dati in formato Word compatibile"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilter(kind + QStringLiteral(" (*.rtf)"));
  dialog->setOption(QFileDialog::DontConfirmOverwrite);
  dialog->setDefaultSuffix(QString());
  dialog->selectFile(name);
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->setProxyModel(new SteadyHeaderIcons(dialog.get()));
  return dialog;
}

QPoint dialogPosition(const QRect& screen, const QSize& outer) {
  return {screen.left() + (screen.width() - outer.width()) / 2,
          screen.top() + (screen.height() - outer.height()) / 3};
}

}  // namespace ui
