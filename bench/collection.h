#pragma once

#include "generator.h"

#include <QString>

#include <vector>

// The collection the figures are measured on: a generated one, or any file given, and the
// facts the figures need, read from the file itself.
namespace bench {

struct CollectionFacts {
    QString name;        // "1M", or the given file's name
    QString source;      // the file as it came in: only ever copied
    QString path;        // the file as the program leaves it after its first two starts: keyed by
                         // the first (and its search index built), compacted by the second
    bool generated = false;
    qint64 quotes = 0;   // rows of the quotations' table
    qint64 listed = 0;   // rows the grid lists: quotations whose author has a row, once per row
    qint64 authors = 0;
    qint64 source_bytes = 0;

    // Read from the keyed file.
    QString featured_author;   // the author with the most quotations listed
    qint64 featured_author_quotes = 0;
    QString featured_subject;  // the subject with the most quotations, other than "-"
    qint64 featured_subject_quotes = 0;
    QString language;          // the most frequent language
    qint64 language_quotes = 0;
    QString rate_from, rate_to;
    qint64 middle_key = 0;     // the median key
    QString random_word;       // what `sentara --random --filter` is given
    std::vector<SearchWord> words;

    // How it was made.
    bool generated_now = false;
    double generate_seconds = 0;
    bool prepared_now = false;
    // grid_keys::add on the file as it came in: the time it took, and the time its progress text
    // promised at its first estimate (elapsed then + the time it said was left); -1: it gave none.
    double migration_seconds = 0;
    double migration_promised_seconds = -1;
    QString migration_first_estimate;
    double index_seconds = 0;  // the search index built, when the file had none
};

// A generated collection of `quotes` quotations, made when missing.
CollectionFacts generated(const QString& cache_folder, qint64 quotes);
// Any collection: copied to the cache, keyed there; `file` itself is never written.
CollectionFacts given(const QString& cache_folder, const QString& file);

// The facts and the searched words' real shares, as lines for the report.
QStringList describe(const CollectionFacts& facts);

}  // namespace bench
