#pragma once

#include <QString>

#include <functional>
#include <optional>

class Database;

// The sort keys the file keeps so that indexes serve every order and every "=" filter of the
// quotations' grid (see jet::name_key and jet::prefix_key):
//  - in `quotes`, the columns author_key, subject_key, language_key (exact keys), text_key (of
//    the text as it sorts) and notes_key (prefix keys), with BINARY indexes, and keys_stale;
//  - the table author_keys: one row per author name (as "=" compares names), with how many
//    authors bear it and the picture of the first of them; the grid joins it to the quotations.
//
// Another SQLite tool may write the file: its triggers, which use nothing but SQLite's own, mark
// what it changed (a new or edited quotation is marked stale, a change of the authors is
// counted), and the program keys it again before it lists (refill).
namespace grid_keys {

// True when the file keeps the keys (else the grid computes them as it reads, without indexes).
bool stored(Database& db);

// Adds the keys to a file that has none: the columns, triggers, indexes and the authors' table,
// all in one transaction (nothing is left of a failure). `progress` is told how far the work is
// (done, total, in steps of about the same time) and `what` it is doing now.
void add(Database& db, const std::function<void(const QString& what, qint64 done, qint64 total)>& progress = {});

// The quotations written since they were last keyed (by this program or another tool) are
// keyed again, and the authors' table is made again when the authors changed. Returns true when
// something was written. Does nothing on a file this program may not write.
bool refill(Database& db);

// True when the kept keys can be read as they are: stored, and nothing written since they were
// (a file this program may not write, changed by another tool, is read with keys computed).
bool usable(Database& db);

// What a connection that may not write the file lists with instead of the authors' table: a
// temporary saved query computing the same rows.
void use_computed_authors(Database& db);

// Whether an author bears the name (as "=" compares names), looked up in the authors' keys;
// nothing when the file cannot tell that way (no keys, or the authors changed since they were
// made: refill first where the connection may write), and the caller reads the authors' table.
std::optional<bool> has_author(Database& db, const QString& name);

// The indexes the program keeps on the quotations for the grid, by name.
QStringList index_names();

}  // namespace grid_keys
