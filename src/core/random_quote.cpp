#include "random_quote.h"

#include "database/database.h"
#include "database/grid_query.h"
#include "database/random_order.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The first of the random order that the main window would list.
std::optional<ShownQuote> first_in_order(Database& db, const GridQuery& query) {
    Statement st = db.prepare_plain(
        query.random_order_sql(db, QStringLiteral("q.key, q.text, q.author, q.subject, q.language, q.notes, q.rate")) +
        QStringLiteral(" LIMIT 1"));
    if (!st.step()) return std::nullopt;
    ShownQuote q;
    q.key = st.column_int64(0);
    q.text = st.column_text(1);
    q.author = st.column_text(2);
    q.subject = st.column_text(3);
    q.language = st.column_text(4);
    q.note = st.column_text(5);
    q.rate = st.column(6);
    return q;
}

}  // namespace

std::optional<ShownQuote> next_random_quote(Database& db, random_order::Generator& rng, const RandomChoice& choice) {
    GridQuery query;
    query.filter = choice.filter.filter(db);
    if (choice.min_rate > 0) query.filter.min_rate = choice.min_rate;
    // A collection this user may not change is shown as it stands: the first of its order, again
    // and again.
    if (db.read_only()) return first_in_order(db, query);
    // The write lock is taken before the first read, so that a program writing meanwhile makes
    // this wait rather than fail, and no other call can pick the same quotation in between.
    Database::Transaction t(db);
    // Quotations without a number yet (an import leaves them so) get one first, as at start-up:
    // otherwise they would sort first and, rotated from no number, come again at once.
    random_order::fill_missing_random(db, rng);
    const std::optional<ShownQuote> q = first_in_order(db, query);
    if (!q) return std::nullopt;
    // The same rotation as the main window's, in random order.
    random_order::rotate_quote(db, rng, query, qint32(q->key));
    t.commit();
    return q;
}

QString plain_text(const ShownQuote& quote) {
    QString text = quote.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text + QStringLiteral("\n\t-- ") + quote.author + u'\n';
}

QString json_text(const ShownQuote& quote) {
    QJsonObject o;
    o.insert(QStringLiteral("text"), quote.text);
    o.insert(QStringLiteral("author"), quote.author);
    o.insert(QStringLiteral("subject"), quote.subject);
    o.insert(QStringLiteral("language"), quote.language);
    o.insert(QStringLiteral("rate"), quote.rate.isNull() ? QJsonValue() : QJsonValue(quote.rate.toLongLong()));
    o.insert(QStringLiteral("note"), quote.note.isEmpty() ? QJsonValue() : QJsonValue(quote.note));
    o.insert(QStringLiteral("key"), quote.key);
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n';
}
