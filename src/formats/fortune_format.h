#pragma once

#include "quote_import.h"

#include <QString>

// The files of the fortune program: cookies separated by lines holding a single "%". A cookie's
// last lines may name its author: "-- Author", "— Author" (a dash of any length) or "~ Author",
// usually indented; indented lines under it continue it. The name ends at the first comma
// ("-- Mark Twain, on whiskey": one person is one author); the rest, and a bracketed remark after
// the name, is the note. A quotation's own line of "%" signs is written with one "%" more.
namespace fortune_format {

// A text without any "%" line is refused: it is not a fortune file.
quote_import::Records read(const QString& text);

// The cookie of one quotation, without its "%" line: the text (line breaks as LF, the first
// line's indentation kept), then the attribution line "\t\t-- " + author, followed by ", \"" +
// note + "\"" (its further lines indented under it). A comma in the author's name is followed by
// a no-break space. No attribution for a quotation without an author ("Anonymous" counts as
// none), unless it has a note or its text's last lines would be read as an attribution.
QString cookie(const QString& text, const QString& author, const QString& note);

// What ends every cookie of a file.
extern const QString separator;  // "\n%\n"

// The strfile program that writes the index fortune reads; empty when it is not installed.
QString strfile_program();
// Writes that index (`path` + ".dat") for the fortune file at `path`; the reason when it could not.
QString make_index(const QString& path);

}  // namespace fortune_format
