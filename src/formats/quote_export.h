#pragma once

#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class Database;
struct GridQuery;

// The export of quotations to plain text: one block per quotation, an empty line between
// blocks, lines ending in CR LF. A block is the quotation's text (trimmed), optionally followed
// by " (" + author + ")", and optionally a detail line with the tags ".Subj=", ".Note=",
// ".Rate=", ".Lang=" (each item ending in one blank). Grouped by author, a heading
// "--------- Quotes of " + author + " ----------" and an empty line come before the first
// quotation of each author.
namespace quote_export {

extern const QString line_break;  // CR LF

// The program's text (above), a fortune file (cookies separated by "%" lines, the author on the
// attribution line, the note as its source), or CSV (a header row, then one record a quotation,
// the columns text, author, subject, language, rate, note: text and the ones chosen).
enum class Format { text, fortune, csv };

// What is written after each quotation's text, and whether quotations are grouped by author.
// A fortune file has room for the author and the note only, and no grouping; CSV no grouping.
struct Options {
    Format format = Format::text;
    bool author = false;
    bool subject = false;
    bool note = false;
    bool rate = false;
    bool language = false;
    bool group_by_author = false;
};

// One quotation's fields as text (empty for none).
struct Quote {
    QString text, author, subject, notes, rate, language;
};

// Builds the text block by block.
class Writer {
public:
    explicit Writer(const Options& options);

    void add(const Quote& quote);
    // The text so far; in the program's text format without the line break the file ends with.
    const QString& text() const { return text_; }
    int count() const { return count_; }
    // In the program's text format: the quotations it cannot carry whole, each as the start of
    // its text and why (a text of several lines, a text beginning with "." or a no-break space,
    // a note or subject holding a full stop or a line break, an author holding parentheses, a
    // text whose trailing parentheses would be read as the author, a text that begins like an
    // earlier one). Read back, those would come in changed, split or dropped.
    const QStringList& losses() const { return losses_; }
    // The file: UTF-8, ending as the format ends (CR LF for text; a CSV file begins with a
    // byte-order mark, so that spreadsheets read its letters right).
    QByteArray file_bytes() const;

private:
    void new_block();
    void add_text_block(const Quote& quote);

    void check_text_format(const Quote& quote);

    Options options_;
    QString text_;
    QStringList losses_;
    QSet<QString> starts_;  // the first 40 characters of each text written, folded
    int count_ = 0;
    std::optional<QString> previous_author_;  // none before the first quotation
};

// What the export says before writing the text format when `writer` has losses: how many of its
// quotations the format cannot carry whole, the first few named, and that CSV carries them all.
QString losses_message(const Writer& writer, int named = 5);

// Reads the quotations `quotes_sql` lists, in its order, and writes them; with `only` not
// empty, only the quotations whose key is in it. Throws DbError.
Writer export_quotes(Database& db, const QString& quotes_sql, const Options& options, const QSet<qint64>& only = {});

// The same for the main window's list: the quotations `query` lists, in its order, read through
// the indexes the list is read through. `progress` is told the rows done now and then (it may
// throw to stop). Throws DbError.
Writer export_list(Database& db, const GridQuery& query, const Options& options, const QSet<qint64>& only = {},
                   const std::function<void(qint64 done, qint64 total)>& progress = {});

// Writes the file at `path`, whole or not at all; the reason when it could not be written.
QString save(const Writer& writer, const QString& path);

}  // namespace quote_export
