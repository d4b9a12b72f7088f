#include "fortune_format.h"

#include <QFile>
#include <QProcess>
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

// Splits "Mark Twain, "Following the Equator"" into the author and the source.
void split_attribution(const QString& attribution, QString& author, QString& note) {
    qsizetype at = -1;
    for (const QString& mark : {QStringLiteral(", \""), QStringLiteral(", \u201C"), QStringLiteral(", \u00AB")}) {
        const qsizetype i = attribution.indexOf(mark);
        if (i > 0 && (at < 0 || i < at)) at = i;
    }
    if (at < 0) {
        author = attribution;
        note.clear();
        return;
    }
    author = attribution.left(at).trimmed();
    note = attribution.mid(at + 2).trimmed();
    // One pair of quotation marks round the whole source is the writer's, not the source's.
    if (note.size() >= 2 && note.front() == u'"' && note.back() == u'"') note = note.mid(1, note.size() - 2);
    else if (note.size() >= 2 && note.front() == QChar(0x201C) && note.back() == QChar(0x201D)) note = note.mid(1, note.size() - 2);
    else if (note.size() >= 2 && note.front() == QChar(0x00AB) && note.back() == QChar(0x00BB)) note = note.mid(1, note.size() - 2).trimmed();
}

// One cookie's lines (blank lines at either end already gone) into a record.
quote_import::Record make_record(QStringList lines, int first_line) {
    quote_import::Record rec;
    rec.line = first_line;
    // The attribution: a line with a mark, among the last three, the lines under it indented.
    for (qsizetype i = lines.size() - 1; i >= 1 && i >= lines.size() - 3; --i) {
        const QString rest = after_mark(lines[i]);
        if (rest.isNull()) {
            if (!indented(lines[i])) break;
            continue;
        }
        QStringList attribution{rest};
        for (qsizetype j = i + 1; j < lines.size(); ++j) attribution << lines[j].trimmed();
        split_attribution(attribution.join(u' '), rec.entry.author, rec.entry.note);
        lines.erase(lines.begin() + i, lines.end());
        break;
    }
    rec.entry.text = lines.join(u'\n').trimmed();
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
        out.error = QStringLiteral("none of its %1 lines is a \"%\" line, the line between two cookies").arg(lines.size());
        return out;
    }
    end_cookie();
    return out;
}

QString cookie(const QString& text, const QString& author, const QString& note) {
    QString out = text.trimmed();
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(u'\r', u'\n');
    QStringList lines = out.split(u'\n');
    for (QString& line : lines)
        if (percent_line(line)) line.prepend(u'%');
    out = lines.join(u'\n');
    if (author.trimmed().isEmpty()) return out;
    out += QStringLiteral("\n\t\t-- ") + author.trimmed();
    QString source = note.trimmed();
    if (!source.isEmpty()) {
        source.replace(QLatin1String("\r\n"), QLatin1String(" "));
        source.replace(u'\n', u' ');
        source.replace(u'\r', u' ');
        out += QStringLiteral(", \"") + source + u'"';
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
    if (program.isEmpty()) return QStringLiteral("strfile is not installed");
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, {QStringLiteral("-s"), path, path + QStringLiteral(".dat")});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(p.readAll()).trimmed();
        QFile::remove(path + QStringLiteral(".dat"));
        return QStringLiteral("strfile failed%1").arg(said.isEmpty() ? QString() : QStringLiteral(": ") + said);
    }
    return QString();
}

}  // namespace fortune_format
