#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class Database;
class Statement;
namespace random_order {
class Generator;
}

// The import of quotations from plain text. One quotation a line; a trailing parenthesised part
// of a line is its author when the default author is "Anonymous"; a line beginning with "." is a
// directive for the quotation above it: pieces ".Subj=", ".Note=", ".Rate=", ".Lang=" (any
// letter case), cut at every full stop. A line beginning with a no-break space is left out, with
// the directives under it. Lines repeated within the input (the first 40 characters of the text
// without letter case, or the whole text once folded as duplicates are: letter case, accents,
// punctuation, quotation marks and blanks aside) and quotations already stored (the same text, or
// the same once folded) are skipped and reported; quotations nearly the same as another (in the
// input or stored) are kept and listed for the user to look at.
namespace quote_import {

extern const QString line_break;  // CR LF, as the reports and the listing write lines
extern const QString anonymous;   // "Anonymous": the default author that takes authors from the lines

// One quotation found. Empty fields were not given; the rate is kept as written (1, 2 or 3).
struct Entry {
    QString text, author, subject, note, rate, language;
    bool operator==(const Entry&) const = default;
};

// Called now and then during long work with the part done so far.
using Progress = std::function<void(qint64 done, qint64 total)>;

// What the database holds that an import compares with: the stored quotations' texts (kept as a
// hash of each text as "=" compares it, with the row's key, so that a look-up costs one probe and
// a candidate that hashes alike is confirmed on its row), and the authors, subjects and language
// codes by their folded names. Built in one pass over each table.
class Catalogue {
public:
    // An empty database: nothing stored, every language known (the language check is off).
    Catalogue();
    ~Catalogue();
    Catalogue(Catalogue&&) noexcept;
    Catalogue& operator=(Catalogue&&) noexcept;
    // Throws DbError.
    explicit Catalogue(Database& db);

    // True when a stored quotation has this text, compared without letter case. Throws DbError.
    bool has_text(const QString& text) const;
    // True when a stored quotation has this text once both are folded as duplicates are
    // (duplicates::fold). Throws DbError.
    bool has_folded_text(const QString& text) const;
    // The text of a stored quotation nearly the same as this one (the same once folded but for an
    // attribution after one of them); empty when there is none. Throws DbError.
    QString alike_text(const QString& text) const;
    // The name as stored, or empty text when the table lacks it.
    QString author(const QString& name) const { return authors_.value(key(name)); }
    QString subject(const QString& name) const { return subjects_.value(key(name)); }
    QString language(const QString& code) const { return languages_.value(key(code)); }
    bool checks_languages() const { return db_ != nullptr; }

    // What this program adds: kept so that later look-ups see it.
    void add_text(const QString& text, qint64 key);
    void add_author(const QString& name) { authors_.insert(key(name), name); }
    void add_subject(const QString& name) { subjects_.insert(key(name), name); }
    void add_language(const QString& code) { languages_.insert(key(code), code); }

    // False once the file has changed since the catalogue was read (by this program or another).
    bool current() const;

private:
    static QString key(const QString& name);
    static quint64 text_hash(QStringView text);

    Database* db_ = nullptr;
    qint64 version_ = -1;
    std::vector<std::pair<quint64, qint64>> stored_;  // text hash, key: sorted
    QMultiHash<quint64, qint64> added_;                // text hash, key: added by this program
    std::vector<std::pair<quint64, qint64>> folded_;   // duplicates::fold_hash, key: sorted
    QMultiHash<quint64, qint64> added_folded_;
    std::vector<std::pair<quint64, qint64>> near_;     // duplicates::near_hash, key: sorted
    QMultiHash<quint64, qint64> added_near_;
    QString stored_text(qint64 key) const;  // the text of a stored row; empty when it is gone
    // The stored rows' keys with this hash, added ones too.
    static std::vector<qint64> keys_of(const std::vector<std::pair<quint64, qint64>>& stored,
                                       const QMultiHash<quint64, qint64>& added, quint64 hash);
    mutable std::unique_ptr<Statement> confirm_;      // reads a row to confirm a hash found
    mutable std::unique_ptr<Statement> row_text_;     // reads a row's text
    QHash<QString, QString> authors_, subjects_, languages_;
};

// A part of a report: a heading, then its items.
struct Section {
    QString heading;
    QStringList items;
};

// The skipped items of a processing run, each kind in the order met.
struct Result {
    std::vector<Entry> quotes;      // the quotations found, in input order
    QStringList repeats;            // lines whose text repeats one found before
    QStringList in_database;        // texts already stored
    QStringList alike;              // quotations kept that are nearly the same as another, with it
    QStringList orphan_directives;  // directive lines above any quotation
    QStringList bad_rates;          // quotation text + " -> " + the rate written
    QStringList unknown_languages;  // quotation text + " -> " + the code written
    QStringList without_text;       // lines holding nothing but a parenthesised author
    std::vector<Section> notes;     // what a reader of another format left out (columns, bookmarks, ...)
    // Why the input could not be read at all (the file and line named); nothing was found then.
    QString error;

    // The skipped-items report; empty when nothing was skipped or ignored.
    QString report() const;
    // The counters as the window shows them ("" when a skip counter is 0).
    QString duplicated_in_input_caption() const;
    QString duplicated_in_database_caption() const;
    QString new_quotes_caption() const;
};

// `load_array`: parses `input` (lines end with CR LF, LF or CR). `default_author` is the text
// of the author box: empty stands for "Anonymous". Throws DbError (from the catalogue).
Result load_array(const QString& input, const QString& default_author, const Catalogue& stored,
                  const Progress& progress = {});

// A quotation read from a file of another format (CSV, fortune, Kindle clippings), with every
// field it gives, and the line of the file it begins on.
struct Record {
    Entry entry;
    int line = 0;
};

// What a reader of another format found: its quotations in file order and what it left out, or
// why the input is not of its format (the line, from 1, and what is wrong there).
struct Records {
    std::vector<Record> records;
    std::vector<Section> notes;
    int error_line = 0;
    QString error;
    // Authors may be written "Last, First": one the database has as "First Last" is taken.
    bool authors_last_first = false;
};

// `load_array` for quotations read from another format: the same checks (empty text, repeats
// within the input (the whole text once folded), texts already stored, nearly the same texts, rates other than 1 to 3, languages the database lacks)
// and the same report. A quotation that names no author gets `default_author` (empty stands for
// "Anonymous"); `records.error` is not looked at.
Result load_records(const Records& records, const QString& default_author, const Catalogue& stored,
                    const Progress& progress = {});

// A quotation's text as it is stored: the blank lines before it and the blanks after it gone,
// the indentation of its first line kept (a picture drawn in letters keeps its shape).
QString trimmed_text(const QString& text);

// What makes two texts of another format the same quotation: the whole text without letter case,
// every run of blanks, tabs and line breaks read as one blank.
QString repeat_key(const QString& text);

// The first `n` characters (code points) of a text, the key of the repeat check and the sort.
QString first_characters(const QString& text, int n);

// The listing of `quotes`: each quotation, " (" + author + ")" when it has one, and a directive
// line with the attributes it has; an empty line between quotations, nothing after the last.
// `sorted` lists them by their first 40 characters without letter case (ties in input order).
QString listing(const std::vector<Entry>& quotes, bool sorted, const QString& break_text = line_break);

// `shuffle_parsed`: puts the quotations in random order.
void shuffle(std::vector<Entry>& quotes, random_order::Generator& rng);

// ---------------------------------------------------------------------------- import

// The checks before an import, over the quotations found.
struct Missing {
    int without_author = 0, without_language = 0, with_language = 0;
};
Missing count_missing(const std::vector<Entry>& quotes);

// English texts, shown through QCoreApplication::translate("quote_import", ...).
extern const QString author_missing_message;    // "Author cannot be empty as at least one ..."
extern const QString language_missing_message;  // "Language cannot be empty as for at least one ..."
QString default_language_notice(const QString& language);  // "\"EN\" will be used as default language"
QString added_message(int added);                           // "3 quotes added in database."

struct Defaults {
    QString author;    // for quotations without one
    QString subject;   // for quotations without one; empty: "-"
    QString language;  // for quotations without one
};

struct Outcome {
    int added = 0;
    int passed_over = 0;  // found in the database at import (added meanwhile)
    QStringList new_authors, new_subjects;
    bool default_subject_added = false;  // the subject "-" was missing
    // The authors and subjects added, as the import's report lists them; empty when none.
    QString report() const;
};

// Adds the quotations not stored yet, in their order, in one transaction: the subject "-", and
// every author and subject they name that the database lacks, are created in it. `stored` is
// read again unless it is current. Throws DbError; nothing is added then.
Outcome import_quotes(Database& db, Catalogue& stored, const std::vector<Entry>& quotes, const Defaults& defaults,
                      const Progress& progress = {});

// `ensure_default_subject`: adds the subject "-" when the table lacks it; true when it did.
// Throws DbError.
bool ensure_default_subject(Database& db);

// ---------------------------------------------------------------------------- files

// A text file's content: UTF-8 with or without a byte-order mark, UTF-16 with its mark or
// without it (recognised by the NUL bytes of its ASCII letters). Without a mark, UTF-8 is read
// line by line: a line that is not UTF-8 is read as Windows-1252 (old 8-bit editors) and
// named in the notes, the other lines stay UTF-8. Any other file holding NUL bytes is not text.
struct FileText {
    QString text;
    QString error;               // why it could not be read; empty when it was
    std::vector<Section> notes;  // how it was read, when that is worth a word in the report
};
FileText read_text_file(const QString& path);
// The same rules for bytes already read.
QString decode_text(const QByteArray& bytes, bool* is_text = nullptr, std::vector<Section>* notes = nullptr);

}  // namespace quote_import
