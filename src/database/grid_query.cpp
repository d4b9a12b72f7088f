#include "grid_query.h"

#include "database.h"
#include "grid_keys.h"
#include "jet_dialect.h"
#include "recordset.h"
#include "search_index.h"
#include "sql_text.h"

#include <QHash>
#include <QStringList>
#include <sqlite3.h>

#include <array>
#include <cstring>
#include <vector>

namespace {

QString literal(const QString& text) { return u'\'' + sql_escape_text(text) + u'\''; }

// A rate as the engine compares it with the rate column: a number as a number (so that no
// conversion depends on an index being used), anything else as text, which no rate equals.
QString rate_literal(const QString& text) {
    bool number = false;
    const double v = text.trimmed().toDouble(&number);
    return number ? QString::number(v, 'g', 17) : literal(text);
}

QString blob_literal(const QByteArray& bytes) { return QStringLiteral("X'") + QString::fromLatin1(bytes.toHex()) + u'\''; }

QString contains_pattern(const QString& typed) { return QStringLiteral("'*") + sql_escape_pattern(typed) + QStringLiteral("*'"); }

// The rates of a range, the lower first: as numbers when both are numbers (9 before 10).
std::pair<QString, QString> rate_range(QString from, QString to) {
    bool a = false, b = false;
    const double x = from.toDouble(&a), y = to.toDouble(&b);
    if (a && b ? x > y : from > to) std::swap(from, to);
    return {from, to};
}

void append(QString& condition, const QString& clause) {
    condition += (condition.isEmpty() ? QString() : QStringLiteral(" and ")) + clause;
}

}  // namespace

// ---------------------------------------------------------------- the program's text

QString GridQuery::condition() const {
    QString c;
    const Filter& f = filter;
    const auto name_clause = [](const Name& n, const char* column) {
        return n.exact ? QStringLiteral(" %1 = ").arg(QLatin1String(column)) + literal(n.text)
                       : QStringLiteral(" %1 like ").arg(QLatin1String(column)) + contains_pattern(n.text);
    };
    if (f.author) append(c, name_clause(*f.author, "author"));
    if (f.subject) append(c, name_clause(*f.subject, "subject"));
    if (!f.language_contains.isEmpty()) append(c, QStringLiteral(" language like ") + contains_pattern(f.language_contains));
    if (!f.text_contains.isEmpty()) append(c, QStringLiteral(" text like ") + contains_pattern(f.text_contains));
    if (!f.note_contains.isEmpty()) append(c, QStringLiteral(" quotes.notes like ") + contains_pattern(f.note_contains));
    if (!f.key.isEmpty()) append(c, QStringLiteral(" key = ") + f.key);
    if (!f.rate_from.isEmpty() && f.rate_to.isEmpty()) append(c, QStringLiteral(" rate = ") + literal(f.rate_from));
    else if (!f.rate_to.isEmpty() && f.rate_from.isEmpty()) append(c, QStringLiteral(" rate = ") + literal(f.rate_to));
    else if (!f.rate_from.isEmpty()) {
        const auto [low, high] = rate_range(f.rate_from, f.rate_to);
        append(c, QStringLiteral(" (rate >= ") + literal(low) + QStringLiteral(" and rate <= ") + literal(high) + u')');
    }
    if (f.min_rate) append(c, QStringLiteral(" rate >= %1").arg(*f.min_rate));
    return c;
}

QString GridQuery::sql() const {
    QString text = QStringLiteral(
        "SELECT Quotes_with_sortable_text.*, Authors.picture FROM Authors INNER JOIN Quotes_with_sortable_text ON "
        "Authors.name = Quotes_with_sortable_text.Author");
    const QString c = condition();
    if (!c.isEmpty()) text += QStringLiteral(" where ") + c;
    QString order = QStringLiteral("quotes.random");
    if (sort_column) {
        static const char* const orders[column_count] = {"key %1 ",
                                                         "author %1 , text2",
                                                         "text2 %1",
                                                         "subject  %1 , author, text2",
                                                         "rate %1 , author, text2",
                                                         "language %1 , author, text2",
                                                         "quotes.notes %1 , author, text2"};
        order = QString::fromLatin1(orders[int(*sort_column)])
                    .arg(direction == Qt::DescendingOrder ? QStringLiteral("DESC") : QStringLiteral("ASC"));
    }
    return text + QStringLiteral(" order by ") + order;
}

// ---------------------------------------------------------------- the engine's text

namespace {

// The columns the engine reads, kept in the file or computed as the rows are read.
struct Keys {
    bool stored;
    QString author() const { return stored ? QStringLiteral("q.author_key") : QStringLiteral("sentara_name_key(q.author)"); }
    QString subject() const { return stored ? QStringLiteral("q.subject_key") : QStringLiteral("sentara_name_key(q.subject)"); }
    QString language() const {
        return stored ? QStringLiteral("q.language_key") : QStringLiteral("sentara_name_key(q.language)");
    }
    QString text() const { return stored ? QStringLiteral("q.text_key") : QStringLiteral("sentara_text_key(q.text)"); }
    QString notes() const { return stored ? QStringLiteral("q.notes_key") : QStringLiteral("sentara_prefix_key(q.notes)"); }
    QString authors() const { return stored ? QStringLiteral("main.author_keys") : QStringLiteral("temp.author_keys"); }
    QString join() const { return QStringLiteral("quotes q JOIN %1 k ON k.name_key = %2").arg(authors(), author()); }
    // The quotations first, the authors looked up for each: an order's index walked, never all
    // the rows found by author and then sorted (which the planner may prefer for a whole list).
    QString walk() const { return QStringLiteral("quotes q CROSS JOIN %1 k ON k.name_key = %2").arg(authors(), author()); }
};


// What the substring index can tell of a like pattern on `column`, as a clause naming the
// candidates, when that is the cheaper plan: when the candidates are few, the index finds them
// sooner than a walk in the list's order finds a page of rows that meet the pattern.
QString candidates(Database& db, const char* column, const QString& typed, int few) {
    if (!search_index::exists(db)) return QString();
    QString pattern = u'*' + sql_escape_pattern(typed) + u'*';
    pattern.replace(QLatin1String("''"), QLatin1String("'"));
    const QString match = search_index::Prefilter(db.handle()).match(QLatin1String(column), pattern);
    if (match.isEmpty()) return QString();
    const QString table = search_index::table_of(QLatin1String(column));
    Statement probe = db.prepare_plain(
        QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM %1 WHERE %1 MATCH ?1 LIMIT %2)").arg(table).arg(few));
    probe.bind(1, match);
    if (!probe.step() || probe.column_int64(0) >= few) return QString();
    return QStringLiteral("q.key IN (SELECT rowid FROM %1 WHERE %1 MATCH %2)").arg(table, literal(match));
}

}  // namespace

namespace {

// A name typed in a filter matched inside the names of a column that holds few distinct ones
// (subjects, languages): the keys of those that contain it, found by walking the column's index
// from one name to the next, as a clause an index serves. Empty when the column holds too many
// names for that.
QString keys_containing(Database& db, const char* column, const QString& typed, const QString& plus) {
    constexpr int few = 500;
    QString pattern = u'*' + sql_escape_pattern(typed) + u'*';
    pattern.replace(QLatin1String("''"), QLatin1String("'"));
    Statement next = db.prepare_plain(QStringLiteral("SELECT min(%1) FROM quotes WHERE %1 > ?1").arg(QLatin1String(column)));
    QStringList matching;
    QVariant key = QByteArray("");
    for (int names = 0;; ++names) {
        if (names > few) return QString();
        next.bind(1, key);
        if (!next.step() || next.column_is_null(0)) break;
        key = next.column(0);
        next.reset();
        // A key holds the folded name; a pattern matches it as it matches the name.
        const QByteArray bytes = key.toByteArray();
        if (jet::like(pattern, jet::folded_name_of_key(bytes))) matching << blob_literal(bytes);
    }
    if (matching.isEmpty()) return QStringLiteral("0");
    return QStringLiteral("%1q.%2 IN (%3)").arg(plus, QLatin1String(column), matching.join(u','));
}

}  // namespace

QString GridQuery::engine_condition(Database& db, bool keys_stored, bool by_order, bool* reads_rows, int few_candidates) const {
    if (reads_rows) *reads_rows = false;
    const auto row_by_row = [&](const QString& clause) {
        if (reads_rows) *reads_rows = true;
        return clause;
    };
    const Keys k{keys_stored};
    const Filter& f = filter;
    const QString plus = by_order ? QStringLiteral("+") : QString();
    QStringList clauses;
    if (f.author) {
        clauses << (f.author->exact ? plus + k.author() + QStringLiteral(" = ") + blob_literal(jet::name_key(f.author->text))
                                    : plus + k.author() + QStringLiteral(" IN (SELECT name_key FROM %1 WHERE name LIKE ").arg(k.authors()) +
                                          contains_pattern(f.author->text) + u')');
    }
    if (f.subject) {
        const QString keys = f.subject->exact || !keys_stored ? QString() : keys_containing(db, "subject_key", f.subject->text, plus);
        clauses << (f.subject->exact  ? plus + k.subject() + QStringLiteral(" = ") + blob_literal(jet::name_key(f.subject->text))
                    : keys.isEmpty() ? row_by_row(QStringLiteral("q.subject LIKE ") + contains_pattern(f.subject->text))
                                     : keys);
    }
    if (!f.language_contains.isEmpty()) {
        const QString keys = keys_stored ? keys_containing(db, "language_key", f.language_contains, plus) : QString();
        clauses << (keys.isEmpty() ? row_by_row(QStringLiteral("q.language LIKE ") + contains_pattern(f.language_contains)) : keys);
    }
    if (!f.text_contains.isEmpty()) {
        clauses << QStringLiteral("q.text LIKE ") + contains_pattern(f.text_contains);
        const QString c = candidates(db, "text", f.text_contains, few_candidates);
        if (!c.isEmpty()) clauses << c;
        else row_by_row(QString());
    }
    if (!f.note_contains.isEmpty()) {
        clauses << QStringLiteral("q.notes LIKE ") + contains_pattern(f.note_contains);
        const QString c = candidates(db, "notes", f.note_contains, few_candidates);
        if (!c.isEmpty()) clauses << c;
        else row_by_row(QString());
    }
    if (!f.key.isEmpty()) clauses << QStringLiteral("q.key = ") + f.key;
    const QString rate = plus + QStringLiteral("q.rate");
    if (!f.rate_from.isEmpty() && f.rate_to.isEmpty()) clauses << rate + QStringLiteral(" = ") + rate_literal(f.rate_from);
    else if (!f.rate_to.isEmpty() && f.rate_from.isEmpty()) clauses << rate + QStringLiteral(" = ") + rate_literal(f.rate_to);
    else if (!f.rate_from.isEmpty()) {
        const auto [low, high] = rate_range(f.rate_from, f.rate_to);
        clauses << rate + QStringLiteral(" >= ") + rate_literal(low) + QStringLiteral(" AND ") + rate + QStringLiteral(" <= ") +
                       rate_literal(high);
    }
    if (f.min_rate) clauses << rate + QStringLiteral(" >= %1").arg(*f.min_rate);
    return clauses.join(QStringLiteral(" AND "));
}

QString GridQuery::random_order_sql(Database& db, const QString& columns, const QString& more) const {
    return list_sql(db, columns, more, true);
}

QString GridQuery::unordered_sql(Database& db, const QString& columns) const { return list_sql(db, columns, QString(), false); }

QString GridQuery::list_sql(Database& db, const QString& columns, const QString& more, bool ordered) const {
    if (!db.read_only()) grid_keys::refill(db);
    const Keys k{grid_keys::usable(db)};
    if (!k.stored) grid_keys::use_computed_authors(db);
    QStringList where;
    const QString c = engine_condition(db, k.stored);
    if (!c.isEmpty()) where << c;
    if (!more.isEmpty()) where << more;
    const QString sql =
        QStringLiteral("SELECT %1 FROM %2%3")
            .arg(columns, k.walk(), where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND ")));
    return ordered ? sql + QStringLiteral(" ORDER BY q.random, ") + k.author() : sql;
}

// ---------------------------------------------------------------- reading the list

namespace {

// How many authors bear each name key, looked up once for each of half a million rows while the
// engine reads the table. The table read streams through the processor's caches, so a lookup
// costs what it reads from memory: a slot holds the key's 96-bit fingerprint and its count,
// 16 bytes, and the slots of 100,000 authors take 2 MB (a hash table of heap nodes with the
// keys' bytes took four memory reads a lookup, a third of the count); the slots of sixteen keys
// are asked for at once and read together. Two different names share a fingerprint with a
// chance of one in 2^96 divided by the pairs of names.
class BearerTable {
public:
    struct Fingerprint {
        quint64 a;
        quint32 b;
    };

    explicit BearerTable(size_t keys) {
        size_t size = 16;
        while (size * 3 < keys * 4) size *= 2;
        slots_.resize(size);
        mask_ = size - 1;
    }

    void add(const char* key, int n, qint64 bearers) {
        if (bearers <= 0) return;
        const Fingerprint f = fingerprint(key, n);
        for (size_t i = f.a & mask_;; i = (i + 1) & mask_) {
            Slot& s = slots_[i];
            if (s.bearers == 0 || (s.a == f.a && s.b == f.b)) {
                s.a = f.a;
                s.b = f.b;
                s.bearers += quint32(bearers);
                return;
            }
        }
    }

    static Fingerprint fingerprint(const char* p, int n) {
        quint64 a = 0x9E3779B97F4A7C15ull ^ quint64(n), b = 0xC2B2AE3D27D4EB4Full + quint64(n);
        const auto mix = [&](quint64 w) {
            a = (a ^ w) * 0xBF58476D1CE4E5B9ull;
            a ^= a >> 31;
            b = (b + w) * 0x94D049BB133111EBull;
            b ^= b >> 29;
        };
        int i = 0;
        for (; i + 8 <= n; i += 8) {
            quint64 w;
            std::memcpy(&w, p + i, 8);
            mix(w);
        }
        if (i < n) {
            quint64 w = 0;
            std::memcpy(&w, p + i, size_t(n - i));
            mix(w);
        }
        const auto finish = [](quint64 h) {
            h ^= h >> 33;
            h *= 0xFF51AFD7ED558CCDull;
            h ^= h >> 33;
            h *= 0xC4CEB9FE1A85EC53ull;
            return h ^ (h >> 33);
        };
        return {finish(a), quint32(finish(b ^ a))};
    }

    // Asked ahead of the lookup: the slots of a batch of keys come from memory side by side.
    void prefetch(const Fingerprint& f) const { __builtin_prefetch(&slots_[f.a & mask_]); }

    qint64 bearers(const Fingerprint& f) const {
        for (size_t i = f.a & mask_;; i = (i + 1) & mask_) {
            const Slot& s = slots_[i];
            if (s.bearers == 0) return 0;
            if (s.a == f.a && s.b == f.b) return s.bearers;
        }
    }

private:
    struct alignas(16) Slot {
        quint64 a = 0;
        quint32 b = 0;
        quint32 bearers = 0;  // 0: empty
    };

    std::vector<Slot> slots_;
    size_t mask_ = 0;
};

// One term of an order: a key column (or a number column) over `q`, and whether downwards.
struct Term {
    QString expression;
    bool descending = false;
};

QString rendered(const std::vector<Term>& terms, size_t from, bool reverse) {
    QStringList out;
    for (size_t i = from; i < terms.size(); ++i)
        out << terms[i].expression + ((terms[i].descending != reverse) ? QStringLiteral(" DESC") : QString());
    return out.join(QStringLiteral(", "));
}

int compare_values(const QVariant& a, const QVariant& b) { return compare_as_sorted(a, b, false); }

// Two texts under the program's collation; null first.
int compare_texts(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull()) return a.isNull() == b.isNull() ? 0 : a.isNull() ? -1 : 1;
    const QByteArray x = a.toString().toUtf8(), y = b.toString().toUtf8();
    const int c = jet::compare_nocase(x.constData(), int(x.size()), y.constData(), int(y.size()));
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// The grid's list read through its indexes.
//
// The engine walks an index in the keys' order; rows whose keys are alike (texts alike in their
// first letters, or in all but accents) are then put in order here by their whole texts, under
// the program's collation: such runs are short, and reading them costs nothing beside the walk.
// An order whose first column goes down while the rest go up (the authors from Z to A, each
// with its texts from A to Z) is read a block of rows alike in that column at a time, the
// blocks downwards, so that the index serves both.
class GridReader : public KeyReader {
public:
    // Only what the row statement needs; the order and the filter are planned when the list is
    // first read (restart), on the list's own connection.
    GridReader(Database& db, Database* writer, const GridQuery& query) : list_(db), writer_(writer), query_(query) {
        keys_ = Keys{grid_keys::usable(list_)};
        if (!keys_.stored) grid_keys::use_computed_authors(list_);
    }

    QString sql() const override { return query_.sql(); }
    QString table() const override { return QStringLiteral("quotes"); }
    QString row_sql() const override {
        return QStringLiteral("SELECT q.key, q.text, q.author, q.subject, q.language, q.notes, q.rate, q.random, %1 AS text2, "
                              "k.picture FROM quotes q LEFT JOIN %3 k ON k.name_key = %2 WHERE q.key = ?1")
            .arg(jet::sortable_text_sql(QStringLiteral("q.text")), keys_.author(), keys_.authors());
    }
    QString keys_where_sql(const QString& condition) const override {
        return QStringLiteral("SELECT key FROM Quotes_with_sortable_text WHERE (%1)").arg(condition);
    }

    void restart() override {
        // The keys are read on a connection of the list's own: a walk left open between pages
        // holds the file as it was when it began, and no other list, count or row read on the
        // program's connections may see that.
        if (!own_) own_ = Database::open(list_.path(), Database::Options{true, false});
        for (Walk* w : {&forward_, &backward_}) {
            w->rows.reset();
            w->phase = Walk::start;
            w->value = QVariant();
            w->run.clear();
            w->handed = 0;
            w->bulk = false;
        }
        restart_keys();
        plan();
    }

    bool forward(std::vector<qint64>& out, int rows) override { return read(forward_, out, rows); }
    bool backward(std::vector<qint64>& out, int rows) override { return read(backward_, out, rows); }
    void close() override {
        for (Walk* w : {&forward_, &backward_}) {
            w->rows.reset();
            w->run.clear();
            w->phase = Walk::ended;
        }
        texts_.reset();
        values_.reset();
    }

    qint64 count() override {
        if (counts_by_reading()) return count_by_reading(db(), where(QString(), true));
        Statement st = db().prepare_plain(count_sql());
        return st.step() ? st.column_int64(0) : 0;
    }

    std::function<qint64(const std::atomic<bool>&)> count_task() override {
        // The authors computed for a file without its keys are known to this list's connection only.
        if (!keys_.stored) return {};
        const bool reading = counts_by_reading();
        return [sql = reading ? where(QString(), true) : count_sql(), reading, path = list_.path()](const std::atomic<bool>& stop) -> qint64 {
            const auto own = Database::open(path, Database::Options{true, false});
            own->stop_when(&stop);
            if (reading) return count_by_reading(*own, sql);
            Statement st = own->prepare_plain(sql);
            const qint64 n = st.step() ? st.column_int64(0) : 0;
            return n;
        };
    }

    // A pattern matched row by row over the whole table: each row found is counted as often as
    // authors bear its author's name, looked up in memory (the authors are few beside the rows;
    // the engine would look each one up in the authors' keys, doubling the time of the count).
    // The sum is taken by the engine as it walks, through a function of the program's: handing
    // each of half a million rows back one step at a time cost a third of the count.
    bool counts_by_reading() const { return count_reads_rows_ && keys_.stored && !count_condition_.contains(QLatin1String("k.")); }

    static qint64 count_by_reading(Database& db, const QString& where) {
        struct Sum {
            explicit Sum(size_t authors) : bearers(authors) {}
            BearerTable bearers;
            qint64 n = 0;
            // Keys seen, looked up a batch at a time.
            std::array<BearerTable::Fingerprint, 16> pending;
            size_t waiting = 0;
            void settle() {
                for (size_t i = 0; i < waiting; ++i) n += bearers.bearers(pending[i]);
                waiting = 0;
            }
        } sum(size_t(db.scalar(QStringLiteral("SELECT count(*) FROM main.author_keys")).toLongLong()));
        {
            Statement authors = db.prepare_plain(QStringLiteral("SELECT name_key, bearers FROM main.author_keys"));
            while (authors.step())
                sum.bearers.add(static_cast<const char*>(sqlite3_column_blob(authors.handle(), 0)), sqlite3_column_bytes(authors.handle(), 0),
                                authors.column_int64(1));
        }
        const Database::Function sum_of_bearers(
            db, "sentara_bearers", 1, &sum, nullptr,
            [](sqlite3_context* c, int, sqlite3_value** argv) {
                auto* s = static_cast<Sum*>(sqlite3_user_data(c));
                const void* key = sqlite3_value_blob(argv[0]);
                if (!key) return;
                const auto f = BearerTable::fingerprint(static_cast<const char*>(key), sqlite3_value_bytes(argv[0]));
                s->bearers.prefetch(f);
                s->pending[s->waiting++] = f;
                if (s->waiting == s->pending.size()) s->settle();
            },
            [](sqlite3_context* c) {
                auto* s = static_cast<Sum*>(sqlite3_user_data(c));
                s->settle();
                sqlite3_result_int64(c, s->n);
            });
        Statement rows = db.prepare_plain(QStringLiteral("SELECT sentara_bearers(q.author_key) FROM quotes q NOT INDEXED") + where);
        return rows.step() ? rows.column_int64(0) : 0;
    }

    QString count_sql() const {
        // A pattern is matched row by row: the table is read straight through (an index walked
        // would read its rows in another order, one disk read each once they outgrow the cache).
        const QString from = count_reads_rows_
                                 ? QString(keys_.join()).replace(QLatin1String("quotes q "), QLatin1String("quotes q NOT INDEXED "))
                                 : keys_.join();
        return QStringLiteral("SELECT coalesce(sum(k.bearers), 0) FROM %1%2").arg(from, where(QString(), true));
    }

    int times(qint64 key) override {
        // What was just written is keyed first.
        restart_keys();
        Statement st = db().prepare_plain(QStringLiteral("SELECT coalesce(sum(k.bearers), 0) FROM %1%2")
                                             .arg(keys_.join(), where(QStringLiteral("q.key = ?1"), true)));
        st.bind(1, key);
        return st.step() ? int(st.column_int64(0)) : 0;
    }

    int compare(qint64 a, qint64 b) override {
        if (!values_) {
            QStringList expressions{QStringLiteral("q.key"), QStringLiteral("1")};
            for (const Term& t : terms_) expressions << t.expression;
            values_.emplace(db().prepare_plain(
                QStringLiteral("SELECT %1 FROM quotes q WHERE q.key = ?1").arg(expressions.join(QStringLiteral(", ")))));
        }
        const auto read_row = [&](qint64 key) {
            Row r;
            values_->bind(1, key);
            if (values_->step()) r = row_of(*values_);
            values_->reset();
            return r;
        };
        Row x = read_row(a), y = read_row(b);
        if (refine_ != Refine::none) {
            read_texts(x);
            read_texts(y);
        }
        return compare_rows(x, y, false);
    }

private:
    using Values = QVector<QVariant>;
    struct Row {
        qint64 key = 0;
        int bearers = 1;
        Values values;                    // of the terms
        std::optional<QVariant> text, note;  // read when a run needs them
    };
    struct Walk {
        bool reverse = false;
        enum Phase { start, nulls_first, values, nulls_last, ended } phase = start;
        QVariant value;  // the block being read
        std::optional<Statement> rows;
        std::vector<Row> run;  // rows alike so far, not handed out yet
        qint64 handed = 0;     // rows handed out
        bool bulk = false;     // read by the whole-table statement
    };
    enum class Refine { none, text, note };

    void restart_keys() {
        if (!writer_) return;
        try {
            grid_keys::refill(*writer_);
        } catch (const DbError&) {
            // Another program holds the write lock: the keys are brought up to date next time,
            // and computed as the rows are read meanwhile.
        }
    }

    // The filter and `more`: as written for walking the order (else as written for counting).
    QString where(const QString& more, bool counting = false) const {
        QStringList all;
        const QString& condition = counting ? count_condition_ : condition_;
        if (!condition.isEmpty()) all << condition;
        if (!more.isEmpty()) all << more;
        return all.isEmpty() ? QString() : QStringLiteral(" WHERE ") + all.join(QStringLiteral(" AND "));
    }

    void plan() {
        keys_ = Keys{grid_keys::usable(db())};
        if (!keys_.stored) grid_keys::use_computed_authors(db());
        // Counted, the substring index's candidates serve while they are a few percent of a
        // million; walked in the order, only while they are fewer than the rows a walk would
        // read to find a page.
        count_condition_ = query_.engine_condition(db(), keys_.stored, false, &count_reads_rows_, 20000);
        condition_ = query_.engine_condition(db(), keys_.stored, false, &reads_rows_, 2000);
        if (!count_condition_.isEmpty() && !reads_rows_) {
            // Rows so many that the order's index finds a page of them sooner.
            constexpr int many = 5000;
            Statement probe = db().prepare_plain(
                QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM quotes q WHERE %1 LIMIT %2)").arg(count_condition_).arg(many + 1));
            if (probe.step() && probe.column_int64(0) > many) condition_ = query_.engine_condition(db(), keys_.stored, true, nullptr, 2000);
        }
        values_.reset();
        texts_.reset();
        const bool down = query_.direction == Qt::DescendingOrder;
        const Term author{keys_.author(), false}, text{keys_.text(), false};
        refine_ = Refine::text;
        text_down_ = false;
        if (!query_.sort_column) {
            terms_ = {{QStringLiteral("q.random"), false}, author};
            run_ = 0;
            refine_ = Refine::none;
        } else {
            switch (*query_.sort_column) {
            case GridQuery::Column::key:
                terms_ = {{QStringLiteral("q.key"), down}};
                run_ = 0;
                refine_ = Refine::none;
                break;
            case GridQuery::Column::text:
                terms_ = {{keys_.text(), down}};
                run_ = 1;
                text_down_ = down;
                break;
            case GridQuery::Column::author:
                terms_ = {{keys_.author(), down}, text};
                run_ = 2;
                break;
            case GridQuery::Column::subject: terms_ = {{keys_.subject(), down}, author, text}; run_ = 3; break;
            case GridQuery::Column::rate: terms_ = {{QStringLiteral("q.rate"), down}, author, text}; run_ = 3; break;
            case GridQuery::Column::language: terms_ = {{keys_.language(), down}, author, text}; run_ = 3; break;
            case GridQuery::Column::note:
                terms_ = {{keys_.notes(), down}, author, text};
                run_ = 1;
                refine_ = Refine::note;
                break;
            }
        }
        // Blocks where the first term goes down and the others up, the file keeps the keys and
        // nothing is filtered out; with a filter, the engine orders the rows that meet it.
        blocks_ = terms_.size() > 1 && terms_[0].descending && !terms_[1].descending && keys_.stored && condition_.isEmpty();
        bulk_worth_ = reads_rows_ || condition_ != count_condition_;
        select_ = QStringLiteral("SELECT q.key, k.bearers");
        for (const Term& t : terms_) select_ += QStringLiteral(", ") + t.expression;
        select_ += QStringLiteral(" FROM ") + keys_.walk();
    }

    static Row row_of(const Statement& st) {
        Row r;
        r.key = sqlite3_column_int64(st.handle(), 0);
        r.bearers = sqlite3_column_int(st.handle(), 1);
        for (int c = 2; c < st.column_count(); ++c) r.values << st.column(c);
        return r;
    }

    // The whole texts a run is ordered by.
    void read_texts(Row& r) {
        if (r.text) return;
        if (!texts_)
            texts_.emplace(db().prepare_plain(QStringLiteral("SELECT %1, q.notes FROM quotes q WHERE q.key = ?1")
                                                 .arg(jet::sortable_text_sql(QStringLiteral("q.text")))));
        texts_->bind(1, r.key);
        if (texts_->step()) {
            r.text = texts_->column(0);
            r.note = texts_->column(1);
        } else {
            r.text = r.note = QVariant();
        }
        texts_->reset();
    }

    // The list's order of two rows, their terms read (negative: `a` first); `reverse` for the
    // walk from the end.
    int compare_rows(const Row& a, const Row& b, bool reverse) const {
        const auto flip = [&](int c, bool down) { return (down != reverse) ? -c : c; };
        const int run = refine_ == Refine::none ? int(terms_.size()) : run_;
        for (int t = 0; t < run; ++t)
            if (const int c = compare_values(a.values.value(t), b.values.value(t)); c != 0) return flip(c, terms_[size_t(t)].descending);
        if (refine_ != Refine::none) {
            if (refine_ == Refine::note) {
                if (const int c = compare_texts(a.note.value_or(QVariant()), b.note.value_or(QVariant())); c != 0)
                    return flip(c, terms_[0].descending);
                for (int t = 1; t < 3; ++t)
                    if (const int c = compare_values(a.values.value(t), b.values.value(t)); c != 0) return flip(c, false);
            }
            if (const int c = compare_texts(a.text.value_or(QVariant()), b.text.value_or(QVariant())); c != 0)
                return flip(c, text_down_);
        }
        // Rows alike in all: by key, as the index gives them.
        return flip(a.key < b.key ? -1 : a.key > b.key ? 1 : 0, terms_.back().descending && !blocks_);
    }

    bool same_run(const Row& a, const Row& b) const {
        // The rows without a note are alike only by author and text as well.
        const int run = refine_ == Refine::note && a.values.value(0).isNull() ? 3 : run_;
        for (int t = 0; t < run; ++t)
            if (compare_values(a.values.value(t), b.values.value(t)) != 0) return false;
        return true;
    }

    // A long run (texts alike in their first letters by the hundred, as when many begin with
    // one long phrase) is put in order by the engine, which compares the whole texts under the
    // program's collation, rather than a row at a time here. Read on the walk's own connection,
    // it holds the same rows.
    bool engine_orders(Walk& w, std::vector<qint64>& out, int& added) {
        constexpr size_t long_run = 64;
        if (w.run.size() < long_run || refine_ == Refine::none) return false;
        const Row& first = w.run.front();
        const bool no_note = refine_ == Refine::note && first.values.value(0).isNull();
        const int run = no_note ? 3 : run_;
        QStringList equal;
        for (int t = 0; t < run; ++t)
            equal << terms_[size_t(t)].expression +
                         (first.values.value(t).isNull() ? QStringLiteral(" IS NULL") : QStringLiteral(" = ?%1").arg(t + 1));
        const auto direction = [&](bool down) { return down != w.reverse ? QStringLiteral(" DESC") : QString(); };
        QStringList order;
        if (refine_ == Refine::note && !no_note)
            order << QStringLiteral("q.notes COLLATE ") + QLatin1String(jet::collation) + direction(terms_[0].descending)
                  << terms_[1].expression + direction(false) << terms_[2].expression + direction(false);
        order << jet::sortable_text_sql(QStringLiteral("q.text")) + QStringLiteral(" COLLATE ") + QLatin1String(jet::collation) +
                     direction(text_down_)
              << QStringLiteral("q.key") + direction(terms_.back().descending && !blocks_);
        Statement st = db().prepare_plain(select_ + where(equal.join(QStringLiteral(" AND "))) + QStringLiteral(" ORDER BY ") +
                                          order.join(QStringLiteral(", ")));
        for (int t = 0; t < run; ++t)
            if (!first.values.value(t).isNull()) st.bind(t + 1, first.values.value(t));
        while (st.step()) {
            for (int n = sqlite3_column_int(st.handle(), 1); n > 0; --n) out.push_back(sqlite3_column_int64(st.handle(), 0));
            ++added;
        }
        w.handed += qint64(w.run.size());
        w.run.clear();
        return true;
    }

    void hand_out(Walk& w, std::vector<qint64>& out, int& added) {
        if (engine_orders(w, out, added)) return;
        if (w.run.size() > 1 && refine_ != Refine::none) {
            for (Row& r : w.run) read_texts(r);
            if (refine_ == Refine::note && w.run.front().values.value(0).isNull()) {
                // The rows without a note: alike only by author and text.
                auto from = w.run.begin();
                while (from != w.run.end()) {
                    auto to = from + 1;
                    while (to != w.run.end() && compare_values(to->values.value(1), from->values.value(1)) == 0 &&
                           compare_values(to->values.value(2), from->values.value(2)) == 0)
                        ++to;
                    if (to - from > 1)
                        std::stable_sort(from, to, [&](const Row& x, const Row& y) { return compare_rows(x, y, w.reverse) < 0; });
                    from = to;
                }
            } else {
                std::stable_sort(w.run.begin(), w.run.end(), [&](const Row& x, const Row& y) { return compare_rows(x, y, w.reverse) < 0; });
            }
        }
        for (const Row& r : w.run) {
            for (int n = r.bearers; n > 0; --n) out.push_back(r.key);
            ++added;
        }
        w.handed += qint64(w.run.size());
        w.run.clear();
    }

    void open_block(Walk& w, const QVariant& value) {
        const QString block = value.isNull() ? terms_[0].expression + QStringLiteral(" IS NULL")
                                             : terms_[0].expression + QStringLiteral(" = ?1");
        w.rows.emplace(db().prepare_plain(select_ + where(block) + QStringLiteral(" ORDER BY ") + rendered(terms_, 1, w.reverse)));
        if (!value.isNull()) w.rows->bind(1, value);
    }

    // The next value of the blocks' column after `after` (the first with none), upwards or
    // downwards; null when there is none.
    QVariant next_value(bool up, const QVariant* after) {
        const QString& column = terms_[0].expression;
        Statement st = db().prepare_plain(
            QStringLiteral("SELECT %1(%2) FROM quotes q%3")
                .arg(up ? QStringLiteral("min") : QStringLiteral("max"), column,
                     after ? QStringLiteral(" WHERE %1 %2 ?1").arg(column, up ? QStringLiteral(">") : QStringLiteral("<"))
                           : QString()));
        if (after) st.bind(1, *after);
        return st.step() ? st.column(0) : QVariant();
    }

    bool open_next(Walk& w) {
        if (w.phase == Walk::ended) return false;
        if (!blocks_) {
            if (w.phase != Walk::start) {
                w.phase = Walk::ended;
                return false;
            }
            w.phase = Walk::values;
            w.rows.emplace(db().prepare_plain(select_ + where(QString()) + QStringLiteral(" ORDER BY ") + rendered(terms_, 0, w.reverse)));
            return true;
        }
        // Blocks upwards: the rows without a value first, as the engine sorts them.
        const bool up = terms_[0].descending == w.reverse;
        if (w.phase == Walk::start && up) {
            w.phase = Walk::nulls_first;
            open_block(w, QVariant());
            return true;
        }
        if (w.phase != Walk::nulls_last) {
            const QVariant next = next_value(up, w.phase == Walk::values ? &w.value : nullptr);
            if (!next.isNull()) {
                w.phase = Walk::values;
                w.value = next;
                open_block(w, next);
                return true;
            }
            if (!up) {
                w.phase = Walk::nulls_last;
                open_block(w, QVariant());
                return true;
            }
        }
        w.phase = Walk::ended;
        return false;
    }

    // Hands out at least `rows` rows (each as often as its author's name is entered), whole
    // runs only; false once the list has ended.
    bool read(Walk& w, std::vector<qint64>& out, int rows) {
        int added = 0;
        if (!w.reverse && !w.bulk && !blocks_ && w.phase == Walk::values && w.handed >= 1000 && bulk_worth_) {
            // Read on beyond the first pages: the rows that meet a filter are found in one pass
            // over the table and sorted, rather than by an index walk that reads the table in
            // its order; the rows handed out are passed over (the order is the same, to the key).
            w.rows.emplace(db().prepare_plain(QString(select_).replace(QLatin1String("quotes q "), QLatin1String("quotes q NOT INDEXED ")) +
                                             where(QString()) + QStringLiteral(" ORDER BY ") + rendered(terms_, 0, false)));
            w.run.clear();
            for (qint64 skipped = 0; skipped < w.handed && w.rows->step(); ++skipped) {
            }
            w.bulk = true;
        }
        while (added < rows) {
            if (!w.rows && !open_next(w)) {
                hand_out(w, out, added);
                return false;
            }
            if (!w.rows->step()) {
                w.rows.reset();
                continue;
            }
            Row r = row_of(*w.rows);
            if (!w.run.empty() && (run_ == 0 || !same_run(w.run.front(), r))) hand_out(w, out, added);
            w.run.push_back(std::move(r));
        }
        return true;
    }

    // Before the list is first read, its connection; then the list's own.
    Database& db() const { return own_ ? *own_ : list_; }

    Database& list_;
    std::unique_ptr<Database> own_;
    Database* writer_;
    GridQuery query_;
    Keys keys_{false};
    QString condition_, count_condition_;
    std::vector<Term> terms_;  // the order the indexes give
    int run_ = 0;              // the first terms whose equal values make a run to put in order here
    Refine refine_ = Refine::none;
    bool text_down_ = false;   // texts in a run, downwards
    bool blocks_ = false;
    bool bulk_worth_ = false;  // a filter no index serves: past the first pages, read in one pass
    bool reads_rows_ = false;  // the filter matches patterns in each row's texts
    bool count_reads_rows_ = false;  // the same, as written for counting
    QString select_;
    Walk forward_, backward_ = reversed();
    static Walk reversed() {
        Walk w;
        w.reverse = true;
        return w;
    }
    std::optional<Statement> values_, texts_;
};

}  // namespace

std::unique_ptr<KeyReader> grid_reader(Database& db, Database* writer, const GridQuery& query) {
    return std::make_unique<GridReader>(db, writer, query);
}
