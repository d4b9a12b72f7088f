#include "sort_state.h"

QString SortState::direction(int column) const {
    return column >= 0 && size_t(column) < directions_.size() ? directions_[size_t(column)] : QString();
}

void SortState::click(int column) {
    column_ = column;
    if (column < 0 || size_t(column) >= directions_.size()) return;
    QString& d = directions_[size_t(column)];
    d = d == QLatin1String("ASC") ? QStringLiteral("DESC") : QStringLiteral("ASC");
}

void SortState::set(int column, Qt::SortOrder order) {
    column_ = column;
    if (column < 0 || size_t(column) >= directions_.size()) return;
    directions_[size_t(column)] = order == Qt::DescendingOrder ? QStringLiteral("DESC") : QStringLiteral("ASC");
}

QString SortState::order_text(const QStringList& orders) const {
    if (column_ < 0 || column_ >= orders.size() || orders[column_].isEmpty()) return QString();
    return orders[column_].arg(direction(column_));
}

bool SortState::indicator(int columns_shown, Qt::SortOrder& order) const {
    if (column_ < 0 || column_ >= columns_shown) return false;
    order = direction(column_) == QLatin1String("DESC") ? Qt::DescendingOrder : Qt::AscendingOrder;
    return true;
}
