// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// libjpeg decoding of the About picture: the header read alone, the two output
// layouts, fatal faults as "JPEG error #N" and silence on warnings.

#include "ui/jpeg_decoder.h"

#include <gtest/gtest.h>
#include <jerror.h>
#include <jpeglib.h>
#include <unistd.h>

#include <QRegularExpression>
#include <QSet>
#include <cstdio>
#include <random>

#include "tests/ui/jpeg_segments.h"
#include "tests/ui/program_jpeg.h"
#include "ui/jpeg_error.h"
#include "ui/jpeg_picture.h"

namespace {

// Sets one byte of the frame header (SOF0): 4 is the precision, 5 and 6 the height, 7 and 8 the width.
QByteArray WithFrameByte(QByteArray jpeg, int offset, char value) {
  const qsizetype at = FindSegment(jpeg, 0xC0);
  if (at >= 0) jpeg[at + offset] = value;
  return jpeg;
}

int MessageCodeOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ui::JpegError& error) {
    EXPECT_EQ(std::string(error.what()), "JPEG error #" + std::to_string(error.messageCode()));
    return error.messageCode();
  }
  return 0;
}

// Runs the action with the process's standard error sent to a temporary file
// and returns what was written there.
std::string StandardErrorOf(const std::function<void()>& action) {
  std::fflush(stderr);
  FILE* capture = std::tmpfile();
  const int saved = dup(fileno(stderr));
  dup2(fileno(capture), fileno(stderr));
  action();
  std::fflush(stderr);
  dup2(saved, fileno(stderr));
  close(saved);
  std::string written;
  std::rewind(capture);
  for (int c = std::fgetc(capture); c != EOF; c = std::fgetc(capture)) written += static_cast<char>(c);
  std::fclose(capture);
  return written;
}

TEST(JpegDecoder, ProgramPictureHeaderIsTheBaselineColourPicture) {
  const ui::JpegHeader header = ui::readJpegHeader(ProgramJpeg());
  EXPECT_EQ(header.width, 993);
  EXPECT_EQ(header.height, 417);
  EXPECT_FALSE(header.grayscale);
  EXPECT_FALSE(header.progressive);
}

TEST(JpegDecoder, ColourScreenGetsFullSize24BitPicture) {
  const QImage image = ui::decodeJpeg(ProgramJpeg(), ui::JpegOutput::Rgb24);
  EXPECT_EQ(image.size(), QSize(993, 417));
  EXPECT_EQ(image.format(), QImage::Format_RGB888);
  // Dark blue background: the top-left corner has more blue than red.
  EXPECT_GT(qBlue(image.pixel(2, 2)), qRed(image.pixel(2, 2)));
}

TEST(JpegDecoder, EightBitScreenGetsAtMost236Colours) {
  const QImage image = ui::decodeJpeg(ProgramJpeg(), ui::JpegOutput::Palette8);
  ASSERT_EQ(image.format(), QImage::Format_Indexed8);
  EXPECT_EQ(image.size(), QSize(993, 417));
  EXPECT_LE(image.colorCount(), 236);
  EXPECT_GT(image.colorCount(), 16);  // chosen from the picture, not a tiny fixed map
  QSet<int> used;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) used.insert(row[x]);
  }
  EXPECT_LE(used.size(), 236);
  EXPECT_LT(*std::max_element(used.begin(), used.end()), image.colorCount());
}

TEST(JpegPicture, ReadsTheHeaderOnlyUntilTheImageIsAskedFor) {
  ui::JpegPicture picture(ProgramJpeg(), 32);
  EXPECT_EQ(picture.header().width, 993);
  EXPECT_EQ(picture.header().height, 417);
  const QImage& first = picture.image();
  const QImage& second = picture.image();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(first.cacheKey(), second.cacheKey());
  EXPECT_EQ(first.format(), QImage::Format_RGB888);
}

TEST(JpegDecoder, HeaderFaultsBecomeJpegErrors) {
  const QByteArray good = ProgramJpeg();
  QByteArray notJpeg = good;
  notJpeg[0] = 'X';
  const QByteArray cutBeforeFrame = good.left(FindSegment(good, 0xC0));
  const QByteArray cutAfterFrame = good.left(FindSegment(good, 0xC4));
  struct Row {
    const char* name;
    QByteArray data;
    int messageCode;
  };
  const Row rows[] = {
      {"empty data", QByteArray(), JERR_INPUT_EMPTY},
      {"not a JPEG", notJpeg, JERR_NO_SOI},
      {"12-bit samples", WithFrameByte(good, 4, 12), JERR_BAD_PRECISION},
      {"zero width", WithFrameByte(WithFrameByte(good, 7, 0), 8, 0), JERR_EMPTY_IMAGE},
      {"cut before the frame header", cutBeforeFrame, JERR_NO_IMAGE},
      {"cut after the frame header", cutAfterFrame, JERR_SOF_NO_SOS},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MessageCodeOf([&] { ui::readJpegHeader(row.data); }), row.messageCode) << row.name;
    EXPECT_EQ(MessageCodeOf([&] { ui::JpegPicture(row.data, 32); }), row.messageCode) << row.name;
  }
}

TEST(JpegPicture, BodyFaultSurfacesOnceOnTheDecode) {
  ui::JpegPicture picture(WithoutSegments(ProgramJpeg(), 0xDB), 32);  // header fine, no quantisation tables
  EXPECT_EQ(MessageCodeOf([&] { picture.image(); }), JERR_NO_QUANT_TABLE);
  EXPECT_EQ(MessageCodeOf([&] { EXPECT_TRUE(picture.image().isNull()); }), 0);
}

TEST(JpegDecoder, TruncatedBodyDecodesSilently) {
  const QByteArray truncated = ProgramJpeg().left(ProgramJpeg().size() / 2);
  QImage image;
  const std::string written = StandardErrorOf([&] {
    EXPECT_EQ(MessageCodeOf([&] { image = ui::decodeJpeg(truncated, ui::JpegOutput::Rgb24); }), 0);
  });
  EXPECT_EQ(written, "");
  EXPECT_EQ(image.size(), QSize(993, 417));
}

// Damaged data never crashes the decoder nor writes to standard error: each
// outcome is a picture of the header's size or a ui::JpegError.
TEST(JpegDecoder, RandomDamageEndsInPictureOrJpegError) {
  const QByteArray good = ProgramJpeg();
  std::mt19937 random(20260512);
  std::uniform_int_distribution<qsizetype> offset(0, 700);  // headers and the start of the scan
  std::uniform_int_distribution<int> byte(0, 255);
  // The picture's size stays as it is, so that no trial allocates gigabytes.
  const qsizetype sizeFirst = FindSegment(good, 0xC0) + 5;
  const qsizetype sizeLast = sizeFirst + 3;
  for (int trial = 0; trial < 60; ++trial) {
    QByteArray damaged = good;
    for (int hit = 0; hit < 3; ++hit) {
      const qsizetype at = offset(random);
      if (at < sizeFirst || at > sizeLast) damaged[at] = static_cast<char>(byte(random));
    }
    const std::string written = StandardErrorOf([&] {
      try {
        const ui::JpegHeader header = ui::readJpegHeader(damaged);
        const QImage image =
            ui::decodeJpeg(damaged, trial % 2 == 0 ? ui::JpegOutput::Rgb24 : ui::JpegOutput::Palette8);
        EXPECT_EQ(image.size(), QSize(header.width, header.height)) << "trial " << trial;
      } catch (const ui::JpegError& error) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^JPEG error #\\d+$"))
                        .match(QString::fromLatin1(error.what()))
                        .hasMatch());
      }
    });
    EXPECT_EQ(written, "") << "trial " << trial;
  }
}

}  // namespace
