#include "grid_query.h"

QString GridQuery::sql() const {
    QString columns = view + QStringLiteral(".*");
    for (const QString& c : joined.columns) columns += QStringLiteral(", ") + joined.table + u'.' + c;
    QString text = QStringLiteral("SELECT %1 FROM %2 INNER JOIN %3 ON %2.%4 = %3.%5")
                       .arg(columns, joined.table, view, joined.match, joined.on);
    if (!condition.isEmpty()) text += QStringLiteral(" where ") + condition;
    return text + QStringLiteral(" order by ") + order();
}

QString GridQuery::order() const {
    if (!sort_column) return QStringLiteral("quotes.random");
    // Per column, "%1" standing for the direction.
    static const char* const orders[column_count] = {"key %1 ",
                                                     "author %1 , text2",
                                                     "text2 %1",
                                                     "subject  %1 , author, text2",
                                                     "rate %1 , author, text2",
                                                     "language %1 , author, text2",
                                                     "quotes.notes %1 , author, text2"};
    return QString::fromLatin1(orders[int(*sort_column)])
        .arg(direction == Qt::DescendingOrder ? QStringLiteral("DESC") : QStringLiteral("ASC"));
}

KeyedSource GridQuery::source() const { return KeyedSource{sql(), view, key, table, condition, order(), joined, {}}; }
