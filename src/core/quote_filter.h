#pragma once

#include "database/grid_query.h"

#include <QString>

class Database;

// What the filter fields of the main window hold, and the filter they make. The command line
// (--random, --export) makes its choice through the same rules.
struct QuoteFilter {
    QString author{}, subject{}, language{}, text{}, note{}, key{}, rate_from{}, rate_to{};

    // A key selector is empty or a number that can stand in a statement as it is.
    static bool valid_key(const QString& key);

    // The filter: a name that names an author (or subject) matches exactly, any other text
    // matches anywhere in the name; pattern characters are found as themselves. `lookups`
    // answers whether a name exists. Throws DbError; the key must be valid.
    GridQuery::Filter filter(Database& lookups) const;
};
