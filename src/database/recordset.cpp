#include "recordset.h"

#include "database.h"
#include "jet_dialect.h"
#include "sql_text.h"

#include <QRegularExpression>
#include <sqlite3.h>

#include <algorithm>
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

// ---------------------------------------------------------------- the main grid's join
//
// The main grid joins every quotation to its author:
//   FROM Authors INNER JOIN Quotes_with_sortable_text ON Authors.name = Quotes_with_sortable_text.Author
// The engine answers it with a search of a temporary index of the authors for every quotation, a
// dozen comparisons each: most of the time a grid of a million quotations takes to open. The keys
// of such a set are collected from the quotations alone instead (the random order's index holds
// their authors, so that order reads nothing else), and each distinct author text is then matched
// once against the authors, under the comparison the join itself uses (the program's collation).
// A quotation meets as many authors as the join would give it rows: none for an author without a
// row, two for a name entered twice.

struct NocaseLess {
    bool operator()(const QByteArray& a, const QByteArray& b) const {
        return jet::compare_nocase(a.constData(), int(a.size()), b.constData(), int(b.size())) < 0;
    }
};

bool same_name(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// True when `from` is "<authors> [INNER] JOIN <quotes> ON <authors>.name = <quotes>.author".
bool is_author_join(const QString& from, const QString& quotes) {
    using namespace sql_text;
    std::vector<QString> t;
    for (const Token& tok : tokenize(from)) {
        if (tok.kind == Token::space) continue;
        if (tok.kind == Token::string || tok.kind == Token::number) return false;
        t.push_back(tok.kind == Token::punct ? from.mid(tok.begin, tok.end - tok.begin) : name_of(from, tok));
    }
    if (t.size() == 12 && same_name(t[1], u"INNER")) t.erase(t.begin() + 1);
    static const char16_t* const shape[] = {u"authors", u"JOIN", nullptr, u"ON", u"authors", u".", u"name",
                                            u"=",       nullptr, u".",  u"author"};
    if (t.size() != 11) return false;
    for (size_t i = 0; i < t.size(); ++i)
        if (!same_name(t[i], shape[i] ? QStringView(shape[i]) : QStringView(quotes))) return false;
    return true;
}

// True when the condition or the order names, unqualified, a column that authors has too: the
// join would read it as ambiguous or as the author's, so only the engine may answer.
bool mentions_author_column(sqlite3* db, const QString& text) {
    using namespace sql_text;
    const std::vector<Token> all = tokenize(text);
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].kind != Token::word && all[i].kind != Token::quoted_name) continue;
        const bool after_dot = i > 0 && all[i - 1].kind == Token::punct && text[all[i - 1].begin] == u'.';
        const bool before_dot = i + 1 < all.size() && all[i + 1].kind == Token::punct && text[all[i + 1].begin] == u'.';
        if (after_dot || before_dot) continue;
        const QByteArray name = name_of(text, all[i]).toUtf8();
        if (sqlite3_table_column_metadata(db, "main", "authors", name.constData(), nullptr, nullptr, nullptr, nullptr,
                                          nullptr) == SQLITE_OK)
            return true;
    }
    return false;
}

// Collects the keys of an author join; false (keys untouched) when the engine must do it.
//
// The authors' pictures met on the way are handed back (case-folded name -> picture), so that
// reading the rows need not look for the authors again; `all_pictures` tells whether every
// author's is there.
bool collect_joined_keys(Database& db, const QString& quotes, const QString& where, const QString& order,
                         std::vector<qint64>& keys, QHash<QString, QVariant>& pictures, bool& all_pictures) {
    sqlite3* h = db.handle();
    // The join compares names under the program's collation, whatever the columns declare: so
    // does the matching below.
    if (sqlite3_table_column_metadata(h, "main", "authors", "name", nullptr, nullptr, nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    if (mentions_author_column(h, where) || mentions_author_column(h, order)) return false;

    std::unique_ptr<Statement> st;
    try {
        st = std::make_unique<Statement>(db.prepare(key_query(quotes + QStringLiteral(".key, ") + quotes + QStringLiteral(".author"),
                                                              quotes, where, order)));
    } catch (const DbError&) {
        return false;  // the condition or the order needs the authors after all
    }
    std::vector<qint64> found;
    std::vector<int> author_of;   // per row found: its author text, as an index into `texts`
    std::vector<QByteArray> texts;
    QHash<QByteArray, int> index;
    while (st->step()) {
        sqlite3_stmt* s = st->handle();
        const int kind = sqlite3_column_type(s, 1);
        if (kind == SQLITE_NULL) continue;  // equal to no name
        if (kind != SQLITE_TEXT) return false;
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
        const int n = sqlite3_column_bytes(s, 1);
        auto hit = index.constFind(QByteArray::fromRawData(p, n));
        if (hit == index.cend()) {
            texts.emplace_back(p, n);
            hit = index.insert(texts.back(), int(texts.size()) - 1);
        }
        found.push_back(sqlite3_column_int64(s, 0));
        author_of.push_back(*hit);
    }
    st.reset();

    // How many authors rows each distinct text meets.
    std::vector<int> rows_met(texts.size(), 0);
    if (texts.size() <= 4) {
        // A few: the engine compares them, each in one pass over the authors.
        Statement probe = db.prepare(QStringLiteral("SELECT picture FROM authors WHERE name = ?"));
        for (size_t i = 0; i < texts.size(); ++i) {
            sqlite3_bind_text(probe.handle(), 1, texts[i].constData(), int(texts[i].size()), SQLITE_STATIC);
            QVariant first_picture;
            while (probe.step()) {
                if (rows_met[i]++ == 0) first_picture = probe.column(0);
            }
            pictures.insert(QString::fromUtf8(texts[i]).toCaseFolded(), first_picture);
            probe.reset();
        }
    } else {
        std::map<QByteArray, int, NocaseLess> names;
        QHash<QString, QVariant> every_picture;
        Statement all = db.prepare(QStringLiteral("SELECT name, picture FROM authors"));
        while (all.step()) {
            sqlite3_stmt* s = all.handle();
            const int kind = sqlite3_column_type(s, 0);
            if (kind == SQLITE_NULL) continue;
            if (kind != SQLITE_TEXT) return false;
            const QByteArray name(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), sqlite3_column_bytes(s, 0));
            ++names[name];
            const QString folded = QString::fromUtf8(name).toCaseFolded();
            if (!every_picture.contains(folded)) every_picture.insert(folded, all.column(1));
        }
        pictures = std::move(every_picture);
        all_pictures = true;
        for (size_t i = 0; i < texts.size(); ++i) {
            const auto it = names.find(texts[i]);
            rows_met[i] = it == names.end() ? 0 : it->second;
        }
    }
    keys.clear();
    keys.reserve(found.size());
    for (size_t r = 0; r < found.size(); ++r)
        for (int k = rows_met[size_t(author_of[r])]; k > 0; --k) keys.push_back(found[r]);
    return true;
}

}  // namespace

RecordSet::RecordSet(Database& db, const QString& sql) : db_(db), sql_(sql) { classify(); }

RecordSet::~RecordSet() = default;

void RecordSet::classify() {
    const QString translated = db_.resolve(sql_);
    const sql_text::SelectParts parts = sql_text::split_select(translated);
    if (parts.ok && parts.simple) {
        for (const QString& n : parts.from_names)
            if (n.compare(QLatin1String("Quotes_with_sortable_text"), Qt::CaseInsensitive) == 0) {
                // Rows of the quotations' saved query are rows of quotes: they can be edited
                // and deleted through it, as through a dynaset.
                key_expr_ = n + QStringLiteral(".key");
                table_ = QStringLiteral("quotes");
            }
        if (key_expr_.isEmpty() && parts.from_names.size() == 1 && db_.is_table(parts.from_names.first())) {
            key_expr_ = parts.from_names.first() + QStringLiteral(".rowid");
            table_ = parts.from_names.first();
        }
    }
    if (!key_expr_.isEmpty()) {
        from_ = parts.from;
        where_ = parts.where;
        order_ = parts.order_by;
        select_list_ = parts.select_list;
        try {
            if (prepare_quote_fetch()) {
                // The grid's set: opened to be read, so its keys are read at once (which also
                // tells whether its condition and order are sound).
                load_keys();
            } else {
                fetch_ = std::make_unique<Statement>(db_.prepare(QStringLiteral("SELECT %1, %2 FROM %3 WHERE %1 = ?")
                                                                     .arg(key_expr_, select_list_, from_)));
                for (int i = 1; i < fetch_->column_count(); ++i) fields_ << fetch_->column_name(i);
                // Prepared only to learn at once whether the statement is sound; the keys are read
                // when the set is first read (a set opened to add a row never reads them).
                (void)db_.prepare(key_query(key_expr_, from_, where_, natural_order()));
            }
        } catch (const DbError&) {
            quote_fetch_.reset();
            loaded_ = false;
            keys_.clear();
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
    const QString quotes = key_expr_.chopped(4);  // "<saved query>.key"
    author_pictures_.clear();
    pictures_loaded_ = false;
    if (key_expr_.endsWith(QLatin1String(".key")) && is_author_join(from_, quotes) &&
        collect_joined_keys(db_, quotes, where_, order_, keys_, author_pictures_, pictures_loaded_)) {
        loaded_ = true;
        current_ = keys_.empty() ? -1 : 0;
        rows_version_ = current_version();
        return;
    }
    Statement st = db_.prepare(key_query(key_expr_, from_, where_, natural_order()));
    while (st.step()) keys_.push_back(st.column_int64(0));
    loaded_ = true;
    current_ = keys_.empty() ? -1 : 0;
    rows_version_ = current_version();
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

// The grid's statement, "SELECT <quotes>.*, Authors.picture FROM Authors INNER JOIN <quotes> ON
// Authors.name = <quotes>.Author", gives each quotation its author's picture. Read through the
// join, every row costs a pass over all the authors (their names have no index the program's
// NOCASE could use); read from the quotations alone, a row costs one look-up by key, and the
// pictures come from the authors read once, matched by name under the same comparison.
bool RecordSet::prepare_quote_fetch() {
    const QString quotes = key_expr_.chopped(4);
    QString list = select_list_;
    list.remove(u' ');
    if (!key_expr_.endsWith(QLatin1String(".key")) || !is_author_join(from_, quotes) ||
        list.compare(quotes + QStringLiteral(".*,Authors.picture"), Qt::CaseInsensitive) != 0)
        return false;
    try {
        auto st = std::make_unique<Statement>(db_.prepare(QStringLiteral("SELECT * FROM %1 WHERE key = ?").arg(quotes)));
        QStringList fields;
        for (int i = 0; i < st->column_count(); ++i) fields << st->column_name(i);
        if (fields.isEmpty() || fields.first().compare(QLatin1String("key"), Qt::CaseInsensitive) != 0) return false;
        fields_ = fields;
        fields_ << QStringLiteral("picture");  // the column the join adds
        quote_fetch_ = std::move(st);
        return true;
    } catch (const DbError&) {
        return false;
    }
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
    author_pictures_.clear();
    pictures_loaded_ = false;
    rows_version_ = now;
    return had_rows;
}

void RecordSet::reload_row(int row) {
    load_keys();
    if (key_expr_.isEmpty() || row < 0 || row >= count()) return;
    cache_.remove(row);
    if (!quote_fetch_) {
        fetch_rows(row, row);
        return;
    }
    Statement probe = db_.prepare(QStringLiteral("SELECT picture FROM authors WHERE name = ?"));
    fetch_row(row, &probe, true);
}

void RecordSet::fetch_row(int i, Statement* probe, bool always_probe) const {
    const int n = quote_fetch_->column_count();
    const int author = field_index(QStringLiteral("author"));
    quote_fetch_->bind(1, keys_[size_t(i)]);
    if (quote_fetch_->step()) {
        Row r(n + 1);
        for (int c = 0; c < n; ++c) r[c] = quote_fetch_->column(c);
        const QString name = r.value(author).toString();
        const QString folded = name.toCaseFolded();
        if (probe && (always_probe || !author_pictures_.contains(folded))) {
            probe->bind(1, name);
            const QVariant picture = probe->step() ? probe->column(0) : QVariant();
            probe->reset();
            author_pictures_.insert(folded, picture);
        }
        r[n] = author_pictures_.value(folded);
        cache_.insert(i, std::move(r));
    }
    quote_fetch_->reset();
}

void RecordSet::fetch_rows(int first, int last) const {
    if (cache_.size() > cache_limit) cache_.clear();
    if (cache_.isEmpty()) rows_version_ = current_version();
    if (quote_fetch_) {
        // A set of a few rows asks for its authors' pictures one by one; a larger one reads
        // every author once.
        std::unique_ptr<Statement> probe;
        if (!pictures_loaded_ && count() <= 64) {
            probe = std::make_unique<Statement>(db_.prepare(QStringLiteral("SELECT picture FROM authors WHERE name = ?")));
        } else if (!pictures_loaded_) {
            author_pictures_.clear();
            Statement all = db_.prepare(QStringLiteral("SELECT name, picture FROM authors"));
            while (all.step()) {
                const QString name = all.column_text(0).toCaseFolded();
                if (!author_pictures_.contains(name)) author_pictures_.insert(name, all.column(1));
            }
            pictures_loaded_ = true;
        }
        for (int i = first; i <= last; ++i)
            if (!cache_.contains(i)) fetch_row(i, probe.get(), false);
        return;
    }
    const int n = fetch_->column_count();
    for (int i = first; i <= last; ++i) {
        if (cache_.contains(i)) continue;
        fetch_->bind(1, keys_[size_t(i)]);
        if (fetch_->step()) {
            Row r(n - 1);
            for (int c = 1; c < n; ++c) r[c - 1] = fetch_->column(c);
            cache_.insert(i, std::move(r));
        }
        fetch_->reset();
    }
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
            Statement st = db_.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoted(table_), sets.join(u',')));
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
    Statement st = db_.prepare(cols.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table_))
                                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                    .arg(quoted(table_), names.join(u','), marks.join(u',')));
    int i = 1;
    for (int c : cols) st.bind(i++, pending_.value(c));
    st.step();
    const qint64 rowid = db_.last_insert_rowid();
    last_modified_ = QVariant(rowid);
    edit_mode_ = EditMode::none;
    pending_.clear();
    if (loaded_) {
        // A new row joins the set at its end, as in a dynaset.
        keys_.push_back(rowid);
        if (current_ < 0) current_ = 0;
        emit row_appended(count() - 1);
    }
}

void RecordSet::delete_current() {
    if (!updatable()) throw DbError(db_errors::not_updatable, QStringLiteral("Cannot update. Database or object is read-only."));
    require_current();
    Statement st = db_.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_)));
    st.bind(1, keys_[size_t(current_)]);
    st.step();
    keys_.erase(keys_.begin() + current_);
    cache_.clear();
    on_deleted_ = true;
    emit row_removed(current_);
}

void RecordSet::requery() {
    loaded_ = false;
    cache_.clear();
    author_pictures_.clear();
    pictures_loaded_ = false;
    rows_.clear();
    pending_.clear();
    edit_mode_ = EditMode::none;
    on_deleted_ = false;
    no_match_ = false;
    load_keys();
    emit reset();
}
