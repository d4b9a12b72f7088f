#include "search_index.h"

#include "database.h"
#include "jet_dialect.h"

#include <QChar>
#include <sqlite3.h>

#include <algorithm>
#include <vector>

namespace search_index {

QString table_of(const QString& column) { return QStringLiteral("quotes_%1_search").arg(column.toLower()); }

bool exists(Database& db) {
    return db.is_table(QStringLiteral("quotes_text_search")) && db.is_table(QStringLiteral("quotes_notes_search"));
}

qint64 estimated_size(Database& db) {
    return db.scalar(QStringLiteral("SELECT coalesce(sum(length(CAST(text AS BLOB))), 0) + "
                                    "coalesce(sum(length(CAST(notes AS BLOB))), 0) FROM quotes"))
               .toLongLong() *
           2;
}

namespace {

// The triggers that keep a column's index in step. A row whose column is empty (NULL) is not in
// the index (the build leaves it out): removing it from the index would take one row off the
// index's count of rows that was never added, and the engine calls an index whose count falls
// below zero damaged, refusing every later delete. So a NULL neither enters nor leaves.
QString triggers_sql(const QString& t, const QString& column) {
    return QStringLiteral(
               "DROP TRIGGER IF EXISTS %1_insert; DROP TRIGGER IF EXISTS %1_delete; DROP TRIGGER IF EXISTS %1_update;"
               "CREATE TRIGGER %1_insert AFTER INSERT ON quotes WHEN new.%2 IS NOT NULL BEGIN "
               "INSERT INTO %1(rowid, %2) VALUES (new.key, new.%2); END;"
               "CREATE TRIGGER %1_delete AFTER DELETE ON quotes WHEN old.%2 IS NOT NULL BEGIN "
               "INSERT INTO %1(%1, rowid, %2) VALUES ('delete', old.key, old.%2); END;"
               "CREATE TRIGGER %1_update AFTER UPDATE OF key, %2 ON quotes BEGIN "
               "INSERT INTO %1(%1, rowid, %2) SELECT 'delete', old.key, old.%2 WHERE old.%2 IS NOT NULL; "
               "INSERT INTO %1(rowid, %2) SELECT new.key, new.%2 WHERE new.%2 IS NOT NULL; END;")
        .arg(t, column);
}

void fill(Database& db, const QString& column, const std::function<void(qint64, qint64)>& progress) {
    const QString t = table_of(column);
    const qint64 last = db.scalar(QStringLiteral("SELECT coalesce(max(key), 0) FROM quotes")).toLongLong();
    Statement add = db.prepare_plain(QStringLiteral("INSERT INTO %1(rowid, %2) SELECT key, %2 FROM quotes "
                                                    "WHERE key > ?1 AND key <= ?2 AND %2 IS NOT NULL")
                                         .arg(t, column));
    constexpr qint64 step = 20000;
    for (qint64 from = 0; from < last; from += step) {
        if (progress) progress(from, last);
        add.bind(1, from);
        add.bind(2, from + step);
        add.step();
        add.reset();
    }
}

// The index's own count of its rows (the first number of its averages record), or -1.
qint64 indexed_rows(Database& db, const QString& t) {
    Statement read = db.prepare_plain(QStringLiteral("SELECT block FROM %1_data WHERE id = 1").arg(t));
    const QByteArray record = read.step() ? read.column(0).toByteArray() : QByteArray();
    quint64 value = 0;
    for (int i = 0; i < record.size() && i < 9; ++i) {
        const quint8 byte = quint8(record[i]);
        if (i == 8) return qint64((value << 8) | byte);
        value = (value << 7) | (byte & 0x7f);
        if (!(byte & 0x80)) return qint64(value);
    }
    return -1;
}

}  // namespace

void build(Database& db, const std::function<void(qint64, qint64)>& progress) {
    Database::Transaction all_or_none(db);
    // The index of earlier versions (both columns in one table, with the places of every run)
    // gives way.
    db.execute_plain(QStringLiteral("DROP TRIGGER IF EXISTS quotes_search_insert; DROP TRIGGER IF EXISTS quotes_search_delete;"
                                    "DROP TRIGGER IF EXISTS quotes_search_update; DROP TABLE IF EXISTS quotes_search;"));
    for (const char* c : {"text", "notes"}) {
        const QString column = QString::fromLatin1(c), t = table_of(column);
        db.execute_plain(QStringLiteral(
            "CREATE VIRTUAL TABLE %1 USING fts5(%2, content='quotes', content_rowid='key', tokenize='trigram', "
            "detail=none, columnsize=0);")
                             .arg(t, column) +
                         triggers_sql(t, column));
    }
    const qint64 last = db.scalar(QStringLiteral("SELECT coalesce(max(key), 0) FROM quotes")).toLongLong();
    const auto half = [&](qint64 offset) {
        return [&, offset](qint64 done, qint64) {
            if (progress) progress(offset + done, 2 * last);
        };
    };
    fill(db, QStringLiteral("text"), half(0));
    fill(db, QStringLiteral("notes"), half(last));
    if (progress) progress(2 * last, 2 * last);
    all_or_none.commit();
}

bool needs_mending(Database& db) {
    if (!exists(db)) return false;
    Statement read = db.prepare_plain(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'trigger' AND "
                                                     "name = 'quotes_notes_search_delete'"));
    const QString sql = read.step() ? read.column_text(0) : QString();
    return !sql.contains(QLatin1String("IS NOT NULL"), Qt::CaseInsensitive);
}

void mend(Database& db, const std::function<void(qint64, qint64)>& progress) {
    if (!needs_mending(db)) return;
    Database::Transaction all_or_none(db);
    const QStringList columns{QStringLiteral("text"), QStringLiteral("notes")};
    for (int i = 0; i < columns.size(); ++i) {
        const QString& column = columns[i];
        const QString t = table_of(column);
        db.execute_plain(triggers_sql(t, column));
        // Rows without the column deleted under the old triggers took the index's count below
        // the rows it holds: such an index is made again, before a delete finds it damaged.
        Statement count = db.prepare_plain(QStringLiteral("SELECT count(*) FROM quotes WHERE %1 IS NOT NULL").arg(column));
        const qint64 held = count.step() ? count.column_int64(0) : 0;
        if (indexed_rows(db, t) < held) {
            db.execute_plain(QStringLiteral("INSERT INTO %1(%1) VALUES ('delete-all')").arg(t));
            fill(db, column, [&](qint64 done, qint64 total) {
                if (progress) progress(i * total + done, 2 * total);
            });
        }
    }
    all_or_none.commit();
}

namespace {

// The runs of plain characters of a like pattern of the dialect: what any match must contain.
std::vector<std::u32string> literal_runs(const QString& pattern) {
    std::vector<std::u32string> runs(1);
    const QList<uint> chars = pattern.toUcs4();
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (c == U'*' || c == U'?' || c == U'#') {
            runs.emplace_back();
        } else if (c == U'[') {
            // A bracket holding one character and no "!" stands for that character.
            if (i + 2 < chars.size() && chars[i + 1] != U'!' && chars[i + 2] == U']') {
                runs.back().push_back(chars[i + 1]);
                i += 2;
            } else {
                runs.emplace_back();
                while (i < chars.size() && chars[i] != U']') ++i;
            }
        } else {
            runs.back().push_back(c);
        }
    }
    return runs;
}

QString phrase(const std::u32string& run) {
    QString text = QString::fromUcs4(run.data(), qsizetype(run.size()));
    text.replace(u'"', QLatin1String("\"\""));
    return u'"' + text + u'"';
}

// Every character the program's folding makes equal to `c`.
const QHash<char32_t, QVector<char32_t>>& same_letters() {
    static const QHash<char32_t, QVector<char32_t>> classes = [] {
        QHash<char32_t, QVector<char32_t>> by_fold;
        for (char32_t c = 0x80; c < 0x20000; ++c) {
            if (c >= 0xD800 && c < 0xE000) continue;
            const char32_t f = jet::fold(c);
            if (f != c || QChar::toUpper(c) != c) by_fold[f] << c;
        }
        QHash<char32_t, QVector<char32_t>> out;
        for (auto it = by_fold.cbegin(); it != by_fold.cend(); ++it) {
            QVector<char32_t> members = *it;
            if (!members.contains(it.key())) members << it.key();
            if (members.size() > 1)
                for (char32_t m : members) out.insert(m, members);
        }
        return out;
    }();
    return classes;
}

}  // namespace

const QVector<char32_t>& Prefilter::more_variants(char32_t c) {
    const auto hit = variants_.constFind(c);
    if (hit != variants_.cend()) return *hit;
    QVector<char32_t> more;
    const auto members = same_letters().constFind(c);
    if (members != same_letters().cend()) {
        // Ask the index's own folding, on a table of the connection's temporary schema.
        if (!probe_ready_) {
            sqlite3_exec(db_, "CREATE VIRTUAL TABLE IF NOT EXISTS temp.fold_probe USING fts5(x, tokenize='trigram')",
                         nullptr, nullptr, nullptr);
            probe_ready_ = true;
        }
        sqlite3_exec(db_, "DELETE FROM temp.fold_probe", nullptr, nullptr, nullptr);
        sqlite3_stmt* add = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO temp.fold_probe(rowid, x) VALUES (?, ?)", -1, &add, nullptr);
        for (char32_t m : *members) {
            const QByteArray row = (QStringLiteral("q") + QString::fromUcs4(&m, 1) + QStringLiteral("z")).toUtf8();
            sqlite3_bind_int64(add, 1, qint64(m));
            sqlite3_bind_text(add, 2, row.constData(), int(row.size()), SQLITE_TRANSIENT);
            sqlite3_step(add);
            sqlite3_reset(add);
        }
        sqlite3_finalize(add);
        sqlite3_stmt* find = nullptr;
        sqlite3_prepare_v2(db_, "SELECT rowid FROM temp.fold_probe WHERE fold_probe MATCH ?", -1, &find, nullptr);
        const auto found_by = [&](char32_t q) {
            QVector<char32_t> found;
            const QByteArray query = (QStringLiteral("\"q") + QString::fromUcs4(&q, 1) + QStringLiteral("z\"")).toUtf8();
            sqlite3_bind_text(find, 1, query.constData(), int(query.size()), SQLITE_TRANSIENT);
            while (sqlite3_step(find) == SQLITE_ROW) found << char32_t(sqlite3_column_int64(find, 0));
            sqlite3_reset(find);
            return found;
        };
        QVector<char32_t> covered = found_by(c);
        for (char32_t m : *members)
            if (!covered.contains(m)) {
                more << m;
                covered << found_by(m);
            }
        sqlite3_finalize(find);
    }
    return *variants_.insert(c, more);
}

QString Prefilter::match(const QString& column, const QString& pattern) {
    Q_UNUSED(column);
    // Each run of three characters of the pattern's plain runs is one term, with the letters the
    // index folds differently from the program asked for too; a few of them, spread over the
    // longest runs, find the candidates as well as all would.
    std::vector<std::u32string> runs = literal_runs(pattern);
    runs.erase(std::remove_if(runs.begin(), runs.end(), [](const std::u32string& r) { return r.size() < 3; }), runs.end());
    if (runs.empty()) return QString();
    std::sort(runs.begin(), runs.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    QStringList terms;
    for (const std::u32string& run : runs) {
        const size_t count = run.size() - 2;
        const size_t stride = std::max<size_t>(1, count / 4);
        for (size_t at = 0; at < count && terms.size() < 6; at += stride) {
            const std::u32string trigram = run.substr(at, 3);
            std::vector<std::u32string> spellings{trigram};
            for (size_t i = 0; i < 3 && spellings.size() <= 16; ++i) {
                const QVector<char32_t>& more = more_variants(trigram[i]);
                const size_t n = spellings.size();
                for (char32_t v : more)
                    for (size_t s = 0; s < n; ++s) {
                        std::u32string other = spellings[s];
                        other[i] = v;
                        spellings.push_back(other);
                    }
            }
            if (spellings.size() > 16) continue;  // too many spellings: this run of three says nothing
            QStringList alternatives;
            for (const std::u32string& sp : spellings) alternatives << phrase(sp);
            const QString term = alternatives.size() == 1 ? alternatives.first() : u'(' + alternatives.join(QStringLiteral(" OR ")) + u')';
            if (!terms.contains(term)) terms << term;
        }
    }
    return terms.join(QStringLiteral(" AND "));
}

}  // namespace search_index
