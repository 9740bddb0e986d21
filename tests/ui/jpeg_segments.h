// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Surgery on a JPEG file's marker segments, for tests that need a picture
// whose header reads but whose decoding fails.

#include <QByteArray>

// Offset of the first marker segment with this code (0xFF, code) before the
// first scan, or -1.
inline qsizetype FindSegment(const QByteArray& jpeg, unsigned char code) {
  qsizetype at = 2;  // after SOI
  while (at + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg[at]) == 0xFF) {
    const auto marker = static_cast<unsigned char>(jpeg[at + 1]);
    if (marker == code) return at;
    if (marker == 0xDA) return -1;
    const int length =
        (static_cast<unsigned char>(jpeg[at + 2]) << 8) | static_cast<unsigned char>(jpeg[at + 3]);
    at += 2 + length;
  }
  return -1;
}

// The file without any segment of this code before the first scan.
inline QByteArray WithoutSegments(QByteArray jpeg, unsigned char code) {
  for (qsizetype at = FindSegment(jpeg, code); at >= 0; at = FindSegment(jpeg, code)) {
    const int length =
        (static_cast<unsigned char>(jpeg[at + 2]) << 8) | static_cast<unsigned char>(jpeg[at + 3]);
    jpeg.remove(at, 2 + length);
  }
  return jpeg;
}
