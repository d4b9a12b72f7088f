#pragma once

#include <QHash>
#include <QString>

#include <utility>

struct AppContext;

// Quotations per author and per subject, and in all, as the captions of the main window show
// them for every quotation visited. Each name is counted through the index of its sort key (or,
// in a file without them, each column in one grouped pass) and kept while the content stays the
// same: visiting quotations in random order changes only their places. Throws DbError.
class QuoteCounts {
public:
    explicit QuoteCounts(AppContext& ctx) : ctx_(ctx) {}

    // The same number as "Select count (0) from quotes where <column> = '<value>'".
    int of(const QString& column, const QString& value);
    // "Select count(*) from quotes".
    qint64 total();

    // This program has changed one quotation: its author and subject went from `before` to
    // `after` (empty before: added; empty after: deleted). The counts follow by the difference,
    // and stay good through the announcement of the change that follows (the next generation
    // of the hub), instead of being counted again.
    struct Names {
        QString author, subject;
    };
    void quotation_changed(const Names& before, const Names& after);

private:
    void forget_if_changed();
    void move_one(const QString& column, const QString& from, const QString& to);

    AppContext& ctx_;
    QHash<QString, QHash<QString, int>> counts_;  // column -> case-folded name -> quotations
    QHash<QString, bool> whole_;                   // column -> every name of it counted
    qint64 total_ = -1;
    std::pair<qint64, qint64> version_{-1, -1};
};
