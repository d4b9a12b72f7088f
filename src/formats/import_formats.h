#pragma once

#include "quote_import.h"

#include <QString>
#include <QStringList>

// The formats quotations are imported from, each read into the same checks, report and import
// (quote_import): the program's own text (one quotation a line, with directives), fortune
// files, CSV with a header row, and a Kindle's "My Clippings.txt".
namespace import_formats {

enum class Format { text, fortune, csv, kindle };

// "text", "fortune", "csv", "kindle": the names the command line takes.
QStringList names();
QString name(Format f);
// False when `name` (any letter case) is none of them.
bool from_name(const QString& name, Format& f);
// What the import window shows: "Text (one a line)", "fortune", "CSV", "Kindle clippings".
QString caption(Format f);

// The format a file is most likely in, from its name and its lines: a Kindle clippings file, a
// CSV file (named .csv or .tsv, or a first line made only of known column names), a fortune file
// ("%" lines at its start or end or under an attribution, or parting it into short cookies),
// else text.
Format guess(const QString& file_name, const QString& text);

// Reads `input` in `format` and checks what it finds (load_array for text, the format's reader and
// load_records for the others). When the input is not of that format, the result holds no
// quotation and its error names `source` ("The file '...'", or the input text when empty) and
// the line. Throws DbError (from the catalogue).
quote_import::Result process(Format format, const QString& input, const QString& source, const QString& default_author,
                             const quote_import::Catalogue& stored, const quote_import::Progress& progress = {});

// "The file 'x' is empty: there is nothing to import." (or the input text).
QString empty_message(const QString& source);

}  // namespace import_formats
