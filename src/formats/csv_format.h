#pragma once

#include "quote_import.h"

#include <QString>
#include <QStringList>

#include <vector>

// Comma-separated values as RFC 4180 has them: a header row, then one record a line; a field in
// double quotes may hold the separator, line breaks and doubled quotes. Records may end in CR LF,
// LF or CR. Files written by spreadsheets set up for another country separate with ";" or a tab:
// the separator is the one the header row uses most.
namespace csv_format {

struct Row {
    int line = 0;  // where the record begins, from 1
    QStringList fields;
};

struct Table {
    std::vector<Row> rows;  // the header row first; lines with nothing on them are left out
    int error_line = 0;
    QString error;          // why the text is not CSV (a quoted field never closed)
};

// The separator the first line uses most of ",", ";" and tab; "," when it has none.
QChar guess_separator(const QString& text);

// Line breaks inside a field are read as LF, whatever the file has.
Table parse(const QString& text, QChar separator);

// The quotations of a CSV text. Columns are found by their names in the header row (any letter
// case): text, quote or highlight; author or book author; subject or tags; language; rate or
// rating; note or notes; and the book's title (book title, book, title or source), which goes
// into the note before it ("Title: note"), as reading services export their highlights. Other
// columns are reported and left out; a header without a text column is refused.
quote_import::Records read(const QString& text);

// True when the first line of `text` is a header of two columns or more, each a name the import
// knows (the program's own, and those other programs write), one of them a text column. A line
// of ordinary text that merely begins with "Quote," is no header.
bool has_quote_header(const QString& text);

// The column names the export writes, the import reads them back.
extern const QString text_column, author_column, subject_column, language_column, rate_column, note_column;

// One record: the fields separated by commas, each in double quotes when it holds a comma, a
// double quote, a line break or blanks at either end. No line break follows.
QString line(const QStringList& fields);

}  // namespace csv_format
