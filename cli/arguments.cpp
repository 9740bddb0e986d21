// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/arguments.h"

#include <cctype>
#include <cstddef>
#include <utility>
#include <vector>

namespace cli {
namespace {

constexpr std::array<std::string_view, 3> kEmptyAmountMessages = {
    "l'importo a base d'asta è vuoto",
    "la percentuale di ribasso è vuota",
    "l'importo totale dei lavori proposto dall'Impresa è vuoto",
};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string QuotedList(const std::vector<std::string>& texts) {
  std::string list;
  for (const std::string& text : texts) list += (list.empty() ? "" : " ") + Quoted(text);
  return list;
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Walks the arguments once; options with a value accept "--name VALUE" and
// "--name=VALUE". Everything after "--", a lone "-" and any text not starting
// with "-" is an operand, wherever it stands: the three amounts, or with
// --csv the file.
class Parser {
 public:
  explicit Parser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

  Arguments Parse() {
    if (std::optional<Mode> request = InformationRequest()) {
      result_.mode = *request;
      return result_;
    }
    for (next_ = 0; next_ < arguments_.size();) {
      std::string_view argument = arguments_[next_++];
      if (optionsEnded_ || argument == "-" || !argument.starts_with("-")) {
        operands_.emplace_back(argument);
      } else if (argument == "--") {
        optionsEnded_ = true;
      } else {
        Option(argument);
      }
    }
    FinishAward();
    return csv_ ? FinishCsv() : FinishDirect();
  }

 private:
  // A request for help or for the version wins over every mistake on the
  // same command line; the first one given is answered.
  std::optional<Mode> InformationRequest() const {
    for (std::string_view argument : arguments_) {
      if (argument == "--") break;
      if (argument == "--help" || argument == "-h") return Mode::Help;
      if (argument == "--version") return Mode::Version;
    }
    return std::nullopt;
  }

  void Option(std::string_view argument) {
    std::string_view name = argument;
    std::optional<std::string_view> inlineValue;
    if (std::size_t equals = argument.find('='); equals != std::string_view::npos) {
      name = argument.substr(0, equals);
      inlineValue = argument.substr(equals + 1);
    }
    if (name == "--csv") {
      MarkSeen(csv_, argument);
      if (inlineValue) csvFileOption_ = std::string(*inlineValue);
    } else if (name == "--header") {
      Flag(header_, argument, inlineValue);
      result_.header = true;
    } else if (name == "--strict") {
      Flag(strict_, argument, inlineValue);
      result_.strict = true;
    } else if (name == "--delimiter") {
      MarkSeen(delimiter_, argument);
      result_.delimiter = Delimiter(Value(name, inlineValue));
    } else if (name == "--separator") {
      MarkSeen(separator_, argument);
      result_.separator = Separator(Value(name, inlineValue));
    } else if (name == "--rtf") {
      MarkSeen(rtf_, argument);
      result_.rtfFile = FileName(name, Value(name, inlineValue));
    } else if (name == "--award") {
      Flag(award_, argument, inlineValue);
    } else if (name == "--safety-costs") {
      MarkSeen(safetyCosts_, argument);
      awardOptions_.safetyCosts = Value(name, inlineValue);
    } else if (name == "--labour-costs") {
      MarkSeen(labourCosts_, argument);
      awardOptions_.labourCosts = Value(name, inlineValue);
    } else if (name == "--decimals") {
      MarkSeen(decimals_, argument);
      awardOptions_.discountDecimals = Decimals(Value(name, inlineValue));
    } else if (name == "--below-threshold") {
      Flag(belowThreshold_, argument, inlineValue);
      awardOptions_.belowThreshold = true;
    } else {
      throw UsageError("opzione sconosciuta: " + Quoted(argument) +
                       " (un importo che comincia con \"-\" va scritto dopo \"--\")");
    }
  }

  std::string_view Value(std::string_view name, std::optional<std::string_view> inlineValue) {
    if (inlineValue) return *inlineValue;
    if (next_ >= arguments_.size())
      throw UsageError("l'opzione " + std::string(name) + " richiede un valore");
    return arguments_[next_++];
  }

  static void Flag(bool& seen, std::string_view argument, std::optional<std::string_view> inlineValue) {
    if (inlineValue) throw UsageError("l'opzione non accetta un valore: " + Quoted(argument));
    MarkSeen(seen, argument);
  }

  static void MarkSeen(bool& seen, std::string_view argument) {
    if (seen) throw UsageError("opzione ripetuta: " + Quoted(argument));
    seen = true;
  }

  static std::string FileName(std::string_view name, std::string_view value) {
    if (value.empty()) throw UsageError(std::string(name) + ": il nome del file è vuoto");
    return std::string(value);
  }

  static char Delimiter(std::string_view value) {
    if (value == "\\t") return '\t';
    if (value.size() != 1) {
      throw UsageError("--delimiter: serve un solo carattere (\\t per il tabulatore), non " + Quoted(value));
    }
    if (value[0] == '"' || value[0] == '\r' || value[0] == '\n' || IsDigit(value[0])) {
      throw UsageError("--delimiter: le virgolette, gli a capo e le cifre non possono separare i campi, " +
                       std::string("non ") + Quoted(value));
    }
    return value[0];
  }

  static char Separator(std::string_view value) {
    if (value.size() != 1) throw UsageError("--separator: serve un solo carattere, non " + Quoted(value));
    if (IsDigit(value[0])) {
      throw UsageError("--separator: una cifra non può fare da separatore decimale, non " + Quoted(value));
    }
    return value[0];
  }

  // --decimals: one digit, as the award check admits 0 to 9.
  static int Decimals(std::string_view value) {
    if (value.size() != 1 || !IsDigit(value[0]))
      throw UsageError("--decimals: serve un numero da 0 a 9, non " + Quoted(value));
    return value[0] - '0';
  }

  void FinishAward() {
    if (award_) {
      result_.award = awardOptions_;
      return;
    }
    const std::pair<bool, const char*> awardOnly[] = {{safetyCosts_, "--safety-costs"},
                                                      {labourCosts_, "--labour-costs"},
                                                      {decimals_, "--decimals"},
                                                      {belowThreshold_, "--below-threshold"}};
    for (const auto& [seen, name] : awardOnly) {
      if (seen) throw UsageError(std::string(name) + " vale solo con --award");
    }
  }

  Arguments FinishCsv() {
    if (rtf_) throw UsageError("--rtf vale solo con i tre importi, non con --csv");
    if (result_.separator == result_.delimiter) {
      throw UsageError("--separator " + Quoted(std::string(1, *result_.separator)) +
                       " è anche il delimitatore dei campi: scegliere due caratteri diversi");
    }
    std::vector<std::string> files = operands_;
    if (csvFileOption_) files.insert(files.begin(), *csvFileOption_);
    if (files.size() > 1) {
      throw UsageError(
          "con --csv si legge un solo file e gli importi si leggono dal file, non dalla riga di "
          "comando: " +
          QuotedList(files));
    }
    if (!files.empty() && FileName("--csv", files.front()) != "-") result_.csvFile = files.front();
    result_.mode = Mode::Csv;
    return result_;
  }

  Arguments FinishDirect() {
    const std::pair<bool, const char*> csvOnly[] = {
        {delimiter_, "--delimiter"}, {header_, "--header"}, {strict_, "--strict"}};
    for (const auto& [seen, name] : csvOnly) {
      if (seen) throw UsageError(std::string(name) + " vale solo con --csv");
    }
    if (operands_.size() != result_.amounts.size()) {
      throw UsageError(
          "servono tre importi (base d'asta, percentuale di ribasso, totale dell'Impresa), non " +
          std::to_string(operands_.size()) + (operands_.empty() ? "" : ": " + QuotedList(operands_)));
    }
    for (std::size_t i = 0; i < operands_.size(); ++i) {
      if (operands_[i].empty()) throw UsageError(std::string(kEmptyAmountMessages[i]));
      result_.amounts[i] = operands_[i];
    }
    result_.mode = Mode::Direct;
    return result_;
  }

  std::span<const std::string_view> arguments_;
  std::size_t next_ = 0;
  bool optionsEnded_ = false;
  bool csv_ = false, header_ = false, strict_ = false, delimiter_ = false, separator_ = false, rtf_ = false;
  bool award_ = false, safetyCosts_ = false, labourCosts_ = false, decimals_ = false, belowThreshold_ = false;
  AwardOptions awardOptions_;
  std::optional<std::string> csvFileOption_;  // the FILE of "--csv=FILE"
  std::vector<std::string> operands_;
  Arguments result_;
};

}  // namespace

Arguments ParseArguments(std::span<const std::string_view> arguments) { return Parser(arguments).Parse(); }

}  // namespace cli
