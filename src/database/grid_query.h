#pragma once

#include "recordset.h"

#include <QString>
#include <Qt>

#include <optional>

// The main grid's statement as a value: the saved query of the quotations with its key, the
// filter condition, the order (a grid column and its direction, or the random order), and the
// author's picture joined by name. It renders the statement text the rest of the program reads
// (`current_quotes_sql`) and says to the record set what to read, so that a grid of a million
// quotations takes its fast path by construction. What the list is sorted by is asked of the
// value, never read back from the text.
struct GridQuery {
    // The grid's columns, in the grid's order.
    enum class Column { key, author, text, subject, rate, language, note };
    static constexpr int column_count = 7;

    QString condition;  // without "where"; empty: every quotation
    std::optional<Column> sort_column;  // none: the random order
    Qt::SortOrder direction = Qt::AscendingOrder;

    QString view = QStringLiteral("Quotes_with_sortable_text");
    QString key = QStringLiteral("key");
    QString table = QStringLiteral("quotes");
    KeyedSource::Lookup joined{QStringLiteral("Authors"), QStringLiteral("name"), QStringLiteral("Author"),
                               {QStringLiteral("picture")}};

    void sort_by(Column column, Qt::SortOrder order = Qt::AscendingOrder) {
        sort_column = column;
        direction = order;
    }
    void to_random_order() { sort_column.reset(); }
    bool random_order() const { return !sort_column; }
    bool sorted_by_author() const { return sort_column == Column::author; }

    // "SELECT Quotes_with_sortable_text.*, Authors.picture FROM Authors INNER JOIN
    // Quotes_with_sortable_text ON Authors.name = Quotes_with_sortable_text.Author" with
    // " where " and the condition, then " order by " and the order.
    QString sql() const;
    // The order's text, without "order by": the sort column's (rows alike in it by author and
    // text), or "quotes.random".
    QString order() const;
    KeyedSource source() const;
};
