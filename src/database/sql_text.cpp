#include "sql_text.h"

#include <QSet>

namespace sql_text {

namespace {

bool is_word_start(QChar c) { return c.isLetter() || c == u'_'; }
bool is_word_char(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

const QSet<QString>& join_words() {
    static const QSet<QString> words = {"INNER", "LEFT", "RIGHT", "OUTER", "FULL", "CROSS", "NATURAL",
                                        "JOIN", "ON", "USING", "WHERE", "GROUP", "ORDER", "HAVING",
                                        "LIMIT", "UNION", "EXCEPT", "INTERSECT", "WINDOW", "AS", "SET",
                                        "VALUES", "SELECT", "FROM"};
    return words;
}

}  // namespace

std::vector<Token> tokenize(QStringView sql) {
    std::vector<Token> out;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    auto push = [&](Token::Kind k, qsizetype b, qsizetype e) {
        if (k == Token::space && !out.empty() && out.back().kind == Token::space) {
            out.back().end = e;
            return;
        }
        out.push_back({k, b, e});
    };
    while (i < n) {
        const QChar c = sql[i];
        const qsizetype b = i;
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace()) ++i;
            push(Token::space, b, i);
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            while (i < n && sql[i] != u'\n') ++i;
            push(Token::space, b, i);
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            i += 2;
            while (i + 1 < n && !(sql[i] == u'*' && sql[i + 1] == u'/')) ++i;
            i = qMin(n, i + 2);
            push(Token::space, b, i);
        } else if (c == u'\'') {
            ++i;
            while (i < n) {
                if (sql[i] == u'\'') {
                    if (i + 1 < n && sql[i + 1] == u'\'') {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            push(Token::string, b, i);
        } else if (c == u'"' || c == u'`' || c == u'[') {
            const QChar close = c == u'[' ? u']' : c;
            ++i;
            while (i < n && sql[i] != close) ++i;
            i = qMin(n, i + 1);
            push(Token::quoted_name, b, i);
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && sql[i + 1].isDigit())) {
            while (i < n && (sql[i].isDigit() || sql[i] == u'.')) ++i;
            if (i < n && (sql[i] == u'e' || sql[i] == u'E')) {
                qsizetype j = i + 1;
                if (j < n && (sql[j] == u'+' || sql[j] == u'-')) ++j;
                if (j < n && sql[j].isDigit()) {
                    i = j;
                    while (i < n && sql[i].isDigit()) ++i;
                }
            }
            push(Token::number, b, i);
        } else if (is_word_start(c)) {
            while (i < n && is_word_char(sql[i])) ++i;
            push(Token::word, b, i);
        } else {
            ++i;
            push(Token::punct, b, i);
        }
    }
    return out;
}

QString keyword(QStringView sql, const Token& t) {
    if (t.kind != Token::word) return {};
    return sql.mid(t.begin, t.end - t.begin).toString().toUpper();
}

QString name_of(QStringView sql, const Token& t) {
    QStringView s = sql.mid(t.begin, t.end - t.begin);
    if (t.kind == Token::quoted_name && s.size() >= 2) s = s.mid(1, s.size() - 2);
    return s.toString();
}

SelectParts split_select(const QString& sql) {
    SelectParts parts;
    const std::vector<Token> all = tokenize(sql);
    std::vector<Token> toks;
    for (const Token& t : all)
        if (t.kind != Token::space) toks.push_back(t);
    if (toks.empty() || keyword(sql, toks[0]) != "SELECT") return parts;

    parts.simple = true;
    qsizetype from_i = -1, where_i = -1, order_i = -1, end_i = qsizetype(toks.size());
    qsizetype where_end = -1, from_end = -1;
    int depth = 0;
    for (qsizetype i = 0; i < qsizetype(toks.size()); ++i) {
        const Token& t = toks[i];
        if (t.kind == Token::punct) {
            const QChar c = sql[t.begin];
            if (c == u'(') ++depth;
            else if (c == u')') --depth;
            else if (c == u';' && depth == 0) { end_i = i; break; }
            continue;
        }
        if (depth != 0 || t.kind != Token::word) continue;
        const QString k = keyword(sql, t);
        if (i == 1 && (k == "DISTINCT" || k == "ALL")) parts.simple = false;
        if (k == "FROM" && from_i < 0) from_i = i;
        else if (k == "WHERE" && from_i >= 0 && where_i < 0) where_i = i;
        else if (k == "ORDER" && from_i >= 0) order_i = i;
        else if (k == "GROUP" || k == "HAVING" || k == "LIMIT" || k == "UNION" || k == "EXCEPT" ||
                 k == "INTERSECT" || k == "WINDOW")
            parts.simple = false;
    }
    if (from_i < 0) return parts;
    // Aggregates in the select list make one row of many.
    depth = 0;
    for (qsizetype i = 1; i + 1 < from_i; ++i) {
        const QString k = keyword(sql, toks[i]);
        if ((k == "COUNT" || k == "SUM" || k == "MIN" || k == "MAX" || k == "AVG" || k == "TOTAL" ||
             k == "GROUP_CONCAT") &&
            toks[i + 1].kind == Token::punct && sql[toks[i + 1].begin] == u'(')
            parts.simple = false;
    }
    from_end = where_i >= 0 ? where_i : (order_i >= 0 ? order_i : end_i);
    where_end = order_i >= 0 ? order_i : end_i;
    auto text = [&](qsizetype a, qsizetype b) -> QString {  // tokens [a, b)
        if (a >= b) return {};
        return sql.mid(toks[a].begin, toks[b - 1].end - toks[a].begin);
    };
    parts.select_list = text(1, from_i);
    parts.from = text(from_i + 1, from_end);
    if (where_i >= 0) parts.where = text(where_i + 1, where_end);
    if (order_i >= 0) {
        qsizetype o = order_i + 1;
        if (o < end_i && keyword(sql, toks[o]) == "BY") ++o;
        parts.order_by = text(o, end_i);
    }
    // Names after FROM, JOIN and top-level commas of the FROM clause.
    bool expect_name = true;
    depth = 0;
    for (qsizetype i = from_i + 1; i < from_end; ++i) {
        const Token& t = toks[i];
        if (t.kind == Token::punct) {
            const QChar c = sql[t.begin];
            if (c == u'(') ++depth;
            else if (c == u')') --depth;
            else if (c == u',' && depth == 0) expect_name = true;
            continue;
        }
        if (depth != 0) continue;
        const QString k = keyword(sql, t);
        if (k == "JOIN") { expect_name = true; continue; }
        if (expect_name && (t.kind == Token::word || t.kind == Token::quoted_name) && !join_words().contains(k)) {
            parts.from_names << name_of(sql, t);
            expect_name = false;
        }
    }
    parts.ok = true;
    return parts;
}

bool contains_word(const QString& text, const QString& what) {
    for (const Token& t : tokenize(text))
        if ((t.kind == Token::word || t.kind == Token::quoted_name) &&
            name_of(text, t).compare(what, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

}  // namespace sql_text

QString sql_escape_text(const QString& text) {
    QString out = text;
    out.replace(u'\'', QLatin1String("''"));
    out.remove(QChar(0));  // a NUL would end the statement text; no one types one
    return out;
}

QString sql_escape_pattern(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[') {
            out += u'[';
            out += c;
            out += u']';
        } else if (c == u'\'') {
            out += QLatin1String("''");
        } else if (c.unicode() == 0) {
            continue;  // a NUL would end the statement text
        } else {
            out += c;
        }
    }
    return out;
}

