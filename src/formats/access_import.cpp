#include "access_import.h"

#include "database/database.h"
#include "database/jet_dialect.h"
#include "database/schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <map>
#include <set>

namespace access_import {

namespace {

const QString default_subject = QStringLiteral("-");

// The rows that did not fit, each problem once with the keys of every row that had it, in the
// order met.
class Problems {
public:
    void add(const QString& heading, const QString& key, const QString& what) {
        const auto id = std::make_pair(heading, what);
        auto it = index_.find(id);
        if (it == index_.end()) {
            it = index_.emplace(id, items_.size()).first;
            items_.push_back({heading, what, {}});
        }
        items_[it->second].keys << key;
    }

    // In the order of `headings`, the empty ones left out.
    std::vector<quote_import::Section> sections(const QStringList& headings) const {
        std::vector<quote_import::Section> out;
        for (const QString& h : headings) out.push_back({h, {}});
        for (const Item& item : items_) {
            auto s = std::find_if(out.begin(), out.end(), [&](const quote_import::Section& x) { return x.heading == item.heading; });
            constexpr qsizetype shown = 50;  // a problem of thousands of rows is still one line
            QString keys = item.keys.mid(0, shown).join(QStringLiteral(", "));
            if (item.keys.size() > shown) keys += QStringLiteral(" and %1 more").arg(item.keys.size() - shown);
            s->items << keys + QStringLiteral(": ") + item.what;
        }
        out.erase(std::remove_if(out.begin(), out.end(), [](const quote_import::Section& x) { return x.items.isEmpty(); }), out.end());
        return out;
    }

private:
    struct Item {
        QString heading, what;
        QStringList keys;
    };
    std::vector<Item> items_;
    std::map<std::pair<QString, QString>, size_t> index_;
};

// The report's headings, in the user's language (read when the report is made, once the
// translation is loaded).
QString heading(const char* text) { return QCoreApplication::translate("access_import", text); }
const char* const quotes_left_out = QT_TRANSLATE_NOOP("access_import", "QUOTATIONS NOT IMPORTED (BY KEY):");
const char* const quotes_changed = QT_TRANSLATE_NOOP("access_import", "QUOTATIONS IMPORTED WITH A CHANGE (BY KEY):");
const char* const rows_left_out = QT_TRANSLATE_NOOP("access_import", "ROWS OF THE REFERENCE TABLES NOT IMPORTED:");
const char* const added =
    QT_TRANSLATE_NOOP("access_import", "NAMES THE QUOTATIONS USE THAT THEIR TABLES LACKED, ADDED (BY THE KEYS OF THE QUOTATIONS):");
const char* const languages_note = QT_TRANSLATE_NOOP("access_import", "THE DEFAULT LANGUAGE:");

// The values of one table by column name; empty for a column the table lacks.
class Rows {
public:
    Rows(const access_file::Table* t) : t_(t) {}
    size_t size() const { return t_ ? t_->rows.size() : 0; }
    QString value(size_t row, const char* column) const {
        if (!t_) return QString();
        const int c = t_->column(QString::fromLatin1(column));
        return c < 0 ? QString() : t_->rows[row].value(c);
    }

private:
    const access_file::Table* t_;
};

QVariant text_or_null(const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); }

QVariant number_or_null(const QString& s) {
    bool ok = false;
    const double d = s.trimmed().toDouble(&ok);
    return ok ? QVariant(d) : QVariant();
}

bool is_yes(const QString& v) {
    const QString t = v.trimmed().toLower();
    return t == QLatin1String("yes") || t == QLatin1String("true") || t == QLatin1String("1") || t == QLatin1String("-1") ||
           t == QStringLiteral("s\u00EC") || t == QLatin1String("si") || t == QLatin1String("ja") || t == QLatin1String("oui");
}

// Names by their folded form, as the program compares them, with the name as stored.
class Names {
public:
    QString find(const QString& name) const { return names_.value(jet::folded(name)); }
    bool insert(const QString& name) {
        const QString key = jet::folded(name);
        if (names_.contains(key)) return false;
        names_.insert(key, name);
        return true;
    }

private:
    QHash<QString, QString> names_;
};

void remove_database_files(const QString& path) {
    for (const QString& f : {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm"), path + QStringLiteral("-journal")})
        QFile::remove(f);
}

// The reference table `table` copied: each row named in `name_column`, the first of each name;
// `columns` are inserted in this order. Returns the names kept.
Names copy_reference(Database& db, const Rows& rows, const char* table, const char* what, const char* name_column,
                     const std::vector<const char*>& columns, Problems& problems, int& count) {
    Names names;
    QStringList marks;
    for (size_t i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
    QStringList list;
    for (const char* c : columns) list << QString::fromLatin1(c);
    Statement add = db.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(QLatin1String(table), list.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    for (size_t r = 0; r < rows.size(); ++r) {
        const QString name = rows.value(r, name_column).trimmed();
        if (name.isEmpty()) {
            problems.add(heading(rows_left_out), QCoreApplication::translate("access_import", "row %1").arg(r + 1), QCoreApplication::translate("access_import", "%1 without a name").arg(QLatin1String(what)));
            continue;
        }
        if (!names.insert(name)) {
            problems.add(heading(rows_left_out), u'\'' + name + u'\'',
                         QCoreApplication::translate("access_import", "%1 with the name of one before (letter case aside)").arg(QLatin1String(what)));
            continue;
        }
        for (size_t c = 0; c < columns.size(); ++c) {
            const QString v = c == 0 ? name : rows.value(r, columns[c]);
            add.bind(int(c) + 1, text_or_null(v));
        }
        add.step();
        add.reset();
        ++count;
    }
    return names;
}

}  // namespace

QString Outcome::report() const {
    QString out;
    for (const quote_import::Section& s : problems) {
        out += s.heading + quote_import::line_break + quote_import::line_break;
        for (const QString& item : s.items) out += item + quote_import::line_break;
        out += quote_import::line_break;
    }
    return out;
}

QString Outcome::counts_text() const {
    const QLocale c = QLocale::c();
    const auto n = [&c](int v, const char* one, const char* many) {
        return c.toString(v) + u' ' + QString::fromLatin1(v == 1 ? one : many);
    };
    return n(quotes, "quotation", "quotations") + QStringLiteral(", ") + n(authors, "author", "authors") + QStringLiteral(", ") +
           n(subjects, "subject", "subjects") + QStringLiteral(", ") + n(languages, "language", "languages") +
           QStringLiteral(" and ") + n(websites, "web site", "web sites");
}

access_file::Contents read_tables(const QString& access_path) {
    return access_file::read(access_path, {QStringLiteral("quotes"), QStringLiteral("authors"), QStringLiteral("subjects"),
                                           QStringLiteral("languages"), QStringLiteral("websites")});
}

Outcome create(const access_file::Contents& tables, const QString& source, const QString& new_path,
               const std::function<void(qint64 done, qint64 total)>& progress) {
    Outcome o;
    if (!tables.error.isEmpty()) {
        o.error = tables.error;
        return o;
    }
    const access_file::Table* quotes_table = tables.table(QStringLiteral("quotes"));
    if (!quotes_table || quotes_table->column(QStringLiteral("text")) < 0) {
        o.error = QCoreApplication::translate("access_import", "The file '%1' is not a collection of quotations: it has no table quotes with a column text.")
                      .arg(source);
        return o;
    }
    try {
        schema::create_database(new_path, false);
    } catch (const DbError& e) {
        o.error = e.description();
        return o;
    }
    Problems problems;
    try {
        auto db = Database::open(new_path);
        Database::Transaction transaction(*db);

        // Languages: the file's own in place of the starting ones, exactly one the default.
        const Rows languages(tables.table(QStringLiteral("languages")));
        if (languages.size() > 0) db->execute(QStringLiteral("DELETE FROM languages"));
        Names language_names = copy_reference(*db, languages, "languages", "a language", "code", {"code", "description"},
                                              problems, o.languages);
        QString default_language;
        for (size_t r = 0; r < languages.size() && default_language.isEmpty(); ++r)
            if (is_yes(languages.value(r, "def"))) default_language = language_names.find(languages.value(r, "code").trimmed());
        if (default_language.isEmpty() && languages.size() > 0) {
            for (size_t r = 0; r < languages.size() && default_language.isEmpty(); ++r)
                default_language = language_names.find(languages.value(r, "code").trimmed());
            if (!default_language.isEmpty())
                problems.add(heading(languages_note), default_language, QCoreApplication::translate("access_import", "no language was marked as the default; this one is now"));
        }
        if (languages.size() == 0) {
            // No languages in the file: the starting ones stay, their default with them.
            for (Statement st = db->prepare(QStringLiteral("SELECT code, def FROM languages")); st.step();) {
                language_names.insert(st.column_text(0));
                if (st.column_text(1) == QLatin1String("Yes")) default_language = st.column_text(0);
            }
        } else {
            db->execute(QStringLiteral("UPDATE languages SET def = 'No'"));
            Statement mark = db->prepare(QStringLiteral("UPDATE languages SET def = 'Yes' WHERE code = ?"));
            mark.bind(1, default_language);
            mark.step();
        }

        const Rows subjects(tables.table(QStringLiteral("subjects")));
        db->execute(QStringLiteral("DELETE FROM subjects"));
        Names subject_names = copy_reference(*db, subjects, "subjects", "a subject", "subject", {"subject"}, problems, o.subjects);
        const Rows authors(tables.table(QStringLiteral("authors")));
        // The random place is written as text: the column makes a number of it.
        Names author_names = copy_reference(*db, authors, "authors", "an author", "name", {"name", "notes", "picture", "random"},
                                            problems, o.authors);
        const Rows websites(tables.table(QStringLiteral("websites")));
        copy_reference(*db, websites, "websites", "a web site", "name", {"name", "address", "language", "note"}, problems, o.websites);

        // The quotations, with their keys where those are whole numbers used once.
        Statement add_author = db->prepare(QStringLiteral("INSERT INTO authors (name) VALUES (?)"));
        Statement add_subject = db->prepare(QStringLiteral("INSERT INTO subjects (subject, quantity) VALUES (?, 0)"));
        Statement add_language = db->prepare(QStringLiteral("INSERT INTO languages (code, description, def) VALUES (?1, ?1, 'No')"));
        const auto known = [&](Names& names, Statement& add, const QString& name, const QString& key, const char* kind, int& count) {
            const QString found = names.find(name);
            if (!found.isEmpty()) return found;
            names.insert(name);
            add.bind(1, name);
            add.step();
            add.reset();
            ++count;
            problems.add(heading(added), key, QStringLiteral("the %1 '%2'").arg(QLatin1String(kind), name));
            return name;
        };
        if (subject_names.find(default_subject).isEmpty()) {
            subject_names.insert(default_subject);
            add_subject.bind(1, default_subject);
            add_subject.step();
            add_subject.reset();
            ++o.subjects;
        }
        const Rows quotes(quotes_table);
        Statement add_quote = db->prepare(QStringLiteral(
            "INSERT INTO quotes (key, text, author, subject, language, notes, rate, random) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        std::set<qint64> keys;
        std::vector<size_t> without_key;
        const auto add = [&](size_t r, const QVariant& key_value, const QString& key) {
            const QString text = quotes.value(r, "text");
            if (text.trimmed().isEmpty()) {
                problems.add(heading(quotes_left_out), key, QCoreApplication::translate("access_import", "no text"));
                return;
            }
            const QString author_written = quotes.value(r, "author").trimmed();
            if (author_written.isEmpty()) {
                problems.add(heading(quotes_left_out), key, QCoreApplication::translate("access_import", "no author"));
                return;
            }
            const QString author = known(author_names, add_author, author_written, key, "author", o.authors);
            const QString subject_written = quotes.value(r, "subject").trimmed();
            const QString subject = subject_written.isEmpty() ? default_subject
                                                              : known(subject_names, add_subject, subject_written, key, "subject", o.subjects);
            QString language = quotes.value(r, "language").trimmed();
            if (language.isEmpty()) {
                language = default_language;
                problems.add(heading(quotes_changed), key, QCoreApplication::translate("access_import", "no language: given the default language %1").arg(default_language));
            } else {
                language = known(language_names, add_language, language, key, "language", o.languages);
            }
            QVariant rate;
            const QString rate_written = quotes.value(r, "rate").trimmed();
            if (!rate_written.isEmpty()) {
                bool number = false;
                const double d = rate_written.toDouble(&number);
                if (number && (d == 1 || d == 2 || d == 3)) rate = qint64(d);
                else problems.add(heading(quotes_changed), key, QCoreApplication::translate("access_import", "the rate %1 is not 1, 2 or 3: imported without a rate").arg(rate_written));
            }
            add_quote.bind(1, key_value);
            add_quote.bind(2, text);
            add_quote.bind(3, author);
            add_quote.bind(4, subject);
            add_quote.bind(5, text_or_null(language));
            add_quote.bind(6, text_or_null(quotes.value(r, "notes")));
            add_quote.bind(7, rate);
            add_quote.bind(8, number_or_null(quotes.value(r, "random")));
            add_quote.step();
            add_quote.reset();
            ++o.quotes;
        };
        for (size_t r = 0; r < quotes.size(); ++r) {
            if (progress && r % 1024 == 0) progress(qint64(r), qint64(quotes.size()));
            const QString written = quotes.value(r, "key").trimmed();
            bool number = false;
            const qint64 key = written.toLongLong(&number);
            if (number && key > 0 && key <= std::numeric_limits<qint32>::max() && keys.insert(key).second)
                add(r, QVariant(key), QString::number(key));
            else
                without_key.push_back(r);
        }
        // After every kept key: the new keys follow the highest.
        for (size_t r : without_key) {
            const QString written = quotes.value(r, "key").trimmed();
            const QString key = written.isEmpty() ? QStringLiteral("row %1").arg(r + 1) : written;
            problems.add(heading(quotes_changed), key,
                         written.isEmpty() ? QCoreApplication::translate("access_import", "no key: given a new one")
                                           : QCoreApplication::translate("access_import", "a key that is not a whole number used once: given a new one"));
            add(r, QVariant(), key);
        }
        transaction.commit();
    } catch (const DbError& e) {
        remove_database_files(new_path);
        if (e.number() == db_errors::cancelled) throw;
        o = Outcome();
        o.error = QCoreApplication::translate("access_import", "The database '%1' cannot be made from '%2': error %3 - %4").arg(new_path, source).arg(e.number()).arg(e.description());
        return o;
    }
    o.problems = problems.sections({heading(rows_left_out), heading(quotes_left_out), heading(quotes_changed), heading(added), heading(languages_note)});
    return o;
}

Outcome import_file(const QString& access_path, const QString& new_path) {
    return create(read_tables(access_path), access_path, new_path);
}

}  // namespace access_import
