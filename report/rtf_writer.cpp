#include "report/rtf_writer.h"

#include <QTextBlock>
#include <optional>
#include <vector>

#include "report/rtf_sink.h"

namespace report {

namespace {

// A character format as RTF states it: indexes into the font and colour
// tables (colour 0 is the automatic colour) and the size in half-points (0
// when the format gives no point size).
struct RunFormat {
  int font = 0;
  int colour = 0;
  int halfPoints = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const RunFormat&) const = default;
};

// Calls visit(format, text) for every fragment in document order, and
// visit(format, nullptr) for the line end after each block but the last. A
// line end's format is the character format of the block that it opens.
template <typename Visit>
void VisitRuns(const QTextDocument& document, Visit&& visit) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QString text = it.fragment().text();
      visit(it.fragment().charFormat(), &text);
    }
    if (block.next().isValid()) {
      visit(block.next().charFormat(), nullptr);
    }
  }
}

std::optional<QRgb> ExplicitColour(const QTextCharFormat& format) {
  if (!format.hasProperty(QTextFormat::ForegroundBrush) || format.foreground().style() == Qt::NoBrush) {
    return std::nullopt;
  }
  return format.foreground().color().rgb();
}

template <typename T>
int IndexOf(std::vector<T>& table, const T& value) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i] == value) {
      return static_cast<int>(i);
    }
  }
  table.push_back(value);
  return static_cast<int>(table.size() - 1);
}

class Writer {
 public:
  Writer(const QTextDocument& document, QIODevice& out) : document_(document), out_(out) {
    // The document's default face is font 0 and thus \deff0.
    faces_.push_back(document.defaultFont().family());
    VisitRuns(document, [this](const QTextCharFormat& format, const QString*) { Resolve(format); });
  }

  bool Write() {
    WriteHeader();
    bool ok = Flush();
    VisitRuns(document_, [this, &ok](const QTextCharFormat& format, const QString* text) {
      if (!ok) {
        return;
      }
      Switch(Resolve(format));
      if (text) {
        sink_.Text(*text);
      } else {
        sink_.ControlWord("par");
        sink_.NewLine();
        ok = Flush();
      }
    });
    sink_.CloseGroup();
    return ok && Flush();
  }

 private:
  // The format as RTF states it, the face and colour entered in their tables
  // on first sight.
  RunFormat Resolve(const QTextCharFormat& format) {
    const QFont font = format.font().resolve(document_.defaultFont());
    RunFormat run;
    run.font = IndexOf(faces_, font.family());
    const std::optional<QRgb> colour = ExplicitColour(format);
    run.colour = colour ? 1 + IndexOf(colours_, *colour) : 0;
    run.halfPoints = font.pointSizeF() > 0 ? qRound(font.pointSizeF() * 2) : 0;
    run.bold = font.bold();
    run.italic = font.italic();
    run.underline = font.underline();
    run.strikeOut = font.strikeOut();
    return run;
  }

  void WriteHeader() {
    sink_.OpenGroup();
    sink_.ControlWord("rtf", 1);
    sink_.ControlWord("ansi");
    sink_.ControlWord("ansicpg", 1252);
    sink_.ControlWord("deff", 0);
    sink_.ControlWord("uc", 1);
    sink_.NewLine();
    sink_.OpenGroup();
    sink_.ControlWord("fonttbl");
    for (std::size_t i = 0; i < faces_.size(); ++i) {
      sink_.OpenGroup();
      sink_.ControlWord("f", static_cast<int>(i));
      sink_.ControlWord("fnil");
      sink_.ControlWord("fcharset", 0);
      sink_.Text(faces_[i] + u';');
      sink_.CloseGroup();
    }
    sink_.CloseGroup();
    sink_.NewLine();
    sink_.OpenGroup();
    sink_.ControlWord("colortbl");
    sink_.Text(u";");  // entry 0: the automatic colour
    for (const QRgb colour : colours_) {
      sink_.ControlWord("red", qRed(colour));
      sink_.ControlWord("green", qGreen(colour));
      sink_.ControlWord("blue", qBlue(colour));
      sink_.Text(u";");
    }
    sink_.CloseGroup();
    sink_.NewLine();
    sink_.ControlWord("pard");
  }

  // States the whole format anew (after \plain) whenever it changes.
  void Switch(const RunFormat& run) {
    if (current_ == run) {
      return;
    }
    current_ = run;
    sink_.ControlWord("plain");
    sink_.ControlWord("f", run.font);
    if (run.halfPoints > 0) {
      sink_.ControlWord("fs", run.halfPoints);
    }
    if (run.colour > 0) {
      sink_.ControlWord("cf", run.colour);
    }
    if (run.bold) sink_.ControlWord("b");
    if (run.italic) sink_.ControlWord("i");
    if (run.underline) sink_.ControlWord("ul");
    if (run.strikeOut) sink_.ControlWord("strike");
  }

  bool Flush() {
    const QByteArray piece = sink_.TakeBytes();
    return out_.write(piece) == piece.size();
  }

  const QTextDocument& document_;
  QIODevice& out_;
  RtfSink sink_;
  std::vector<QString> faces_;
  std::vector<QRgb> colours_;
  std::optional<RunFormat> current_;
};

}  // namespace

bool WriteRtf(const QTextDocument& document, QIODevice& out) {
  return Writer(document, out).Write();
}

}  // namespace report
