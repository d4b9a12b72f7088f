#include "csv_format.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>

namespace csv_format {

const QString text_column = QStringLiteral("text");
const QString author_column = QStringLiteral("author");
const QString subject_column = QStringLiteral("subject");
const QString language_column = QStringLiteral("language");
const QString rate_column = QStringLiteral("rate");
const QString note_column = QStringLiteral("note");

namespace {

QString first_line(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r') ++end;
    QString line = text.left(end);
    if (line.startsWith(QChar(0xFEFF))) line.remove(0, 1);
    return line;
}

// The field a column name stands for; -1 for a column the program has no field for.
enum Field { text_field, author_field, subject_field, language_field, rate_field, note_field, title_field, field_count };

int field_of(const QString& column) {
    static const QHash<QString, int> names = {
        {QStringLiteral("text"), text_field},         {QStringLiteral("quote"), text_field},
        {QStringLiteral("highlight"), text_field},    {QStringLiteral("author"), author_field},
        {QStringLiteral("subject"), subject_field},   {QStringLiteral("tags"), subject_field},
        {QStringLiteral("language"), language_field}, {QStringLiteral("rate"), rate_field},
        {QStringLiteral("rating"), rate_field},       {QStringLiteral("note"), note_field},
        {QStringLiteral("notes"), note_field},
        // What reading services write: the book's author, and its title (kept in the note).
        {QStringLiteral("book author"), author_field}, {QStringLiteral("book title"), title_field},
        {QStringLiteral("book"), title_field},        {QStringLiteral("title"), title_field},
        {QStringLiteral("source"), title_field},
    };
    return names.value(column.trimmed().toLower(), -1);
}

// Columns other programs write that the import knows and leaves out (reported as such): with
// the ones above, a header made only of them is what makes a file CSV when its name does not.
bool known_elsewhere(const QString& column) {
    static const QSet<QString> names = {
        QStringLiteral("amazon book id"),
        QStringLiteral("color"),        QStringLiteral("location type"), QStringLiteral("location"),
        QStringLiteral("highlighted at"), QStringLiteral("document tags"), QStringLiteral("page"),
        QStringLiteral("url"),          QStringLiteral("date"),        QStringLiteral("id"),
        QStringLiteral("key"),          QStringLiteral("likes"),
    };
    return names.contains(column.trimmed().toLower());
}

}  // namespace

QChar guess_separator(const QString& text) {
    const QString line = first_line(text);
    QChar best = u',';
    qsizetype most = 0;
    for (const QChar c : {QChar(u','), QChar(u';'), QChar(u'\t')}) {
        const qsizetype n = line.count(c);
        if (n > most) {
            most = n;
            best = c;
        }
    }
    return best;
}

Table parse(const QString& text, QChar separator) {
    Table t;
    const qsizetype n = text.size();
    const QChar* s = text.constData();
    int line = 1;
    qsizetype pos = (n > 0 && s[0] == QChar(0xFEFF)) ? 1 : 0;
    const auto at_end_of_field = [&](qsizetype p) { return p >= n || s[p] == separator || s[p] == u'\n' || s[p] == u'\r'; };
    while (pos < n) {
        Row row;
        row.line = line;
        for (;;) {
            QString field;
            // Blanks before an opening quote are passed over, as people type ", " between fields.
            qsizetype q = pos;
            while (q < n && s[q] == u' ') ++q;
            if (q < n && s[q] == u'"') {
                const int opened = line;
                pos = q + 1;
                for (;;) {
                    if (pos >= n) {
                        t.error_line = opened;
                        t.error = QCoreApplication::translate("csv_format", "a field begins with a double quote (\") that is never closed");
                        t.rows.clear();
                        return t;
                    }
                    const QChar c = s[pos];
                    if (c == u'"') {
                        if (pos + 1 < n && s[pos + 1] == u'"') {
                            field += u'"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (c == u'\r' || c == u'\n') {
                        pos += (c == u'\r' && pos + 1 < n && s[pos + 1] == u'\n') ? 2 : 1;
                        field += u'\n';
                        ++line;
                        continue;
                    }
                    // The run of plain characters up to the next quote or line break at once.
                    qsizetype end = pos + 1;
                    while (end < n && s[end] != u'"' && s[end] != u'\r' && s[end] != u'\n') ++end;
                    field.append(s + pos, end - pos);
                    pos = end;
                }
            }
            // An unquoted field, or what follows a closing quote, up to the separator or the line's end.
            const qsizetype start = pos;
            while (!at_end_of_field(pos)) ++pos;
            if (pos > start) field.append(s + start, pos - start);
            row.fields << field;
            if (pos < n && s[pos] == separator) {
                ++pos;
                continue;
            }
            if (pos < n) {
                pos += (s[pos] == u'\r' && pos + 1 < n && s[pos + 1] == u'\n') ? 2 : 1;
                ++line;
            }
            break;
        }
        const bool blank = std::all_of(row.fields.cbegin(), row.fields.cend(), [](const QString& f) { return f.trimmed().isEmpty(); });
        if (!blank) t.rows.push_back(std::move(row));
    }
    return t;
}

bool has_quote_header(const QString& text) {
    const Table header = parse(first_line(text), guess_separator(text));
    if (header.rows.empty() || header.rows.front().fields.size() < 2) return false;
    bool text_column_named = false;
    for (const QString& name : header.rows.front().fields) {
        const int f = field_of(name);
        if (f < 0 && !known_elsewhere(name)) return false;
        text_column_named = text_column_named || f == text_field;
    }
    return text_column_named;
}

quote_import::Records read(const QString& text) {
    quote_import::Records out;
    const Table t = parse(text, guess_separator(text));
    if (!t.error.isEmpty()) {
        out.error_line = t.error_line;
        out.error = t.error;
        return out;
    }
    if (t.rows.empty()) {
        out.error_line = 1;
        out.error = QCoreApplication::translate("csv_format", "there is nothing in it");
        return out;
    }
    const Row& header = t.rows.front();
    std::array<int, field_count> column;
    column.fill(-1);
    QStringList ignored;
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const int f = field_of(header.fields[i]);
        if (f >= 0 && column[size_t(f)] < 0) column[size_t(f)] = int(i);
        else ignored << (header.fields[i].trimmed().isEmpty() ? QCoreApplication::translate("csv_format", "column %1 (no name)").arg(i + 1)
                                                              : header.fields[i].trimmed());
    }
    if (column[text_field] < 0) {
        out.error_line = header.line;
        out.error = QCoreApplication::translate("csv_format", "the first line is not a header naming a column text, quote or highlight");
        return out;
    }
    QStringList long_rows;
    out.records.reserve(t.rows.size() - 1);
    for (size_t r = 1; r < t.rows.size(); ++r) {
        const Row& row = t.rows[r];
        const auto value = [&](int f) { return row.fields.value(column[size_t(f)]); };
        if (row.fields.size() > header.fields.size()) long_rows << QStringLiteral("line %1").arg(row.line);
        quote_import::Record rec;
        rec.line = row.line;
        // The book's title goes before the note, as the Kindle reader writes it: "Title: note".
        const QString title = value(title_field).trimmed(), note = value(note_field).trimmed();
        const QString full_note = title.isEmpty() ? note : note.isEmpty() ? title : title + QStringLiteral(": ") + note;
        rec.entry = {value(text_field), value(author_field), value(subject_field), full_note, value(rate_field),
                     value(language_field)};
        out.records.push_back(std::move(rec));
    }
    if (!ignored.isEmpty()) out.notes.push_back({QCoreApplication::translate("csv_format", "COLUMNS NOT IMPORTED (NO FIELD OF A QUOTATION HAS THEIR NAME):"), ignored});
    if (!long_rows.isEmpty())
        out.notes.push_back({QCoreApplication::translate("csv_format", "RECORDS WITH MORE FIELDS THAN THE HEADER NAMES (THE EXTRA FIELDS IGNORED):"), long_rows});
    return out;
}

QString line(const QStringList& fields) {
    QString out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) out += u',';
        QString f = fields[i];
        f.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        f.replace(u'\r', u'\n');
        const bool quoted = f.contains(u',') || f.contains(u'"') || f.contains(u'\n') || f.contains(u';') ||
                            f.contains(u'\t') || (!f.isEmpty() && (f.front().isSpace() || f.back().isSpace()));
        if (quoted) {
            f.replace(QLatin1String("\""), QLatin1String("\"\""));
            out += u'"' + f + u'"';
        } else {
            out += f;
        }
    }
    return out;
}

}  // namespace csv_format
