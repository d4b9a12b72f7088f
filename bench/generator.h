#pragma once

#include <QString>

#include <cstdint>

// Synthetic collections of quotations for the benchmark. The same size always gives the same
// file, row for row: every value comes from one generator with a fixed seed.
namespace bench {

// Bump whenever the generated data changes, so that cached files are made again.
constexpr int generator_version = 7;

struct CollectionFacts {
    QString path;
    qint64 quotes = 0;
    qint64 authors = 0;
    qint64 subjects = 0;
    QString featured_author;  // a frequent author whose name holds an apostrophe
    QString text_word;        // a word found in a few percent of the texts
    qint64 middle_key = 0;    // an existing key
    QString common_text_word = QStringLiteral("lovers");      // in about one text of a hundred
    QString rare_text_words = QStringLiteral("lovely and");    // in a handful
    QString common_note_words = QStringLiteral("letter to F"); // in a few notes of a thousand
    QString rare_note_words = QStringLiteral("by Inês Ó Súil"); // in a handful
    qint64 search_index_bytes = 0;  // the size of the substring index; 0 without one
    double index_seconds = 0;       // time spent building it, when built now
    bool generated_now = false;
    double seconds = 0;       // time spent generating, when generated now
};

// Parses "20k", "100k", "1M", "2500"; 0 on a malformed size.
qint64 parse_size(const QString& text);
// 20000 -> "20k", 1000000 -> "1M".
QString size_name(qint64 quotes);

// The cached file for `quotes` quotations under `cache_folder`, made when missing or when it
// was made by another version of the generator.
CollectionFacts collection(const QString& cache_folder, qint64 quotes);

// The folder cached collections live in: $XDG_CACHE_HOME/sentara-bench or ~/.cache/sentara-bench.
QString default_cache_folder();

}  // namespace bench
