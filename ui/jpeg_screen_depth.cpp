#include "ui/jpeg_screen_depth.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

std::optional<int>& Override() {
  static std::optional<int> bitsPerPixel;
  return bitsPerPixel;
}

}  // namespace

int JpegScreenDepth() {
  if (Override()) return *Override();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->depth() : 24;
}

void SetJpegScreenDepthOverride(std::optional<int> bitsPerPixel) {
  Override() = bitsPerPixel;
}
