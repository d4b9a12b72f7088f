#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// Lexing of the SQL texts the program builds, just enough to split a SELECT into its clauses
// and to rewrite table qualifiers; string literals and quoted names are never looked inside.
namespace sql_text {

struct Token {
    enum Kind { word, quoted_name, string, number, punct, space };
    Kind kind;
    qsizetype begin;
    qsizetype end;
};

std::vector<Token> tokenize(QStringView sql);

// Upper-case text of a word token, empty for any other kind.
QString keyword(QStringView sql, const Token& t);

// A name token without its quoting ([x], "x", `x`).
QString name_of(QStringView sql, const Token& t);

struct SelectParts {
    bool ok = false;          // a plain SELECT ... FROM ... that the parts below describe
    bool simple = false;      // no DISTINCT, GROUP BY, HAVING, LIMIT, compound or aggregate
    QString select_list;
    QString from;
    QString where;
    QString order_by;
    QStringList from_names;   // table and view names named in FROM, as written
};

SelectParts split_select(const QString& sql);

// True when `text` contains `what` as a whole word outside literals (letter case ignored).
bool contains_word(const QString& text, const QString& what);

}  // namespace sql_text

// Text between single quotes where it is compared with "=" or stored: quotes doubled, nothing
// else changed, so that what is stored is what was typed.
QString sql_escape_text(const QString& text);
// Text placed inside a like pattern to be found literally: the pattern characters *, ?, #
// and [ are bracketed, quotes doubled.
QString sql_escape_pattern(const QString& text);
