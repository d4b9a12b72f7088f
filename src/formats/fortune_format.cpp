#include "fortune_format.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

namespace fortune_format {

const QString separator = QStringLiteral("\n%\n");

namespace {

// The text after an attribution mark at the start of `line` (blanks before it allowed), or a
// null string when the line does not begin with one.
QString after_mark(const QString& line) {
    const QString t = line.trimmed();
    qsizetype i = 0;
    if (t.startsWith(QLatin1String("--"))) {
        while (i < t.size() && t[i] == u'-') ++i;
    } else if (!t.isEmpty() && (t[0] == QChar(0x2014) || t[0] == QChar(0x2015) || t[0] == QChar(0x2013) || t[0] == u'~')) {
        i = 1;
    } else {
        return QString();
    }
    const QString rest = t.mid(i).trimmed();
    return rest.isEmpty() ? QString() : rest;
}

// True for a line made of "%" signs alone (blanks after them allowed): "%" ends a cookie, and a
// quotation's own line of that shape is written with one "%" more.
bool percent_line(QStringView line) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace()) --end;
    if (end == 0) return false;
    for (qsizetype i = 0; i < end; ++i)
        if (line[i] != u'%') return false;
    return true;
}

bool indented(const QString& line) { return !line.isEmpty() && line[0].isSpace() && !line.trimmed().isEmpty(); }

QString right_trimmed(const QString& s) {
    qsizetype end = s.size();
    while (end > 0 && s[end - 1].isSpace()) --end;
    return s.left(end);
}

// A pair of quotation marks round the whole of a source is the writer's, not the source's.
QString without_quotation_marks(const QString& text) {
    const QString t = text.trimmed();
    for (const auto& [open, close] : {std::pair{u'"', u'"'}, std::pair{char16_t(0x201C), char16_t(0x201D)},
                                      std::pair{char16_t(0x00AB), char16_t(0x00BB)}})
        if (t.size() >= 2 && t.front() == QChar(open) && t.back() == QChar(close)) return t.mid(1, t.size() - 2).trimmed();
    return t;
}

// What may follow a name after a comma and still be the name.
bool name_suffix(const QString& piece) {
    static const QStringList suffixes = {"Jr.", "Jr", "Sr.", "Sr", "II", "III", "IV", "Ph.D.", "PhD", "M.D.", "Esq.", "Esq"};
    return suffixes.contains(piece.trimmed());
}

// Splits the attribution "Mark Twain, on whiskey" into the author and the rest, the note: one
// person is one author however the cookie goes on. A bracketed remark after the name goes to the
// note too. An author's own comma is written followed by a no-break space, never split at.
void split_attribution(const QString& first_line, const QStringList& more_lines, QString& author, QString& note) {
    qsizetype at = -1;
    for (qsizetype from = 0;;) {
        const qsizetype i = first_line.indexOf(QStringLiteral(", "), from);
        if (i < 0) break;
        const qsizetype next = first_line.indexOf(u',', i + 2);
        if (name_suffix(first_line.mid(i + 2, next < 0 ? -1 : next - i - 2))) {
            from = i + 2;
            continue;
        }
        at = i;
        break;
    }
    author = (at < 0 ? first_line : first_line.left(at)).trimmed();
    QStringList rest;
    if (at >= 0) rest << first_line.mid(at + 2).trimmed();
    rest << more_lines;
    note = without_quotation_marks(rest.join(u'\n'));
    static const QRegularExpression remark(QStringLiteral("\\s*(\\[[^\\]]*\\])\\s*$"));
    const QRegularExpressionMatch m = remark.match(author);
    if (m.hasMatch() && m.capturedStart() > 0) {
        note = note.isEmpty() ? m.captured(1) : note + u' ' + m.captured(1);
        author = author.left(m.capturedStart()).trimmed();
    }
    author.replace(QStringLiteral(",\u00A0"), QStringLiteral(", "));
}

// Where the attribution of a cookie begins (a line with a mark among the last lines, only
// indented lines under it), or -1 when it has none.
qsizetype attribution_line(const QStringList& lines) {
    for (qsizetype i = lines.size() - 1; i >= 1 && i >= lines.size() - 6; --i) {
        if (!after_mark(lines[i]).isNull()) return i;
        if (!indented(lines[i])) return -1;
    }
    return -1;
}

// The text as a quotation keeps it: the blank lines round it and the blanks after it gone, the
// first line's indentation kept.
QString cookie_text(const QStringList& lines) { return right_trimmed(lines.join(u'\n')); }

// One cookie's lines (blank lines at either end already gone) into a record.
quote_import::Record make_record(QStringList lines, int first_line) {
    quote_import::Record rec;
    rec.line = first_line;
    const qsizetype i = attribution_line(lines);
    if (i >= 0) {
        QStringList more;
        for (qsizetype j = i + 1; j < lines.size(); ++j) more << lines[j].trimmed();
        split_attribution(after_mark(lines[i]), more, rec.entry.author, rec.entry.note);
        lines.erase(lines.begin() + i, lines.end());
        while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
    }
    rec.entry.text = cookie_text(lines);
    return rec;
}

}  // namespace

quote_import::Records read(const QString& text) {
    quote_import::Records out;
    QStringList lines = text.split(u'\n');
    QStringList cookie;
    int cookie_line = 1, separators = 0;
    const auto end_cookie = [&] {
        while (!cookie.isEmpty() && cookie.front().trimmed().isEmpty()) {
            cookie.removeFirst();
            ++cookie_line;
        }
        while (!cookie.isEmpty() && cookie.back().trimmed().isEmpty()) cookie.removeLast();
        if (!cookie.isEmpty()) out.records.push_back(make_record(cookie, cookie_line));
        cookie.clear();
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.startsWith(QChar(0xFEFF))) line.remove(0, 1);
        if (right_trimmed(line) == QLatin1String("%")) {
            ++separators;
            end_cookie();
            cookie_line = int(i) + 2;
            continue;
        }
        if (percent_line(line)) line.remove(0, 1);  // a quotation's own "%" line, written with one more
        cookie << line;
    }
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    if (separators == 0) {
        out.records.clear();
        out.error = QCoreApplication::translate("fortune_format", "none of its %1 lines is a \"%\" line, the line between two cookies").arg(lines.size());
        return out;
    }
    end_cookie();
    return out;
}

QString cookie(const QString& text, const QString& author, const QString& note) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(u'\r', u'\n');
    QStringList lines = out.split(u'\n');
    while (!lines.isEmpty() && lines.front().trimmed().isEmpty()) lines.removeFirst();
    for (QString& line : lines)
        if (percent_line(line)) line.prepend(u'%');
    out = cookie_text(lines);
    QString name = author.trimmed();
    if (name.compare(quote_import::anonymous, Qt::CaseInsensitive) == 0) name.clear();
    QString source = note.trimmed();
    source.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    source.replace(u'\r', u'\n');
    // No attribution is made up, unless the text's own last lines would be read as one, or a
    // note needs a line to go on.
    if (name.isEmpty() && source.isEmpty() && attribution_line(lines) < 0) return out;
    if (name.isEmpty()) name = quote_import::anonymous;
    name.replace(QStringLiteral(", "), QStringLiteral(",\u00A0"));
    out += QStringLiteral("\n\t\t-- ") + name;
    if (!source.isEmpty()) {
        QStringList source_lines = source.split(u'\n');
        for (QString& l : source_lines) l = l.trimmed();
        out += QStringLiteral(", \"") + source_lines.join(QStringLiteral("\n\t\t   ")) + u'"';
    }
    return out;
}

QString strfile_program() {
    QString found = QStandardPaths::findExecutable(QStringLiteral("strfile"));
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(QStringLiteral("strfile"), {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin"),
                                                                          QStringLiteral("/usr/games")});
    return found;
}

QString make_index(const QString& path) {
    const QString program = strfile_program();
    if (program.isEmpty()) return QCoreApplication::translate("fortune_format", "strfile is not installed");
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, {QStringLiteral("-s"), path, path + QStringLiteral(".dat")});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(p.readAll()).trimmed();
        QFile::remove(path + QStringLiteral(".dat"));
        return QCoreApplication::translate("fortune_format", "strfile failed%1").arg(said.isEmpty() ? QString() : QStringLiteral(": ") + said);
    }
    return QString();
}

}  // namespace fortune_format
