#include "quote_filter.h"

#include "database/database.h"

#include <QRegularExpression>

bool QuoteFilter::valid_key(const QString& key) {
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    return key.trimmed().isEmpty() || number.match(key.trimmed()).hasMatch();
}

GridQuery::Filter QuoteFilter::filter(Database& db) const {
    GridQuery::Filter f;
    const auto name = [&](const QString& typed, const char* sql) {
        Statement st = db.prepare(QString::fromLatin1(sql));
        st.bind(1, typed);
        return GridQuery::Name{typed, st.step()};
    };
    if (!author.isEmpty()) f.author = name(author, "SELECT 1 FROM authors WHERE name = ?");
    if (!subject.isEmpty()) f.subject = name(subject, "SELECT 1 FROM subjects WHERE subject = ?");
    f.language_contains = language;
    f.text_contains = text;
    f.note_contains = note;
    f.key = key.trimmed();
    f.rate_from = rate_from;
    f.rate_to = rate_to;
    return f;
}
