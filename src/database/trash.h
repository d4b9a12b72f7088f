#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class Database;

// What the user deletes is moved, not destroyed: into trash tables kept in the same file, one per
// table deleted from (trash_quotes, trash_authors, trash_subjects, trash_languages,
// trash_websites), each row with the batch it went in; trash_batches holds each batch's time
// (seconds since 1970, UTC) and what it was. Replace in the reference windows writes a batch too:
// trash_replaced keeps each moved quotation's former name. They are ordinary tables, without
// triggers or functions of the program, so any SQLite tool still reads and writes the file;
// a row another tool deletes directly is simply gone.
//
// The live tables never hold a trashed row, so nothing that lists, counts, exports or searches
// them needs to know about the Trash. A quotation goes with its sort keys and random number, and
// comes back with them: its search-index entries follow through the index's own triggers.
//
// Every function writes inside one transaction of its own (a savepoint within the caller's),
// and throws DbError.
namespace trash {

using Progress = std::function<void(qint64 done, qint64 total)>;

inline constexpr int default_keep_days = 30;

// Makes the Trash's tables in a file that has none yet.
void ensure(Database& db);

// Starts a batch: "delete" or "replace" (`column` of the quotations moved to `replaced_by`).
qint64 open_batch(Database& db, const QString& what, const QString& column = {}, const QString& replaced_by = {});

// Moves the quotations with these keys into `batch`; those already gone are passed over.
// Returns the quotations moved.
qint64 move_quotes(Database& db, qint64 batch, std::vector<qint64> keys, const Progress& progress = {});

// Moves the rows of a reference table ("authors", "subjects", "languages", "websites") whose key
// column equals `key` as "=" compares texts. Returns the rows moved.
qint64 move_rows(Database& db, qint64 batch, const QString& table, const QString& key);

// Gives the quotations whose `column` equals `from` the name `to`, keeping the former names in a
// batch of their own so that Undo puts them back. Returns the quotations changed.
qint64 replace(Database& db, const QString& column, const QString& from, const QString& to);

// Keeps the notes, subject and rate of the quotation `key` in `batch` ("merge"), before they are
// given the values `notes`, `subject` and `rate`: Undo puts the former ones back, while the
// quotation still holds the latter.
void keep_fields(Database& db, qint64 batch, qint64 key, const QVariant& notes, const QVariant& subject, const QVariant& rate);

// What a restore brought back, and what it left where it was.
struct Restored {
    qint64 quotes = 0;       // quotations back in the collection
    qint64 rows = 0;         // authors, subjects, languages and web sites back
    qint64 renamed = 0;      // quotations given their former name back (an undone Replace)
    QStringList refused;     // one line per thing left as it is, saying why
    QString what;            // the batch undone: "delete" or "replace"
};

// Whether there is a batch to undo.
bool can_undo(Database& db);

// Undoes the last batch not undone yet: its quotations and rows come back, or its replaced
// quotations take their former name again. A quotation whose key a newer one holds, a row
// whose name is taken meanwhile, a quotation renamed since, is left as it is and named in
// `refused`. Empty when there was nothing to undo.
std::optional<Restored> undo_last(Database& db, const Progress& progress = {});

// Restores the trashed quotations with these keys (all of them when `all`), with the authors
// they name that were deleted since.
Restored restore_quotes(Database& db, const std::vector<qint64>& keys, bool all, const Progress& progress = {});

// Empties the Trash for good.
void empty(Database& db);

// Forgets the batches deleted `days` or more days before `now` (seconds since 1970); none
// when `days` is 0. Returns the quotations forgotten.
qint64 purge(Database& db, int days, qint64 now);

// Quotations in the Trash.
qint64 quotes_in_trash(Database& db);

// The query listing the trashed quotations: key, text, author, deleted (local time as text),
// batch; `condition` (SQL on those names, may be empty) filters them. Newest first.
QString list_sql(const QString& condition);

// When the sort keys are made anew, those of trashed quotations are made again at their return.
void mark_keys_stale(Database& db);

}  // namespace trash
