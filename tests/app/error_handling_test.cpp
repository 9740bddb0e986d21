// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/error_handling.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "app/guard.h"
#include "app/silent_abort.h"
#include "app/title.h"
#include "tests/app/modal_guard.h"
#include "tests/app/recording_error_box.h"

namespace {

// An object whose handling of a user event raises, to reach the application
// object's last-resort guard.
class Raising : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("Raised in dispatch");
    return QObject::event(event);
  }
};

TEST(ErrorHandling, SilentAbortShowsNothing) {
  ScopedErrorBox recorder;
  app::HandleError(std::make_exception_ptr(app::SilentAbort()));
  EXPECT_TRUE(recorder.box.texts.isEmpty());
}

TEST(ErrorHandling, ShowsMessageWithStopUnderTheTitle) {
  ScopedErrorBox recorder;
  app::HandleError(std::make_exception_ptr(std::runtime_error("Floating point division by zero")));
  ASSERT_EQ(recorder.box.texts.size(), 1);
  EXPECT_EQ(recorder.box.texts[0].toStdString(), "Floating point division by zero.");
  EXPECT_EQ(recorder.box.titles[0], app::ApplicationTitle());
}

TEST(ErrorHandling, GuardedHandlerReportsAndReturns) {
  ScopedErrorBox recorder;
  QObject sender;
  bool after = false;
  QObject::connect(&sender, &QObject::objectNameChanged, &sender,
                   app::Guarded([] { throw std::runtime_error("Invalid floating point operation"); }));
  QObject::connect(&sender, &QObject::objectNameChanged, &sender, [&after] { after = true; });
  sender.setObjectName("x");
  EXPECT_EQ(recorder.box.texts, QStringList{"Invalid floating point operation."});
  EXPECT_TRUE(after) << "the signal's other receivers still run";
}

TEST(ErrorHandling, GuardedSilentAbortShowsNothing) {
  ScopedErrorBox recorder;
  QObject sender;
  QObject::connect(&sender, &QObject::objectNameChanged, &sender,
                   app::Guarded([] { throw app::SilentAbort(); }));
  sender.setObjectName("x");
  EXPECT_TRUE(recorder.box.texts.isEmpty());
}

TEST(ErrorHandling, ApplicationGuardsEventDispatch) {
  ScopedErrorBox recorder;
  Raising raising;
  QEvent event(QEvent::User);
  EXPECT_TRUE(QCoreApplication::sendEvent(&raising, &event));
  EXPECT_EQ(recorder.box.texts, QStringList{"Raised in dispatch."});
}

// The real box: critical icon, one OK button, the title as caption, and the
// focus back in the field that had it.
TEST(MessageErrorBox, ShowsACriticalBoxAndRestoresFocus) {
  ScopedErrorBox recorder;
  recorder.box.showsMessageBox = true;
  QLineEdit field;
  field.show();
  field.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
  field.setFocus();
  ASSERT_TRUE(field.hasFocus());

  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  Qt::WindowModality modality = Qt::NonModal;
  ExpectModal([&](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    modality = box->windowModality();
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  app::HandleError(std::make_exception_ptr(std::runtime_error("Floating point overflow")));

  EXPECT_FALSE(ModalStillExpected());
  EXPECT_EQ(caption, app::ApplicationTitle());
  EXPECT_EQ(text.toStdString(), "Floating point overflow.");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(modality, Qt::ApplicationModal);
  QTest::qWait(0);
  EXPECT_TRUE(field.hasFocus());
}

}  // namespace
