#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

#include <vector>

// The order of a list window: the column clicked last (-1: random order) and, per column, the
// direction of its last click. Each column keeps its own direction while the window is open.
class SortState {
public:
    explicit SortState(int columns = 10) : directions_(size_t(columns)) {}

    int column() const { return column_; }
    // "ASC", "DESC" or empty (never clicked).
    QString direction(int column) const;
    // A click on a column header: it becomes the sort column, and its direction turns over,
    // ascending first. A column beyond the directions kept is stored but orders nothing.
    void click(int column);
    // Sorted by `column` in `order`, as clicks on its header until it shows that order.
    void set(int column, Qt::SortOrder order);
    // Back to random order; the directions are kept.
    void to_random() { column_ = -1; }

    // The order text of the sort column, from one text per column in which "%1" stands for the
    // direction; empty in random order or for a column without one.
    QString order_text(const QStringList& orders) const;
    // For a header's sort indicator: true when the list is sorted by a column that shows one.
    bool indicator(int columns_shown, Qt::SortOrder& order) const;

private:
    int column_ = -1;
    std::vector<QString> directions_;
};
