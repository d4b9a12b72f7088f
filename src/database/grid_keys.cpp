#include "grid_keys.h"

#include "database.h"
#include "jet_dialect.h"
#include "trash.h"

#include <QChar>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <sqlite3.h>

namespace grid_keys {

namespace {

// The keys of one quotation, from its texts. The text is keyed as it sorts (sortable_text).
const char* const key_assignments =
    "author_key = sentara_name_key(author), subject_key = sentara_name_key(subject), "
    "language_key = sentara_name_key(language), text_key = sentara_text_key(text), "
    "notes_key = sentara_prefix_key(notes), keys_stale = NULL";

struct Index {
    const char* name;
    const char* columns;
};
// Each order of the grid walks one of these; rows alike in the sorted column come by author and
// text, as the grid shows them. The random order's index holds the author's key, so that the
// whole list in random order, joined to its authors, is read from the index alone.
const Index indexes[] = {
    {"quotes_by_random_key", "random, author_key"},
    {"quotes_by_author_key", "author_key, text_key"},
    {"quotes_by_text_key", "text_key"},
    {"quotes_by_subject_key", "subject_key, author_key, text_key"},
    {"quotes_by_rate_key", "rate, author_key, text_key"},
    {"quotes_by_language_key", "language_key, author_key, text_key"},
    {"quotes_by_notes_key", "notes_key, author_key, text_key"},
};

// Indexes of files made before the keys: the keyed ones take their place.
const char* const replaced_indexes[] = {"quotes_by_random_author", "quotes_by_random", "quotes_by_author",
                                        "quotes_by_subject"};

const char* const authors_changed_sql = "UPDATE sentara_state SET value = value + 1 WHERE name = 'authors_changed';";

bool has_column(Database& db, const char* table, const char* column) {
    return sqlite3_table_column_metadata(db.handle(), "main", table, column, nullptr, nullptr, nullptr, nullptr,
                                         nullptr) == SQLITE_OK;
}

// The keys' make: the way they are built, and the letters' case and accents as the Unicode
// tables of this Qt know them. A file keyed under another make is keyed again.
qint64 keys_make() { return 4 * 1000 + qint64(QChar::currentUnicodeVersion()); }

qint64 state(Database& db, const char* name) {
    Statement st = db.prepare_plain(QStringLiteral("SELECT value FROM sentara_state WHERE name = ?"));
    st.bind(1, QString::fromLatin1(name));
    return st.step() ? st.column_int64(0) : -1;
}

// The authors' table made again from the authors: one row per name as "=" compares names,
// the picture of the first author (in the table's order) that bears it.
void rebuild_author_keys(Database& db) {
    db.execute_plain(QStringLiteral(
        "DELETE FROM main.author_keys;"
        "INSERT INTO main.author_keys (name_key, bearers, name, picture) "
        "SELECT name_key, n, name, picture FROM (SELECT name_key, count(*) AS n, name, picture, min(r) "
        "FROM (SELECT sentara_name_key(name) AS name_key, name, picture, rowid AS r FROM authors WHERE name IS NOT NULL) "
        "GROUP BY name_key);"
        "UPDATE sentara_state SET value = (SELECT value FROM sentara_state WHERE name = 'authors_changed') "
        "WHERE name = 'author_keys_of';"));
}

}  // namespace

QStringList index_names() {
    QStringList names;
    for (const Index& i : indexes) names << QString::fromLatin1(i.name);
    return names;
}

namespace {

const char* const pieces[] = {"author_keys",           "sentara_state",         "quotes_keys_stale",  "quotes_mark_stale",
                              "authors_keys_insert",   "authors_keys_delete",   "authors_keys_update",
                              "quotes_by_random_key",  "quotes_by_author_key",  "quotes_by_text_key",
                              "quotes_by_subject_key", "quotes_by_rate_key",    "quotes_by_language_key",
                              "quotes_by_notes_key"};

}  // namespace

bool stored(Database& db) {
    if (!has_column(db, "quotes", "keys_stale")) return false;
    if (db.is_table(QStringLiteral("sentara_state")) && state(db, "keys_make") != keys_make()) return false;
    // Every piece: a copy made table by table (by another tool) may have lost the triggers or
    // indexes, and is keyed again.
    Statement st = db.prepare_plain(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN (%1)").arg([] {
        QStringList names;
        for (const char* p : pieces) names << u'\'' + QLatin1String(p) + u'\'';
        return names.join(u',');
    }()));
    return st.step() && st.column_int64(0) == qint64(std::size(pieces));
}

void add(Database& db, const std::function<void(const QString&, qint64, qint64)>& progress) {
    if (stored(db)) return;
    Database::Transaction all_or_none(db);
    for (const char* column : {"author_key", "subject_key", "language_key", "text_key", "notes_key"})
        if (!has_column(db, "quotes", column))
            db.execute_plain(QStringLiteral("ALTER TABLE quotes ADD COLUMN %1 BLOB").arg(QLatin1String(column)));
    // A row another tool adds is stale until the program keys it.
    if (!has_column(db, "quotes", "keys_stale")) db.execute_plain(QStringLiteral("ALTER TABLE quotes ADD COLUMN keys_stale INTEGER DEFAULT 1"));
    db.execute_plain(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS main.author_keys (name_key BLOB PRIMARY KEY, bearers INTEGER NOT NULL, name TEXT, picture TEXT) WITHOUT ROWID;"
        "CREATE TABLE IF NOT EXISTS sentara_state (name TEXT PRIMARY KEY, value INTEGER);"
        "INSERT OR REPLACE INTO sentara_state VALUES ('authors_changed', 1), ('author_keys_of', 0);"));
    {
        Statement make = db.prepare_plain(QStringLiteral("INSERT OR REPLACE INTO sentara_state VALUES ('keys_make', ?1)"));
        make.bind(1, keys_make());
        make.step();
    }

    // The work in units of one quotation keyed; an index costs about half of that per row.
    const qint64 rows = db.scalar(QStringLiteral("SELECT count(*) FROM quotes")).toLongLong();
    const qint64 last = db.scalar(QStringLiteral("SELECT coalesce(max(key), 0) FROM quotes")).toLongLong();
    const qint64 index_work = rows / 2 + 1;
    const qint64 total = rows + qint64(std::size(indexes)) * index_work + 1;
    qint64 done = 0;
    const auto tell = [&](const QString& doing) {
        if (progress)
            progress(QCoreApplication::translate("grid_keys", "Sentara prepares the %1 quotations of this collection for fast sorting and "
                                                                 "filtering, once: %2.")
                         .arg(QLocale().toString(rows))
                         .arg(doing),
                     done, total);
    };

    // Keys made again (another make, or pieces lost) are written with no index to keep in step:
    // the indexes are built afresh after, at a fraction of the cost.
    for (const Index& i : indexes) db.execute_plain(QStringLiteral("DROP INDEX IF EXISTS %1").arg(QLatin1String(i.name)));
    db.execute_plain(QStringLiteral("DROP INDEX IF EXISTS quotes_keys_stale"));
    Statement fill = db.prepare_plain(
        QStringLiteral("UPDATE quotes SET %1 WHERE key > ? AND key <= ?").arg(QLatin1String(key_assignments)));
    constexpr qint64 step = 20000;
    for (qint64 from = 0; from < last; from += step) {
        tell(QCoreApplication::translate("grid_keys", "keying the texts"));
        fill.bind(1, from);
        fill.bind(2, from + step);
        fill.step();
        fill.reset();
        done = std::min(rows, done + step);
    }
    done = rows;
    // Quotations in the Trash are keyed again when they come back.
    trash::mark_keys_stale(db);
    rebuild_author_keys(db);
    for (const Index& i : indexes) {
        tell(QCoreApplication::translate("grid_keys", "building the index %1").arg(QLatin1String(i.name)));
        db.execute_plain(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON quotes(%2)").arg(QLatin1String(i.name), QLatin1String(i.columns)));
        done += index_work;
    }
    for (const char* old : replaced_indexes) db.execute_plain(QStringLiteral("DROP INDEX IF EXISTS %1").arg(QLatin1String(old)));
    db.execute_plain(QStringLiteral(
        "CREATE INDEX IF NOT EXISTS quotes_keys_stale ON quotes(key) WHERE keys_stale = 1;"
        "CREATE TRIGGER IF NOT EXISTS quotes_mark_stale AFTER UPDATE OF text, author, subject, language, notes ON quotes "
        "WHEN new.keys_stale IS NOT 1 BEGIN UPDATE quotes SET keys_stale = 1 WHERE key = new.key; END;"
        "CREATE TRIGGER IF NOT EXISTS authors_keys_insert AFTER INSERT ON authors BEGIN ") +
                     QLatin1String(authors_changed_sql) +
                     QStringLiteral(" END; CREATE TRIGGER IF NOT EXISTS authors_keys_delete AFTER DELETE ON authors BEGIN ") +
                     QLatin1String(authors_changed_sql) +
                     QStringLiteral(" END; CREATE TRIGGER IF NOT EXISTS authors_keys_update AFTER UPDATE OF name, picture ON authors BEGIN ") +
                     QLatin1String(authors_changed_sql) + QStringLiteral(" END;"));
    done = total;
    tell(QCoreApplication::translate("grid_keys", "done"));
    all_or_none.commit();
}

bool refill(Database& db) {
    if (db.read_only() || !stored(db)) return false;
    bool wrote = false;
    {
        Statement stale = db.prepare_plain(QStringLiteral("SELECT 1 FROM quotes WHERE keys_stale = 1 LIMIT 1"));
        if (stale.step()) {
            stale.reset();
            db.execute_plain(QStringLiteral("UPDATE quotes SET %1 WHERE keys_stale = 1").arg(QLatin1String(key_assignments)));
            wrote = true;
        }
    }
    if (state(db, "authors_changed") != state(db, "author_keys_of")) {
        Database::Transaction t(db);
        rebuild_author_keys(db);
        t.commit();
        wrote = true;
    }
    return wrote;
}

std::optional<bool> has_author(Database& db, const QString& name) {
    if (!stored(db) || state(db, "authors_changed") != state(db, "author_keys_of")) return std::nullopt;
    Statement st = db.prepare_plain(QStringLiteral("SELECT 1 FROM main.author_keys WHERE name_key = ?1"));
    st.bind(1, jet::name_key(name));
    return st.step();
}

bool usable(Database& db) {
    if (!stored(db)) return false;
    Statement stale = db.prepare_plain(QStringLiteral("SELECT 1 FROM quotes WHERE keys_stale = 1 LIMIT 1"));
    return !stale.step() && state(db, "authors_changed") == state(db, "author_keys_of");
}

void use_computed_authors(Database& db) {
    db.execute_plain(QStringLiteral(
        "CREATE TEMP VIEW IF NOT EXISTS author_keys AS "
        "SELECT name_key, n AS bearers, name, picture FROM (SELECT name_key, count(*) AS n, name, picture, min(r) "
        "FROM (SELECT sentara_name_key(name) AS name_key, name, picture, rowid AS r FROM authors WHERE name IS NOT NULL) "
        "GROUP BY name_key)"));
}

}  // namespace grid_keys
