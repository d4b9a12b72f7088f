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

QString svg(const QString& title, const std::vector<Bar>& bars, const QString& none_name, const QString& background,
            const QString& text, const QString& bar) {
    constexpr int width = 800, names = 240, row = 26, top = 48, room = width - names - 90;
    const int height = top + row * int(bars.size()) + 16;
    qint64 highest = 1;
    for (const Bar& b : bars) highest = std::max(highest, b.count);
    const auto escaped = [](const QString& t) { return t.toHtmlEscaped(); };
    QString out;
    out += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\" "
                          "font-family=\"sans-serif\" font-size=\"13\">\n")
               .arg(width)
               .arg(height);
    out += QStringLiteral("<rect width=\"100%\" height=\"100%\" fill=\"%1\"/>\n").arg(background);
    out += QStringLiteral("<text x=\"%1\" y=\"28\" font-size=\"17\" font-weight=\"bold\" text-anchor=\"middle\" fill=\"%2\">%3</text>\n")
               .arg(width / 2)
               .arg(text, escaped(title));
    int y = top;
    for (const Bar& b : bars) {
        const int length = std::max(1, int(double(room) * double(b.count) / double(highest)));
        out += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"end\" fill=\"%3\">%4</text>\n")
                   .arg(names - 8)
                   .arg(y + 17)
                   .arg(text, escaped(b.name.isEmpty() ? none_name : b.name));
        out += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                   .arg(names)
                   .arg(y + 4)
                   .arg(length)
                   .arg(row - 8)
                   .arg(bar);
        out += QStringLiteral("<text x=\"%1\" y=\"%2\" fill=\"%3\">%4</text>\n").arg(names + length + 6).arg(y + 17).arg(text).arg(b.count);
        y += row;
    }
    out += QStringLiteral("</svg>\n");
    return out;
}

}  // namespace overview
