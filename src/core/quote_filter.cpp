#include "quote_filter.h"

#include "database/database.h"
#include "database/grid_keys.h"

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
    if (!author.isEmpty()) {
        // The authors' keys answer at once where the authors' table is read through.
        const std::optional<bool> known = grid_keys::has_author(db, author);
        f.author = known ? GridQuery::Name{author, *known} : name(author, "SELECT 1 FROM authors WHERE name = ?");
    }
    if (!subject.isEmpty()) f.subject = name(subject, "SELECT 1 FROM subjects WHERE subject = ?");
    f.language_contains = language;
    f.text_contains = text;
    f.note_contains = note;
    f.key = key.trimmed();
    f.rate_from = rate_from;
    f.rate_to = rate_to;
    return f;
}
