#include "schema.h"

#include "database.h"
#include "grid_keys.h"

#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <sqlite3.h>

#include <algorithm>

// Resources of a static library are registered by hand.
static void register_sample_resources() { Q_INIT_RESOURCE(samples); }

namespace schema {

namespace {

// Every text column is declared with SQLite's own NOCASE, so that other tools compare without
// letter case too (ASCII letters only); the program's statements compare and sort under its own
// collation, which knows every letter (see the Jet dialect). No index is ever built under the
// program's collation: other tools could neither use nor update it.
//
// The authors' random order: the authors window reads them in it, and finds those without a place.
const char* const author_random_index_sql = "CREATE INDEX authors_by_random ON authors(random)";

const char* const create_sql = R"SQL(
PRAGMA application_id = 1397642322;
PRAGMA user_version = 1;
BEGIN;
CREATE TABLE quotes (
    key INTEGER PRIMARY KEY AUTOINCREMENT,
    text TEXT COLLATE NOCASE,
    author TEXT COLLATE NOCASE,
    subject TEXT COLLATE NOCASE,
    language TEXT COLLATE NOCASE,
    notes TEXT COLLATE NOCASE,
    rate INTEGER,
    random REAL
);
CREATE TABLE authors (
    name TEXT COLLATE NOCASE,
    notes TEXT COLLATE NOCASE,
    picture TEXT COLLATE NOCASE,
    random REAL
);
CREATE INDEX authors_by_random ON authors(random);
CREATE TABLE subjects (
    subject TEXT COLLATE NOCASE,
    quantity INTEGER DEFAULT 0
);
CREATE TABLE languages (
    code TEXT COLLATE NOCASE,
    description TEXT COLLATE NOCASE,
    def TEXT COLLATE NOCASE
);
CREATE TABLE websites (
    name TEXT COLLATE NOCASE,
    address TEXT COLLATE NOCASE,
    language TEXT COLLATE NOCASE,
    note TEXT COLLATE NOCASE
);
CREATE TABLE rating (
    rate INTEGER
);
-- text2 is the text as it sorts: without the quotation marks, dashes and blanks it begins with.
CREATE VIEW Quotes_with_sortable_text AS
    SELECT quotes.*,
           ltrim(text, ' "''-' || char(9, 10, 13, 0x2013, 0x2014, 0xAB, 0xBB, 0x201C, 0x201D, 0x201E,
                                        0x2018, 0x2019, 0x201A, 0x2039, 0x203A)) COLLATE NOCASE AS text2
    FROM quotes;
CREATE VIEW authors_with_quote_quantity AS
    SELECT authors.name, authors.notes, authors.picture, coalesce(q.n, 0) AS quotes, authors.random
    FROM authors LEFT JOIN (SELECT author, count(*) AS n FROM quotes GROUP BY author) AS q
         ON q.author = authors.name;
CREATE VIEW subjects_with_quote_quantity AS
    SELECT subjects.subject, coalesce(q.n, 0) AS quotes
    FROM subjects LEFT JOIN (SELECT subject, count(*) AS n FROM quotes GROUP BY subject) AS q
         ON q.subject = subjects.subject;
CREATE VIEW languages_with_quote_quantity AS
    SELECT languages.code, languages.description, languages.def AS "default", coalesce(q.n, 0) AS quotes
    FROM languages LEFT JOIN (SELECT language, count(*) AS n FROM quotes GROUP BY language) AS q
         ON q.language = languages.code;
INSERT INTO rating VALUES (1), (2), (3);
INSERT INTO subjects VALUES ('-', 0);
INSERT INTO languages VALUES ('EN', 'English', 'Yes'), ('IT', 'Italiano', 'No'), ('FR', 'Français', 'No'),
                             ('DE', 'Deutsch', 'No'), ('ES', 'Español', 'No');
COMMIT;
)SQL";

// Runs `add` for `value` unless `has` finds it already.
void add_if_missing(Statement& has, Statement& add, const QString& value) {
    has.bind(1, value);
    const bool known = has.step();
    has.reset();
    if (known) return;
    add.bind(1, value);
    add.step();
    add.reset();
}

void add_samples(Database& db) {
    register_sample_resources();
    QFile f(QStringLiteral(":/samples/sample_quotes.tsv"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    Statement add_quote = db.prepare(QStringLiteral(
        "INSERT INTO quotes (text, author, subject, language, notes, rate) VALUES (?, ?, ?, ?, ?, ?)"));
    Statement has_author = db.prepare(QStringLiteral("SELECT 1 FROM authors WHERE name = ?"));
    Statement add_author = db.prepare(QStringLiteral("INSERT INTO authors VALUES (?, NULL, NULL, NULL)"));
    Statement has_subject = db.prepare(QStringLiteral("SELECT 1 FROM subjects WHERE subject = ?"));
    Statement add_subject = db.prepare(QStringLiteral("INSERT INTO subjects VALUES (?, 0)"));
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(u'#') || line.trimmed().isEmpty()) continue;
        const QStringList f6 = line.split(u'\t');
        if (f6.size() != 6) continue;
        add_if_missing(has_author, add_author, f6[0]);
        add_if_missing(has_subject, add_subject, f6[1]);
        add_quote.bind(1, f6[5]);
        add_quote.bind(2, f6[0]);
        add_quote.bind(3, f6[1]);
        add_quote.bind(4, f6[2]);
        add_quote.bind(5, f6[4].isEmpty() ? QVariant() : QVariant(f6[4]));
        add_quote.bind(6, f6[3].isEmpty() ? QVariant() : QVariant(f6[3].toInt()));
        add_quote.step();
        add_quote.reset();
    }
}

}  // namespace

void create_database(const QString& path, bool with_samples) {
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        throw DbError(db_errors::file_exists,
                      QCoreApplication::translate("database", "The file '%1' already exists; a new database is created only where no file is.")
                          .arg(path));
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw DbError(db_errors::cannot_open, QCoreApplication::translate("database", "The folder '%1' cannot be created.").arg(info.absolutePath()));
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXRESCODE, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = raw ? QString::fromUtf8(sqlite3_errmsg(raw)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(raw);
        QFile::remove(path);
        throw DbError(db_errors::cannot_open, QCoreApplication::translate("database", "The file '%1' cannot be created: %2.").arg(path, why));
    }
    char* err = nullptr;
    const int rc2 = sqlite3_exec(raw, create_sql, nullptr, nullptr, &err);
    const QString why = err ? QString::fromUtf8(err) : QString();
    sqlite3_free(err);
    sqlite3_close_v2(raw);
    if (rc2 != SQLITE_OK) {
        QFile::remove(path);
        throw DbError(rc2, QCoreApplication::translate("database", "The new database '%1' cannot be written: %2.").arg(path, why));
    }
    if (with_samples) {
        try {
            auto db = Database::open(path);
            Database::Transaction t(*db);
            add_samples(*db);
            t.commit();
        } catch (...) {
            QFile::remove(path);
            QFile::remove(path + QStringLiteral("-wal"));
            QFile::remove(path + QStringLiteral("-shm"));
            throw;
        }
    }
}

QStringList missing_objects(Database& db) {
    QStringList missing;
    for (const QString& t : table_names())
        if (!db.is_table(t)) missing << QStringLiteral("the table %1").arg(t);
    for (const char* v : {"Quotes_with_sortable_text", "authors_with_quote_quantity", "subjects_with_quote_quantity",
                          "languages_with_quote_quantity"})
        if (!db.is_view(QString::fromLatin1(v))) missing << QStringLiteral("the saved query %1").arg(QString::fromLatin1(v));
    return missing;
}

namespace {

bool has_object(Database& db, const char* name) {
    Statement st = db.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = ?"));
    st.bind(1, QString::fromLatin1(name));
    return st.step();
}

// Rows of `table` when the statistics were last gathered; -1 when they say nothing about it.
qint64 rows_in_statistics(Database& db, const char* table) {
    Statement st = db.prepare(QStringLiteral("SELECT stat FROM sqlite_stat1 WHERE tbl = ?"));
    st.bind(1, QString::fromLatin1(table));
    qint64 rows = -1;
    while (st.step()) rows = std::max(rows, st.column_text(0).section(u' ', 0, 0).toLongLong());
    return rows;
}

// The query planner's statistics. Without them SQLite takes every table for a large one and
// may join the few authors to the many quotations the wrong way round, building a temporary
// index over every quotation for each grid query. Gathered (on a sample, so it takes a moment
// even for a million quotations) when missing, and again when a table has since grown well
// beyond what they say; the highest rowid stands for the row count, which costs nothing to read.
}  // namespace

void refresh_statistics(Database& db, bool now) {
    bool stale = now || !has_object(db, "sqlite_stat1");
    for (const char* table : {"quotes", "authors"}) {
        if (stale) break;
        const qint64 known = rows_in_statistics(db, table);
        const qint64 now = db.scalar(QStringLiteral("SELECT max(rowid) FROM %1").arg(QLatin1String(table))).toLongLong();
        // Grown well beyond what the statistics say, or said to hold more rows than it can.
        stale = now > 2 * std::max<qint64>(known, 0) + 1000 || known > now + now / 10 + 100;
    }
    if (!stale) return;
    db.execute(QStringLiteral("PRAGMA analysis_limit=1000; ANALYZE"));
    // A sampled analysis guesses the rows of each index, and a guess above the table's own count
    // keeps the planner from reading a small index through in place of the table: every index of
    // these tables holds exactly one entry per row. (A guess left above the count would also
    // make the statistics look stale at every opening, and gathered again each time.)
    for (const char* table : {"quotes", "authors"}) {
        const qint64 rows = db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))).toLongLong();
        Statement fix = db.prepare(QStringLiteral(
            "UPDATE sqlite_stat1 SET stat = ?1 || substr(stat, instr(stat || ' ', ' ')) WHERE tbl = ?2 "
            "AND idx IS NOT 'quotes_keys_stale'"));
        fix.bind(1, QString::number(rows));
        fix.bind(2, QString::fromLatin1(table));
        fix.step();
    }
    db.execute(QStringLiteral("ANALYZE sqlite_schema"));
}

qint64& keyed_on_open_up_to() {
    static qint64 rows = 50000;
    return rows;
}

void prepare_for_use(Database& db) {
    // This only makes the file faster to use. Another program may hold the file's write
    // lock meanwhile: the file is then used as it is, and the work is done at a later opening.
    try {
        if (!db.is_table(QStringLiteral("quotes"))) return;
        if (!grid_keys::stored(db)) {
            // A small collection is keyed at once; a large one when the program starts on it,
            // with its progress shown (see startup).
            // Counted only as far as the limit: a count of a million rows would read them all.
            if (db.scalar(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM quotes LIMIT %1)").arg(keyed_on_open_up_to() + 1))
                    .toLongLong() > keyed_on_open_up_to())
                return;
            grid_keys::add(db);
            refresh_statistics(db, true);
        }
        if (db.is_table(QStringLiteral("authors")) && !has_object(db, "authors_by_random"))
            db.execute(QString::fromLatin1(author_random_index_sql));
        if (db.is_table(QStringLiteral("authors"))) refresh_statistics(db, false);
    } catch (const DbError&) {
    }
}

QStringList table_names() {
    return {QStringLiteral("quotes"), QStringLiteral("authors"), QStringLiteral("subjects"),
            QStringLiteral("languages"), QStringLiteral("websites"), QStringLiteral("rating")};
}

}  // namespace schema
