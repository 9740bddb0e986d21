// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/companion.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"
#include "calc/discrepancy.h"
#include "cli/arguments.h"
#include "cli/award_output.h"
#include "cli/batch.h"
#include "cli/help_text.h"
#include "form/field_labels.h"
#include "report/award_report.h"
#include "report/export_error.h"
#include "report/replace_file.h"
#include "report/report_rtf.h"

namespace cli {
namespace {

constexpr const char* kProgram = "discordanza-cli";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

void Report(std::FILE* errors, const std::string& message) {
  std::fprintf(errors, "%s: %s\n", kProgram, message.c_str());
}

int WriteAll(std::FILE* output, std::FILE* errors, std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), output) != text.size() || std::fflush(output) != 0) {
    Report(errors, std::string("scrittura dei risultati non riuscita: ") + std::strerror(errno));
    return kExitFailure;
  }
  return kExitSuccess;
}

// The separator of --separator, else the locale's. A locale that the user
// named but the system lacks gives "." silently in the C library; the user is
// told once, since "12,5" would then read as 125.
char ChosenSeparator(const Arguments& arguments, std::FILE* errors) {
  if (arguments.separator) return *arguments.separator;
  const calc::NumericLocale locale = calc::ReadNumericLocale();
  if (!locale.loaded) {
    Report(errors, "la localizzazione \"" + locale.name + "\" (da " + locale.variable +
                       ") non è installata: il separatore decimale è \"" + locale.separator +
                       "\"; per sceglierne un altro: --separator C");
  }
  return locale.separator;
}

// A report as the window's Salva writes it: to the file named, replaced
// whole, or to standard output for "-".
int WriteReport(const std::string& file, const std::function<std::string()>& makeRtf, std::FILE* output,
                std::FILE* errors) {
  std::string rtf;
  try {
    rtf = makeRtf();
  } catch (const report::ExportError& error) {
    Report(errors, std::string("resoconto RTF non creato: ") + error.what());
    return kExitFailure;
  }
  if (file == "-") return WriteAll(output, errors, rtf);
  try {
    report::ReplaceFile(file, rtf);
  } catch (const report::FileWriteError& error) {
    Report(errors, std::string("resoconto RTF non salvato: ") + error.what());
    return kExitFailure;
  }
  return kExitSuccess;
}

// The three results, each on a line after the label of its field.
std::string ResultLines(const calc::DiscrepancyTexts& texts) {
  const auto line = [](form::Result result, const std::string& text, std::string_view unit) {
    return std::string(form::ResultLabel(result)) + ": " + text + std::string(unit) + "\n";
  };
  return line(form::Result::ComputedTotal, texts.computedTotal, "") +
         line(form::Result::Difference, texts.difference, "") +
         line(form::Result::Discrepancy, texts.discrepancy, " %");
}

// The award check of the three amounts, as RunDirect: the check's message
// alone when it gives no figures; with --rtf the award report first.
int RunAwardDirect(const Arguments& arguments, std::FILE* output, std::FILE* errors) {
  const auto& [base, discount, contractorTotal] = arguments.amounts;
  const char separator = ChosenSeparator(arguments, errors);
  const award::AwardInputs inputs = AwardInputsOf(*arguments.award, base, discount, contractorTotal);
  const award::AwardAnswer answer = award::AnswerAward(inputs, separator, award::Digits::Plain);
  if (!answer.texts) {  // the amounts are never empty here: the arguments refuse them
    std::fprintf(errors, "%s\n", answer.error.c_str());
    return kExitFailure;
  }
  for (const std::string& warning : answer.texts->warnings) Report(errors, "avviso: " + warning);
  if (arguments.rtfFile) {
    const auto makeRtf = [&inputs, separator] { return report::AwardReportRtf(inputs, separator); };
    if (int status = WriteReport(*arguments.rtfFile, makeRtf, output, errors); status != kExitSuccess)
      return status;
    if (*arguments.rtfFile == "-") return kExitSuccess;
  }
  return WriteAll(output, errors, AwardLines(*answer.texts));
}

// A computation error is reported with its message alone, as the error box
// shows it, so that scripts can match it. With --rtf the report is written
// first; the three lines follow unless the report went to standard output.
int RunDirect(const Arguments& arguments, std::FILE* output, std::FILE* errors) {
  if (arguments.award) return RunAwardDirect(arguments, output, errors);
  const auto& [base, discount, contractorTotal] = arguments.amounts;
  calc::DiscrepancyTexts texts;
  try {
    texts = calc::ComputeTexts(base, discount, contractorTotal, ChosenSeparator(arguments, errors));
  } catch (const calc::CalcError& error) {
    std::fprintf(errors, "%s\n", error.what());
    return kExitFailure;
  }
  if (arguments.rtfFile) {
    const report::ReportFields fields{.baseAmount = base,
                                      .discount = discount,
                                      .contractorTotal = contractorTotal,
                                      .computedTotal = texts.computedTotal,
                                      .difference = texts.difference,
                                      .discrepancy = texts.discrepancy};
    const auto makeRtf = [&fields] { return report::ReportRtf(fields); };
    if (int status = WriteReport(*arguments.rtfFile, makeRtf, output, errors); status != kExitSuccess)
      return status;
    if (*arguments.rtfFile == "-") return kExitSuccess;
  }
  return WriteAll(output, errors, ResultLines(texts));
}

int RunCsv(const Arguments& arguments, std::FILE* input, std::FILE* output, std::FILE* errors) {
  OwnedFile file;
  std::string inputName = "standard input";
  if (arguments.csvFile) {
    inputName = *arguments.csvFile;
    file.reset(std::fopen(inputName.c_str(), "rb"));
    if (!file) {
      Report(errors, "impossibile aprire \"" + inputName + "\": " + std::strerror(errno));
      return kExitFailure;
    }
    input = file.get();
  }
  const BatchOptions options{.delimiter = arguments.delimiter,
                             .separator = ChosenSeparator(arguments, errors),
                             .header = arguments.header,
                             .strict = arguments.strict,
                             .award = arguments.award,
                             .warn = [errors, &inputName](const std::string& message) {
                               Report(errors, inputName + ", " + message);
                             }};
  BatchSummary summary;
  try {
    summary = RunBatch(input, output, options);
  } catch (const BatchError& error) {
    Report(errors, inputName + ", " + error.what());
    return kExitFailure;
  }
  if (arguments.strict && summary.failedRows > 0) {
    Report(errors, inputName + ": righe con il calcolo non riuscito: " + std::to_string(summary.failedRows) +
                       " su " + std::to_string(summary.rows) + " (--strict)");
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace

int RunCompanion(std::span<const std::string_view> argumentTexts, std::FILE* input, std::FILE* output,
                 std::FILE* errors) {
  try {
    Arguments arguments = ParseArguments(argumentTexts);
    switch (arguments.mode) {
      case Mode::Help: return WriteAll(output, errors, HelpText());
      case Mode::Version: return WriteAll(output, errors, VersionText());
      case Mode::Direct: return RunDirect(arguments, output, errors);
      case Mode::Csv: return RunCsv(arguments, input, output, errors);
    }
  } catch (const UsageError& error) {
    Report(errors, std::string(error.what()) + "\nPer le istruzioni: " + kProgram + " --help");
    return kExitUsage;
  } catch (const std::exception& error) {
    Report(errors, error.what());
  }
  return kExitFailure;
}

}  // namespace cli
