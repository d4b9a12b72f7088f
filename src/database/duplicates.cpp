#include "duplicates.h"

#include "database.h"
#include "trash.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace duplicates {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("duplicates", text); }

bool is_dash(char16_t c) {
    return c == u'-' || c == u'~' || (c >= 0x2010 && c <= 0x2015) || c == 0x2212 || c == 0xFE58 || c == 0xFE63 ||
           c == 0xFF0D;
}

// Where a sentence or a quotation ends: an attribution may follow it without looking like a name.
bool ends_sentence(char16_t c) {
    return c == u'.' || c == u'!' || c == u'?' || c == u'"' || c == u'\'' || c == u';' || c == u':' || c == u')' ||
           c == u']' || c == 0x2026 || c == 0x201D || c == 0x201C || c == 0x2019 || c == 0xBB || c == 0xAB ||
           c == 0x203A || c == 0x300D;
}

// A short run of words that reads like a name or a title: "Hamlet", "W. Shakespeare, Hamlet, Act 3",
// "Marquis de Sade". "that is the question" does not.
bool reads_like_a_name(const QString& part) {
    static const QSet<QString> small_words = {
        QStringLiteral("of"),  QStringLiteral("the"), QStringLiteral("de"),  QStringLiteral("di"),  QStringLiteral("da"),
        QStringLiteral("del"), QStringLiteral("della"), QStringLiteral("von"), QStringLiteral("van"), QStringLiteral("der"),
        QStringLiteral("le"),  QStringLiteral("la"),  QStringLiteral("du"),  QStringLiteral("des"), QStringLiteral("and"),
        QStringLiteral("in"),  QStringLiteral("by"),  QStringLiteral("y"),   QStringLiteral("e"),   QStringLiteral("et"),
        QStringLiteral("und"), QStringLiteral("from"), QStringLiteral("on"), QStringLiteral("to"), QStringLiteral("a")};
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    const QStringList words = part.split(separators, Qt::SkipEmptyParts);
    if (words.isEmpty() || words.size() > 6) return false;
    bool named = false;
    for (QString w : words) {
        while (!w.isEmpty() && !w.front().isLetterOrNumber()) w.remove(0, 1);
        if (w.isEmpty()) continue;
        if (w.front().isUpper()) named = true;
        else if (!w.front().isDigit() && !small_words.contains(w.toLower())) return false;
    }
    return named;
}

// The last character before `end` that is not a blank; 0 at the start of the text.
char16_t before(const QString& text, qsizetype end, bool& line_start) {
    line_start = false;
    for (qsizetype i = end - 1; i >= 0; --i) {
        const char16_t c = text[i].unicode();
        if (c == u'\n' || c == u'\r') {
            line_start = true;
            return c;
        }
        if (!QChar::isSpace(c)) return c;
    }
    line_start = true;
    return 0;
}

// Whether a part after the text may be its attribution: a few words, on the same line, and set
// apart from the text by a line of its own, by the end of a sentence (then with a capital
// somewhere: "it's me." is a reply), or reading like a name.
bool attribution(const QString& part, bool line_start, char16_t prev) {
    if (part.isEmpty() || part.size() > 60 || part.contains(u'\n')) return false;
    if (line_start) return true;
    if (ends_sentence(prev)) {
        for (const QChar c : part)
            if (c.isUpper()) return true;
    }
    return reads_like_a_name(part);
}

// True when `remainder` still holds a quotation of two words or more.
bool worth_keeping(const QString& remainder) { return fold(remainder).contains(u' '); }

// 64-bit FNV-1a over UTF-16 units, then mixed: the same on every run and machine.
quint64 hash_units(const QChar* units, qsizetype n) {
    quint64 h = 1469598103934665603ULL;
    for (qsizetype i = 0; i < n; ++i) {
        h ^= units[i].unicode();
        h *= 1099511628211ULL;
    }
    return h;
}

quint64 mix(quint64 x) {  // splitmix64's finaliser
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return x;
}

constexpr int signature_size = 64;

// The numbers of a folded text, in order: texts whose numbers differ are never alike.
QString numbers_of(const QString& folded) {
    QString digits;
    bool in_number = false;
    for (const QChar c : folded) {
        if (c.isDigit()) {
            if (!in_number && !digits.isEmpty()) digits += u' ';
            digits += c;
            in_number = true;
        } else {
            in_number = false;
        }
    }
    return digits;
}

// The hashes of a folded text's shingles, sorted, each once: its pairs of neighbouring words (a
// text of one word, that word). Pairs of words tell texts written with the same words apart,
// where runs of letters would find every text of a language alike.
std::vector<quint64> shingles_of(const QString& folded) {
    std::vector<quint64> out;
    const qsizetype n = folded.size();
    if (n == 0) return out;
    qsizetype previous = 0;  // where the word before the current one begins
    qsizetype at = folded.indexOf(u' ');
    if (at < 0) {
        out.push_back(mix(hash_units(folded.constData(), n)));
        return out;
    }
    while (at >= 0) {
        const qsizetype next = folded.indexOf(u' ', at + 1);
        const qsizetype end = next < 0 ? n : next;
        out.push_back(mix(hash_units(folded.constData() + previous, end - previous)));
        previous = at + 1;
        at = next;
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

double jaccard(const std::vector<quint64>& a, const std::vector<quint64>& b) {
    if (a.empty() || b.empty()) return a.empty() && b.empty() ? 1.0 : 0.0;
    size_t common = 0;
    for (size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        if (a[i] < b[j]) ++i;
        else if (b[j] < a[i]) ++j;
        else {
            ++common;
            ++i;
            ++j;
        }
    }
    return double(common) / double(a.size() + b.size() - common);
}

// The signature's hash functions: h -> (a * h + b) >> 32, a odd.
struct Coefficients {
    std::array<quint64, signature_size> a, b;
    Coefficients() {
        quint64 seed = 0x5eed5eed5eedULL;
        for (int i = 0; i < signature_size; ++i) {
            a[i] = mix(seed += 0x9e3779b97f4a7c15ULL) | 1;
            b[i] = mix(seed += 0x9e3779b97f4a7c15ULL);
        }
    }
};

std::array<quint32, signature_size> signature(const std::vector<quint64>& shingles) {
    static const Coefficients c;
    std::array<quint32, signature_size> s;
    s.fill(0xffffffffu);
    for (const quint64 h : shingles)
        for (int i = 0; i < signature_size; ++i) s[i] = std::min(s[i], quint32((c.a[i] * h + c.b[i]) >> 32));
    return s;
}

// Rows per band for a threshold: the most that still make a pair `threshold` alike a candidate
// in 97 cases of 100 or more (fewer rows, more candidates to check).
int rows_per_band(double threshold) {
    for (const int r : {8, 6, 5, 4, 3, 2}) {
        const int bands = signature_size / r;
        if (1.0 - std::pow(1.0 - std::pow(threshold, r), bands) >= 0.97) return r;
    }
    return 1;
}

// A near text's band hashes, one per band of `rows` signature values, each mixed with the text's
// numbers (texts whose numbers differ never share a band), written at `out`.
void band_hashes_of(const QString& numbers, const std::vector<quint64>& shingles, int rows, int bands, quint32* out) {
    const quint64 mixed_numbers = mix(hash_units(numbers.constData(), numbers.size()));
    const auto s = signature(shingles);
    for (int b = 0; b < bands; ++b) {
        quint64 v = mixed_numbers ^ mix(quint64(b) + 1);
        for (int r = 0; r < rows; ++r) v = mix(v ^ s[size_t(b * rows + r)]);
        out[b] = quint32(v >> 32);
    }
}

struct Parents {
    std::vector<quint32> up;
    explicit Parents(size_t n) : up(n) { std::iota(up.begin(), up.end(), 0u); }
    quint32 root(quint32 i) {
        while (up[i] != i) i = up[i] = up[up[i]];
        return i;
    }
    bool join(quint32 a, quint32 b) {
        a = root(a);
        b = root(b);
        if (a == b) return false;
        if (b < a) std::swap(a, b);
        up[b] = a;
        return true;
    }
};

}  // namespace

namespace {

// Adds one character to a folded text: letters and digits in one case, their accents left out
// (the compatibility decomposition splits accents from letters and ligatures into letters);
// anything else stands for a blank between words.
void fold_into(QString& out, bool& blank, char32_t c) {
    if (c < 0x80) {
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
        const bool capital = c >= u'A' && c <= u'Z';
        if (!letter && !capital) {
            blank = true;
            return;
        }
        if (blank && !out.isEmpty()) out += u' ';
        blank = false;
        out += QChar(char16_t(capital ? c + 32 : c));
        return;
    }
    if (QChar::decompositionTag(c) != QChar::NoDecomposition) {
        const QString parts = QChar::decomposition(c);
        for (const char32_t part : parts.toUcs4()) fold_into(out, blank, part);
        return;
    }
    if (QChar::isMark(c)) return;
    if (!QChar::isLetterOrNumber(c)) {
        blank = true;
        return;
    }
    if (blank && !out.isEmpty()) out += u' ';
    blank = false;
    const char32_t folded = QChar::toCaseFolded(c);
    if (QChar::requiresSurrogates(folded)) {
        out += QChar(QChar::highSurrogate(folded));
        out += QChar(QChar::lowSurrogate(folded));
    } else {
        out += QChar(char16_t(folded));
    }
}

}  // namespace

QString fold(const QString& text) {
    QString out;
    out.reserve(text.size());
    bool blank = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        fold_into(out, blank, c);
    }
    return out;
}

QString without_attribution(const QString& text) {
    QString t = text;
    while (!t.isEmpty() && t.back().isSpace()) t.chop(1);
    if (t.isEmpty()) return text;
    bool line_start = false;
    // "... (Hamlet)"
    if (t.back() == u')') {
        const qsizetype open = t.lastIndexOf(u'(');
        if (open > 0) {
            const QString inside = t.mid(open + 1, t.size() - open - 2).trimmed();
            const char16_t prev = before(t, open, line_start);
            if (attribution(inside, line_start, prev) && worth_keeping(t.left(open)))
                return t.left(open).trimmed();
        }
        return text;
    }
    // "... — Hamlet": the last dash that does not join two words ("Jean-Paul").
    for (qsizetype i = t.size() - 1; i >= 0 && t.size() - i <= 64; --i) {
        if (!is_dash(t[i].unicode())) continue;
        qsizetype start = i;
        while (start > 0 && is_dash(t[start - 1].unicode())) --start;
        if (start > 0 && t[start - 1].isLetterOrNumber()) {
            i = start;
            continue;
        }
        const QString after = t.mid(i + 1).trimmed();
        const char16_t prev = before(t, start, line_start);
        if (attribution(after, line_start, prev) && worth_keeping(t.left(start)))
            return t.left(start).trimmed();
        return text;
    }
    return text;
}

double similarity(const QString& a, const QString& b) {
    const QString x = near_text(a), y = near_text(b);
    if (numbers_of(x) != numbers_of(y)) return 0.0;
    if (x == y) return 1.0;
    return jaccard(shingles_of(x), shingles_of(y));
}

quint64 fold_hash(const QString& text) {
    const QString folded = fold(text);
    return folded.isEmpty() ? 0 : mix(hash_units(folded.constData(), folded.size()));
}

quint64 near_hash(const QString& text) {
    const QString near = near_text(text);
    return near.isEmpty() ? 0 : mix(hash_units(near.constData(), near.size()));
}

std::vector<qsizetype> alike_earlier(const QStringList& texts, int threshold) {
    const double share = std::clamp(threshold, 1, 100) / 100.0;
    const int rows = rows_per_band(share);
    const int bands = signature_size / rows;
    const size_t n = size_t(texts.size());
    std::vector<qsizetype> found(n, -1);
    struct Text {
        QString numbers;
        std::vector<quint64> shingles;
    };
    std::vector<Text> near(n);
    std::vector<quint32> band_hashes(n * size_t(bands), 0);
    std::vector<bool> compared(n, false);  // the first of its folded text, with a near text
    std::unordered_map<quint64, qsizetype> first_folded;
    for (size_t i = 0; i < n; ++i) {
        const QString folded = fold(texts[qsizetype(i)]);
        if (folded.isEmpty()) continue;
        const auto [same, fresh] = first_folded.try_emplace(mix(hash_units(folded.constData(), folded.size())), qsizetype(i));
        if (!fresh) {
            found[i] = same->second;
            continue;
        }
        const QString bare = near_text(texts[qsizetype(i)]);
        near[i] = Text{numbers_of(bare), shingles_of(bare)};
        compared[i] = true;
        band_hashes_of(near[i].numbers, near[i].shingles, rows, bands, &band_hashes[i * size_t(bands)]);
    }
    // Band by band, the texts sharing a band hash, in input order: each looks for the first
    // alike one before it (a crowd sharing one band is checked for its first few dozen only).
    std::vector<std::pair<quint32, quint32>> bucket;
    bucket.reserve(n);
    for (int b = 0; b < bands; ++b) {
        bucket.clear();
        for (size_t i = 0; i < n; ++i)
            if (compared[i]) bucket.emplace_back(band_hashes[i * size_t(bands) + size_t(b)], quint32(i));
        std::sort(bucket.begin(), bucket.end());
        for (size_t from = 0; from < bucket.size();) {
            size_t to = from + 1;
            while (to < bucket.size() && bucket[to].first == bucket[from].first) ++to;
            for (size_t k = from + 1; k < to; ++k) {
                const quint32 i = bucket[k].second;
                int tries = 0;
                for (size_t m = from; m < k && tries < 48; ++m, ++tries) {
                    const quint32 j = bucket[m].second;
                    if (found[i] >= 0 && found[i] <= qsizetype(j)) break;
                    if (near[i].numbers == near[j].numbers && jaccard(near[i].shingles, near[j].shingles) + 1e-9 >= share) {
                        found[i] = j;
                        break;
                    }
                }
            }
            from = to;
        }
    }
    return found;
}

bool are_duplicates(const QString& a, const QString& b, int threshold) {
    if (fold(a) == fold(b)) return true;
    return similarity(a, b) * 100.0 + 1e-9 >= threshold;
}

std::vector<Group> find(Database& db, const Options& options, const Progress& progress) {
    const auto tell = [&](const QString& what, qint64 done, qint64 total) {
        if (progress) progress(what, done, total);
    };
    const qint64 total = db.scalar(QStringLiteral("SELECT count(*) FROM quotes")).toLongLong();
    const QString reading = tr("Reading %1 quotations...").arg(total);
    tell(reading, 0, total);

    const double threshold = std::clamp(options.threshold, 1, 100) / 100.0;
    const int rows = rows_per_band(threshold);
    const int bands = signature_size / rows;

    // Each row's key and folded text's hash (64 bits: two different texts of a million share one
    // about once in ten million collections); the first row of each folded text stands for the
    // others in the near comparison, with its bands.
    std::vector<qint64> keys;
    std::vector<quint64> exact;
    std::vector<quint32> first_of;          // row -> the first row with the same folded text
    std::vector<quint32> representatives;   // rows standing for their folded text
    std::vector<quint32> band_hashes;       // representatives.size() * bands
    std::unordered_map<quint64, quint32> seen;
    keys.reserve(size_t(total));
    exact.reserve(size_t(total));
    first_of.reserve(size_t(total));
    seen.reserve(size_t(total));

    Statement rows_read = db.prepare_plain(QStringLiteral("SELECT key, text FROM quotes"));
    qint64 done = 0;
    while (rows_read.step()) {
        if ((++done & 4095) == 0) tell(reading, done, total);
        const QString text = rows_read.column_text(1);
        const QString folded = fold(text);
        if (folded.isEmpty()) continue;
        const quint64 h = mix(hash_units(folded.constData(), folded.size()));
        const quint32 row = quint32(keys.size());
        keys.push_back(rows_read.column_int64(0));
        exact.push_back(h);
        const auto [at, fresh] = seen.try_emplace(h, row);
        first_of.push_back(at->second);
        if (!fresh || !options.near) continue;
        representatives.push_back(row);
        const QString bare = without_attribution(text);
        const QString near = bare.size() == text.size() ? folded : fold(bare);
        band_hashes.resize(band_hashes.size() + size_t(bands));
        band_hashes_of(numbers_of(near), shingles_of(near), rows, bands, &band_hashes[band_hashes.size() - size_t(bands)]);
    }
    std::unordered_map<quint64, quint32>().swap(seen);

    Parents parents(keys.size());
    for (quint32 row = 0; row < keys.size(); ++row)
        if (first_of[row] != row) parents.join(first_of[row], row);

    if (options.near && representatives.size() > 1) {
        // A candidate pair is checked on the texts themselves, read again by key.
        Statement text_of = db.prepare_plain(QStringLiteral("SELECT text FROM quotes WHERE key = ?"));
        struct Checked {
            QString numbers;
            std::vector<quint64> shingles;
        };
        std::unordered_map<quint32, Checked> checked;
        const auto shingles = [&](quint32 row) -> const Checked& {
            auto it = checked.find(row);
            if (it != checked.end()) return it->second;
            text_of.bind(1, keys[row]);
            const QString near = text_of.step() ? near_text(text_of.column_text(0)) : QString();
            text_of.reset();
            return checked.emplace(row, Checked{numbers_of(near), shingles_of(near)}).first->second;
        };
        const QString comparing = tr("Comparing the quotations...");
        const size_t n = representatives.size();
        std::vector<std::pair<quint32, quint32>> bucket(n);  // band hash, representative
        for (int b = 0; b < bands; ++b) {
            tell(comparing, b, bands);
            for (size_t i = 0; i < n; ++i) bucket[i] = {band_hashes[i * size_t(bands) + size_t(b)], quint32(i)};
            std::sort(bucket.begin(), bucket.end());
            for (size_t from = 0; from < n;) {
                size_t to = from + 1;
                while (to < n && bucket[to].first == bucket[from].first) ++to;
                // Within a bucket each member is checked against the members before it that are
                // not yet in its group, at most a few dozen: a crowd of texts sharing one band is
                // the same text many times over, already joined.
                for (size_t i = from + 1; i < to; ++i) {
                    const quint32 row = representatives[bucket[i].second];
                    int tries = 0;
                    for (size_t j = i; j-- > from && tries < 48;) {
                        const quint32 other = representatives[bucket[j].second];
                        if (parents.root(row) == parents.root(other)) continue;
                        ++tries;
                        const Checked& x = shingles(row);
                        const Checked& y = shingles(other);
                        if (x.numbers == y.numbers && jaccard(x.shingles, y.shingles) + 1e-9 >= threshold)
                            parents.join(row, other);
                    }
                }
                from = to;
            }
        }
        tell(comparing, bands, bands);
    }

    // The groups: rows joined, two or more.
    std::unordered_map<quint32, size_t> group_of;
    std::vector<Group> groups;
    std::vector<quint64> group_text;
    for (quint32 row = 0; row < keys.size(); ++row) {
        const quint32 root = parents.root(row);
        auto it = group_of.find(root);
        if (it == group_of.end()) {
            it = group_of.emplace(root, groups.size()).first;
            groups.emplace_back();
            group_text.push_back(exact[row]);
        }
        Group& g = groups[it->second];
        g.keys.push_back(keys[row]);
        if (exact[row] != group_text[it->second]) g.exact = false;
    }
    std::vector<Group> found;
    for (Group& g : groups)
        if (g.keys.size() > 1) {
            std::sort(g.keys.begin(), g.keys.end());
            found.push_back(std::move(g));
        }
    std::sort(found.begin(), found.end(), [](const Group& a, const Group& b) { return a.keys.front() < b.keys.front(); });
    return found;
}

void merge(Database& db, qint64 kept, const std::vector<qint64>& others) {
    struct Fields {
        QVariant notes, subject, rate;
    };
    Statement read = db.prepare_plain(QStringLiteral("SELECT notes, subject, rate FROM quotes WHERE key = ?"));
    const auto fields = [&](qint64 key) {
        read.bind(1, key);
        if (!read.step()) {
            read.reset();
            throw DbError(db_errors::no_current_record,
                          tr("The quotation with the key %1 is no longer in the collection.").arg(key));
        }
        Fields f{read.column(0), read.column(1), read.column(2)};
        read.reset();
        return f;
    };
    const auto blank = [](const QVariant& v) { return v.isNull() || v.toString().trimmed().isEmpty(); };
    const auto no_subject = [&](const QVariant& v) { return blank(v) || v.toString().trimmed() == QLatin1String("-"); };
    const auto no_rate = [](const QVariant& v) { return v.isNull() || v.toLongLong() == 0; };

    Database::Transaction all_or_none(db);
    Fields mine = fields(kept);
    std::vector<qint64> going;
    for (const qint64 key : others) {
        if (key == kept || std::find(going.begin(), going.end(), key) != going.end()) continue;
        const Fields theirs = fields(key);
        if (blank(mine.notes) && !blank(theirs.notes)) mine.notes = theirs.notes;
        if (no_subject(mine.subject) && !no_subject(theirs.subject)) mine.subject = theirs.subject;
        if (no_rate(mine.rate) && !no_rate(theirs.rate)) mine.rate = theirs.rate;
        going.push_back(key);
    }
    // The others go to the Trash, and the kept row's former fields with them: one Undo takes
    // the whole merge back.
    const qint64 batch = trash::open_batch(db, QStringLiteral("merge"));
    trash::keep_fields(db, batch, kept, mine.notes, mine.subject, mine.rate);
    Statement update = db.prepare_plain(QStringLiteral("UPDATE quotes SET notes = ?, subject = ?, rate = ? WHERE key = ?"));
    update.bind(1, mine.notes);
    update.bind(2, mine.subject);
    update.bind(3, mine.rate);
    update.bind(4, kept);
    update.step();
    trash::move_quotes(db, batch, going);
    all_or_none.commit();
}

}  // namespace duplicates
