#include "overview.h"

#include "database/database.h"
#include "database/jet_dialect.h"

#include <QHash>

#include <algorithm>

namespace overview {

namespace {

// The names of a reference table's column by their folded form, as the quotations' counts are kept.
QHash<QString, QString> names_of(Database& db, const QString& sql) {
    QHash<QString, QString> names;
    Statement rows = db.prepare_plain(sql);
    while (rows.step()) {
        const QString name = rows.column_text(0);
        names.insert(jet::folded(name), name);
    }
    return names;
}

// The bars of `counts` (folded text -> rows), named from `names`, the largest `most` of them.
std::vector<Bar> largest(const QHash<QString, int>& counts, const QHash<QString, QString>& names, int most) {
    std::vector<Bar> bars;
    bars.reserve(size_t(counts.size()));
    for (auto it = counts.begin(); it != counts.end(); ++it) bars.push_back({names.value(it.key(), it.key()), it.value()});
    std::sort(bars.begin(), bars.end(), [](const Bar& a, const Bar& b) {
        return a.count != b.count ? a.count > b.count : a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    if (bars.size() > size_t(most)) bars.resize(size_t(most));
    return bars;
}

}  // namespace

Counts count(Database& db, int most) {
    Counts c;
    const auto subjects = count_per_text(db, QStringLiteral("quotes"), QStringLiteral("subject"));
    const auto languages = count_per_text(db, QStringLiteral("quotes"), QStringLiteral("language"));
    const auto authors = count_per_text(db, QStringLiteral("quotes"), QStringLiteral("author"));
    c.subjects = largest(subjects, names_of(db, QStringLiteral("SELECT subject FROM subjects")), most);
    c.languages = largest(languages, names_of(db, QStringLiteral("SELECT code FROM languages")), most);
    c.authors = largest(authors, names_of(db, QStringLiteral("SELECT name FROM authors")), most);
    c.subjects_in_all = int(subjects.size());
    c.languages_in_all = int(languages.size());
    c.authors_in_all = int(authors.size());
    // The rates, from the rate's index; those without one come first.
    Statement rates = db.prepare_plain(QStringLiteral("SELECT rate, count(*) FROM quotes GROUP BY rate ORDER BY rate"));
    while (rates.step()) {
        c.rates.push_back({rates.column_is_null(0) ? QString() : rates.column_text(0), rates.column_int64(1)});
        c.quotations += rates.column_int64(1);
    }
    return c;
}

}  // namespace overview
