#include "quote_import.h"

#include "database/held_files.h"

#include "database/database.h"
#include "database/duplicates.h"
#include "database/jet_dialect.h"
#include "database/random_order.h"
#include "database/search_index.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>

namespace quote_import {

const QString line_break = QStringLiteral("\r\n");
const QString anonymous = QStringLiteral("Anonymous");
// The English texts; what is shown is their translation (QCoreApplication::translate("quote_import", ...)).
const QString author_missing_message =
    QStringLiteral(QT_TRANSLATE_NOOP("quote_import", "Author cannot be empty as at least one quotation comes without author"));
const QString language_missing_message = QStringLiteral(
    QT_TRANSLATE_NOOP("quote_import", "Language cannot be empty as for at least one quotation no language is specified"));

namespace {

constexpr int key_length = 40;  // the characters the repeat check and the sort compare
const QString default_subject = QStringLiteral("-");

bool is_valid_rate(const QString& rate) {
    return rate == QLatin1String("1") || rate == QLatin1String("2") || rate == QLatin1String("3");
}

// A section of a report: its heading, an empty line, then each item followed by an empty line.
QString section(const QString& heading, const QStringList& items) {
    QString out = heading + line_break + line_break;
    for (const QString& item : items) out += item + line_break + line_break;
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------- catalogue

QString Catalogue::key(const QString& name) { return jet::folded(name); }

namespace {
// The code point at `i`, folded as jet::folded folds it; `i` moves past a surrogate pair.
char32_t folded_at(QStringView text, qsizetype& i) {
    const char16_t u = text[i].unicode();
    if (u < 0x80) return (u >= 'A' && u <= 'Z') ? char32_t(u + 32) : char32_t(u);
    if (!QChar::isSurrogate(u)) return jet::fold(char32_t(u));
    const bool pair = QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return pair ? jet::fold(QChar::surrogateToUcs4(u, text[++i].unicode())) : char32_t(0xFFFD);
}
}  // namespace

// The text folded as jet::folded folds it, hashed as it is folded (FNV-1a over the code points):
// texts equal under the program's collation hash alike, and nothing is allocated.
quint64 Catalogue::text_hash(QStringView text) {
    quint64 h = 14695981039346656037ull;
    for (qsizetype i = 0; i < text.size(); ++i) h = (h ^ folded_at(text, i)) * 1099511628211ull;
    return h;
}

Catalogue::Catalogue() = default;
Catalogue::~Catalogue() = default;
Catalogue::Catalogue(Catalogue&&) noexcept = default;
Catalogue& Catalogue::operator=(Catalogue&&) noexcept = default;

Catalogue::Catalogue(Database& db) : db_(&db), version_(db.data_version()) {
    {
        Statement st = db.prepare(QStringLiteral("SELECT key, text FROM quotes"));
        while (st.step())
            if (!st.column_is_null(1)) {
                const QString text = st.column_text(1);
                const qint64 key = st.column_int64(0);
                stored_.emplace_back(text_hash(text), key);
                // Texts without an attribution (most) are folded once.
                const QString bare = duplicates::without_attribution(text);
                const quint64 folded = duplicates::fold_hash(text);
                folded_.emplace_back(folded, key);
                near_.emplace_back(bare.size() == text.size() ? folded : duplicates::fold_hash(bare), key);
            }
    }
    std::sort(stored_.begin(), stored_.end());
    std::sort(folded_.begin(), folded_.end());
    std::sort(near_.begin(), near_.end());
    const auto read = [&db](const char* sql, QHash<QString, QString>& into) {
        Statement st = db.prepare(QString::fromLatin1(sql));
        while (st.step()) {
            const QString name = st.column_text(0);
            if (!name.isEmpty() && !into.contains(key(name))) into.insert(key(name), name);
        }
    };
    read("SELECT name FROM authors", authors_);
    read("SELECT subject FROM subjects", subjects_);
    read("SELECT code FROM languages", languages_);
}

bool Catalogue::current() const { return db_ && version_ == db_->data_version(); }

bool Catalogue::has_text(const QString& text) const {
    const quint64 h = text_hash(text);
    std::vector<qint64> keys;
    const auto range = std::equal_range(stored_.begin(), stored_.end(), std::make_pair(h, qint64(0)),
                                        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto it = range.first; it != range.second; ++it) keys.push_back(it->second);
    for (qint64 k : added_.values(h)) keys.push_back(k);
    if (keys.empty() || !db_) return false;
    // The same hash: the row itself decides, as the database compares texts.
    if (!confirm_)
        confirm_ = std::make_unique<Statement>(db_->prepare(QStringLiteral("SELECT 1 FROM quotes WHERE key = ? AND text = ?")));
    for (qint64 k : keys) {
        confirm_->bind(1, k);
        confirm_->bind(2, text);
        const bool same = confirm_->step();
        confirm_->reset();
        if (same) return true;
    }
    return false;
}

std::vector<qint64> Catalogue::keys_of(const std::vector<std::pair<quint64, qint64>>& stored,
                                      const QMultiHash<quint64, qint64>& added, quint64 hash) {
    std::vector<qint64> keys;
    if (hash == 0) return keys;  // a text that folds to nothing is like no other
    const auto range = std::equal_range(stored.begin(), stored.end(), std::make_pair(hash, qint64(0)),
                                        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto it = range.first; it != range.second; ++it) keys.push_back(it->second);
    for (qint64 k : added.values(hash)) keys.push_back(k);
    return keys;
}

QString Catalogue::stored_text(qint64 key) const {
    if (!row_text_) row_text_ = std::make_unique<Statement>(db_->prepare(QStringLiteral("SELECT text FROM quotes WHERE key = ?")));
    row_text_->bind(1, key);
    const QString text = row_text_->step() ? row_text_->column_text(0) : QString();
    row_text_->reset();
    return text;
}

bool Catalogue::has_folded_text(const QString& text) const {
    const std::vector<qint64> keys = keys_of(folded_, added_folded_, duplicates::fold_hash(text));
    if (keys.empty() || !db_) return false;
    const QString wanted = duplicates::fold(text);
    for (qint64 k : keys)
        if (duplicates::fold(stored_text(k)) == wanted) return true;
    return false;
}

QString Catalogue::alike_text(const QString& text) const {
    const std::vector<qint64> keys = keys_of(near_, added_near_, duplicates::near_hash(text));
    if (keys.empty() || !db_) return {};
    const QString wanted = duplicates::near_text(text);
    for (qint64 k : keys) {
        const QString stored = stored_text(k);
        if (!stored.isEmpty() && duplicates::near_text(stored) == wanted) return stored;
    }
    return {};
}

void Catalogue::add_text(const QString& text, qint64 key) {
    added_.insert(text_hash(text), key);
    added_folded_.insert(duplicates::fold_hash(text), key);
    added_near_.insert(duplicates::near_hash(text), key);
}

// ---------------------------------------------------------------------------- parsing

QString first_characters(const QString& text, int n) {
    qsizetype i = 0;
    for (int count = 0; i < text.size() && count < n; ++count)
        i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    return text.left(i);
}

QString trimmed_text(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace()) --end;
    // The blank lines before the first line go; that line's own indentation stays.
    qsizetype begin = 0;
    for (qsizetype i = 0; i < end && text[i].isSpace(); ++i)
        if (text[i] == u'\n' || text[i] == u'\r') begin = i + 1;
    return text.mid(begin, end - begin);
}

QString repeat_key(const QString& text) { return jet::folded(text.simplified()); }

namespace {

// The checks every quotation found goes through, whatever format it was read from: a text, not
// a repeat of one found before, not stored yet; then its rate and language, each checked. A
// quotation repeats another, or a stored one, when their texts are the same once folded as
// duplicates are; a line of the program's text also when their first 40 characters are alike,
// and is stored when "=" finds its text.
class Collector {
public:
    enum class Repeats { first_characters, whole_text };
    Collector(const Catalogue& stored, Result& r, Repeats repeats) : stored_(stored), r_(r), repeats_(repeats) {}

    // Adds the quotation to the result; false when it is skipped, reported under `shown`.
    bool add(const QString& text, const QString& author, const QString& shown) {
        if (text.isEmpty()) {
            r_.without_text << shown;
            return false;
        }
        // A repeat: the same text once folded, or for the program's own text, the same first 40
        // characters without letter case. A text of signs alone folds to nothing: its letter
        // case and blanks aside, then.
        const quint64 folded = duplicates::fold_hash(text);
        const QString prefix =
            repeats_ == Repeats::first_characters ? jet::folded(first_characters(text, key_length)) : QString();
        const QString signs = folded == 0 ? repeat_key(text) : QString();
        if ((folded != 0 && folded_seen_.contains(folded)) || (!prefix.isNull() && seen_.contains(prefix)) ||
            (!signs.isNull() && seen_.contains(signs))) {
            r_.repeats << shown;
            return false;
        }
        // A text already stored counts as found too: its repeats stay repeats when the same
        // input is processed again after its import.
        if (folded != 0) folded_seen_.insert(folded);
        if (!prefix.isNull()) seen_.insert(prefix);
        if (!signs.isNull()) seen_.insert(signs);
        const bool stored = folded != 0 ? stored_.has_folded_text(text) : stored_.has_text(text);
        if ((repeats_ == Repeats::first_characters && stored_.has_text(text)) || stored) {
            r_.in_database << text;
            return false;
        }
        r_.quotes.push_back(Entry{text, author, {}, {}, {}, {}});
        return true;
    }

    // The quotations kept that are nearly the same as one before them in the input, or as a
    // stored one, are listed for the user to decide on; none is dropped.
    void list_alike() {
        QStringList texts;
        texts.reserve(qsizetype(r_.quotes.size()));
        for (const Entry& e : r_.quotes) texts << e.text;
        const std::vector<qsizetype> earlier = duplicates::alike_earlier(texts);
        const QString in_input = QCoreApplication::translate("quote_import", "    is nearly the same as, in the input: %1");
        const QString in_database = QCoreApplication::translate("quote_import", "    is nearly the same as, in the database: %1");
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (earlier[size_t(i)] >= 0) {
                r_.alike << texts[i] + line_break + in_input.arg(texts[earlier[size_t(i)]]);
                continue;
            }
            const QString stored = stored_.alike_text(texts[i]);
            if (!stored.isEmpty()) r_.alike << texts[i] + line_break + in_database.arg(stored);
        }
    }

    void set_rate(Entry& quote, const QString& value) {
        quote.rate = value.isEmpty() || is_valid_rate(value) ? value : QString();
        if (!value.isEmpty() && quote.rate.isEmpty()) r_.bad_rates << quote.text + QStringLiteral(" -> ") + value;
    }

    void set_language(Entry& quote, const QString& value) {
        quote.language = value.isEmpty() || !stored_.checks_languages() ? value : stored_.language(value);
        if (!value.isEmpty() && quote.language.isEmpty()) r_.unknown_languages << quote.text + QStringLiteral(" -> ") + value;
    }

private:
    const Catalogue& stored_;
    Result& r_;
    Repeats repeats_;
    QSet<QString> seen_;  // the first 40 characters of each text found (the program's own text), and texts of signs alone
    QSet<quint64> folded_seen_;  // the fold hash of each text found
};

// Sets the attributes a directive line gives the quotation above it.
void apply_directive(const QString& line, Entry& quote, Collector& checks) {
    for (const QString& raw : line.mid(1).trimmed().split(u'.')) {
        const QString piece = raw.trimmed();
        const QString name = piece.left(5);
        const QString value = piece.mid(5).trimmed();
        const auto is = [&name](const char* k) { return name.compare(QLatin1String(k), Qt::CaseInsensitive) == 0; };
        if (is("subj=")) quote.subject = value;
        else if (is("note=")) quote.note = value;
        else if (is("rate=")) checks.set_rate(quote, value);
        else if (is("lang=")) checks.set_language(quote, value);
    }
}

// The author of the quotations that name none: the one chosen, else "Anonymous".
QString author_or_anonymous(const QString& default_author) {
    const QString chosen = default_author.trimmed();
    return chosen.isEmpty() ? anonymous : chosen;
}

}  // namespace

Result load_array(const QString& input, const QString& default_author, const Catalogue& stored, const Progress& progress) {
    Result r;
    Collector checks(stored, r, Collector::Repeats::first_characters);
    const QString author_default = author_or_anonymous(default_author);
    // "Anonymous" (or nothing chosen) takes each line's author from its trailing parentheses.
    const bool authors_from_lines = author_default.compare(anonymous, Qt::CaseInsensitive) == 0;
    bool skip_directives = false;   // the quotation above was skipped: its directives go with it
    const qsizetype n = input.size();
    qsizetype lines = 0;
    for (qsizetype pos = 0; pos < n;) {
        qsizetype end = pos;
        while (end < n && input[end] != u'\n' && input[end] != u'\r') ++end;
        qsizetype first = pos;
        while (first < end && (input[first] == u' ' || input[first] == u'\t')) ++first;
        const bool hidden = first < end && input[first] == QChar(0x00A0);
        const QString line = input.mid(pos, end - pos).trimmed();
        pos = end + ((end + 1 < n && input[end] == u'\r' && input[end + 1] == u'\n') ? 2 : 1);
        if (progress && ++lines % 4096 == 0) progress(std::min(pos, n), n);
        // A line beginning with a no-break space is left out, with the directives under it.
        if (hidden) {
            skip_directives = true;
            continue;
        }
        // Blanks, tabs and no-break spaces alone make an empty line.
        if (line.isEmpty()) continue;

        if (line.startsWith(u'.')) {
            if (skip_directives) continue;
            if (r.quotes.empty()) {
                r.orphan_directives << line;
                continue;
            }
            apply_directive(line, r.quotes.back(), checks);
            continue;
        }

        QString text = line, author = author_default;
        if (authors_from_lines) {
            const qsizetype open = text.lastIndexOf(u'(');
            const qsizetype close = open < 0 ? -1 : text.indexOf(u')', open);
            if (open >= 0 && close == text.size() - 1) {
                author = text.mid(open + 1, close - open - 1).trimmed();
                text = text.left(open).trimmed();
            }
        }
        skip_directives = !checks.add(text, author, line);
    }
    checks.list_alike();
    if (progress) progress(n, n);
    return r;
}

Result load_records(const Records& records, const QString& default_author, const Catalogue& stored, const Progress& progress) {
    Result r;
    Collector checks(stored, r, Collector::Repeats::whole_text);
    const QString author_default = author_or_anonymous(default_author);
    const qsizetype n = qsizetype(records.records.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (progress && i % 4096 == 0) progress(i, n);
        const Entry& e = records.records[size_t(i)].entry;
        const QString text = trimmed_text(e.text);
        QString author = e.author.trimmed().isEmpty() ? author_default : e.author.trimmed();
        if (records.authors_last_first && author.count(u',') == 1 && stored.author(author).isEmpty()) {
            const QString first_last = author.section(u',', 1).trimmed() + u' ' + author.section(u',', 0, 0).trimmed();
            if (!stored.author(first_last).isEmpty()) author = stored.author(first_last);
        }
        const QString shown = (text.isEmpty() ? QStringLiteral("line %1:").arg(records.records[size_t(i)].line) : text) +
                              QStringLiteral(" (") + author + u')';
        if (!checks.add(text, author, shown)) continue;
        Entry& quote = r.quotes.back();
        quote.subject = e.subject.trimmed();
        quote.note = e.note.trimmed();
        checks.set_rate(quote, e.rate.trimmed());
        checks.set_language(quote, e.language.trimmed());
    }
    checks.list_alike();
    r.notes = records.notes;
    if (progress) progress(n, n);
    return r;
}

QString Result::report() const {
    QString out;
    if (!repeats.isEmpty()) out = section(QCoreApplication::translate("quote_import", "POSSIBLE DUPLICATED ITEMS IN INPUT TEXT SKIPPED:"), repeats);
    if (!in_database.isEmpty())
        out = (out.isEmpty() ? QString() : line_break + line_break) + out +
              section(QCoreApplication::translate("quote_import", "ITEMS ALREADY IN DATABASE SKIPPED:"), in_database);
    if (!alike.isEmpty())
        out += section(QCoreApplication::translate("quote_import", "NEARLY THE SAME AS ANOTHER QUOTATION, KEPT FOR THE IMPORT "
                                                                   "(TAKE OUT OF THE INPUT THE ONES YOU DO NOT WANT):"),
                       alike);
    if (!without_text.isEmpty()) out += section(QCoreApplication::translate("quote_import", "LINES WITHOUT QUOTATION TEXT SKIPPED:"), without_text);
    if (!orphan_directives.isEmpty())
        out += section(QCoreApplication::translate("quote_import", "DIRECTIVES BEFORE THE FIRST QUOTATION IGNORED:"), orphan_directives);
    if (!bad_rates.isEmpty()) out += section(QCoreApplication::translate("quote_import", "RATES OTHER THAN 1, 2 OR 3 IGNORED:"), bad_rates);
    if (!unknown_languages.isEmpty())
        out += section(QCoreApplication::translate("quote_import", "LANGUAGES NOT IN THE DATABASE IGNORED (THE DEFAULT LANGUAGE IS USED):"),
                       unknown_languages);
    for (const Section& s : notes)
        if (!s.items.isEmpty()) out += section(s.heading, s.items);
    return out;
}

// The counts as the user's locale writes numbers.
QString Result::duplicated_in_input_caption() const {
    return repeats.isEmpty() ? QString()
                             : QCoreApplication::translate("quote_import", "Duplicated quotes in input text: %1")
                                   .arg(QLocale().toString(repeats.size()));
}

QString Result::duplicated_in_database_caption() const {
    return in_database.isEmpty() ? QString()
                                 : QCoreApplication::translate("quote_import", "Duplicated quotes in database: %1")
                                       .arg(QLocale().toString(in_database.size()));
}

QString Result::new_quotes_caption() const {
    return QCoreApplication::translate("quote_import", "New quotes: %1").arg(QLocale().toString(quotes.size()));
}

// ---------------------------------------------------------------------------- listing

QString listing(const std::vector<Entry>& quotes, bool sorted, const QString& break_text) {
    std::vector<qsizetype> order(quotes.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    if (sorted) {
        std::vector<QByteArray> keys;
        keys.reserve(quotes.size());
        for (const Entry& e : quotes) keys.push_back(first_characters(e.text, key_length).toUtf8());
        std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
            return jet::compare_nocase(keys[a].constData(), int(keys[a].size()), keys[b].constData(), int(keys[b].size())) < 0;
        });
    }
    QString out;
    for (qsizetype i : order) {
        const Entry& e = quotes[size_t(i)];
        if (!out.isEmpty()) out += break_text + break_text;
        out += e.text;
        if (!e.author.isEmpty()) out += QStringLiteral(" (") + e.author + u')';
        QStringList detail;
        if (!e.subject.isEmpty()) detail << QStringLiteral(".Subj=") + e.subject;
        if (!e.note.isEmpty()) detail << QStringLiteral(".Note=") + e.note;
        if (!e.rate.isEmpty()) detail << QStringLiteral(".Rate=") + e.rate;
        if (!e.language.isEmpty()) detail << QStringLiteral(".Lang=") + e.language;
        if (!detail.isEmpty()) out += break_text + detail.join(u' ');
    }
    return out;
}

void shuffle(std::vector<Entry>& quotes, random_order::Generator& rng) {
    const size_t count = quotes.size();
    for (size_t i = 0; i < count; ++i) {
        const size_t j = std::min(count - 1, size_t(double(rng.next()) * double(count)));
        std::swap(quotes[i], quotes[j]);
    }
}

// ---------------------------------------------------------------------------- import

Missing count_missing(const std::vector<Entry>& quotes) {
    Missing m;
    for (const Entry& e : quotes) {
        if (e.author.isEmpty()) ++m.without_author;
        if (e.language.isEmpty()) ++m.without_language;
        else ++m.with_language;
    }
    return m;
}

QString default_language_notice(const QString& language) {
    return QCoreApplication::translate("quote_import", "\"%1\" will be used as default language").arg(language);
}

QString added_message(int added) {
    return QCoreApplication::translate("quote_import", "%1 quotes added in database.").arg(QLocale().toString(added));
}

QString Outcome::report() const {
    QString out;
    if (!new_authors.isEmpty()) out += section(QCoreApplication::translate("quote_import", "AUTHORS ADDED TO THE DATABASE:"), new_authors);
    if (!new_subjects.isEmpty()) out += section(QCoreApplication::translate("quote_import", "SUBJECTS ADDED TO THE DATABASE:"), new_subjects);
    return out;
}

bool ensure_default_subject(Database& db) {
    {
        Statement has = db.prepare(QStringLiteral("Select * from subjects where subject = '-'"));
        if (has.step()) return false;
    }
    db.execute(QStringLiteral("INSERT INTO subjects (subject) VALUES ('-')"));
    return true;
}

namespace {

// The search index kept in step with a large import in bulk. Its insert triggers make every
// INSERT statement end by writing the index's pending terms to the file: a hundred thousand
// quotations took ten times as long as the same rows inserted with one statement. So for the
// import's transaction the triggers are taken off, and at the end the new rows (keys above the
// last one before: keys only grow) are indexed with one statement per column and the triggers
// put back as they were. A rollback of the transaction undoes all of it.
class IndexInBulk {
public:
    // Fewer quotations go through the triggers: no change to the file's schema for them.
    static constexpr size_t from = 100;

    IndexInBulk(Database& db, size_t quotations) : db_(db) {
        if (quotations < from) return;
        for (const QString column : {QStringLiteral("text"), QStringLiteral("notes")}) {
            const QString trigger = search_index::table_of(column) + QStringLiteral("_insert");
            Statement st = db.prepare_plain(
                QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'trigger' AND tbl_name = 'quotes' AND name = ?"));
            st.bind(1, trigger);
            if (st.step()) triggers_.push_back({column, trigger, st.column_text(0)});
        }
        if (triggers_.empty()) return;
        last_key_ = db.scalar(QStringLiteral("SELECT coalesce(max(key), 0) FROM quotes")).toLongLong();
        for (const Trigger& t : triggers_) db.execute_plain(QStringLiteral("DROP TRIGGER ") + t.name);
    }

    void finish() {
        for (const Trigger& t : triggers_) {
            // What the trigger gives each row, every new row at once.
            Statement add = db_.prepare_plain(QStringLiteral("INSERT INTO %1(rowid, %2) SELECT key, %2 FROM quotes WHERE key > ?")
                                                  .arg(search_index::table_of(t.column), t.column));
            add.bind(1, last_key_);
            add.step();
            db_.execute_plain(t.sql);
        }
        triggers_.clear();
    }

private:
    struct Trigger {
        QString column, name, sql;
    };
    Database& db_;
    std::vector<Trigger> triggers_;
    qint64 last_key_ = 0;
};

}  // namespace

Outcome import_quotes(Database& db, Catalogue& stored, const std::vector<Entry>& quotes, const Defaults& defaults,
                      const Progress& progress) {
    Outcome o;
    try {
        Database::Transaction transaction(db);
        if (!stored.current()) stored = Catalogue(db);
        o.default_subject_added = ensure_default_subject(db);
        stored.add_subject(default_subject);
        IndexInBulk index(db, quotes.size());
        Statement add_quote = db.prepare(QStringLiteral(
            "INSERT INTO quotes (text, author, subject, language, notes, rate) VALUES (?, ?, ?, ?, ?, ?)"));
        Statement add_author = db.prepare(QStringLiteral("INSERT INTO authors (name) VALUES (?)"));
        Statement add_subject = db.prepare(QStringLiteral("INSERT INTO subjects (subject) VALUES (?)"));
        // The name as stored, or the name added now; none for no name.
        const auto named = [](const QString& name, const QString& known, Statement& add, QStringList& added) {
            if (!known.isEmpty()) return known;
            if (name.isEmpty()) return name;
            add.bind(1, name);
            add.step();
            add.reset();
            added << name;
            return name;
        };
        const QString subject_default = defaults.subject.trimmed().isEmpty() ? default_subject : defaults.subject.trimmed();
        const auto or_null = [](const QString& t) { return t.isEmpty() ? QVariant() : QVariant(t); };
        for (size_t i = 0; i < quotes.size(); ++i) {
            const Entry& e = quotes[i];
            if (progress && i % 1024 == 0) progress(qint64(i), qint64(quotes.size()));
            const QString text = trimmed_text(e.text);
            if (stored.has_text(text)) {
                ++o.passed_over;
                continue;
            }
            const QString a = e.author.isEmpty() ? defaults.author.trimmed() : e.author;
            const QString author = named(a, stored.author(a), add_author, o.new_authors);
            if (!a.isEmpty()) stored.add_author(author);
            const QString s = e.subject.isEmpty() ? subject_default : e.subject;
            const QString subject = named(s, stored.subject(s), add_subject, o.new_subjects);
            stored.add_subject(subject);
            const QString l = e.language.isEmpty() ? defaults.language.trimmed() : e.language;
            const QString known_language = stored.language(l);
            const QString language = known_language.isEmpty() ? l : known_language;
            add_quote.bind(1, text);
            add_quote.bind(2, or_null(author));
            add_quote.bind(3, subject);
            add_quote.bind(4, or_null(language));
            add_quote.bind(5, or_null(e.note));
            add_quote.bind(6, e.rate.isEmpty() ? QVariant() : QVariant(qint64(e.rate.toInt())));
            add_quote.step();
            add_quote.reset();
            stored.add_text(text, db.last_insert_rowid());
            ++o.added;
        }
        index.finish();
        transaction.commit();
    } catch (...) {
        stored = Catalogue();  // it may hold what was rolled back: read again next time
        throw;
    }
    if (progress) progress(qint64(quotes.size()), qint64(quotes.size()));
    return o;
}

// ---------------------------------------------------------------------------- files

namespace {

// Windows-1252 where it differs from Latin-1 (0x80 to 0x9F); the five unused codes stay as
// the control characters Latin-1 gives them.
constexpr char16_t cp1252_high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString from_windows_1252(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(cp1252_high[b - 0x80]) : QChar(char16_t(b));
    }
    return out;
}

}  // namespace

namespace {

// UTF-16 without a byte-order mark: the high byte of every ASCII letter is a NUL, at odd offsets
// for little-endian, at even ones for big-endian. None when the bytes do not look so.
std::optional<QStringConverter::Encoding> utf16_without_mark(const QByteArray& bytes) {
    if (bytes.size() < 2 || bytes.size() % 2 != 0) return std::nullopt;
    const qsizetype n = std::min<qsizetype>(bytes.size(), 8192);
    qsizetype even = 0, odd = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (bytes[i] == '\0') ++(i % 2 == 0 ? even : odd);
    const qsizetype pairs = n / 2;
    if (odd * 4 >= pairs && even * 20 <= odd) return QStringConverter::Utf16LE;
    if (even * 4 >= pairs && odd * 20 <= even) return QStringConverter::Utf16BE;
    return std::nullopt;
}

}  // namespace

QString decode_text(const QByteArray& bytes, bool* is_text, std::vector<Section>* notes) {
    if (is_text) *is_text = true;
    const auto starts = [&bytes](const char* mark) { return bytes.startsWith(QByteArray(mark)); };
    if (starts("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        QStringDecoder utf16(starts("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return utf16(bytes.mid(2));
    }
    if (bytes.contains('\0')) {
        if (const auto encoding = utf16_without_mark(bytes)) {
            QStringDecoder utf16(*encoding);
            QString text = utf16(bytes);
            if (!utf16.hasError()) return text;
        }
        if (is_text) *is_text = false;
        return QString();
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    // Line by line: a line an 8-bit editor saved does not spoil the UTF-8 of the others.
    text.clear();
    QStringList named;
    qsizetype failed = 0;
    int line = 1;
    for (qsizetype start = 0; start < bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArray part = bytes.mid(start, end - start);
        QStringDecoder strict(QStringConverter::Utf8);
        QString decoded = strict(part);
        if (strict.hasError()) {
            decoded = from_windows_1252(part);
            if (++failed <= 20) named << QStringLiteral("line %1: %2").arg(line).arg(decoded.trimmed());
        }
        text += decoded;
        start = end;
    }
    if (failed > 20) named << QCoreApplication::translate("quote_import", "... and %1 more lines").arg(failed - 20);
    if (notes) notes->push_back({QCoreApplication::translate("quote_import", "LINES NOT IN UTF-8, READ AS WINDOWS-1252:"), named});
    return text;
}

FileText read_text_file(const QString& path) {
    FileText out;
    const QFileInfo info(path);
    if (!info.exists()) {
        out.error = QCoreApplication::translate("quote_import", "The file '%1' cannot be read: it does not exist.").arg(path);
        return out;
    }
    if (info.isDir()) {
        out.error = QCoreApplication::translate("quote_import", "The file '%1' cannot be read: it is a folder.").arg(path);
        return out;
    }
    if (held_files::is_held(path)) {
        out.error = held_files::refusal(path);
        return out;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        out.error = QCoreApplication::translate("quote_import", "The file '%1' cannot be read: %2.").arg(path, f.errorString());
        return out;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        out.error = QCoreApplication::translate("quote_import", "The file '%1' cannot be read: %2.").arg(path, f.errorString());
        return out;
    }
    bool is_text = true;
    out.text = decode_text(bytes, &is_text, &out.notes);
    if (!is_text)
        out.error = QCoreApplication::translate("quote_import", "The file '%1' is not a text file: it holds binary data (NUL bytes), and is not UTF-16 "
                                                                "text either.")
                        .arg(path);
    return out;
}

}  // namespace quote_import
