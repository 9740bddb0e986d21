// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/startup_error.h"

#include <cxxabi.h>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace app {
namespace {

QString Demangled(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> name(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  return QString::fromUtf8(status == 0 && name ? name.get() : type.name());
}

struct Described {
  QString kind;
  QString message;
};

Described Describe(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return {Demangled(typeid(e)), QString::fromUtf8(e.what())};
  } catch (...) {
    const std::type_info* type = abi::__cxa_current_exception_type();
    return {type ? Demangled(*type) : QStringLiteral("unknown"), QString()};
  }
}

QString ModuleName() { return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section(u'/', -1); }

QString ReportOf(std::exception_ptr error) {
  const Described described = Describe(error);
  return StartupErrorText(described.kind, ModuleName(), described.message);
}

}  // namespace

QString StartupErrorText(const QString& kind, const QString& module, const QString& message) {
  const QString stop = message.endsWith(u'.') ? QString() : QStringLiteral(".");
  return QStringLiteral("Exception %1 in module %2.\r\n%3%4\r\n").arg(kind, module, message, stop);
}

void WriteStartupError(std::exception_ptr error) {
  std::fputs(ReportOf(error).toLocal8Bit().constData(), stderr);
  std::fflush(stderr);
}

int ReportStartupError(std::exception_ptr error) {
  WriteStartupError(error);
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"), ReportOf(error),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
  }
  return 1;
}

}  // namespace app
