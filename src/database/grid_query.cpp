#include "grid_query.h"

QString GridQuery::sql() const {
    QString columns = view + QStringLiteral(".*");
    for (const QString& c : joined.columns) columns += QStringLiteral(", ") + joined.table + u'.' + c;
    QString text = QStringLiteral("SELECT %1 FROM %2 INNER JOIN %3 ON %2.%4 = %3.%5")
                       .arg(columns, joined.table, view, joined.match, joined.on);
    if (!condition.isEmpty()) text += QStringLiteral(" where ") + condition;
    return text + QStringLiteral(" order by ") + order_or_random();
}

KeyedSource GridQuery::source() const { return KeyedSource{sql(), view, key, table, condition, order_or_random(), joined, {}}; }
