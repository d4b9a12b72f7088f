#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Synthetic collections of quotations for the benchmark. The same size always gives the same
// file, row for row: every value comes from one generator with a fixed seed.
namespace bench {

// Bump whenever the generated data changes, so that cached files are made again.
constexpr int generator_version = 8;

// A word searched for in the texts or the notes, and the share of the rows that hold it.
struct SearchWord {
    QString word;
    QString column;       // "text" or "notes"
    QString label;        // the share it stands for: "0.01%", "1%", "55%"
    double planned = 0;   // the share of the rows it was planted in; 0: chosen from a sample
    double sampled = 0;   // its share in the sample it was chosen from
};

// A generated file: the quotations as the generator writes them (the program's old layout, no
// sort keys, no search index) and the words planted in them.
struct GeneratedFile {
    QString path;
    std::vector<SearchWord> words;
    bool generated_now = false;
    double seconds = 0;  // time spent generating, when generated now
};

// Parses "20k", "100k", "1M", "2500"; 0 on a malformed size.
qint64 parse_size(const QString& text);
// 20000 -> "20k", 1000000 -> "1M".
QString size_name(qint64 quotes);

// The cached file for `quotes` quotations under `cache_folder`, made when missing or when it
// was made by another version of the generator.
GeneratedFile generated_collection(const QString& cache_folder, qint64 quotes);

// The folder cached collections live in: $XDG_CACHE_HOME/sentara-bench or ~/.cache/sentara-bench.
QString default_cache_folder();

}  // namespace bench
