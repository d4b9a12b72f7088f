#pragma once

#include <QHash>
#include <QString>
#include <QVector>

#include <functional>

class Database;
struct sqlite3;

// A substring index over the quotations' text and over their notes (SQLite's FTS5 with its
// trigram tokenizer, one table per column, which know only which rows hold each run of three
// letters: a quarter of the size of an index that also knows where), kept in step with `quotes`
// by triggers in the file itself, which use nothing but SQLite's own: every other tool that
// writes the file keeps it in step too. Statements read it only as a pre-filter: the candidates
// it gives (the rows holding every run of three letters of the pattern) are then judged by the
// dialect's own like, so a search finds exactly what it finds without the index, only sooner.
namespace search_index {

// The index of a column ("text" or "notes").
QString table_of(const QString& column);

// Collections smaller than this are searched fast enough by reading them through.
inline constexpr qint64 worth_it_from = 20000;

bool exists(Database& db);

// Builds the index in one transaction, `progress` told how far it is (done, total). Throws
// DbError; nothing is left of a build that failed.
void build(Database& db, const std::function<void(qint64, qint64)>& progress = {});

// Whether the index was made by an earlier version whose triggers took rows without text or
// notes out of it too: deleting a few of them could leave the file refusing every delete.
bool needs_mending(Database& db);

// Puts the index's triggers right and, where the old ones already took its count of rows too
// low, makes that column's index again; in one transaction. Throws DbError.
void mend(Database& db, const std::function<void(qint64, qint64)>& progress = {});

// The bytes the index will take, roughly (the text and notes, then again).
qint64 estimated_size(Database& db);

// What the index can tell of a like pattern of the dialect: an FTS5 query for the candidates in
// the column's table, or empty text when the pattern has no run of three plain characters (it
// is then read through). `column` is "text" or "notes".
class Prefilter {
public:
    explicit Prefilter(sqlite3* db) : db_(db) {}
    QString match(const QString& column, const QString& pattern);

private:
    // The characters the index must be asked for besides `c` itself: those the program counts
    // as the same letter that the index's own case folding (older Unicode) does not.
    const QVector<char32_t>& more_variants(char32_t c);

    sqlite3* db_;
    QHash<char32_t, QVector<char32_t>> variants_;
    bool probe_ready_ = false;
};

}  // namespace search_index
