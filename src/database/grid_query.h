#pragma once

#include "recordset.h"

#include <QString>

// The main grid's statement as a value: the saved query of the quotations with its key, the
// filter condition, the order, and the author's picture joined by name. It renders the
// statement text the rest of the program reads (`current_quotes_sql`) and says to the record
// set what to read, so that a grid of a million quotations takes its fast path by construction.
struct GridQuery {
    QString condition;  // without "where"; empty: every quotation
    QString order;      // without "order by"; empty: random order

    QString view = QStringLiteral("Quotes_with_sortable_text");
    QString key = QStringLiteral("key");
    QString table = QStringLiteral("quotes");
    KeyedSource::Lookup joined{QStringLiteral("Authors"), QStringLiteral("name"), QStringLiteral("Author"),
                               {QStringLiteral("picture")}};

    // "SELECT Quotes_with_sortable_text.*, Authors.picture FROM Authors INNER JOIN
    // Quotes_with_sortable_text ON Authors.name = Quotes_with_sortable_text.Author" with
    // " where " and the condition, then " order by " and the order (or "quotes.random").
    QString sql() const;
    QString order_or_random() const { return order.isEmpty() ? QStringLiteral("quotes.random") : order; }
    bool random_order() const { return order.isEmpty(); }
    KeyedSource source() const;
};
