#include "import_formats.h"

#include "csv_format.h"
#include "fortune_format.h"
#include "kindle_clippings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace import_formats {

namespace {

struct Known {
    Format format;
    const char* name;
    const char* caption;
};
constexpr Known known[] = {
    {Format::text, "text", "Text (one a line)"},
    {Format::fortune, "fortune", "fortune"},
    {Format::csv, "csv", "CSV"},
    {Format::kindle, "kindle", "Kindle clippings"},
};

QString named(const QString& source) {
    return source.isEmpty() ? QCoreApplication::translate("import_formats", "The input text")
                            : QCoreApplication::translate("import_formats", "The file '%1'").arg(source);
}

}  // namespace

QStringList names() {
    QStringList out;
    for (const Known& k : known) out << QString::fromLatin1(k.name);
    return out;
}

QString name(Format f) {
    for (const Known& k : known)
        if (k.format == f) return QString::fromLatin1(k.name);
    return QString();
}

bool from_name(const QString& text, Format& f) {
    for (const Known& k : known)
        if (text.trimmed().compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0) {
            f = k.format;
            return true;
        }
    return false;
}

QString caption(Format f) {
    for (const Known& k : known)
        if (k.format == f) return QString::fromLatin1(k.caption);
    return QString();
}

Format guess(const QString& file_name, const QString& text) {
    if (kindle_clippings::looks_like(text)) return Format::kindle;
    const QString suffix = QFileInfo(file_name).suffix().toLower();
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("tsv") || csv_format::has_quote_header(text)) return Format::csv;
    // A fortune file: a "%" line opens or ends it, or "%" lines part it into cookies of a few
    // lines each; one stray "%" among lines of text does not make one.
    qsizetype separators = 0, other = 0;
    bool first_is_separator = false, last_is_separator = false, any = false, after_attribution = false;
    bool attribution = false;  // the line before was "-- Author" (or an em dash, a tilde)
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) end = text.size();
        const QStringView line = QStringView(text).mid(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line == QStringView(u"\uFEFF")) continue;
        const bool separator = line == QLatin1String("%");
        if (!any) first_is_separator = separator;
        any = true;
        last_is_separator = separator;
        ++(separator ? separators : other);
        after_attribution = after_attribution || (separator && attribution);
        attribution = line.startsWith(QLatin1String("--")) || line.startsWith(QChar(0x2014)) || line.startsWith(u'~');
    }
    if (separators > 0 && (first_is_separator || last_is_separator || after_attribution)) return Format::fortune;
    if (separators >= 2 && other <= 40 * (separators + 1)) return Format::fortune;
    return Format::text;
}

QString empty_message(const QString& source) {
    return QCoreApplication::translate("import_formats", "%1 is empty: there is nothing to import.").arg(named(source));
}

quote_import::Result process(Format format, const QString& input, const QString& source, const QString& default_author,
                             const quote_import::Catalogue& stored, const quote_import::Progress& progress) {
    if (format == Format::text) return quote_import::load_array(input, default_author, stored, progress);
    quote_import::Result r;
    if (input.trimmed().isEmpty() || input.trimmed() == QChar(0xFEFF)) {
        r.error = empty_message(source);
        return r;
    }
    quote_import::Records records;
    switch (format) {
    case Format::fortune: records = fortune_format::read(input); break;
    case Format::csv: records = csv_format::read(input); break;
    case Format::kindle: records = kindle_clippings::read(input); break;
    case Format::text: break;
    }
    if (!records.error.isEmpty()) {
        const QString where = records.error_line > 0
                                  ? QCoreApplication::translate("import_formats", "line %1: ").arg(records.error_line)
                                  : QString();
        r.error = QCoreApplication::translate("import_formats", "%1 cannot be imported as %2: %3%4.")
                      .arg(named(source), caption(format), where, records.error);
        return r;
    }
    return quote_import::load_records(records, default_author, stored, progress);
}

}  // namespace import_formats
