#include "recordset.h"

#include "database.h"
#include "jet_dialect.h"
#include "sql_text.h"

#include <QRegularExpression>
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>

namespace {

[[noreturn]] void no_current_record() { throw DbError(db_errors::no_current_record, QStringLiteral("No current record.")); }

QString quoted(const QString& name) {
    QString n = name;
    n.replace(u'"', QLatin1String("\"\""));
    return u'"' + n + u'"';
}

constexpr int cache_limit = 4096;

// The order terms with a unary plus before each: the same order, but no index may serve it.
QString unindexed_order(const QString& order) {
    using namespace sql_text;
    QString out;
    int depth = 0;
    bool term_start = true;
    for (const Token& t : tokenize(order)) {
        const QStringView text = QStringView(order).mid(t.begin, t.end - t.begin);
        if (t.kind == Token::punct) {
            if (text == u"(") ++depth;
            else if (text == u")") --depth;
        }
        if (term_start && t.kind != Token::space) {
            // A number stands for a column of the select list: it keeps its meaning only bare.
            if (t.kind != Token::number) out += u'+';
            term_start = false;
        }
        out += text;
        if (t.kind == Token::punct && text == u"," && depth == 0) term_start = true;
    }
    return out;
}

// The statement that collects the keys of a set, in its order.
//
// With a condition, the engine is kept from walking an index in the order's sequence (the random
// order's, or the keys'): it would read every row of the table at random to test the condition,
// a disk read for most of them once the table outgrows the cache. Reading the table (or a
// covering index) straight through and sorting the keys that meet the condition costs a
// fraction of that, however many rows meet it.
QString key_query(const QString& key, const QString& from, const QString& where, const QString& order) {
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(key, from);
    if (!where.isEmpty()) sql += QStringLiteral(" WHERE ") + where;
    if (!order.isEmpty()) sql += QStringLiteral(" ORDER BY ") + (where.isEmpty() ? order : unindexed_order(order));
    return sql;
}

// ---------------------------------------------------------------- sets with a look-up
//
// A grid of a million quotations joins every quotation to its author. The engine answers such a
// join with a search of a temporary index of the authors for every quotation, a dozen
// comparisons each: most of the time a grid takes to open. The keys of such a set are collected
// from the rows alone instead (the random order's index holds the author, so that order reads
// nothing else), and each distinct text is then matched once against the look-up table, under
// the comparison the join itself uses (the program's collation). A row meets as many look-up
// rows as the join would give it: none for a text without a row, two for a name entered twice.

struct NocaseLess {
    bool operator()(const QByteArray& a, const QByteArray& b) const {
        return jet::compare_nocase(a.constData(), int(a.size()), b.constData(), int(b.size())) < 0;
    }
};

// True when the condition or the order names, unqualified, a column that `table` has too: the
// join would read it as ambiguous or as the look-up's, so only the engine may answer.
bool mentions_columns_of(sqlite3* db, const QString& table, const QString& text) {
    using namespace sql_text;
    const QByteArray table8 = table.toUtf8();
    const std::vector<Token> all = tokenize(text);
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].kind != Token::word && all[i].kind != Token::quoted_name) continue;
        const bool after_dot = i > 0 && all[i - 1].kind == Token::punct && text[all[i - 1].begin] == u'.';
        const bool before_dot = i + 1 < all.size() && all[i + 1].kind == Token::punct && text[all[i + 1].begin] == u'.';
        if (after_dot || before_dot) continue;
        const QByteArray name = name_of(text, all[i]).toUtf8();
        if (sqlite3_table_column_metadata(db, "main", table8.constData(), name.constData(), nullptr, nullptr, nullptr,
                                          nullptr, nullptr) == SQLITE_OK)
            return true;
    }
    return false;
}

}  // namespace

// Collects the keys of a set with a look-up; false (keys untouched) when the engine must do it.
// The distinct texts of a column read row by row, each numbered as first met: an open-addressing
// table over the bytes the engine hands out, as a million rows name a few thousand authors.
class DistinctTexts {
public:
    explicit DistinctTexts(std::vector<QByteArray>& texts) : texts_(texts), slots_(1024, -1) {}

    int number(const char* p, int n) {
        const std::uint64_t h = hash(p, n);
        for (std::size_t i = h & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            const int t = slots_[i];
            if (t < 0) {
                texts_.emplace_back(p, n);
                hashes_.push_back(h);
                slots_[i] = int(texts_.size()) - 1;
                if (texts_.size() * 2 > slots_.size()) grow();
                return int(texts_.size()) - 1;
            }
            if (hashes_[std::size_t(t)] == h && texts_[std::size_t(t)].size() == n &&
                std::memcmp(texts_[std::size_t(t)].constData(), p, std::size_t(n)) == 0)
                return t;
        }
    }

private:
    static std::uint64_t hash(const char* p, int n) {
        std::uint64_t h = 1469598103934665603ull;  // FNV-1a
        for (int i = 0; i < n; ++i) h = (h ^ static_cast<unsigned char>(p[i])) * 1099511628211ull;
        return h ^ (h >> 29);
    }
    void grow() {
        std::vector<int> bigger(slots_.size() * 2, -1);
        for (std::size_t t = 0; t < texts_.size(); ++t) {
            std::size_t i = hashes_[t] & (bigger.size() - 1);
            while (bigger[i] >= 0) i = (i + 1) & (bigger.size() - 1);
            bigger[i] = int(t);
        }
        slots_ = std::move(bigger);
    }

    std::vector<QByteArray>& texts_;
    std::vector<std::uint64_t> hashes_;
    std::vector<int> slots_;
};

// The look-up rows met on the way are handed back (case-folded text -> its columns), so that
// reading the rows need not look for them again; `all_read` tells whether every one is there.
bool RecordSet::collect_looked_up_keys() const {
    sqlite3* h = db_.handle();
    if (sqlite3_table_column_metadata(h, "main", lookup_.table.toUtf8().constData(), lookup_.match.toUtf8().constData(),
                                      nullptr, nullptr, nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    if (mentions_columns_of(h, lookup_.table, where_) || mentions_columns_of(h, lookup_.table, order_)) return false;

    const qint64 version = current_version();
    KeyedSource::Lookup::Kept* kept = lookup_.kept && lookup_.kept->version == version ? lookup_.kept.get() : nullptr;
    const bool odd_rows_known = kept && kept->odd_rows_known;
    std::unique_ptr<Statement> st;
    try {
        // Once the rows of the whole list whose text does not meet exactly one look-up row are
        // known, any part of it is its keys alone, with those rows left out or repeated.
        const QString key = rows_from_ + u'.' + key_column_;
        st = std::make_unique<Statement>(db_.prepare(
            key_query(odd_rows_known ? key : key + QStringLiteral(", ") + rows_from_ + u'.' + lookup_.on, rows_from_, where_, order_)));
    } catch (const DbError&) {
        return false;  // the condition or the order needs the look-up table after all
    }
    const bool whole_list = where_.trimmed().isEmpty();
    if (odd_rows_known) {
        keys_.clear();
        if (whole_list) keys_.reserve(kept->whole_list_rows);
        sqlite3_stmt* s = st->handle();
        const auto& odd = kept->odd_rows;
        if (odd.times.isEmpty()) {
            while (st->step()) keys_.push_back(sqlite3_column_int64(s, 0));
        } else {
            while (st->step()) {
                const qint64 k = sqlite3_column_int64(s, 0);
                for (int n = odd.times_of(k); n > 0; --n) keys_.push_back(k);
            }
        }
        looked_up_ = kept->columns;
        lookups_read_ = true;
        return true;
    }
    std::vector<qint64> without_text;  // of the whole list, the rows with no text
    std::vector<qint64> found;
    std::vector<int> text_of;  // per row found: its text, as an index into `texts`
    std::vector<QByteArray> texts;
    DistinctTexts index(texts);
    while (st->step()) {
        sqlite3_stmt* s = st->handle();
        const int kind = sqlite3_column_type(s, 1);
        if (kind == SQLITE_NULL) {
            if (whole_list) without_text.push_back(sqlite3_column_int64(s, 0));
            continue;  // equal to nothing
        }
        if (kind != SQLITE_TEXT) return false;
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
        const int n = sqlite3_column_bytes(s, 1);
        found.push_back(sqlite3_column_int64(s, 0));
        text_of.push_back(index.number(p, n));
    }
    st.reset();

    const QString columns = lookup_.columns.join(QStringLiteral(", "));
    std::vector<int> rows_met(texts.size(), 0);
    looked_up_.clear();
    if (kept) {
        // The look-up table is as the last set of this list read it: only texts not met then
        // are compared.
        looked_up_ = kept->columns;
        lookups_read_ = true;
        std::optional<std::map<QByteArray, int, NocaseLess>> names;
        for (size_t i = 0; i < texts.size(); ++i) {
            auto hit = kept->rows_met.constFind(texts[i]);
            if (hit == kept->rows_met.cend()) {
                if (!names) {
                    names.emplace();
                    Statement all = db_.prepare(QStringLiteral("SELECT %1 FROM %2").arg(lookup_.match, lookup_.table));
                    while (all.step())
                        if (sqlite3_column_type(all.handle(), 0) == SQLITE_TEXT)
                            ++(*names)[QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(all.handle(), 0)),
                                                  sqlite3_column_bytes(all.handle(), 0))];
                }
                const auto it = names->find(texts[i]);
                hit = kept->rows_met.insert(texts[i], it == names->end() ? 0 : it->second);
            }
            rows_met[i] = *hit;
        }
    } else if (texts.size() <= 4) {
        // A few: the engine compares them, each in one pass over the look-up table.
        Statement probe = db_.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(columns, lookup_.table, lookup_.match));
        for (size_t i = 0; i < texts.size(); ++i) {
            sqlite3_bind_text(probe.handle(), 1, texts[i].constData(), int(texts[i].size()), SQLITE_STATIC);
            Row first;
            while (probe.step())
                if (rows_met[i]++ == 0)
                    for (int c = 0; c < probe.column_count(); ++c) first << probe.column(c);
            looked_up_.insert(QString::fromUtf8(texts[i]).toCaseFolded(), first);
            probe.reset();
        }
    } else {
        std::map<QByteArray, int, NocaseLess> names;
        Statement all = db_.prepare(QStringLiteral("SELECT %1, %2 FROM %3").arg(lookup_.match, columns, lookup_.table));
        while (all.step()) {
            sqlite3_stmt* s = all.handle();
            const int kind = sqlite3_column_type(s, 0);
            if (kind == SQLITE_NULL) continue;
            if (kind != SQLITE_TEXT) return false;
            const QByteArray name(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), sqlite3_column_bytes(s, 0));
            ++names[name];
            const QString folded = QString::fromUtf8(name).toCaseFolded();
            if (!looked_up_.contains(folded)) {
                Row r;
                for (int c = 1; c < all.column_count(); ++c) r << all.column(c);
                looked_up_.insert(folded, r);
            }
        }
        lookups_read_ = true;
        std::shared_ptr<KeyedSource::Lookup::Kept> keep =
            lookup_.kept ? std::make_shared<KeyedSource::Lookup::Kept>() : nullptr;
        for (size_t i = 0; i < texts.size(); ++i) {
            const auto it = names.find(texts[i]);
            rows_met[i] = it == names.end() ? 0 : it->second;
            if (keep) keep->rows_met.insert(texts[i], rows_met[i]);
        }
        if (keep) {
            keep->version = version;
            keep->columns = looked_up_;
            *lookup_.kept = std::move(*keep);
            kept = lookup_.kept.get();
        }
    }
    if (kept && whole_list) {
        kept->odd_rows = {};
        for (const qint64 k : without_text) kept->odd_rows.add(k, 0);
        for (size_t r = 0; r < found.size(); ++r)
            if (const int n = rows_met[size_t(text_of[r])]; n != 1) kept->odd_rows.add(found[r], n);
        kept->odd_rows_known = true;
    }
    keys_.clear();
    keys_.reserve(found.size());
    for (size_t r = 0; r < found.size(); ++r)
        for (int k = rows_met[size_t(text_of[r])]; k > 0; --k) keys_.push_back(found[r]);
    if (kept && whole_list) kept->whole_list_rows = keys_.size();
    return true;
}

namespace {
}  // namespace

RecordSet::RecordSet(Database& db, const QString& sql) : db_(db), sql_(sql) { classify(); }

RecordSet::RecordSet(Database& db, const KeyedSource& source) : db_(db), sql_(source.sql) {
    rows_from_ = source.from;
    key_column_ = source.key;
    key_expr_ = source.from + u'.' + source.key;
    table_ = source.table;
    where_ = source.condition;
    order_ = source.order;
    lookup_ = source.lookup;
    version_source_ = source.version;
    from_ = lookup_.table.isEmpty() ? source.from
                                    : QStringLiteral("%1 INNER JOIN %2 ON %1.%3 = %2.%4")
                                          .arg(lookup_.table, source.from, lookup_.match, lookup_.on);
    fetch_ = std::make_unique<Statement>(
        db_.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(source.from, source.key)));
    for (int i = 0; i < fetch_->column_count(); ++i) fields_ << fetch_->column_name(i);
    fields_ << lookup_.columns;
    count_ = source.count;
    if (!count_.table.isEmpty()) {
        fields_ << count_.as;
        if (sql_text::contains_word(where_, count_.as) || sql_text::contains_word(order_, count_.as))
            keys_from_ = QStringLiteral("(SELECT %1.%2 AS %2, %1.*, coalesce(counted.n, 0) AS %3 FROM %1 LEFT JOIN "
                                        "(SELECT %4 COLLATE %7 AS counted_text, count(*) AS n FROM %5 GROUP BY 1) AS counted "
                                        "ON counted.counted_text = %1.%6 COLLATE %7) AS %1")
                             .arg(source.from, source.key, count_.as, count_.column, count_.table, count_.on,
                                  QLatin1String(jet::collation));
    }
    // A grid's set is opened to be shown: its keys are read at once, which also tells whether its
    // condition and order are sound.
    load_keys();
}

RecordSet::~RecordSet() = default;

void RecordSet::classify() {
    const QString translated = db_.resolve(sql_);
    const sql_text::SelectParts parts = sql_text::split_select(translated);
    if (parts.ok && parts.simple && parts.from_names.size() == 1) {
        const QString& name = parts.from_names.first();
        if (db_.is_table(name)) {
            key_expr_ = name + QStringLiteral(".rowid");
            table_ = name;
        } else if (const QString base = db_.view_base(name); !base.isEmpty()) {
            // Rows of a saved query over one table that shows the table's key are rows of that
            // table: they can be edited and deleted through it, as through a dynaset.
            const QString key = db_.integer_key(base);
            if (!key.isEmpty()) {
                key_expr_ = name + u'.' + key;
                table_ = base;
            }
        }
    }
    if (!key_expr_.isEmpty()) {
        from_ = parts.from;
        where_ = parts.where;
        order_ = parts.order_by;
        select_list_ = parts.select_list;
        try {
            fetch_ = std::make_unique<Statement>(db_.prepare(QStringLiteral("SELECT %1, %2 FROM %3 WHERE %1 = ?")
                                                                 .arg(key_expr_, select_list_, from_)));
            for (int i = 1; i < fetch_->column_count(); ++i) fields_ << fetch_->column_name(i);
            fetch_has_key_ = true;
            // Prepared only to learn at once whether the statement is sound; the keys are read
            // when the set is first read (a set opened to add a row never reads them).
            (void)db_.prepare(key_query(key_expr_, from_, where_, natural_order()));
        } catch (const DbError&) {
            // Not a statement whose rows a key can name (an ORDER BY on an alias, say): read it whole.
            fetch_.reset();
            fields_.clear();
            key_expr_.clear();
            table_.clear();
        }
    }
    if (key_expr_.isEmpty()) materialize();
}

void RecordSet::materialize() const {
    rows_.clear();
    Statement st = db_.prepare(sql_);
    if (fields_.isEmpty()) {
        auto* self = const_cast<RecordSet*>(this);
        for (int i = 0; i < st.column_count(); ++i) self->fields_ << st.column_name(i);
    }
    const int n = st.column_count();
    while (st.step()) {
        Row r(n);
        for (int i = 0; i < n; ++i) r[i] = st.column(i);
        rows_.push_back(std::move(r));
    }
    loaded_ = true;
    current_ = rows_.empty() ? -1 : 0;
}

void RecordSet::load_keys() const {
    if (loaded_) return;
    if (key_expr_.isEmpty()) {
        materialize();
        return;
    }
    keys_.clear();
    cache_.clear();
    looked_up_.clear();
    lookups_read_ = false;
    if (!lookup_.table.isEmpty() && collect_looked_up_keys()) {
        loaded_ = true;
        current_ = keys_.empty() ? -1 : 0;
        rows_version_ = current_version();
        return;
    }
    if (!load_keys_in_leading_order()) {
        Statement st = db_.prepare(key_query(key_expr_, keys_from_.isEmpty() ? from_ : keys_from_, where_, natural_order()));
        while (st.step()) keys_.push_back(st.column_int64(0));
    }
    loaded_ = true;
    current_ = keys_.empty() ? -1 : 0;
    rows_version_ = current_version();
}

// An order such as "random ASC, name" over a whole table whose first column an index gives in
// order: the keys are read in the index's order, and only the rows equal in that column (in a
// random order, the few that tie by chance) are put in the whole order. The engine would sort
// every row by the whole order instead, comparing them one by one although nothing ties.
// False, with nothing read, when the order is not of that kind.
bool RecordSet::load_keys_in_leading_order() const {
    if (!where_.isEmpty() || !keys_from_.isEmpty() || !lookup_.table.isEmpty() || from_ != table_) return false;
    static const QRegularExpression leading(QStringLiteral(R"(^\s*((?:\w+\.)?\w+)(\s+(?:ASC|DESC))?\s*,(.*\S.*)$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto m = leading.match(order_);
    if (!m.hasMatch() || m.captured(3).contains(u'(')) return false;
    const QString column = m.captured(1), first = column + m.captured(2);
    const QString by_first = key_query(key_expr_ + QStringLiteral(", ") + column, from_, QString(), first);
    {
        Statement plan = db_.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + by_first);
        while (plan.step())
            if (plan.column_text(3).contains(QLatin1String("TEMP B-TREE"))) return false;  // no index gives it
    }
    struct Tie {
        size_t begin, count;
        QVariant value;  // null: the rows without a value
    };
    std::vector<qint64> keys;
    std::vector<Tie> ties;
    {
        Statement st = db_.prepare(by_first);
        sqlite3_stmt* h = st.handle();
        Tie run{0, 0, QVariant()};
        const auto close_run = [&] {
            if (run.count > 1) ties.push_back(run);
        };
        while (st.step()) {
            const int type = sqlite3_column_type(h, 1);
            if (type == SQLITE_TEXT || type == SQLITE_BLOB) return false;  // not a number: compared otherwise
            const QVariant value = type == SQLITE_NULL ? QVariant() : QVariant(sqlite3_column_double(h, 1));
            if (run.count > 0 && value.isValid() == run.value.isValid() &&
                (!value.isValid() || value.toDouble() == run.value.toDouble())) {
                ++run.count;
            } else {
                close_run();
                run = {keys.size(), 1, value};
            }
            keys.push_back(sqlite3_column_int64(h, 0));
        }
        close_run();
    }
    // Each run of tied rows in the whole order: few of them, each found through the index.
    std::optional<Statement> equal, unset;
    for (const Tie& tie : ties) {
        std::optional<Statement>& st = tie.value.isValid() ? equal : unset;
        if (!st)
            st.emplace(db_.prepare(key_query(
                key_expr_, from_, column + (tie.value.isValid() ? QStringLiteral(" = ?") : QStringLiteral(" IS NULL")), order_)));
        if (tie.value.isValid()) st->bind(1, tie.value);
        size_t found = 0;
        while (st->step()) {
            if (found == tie.count) return false;  // changed meanwhile: the engine orders them all
            keys[tie.begin + found++] = st->column_int64(0);
        }
        st->reset();
        if (found != tie.count) return false;
    }
    keys_ = std::move(keys);
    return true;
}

// A table read without an order is read in the order its rows were added, as a table is
// walked in its natural order; without this the engine may walk any index it finds smaller.
QString RecordSet::natural_order() const {
    return order_.isEmpty() && key_expr_.endsWith(QLatin1String(".rowid")) ? key_expr_ : order_;
}

int RecordSet::count() const { return key_expr_.isEmpty() ? int(rows_.size()) : int(keys_.size()); }

bool RecordSet::eof() const {
    load_keys();
    return count() == 0 || current_ >= count();
}

bool RecordSet::bof() const {
    load_keys();
    return count() == 0 || current_ < 0;
}

int RecordSet::record_count() const {
    load_keys();
    return count();
}

int RecordSet::absolute_position() const {
    load_keys();
    if (on_deleted_ || current_ < 0 || current_ >= count()) return -1;
    return current_;
}

void RecordSet::set_current(int index) {
    current_ = index;
    on_deleted_ = false;
    emit current_changed(index);
}

void RecordSet::set_absolute_position(int position) {
    load_keys();
    if (position < 0 || position >= count())
        throw DbError(db_errors::invalid_argument, QStringLiteral("Invalid argument."));
    set_current(position);
}

void RecordSet::move_first() {
    load_keys();
    if (count() == 0) no_current_record();
    set_current(0);
}

void RecordSet::move_last() {
    load_keys();
    if (count() == 0) no_current_record();
    set_current(count() - 1);
}

void RecordSet::move_next() {
    load_keys();
    if (on_deleted_) {  // the row after a deleted one has taken its place
        set_current(current_);
        return;
    }
    if (count() == 0 || current_ >= count()) no_current_record();
    set_current(current_ + 1);
}

void RecordSet::move_previous() {
    load_keys();
    if (count() == 0 || current_ < 0) no_current_record();
    set_current(current_ - 1);
}

void RecordSet::require_current() const {
    load_keys();
    if (on_deleted_) throw DbError(db_errors::record_is_deleted, QStringLiteral("Record is deleted."));
    if (current_ < 0 || current_ >= count()) no_current_record();
}

int RecordSet::field_index(const QString& name) const {
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    // "quotes.notes" names the field "notes".
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) return field_index(name.mid(dot + 1));
    return -1;
}

const RecordSet::Row* RecordSet::row(int index) const {
    load_keys();
    if (index < 0 || index >= count()) return nullptr;
    if (key_expr_.isEmpty()) return &rows_[size_t(index)];
    auto hit = cache_.constFind(index);
    if (hit == cache_.cend()) {
        fetch_rows(std::max(0, index - 8), std::min(count() - 1, index + 40));
        hit = cache_.constFind(index);
        if (hit == cache_.cend()) return nullptr;
    }
    return &*hit;
}

void RecordSet::set_version_source(std::function<qint64()> source) {
    version_source_ = std::move(source);
    // What was read so far is as of now.
    if (loaded_) rows_version_ = current_version();
}

qint64 RecordSet::current_version() const {
    if (version_source_) return version_source_();
    return db_.data_version();
}

bool RecordSet::drop_rows_if_changed() {
    if (key_expr_.isEmpty() || !loaded_) return false;
    const qint64 now = current_version();
    if (now == rows_version_) return false;
    const bool had_rows = !cache_.isEmpty();
    cache_.clear();
    looked_up_.clear();
    lookups_read_ = false;
    counts_.reset();
    rows_version_ = now;
    return had_rows;
}

void RecordSet::reload_row(int row) {
    load_keys();
    if (key_expr_.isEmpty() || row < 0 || row >= count()) return;
    cache_.remove(row);
    if (lookup_.table.isEmpty()) {
        fetch_rows(row, row);
        return;
    }
    Statement probe = lookup_probe();
    fetch_row(row, &probe, true);
}

Statement RecordSet::lookup_probe() const {
    return db_.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                           .arg(lookup_.columns.join(QStringLiteral(", ")), lookup_.table, lookup_.match));
}

// One row read by its key; with a look-up, its columns are added, looked up with `probe` when
// one is given (always, or only for a text not met yet).
void RecordSet::fetch_row(int i, Statement* probe, bool always_probe) const {
    const int first = fetch_has_key_ ? 1 : 0;
    const int n = fetch_->column_count();
    fetch_->bind(1, keys_[size_t(i)]);
    if (fetch_->step()) {
        Row r;
        r.reserve(n - first + int(lookup_.columns.size()));
        for (int c = first; c < n; ++c) r << fetch_->column(c);
        if (!lookup_.table.isEmpty()) {
            const QString text = r.value(field_index(lookup_.on)).toString();
            const QString folded = text.toCaseFolded();
            if (probe && (always_probe || !looked_up_.contains(folded))) {
                probe->bind(1, text);
                Row found;
                if (probe->step())
                    for (int c = 0; c < probe->column_count(); ++c) found << probe->column(c);
                probe->reset();
                looked_up_.insert(folded, found);
            }
            const Row& extra = looked_up_[folded];
            for (int c = 0; c < lookup_.columns.size(); ++c) r << extra.value(c);
        }
        add_count(r);
        cache_.insert(i, std::move(r));
    }
    fetch_->reset();
}

void RecordSet::add_count(Row& r) const {
    if (count_.table.isEmpty()) return;
    if (!counts_) {
        const qint64 version = current_version();
        if (count_.kept && count_.kept->version == version) {
            counts_ = count_.kept->counts;
        } else {
            counts_ = count_per_text(db_, count_.table, count_.column);
            if (count_.kept) *count_.kept = {version, *counts_};
        }
    }
    r << QVariant(qint64(counts_->value(jet::folded(r.value(field_index(count_.on)).toString()), 0)));
}

void RecordSet::fetch_rows(int first, int last) const {
    if (cache_.size() > cache_limit) cache_.clear();
    if (cache_.isEmpty()) rows_version_ = current_version();
    // With a look-up, a set of a few rows looks its texts up one by one; a larger one reads the
    // whole look-up table once.
    std::optional<Statement> probe;
    if (!lookup_.table.isEmpty() && !lookups_read_) {
        if (count() <= 64) {
            probe.emplace(lookup_probe());
        } else {
            looked_up_.clear();
            Statement all = db_.prepare(QStringLiteral("SELECT %1, %2 FROM %3")
                                            .arg(lookup_.match, lookup_.columns.join(QStringLiteral(", ")), lookup_.table));
            while (all.step()) {
                const QString name = all.column_text(0).toCaseFolded();
                if (looked_up_.contains(name)) continue;
                Row r;
                for (int c = 1; c < all.column_count(); ++c) r << all.column(c);
                looked_up_.insert(name, r);
            }
            lookups_read_ = true;
        }
    }
    for (int i = first; i <= last; ++i)
        if (!cache_.contains(i)) fetch_row(i, probe ? &*probe : nullptr, false);
}

QVariant RecordSet::value(const QString& name) const {
    const int idx = field_index(name);
    if (idx < 0) throw DbError(3265, QStringLiteral("Item '%1' not found in this collection.").arg(name));
    if (edit_mode_ != EditMode::none && pending_.contains(idx)) return pending_.value(idx);
    if (edit_mode_ == EditMode::adding) return QVariant();
    require_current();
    const Row* r = row(current_);
    if (!r) throw DbError(db_errors::record_is_deleted, QStringLiteral("Record is deleted."));
    return r->value(idx);
}

QString RecordSet::text(const QString& name) const { return to_text(value(name)); }

QString RecordSet::to_text(const QVariant& v) {
    if (!v.isValid() || v.isNull()) return QString();
    if (v.typeId() == QMetaType::Double) return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

QVariant RecordSet::value_at(int r, int field) const {
    const Row* p = row(r);
    return p ? p->value(field) : QVariant();
}

QVariant RecordSet::key_at(int r) const {
    load_keys();
    if (r < 0 || r >= count()) return QVariant();
    if (key_expr_.isEmpty()) return QVariant(r);
    return QVariant(keys_[size_t(r)]);
}

QVariant RecordSet::bookmark() const {
    require_current();
    return key_at(current_);
}

int RecordSet::position_of(const QVariant& bm) const {
    load_keys();
    if (!bm.isValid()) return -1;
    if (key_expr_.isEmpty()) {
        const int r = bm.toInt();
        return r >= 0 && r < count() ? r : -1;
    }
    const qint64 k = bm.toLongLong();
    const auto it = std::find(keys_.begin(), keys_.end(), k);
    return it == keys_.end() ? -1 : int(it - keys_.begin());
}

bool RecordSet::has_bookmark(const QVariant& bm) const { return position_of(bm) >= 0; }

void RecordSet::set_bookmark(const QVariant& bm) {
    const int p = position_of(bm);
    if (p < 0) throw DbError(3159, QStringLiteral("Not a valid bookmark."));
    set_current(p);
}

int RecordSet::find_in_memory(const QString& condition, bool& understood) const {
    // The conditions windows search with: a field, "=" or "like", and one literal.
    static const QRegularExpression simple(
        QStringLiteral(R"(^\s*(?:[\w\[\]]+\.)?\[?(\w+)\]?\s*(=|like)\s*('(?:[^']|'')*'|-?\d+(?:\.\d+)?)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = simple.match(condition);
    understood = m.hasMatch() && field_index(m.captured(1)) >= 0;
    if (!understood) return -1;
    const int f = field_index(m.captured(1));
    const bool is_like = m.captured(2).compare(QLatin1String("like"), Qt::CaseInsensitive) == 0;
    QString lit = m.captured(3);
    const bool is_text = lit.startsWith(u'\'');
    if (is_text) lit = lit.mid(1, lit.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
    const QByteArray lit8 = lit.toUtf8();
    for (int i = 0; i < count(); ++i) {
        const QVariant v = rows_[size_t(i)].value(f);
        if (v.isNull()) continue;
        bool hit;
        if (is_like) {
            try {
                hit = jet::like(lit, to_text(v));
            } catch (const std::invalid_argument&) {
                throw DbError(1, QStringLiteral("Invalid pattern string"));
            }
        } else if (!is_text || v.typeId() != QMetaType::QString) {
            bool ok1 = false, ok2 = false;
            const double a = v.toDouble(&ok1), b = lit.toDouble(&ok2);
            hit = ok1 && ok2 ? a == b : false;
        } else {
            const QByteArray s = v.toString().toUtf8();
            hit = jet::compare_nocase(s.constData(), int(s.size()), lit8.constData(), int(lit8.size())) == 0;
        }
        if (hit) return i;
    }
    return -1;
}

bool RecordSet::find_first(const QString& condition) {
    load_keys();
    no_match_ = true;
    int found = -1;
    if (key_expr_.isEmpty()) {
        bool understood = false;
        found = find_in_memory(condition, understood);
        if (!understood) {
            // Let the engine judge the condition on the same rows, then find that row here.
            Statement st = db_.prepare(QStringLiteral("SELECT * FROM (%1) WHERE %2").arg(sql_, condition));
            std::vector<Row> hits;
            while (st.step()) {
                Row r(st.column_count());
                for (int i = 0; i < st.column_count(); ++i) r[i] = st.column(i);
                hits.push_back(std::move(r));
            }
            for (int i = 0; i < count() && found < 0; ++i)
                if (std::find(hits.begin(), hits.end(), rows_[size_t(i)]) != hits.end()) found = i;
        }
    } else {
        Statement st = db_.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE (%3)").arg(key_expr_, from_, condition));
        std::vector<qint64> hits;
        while (st.step()) hits.push_back(st.column_int64(0));
        if (hits.size() == 1) {
            found = position_of(QVariant(hits.front()));
        } else if (!hits.empty()) {
            std::sort(hits.begin(), hits.end());
            for (int i = 0; i < count() && found < 0; ++i)
                if (std::binary_search(hits.begin(), hits.end(), keys_[size_t(i)])) found = i;
        }
    }
    if (found < 0) return false;
    no_match_ = false;
    set_current(found);
    return true;
}

void RecordSet::add_new() {
    if (!updatable()) throw DbError(db_errors::not_updatable, QStringLiteral("Cannot update. Database or object is read-only."));
    edit_mode_ = EditMode::adding;
    pending_.clear();
}

void RecordSet::edit() {
    if (!updatable()) throw DbError(db_errors::not_updatable, QStringLiteral("Cannot update. Database or object is read-only."));
    require_current();
    edit_mode_ = EditMode::editing;
    pending_.clear();
}

void RecordSet::set_value(const QString& name, const QVariant& v) {
    if (edit_mode_ == EditMode::none)
        throw DbError(3020, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    const int idx = field_index(name);
    if (idx < 0) throw DbError(3265, QStringLiteral("Item '%1' not found in this collection.").arg(name));
    pending_.insert(idx, v);
}

void RecordSet::cancel_update() {
    edit_mode_ = EditMode::none;
    pending_.clear();
}

void RecordSet::update() {
    if (edit_mode_ == EditMode::none)
        throw DbError(3020, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    QList<int> cols = pending_.keys();
    std::sort(cols.begin(), cols.end());
    if (edit_mode_ == EditMode::editing) {
        if (!cols.isEmpty()) {
            QStringList sets;
            for (int c : cols) sets << quoted(fields_[c]) + QStringLiteral(" = ?");
            Statement st = writer().prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoted(table_), sets.join(u',')));
            int i = 1;
            for (int c : cols) st.bind(i++, pending_.value(c));
            st.bind(i, keys_[size_t(current_)]);
            st.step();
            cache_.remove(current_);
        }
        last_modified_ = QVariant(keys_[size_t(current_)]);
        edit_mode_ = EditMode::none;
        pending_.clear();
        emit row_changed(current_);
        return;
    }
    QStringList names, marks;
    for (int c : cols) {
        names << quoted(fields_[c]);
        marks << QStringLiteral("?");
    }
    Statement st = writer().prepare(cols.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table_))
                                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                    .arg(quoted(table_), names.join(u','), marks.join(u',')));
    int i = 1;
    for (int c : cols) st.bind(i++, pending_.value(c));
    st.step();
    const qint64 rowid = writer().last_insert_rowid();
    last_modified_ = QVariant(rowid);
    edit_mode_ = EditMode::none;
    pending_.clear();
    if (loaded_) {
        // A new row joins the set at its end, as in a dynaset.
        emit inserting_row(count());
        keys_.push_back(rowid);
        cache_.clear();
        if (current_ < 0) current_ = 0;
        emit row_inserted(count() - 1);
    }
}

void RecordSet::delete_current() {
    if (!updatable()) throw DbError(db_errors::not_updatable, QStringLiteral("Cannot update. Database or object is read-only."));
    require_current();
    Statement st = writer().prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_)));
    st.bind(1, keys_[size_t(current_)]);
    st.step();
    emit removing_row(current_);
    keys_.erase(keys_.begin() + current_);
    cache_.clear();
    on_deleted_ = true;
    emit row_removed(current_);
}

namespace {

// One term of an order: what it sorts by, and whether downwards.
struct OrderTerm {
    QString expression;
    bool descending = false;
};

std::vector<OrderTerm> order_terms(const QString& order) {
    using namespace sql_text;
    std::vector<OrderTerm> terms;
    const std::vector<Token> all = tokenize(order);
    int depth = 0;
    qsizetype start = 0;
    auto close = [&](qsizetype end) {
        QString text = order.mid(start, end - start).trimmed();
        OrderTerm t;
        for (const char* suffix : {"ASC", "DESC"}) {
            const QString s = QString::fromLatin1(suffix);
            if (text.endsWith(s, Qt::CaseInsensitive) && (text.size() == s.size() || !text[text.size() - s.size() - 1].isLetterOrNumber())) {
                t.descending = s == QLatin1String("DESC");
                text.chop(s.size());
                text = text.trimmed();
            }
        }
        if (text.startsWith(u'+')) text = text.mid(1).trimmed();
        t.expression = text;
        if (!text.isEmpty()) terms.push_back(t);
    };
    for (const Token& tok : all) {
        if (tok.kind != Token::punct) continue;
        const QChar c = order[tok.begin];
        if (c == u'(') ++depth;
        else if (c == u')') --depth;
        else if (c == u',' && depth == 0) {
            close(tok.begin);
            start = tok.end;
        }
    }
    close(order.size());
    return terms;
}

// Compares two values as the engine orders them: null, then numbers, then text (under the
// program's collation), then anything else.
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
    const QByteArray x = a.toString().toUtf8(), y = b.toString().toUtf8();
    const int c = ra == 2 ? jet::compare_nocase(x.constData(), int(x.size()), y.constData(), int(y.size())) : x.compare(y);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace

int RecordSet::place(qint64 key, int hint) {
    load_keys();
    if (key_expr_.isEmpty()) {
        // A set read whole is small: read again.
        requery();
        return position_of(QVariant(key));
    }
    // How many rows of the set the row makes now: none when it no longer meets the condition;
    // with a look-up, one for each look-up row its text meets, as the join gives it.
    int times = 0;
    {
        const QString where = where_.isEmpty() ? QString() : QStringLiteral(" AND (%1)").arg(where_);
        if (lookup_.table.isEmpty()) {
            Statement st = db_.prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?%3").arg(from_, key_expr_, where));
            st.bind(1, key);
            times = st.step() ? int(st.column_int64(0)) : 0;
        } else {
            Statement st = db_.prepare(
                QStringLiteral("SELECT %1.%2 FROM %1 WHERE %1.%3 = ?%4").arg(rows_from_, lookup_.on, key_column_, where));
            st.bind(1, key);
            if (st.step() && !st.column_is_null(0)) {
                Statement matches = db_.prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?").arg(lookup_.table, lookup_.match));
                matches.bind(1, st.column(0));
                times = matches.step() ? int(matches.column_int64(0)) : 0;
            }
        }
    }
    // Where it stands now: one place, typically.
    int old = hint >= 0 && hint < count() && keys_[size_t(hint)] == key ? hint : -1;
    int standing = 0;
    for (int i = 0; i < count(); ++i)
        if (keys_[size_t(i)] == key) {
            ++standing;
            if (old < 0) old = i;
        }
    cache_.clear();
    const auto remove_at = [&](int i) {
        emit removing_row(i);
        keys_.erase(keys_.begin() + i);
        if (current_ > i || current_ >= count()) current_ = std::max(-1, current_ - 1);
        emit row_removed(i);
    };
    if (times == 0 || standing > 1 || times > 1) {
        for (int i = count() - 1; i >= 0; --i)
            if (keys_[size_t(i)] == key) remove_at(i);
        old = -1;
        if (times == 0) return -1;
    }

    // Its new place: after the last row (itself left out) that does not sort after it, found by
    // halving.
    const int others = count() - (old >= 0 ? 1 : 0);
    const auto other_key = [&](int i) { return keys_[size_t(old >= 0 && i >= old ? i + 1 : i)]; };
    int at = 0;
    const std::vector<OrderTerm> terms = order_terms(natural_order());
    if (terms.empty()) {
        at = others;
    } else {
        QStringList expressions;
        for (const OrderTerm& t : terms) expressions << t.expression;
        // With a look-up whose columns the order does not name, a row's values come from the row
        // alone, without the join.
        const bool alone = !lookup_.table.isEmpty() && !mentions_columns_of(db_.handle(), lookup_.table, natural_order());
        Statement values = db_.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                           .arg(expressions.join(u','), alone ? rows_from_ : from_, key_expr_));
        const auto read = [&](qint64 k) {
            QVector<QVariant> v;
            values.bind(1, k);
            if (values.step())
                for (int c = 0; c < values.column_count(); ++c) v << values.column(c);
            values.reset();
            return v;
        };
        const QVector<QVariant> mine = read(key);
        const auto sorts_after_me = [&](qint64 other) {
            const QVector<QVariant> theirs = read(other);
            for (size_t t = 0; t < terms.size(); ++t) {
                int c = compare_values(theirs.value(int(t)), mine.value(int(t)));
                if (terms[t].descending) c = -c;
                if (c != 0) return c > 0;
            }
            return false;
        };
        int low = 0, high = others;
        while (low < high) {
            const int mid = low + (high - low) / 2;
            if (sorts_after_me(other_key(mid))) high = mid;
            else low = mid + 1;
        }
        at = low;
    }
    if (old >= 0) {
        // Still in the set, once: the rows from its old place to its new one move by one, and
        // the set keeps its size.
        if (at != old) {
            if (at < old) std::rotate(keys_.begin() + at, keys_.begin() + old, keys_.begin() + old + 1);
            else std::rotate(keys_.begin() + old, keys_.begin() + old + 1, keys_.begin() + at + 1);
            if (current_ == old) current_ = at;
            else if (current_ >= std::min(at, old) && current_ <= std::max(at, old)) current_ += at < old ? 1 : -1;
        }
        emit rows_changed(std::min(at, old), std::max(at, old));
        return at;
    }
    for (int k = 0; k < times; ++k) {
        emit inserting_row(at + k);
        keys_.insert(keys_.begin() + at + k, key);
        if (current_ >= at + k) ++current_;
        emit row_inserted(at + k);
    }
    return at;
}

void RecordSet::requery() {
    loaded_ = false;
    cache_.clear();
    counts_.reset();
    if (count_.kept) count_.kept->version = -1;  // read again means counted again
    looked_up_.clear();
    lookups_read_ = false;
    rows_.clear();
    pending_.clear();
    edit_mode_ = EditMode::none;
    on_deleted_ = false;
    no_match_ = false;
    load_keys();
    emit reset();
}
