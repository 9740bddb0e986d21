// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/jpeg_decoder.h"

#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <new>

#include "ui/jpeg_error.h"

namespace ui {

// libjpeg reports a fatal fault by calling error_exit, which must not return.
// Ours longjmps back to the one setjmp in runGuarded. longjmp skips the frames
// in between without running destructors, so runGuarded and every step it runs
// keep only trivially destructible locals; the C++ objects (QImage, the
// session's owner) live in the callers, which turn the returned message number
// into a JpegError.

namespace {

constexpr int kPaletteColours = 236;

struct ErrorTrap {
  jpeg_error_mgr manager;  // first member: the library's pointer to it is a pointer to the trap
  std::jmp_buf jump;
  int messageCode;
};

// Plain data shared by the steps: the library's state, its error trap, the
// input and the rows the decoded picture goes to.
struct Session {
  jpeg_decompress_struct info;
  ErrorTrap trap;
  bool created;
  const unsigned char* input;
  unsigned long inputSize;
  JpegOutput output;
  unsigned char* pixels;
  std::size_t bytesPerLine;
};

[[noreturn]] void exitWithMessageCode(j_common_ptr info) {
  auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
  trap->messageCode = info->err->msg_code;
  std::longjmp(trap->jump, 1);
}

void suppressOutput(j_common_ptr) {}
void suppressMessage(j_common_ptr, int) {}

using Step = void (*)(Session*);

// Returns 0 when the step ran through, else the library's message number.
int runGuarded(Session* session, Step step) {
  if (setjmp(session->trap.jump) != 0) return session->trap.messageCode;
  step(session);
  return 0;
}

void createStep(Session* s) {
  jpeg_create_decompress(&s->info);
  s->created = true;
  jpeg_mem_src(&s->info, s->input, s->inputSize);
}

void readHeaderStep(Session* s) { jpeg_read_header(&s->info, TRUE); }

void startStep(Session* s) {
  jpeg_decompress_struct& info = s->info;
  info.scale_num = 1;
  info.scale_denom = 1;
  info.dct_method = JDCT_FLOAT;
  info.do_block_smoothing = TRUE;
  info.out_color_space = JCS_RGB;
  info.buffered_image = FALSE;
  if (s->output == JpegOutput::Palette8) {
    info.quantize_colors = TRUE;
    info.desired_number_of_colors = kPaletteColours;
    info.two_pass_quantize = TRUE;
    info.dither_mode = JDITHER_FS;
  }
  jpeg_start_decompress(&info);
}

void readRowsStep(Session* s) {
  while (s->info.output_scanline < s->info.output_height) {
    JSAMPROW row = s->pixels + s->bytesPerLine * s->info.output_scanline;
    jpeg_read_scanlines(&s->info, &row, 1);
  }
}

void finishStep(Session* s) { jpeg_finish_decompress(&s->info); }

// Owns one Session: installs the error trap, creates the library's state over
// the data and destroys it on every way out.
class SessionOwner {
 public:
  SessionOwner(const QByteArray& data, JpegOutput output) : owned{} {
    owned.info.err = jpeg_std_error(&owned.trap.manager);
    owned.trap.manager.error_exit = exitWithMessageCode;
    owned.trap.manager.output_message = suppressOutput;
    owned.trap.manager.emit_message = suppressMessage;
    owned.input = reinterpret_cast<const unsigned char*>(data.constData());
    owned.inputSize = static_cast<unsigned long>(data.size());
    owned.output = output;
    // A throwing constructor runs no destructor: release here what was made.
    if (const int code = runGuarded(&owned, createStep); code != 0) {
      release();
      throw JpegError(code);
    }
  }
  ~SessionOwner() { release(); }
  SessionOwner(const SessionOwner&) = delete;
  SessionOwner& operator=(const SessionOwner&) = delete;

  void run(Step step) {
    if (const int code = runGuarded(&owned, step); code != 0) throw JpegError(code);
  }

  Session& session() { return owned; }

 private:
  void release() {
    if (owned.created) jpeg_destroy_decompress(&owned.info);
    owned.created = false;
  }

  Session owned;
};

QImage allocateFor(const jpeg_decompress_struct& info) {
  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  if (info.quantize_colors == FALSE) return QImage(width, height, QImage::Format_RGB888);
  QImage image(width, height, QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (int i = 0; i < info.actual_number_of_colors; ++i) {
    colours.append(qRgb(info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]));
  }
  image.setColorTable(colours);
  return image;
}

}  // namespace

JpegHeader readJpegHeader(const QByteArray& data) {
  SessionOwner owner(data, JpegOutput::Rgb24);
  owner.run(readHeaderStep);
  const jpeg_decompress_struct& info = owner.session().info;
  return JpegHeader{static_cast<int>(info.image_width), static_cast<int>(info.image_height),
                    info.jpeg_color_space == JCS_GRAYSCALE, info.progressive_mode != FALSE};
}

QImage decodeJpeg(const QByteArray& data, JpegOutput output) {
  SessionOwner owner(data, output);
  owner.run(readHeaderStep);
  owner.run(startStep);
  QImage image = allocateFor(owner.session().info);
  if (image.isNull()) throw std::bad_alloc();
  owner.session().pixels = image.bits();
  owner.session().bytesPerLine = static_cast<std::size_t>(image.bytesPerLine());
  owner.run(readRowsStep);
  owner.run(finishStep);
  return image;
}

}  // namespace ui
