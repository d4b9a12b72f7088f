#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

struct sqlite3;

// The SQL dialect the program's statements are written in, on top of SQLite:
//  - `like` takes Jet patterns: * any run, ? one character, # one digit, [abc], [a-z], [!abc];
//    a bracketed character stands for itself; letter case is ignored for every Unicode letter;
//  - NOCASE (the collation of every text column) ignores letter case for every Unicode letter and
//    sorts accented letters beside their base letter ("élan" beside "Elan", not after "Z");
//  - a table qualifier used through a saved query resolves to that saved query.
namespace jet {

// Registers like() and the NOCASE collation on a connection.
void register_dialect(sqlite3* db);

// Simple Unicode case folding of one code point.
char32_t fold(char32_t c);

// Matches a Jet pattern against a value; throws std::invalid_argument for a malformed pattern.
bool like(QStringView pattern, QStringView value);

// Three-way comparison of two UTF-8 texts under NOCASE.
int compare_nocase(const char* a, int na, const char* b, int nb);

// Rewrites `quotes.random` to `Quotes_with_sortable_text.random` when the statement selects from
// that saved query and not from the table itself. `views` maps a saved query's name (lower case)
// to the table it selects from (lower case).
QString resolve_qualifiers(const QString& sql, const QHash<QString, QString>& views);

}  // namespace jet
