#include "recordset.h"

#include "database.h"
#include "jet_dialect.h"
#include "sql_text.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <cstring>
#include <map>

namespace {

}  // namespace

int compare_as_sorted(const QVariant& a, const QVariant& b, bool program_collation) {
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
    const QByteArray x = ra == 2 ? a.toString().toUtf8() : a.toByteArray();
    const QByteArray y = ra == 2 ? b.toString().toUtf8() : b.toByteArray();
    const int c = ra == 2 && program_collation ? jet::compare_nocase(x.constData(), int(x.size()), y.constData(), int(y.size()))
                                               : x.compare(y);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

namespace {

[[noreturn]] void no_current_record() { throw DbError(db_errors::no_current_record, QStringLiteral("No current record.")); }

QString quoted(const QString& name) {
    QString n = name;
    n.replace(u'"', QLatin1String("\"\""));
    return u'"' + n + u'"';
}

constexpr int cache_limit = 4096;
// The rows of a large list read at first: what a window shows on a common screen. A filter that
// few rows meet is read through the order's index until a page of them is found, so the page
// sets the time to the first rows shown; a taller window reads on as it paints.
constexpr int first_page = 60;

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

}  // namespace

RecordSet::RecordSet(Database& db, const QString& sql) : db_(db), sql_(sql) { classify(); }

RecordSet::RecordSet(Database& db, const KeyedSource& source) : db_(db), sql_(source.sql) {
    key_expr_ = source.from + u'.' + source.key;
    table_ = source.table;
    where_ = source.condition;
    order_ = source.order;
    version_source_ = source.version;
    from_ = source.from;
    fetch_ = std::make_unique<Statement>(
        db_.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(source.from, source.key)));
    for (int i = 0; i < fetch_->column_count(); ++i) fields_ << fetch_->column_name(i);
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

RecordSet::RecordSet(Database& db, std::unique_ptr<KeyReader> reader) : db_(db), reader_(std::move(reader)) {
    sql_ = reader_->sql();
    table_ = reader_->table();
    key_expr_ = QStringLiteral("key");
    fetch_ = std::make_unique<Statement>(db_.prepare_plain(reader_->row_sql()));
    for (int i = 0; i < fetch_->column_count(); ++i) fields_ << fetch_->column_name(i);
    load_keys();
}

// A count under way beside the window. Let go, it is stopped and waited for (the engine stops
// within a moment once asked).
struct RecordSet::CountJob {
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
    qint64 value = -1;
    std::optional<DbError> error;
    std::thread thread;
    ~CountJob() {
        stop = true;
        if (thread.joinable()) thread.join();
    }
};

RecordSet::~RecordSet() = default;

void RecordSet::start_count() const {
    count_job_.reset();
    auto task = reader_->count_task();
    if (!task) return;
    count_job_ = std::make_unique<CountJob>();
    CountJob* job = count_job_.get();
    job->thread = std::thread([job, task = std::move(task)] {
        Database::yield_to_the_window();
        try {
            job->value = task(job->stop);
        } catch (const DbError& e) {
            job->error = e;
        } catch (const std::exception& e) {
            job->error = DbError(0, QString::fromLocal8Bit(e.what()));
        }
        job->done = true;
    });
}

// Waits for nothing: takes the count only once it is there.
void RecordSet::take_count() const {
    if (!count_job_ || !count_job_->done) return;
    const std::unique_ptr<CountJob> job = std::move(count_job_);
    if (job->thread.joinable()) job->thread.join();
    if (job->error) {
        // Counted here instead, where a failure is reported as any other.
        if (total_ < 0) total_ = reader_->count();
        return;
    }
    if (total_ < 0) total_ = job->value;
}

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
    if (reader_) {
        // The first page, and the count: the rest is read as it is needed or when there is time.
        tail_.clear();
        total_ = -1;
        head_ended_ = tail_ended_ = false;
        reader_->restart();
        // The count runs beside the first page's read, on a connection of its own; a list that
        // ends within its first page needs none.
        start_count();
        head_ended_ = !reader_->forward(keys_, first_page);
        if (head_ended_) {
            count_job_.reset();
            total_ = qint64(keys_.size());
        }
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

// A large list read on from its start, for a while.
bool RecordSet::read_more(int ms) {
    if (!reader_) return false;
    load_keys();
    QElapsedTimer clock;
    clock.start();
    while (!head_ended_ && clock.elapsed() < ms) {
        take_count();
        if (total_ >= 0 && qint64(keys_.size() + tail_.size()) >= total_) load_all();
        else if (!reader_->forward(keys_, 2000)) load_all();
    }
    return !head_ended_;
}

bool RecordSet::fully_read() const { return !reader_ || head_ended_; }

// Every key of a large list: read on from the start up to the rows read from the end, which
// then follow.
void RecordSet::load_all() const {
    if (!reader_) return;
    load_keys();
    if (!head_ended_ && tail_.empty() && total_ < 0) {
        // Nothing read from the end: read on to the end, without waiting for a count.
        while (reader_->forward(keys_, 50000)) {
        }
        count_job_.reset();
    } else if (!head_ended_) {
        if (total_ < 0) count();
        const qint64 wanted = std::max<qint64>(0, total_ - qint64(tail_.size()));
        bool ended = false;
        while (!ended && qint64(keys_.size()) < wanted)
            ended = !reader_->forward(keys_, int(std::min<qint64>(wanted - qint64(keys_.size()), 50000)));
        if (!ended || qint64(keys_.size()) < wanted) {
            keys_.resize(size_t(std::min<qint64>(wanted, qint64(keys_.size()))));
            keys_.insert(keys_.end(), tail_.rbegin(), tail_.rend());
        }
    }
    tail_.clear();
    head_ended_ = true;
    if (total_ >= 0 && total_ != qint64(keys_.size())) {
        // The file changed while the list was read: the count follows what was read, and the
        // views are told once what they are doing now (a painting, say) is over.
        auto* self = const_cast<RecordSet*>(this);
        QMetaObject::invokeMethod(self, [self] { emit self->reset(); }, Qt::QueuedConnection);
    }
    total_ = qint64(keys_.size());
    reader_->close();
}

qint64 RecordSet::key_of(int index) const {
    if (size_t(index) < keys_.size()) return keys_[size_t(index)];
    if (!reader_ || head_ended_ || index < 0) return -1;
    const qint64 total = count();
    if (index >= total) return -1;
    if (total - 1 - index >= qint64(tail_.size())) {
        // Not read yet: a page beyond the nearer end.
        const qint64 after_head = index - qint64(keys_.size());
        const qint64 before_tail = total - 1 - index - qint64(tail_.size());
        if (after_head <= before_tail || tail_ended_) {
            if (!reader_->forward(keys_, int(after_head) + first_page)) load_all();
        } else if (!reader_->backward(tail_, int(before_tail) + first_page)) {
            tail_ended_ = true;
        }
        if (!head_ended_ && qint64(keys_.size() + tail_.size()) >= total) load_all();
    }
    if (size_t(index) < keys_.size()) return keys_[size_t(index)];
    if (!head_ended_ && total - 1 - index < qint64(tail_.size())) return tail_[size_t(total - 1 - index)];
    load_all();
    return size_t(index) < keys_.size() ? keys_[size_t(index)] : -1;
}

// An order such as "random ASC, name" over a whole table whose first column an index gives in
// order: the keys are read in the index's order, and only the rows equal in that column (in a
// random order, the few that tie by chance) are put in the whole order. The engine would sort
// every row by the whole order instead, comparing them one by one although nothing ties.
// False, with nothing read, when the order is not of that kind.
bool RecordSet::load_keys_in_leading_order() const {
    if (!where_.isEmpty() || !keys_from_.isEmpty() || from_ != table_) return false;
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

int RecordSet::count() const {
    if (key_expr_.isEmpty()) return int(rows_.size());
    if (reader_ && !head_ended_) {
        if (total_ < 0 && count_job_) {
            // Asked for now: the count under way is waited for.
            count_job_->thread.join();
            take_count();
        }
        if (total_ < 0) total_ = reader_->count();
        return int(total_);
    }
    return int(keys_.size());
}

// Whether a row is there, without counting a large list while the row is among those read.
bool RecordSet::holds(int index) const {
    if (index < 0) return false;
    if (reader_ && size_t(index) < keys_.size()) return true;
    return index < count();
}

bool RecordSet::eof() const {
    load_keys();
    return !holds(current_ < 0 ? 0 : current_);
}

int RecordSet::count_if_known() const {
    load_keys();
    if (!reader_ || head_ended_) return count();
    take_count();
    if (total_ < 0 && !count_job_) return count();  // no count beside the window: taken here
    return int(total_);
}

int RecordSet::known_count() const {
    load_keys();
    if (!reader_ || head_ended_) return count();
    take_count();
    return int(total_ >= 0 ? total_ : qint64(keys_.size()));
}

int RecordSet::record_count() const {
    load_keys();
    return count();
}

int RecordSet::absolute_position() const {
    load_keys();
    if (on_deleted_ || !holds(current_)) return -1;
    return current_;
}

void RecordSet::set_current(int index) {
    current_ = index;
    on_deleted_ = false;
    emit current_changed(index);
}

void RecordSet::set_absolute_position(int position) {
    load_keys();
    if (!holds(position)) throw DbError(db_errors::invalid_argument, QStringLiteral("Invalid argument."));
    set_current(position);
}

void RecordSet::move_first() {
    load_keys();
    if (!holds(0)) no_current_record();
    set_current(0);
}

void RecordSet::move_next() {
    load_keys();
    if (on_deleted_) {  // the row after a deleted one has taken its place
        set_current(current_);
        return;
    }
    if (!holds(current_ < 0 ? 0 : current_)) no_current_record();
    set_current(current_ + 1);
}

void RecordSet::require_current() const {
    load_keys();
    if (on_deleted_) throw DbError(db_errors::record_is_deleted, QStringLiteral("Record is deleted."));
    if (!holds(current_)) no_current_record();
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
    // The rows of a large list's first page are there before its count.
    const int known = reader_ && size_t(index) < keys_.size() ? int(keys_.size()) : count();
    if (index < 0 || index >= known) return nullptr;
    if (key_expr_.isEmpty()) return &rows_[size_t(index)];
    auto hit = cache_.constFind(index);
    if (hit == cache_.cend()) {
        fetch_rows(std::max(0, index - 8), std::min(known - 1, index + 40));
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
    // A list read in part reads the file as it was when it began: read to its end, the file is
    // read as it is now.
    if (reader_ && !head_ended_) load_all();
    const bool had_rows = !cache_.isEmpty();
    cache_.clear();
    counts_.reset();
    rows_version_ = now;
    return had_rows;
}

void RecordSet::reload_row(int row) {
    load_keys();
    if (key_expr_.isEmpty() || !holds(row)) return;
    cache_.remove(row);
    fetch_rows(row, row);
}

void RecordSet::fetch_row(int i) const {
    const int first = fetch_has_key_ ? 1 : 0;
    const int n = fetch_->column_count();
    fetch_->bind(1, key_of(i));
    if (fetch_->step()) {
        Row r;
        r.reserve(n - first + 1);
        for (int c = first; c < n; ++c) r << fetch_->column(c);
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
    for (int i = first; i <= last; ++i)
        if (!cache_.contains(i)) fetch_row(i);
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
    if (!holds(r)) return QVariant();
    if (key_expr_.isEmpty()) return QVariant(r);
    return QVariant(key_of(r));
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
    auto it = std::find(keys_.begin(), keys_.end(), k);
    if (it == keys_.end() && reader_ && !head_ended_) {
        // A large list not read whole: from its end, else whole.
        const auto back = std::find(tail_.begin(), tail_.end(), k);
        if (back != tail_.end()) return count() - 1 - int(back - tail_.begin());
        load_all();
        it = std::find(keys_.begin(), keys_.end(), k);
    }
    return it == keys_.end() ? -1 : int(it - keys_.begin());
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
        Statement st = db_.prepare(reader_ ? reader_->keys_where_sql(condition)
                                           : QStringLiteral("SELECT %1 FROM %2 WHERE (%3)").arg(key_expr_, from_, condition));
        std::vector<qint64> hits;
        while (st.step()) hits.push_back(st.column_int64(0));
        if (hits.size() == 1) {
            found = position_of(QVariant(hits.front()));
        } else if (!hits.empty()) {
            load_all();
            std::sort(hits.begin(), hits.end());
            for (int i = 0; i < count() && found < 0; ++i)
                if (std::binary_search(hits.begin(), hits.end(), keys_[size_t(i)])) found = i;
        }
    }
    if (found < 0) return false;
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
            st.bind(i, key_of(current_));
            st.step();
            cache_.remove(current_);
        }
        last_modified_ = QVariant(key_of(current_));
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
        load_all();
        // A new row joins the set at its end, as in a dynaset.
        emit inserting_row(count());
        keys_.push_back(rowid);
        cache_.clear();
        if (current_ < 0) current_ = 0;
        emit row_inserted(count() - 1);
    }
}

void RecordSet::delete_current() { delete_current({}); }

void RecordSet::delete_current(const std::function<void(Database&, qint64)>& remove) {
    if (!updatable()) throw DbError(db_errors::not_updatable, QStringLiteral("Cannot update. Database or object is read-only."));
    require_current();
    load_all();
    const qint64 key = keys_[size_t(current_)];
    if (remove) {
        remove(writer(), key);
    } else {
        Statement st = writer().prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_)));
        st.bind(1, key);
        st.step();
    }
    cache_.clear();
    on_deleted_ = true;
    // Gone from every place it stood (a quotation whose author's name is entered twice stands
    // twice); the row after it takes its place.
    for (int i = count() - 1; i >= 0; --i) {
        if (keys_[size_t(i)] != key) continue;
        emit removing_row(i);
        keys_.erase(keys_.begin() + i);
        if (i < current_) --current_;
        emit row_removed(i);
    }
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
    load_all();
    if (reader_) {
        times = reader_->times(key);
    } else {
        const QString where = where_.isEmpty() ? QString() : QStringLiteral(" AND (%1)").arg(where_);
        Statement st = db_.prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?%3").arg(from_, key_expr_, where));
        st.bind(1, key);
        times = st.step() ? int(st.column_int64(0)) : 0;
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
    const std::vector<OrderTerm> terms = reader_ ? std::vector<OrderTerm>{} : order_terms(natural_order());
    if (reader_) {
        int low = 0, high = others;
        while (low < high) {
            const int mid = low + (high - low) / 2;
            if (reader_->compare(other_key(mid), key) > 0) high = mid;
            else low = mid + 1;
        }
        at = low;
    } else if (terms.empty()) {
        at = others;
    } else {
        QStringList expressions;
        for (const OrderTerm& t : terms) expressions << t.expression;
        Statement values = db_.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(expressions.join(u','), from_, key_expr_));
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
                int c = compare_as_sorted(theirs.value(int(t)), mine.value(int(t)), true);
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
    rows_.clear();
    pending_.clear();
    edit_mode_ = EditMode::none;
    on_deleted_ = false;
    load_keys();
    emit reset();
}
