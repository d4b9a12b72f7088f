#pragma once

#include <functional>

#include "access_file.h"
#include "quote_import.h"

#include <QString>

#include <vector>

// A collection kept in an Access file with the program's tables (quotes, authors, subjects,
// languages, websites) made into a new database file of the program. Every row is carried over
// as it is where it fits; a row that does not fit is changed or left out, and reported by its
// key (a quotation's key, an author's name, a subject, a language code, a web site's name):
//   - a quotation without text or without author is left out;
//   - a rate other than 1, 2 or 3 is dropped; a key that is not a whole number, or used twice,
//     is replaced by a new one;
//   - an author, subject or language a quotation names that its table lacks is added;
//   - a quotation without language gets the default language;
//   - rows of a reference table without a name, or with the name of one before, are left out;
//   - exactly one language is the default: the first marked so, else the first one.
namespace access_import {

struct Outcome {
    QString error;  // why nothing was created (the file and what is wrong named)
    int quotes = 0, authors = 0, subjects = 0, languages = 0, websites = 0;
    std::vector<quote_import::Section> problems;  // the rows that did not fit, by key

    // The report of the rows that did not fit; empty when every row did.
    QString report() const;
    // "1,234 quotations, 56 authors, 12 subjects, 3 languages and 4 web sites"
    QString counts_text() const;
};

// The tables of a collection as create() needs them, read from an Access file.
access_file::Contents read_tables(const QString& access_path);

// Creates the database file `new_path` (refused when a file is there) from `tables` and fills it
// in one transaction. On any failure nothing is left at `new_path`. `source` names the file the
// tables came from, for the messages. `progress` is told the quotations written now and then;
// it may throw DbError (db_errors::cancelled) to stop, which create() throws on once nothing is
// left at `new_path`.
Outcome create(const access_file::Contents& tables, const QString& source, const QString& new_path,
               const std::function<void(qint64 done, qint64 total)>& progress = {});

// read_tables, then create.
Outcome import_file(const QString& access_path, const QString& new_path);

}  // namespace access_import
