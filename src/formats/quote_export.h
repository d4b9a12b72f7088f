#pragma once

#include <QSet>
#include <QString>

#include <optional>

class Database;

// The export of quotations to plain text: one block per quotation, an empty line between
// blocks, lines ending in CR LF. A block is the quotation's text (trimmed), optionally followed
// by " (" + author + ")", and optionally a detail line with the tags ".Subj=", ".Note=",
// ".Rate=", ".Lang=" (each item ending in one blank). Grouped by author, a heading
// "--------- Quotes of " + author + " ----------" and an empty line come before the first
// quotation of each author.
namespace quote_export {

extern const QString line_break;  // CR LF

// What is written after each quotation's text, and whether quotations are grouped by author.
struct Options {
    bool author = false;
    bool subject = false;
    bool note = false;
    bool rate = false;
    bool language = false;
    bool group_by_author = false;
};

// Grouping by author makes sense only when the list is ordered by author: the statement holds
// "order by author" (in any letter case).
bool ordered_by_author(const QString& quotes_sql);

// One quotation's fields as text (empty for none).
struct Quote {
    QString text, author, subject, notes, rate, language;
};

// Builds the text block by block.
class Writer {
public:
    explicit Writer(const Options& options) : options_(options) {}

    void add(const Quote& quote);
    // The text so far, without the line break the file ends with.
    const QString& text() const { return text_; }
    int count() const { return count_; }

private:
    void new_block();

    Options options_;
    QString text_;
    int count_ = 0;
    std::optional<QString> previous_author_;  // none before the first quotation
};

// Reads the quotations `quotes_sql` lists, in its order, and writes them; with `only` not
// empty, only the quotations whose key is in it. Throws DbError.
Writer export_quotes(Database& db, const QString& quotes_sql, const Options& options, const QSet<qint64>& only = {});

}  // namespace quote_export
