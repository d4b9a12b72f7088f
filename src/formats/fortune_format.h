#pragma once

#include "quote_import.h"

#include <QString>

// The files of the fortune program: cookies separated by lines holding a single "%". A cookie's
// last line may name its author: "-- Author", "— Author" (a dash of any length) or "~ Author",
// usually indented; indented lines under it continue it. What follows the name after a comma
// and a quotation mark (-- Mark Twain, "Following the Equator") is the source, kept as the note.
namespace fortune_format {

// A text without any "%" line is refused: it is not a fortune file.
quote_import::Records read(const QString& text);

// The cookie of one quotation, without its "%" line: the text (line breaks as LF), then, when an
// author is given, the attribution line "\t\t-- " + author, followed by ", \"" + note + "\"" when
// a note is given (its line breaks become blanks: an attribution is one line).
QString cookie(const QString& text, const QString& author, const QString& note);

// What ends every cookie of a file.
extern const QString separator;  // "\n%\n"

// The strfile program that writes the index fortune reads; empty when it is not installed.
QString strfile_program();
// Writes that index (`path` + ".dat") for the fortune file at `path`; the reason when it could not.
QString make_index(const QString& path);

}  // namespace fortune_format
