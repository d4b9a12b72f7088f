#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

struct sqlite3;

// The SQL dialect the program's statements are written in, on top of SQLite:
//  - `like` takes Jet patterns: * any run, ? one character, # one digit, [abc], [a-z], [!abc];
//    a bracketed character stands for itself; letter case is ignored for every Unicode letter;
//  - text compares and sorts ignoring letter case for every Unicode letter, accented letters beside
//    their base letter ("élan" beside "Elan", not after "Z"), whatever collation the file's columns
//    declare: the collation JET_NOCASE does it, and the statement texts are rewritten to use it
//    (SQLite's own NOCASE, which knows ASCII letters only, is left as it is for every other tool);
//  - a table qualifier used through a saved query resolves to that saved query.
namespace jet {

// The program's own collation; it exists only on the program's connections, so nothing stored in
// a file (an index, a view, a column) ever names it.
inline constexpr const char* collation = "JET_NOCASE";

// Registers like() and the JET_NOCASE collation on a connection.
void register_dialect(sqlite3* db);

// Simple Unicode case folding of one code point.
char32_t fold(char32_t c);
// A text folded code point by code point: two texts fold alike exactly when they are equal under
// JET_NOCASE.
QString folded(const QString& text);

// Matches a Jet pattern against a value; throws std::invalid_argument for a malformed pattern.
bool like(QStringView pattern, QStringView value);

// Three-way comparison of two UTF-8 texts under JET_NOCASE.
int compare_nocase(const char* a, int na, const char* b, int nb);

// Sort keys: bytes whose plain (BINARY) order is the order of JET_NOCASE, so that an index any
// SQLite tool can carry serves the program's orders and "=" filters.
//  - name_key: exact. The base letters of the whole text, a zero byte, then the folded letters
//    that differ from their base letters (accented ones) with their places: two texts have the
//    same key exactly when they are equal under JET_NOCASE. folded_name_of_key gives the text's
//    folded letters back.
//  - prefix_key: coarse, for long texts. The base letters of the first `letters` characters,
//    then a zero byte for a text that ends there or a one byte for a longer one. A smaller key
//    always means an earlier text; texts with equal keys are put in order by comparing them
//    whole. The quotations' texts are keyed by their first 16 letters; notes, which repeat
//    long beginnings ("Translated by ..."), by their first 48.
inline constexpr int text_prefix_letters = 16, note_prefix_letters = 48;
QByteArray name_key(const char* utf8, int n);
QByteArray prefix_key(const char* utf8, int n, int letters = text_prefix_letters);
QByteArray name_key(const QString& text);
QString folded_name_of_key(const QByteArray& key);
// The text as the grid sorts it: without the quotation marks, dashes and blanks it begins with.
QString sortable_text(const QString& text);
// The characters sortable_text() takes off, as SQL (for the saved query that shows it).
QString sortable_text_sql(const QString& column);

// Rewrites `quotes.random` to `Quotes_with_sortable_text.random` when the statement selects from
// that saved query and not from the table itself. `views` maps a saved query's name (lower case)
// to the table it selects from (lower case).
QString resolve_qualifiers(const QString& sql, const QHash<QString, QString>& views);

// Rewrites the text comparisons of a statement to JET_NOCASE: "=" and "<>" with a text literal,
// a parameter or another column, and the terms of ORDER BY that are bare columns. Columns named
// in `numeric` (lower case) compare as numbers and are left alone, so that their indexes still
// serve; assignments (UPDATE ... SET) and statements that define or maintain the schema are never
// touched. Running it twice changes nothing more.
QString use_program_collation(const QString& sql, const QSet<QString>& numeric);

}  // namespace jet
