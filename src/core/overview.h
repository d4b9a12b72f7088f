#pragma once

#include <QString>

#include <vector>

class Database;

// The collection at a glance: quotations per subject, per language, per rate, and the authors
// with most quotations, counted from the indexes of the sort keys.
namespace overview {

struct Bar {
    QString name;  // as the reference tables write it; empty: none given
    qint64 count = 0;
};

struct Counts {
    // The largest first (ties by name), at most `most` of each; `*_in_all` counts them all.
    std::vector<Bar> subjects, languages, rates, authors;
    int subjects_in_all = 0, languages_in_all = 0, authors_in_all = 0;
    qint64 quotations = 0;
};

// Throws DbError.
Counts count(Database& db, int most = 20);

// A bar chart of `bars` (the first at the top) as an SVG drawing, in the colours given
// ("#rrggbb"): the background, the text and the bars.
QString svg(const QString& title, const std::vector<Bar>& bars, const QString& none_name, const QString& background,
            const QString& text, const QString& bar);

}  // namespace overview
