// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/accessible_window.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace ui {
namespace {

constexpr const char* kDecorative = "decorativeForAccessibility";

bool isDecorative(const QWidget& widget) { return widget.property(kDecorative).toBool(); }

// A widget whose accessible children are its child widgets but the
// decorative ones, in the order they were made.
class AccessibleParent : public QAccessibleWidget {
 public:
  AccessibleParent(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  int childCount() const override { return static_cast<int>(shownChildren().size()); }

  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = shownChildren();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    return static_cast<int>(shownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  QList<QWidget*> shownChildren() const {
    QList<QWidget*> children;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child != nullptr && !child->isWindow() && !isDecorative(*child)) children.append(child);
    }
    return children;
  }
};

QAccessibleInterface* describeProgramWindow(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (className == QLatin1String("ui::MainWindow")) return new AccessibleParent(widget, QAccessible::Window);
  if (className == QLatin1String("ui::AboutPanel")) return new AccessibleParent(widget, QAccessible::Pane);
  return nullptr;
}

}  // namespace

void installAccessibleWindows() {
  static const bool installed = [] {
    QAccessible::installFactory(&describeProgramWindow);
    return true;
  }();
  (void)installed;
}

void markDecorative(QWidget& widget) { widget.setProperty(kDecorative, true); }

}  // namespace ui
