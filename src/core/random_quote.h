#pragma once

#include "quote_filter.h"

#include <QString>
#include <QVariant>

#include <optional>

class Database;
namespace random_order {
class Generator;
}

// One quotation for the terminal: the first of the random order among those the filter keeps
// (and that the main window would list: their author has a row), moved to the back of the order
// as the main window moves every quotation it shows, so that one call after another goes
// through the whole collection before any quotation comes again.
struct ShownQuote {
    qint64 key = 0;
    QString text, author, subject, language, note;
    QVariant rate;  // null when the quotation has none
};

struct RandomChoice {
    QuoteFilter filter;  // author, subject, language and text are used
    int min_rate = 0;    // 0: any rate, none included
};

// Throws DbError. Nothing when no quotation meets the choice. On a database opened for reading
// only, nothing is moved.
std::optional<ShownQuote> next_random_quote(Database& db, random_order::Generator& rng, const RandomChoice& choice);

// "text", then "    -- author", as a fortune program prints one.
QString plain_text(const ShownQuote& quote);
// One line of JSON: text, author, subject, language, rate, note, key.
QString json_text(const ShownQuote& quote);
