#pragma once
// The colour depth, in bits per pixel, of the screen that decoded JPEG pictures
// are prepared for. It comes from the primary screen unless a test has set an
// override, so the 8-bit palette path can be checked on any display.

#include <optional>

// Bits per pixel of the primary screen, or the override when one is set;
// 24 when there is no screen at all.
int JpegScreenDepth();

// Sets (or, with nullopt, clears) the value JpegScreenDepth() returns.
void SetJpegScreenDepthOverride(std::optional<int> bitsPerPixel);
