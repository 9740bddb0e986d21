#include "cli/companion.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"
#include "calc/discrepancy.h"
#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/help_text.h"

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

char ChosenSeparator(const Arguments& arguments) {
  if (arguments.separator) return *arguments.separator;
  calc::LoadDecimalSeparator();
  return calc::DecimalSeparator();
}

// A computation error is reported with its message alone, as the error box
// shows it, so that scripts can match it.
int RunDirect(const Arguments& arguments, std::FILE* output, std::FILE* errors) {
  calc::DiscrepancyTexts texts;
  try {
    texts = calc::ComputeTexts(arguments.amounts[0], arguments.amounts[1], arguments.amounts[2],
                               ChosenSeparator(arguments));
  } catch (const calc::CalcError& error) {
    std::fprintf(errors, "%s\n", error.what());
    return kExitFailure;
  }
  return WriteAll(output, errors,
                  "Importo totale dei lavori calcolato: " + texts.computedTotal +
                      "\nImporto Impresa meno importo calcolato: " + texts.difference +
                      "\nPercentuale di discordanza: " + texts.percentage + " %\n");
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
  BatchOptions options{arguments.delimiter, ChosenSeparator(arguments), arguments.header};
  try {
    RunBatch(input, output, options);
  } catch (const BatchError& error) {
    Report(errors, inputName + ", " + error.what());
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
