#include "kindle_clippings.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace kindle_clippings {

namespace {

const QString separator_line = QStringLiteral("==========");

QString without_mark(QString line) {
    while (line.startsWith(QChar(0xFEFF))) line.remove(0, 1);
    return line;
}

enum class Kind { highlight, note, bookmark, unknown };

// What the clipping is, from the words the reader writes in its languages (English, German,
// French, Spanish, Italian) before the first "|".
Kind kind_of(const QString& description) {
    const QString head = description.section(u'|', 0, 0).toLower();
    const auto any = [&head](std::initializer_list<const char*> words) {
        for (const char* w : words)
            if (head.contains(QString::fromUtf8(w))) return true;
        return false;
    };
    if (any({"highlight", "markierung", "surlignement", "subrayado", "evidenziazione"})) return Kind::highlight;
    if (any({"bookmark", "lesezeichen", "signet", "marcador", "segnalibro"})) return Kind::bookmark;
    if (any({"note", "notiz", "nota"})) return Kind::note;
    return Kind::unknown;
}

// Where in the book: the location range, else the page range; none when the line gives neither.
struct Place {
    bool by_location = false;
    int start = -1, end = -1;
    bool known() const { return start >= 0; }
    bool holds(const Place& p) const { return known() && p.known() && by_location == p.by_location && p.start >= start && p.start <= end; }
};

Place place_of(const QString& description) {
    static const QRegularExpression location(
        QStringLiteral("(?:location|loc\\.?|position|posici[oó]n|emplacement|posizione)\\s*(\\d+)(?:\\s*-\\s*(\\d+))?"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression page(QStringLiteral("(?:page|seite|p[aá]gina)\\s*(\\d+)(?:\\s*-\\s*(\\d+))?"),
                                         QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    Place p;
    QRegularExpressionMatch m = location.match(description);
    p.by_location = m.hasMatch();
    if (!m.hasMatch()) m = page.match(description);
    if (!m.hasMatch()) return p;
    p.start = m.captured(1).toInt();
    p.end = p.start;
    if (m.hasCaptured(2)) {
        // Older readers shorten the end: "Loc. 1234-56" is 1234 to 1256.
        const QString start = m.captured(1), end = m.captured(2);
        p.end = end.size() < start.size() ? (start.left(start.size() - end.size()) + end).toInt() : end.toInt();
        if (p.end < p.start) p.end = p.start;
    }
    return p;
}

struct Highlight {
    QString book;  // the book's line as written
    Place place;
    size_t record;
    QString key;   // the text as repeats are compared (quote_import::repeat_key)
};

}  // namespace

bool looks_like(const QString& text) {
    QStringList head = text.left(8192).split(u'\n');
    QStringList lines;
    for (const QString& l : head)
        if (!without_mark(l).trimmed().isEmpty()) lines << without_mark(l).trimmed();
    const qsizetype sep = lines.indexOf(separator_line);
    return sep >= 2 && lines[1].startsWith(u'-');
}

quote_import::Records read(const QString& text) {
    quote_import::Records out;
    const QStringList lines = text.split(u'\n');
    std::vector<Highlight> highlights;
    struct Note {
        QString book, text;
        Place place;
        size_t after;  // the highlights read before it
    };
    std::vector<Note> notes;
    QStringList bookmarks, unknown, shorter, limited;
    if (std::none_of(lines.cbegin(), lines.cend(), [](const QString& l) { return without_mark(l).trimmed() == separator_line; })) {
        out.error = QCoreApplication::translate("kindle_clippings", "no line is the separator of the clippings (%1)").arg(separator_line);
        return out;
    }

    qsizetype i = 0;
    while (i < lines.size()) {
        // One entry: up to the separator line or the end.
        qsizetype end = i;
        while (end < lines.size() && without_mark(lines[end]).trimmed() != separator_line) ++end;
        qsizetype l = i;
        while (l < end && without_mark(lines[l]).trimmed().isEmpty()) ++l;
        if (l < end) {
            const int title_line = int(l) + 1;
            const QString book = without_mark(lines[l]).trimmed();
            const QString description = l + 1 < end ? without_mark(lines[l + 1]).trimmed() : QString();
            if (!description.startsWith(u'-')) {
                out.records.clear();
                out.error_line = title_line + 1;
                out.error = QCoreApplication::translate("kindle_clippings", "the line under the book's title should say what the clipping is "
                                                                            "(\"- Your Highlight on page 1 | Location 10-12 | ...\")");
                return out;
            }
            QStringList body;
            for (qsizetype b = l + 2; b < end; ++b) body << without_mark(lines[b]);
            const QString clipping = body.join(u'\n').trimmed();
            // "Title (Author)": the parenthesised part ending the line is the author, its own
            // parentheses included ("(Tolkien, J. R. R. (John Ronald Reuel))").
            QString title = book, author;
            if (book.endsWith(u')')) {
                qsizetype open = book.size() - 1;
                for (int depth = 0; open >= 0; --open) {
                    if (book[open] == u')') ++depth;
                    else if (book[open] == u'(' && --depth == 0) break;
                }
                if (open > 0) {
                    author = book.mid(open + 1, book.size() - open - 2).trimmed();
                    title = book.left(open).trimmed();
                }
            }
            const Place place = place_of(description);
            switch (kind_of(description)) {
            case Kind::highlight: {
                // The reader's notice that the publisher's limit is reached is no quotation.
                if (clipping.startsWith(u'<') && clipping.endsWith(u'>') &&
                    clipping.contains(QLatin1String("clipping limit"), Qt::CaseInsensitive)) {
                    limited << QStringLiteral("line %1: %2").arg(title_line).arg(title);
                    break;
                }
                // A highlight made longer is a new clipping: the longer text takes the place of
                // the shorter one of the same book it holds.
                const QString key = quote_import::repeat_key(clipping);
                bool merged = false;
                for (Highlight& h : highlights) {
                    if (h.book != book || key.isEmpty() || h.key.isEmpty()) continue;
                    if (h.key.contains(key)) {
                        shorter << clipping;
                    } else if (key.contains(h.key)) {
                        shorter << out.records[h.record].entry.text;
                        out.records[h.record].entry.text = clipping;
                        h.key = key;
                        if (place.known() && h.place.known() && place.by_location == h.place.by_location) {
                            h.place.start = std::min(h.place.start, place.start);
                            h.place.end = std::max(h.place.end, place.end);
                        }
                    } else {
                        continue;
                    }
                    merged = true;
                    break;
                }
                if (merged) break;
                quote_import::Record rec;
                rec.line = title_line;
                rec.entry.text = clipping;
                rec.entry.author = author;
                rec.entry.note = title;
                highlights.push_back({book, place, out.records.size(), key});
                out.records.push_back(std::move(rec));
                break;
            }
            case Kind::note: notes.push_back({book, clipping, place, highlights.size()}); break;
            case Kind::bookmark: bookmarks << QStringLiteral("line %1: %2, %3").arg(title_line).arg(title, description.mid(1).trimmed()); break;
            case Kind::unknown: unknown << QStringLiteral("line %1: %2, %3").arg(title_line).arg(title, description.mid(1).trimmed()); break;
            }
        }
        i = end + 1;
    }
    // Each note goes to the highlight of its book that holds its location: the last one read
    // before it, else the first one after.
    QStringList lone_notes;
    std::vector<int> joined(out.records.size(), 0);
    for (const Note& n : notes) {
        const Highlight* to = nullptr;
        for (const Highlight& h : highlights) {
            if (h.book != n.book || !h.place.holds(n.place)) continue;
            const bool before = &h - highlights.data() < qsizetype(n.after);
            if (before || !to) to = &h;
            if (!before) break;
        }
        if (!to || n.text.isEmpty()) {
            lone_notes << n.book + QStringLiteral(": ") + n.text;
            continue;
        }
        out.records[to->record].entry.note += (joined[to->record]++ ? QStringLiteral(" / ") : QStringLiteral(": ")) + n.text;
    }
    if (!shorter.isEmpty())
        out.notes.push_back({QCoreApplication::translate("kindle_clippings", "HIGHLIGHTS HELD BY A LONGER ONE OF THE SAME BOOK SKIPPED (THE LONGER KEPT):"), shorter});
    if (!limited.isEmpty())
        out.notes.push_back({QCoreApplication::translate("kindle_clippings", "CLIPPINGS CUT BY THE CLIPPING LIMIT OF THEIR BOOK SKIPPED (NO TEXT):"), limited});
    out.authors_last_first = true;
    if (!bookmarks.isEmpty()) out.notes.push_back({QCoreApplication::translate("kindle_clippings", "BOOKMARKS SKIPPED (NOT QUOTATIONS):"), bookmarks});
    if (!lone_notes.isEmpty())
        out.notes.push_back({QCoreApplication::translate("kindle_clippings", "NOTES WITHOUT A HIGHLIGHT AT THEIR LOCATION SKIPPED:"), lone_notes});
    if (!unknown.isEmpty()) out.notes.push_back({QCoreApplication::translate("kindle_clippings", "CLIPPINGS OF ANOTHER KIND SKIPPED:"), unknown});
    return out;
}

}  // namespace kindle_clippings
