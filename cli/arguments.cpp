#include "cli/arguments.h"

#include <cctype>
#include <cstddef>
#include <vector>

namespace cli {
namespace {

constexpr std::array<std::string_view, 3> kEmptyAmountMessages = {
    "l'importo a base d'asta è vuoto",
    "la percentuale di ribasso è vuota",
    "l'importo totale dei lavori proposto dall'Impresa è vuoto",
};

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// Walks the arguments once; options with a value accept "--name VALUE" and
// "--name=VALUE". Everything after "--", a lone "-" and any text not starting
// with "-" is positional.
class Parser {
 public:
  explicit Parser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

  Arguments Parse() {
    if (AsksForHelp()) {
      result_.mode = Mode::Help;
      return result_;
    }
    for (next_ = 0; next_ < arguments_.size();) {
      std::string_view argument = arguments_[next_++];
      if (optionsEnded_ || argument == "-" || !argument.starts_with("-")) {
        positional_.emplace_back(argument);
      } else if (argument == "--") {
        optionsEnded_ = true;
      } else {
        Option(argument);
      }
    }
    return csv_ ? FinishCsv() : FinishDirect();
  }

 private:
  // A request for help wins over every mistake on the same command line.
  bool AsksForHelp() const {
    for (std::string_view argument : arguments_) {
      if (argument == "--") return false;
      if (argument == "--help" || argument == "-h") return true;
    }
    return false;
  }

  void Option(std::string_view argument) {
    std::string_view name = argument;
    std::optional<std::string_view> inlineValue;
    if (std::size_t equals = argument.find('='); equals != std::string_view::npos) {
      name = argument.substr(0, equals);
      inlineValue = argument.substr(equals + 1);
    }
    if (name == "--header") {
      RejectValue(name, inlineValue);
      MarkSeen(header_, name);
      result_.header = true;
    } else if (name == "--csv") {
      MarkSeen(csv_, name);
      CsvFile(inlineValue);
    } else if (name == "--delimiter") {
      MarkSeen(delimiter_, name);
      result_.delimiter = Delimiter(Value(name, inlineValue));
    } else if (name == "--separator") {
      MarkSeen(separator_, name);
      result_.separator = Separator(Value(name, inlineValue));
    } else {
      throw UsageError("opzione sconosciuta: " + Quoted(argument) +
                       " (un importo che comincia con \"-\" va scritto dopo \"--\")");
    }
  }

  // FILE is optional: the next argument is taken when it does not look like
  // an option; "-" names standard input.
  void CsvFile(std::optional<std::string_view> inlineValue) {
    std::optional<std::string_view> file = inlineValue;
    if (!file && !optionsEnded_ && next_ < arguments_.size() &&
        (arguments_[next_] == "-" || !arguments_[next_].starts_with("-"))) {
      file = arguments_[next_++];
    }
    if (file && file->empty()) throw UsageError("--csv: il nome del file è vuoto");
    if (file && *file != "-") result_.csvFile = std::string(*file);
  }

  std::string_view Value(std::string_view name, std::optional<std::string_view> inlineValue) {
    if (inlineValue) return *inlineValue;
    if (next_ >= arguments_.size())
      throw UsageError("l'opzione " + std::string(name) + " richiede un valore");
    return arguments_[next_++];
  }

  static void RejectValue(std::string_view name, std::optional<std::string_view> inlineValue) {
    if (inlineValue) throw UsageError("l'opzione " + std::string(name) + " non accetta un valore");
  }

  static void MarkSeen(bool& seen, std::string_view name) {
    if (seen) throw UsageError("opzione ripetuta: " + std::string(name));
    seen = true;
  }

  static char Delimiter(std::string_view value) {
    if (value == "\\t") return '\t';
    if (value.size() != 1) {
      throw UsageError("--delimiter: serve un solo carattere (\\t per il tabulatore), non " + Quoted(value));
    }
    if (value[0] == '"' || value[0] == '\r' || value[0] == '\n') {
      throw UsageError("--delimiter: le virgolette e gli a capo non possono separare i campi");
    }
    return value[0];
  }

  static char Separator(std::string_view value) {
    if (value.size() != 1) throw UsageError("--separator: serve un solo carattere, non " + Quoted(value));
    if (std::isdigit(static_cast<unsigned char>(value[0]))) {
      throw UsageError("--separator: una cifra non può fare da separatore decimale");
    }
    return value[0];
  }

  Arguments FinishCsv() {
    if (!positional_.empty()) {
      throw UsageError("con --csv gli importi si leggono dal file, non dalla riga di comando: " +
                       Quoted(positional_.front()));
    }
    result_.mode = Mode::Csv;
    return result_;
  }

  Arguments FinishDirect() {
    if (delimiter_ || header_) throw UsageError("--delimiter e --header valgono solo con --csv");
    if (positional_.size() != result_.amounts.size()) {
      throw UsageError("servono tre importi (base d'asta, percentuale di ribasso, totale dell'Impresa), " +
                       std::string("non ") + std::to_string(positional_.size()));
    }
    for (std::size_t i = 0; i < positional_.size(); ++i) {
      if (positional_[i].empty()) throw UsageError(std::string(kEmptyAmountMessages[i]));
      result_.amounts[i] = positional_[i];
    }
    result_.mode = Mode::Direct;
    return result_;
  }

  std::span<const std::string_view> arguments_;
  std::size_t next_ = 0;
  bool optionsEnded_ = false;
  bool csv_ = false, header_ = false, delimiter_ = false, separator_ = false;
  std::vector<std::string> positional_;
  Arguments result_;
};

}  // namespace

Arguments ParseArguments(std::span<const std::string_view> arguments) {
  return Parser(arguments).Parse();
}

}  // namespace cli
