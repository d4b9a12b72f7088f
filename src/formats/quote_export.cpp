#include "quote_export.h"

#include "database/held_files.h"

#include "csv_format.h"
#include "database/database.h"
#include "database/grid_query.h"
#include "database/jet_dialect.h"
#include "quote_import.h"
#include "database/recordset.h"
#include "fortune_format.h"

#include <QCoreApplication>
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
    QStringList out{q ? quote_import::trimmed_text(q->text) : csv_format::text_column};
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

namespace {

// Blanks and tabs aside, the text begins with a no-break space: the text import leaves such a
// line out (and trimming would lose the space).
bool begins_with_no_break_space(const QString& text) {
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n') continue;
        return c == QChar(0x00A0);
    }
    return false;
}

}  // namespace

void Writer::check_text_format(const Quote& quote) {
    const QString text = quote.text.trimmed();
    const auto has_break = [](const QString& t) { return t.contains(u'\n') || t.contains(u'\r'); };
    QString why;
    if (text.isEmpty()) why = QCoreApplication::translate("quote_export", "it has no text");
    else if (has_break(text)) why = QCoreApplication::translate("quote_export", "its text has more than one line");
    else if (text.startsWith(u'.')) why = QCoreApplication::translate("quote_export", "its text begins with \".\", the mark of a detail line");
    else if (begins_with_no_break_space(quote.text)) why = QCoreApplication::translate("quote_export", "its text begins with a no-break space");
    else if (options_.author && (quote.author.contains(u'(') || quote.author.contains(u')')))
        why = QCoreApplication::translate("quote_export", "its author holds parentheses");
    else if (!options_.author && text.endsWith(u')') && text.contains(u'('))
        why = QCoreApplication::translate("quote_export", "its text ends in parentheses, which would be read as its author");
    else if (options_.note && (has_break(quote.notes) || quote.notes.contains(u'.')))
        why = QCoreApplication::translate("quote_export", "its note holds a full stop or a line break");
    else if (options_.subject && (has_break(quote.subject) || quote.subject.contains(u'.')))
        why = QCoreApplication::translate("quote_export", "its subject holds a full stop or a line break");
    const QString start = jet::folded(quote_import::first_characters(text, 40));
    if (why.isEmpty() && starts_.contains(start)) why = QCoreApplication::translate("quote_export", "it begins like an earlier one (its first 40 characters)");
    starts_.insert(start);
    if (why.isEmpty()) return;
    QString shown = quote_import::first_characters(text.simplified(), 50);
    if (shown.size() < text.simplified().size()) shown += QStringLiteral("...");
    losses_ << u'"' + shown + QStringLiteral("\": ") + why;
}

QString losses_message(const Writer& writer, int named) {
    const QStringList& lost = writer.losses();
    QString out = QCoreApplication::translate("quote_export", "%1 of the %2 quotations cannot be written whole in the text format, which holds one line "
                                                              "a quotation; read back, they would come in changed, split or not at all:\n")
                      .arg(lost.size())
                      .arg(writer.count());
    for (qsizetype i = 0; i < lost.size() && i < named; ++i) out += QStringLiteral("\n- ") + lost[i];
    if (lost.size() > named) out += QStringLiteral("\n- ... and %1 more").arg(lost.size() - named);
    return out + QCoreApplication::translate("quote_export", "\n\nCSV carries every field of every quotation.");
}

void Writer::add_text_block(const Quote& quote) {
    check_text_format(quote);
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

namespace {

// A statement's columns by name, whatever order it gives them in: key, then a quotation's fields.
class Fields {
public:
    explicit Fields(const Statement& st) : st_(st) {
        const QStringList names = {QStringLiteral("key"),     QStringLiteral("text"),  QStringLiteral("author"),
                                   QStringLiteral("subject"), QStringLiteral("notes"), QStringLiteral("rate"),
                                   QStringLiteral("language")};
        for (int i = 0; i < st.column_count(); ++i) {
            const qsizetype n = names.indexOf(st.column_name(i).toLower());
            if (n >= 0 && column_[n] < 0) column_[n] = i;
        }
    }
    bool has_key() const { return column_[0] >= 0; }
    qint64 key() const { return st_.column_int64(column_[0]); }
    Quote quote() const { return {field(1), field(2), field(3), field(4), field(5), field(6)}; }

private:
    QString field(int n) const { return column_[n] < 0 ? QString() : RecordSet::to_text(st_.column(column_[n])); }
    const Statement& st_;
    int column_[7] = {-1, -1, -1, -1, -1, -1, -1};
};

}  // namespace

Writer export_quotes(Database& db, const QString& quotes_sql, const Options& options, const QSet<qint64>& only) {
    Writer writer(options);
    Statement st = db.prepare(quotes_sql);
    const Fields fields(st);
    while (st.step()) {
        if (!only.isEmpty() && (!fields.has_key() || !only.contains(fields.key()))) continue;
        writer.add(fields.quote());
    }
    return writer;
}

Writer export_list(Database& db, const GridQuery& query, const Options& options, const QSet<qint64>& only,
                   const std::function<void(qint64, qint64)>& progress) {
    // The keys first, in the list's order, then each row by its key: the order costs what it
    // costs the grid, never a sort of every row's text.
    const std::unique_ptr<KeyReader> list = grid_reader(db, db.read_only() ? nullptr : &db, query);
    list->restart();
    std::vector<qint64> keys;
    const qint64 expected = only.isEmpty() ? list->count() : 0;
    while (list->forward(keys, 8192))
        if (progress) progress(qint64(keys.size()) / 4, std::max<qint64>(expected, qint64(keys.size())));
    list->close();
    Writer writer(options);
    Statement row = db.prepare_plain(list->row_sql());
    const Fields fields(row);
    const qint64 total = qint64(keys.size());
    for (qint64 i = 0; i < total; ++i) {
        if (progress && i % 4096 == 0) progress(total / 4 + i * 3 / 4, total);
        if (!only.isEmpty() && !only.contains(keys[size_t(i)])) continue;
        row.bind(1, keys[size_t(i)]);
        if (row.step()) writer.add(fields.quote());
        row.reset();
    }
    return writer;
}

QString save(const Writer& writer, const QString& path) {
    // Written beside and renamed over: onto the open database that would replace it.
    if (held_files::is_held(path)) return held_files::refusal(path);
    QSaveFile f(path);
    const QByteArray bytes = writer.file_bytes();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        return QCoreApplication::translate("quote_export", "The file '%1' cannot be written: %2.").arg(path, f.errorString());
    return QString();
}

}  // namespace quote_export
