#pragma once

#include <QString>
#include <QVariant>
#include <Qt>

#include <memory>
#include <optional>

class Database;
class KeyReader;

// The main grid's query as a value: the filter (typed clauses), the order (a grid column and
// its direction, or the random order). It is rendered to SQL here and nowhere else: for the
// engine, over the sort keys the file keeps (grid_keys), so that an index serves every order and
// every "=" filter; and as the program's own statement text (`current_quotes_sql`) for what
// reads that. Every consumer asks the value what it is.
//
// The list is the quotations joined to their authors, as an inner join gives them: a quotation
// whose author is not in the authors' table is not listed, one whose author's name was entered
// twice is listed twice.
struct GridQuery {
    // The grid's columns, in the grid's order.
    enum class Column { key, author, text, subject, rate, language, note };
    static constexpr int column_count = 7;

    // A name typed in a filter: the quotations of exactly that name (letter case and accents as
    // "=" compares them) when it names an author or a subject, else those whose name contains it.
    struct Name {
        QString text;
        bool exact = false;
    };
    struct Filter {
        std::optional<Name> author, subject;
        QString language_contains, text_contains, note_contains;  // empty: no clause
        QString key;  // a number as typed (checked before); empty: no clause
        // The rates from `rate_from` to `rate_to`, both included; one alone: that rate.
        QString rate_from, rate_to;
        // Quotations rated at least this (a choice of the command line).
        std::optional<int> min_rate;
        bool empty() const {
            return !author && !subject && language_contains.isEmpty() && text_contains.isEmpty() &&
                   note_contains.isEmpty() && key.isEmpty() && rate_from.isEmpty() && rate_to.isEmpty() && !min_rate;
        }
    };

    Filter filter;
    std::optional<Column> sort_column;  // none: the random order
    Qt::SortOrder direction = Qt::AscendingOrder;

    void sort_by(Column column, Qt::SortOrder order = Qt::AscendingOrder) {
        sort_column = column;
        direction = order;
    }
    void to_random_order() { sort_column.reset(); }
    bool random_order() const { return !sort_column; }
    bool sorted_by_author() const { return sort_column == Column::author; }
    bool filtered() const { return !filter.empty(); }

    // The program's statement text: "SELECT Quotes_with_sortable_text.*, Authors.picture FROM
    // Authors INNER JOIN Quotes_with_sortable_text ON Authors.name = Quotes_with_sortable_text.Author"
    // with " where " and condition(), then " order by " and the order.
    QString sql() const;
    // The filter as the program's condition text, without "where"; empty: every quotation.
    QString condition() const;

    // The filter for the engine over the quotations `q` (and the authors' table `k`), with its
    // values as literals; empty: every quotation. `keys_stored`: the file keeps the sort keys
    // (else they are computed as the rows are read). `search_index`: the substring index may be
    // asked for the candidates of a text or note clause where it is the cheaper plan.
    // `by_order`: the equality and range clauses are written so that no index serves them (a
    // unary plus), for when so many rows meet them that walking the order's index finds a page
    // sooner than finding them all and sorting them.
    // `reads_rows` is told whether a clause matches a pattern in each row's texts, which no
    // index serves. A pattern asks the substring index for its candidates when they are fewer
    // than `few_candidates`.
    QString engine_condition(Database& db, bool keys_stored, bool by_order = false, bool* reads_rows = nullptr,
                             int few_candidates = 2000) const;

    // For the engine: "SELECT <columns> FROM quotes q JOIN author_keys k ..." with the filter and
    // `more` (a condition over q), in the random order. On a file this program may write, the
    // keys are brought up to date first.
    QString random_order_sql(Database& db, const QString& columns, const QString& more = QString()) const;
    // The same rows in no order: the engine reads them the cheapest way (a bulk change sorts
    // its keys itself).
    QString unordered_sql(Database& db, const QString& columns) const;

private:
    QString list_sql(Database& db, const QString& columns, const QString& more, bool ordered) const;
};

// The grid's list of `query`, read on `db` a page at a time (for RecordSet); `writer`, when
// given, keys again what was written since the list was last read (grid_keys::refill).
std::unique_ptr<KeyReader> grid_reader(Database& db, Database* writer, const GridQuery& query);
