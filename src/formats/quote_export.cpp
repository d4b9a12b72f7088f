#include "quote_export.h"

#include "database/held_files.h"

#include "csv_format.h"
#include "database/database.h"
#include "database/recordset.h"
#include "fortune_format.h"

#include <QSaveFile>
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

// The CSV columns: the text, then the fields chosen.
QStringList csv_fields(const Options& o, const Quote* q) {
    QStringList out{q ? q->text.trimmed() : csv_format::text_column};
    if (o.author) out << (q ? q->author : csv_format::author_column);
    if (o.subject) out << (q ? q->subject : csv_format::subject_column);
    if (o.language) out << (q ? q->language : csv_format::language_column);
    if (o.rate) out << (q ? q->rate : csv_format::rate_column);
    if (o.note) out << (q ? q->notes : csv_format::note_column);
    return out;
}

}  // namespace

Writer::Writer(const Options& options) : options_(options) {
    if (options_.format == Format::csv) text_ = csv_format::line(csv_fields(options_, nullptr)) + line_break;
}

QByteArray Writer::file_bytes() const {
    switch (options_.format) {
    case Format::text: return (text_ + line_break).toUtf8();
    case Format::fortune: return text_.toUtf8();
    case Format::csv: {
        QByteArray bytes("\xEF\xBB\xBF");  // the byte-order mark
        bytes.append(text_.toUtf8());
        return bytes;
    }
    }
    return QByteArray();
}

void Writer::new_block() {
    if (!text_.isEmpty()) text_ += line_break + line_break;
}

void Writer::add(const Quote& quote) {
    switch (options_.format) {
    case Format::text: add_text_block(quote); break;
    case Format::fortune:
        text_ += fortune_format::cookie(quote.text, options_.author ? quote.author : QString(),
                                        options_.author && options_.note ? quote.notes : QString()) +
                 fortune_format::separator;
        break;
    case Format::csv: text_ += csv_format::line(csv_fields(options_, &quote)) + line_break; break;
    }
    ++count_;
}

void Writer::add_text_block(const Quote& quote) {
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

QString save(const Writer& writer, const QString& path) {
    // Written beside and renamed over: onto the open database that would replace it.
    if (held_files::is_held(path)) return held_files::refusal(path);
    QSaveFile f(path);
    const QByteArray bytes = writer.file_bytes();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        return QStringLiteral("The file '%1' cannot be written: %2.").arg(path, f.errorString());
    return QString();
}

}  // namespace quote_export
