#include "grid_query.h"

#include "database.h"
#include "grid_keys.h"
#include "jet_dialect.h"
#include "recordset.h"
#include "search_index.h"
#include "sql_text.h"

#include <QStringList>
#include <sqlite3.h>

#include <cstring>
#include <vector>

namespace {

QString literal(const QString& text) { return u'\'' + sql_escape_text(text) + u'\''; }

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
};

const QString& sortable_text() {
    static const QString text = jet::sortable_text_sql(QStringLiteral("q.text")) + QStringLiteral(" COLLATE ") +
                                QLatin1String(jet::collation);
    return text;
}

// What the substring index can tell of a like pattern on `column`, as a clause naming the
// candidates, when that is the cheaper plan: when the candidates are few, the index finds them
// sooner than a walk in the list's order finds a page of rows that meet the pattern.
QString candidates(Database& db, const char* column, const QString& typed) {
    if (!search_index::exists(db)) return QString();
    QString pattern = u'*' + sql_escape_pattern(typed) + u'*';
    pattern.replace(QLatin1String("''"), QLatin1String("'"));
    const QString match = search_index::Prefilter(db.handle()).match(QLatin1String(column), pattern);
    if (match.isEmpty()) return QString();
    constexpr int few = 20000;
    Statement probe = db.prepare_plain(QStringLiteral(
        "SELECT count(*) FROM (SELECT 1 FROM quotes_search WHERE quotes_search MATCH ?1 LIMIT %1)").arg(few));
    probe.bind(1, match);
    if (!probe.step() || probe.column_int64(0) >= few) return QString();
    return QStringLiteral("q.key IN (SELECT rowid FROM quotes_search WHERE quotes_search MATCH %1)").arg(literal(match));
}

}  // namespace

QString GridQuery::engine_condition(Database& db, bool keys_stored) const {
    const Keys k{keys_stored};
    const Filter& f = filter;
    QStringList clauses;
    if (f.author) {
        clauses << (f.author->exact ? k.author() + QStringLiteral(" = ") + blob_literal(jet::name_key(f.author->text))
                                    : k.author() + QStringLiteral(" IN (SELECT name_key FROM %1 WHERE name LIKE ").arg(k.authors()) +
                                          contains_pattern(f.author->text) + u')');
    }
    if (f.subject) {
        clauses << (f.subject->exact ? k.subject() + QStringLiteral(" = ") + blob_literal(jet::name_key(f.subject->text))
                                     : QStringLiteral("q.subject LIKE ") + contains_pattern(f.subject->text));
    }
    if (!f.language_contains.isEmpty()) clauses << QStringLiteral("q.language LIKE ") + contains_pattern(f.language_contains);
    if (!f.text_contains.isEmpty()) {
        clauses << QStringLiteral("q.text LIKE ") + contains_pattern(f.text_contains);
        const QString c = candidates(db, "text", f.text_contains);
        if (!c.isEmpty()) clauses << c;
    }
    if (!f.note_contains.isEmpty()) {
        clauses << QStringLiteral("q.notes LIKE ") + contains_pattern(f.note_contains);
        const QString c = candidates(db, "notes", f.note_contains);
        if (!c.isEmpty()) clauses << c;
    }
    if (!f.key.isEmpty()) clauses << QStringLiteral("q.key = ") + f.key;
    if (!f.rate_from.isEmpty() && f.rate_to.isEmpty()) clauses << QStringLiteral("q.rate = ") + literal(f.rate_from);
    else if (!f.rate_to.isEmpty() && f.rate_from.isEmpty()) clauses << QStringLiteral("q.rate = ") + literal(f.rate_to);
    else if (!f.rate_from.isEmpty()) {
        const auto [low, high] = rate_range(f.rate_from, f.rate_to);
        clauses << QStringLiteral("q.rate >= ") + literal(low) + QStringLiteral(" AND q.rate <= ") + literal(high);
    }
    if (f.min_rate) clauses << QStringLiteral("q.rate >= %1").arg(*f.min_rate);
    return clauses.join(QStringLiteral(" AND "));
}

QString GridQuery::random_order_sql(Database& db, const QString& columns, const QString& more) const {
    if (!db.read_only()) grid_keys::refill(db);
    const Keys k{grid_keys::usable(db)};
    if (!k.stored) grid_keys::use_computed_authors(db);
    QStringList where;
    const QString c = engine_condition(db, k.stored);
    if (!c.isEmpty()) where << c;
    if (!more.isEmpty()) where << more;
    return QStringLiteral("SELECT %1 FROM %2%3 ORDER BY q.random, q.key")
        .arg(columns, k.join(), where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND ")));
}

// ---------------------------------------------------------------- reading the list

namespace {

// One term of the list's order: what it sorts by (over `q`), and whether downwards.
struct Term {
    QString expression;
    bool descending = false;
};

QString rendered(const std::vector<Term>& terms, bool reverse) {
    QStringList out;
    for (const Term& t : terms) out << t.expression + ((t.descending != reverse) ? QStringLiteral(" DESC") : QString());
    return out.join(QStringLiteral(", "));
}

// Compares two values as the engine orders them: null, numbers, texts (under the program's
// collation), blobs (byte by byte).
int compare_values(const QVariant& a, const QVariant& b) {
    const auto rank = [](const QVariant& v) {
        if (!v.isValid() || v.isNull()) return 0;
        switch (v.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
        case QMetaType::Double: return 1;
        case QMetaType::QString: return 2;
        default: return 3;
        }
    };
    const int ra = rank(a), rb = rank(b);
    if (ra != rb) return ra < rb ? -1 : 1;
    if (ra == 0) return 0;
    if (ra == 1) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    if (ra == 2) {
        const QByteArray x = a.toString().toUtf8(), y = b.toString().toUtf8();
        const int c = jet::compare_nocase(x.constData(), int(x.size()), y.constData(), int(y.size()));
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    const QByteArray x = a.toByteArray(), y = b.toByteArray();
    const int c = std::memcmp(x.constData(), y.constData(), size_t(std::min(x.size(), y.size())));
    if (c != 0) return c < 0 ? -1 : 1;
    return x.size() < y.size() ? -1 : x.size() > y.size() ? 1 : 0;
}

// The grid's list read through its indexes. An order whose first column is followed by others
// (the author, then the text) is read a block of rows alike in that column at a time, the
// blocks in the column's order and the rows of each by the index in theirs: so the index
// serves both directions (a descending author with ascending texts within it), and a column
// with many rows alike (the rows without a note) costs no sort.
class GridReader : public KeyReader {
public:
    GridReader(Database& db, Database* writer, const GridQuery& query) : db_(db), writer_(writer), query_(query) {
        plan();
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
        for (Walk* w : {&forward_, &backward_}) {
            w->rows.reset();
            w->phase = Walk::start;
            w->value = QVariant();
        }
        restart_keys();
        plan();
    }

    bool forward(std::vector<qint64>& out, int rows) override { return read(forward_, out, rows); }
    void close() override {
        forward_.rows.reset();
        backward_.rows.reset();
        forward_.phase = backward_.phase = Walk::ended;
    }
    bool backward(std::vector<qint64>& out, int rows) override { return read(backward_, out, rows); }

    qint64 count() override {
        Statement st = db_.prepare_plain(QStringLiteral("SELECT coalesce(sum(k.bearers), 0) FROM %1%2").arg(keys_.join(), where(QString())));
        return st.step() ? st.column_int64(0) : 0;
    }

    int times(qint64 key) override {
        // What was just written is keyed first.
        if (writer_) restart_keys();
        Statement st = db_.prepare_plain(QStringLiteral("SELECT coalesce(sum(k.bearers), 0) FROM %1%2")
                                             .arg(keys_.join(), where(QStringLiteral("q.key = ?1"))));
        st.bind(1, key);
        return st.step() ? int(st.column_int64(0)) : 0;
    }

    int compare(qint64 a, qint64 b) override {
        if (!values_) {
            std::vector<Term> all = first_ ? std::vector<Term>{*first_} : std::vector<Term>{};
            all.insert(all.end(), rest_.begin(), rest_.end());
            QStringList expressions;
            for (const Term& t : all) {
                QString e = t.expression;
                e.replace(QStringLiteral(" COLLATE ") + QLatin1String(jet::collation), QString());
                expressions << e;
                descending_ << t.descending;
            }
            values_.emplace(db_.prepare_plain(
                QStringLiteral("SELECT %1 FROM quotes q WHERE q.key = ?1").arg(expressions.join(QStringLiteral(", ")))));
        }
        const auto read = [&](qint64 key) {
            QVector<QVariant> v;
            values_->bind(1, key);
            if (values_->step())
                for (int c = 0; c < values_->column_count(); ++c) v << values_->column(c);
            values_->reset();
            return v;
        };
        const QVector<QVariant> x = read(a), y = read(b);
        for (int t = 0; t < descending_.size(); ++t) {
            const int c = compare_values(x.value(t), y.value(t));
            if (c != 0) return descending_[t] ? -c : c;
        }
        return 0;
    }

private:
    void restart_keys() {
        if (!writer_) return;
        try {
            grid_keys::refill(*writer_);
        } catch (const DbError&) {
            // Another program holds the write lock: the keys are brought up to date next time,
            // and computed as the rows are read meanwhile.
        }
    }

    struct Walk {
        bool reverse = false;
        enum Phase { start, nulls_first, values, nulls_last, ended } phase = start;
        QVariant value;  // the block being read
        std::optional<Statement> rows;
    };

    QString where(const QString& more) const {
        QStringList all;
        if (!condition_.isEmpty()) all << condition_;
        if (!more.isEmpty()) all << more;
        return all.isEmpty() ? QString() : QStringLiteral(" WHERE ") + all.join(QStringLiteral(" AND "));
    }

    void plan() {
        keys_ = Keys{grid_keys::usable(db_)};
        if (!keys_.stored) grid_keys::use_computed_authors(db_);
        condition_ = query_.engine_condition(db_, keys_.stored);
        values_.reset();
        descending_.clear();
        first_.reset();
        rest_.clear();
        const bool down = query_.direction == Qt::DescendingOrder;
        const Term key{QStringLiteral("q.key"), false};
        const std::vector<Term> by_author_and_text{
            {keys_.author(), false}, {keys_.text(), false}, {sortable_text(), false}, key};
        if (!query_.sort_column) {
            rest_ = {{QStringLiteral("q.random"), false}, key};
        } else {
            switch (*query_.sort_column) {
            case GridQuery::Column::key: rest_ = {{QStringLiteral("q.key"), down}}; break;
            case GridQuery::Column::text:
                rest_ = {{keys_.text(), down}, {sortable_text(), down}, {QStringLiteral("q.key"), down}};
                break;
            case GridQuery::Column::author:
                first_ = Term{keys_.author(), down};
                rest_ = {{keys_.text(), false}, {sortable_text(), false}, key};
                break;
            case GridQuery::Column::subject: first_ = Term{keys_.subject(), down}; break;
            case GridQuery::Column::rate: first_ = Term{QStringLiteral("q.rate"), down}; break;
            case GridQuery::Column::language: first_ = Term{keys_.language(), down}; break;
            case GridQuery::Column::note:
                first_ = Term{keys_.notes(), down};
                // Notes alike in their first letters: by the whole note.
                rest_ = {{QStringLiteral("q.notes COLLATE ") + QLatin1String(jet::collation), down}};
                break;
            }
            if (first_ && *query_.sort_column != GridQuery::Column::author)
                rest_.insert(rest_.end(), by_author_and_text.begin(), by_author_and_text.end());
        }
        // Blocks where the file keeps the keys and its indexes; with a filter, the engine
        // chooses (the rows that meet it are found first, and then sorted, when they are few).
        blocks_ = first_ && keys_.stored && condition_.isEmpty();
    }

    std::vector<Term> whole_order() const {
        std::vector<Term> all = first_ ? std::vector<Term>{*first_} : std::vector<Term>{};
        all.insert(all.end(), rest_.begin(), rest_.end());
        return all;
    }

    void open_block(Walk& w, const QVariant& value) {
        const QString block = value.isNull() ? first_->expression + QStringLiteral(" IS NULL")
                                             : first_->expression + QStringLiteral(" = ?1");
        w.rows.emplace(db_.prepare_plain(QStringLiteral("SELECT q.key, k.bearers FROM %1%2 ORDER BY %3")
                                             .arg(keys_.join(), where(block), rendered(rest_, w.reverse))));
        if (!value.isNull()) w.rows->bind(1, value);
    }

    // The next value of the blocks' column after `after` (the first with none), upwards or
    // downwards; null when there is none.
    QVariant next_value(bool up, const QVariant* after) {
        const QString& column = first_->expression;
        Statement st = db_.prepare_plain(
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
            w.rows.emplace(db_.prepare_plain(QStringLiteral("SELECT q.key, k.bearers FROM %1%2 ORDER BY %3")
                                                 .arg(keys_.join(), where(QString()), rendered(whole_order(), w.reverse))));
            return true;
        }
        // Blocks upwards: the rows without a value first, as the engine sorts them.
        const bool up = first_->descending == w.reverse;
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

    bool read(Walk& w, std::vector<qint64>& out, int rows) {
        int added = 0;
        while (added < rows) {
            if (!w.rows && !open_next(w)) return false;
            sqlite3_stmt* h = w.rows->handle();
            while (added < rows && w.rows->step()) {
                const qint64 key = sqlite3_column_int64(h, 0);
                for (int n = sqlite3_column_int(h, 1); n > 0; --n) out.push_back(key);
                ++added;
            }
            if (added < rows) w.rows.reset();
        }
        return true;
    }

    Database& db_;
    Database* writer_;
    GridQuery query_;
    Keys keys_{false};
    QString condition_;
    std::optional<Term> first_;  // the column read a block at a time
    std::vector<Term> rest_;     // the order within a block (the whole order without blocks)
    bool blocks_ = false;
    Walk forward_, backward_{true};
    std::optional<Statement> values_;  // the order's values of one row
    QVector<bool> descending_;
};

}  // namespace

std::unique_ptr<KeyReader> grid_reader(Database& db, Database* writer, const GridQuery& query) {
    return std::make_unique<GridReader>(db, writer, query);
}
