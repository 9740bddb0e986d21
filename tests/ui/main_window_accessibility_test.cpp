// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The main window as assistive technology hears it, through the toolkit's
// accessibility interface: a window with its caption, every child named
// once, the decorative copies left out.

#include <QAccessible>
#include <QSet>

#include "tests/ui/main_window_fixture.h"

namespace {

struct Heard {
  QAccessible::Role role;
  QString name;
};

QList<Heard> ChildrenHeard(QAccessibleInterface& window) {
  QList<Heard> heard;
  for (int i = 0; i < window.childCount(); ++i) {
    QAccessibleInterface* child = window.child(i);
    if (child == nullptr) {
      ADD_FAILURE() << "child " << i << " has no interface";
      continue;
    }
    EXPECT_EQ(window.indexOfChild(child), i);
    EXPECT_EQ(child->parent(), &window);
    heard.append({child->role(), child->text(QAccessible::Name)});
  }
  return heard;
}

TEST_F(MainWindowTest, TheWindowIsAnnouncedAsAWindowWithItsCaption) {
  QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(window.get());
  ASSERT_NE(announced, nullptr);
  EXPECT_EQ(announced->role(), QAccessible::Window);
  EXPECT_EQ(announced->text(QAccessible::Name).toStdString(), "Calcolo percentuali di discordanza");
}

TEST_F(MainWindowTest, EveryChildIsHeardOnceWithAName) {
  QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(window.get());
  ASSERT_NE(announced, nullptr);
  const QList<Heard> heard = ChildrenHeard(*announced);
  QSet<QString> names;
  for (const Heard& child : heard) {
    EXPECT_FALSE(child.name.isEmpty()) << "a child of role " << child.role << " has no name";
    EXPECT_FALSE(names.contains(child.name)) << child.name.toStdString() << " is heard twice";
    names.insert(child.name);
  }
  // 6 fields, 5 buttons, 6 field labels, the group credit, the maker, the logo.
  EXPECT_EQ(heard.size(), 20);
  const auto roleOf = [&](const QString& name) {
    for (const Heard& child : heard) {
      if (child.name == name) return child.role;
    }
    return QAccessible::NoRole;
  };
  EXPECT_EQ(roleOf("Gruppo TARVI:"), QAccessible::StaticText);
  EXPECT_EQ(roleOf("Logo del Gruppo TARVI"), QAccessible::Graphic);
  EXPECT_EQ(roleOf("Importo a base d'asta"), QAccessible::EditableText);
  EXPECT_EQ(roleOf("Salva"), QAccessible::Button);
}

}  // namespace
