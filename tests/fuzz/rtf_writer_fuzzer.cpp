// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The report's RTF on any six field texts (the input cut at NUL bytes, each
// piece taken as UTF-8, malformed or not): the bytes are 7-bit, the braces
// balance (never closing a group that is not open), and reading the RTF back
// gives the buffer's lines paragraph by paragraph, each field's text among
// them. A field holding CR or LF is refused with the line insertion error;
// then the lines taken before it are written and checked the same way.
// One set of fields, one buffer, one output string and one read-back
// document serve every input, their memory kept: BuildReport starts afresh.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "report/build_report.h"
#include "report/export_error.h"
#include "report/report_buffer.h"
#include "report/report_fields.h"
#include "report/rtf_writer.h"
#include "report/utf8.h"
#include "tests/report/rtf_reader.h"

namespace {

bool BracesBalanced(std::string_view rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
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

bool SevenBit(std::string_view rtf) {
  for (const char c : rtf) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

std::array<std::string*, 6> Texts(report::ReportFields& fields) {
  return {&fields.baseAmount,    &fields.discount,   &fields.contractorTotal,
          &fields.computedTotal, &fields.difference, &fields.discrepancy};
}

bool HoldsLineBreak(report::ReportFields& fields) {
  const std::array<std::string*, 6> texts = Texts(fields);
  return std::any_of(texts.begin(), texts.end(), [](const std::string* text) {
    return text->find_first_of("\r\n") != std::string::npos;
  });
}

// `text` as the reader returns it (UTF-16, malformed sequences replaced),
// in `units`: one string serves every input, so that no copy is allocated.
const std::u16string& Units(std::string_view text) {
  static std::u16string units;
  units.clear();
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = report::NextCodePoint(text, &at);
    if (c > 0xFFFF) {
      units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      units += static_cast<char16_t>(c);
    }
  }
  return units;
}

// The six fields are the input's first six pieces between NUL bytes; any
// further pieces are left out.
void ReadFields(const std::uint8_t* data, std::size_t size, report::ReportFields& fields) {
  const std::array<std::string*, 6> texts = Texts(fields);
  for (std::string* text : texts) text->clear();
  std::size_t field = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] != 0) {
      texts[field]->push_back(static_cast<char>(data[i]));
    } else if (++field == texts.size()) {
      return;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static report::ReportFields fields;
  static report::ReportBuffer buffer;
  static std::string rtf;
  static report::testing::ReadDocument read;
  ReadFields(data, size, fields);
  bool complete = true;
  try {
    report::BuildReport(buffer, fields);
  } catch (const report::ExportError&) {
    if (!HoldsLineBreak(fields)) std::abort();
    complete = false;
  }
  rtf.clear();
  const bool written = report::WriteRtf(buffer, [](std::string_view piece) {
    rtf.append(piece);
    return true;
  });
  if (!written || !SevenBit(rtf) || !BracesBalanced(rtf)) std::abort();

  // The paragraphs read back are the buffer's lines, and nothing follows.
  report::testing::ReadRtf(rtf, report::testing::ReadFormats::Dropped, read);
  if (read.paragraphs.size() != buffer.Lines().size() || !read.trailing.empty()) std::abort();
  for (std::size_t i = 0; i < read.paragraphs.size(); ++i) {
    if (read.paragraphs[i].text != Units(buffer.Lines()[i].text)) std::abort();
  }

  // Each field's text stands in a paragraph read back (fields hold no line break).
  if (!complete) return 0;
  for (const std::string* field : Texts(fields)) {
    const std::u16string& units = Units(*field);
    if (std::none_of(read.paragraphs.begin(), read.paragraphs.end(),
                     [&units](const report::testing::ReadParagraph& paragraph) {
                       return paragraph.text.find(units) != std::u16string::npos;
                     }))
      std::abort();
  }
  return 0;
}
