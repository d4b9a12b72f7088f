#include "quote_filter.h"

#include "common.h"
#include "database/database.h"
#include "database/recordset.h"

#include <QRegularExpression>

namespace {

void append(QString& condition, const QString& clause) {
    condition += (condition.isEmpty() ? QString() : QStringLiteral(" and ")) + clause;
}

}  // namespace

bool QuoteFilter::valid_key(const QString& key) {
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    return key.trimmed().isEmpty() || number.match(key.trimmed()).hasMatch();
}

QString QuoteFilter::condition(Database& db) const {
    QString condition;
    const auto name_clause = [&](const QString& typed, const QString& column, const QString& lookup) {
        const bool exact = !db.open_recordset(lookup + sql_escape_text(typed) + u'\'')->eof();
        return exact ? u' ' + column + QStringLiteral(" = '") + sql_escape_text(typed) + u'\''
                     : u' ' + column + QStringLiteral(" like '*") + sql_escape_pattern(typed) + QStringLiteral("*'");
    };
    if (!author.isEmpty())
        append(condition, name_clause(author, QStringLiteral("author"), QStringLiteral("Select * from authors where name = '")));
    if (!subject.isEmpty())
        append(condition, name_clause(subject, QStringLiteral("subject"), QStringLiteral("Select * from subjects where subject = '")));
    if (!language.isEmpty())
        append(condition, QStringLiteral(" language like '*") + sql_escape_pattern(language) + QStringLiteral("*'"));
    if (!text.isEmpty()) append(condition, QStringLiteral(" text like '*") + sql_escape_pattern(text) + QStringLiteral("*'"));
    if (!note.isEmpty()) append(condition, QStringLiteral(" quotes.notes like '*") + sql_escape_pattern(note) + QStringLiteral("*'"));
    if (!key.trimmed().isEmpty()) append(condition, QStringLiteral(" key = ") + key.trimmed());
    const QString from = sql_escape_text(rate_from), to = sql_escape_text(rate_to);
    if (!from.isEmpty() && to.isEmpty()) append(condition, QStringLiteral(" rate = '") + from + u'\'');
    else if (!to.isEmpty() && from.isEmpty()) append(condition, QStringLiteral(" rate = '") + to + u'\'');
    else if (!from.isEmpty() && !to.isEmpty()) {
        const QString& low = from < to ? from : to;
        const QString& high = from < to ? to : from;
        append(condition, QStringLiteral(" (rate >= '") + low + QStringLiteral("' and rate <= '") + high + QStringLiteral("')"));
    }
    return condition;
}
