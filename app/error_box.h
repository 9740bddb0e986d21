#pragma once
// ErrorBox: where the frame shows an error message to the user, handed to
// the application object when it is made. The program uses MessageErrorBox
// (critical icon, one OK button, modal to the whole program).

#include <QString>

namespace app {

class ErrorBox {
 public:
  virtual ~ErrorBox() = default;
  // Returns when the user has closed the box.
  virtual void Show(const QString& title, const QString& text) = 0;
};

class MessageErrorBox : public ErrorBox {
 public:
  void Show(const QString& title, const QString& text) override;
};

}  // namespace app
