// The report's RTF on any six field texts (the input cut at NUL bytes, each
// piece read as UTF-8): the bytes are 7-bit, the braces balance (never
// closing a group that is not open), and reading the RTF back gives the
// report buffer's text paragraph by paragraph, each field's text included.
// The buffer takes a CR LF pair as a line end, and refuses a line holding a
// lone CR, a lone LF or the paragraph separator with its line insertion
// error; then the lines taken before it are written and checked the same way.
#include <QBuffer>
#include <QGuiApplication>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "report/build_report.h"
#include "report/export_error.h"
#include "report/report_buffer.h"
#include "report/report_fields.h"
#include "report/rtf_writer.h"
#include "tests/report/rtf_reader.h"

namespace {

bool BracesBalanced(const QByteArray& rtf) {
  int depth = 0;
  for (qsizetype i = 0; i < rtf.size(); ++i) {
    const char c = rtf[i];
    if (c == '\\') {
      ++i;  // an escaped character, or the first letter of a control word
    } else if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (--depth < 0) return false;
    }
  }
  return depth == 0;
}

bool SevenBit(const QByteArray& rtf) {
  for (const char c : rtf) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// A text as its UTF-16 code units, for the report of a finding.
std::string Units(const QString& text) {
  std::string units;
  for (const QChar c : text) units += QString::asprintf("%04x ", c.unicode()).toStdString();
  return units;
}

bool HoldsLineBreak(const report::ReportFields& fields) {
  for (const QString* field : {&fields.baseAmount, &fields.discount, &fields.contractorTotal,
                               &fields.computedTotal, &fields.percentage, &fields.difference}) {
    for (const QChar c : *field) {
      if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator) return true;
    }
  }
  return false;
}

report::ReportFields FieldsFrom(const std::uint8_t* data, std::size_t size) {
  const QList<QByteArray> pieces =
      QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0');
  const auto field = [&pieces](qsizetype i) {
    return i < pieces.size() ? QString::fromUtf8(pieces[i]) : QString();
  };
  return {field(0), field(1), field(2), field(3), field(4), field(5)};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const report::ReportFields fields = FieldsFrom(data, size);
  report::ReportBuffer buffer;
  bool complete = true;
  try {
    report::BuildReport(buffer, fields);
  } catch (const report::ExportError&) {
    if (!HoldsLineBreak(fields)) std::abort();
    complete = false;
  }
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  if (!report::WriteRtf(buffer.Document(), out)) std::abort();
  const QByteArray rtf = out.data();

  if (!SevenBit(rtf) || !BracesBalanced(rtf)) std::abort();

  // The paragraphs read back are the buffer's blocks, the last one after the
  // final \par.
  const report::testing::ReadDocument read = report::testing::ReadRtf(rtf);
  QStringList readTexts;
  for (const report::testing::ReadParagraph& paragraph : read.paragraphs) readTexts << paragraph.text;
  readTexts << read.trailing;
  QStringList blockTexts;
  for (QTextBlock block = buffer.Document().begin(); block.isValid(); block = block.next())
    blockTexts << block.text();
  if (readTexts != blockTexts) std::abort();

  // Each field's text stands in the text read back; a CR LF pair in a field
  // is a line end of the buffer, so it stands there as a paragraph break.
  if (!complete) return 0;
  const QString all = readTexts.join(QChar::ParagraphSeparator);
  for (const QString* field : {&fields.baseAmount, &fields.discount, &fields.contractorTotal,
                               &fields.computedTotal, &fields.percentage, &fields.difference}) {
    const QString expected =
        QString(*field).replace(QStringLiteral("\r\n"), QChar(QChar::ParagraphSeparator));
    if (!all.contains(expected)) {
      std::fprintf(stderr, "field %s\nnot in %s\n", Units(expected).c_str(), Units(all).c_str());
      std::abort();
    }
  }
  return 0;
}
