#include "quote_export.h"

#include "database/database.h"
#include "database/recordset.h"

#include <QStringList>

namespace quote_export {

const QString line_break = QStringLiteral("\r\n");

namespace {

// Line breaks inside a field as the file writes them: CR LF, whatever the field holds.
QString with_file_line_breaks(QString text) {
    if (!text.contains(u'\n') && !text.contains(u'\r')) return text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    text.replace(u'\n', line_break);
    return text;
}

}  // namespace

bool ordered_by_author(const QString& quotes_sql) {
    return quotes_sql.contains(QLatin1String("order by author"), Qt::CaseInsensitive);
}

void Writer::new_block() {
    if (!text_.isEmpty()) text_ += line_break + line_break;
}

void Writer::add(const Quote& quote) {
    if (options_.group_by_author &&
        (!previous_author_ || previous_author_->compare(quote.author, Qt::CaseInsensitive) != 0)) {
        new_block();
        text_ += QStringLiteral("--------- Quotes of ") + quote.author + QStringLiteral(" ----------");
        previous_author_ = quote.author;
    }
    new_block();
    text_ += with_file_line_breaks(quote.text.trimmed());
    if (options_.author) text_ += QStringLiteral(" (") + quote.author + u')';
    QString detail;
    if (options_.subject) detail += QStringLiteral(".Subj=") + quote.subject + u' ';
    if (options_.note) detail += QStringLiteral(".Note=") + with_file_line_breaks(quote.notes) + u' ';
    if (options_.rate) detail += QStringLiteral(".Rate=") + quote.rate + u' ';
    if (options_.language) detail += QStringLiteral(".Lang=") + quote.language + u' ';
    if (!detail.isEmpty()) text_ += line_break + detail;
    ++count_;
}

Writer export_quotes(Database& db, const QString& quotes_sql, const Options& options, const QSet<qint64>& only) {
    Writer writer(options);
    Statement st = db.prepare(quotes_sql);
    // The columns by name, whatever order the statement gives them in.
    const QStringList names = {QStringLiteral("key"),      QStringLiteral("text"),  QStringLiteral("author"),
                               QStringLiteral("subject"),  QStringLiteral("notes"), QStringLiteral("rate"),
                               QStringLiteral("language")};
    int column[7] = {-1, -1, -1, -1, -1, -1, -1};
    for (int i = 0; i < st.column_count(); ++i) {
        const qsizetype n = names.indexOf(st.column_name(i).toLower());
        if (n >= 0 && column[n] < 0) column[n] = i;
    }
    const auto field = [&](int n) { return column[n] < 0 ? QString() : RecordSet::to_text(st.column(column[n])); };
    while (st.step()) {
        if (!only.isEmpty() && (column[0] < 0 || !only.contains(st.column_int64(column[0])))) continue;
        writer.add({field(1), field(2), field(3), field(4), field(5), field(6)});
    }
    return writer;
}

}  // namespace quote_export
