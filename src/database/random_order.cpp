#include "random_order.h"

#include "database.h"
#include "grid_query.h"
#include "recordset.h"

#include <sqlite3.h>

#include <cmath>
#include <vector>

namespace random_order {

namespace {

float fresh_nonzero(Generator& rng) {
    float r = rng.next();
    while (r == 0.0f) r = rng.next();  // 0 means "no number yet"
    return r;
}

void renumber(Database& db, Generator& rng, const QString& select_keys, const QString& update) {
    std::vector<qint64> keys;
    {
        Statement st = db.prepare(select_keys);
        while (st.step()) keys.push_back(st.column_int64(0));
    }
    if (keys.empty()) return;
    Database::Transaction t(db);
    Statement upd = db.prepare(update);
    for (qint64 k : keys) {
        upd.bind(1, double(fresh_nonzero(rng)));
        upd.bind(2, k);
        upd.step();
        upd.reset();
    }
    t.commit();
}

}  // namespace

const char* const update_quote = "UPDATE quotes SET random = ? WHERE key = ?";

// A collection opened for reading only is read as it stands: those without a number sort first.
void fill_missing_random(Database& db, Generator& rng) {
    if (db.read_only()) return;
    renumber(db, rng, QStringLiteral("SELECT key FROM quotes WHERE random IS NULL OR random = 0"), QLatin1String(update_quote));
}

void fill_missing_author_random(Database& db, Generator& rng) {
    if (db.read_only()) return;
    renumber(db, rng, QStringLiteral("Select rowid from authors where random is null or random = 0"),
             QStringLiteral("UPDATE authors SET random = ? WHERE rowid = ?"));
}

void randomize_all(Database& db, Generator& rng, const std::function<void(qint64 done, qint64 total)>& progress) {
    // One statement: the engine walks the table once and the program draws each number as the
    // row goes by.
    struct Draw {
        Generator* rng;
        const std::function<void(qint64, qint64)>* progress;
        qint64 done = 0, total = 0;
    } draw{&rng, &progress};
    if (progress) draw.total = db.scalar(QStringLiteral("SELECT count(*) FROM quotes")).toLongLong();
    const Database::Function fresh_random(db, "sentara_fresh_random", 0, &draw, [](sqlite3_context* c, int, sqlite3_value**) {
        auto* d = static_cast<Draw*>(sqlite3_user_data(c));
        if (*d->progress && ++d->done % 4096 == 0) (*d->progress)(d->done, d->total);
        sqlite3_result_double(c, double(fresh_nonzero(*d->rng)));
    });
    Database::Transaction t(db);
    // The indexes holding the number are taken off for the statement and made again after it:
    // each row's new number moves its entry to a random place in them, and at a million
    // quotations, with the engine's small page cache, that took a minute instead of seconds.
    // Their statistics go with them and are put back as they were (the numbers are as spread
    // as before). A rollback undoes all of it.
    struct Index {
        QString name, sql;
        std::vector<QString> stats;
    };
    std::vector<Index> indexes;
    const bool statistics = db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'sqlite_stat1'")).toInt() > 0;
    {
        Statement st = db.prepare_plain(QStringLiteral(
            "SELECT m.name, m.sql FROM sqlite_master m WHERE m.type = 'index' AND m.tbl_name = 'quotes' AND m.sql IS NOT NULL "
            "AND EXISTS (SELECT 1 FROM pragma_index_info(m.name) WHERE name = 'random')"));
        while (st.step()) indexes.push_back({st.column_text(0), st.column_text(1), {}});
    }
    for (Index& index : indexes) {
        if (statistics) {
            Statement st = db.prepare_plain(QStringLiteral("SELECT stat FROM sqlite_stat1 WHERE tbl = 'quotes' AND idx = ?"));
            st.bind(1, index.name);
            while (st.step()) index.stats.push_back(st.column_text(0));
        }
        db.execute_plain(QStringLiteral("DROP INDEX \"%1\"").arg(index.name));
    }
    db.execute_plain(QStringLiteral("UPDATE quotes SET random = sentara_fresh_random()"));
    for (const Index& index : indexes) {
        db.execute_plain(index.sql);
        for (const QString& stat : index.stats) {
            Statement st = db.prepare_plain(QStringLiteral("INSERT INTO sqlite_stat1 (tbl, idx, stat) VALUES ('quotes', ?, ?)"));
            st.bind(1, index.name);
            st.bind(2, stat);
            st.step();
        }
    }
    t.commit();
}

QString sql_number(double value) {
    QString text = QString::number(value, 'g', 17);
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0) text[comma] = u'.';
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QString next_place(const QVariant& old, Generator& rng) {
    if (old.isNull() || !old.isValid()) return QStringLiteral("0");
    return sql_number(double(rng.next()) + (1.0 + std::floor(old.toDouble())));
}

Rotation rotate_quote(Database& db, Generator& rng, const GridQuery& listed_by, qint32 key) {
    if (!listed_by.random_order()) return Rotation::not_in_random_order;
    // Read and written under one write lock: another program committing in between makes this
    // wait, never fail.
    Database::Transaction t(db);
    QString text;
    {
        const auto rs = db.open_recordset(QStringLiteral("select * from quotes where key =") + QString::number(key));
        if (rs->eof()) return Rotation::quote_missing;
        // A quotation without a number is written 0 ("none yet"): the next start-up gives it one.
        text = next_place(rs->value(QStringLiteral("random")), rng);
    }
    db.execute(QStringLiteral("update quotes set random = ") + text + QStringLiteral(" where key = ") +
               QString::number(key));
    t.commit();
    return Rotation::rotated;
}

namespace {

QuoteRow quote_row(const Statement& st) {
    QuoteRow q;
    q.key = st.column_int64(0);
    q.text = st.column_text(1);
    q.author = st.column_text(2);
    q.random = st.column(3);
    return q;
}

}  // namespace

std::optional<QuoteRow> quote_by_key(Database& db, qint64 key) {
    Statement st = db.prepare(QStringLiteral("SELECT key, text, author, random FROM quotes WHERE key = ") + QString::number(key));
    if (!st.step()) return std::nullopt;
    return quote_row(st);
}

std::optional<QuoteRow> first_in_random_order(Database& db, const GridQuery& query, std::optional<double> from) {
    Statement rows = db.prepare_plain(query.random_order_sql(db, QStringLiteral("q.key, q.text, q.author, q.random"),
                                                             from ? QStringLiteral("q.random >= ?1") : QString()) +
                                      QStringLiteral(" LIMIT 1"));
    if (from) rows.bind(1, *from);
    if (!rows.step()) return std::nullopt;
    return quote_row(rows);
}

}  // namespace random_order
