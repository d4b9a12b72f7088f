#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

class Database;

// Quotations kept more than once: the same text spelled a little differently (letter case,
// accents, punctuation, quotation-mark styles, dashes, blanks), or nearly the same text.
namespace duplicates {

// The text as duplicates compare it: letters and digits only, accents taken off, in one letter
// case, the words separated by one blank. "« To be, or NOT to be »" folds to "to be or not to be".
QString fold(const QString& text);

// The text without an attribution after it ("... question. — Hamlet", "... - Shakespeare",
// "... (Hamlet)"); the text itself when it has none. A dash inside the sentence ("to be - that
// is") is kept: the part after it must stand apart (after the sentence's end or on a line of its
// own) or read like a name.
QString without_attribution(const QString& text);

// What the near comparison reads: the folded text without its attribution.
inline QString near_text(const QString& text) { return fold(without_attribution(text)); }

// How alike two texts are, from 0 to 1: the share of the pairs of neighbouring words of their
// near texts that both have (Jaccard). Texts whose numbers differ ("Fortune #15", "Fortune #19") are not
// alike at all: 0.
double similarity(const QString& a, const QString& b);

// True when the two texts are duplicates: the same once folded, or at least `threshold` percent
// alike.
bool are_duplicates(const QString& a, const QString& b, int threshold);

constexpr int default_threshold = 60;

// A text's fold hashed (64 bits, the same on every run and machine): texts the same once folded
// hash alike. 0 for a text that folds to nothing.
quint64 fold_hash(const QString& text);
// The same for its near text: texts that differ only by an attribution after them hash alike.
quint64 near_hash(const QString& text);

// For each of a few texts (an import's new quotations), the index of the first text before it
// that it is at least `threshold` percent alike, or -1. Texts the same once folded are alike
// too. Signatures with bands pick the candidates, as `find` does; no other pairs are compared.
std::vector<qsizetype> alike_earlier(const QStringList& texts, int threshold = default_threshold);

struct Group {
    bool exact = true;            // every text the same once folded; otherwise nearly the same
    std::vector<qint64> keys;     // ascending
};

struct Options {
    bool near = true;                    // also the groups of nearly the same texts
    int threshold = default_threshold;   // percent of word pairs in common, 1 to 100
};

// What the search tells as it goes: a text, the part done and the whole. It may throw to stop.
using Progress = std::function<void(const QString& what, qint64 done, qint64 total)>;

// The groups of two or more quotations that are duplicates of one another, each in ascending
// order of keys, the groups in the order of their first key. Near groups come from signatures
// (MinHash with bands), each candidate pair checked with `similarity`; no pairs are compared
// otherwise. Throws DbError.
std::vector<Group> find(Database& db, const Options& options = {}, const Progress& progress = {});

// Keeps `kept` and merges `others` into it, in one transaction: it takes the first other's
// note, subject and rate where it has none (a note or subject blank, the subject "-", no rate),
// and the others are removed with remove_quotes. Throws DbError; nothing changes then.
void merge(Database& db, qint64 kept, const std::vector<qint64>& others);

// The one place the duplicates' quotations leave the collection.
void remove_quotes(Database& db, const std::vector<qint64>& keys);

}  // namespace duplicates
