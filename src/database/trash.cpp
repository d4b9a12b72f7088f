#include "trash.h"

#include "database.h"
#include "jet_dialect.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>
#include <sqlite3.h>

#include <algorithm>

namespace trash {

namespace {

// A reference table as the Trash keeps it: its key column first, then the others.
struct Kept {
    const char* table;
    const char* key;
    const char* others;
    const char* thing;  // as a message names one
};
const Kept kept[] = {
    {"authors", "name", "notes, picture, random", QT_TRANSLATE_NOOP("trash", "author")},
    {"subjects", "subject", "quantity", QT_TRANSLATE_NOOP("trash", "subject")},
    {"languages", "code", "description, def", QT_TRANSLATE_NOOP("trash", "language")},
    {"websites", "name", "address, language, note", QT_TRANSLATE_NOOP("trash", "web site")},
};

const Kept* kept_of(const QString& table) {
    for (const Kept& k : kept)
        if (table.compare(QLatin1String(k.table), Qt::CaseInsensitive) == 0) return &k;
    return nullptr;
}

// The quotations' own columns, and the sort keys the file may keep beside them.
const char* const quote_columns = "key, text, author, subject, language, notes, rate, random";
const char* const key_columns = "author_key, subject_key, language_key, text_key, notes_key, keys_stale";

}  // namespace

void ensure(Database& db) {
    if (sqlite3_table_column_metadata(db.handle(), "main", "trash_websites", "batch", nullptr, nullptr, nullptr, nullptr,
                                      nullptr) == SQLITE_OK)
        return;
    db.execute_plain(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS trash_batches (batch INTEGER PRIMARY KEY, deleted_at INTEGER NOT NULL, what TEXT, "
        "replaced_column TEXT, replaced_by TEXT, undone INTEGER);"
        "CREATE TABLE IF NOT EXISTS trash_quotes (key INTEGER PRIMARY KEY, batch INTEGER NOT NULL, text TEXT COLLATE NOCASE, "
        "author TEXT COLLATE NOCASE, subject TEXT COLLATE NOCASE, language TEXT COLLATE NOCASE, notes TEXT COLLATE NOCASE, "
        "rate INTEGER, random REAL, author_key BLOB, subject_key BLOB, language_key BLOB, text_key BLOB, notes_key BLOB, "
        "keys_stale INTEGER DEFAULT 1);"
        "CREATE INDEX IF NOT EXISTS trash_quotes_by_batch ON trash_quotes(batch);"
        "CREATE TABLE IF NOT EXISTS trash_replaced (batch INTEGER NOT NULL, key INTEGER NOT NULL, old_value TEXT);"
        "CREATE INDEX IF NOT EXISTS trash_replaced_by_batch ON trash_replaced(batch);"
        "CREATE TABLE IF NOT EXISTS trash_authors (batch INTEGER NOT NULL, row INTEGER, name TEXT COLLATE NOCASE, "
        "notes TEXT COLLATE NOCASE, picture TEXT COLLATE NOCASE, random REAL);"
        "CREATE TABLE IF NOT EXISTS trash_subjects (batch INTEGER NOT NULL, row INTEGER, subject TEXT COLLATE NOCASE, "
        "quantity INTEGER);"
        "CREATE TABLE IF NOT EXISTS trash_languages (batch INTEGER NOT NULL, row INTEGER, code TEXT COLLATE NOCASE, "
        "description TEXT COLLATE NOCASE, def TEXT COLLATE NOCASE);"
        "CREATE TABLE IF NOT EXISTS trash_websites (batch INTEGER NOT NULL, row INTEGER, name TEXT COLLATE NOCASE, "
        "address TEXT COLLATE NOCASE, language TEXT COLLATE NOCASE, note TEXT COLLATE NOCASE);"));
}

namespace {

bool exists(Database& db) {
    return sqlite3_table_column_metadata(db.handle(), "main", "trash_batches", "batch", nullptr, nullptr, nullptr, nullptr,
                                         nullptr) == SQLITE_OK;
}

bool quotes_keyed(Database& db) {
    return sqlite3_table_column_metadata(db.handle(), "main", "quotes", "keys_stale", nullptr, nullptr, nullptr, nullptr,
                                         nullptr) == SQLITE_OK;
}

// Keys as a JSON array, for json_each: one statement serves a few thousand rows.
QString json_list(std::vector<qint64>::const_iterator from, std::vector<qint64>::const_iterator to) {
    QByteArray list;
    list.reserve(qsizetype(to - from) * 8 + 2);
    list += '[';
    for (auto it = from; it != to; ++it) {
        if (list.size() > 1) list += ',';
        list += QByteArray::number(*it);
    }
    list += ']';
    return QString::fromLatin1(list);
}

// A few thousand a statement: the search index writes what a statement changed when the next
// one begins, and one statement per quotation is five times slower.
constexpr size_t chunk = 4096;

std::vector<qint64> keys_of(Statement& st) {
    std::vector<qint64> keys;
    while (st.step()) keys.push_back(st.column_int64(0));
    return keys;
}

// Batches with nothing left in the Trash are forgotten.
void forget_empty_batches(Database& db) {
    db.execute_plain(QStringLiteral(
        "DELETE FROM trash_batches WHERE NOT EXISTS (SELECT 1 FROM trash_quotes t WHERE t.batch = trash_batches.batch) "
        "AND NOT EXISTS (SELECT 1 FROM trash_replaced t WHERE t.batch = trash_batches.batch) "
        "AND NOT EXISTS (SELECT 1 FROM trash_authors t WHERE t.batch = trash_batches.batch) "
        "AND NOT EXISTS (SELECT 1 FROM trash_subjects t WHERE t.batch = trash_batches.batch) "
        "AND NOT EXISTS (SELECT 1 FROM trash_languages t WHERE t.batch = trash_batches.batch) "
        "AND NOT EXISTS (SELECT 1 FROM trash_websites t WHERE t.batch = trash_batches.batch)"));
}

// Puts one trashed reference row back unless its name is taken meanwhile; true when it came back.
bool restore_row(Database& db, const Kept& k, qint64 trash_rowid, Restored& r) {
    const QString key = QLatin1String(k.key), others = QLatin1String(k.others), table = QLatin1String(k.table);
    Statement read = db.prepare_plain(QStringLiteral("SELECT row, %1 FROM trash_%2 WHERE rowid = ?").arg(key, table));
    read.bind(1, trash_rowid);
    if (!read.step()) return false;
    const qint64 row = read.column_int64(0);
    const QVariant name = read.column(1);
    Statement taken = db.prepare_plain(
        QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?1 COLLATE %3").arg(table, key, QLatin1String(jet::collation)));
    taken.bind(1, name);
    if (taken.step()) {
        r.refused << QCoreApplication::translate("trash", "The %1 '%2' was not restored: one of the same name was added since.")
                         .arg(QCoreApplication::translate("trash", k.thing), name.toString());
        return false;
    }
    Statement free_row = db.prepare_plain(QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?").arg(table));
    free_row.bind(1, row);
    const bool keep_place = !free_row.step();
    db.execute_plain(QStringLiteral("INSERT INTO %1(%2%3, %4) SELECT %5%3, %4 FROM trash_%1 WHERE rowid = %6")
                         .arg(table, keep_place ? QStringLiteral("rowid, ") : QString(), key, others,
                              keep_place ? QStringLiteral("row, ") : QString())
                         .arg(trash_rowid));
    db.execute_plain(QStringLiteral("DELETE FROM trash_%1 WHERE rowid = %2").arg(table).arg(trash_rowid));
    ++r.rows;
    return true;
}

// Brings back the trashed quotations with these keys, and the deleted authors they name.
void restore_keys(Database& db, std::vector<qint64> keys, Restored& r, const Progress& progress) {
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::optional<Database::LargeCache> cache;
    if (keys.size() > chunk) cache.emplace(db);
    // Their authors first, when any author is in the Trash (seldom many).
    if (db.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM trash_authors)")).toBool()) {
        QSet<QString> named;
        Statement authors = db.prepare_plain(
            QStringLiteral("SELECT DISTINCT author FROM trash_quotes WHERE key IN (SELECT value FROM json_each(?))"));
        for (size_t from = 0; from < keys.size(); from += chunk) {
            authors.bind(1, json_list(keys.begin() + qsizetype(from), keys.begin() + qsizetype(std::min(keys.size(), from + chunk))));
            while (authors.step()) named.insert(jet::folded(authors.column_text(0)));
            authors.reset();
        }
        Statement trashed = db.prepare_plain(QStringLiteral("SELECT rowid, name FROM trash_authors ORDER BY batch DESC, rowid"));
        std::vector<qint64> back;
        while (trashed.step())
            if (named.remove(jet::folded(trashed.column_text(1)))) back.push_back(trashed.column_int64(0));
        Statement taken = db.prepare_plain(
            QStringLiteral("SELECT 1 FROM authors WHERE name = ?1 COLLATE %1").arg(QLatin1String(jet::collation)));
        for (qint64 rowid : back) {
            // An author of that name who is back already (added again, say) is the quotations'
            // author: nothing to refuse.
            Statement name = db.prepare_plain(QStringLiteral("SELECT name FROM trash_authors WHERE rowid = ?"));
            name.bind(1, rowid);
            if (!name.step()) continue;
            taken.bind(1, name.column(0));
            const bool present = taken.step();
            taken.reset();
            if (!present) restore_row(db, kept[0], rowid, r);
        }
    }
    const QString columns = QLatin1String(quote_columns) +
                            (quotes_keyed(db) ? QStringLiteral(", ") + QLatin1String(key_columns) : QString());
    Statement clash = db.prepare_plain(QStringLiteral("SELECT key FROM quotes WHERE key IN (SELECT value FROM json_each(?))"));
    Statement back = db.prepare_plain(QStringLiteral("INSERT INTO quotes(%1) SELECT %1 FROM trash_quotes "
                                                     "WHERE key IN (SELECT value FROM json_each(?1)) "
                                                     "AND key NOT IN (SELECT value FROM json_each(?2))")
                                          .arg(columns));
    Statement out = db.prepare_plain(QStringLiteral("DELETE FROM trash_quotes WHERE key IN (SELECT value FROM json_each(?1)) "
                                                    "AND key NOT IN (SELECT value FROM json_each(?2))"));
    for (size_t from = 0; from < keys.size(); from += chunk) {
        if (progress) progress(qint64(from), qint64(keys.size()));
        const auto first = keys.begin() + qsizetype(from), last = keys.begin() + qsizetype(std::min(keys.size(), from + chunk));
        const QString list = json_list(first, last);
        clash.bind(1, list);
        std::vector<qint64> kept_back = keys_of(clash);
        clash.reset();
        for (qint64 key : kept_back)
            r.refused << QCoreApplication::translate("trash", "The quotation %1 was not restored: the collection holds a newer one with the same key.")
                             .arg(key);
        const QString clashes = json_list(kept_back.cbegin(), kept_back.cend());
        back.bind(1, list);
        back.bind(2, clashes);
        back.step();
        r.quotes += db.changes();
        back.reset();
        out.bind(1, list);
        out.bind(2, clashes);
        out.step();
        out.reset();
    }
    if (progress) progress(qint64(keys.size()), qint64(keys.size()));
}

}  // namespace

qint64 open_batch(Database& db, const QString& what, const QString& column, const QString& replaced_by) {
    Database::Transaction t(db);
    ensure(db);
    Statement add = db.prepare_plain(
        QStringLiteral("INSERT INTO trash_batches (deleted_at, what, replaced_column, replaced_by) VALUES (?, ?, ?, ?)"));
    add.bind(1, QDateTime::currentSecsSinceEpoch());
    add.bind(2, what);
    add.bind(3, column.isEmpty() ? QVariant() : QVariant(column));
    add.bind(4, column.isEmpty() ? QVariant() : QVariant(replaced_by));
    add.step();
    const qint64 batch = db.last_insert_rowid();
    t.commit();
    return batch;
}

qint64 move_quotes(Database& db, qint64 batch, std::vector<qint64> keys, const Progress& progress) {
    std::sort(keys.begin(), keys.end());  // the table's own order: each page is visited once
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::optional<Database::LargeCache> cache;
    if (keys.size() > chunk) cache.emplace(db);
    // Within a caller's transaction, a part of it: a savepoint would copy every page the move
    // changes into a journal of its own (at a million quotations, half as long again).
    Database::Transaction all_or_none(db, Database::Transaction::join);
    ensure(db);
    const bool keyed = quotes_keyed(db);
    const QString columns = QLatin1String(quote_columns) + (keyed ? QStringLiteral(", ") + QLatin1String(key_columns) : QString());
    Statement keep = db.prepare_plain(QStringLiteral("INSERT OR REPLACE INTO trash_quotes (batch, %1) SELECT ?2, %1 FROM quotes "
                                                     "WHERE key IN (SELECT value FROM json_each(?1))")
                                          .arg(columns));
    Statement remove = db.prepare_plain(QStringLiteral("DELETE FROM quotes WHERE key IN (SELECT value FROM json_each(?))"));
    qint64 moved = 0;
    for (size_t from = 0; from < keys.size(); from += chunk) {
        if (progress) progress(qint64(from), qint64(keys.size()));
        const QString list = json_list(keys.begin() + qsizetype(from), keys.begin() + qsizetype(std::min(keys.size(), from + chunk)));
        keep.bind(1, list);
        keep.bind(2, batch);
        keep.step();
        keep.reset();
        remove.bind(1, list);
        remove.step();
        moved += db.changes();
        remove.reset();
    }
    if (progress) progress(qint64(keys.size()), qint64(keys.size()));
    all_or_none.commit();
    return moved;
}

qint64 move_rows(Database& db, qint64 batch, const QString& table, const QString& key) {
    const Kept* k = kept_of(table);
    if (!k) throw DbError(db_errors::invalid_argument, QStringLiteral("The Trash keeps no rows of '%1'.").arg(table));
    Database::Transaction all_or_none(db);
    ensure(db);
    const QString where = QStringLiteral(" WHERE %1 = ?1 COLLATE %2").arg(QLatin1String(k->key), QLatin1String(jet::collation));
    Statement keep = db.prepare_plain(QStringLiteral("INSERT INTO trash_%1 (batch, row, %2, %3) SELECT ?2, rowid, %2, %3 FROM %1")
                                          .arg(QLatin1String(k->table), QLatin1String(k->key), QLatin1String(k->others)) +
                                      where);
    keep.bind(1, key);
    keep.bind(2, batch);
    keep.step();
    Statement remove = db.prepare_plain(QStringLiteral("DELETE FROM %1").arg(QLatin1String(k->table)) + where);
    remove.bind(1, key);
    remove.step();
    const qint64 moved = db.changes();
    all_or_none.commit();
    return moved;
}

qint64 replace(Database& db, const QString& column, const QString& from, const QString& to) {
    Database::Transaction all_or_none(db);
    const qint64 batch = open_batch(db, QStringLiteral("replace"), column, to);
    const QString where = QStringLiteral(" WHERE %1 = ?1 COLLATE %2").arg(column, QLatin1String(jet::collation));
    Statement keep = db.prepare_plain(
        QStringLiteral("INSERT INTO trash_replaced (batch, key, old_value) SELECT ?2, key, %1 FROM quotes").arg(column) + where);
    keep.bind(1, from);
    keep.bind(2, batch);
    keep.step();
    Statement change = db.prepare_plain(QStringLiteral("UPDATE quotes SET %1 = ?2").arg(column) + where);
    change.bind(1, from);
    change.bind(2, to);
    change.step();
    const qint64 changed = db.changes();
    all_or_none.commit();
    return changed;
}

void keep_fields(Database& db, qint64 batch, qint64 key, const QVariant& notes, const QVariant& subject, const QVariant& rate) {
    Database::Transaction all_or_none(db);
    ensure(db);
    Statement keep = db.prepare_plain(QStringLiteral(
        "INSERT INTO trash_replaced (batch, key, old_value) SELECT ?2, key, json_object("
        "'old', json_object('notes', notes, 'subject', subject, 'rate', rate), "
        "'new', json_object('notes', ?3, 'subject', ?4, 'rate', ?5)) FROM quotes WHERE key = ?1"));
    keep.bind(1, key);
    keep.bind(2, batch);
    keep.bind(3, notes);
    keep.bind(4, subject);
    keep.bind(5, rate);
    keep.step();
    all_or_none.commit();
}

bool can_undo(Database& db) {
    return exists(db) && db.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM trash_batches WHERE undone IS NULL)")).toBool();
}

std::optional<Restored> undo_last(Database& db, const Progress& progress) {
    if (!exists(db)) return std::nullopt;
    Database::Transaction all_or_none(db);
    Statement last = db.prepare_plain(QStringLiteral(
        "SELECT batch, what, replaced_column, replaced_by FROM trash_batches WHERE undone IS NULL ORDER BY batch DESC LIMIT 1"));
    if (!last.step()) return std::nullopt;
    const qint64 batch = last.column_int64(0);
    Restored r;
    r.what = last.column_text(1);
    const QString column = last.column_text(2), replaced_by = last.column_text(3);
    // The reference rows first: a quotation of a deleted author comes back with its author.
    for (const Kept& k : kept) {
        Statement rows = db.prepare_plain(QStringLiteral("SELECT rowid FROM trash_%1 WHERE batch = ?").arg(QLatin1String(k.table)));
        rows.bind(1, batch);
        for (qint64 rowid : keys_of(rows)) restore_row(db, k, rowid, r);
    }
    Statement quotes = db.prepare_plain(QStringLiteral("SELECT key FROM trash_quotes WHERE batch = ?"));
    quotes.bind(1, batch);
    restore_keys(db, keys_of(quotes), r, progress);
    if (!column.isEmpty() && (column == QLatin1String("author") || column == QLatin1String("subject") ||
                              column == QLatin1String("language"))) {
        // Only the quotations that still bear the name given them: one renamed since stays.
        Statement moved = db.prepare_plain(QStringLiteral("SELECT count(*) FROM trash_replaced WHERE batch = ?"));
        moved.bind(1, batch);
        const qint64 total = moved.step() ? moved.column_int64(0) : 0;
        Statement back = db.prepare_plain(
            QStringLiteral("UPDATE quotes SET %1 = r.old_value FROM (SELECT key, old_value FROM trash_replaced WHERE batch = ?1) "
                           "AS r WHERE quotes.key = r.key AND quotes.%1 = ?2 COLLATE %2")
                .arg(column, QLatin1String(jet::collation)));
        back.bind(1, batch);
        back.bind(2, replaced_by);
        back.step();
        r.renamed = db.changes();
        if (r.renamed < total)
            r.refused << QCoreApplication::translate("trash", "%1 quotations were changed since and keep the name they have now.").arg(total - r.renamed);
        Statement done = db.prepare_plain(QStringLiteral("DELETE FROM trash_replaced WHERE batch = ?"));
        done.bind(1, batch);
        done.step();
    }
    if (r.what == QLatin1String("merge")) {
        // The quotation kept takes back its own notes, subject and rate, unless it was changed since.
        Statement kept = db.prepare_plain(QStringLiteral("SELECT count(*) FROM trash_replaced WHERE batch = ?"));
        kept.bind(1, batch);
        const qint64 total = kept.step() ? kept.column_int64(0) : 0;
        Statement back = db.prepare_plain(QStringLiteral(
            "UPDATE quotes SET notes = json_extract(r.v, '$.old.notes'), subject = json_extract(r.v, '$.old.subject'), "
            "rate = json_extract(r.v, '$.old.rate') FROM (SELECT key, old_value AS v FROM trash_replaced WHERE batch = ?1) AS r "
            "WHERE quotes.key = r.key AND quotes.notes IS json_extract(r.v, '$.new.notes') "
            "AND quotes.subject IS json_extract(r.v, '$.new.subject') AND quotes.rate IS json_extract(r.v, '$.new.rate')"));
        back.bind(1, batch);
        back.step();
        if (db.changes() < total)
            r.refused << QCoreApplication::translate("trash", "The quotation kept was changed since and keeps what it has now.");
        Statement done = db.prepare_plain(QStringLiteral("DELETE FROM trash_replaced WHERE batch = ?"));
        done.bind(1, batch);
        done.step();
    }
    Statement undone = db.prepare_plain(QStringLiteral("UPDATE trash_batches SET undone = 1 WHERE batch = ?"));
    undone.bind(1, batch);
    undone.step();
    forget_empty_batches(db);
    all_or_none.commit();
    return r;
}

Restored restore_quotes(Database& db, const std::vector<qint64>& keys, bool all, const Progress& progress) {
    Restored r;
    if (!exists(db)) return r;
    Database::Transaction all_or_none(db);
    if (all) {
        Statement every = db.prepare_plain(QStringLiteral("SELECT key FROM trash_quotes"));
        restore_keys(db, keys_of(every), r, progress);
    } else {
        restore_keys(db, keys, r, progress);
    }
    forget_empty_batches(db);
    all_or_none.commit();
    return r;
}

void empty(Database& db) {
    if (!exists(db)) return;
    Database::Transaction all_or_none(db);
    db.execute_plain(QStringLiteral("DELETE FROM trash_quotes; DELETE FROM trash_replaced; DELETE FROM trash_authors; "
                                    "DELETE FROM trash_subjects; DELETE FROM trash_languages; DELETE FROM trash_websites; "
                                    "DELETE FROM trash_batches;"));
    all_or_none.commit();
}

qint64 purge(Database& db, int days, qint64 now) {
    if (days <= 0 || !exists(db)) return 0;
    Database::Transaction all_or_none(db);
    const QString old = QStringLiteral("(SELECT batch FROM trash_batches WHERE deleted_at <= %1)").arg(now - qint64(days) * 86400);
    qint64 forgotten = 0;
    for (const char* table : {"trash_quotes", "trash_replaced", "trash_authors", "trash_subjects", "trash_languages",
                              "trash_websites"}) {
        db.execute_plain(QStringLiteral("DELETE FROM %1 WHERE batch IN ").arg(QLatin1String(table)) + old);
        if (!forgotten) forgotten = db.changes();
    }
    db.execute_plain(QStringLiteral("DELETE FROM trash_batches WHERE batch IN ") + old);
    all_or_none.commit();
    return forgotten;
}

qint64 quotes_in_trash(Database& db) {
    return exists(db) ? db.scalar(QStringLiteral("SELECT count(*) FROM trash_quotes")).toLongLong() : 0;
}

QString list_sql(const QString& condition) {
    return QStringLiteral(
               "SELECT * FROM (SELECT t.key AS key, t.text AS text, t.author AS author, "
               "datetime(b.deleted_at, 'unixepoch', 'localtime') AS deleted, t.batch AS batch "
               "FROM trash_quotes t LEFT JOIN trash_batches b ON b.batch = t.batch)") +
           (condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition) +
           QStringLiteral(" ORDER BY batch DESC, key DESC");
}

void mark_keys_stale(Database& db) {
    if (exists(db)) db.execute_plain(QStringLiteral("UPDATE trash_quotes SET keys_stale = 1"));
}

}  // namespace trash

