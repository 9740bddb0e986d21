#pragma once
// WriteRtf: serialises a rich-text document as an RTF 1 document (Windows-1252
// text with \uN for the characters it lacks) into the byte stream it is
// handed, piece by piece: the header, then one piece per paragraph, then the
// closing brace. It writes face, size, colour, bold, italic, underline and
// strike-out of every character; each block of the document ends in \par
// except the last, whose text (empty in a report) ends the document.

#include <QIODevice>
#include <QTextDocument>

namespace report {

// Returns false as soon as the stream does not take a piece whole; what was
// written before stays written, and the caller decides what that means.
[[nodiscard]] bool WriteRtf(const QTextDocument& document, QIODevice& out);

}  // namespace report
