#include "jet_dialect.h"

#include "sql_text.h"

#include <QChar>
#include <QStringList>
#include <QSet>
#include <sqlite3.h>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <atomic>
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace jet {

namespace {

// ---------------------------------------------------------------- folding tables

struct Tables {
    // Simple case folding and the folded base letter (accents dropped) of each character of the
    // Basic Multilingual Plane, worked out a page of 256 characters at a time when first needed:
    // most texts use a few pages, and a program that starts for one quotation pays for those.
    mutable std::vector<char16_t> fold, primary;
    mutable std::vector<std::atomic<bool>> ready;
    // ASCII characters that some other character folds to (k for the Kelvin sign, s for the
    // long s): a search for them must look at every character, not only at ASCII bytes.
    bool folded_into[128] = {};
    Tables() : fold(0x10000), primary(0x10000), ready(256) {
        // In Unicode's simple case folding only these two fold into ASCII letters.
        for (char32_t c : {char32_t(0x212A), char32_t(0x017F)}) {
            const char32_t f = QChar::toCaseFolded(c);
            if (f < 0x80) folded_into[f] = true;
        }
    }
    void fill(unsigned page) const {
        for (char32_t c = page * 256; c < (page + 1) * 256; ++c) {
            const char32_t f = QChar::toCaseFolded(c);
            fold[c] = f < 0x10000 ? char16_t(f) : char16_t(c);
        }
        for (char32_t c = page * 256; c < (page + 1) * 256; ++c) {
            char32_t p = fold[c];
            for (int guard = 0; guard < 4 && QChar::decompositionTag(p) == QChar::Canonical; ++guard) {
                const QString d = QChar::decomposition(p);
                if (d.isEmpty()) break;
                const char32_t first = d.at(0).isHighSurrogate() && d.size() > 1
                                           ? QChar::surrogateToUcs4(d.at(0), d.at(1))
                                           : d.at(0).unicode();
                const char32_t folded = QChar::toCaseFolded(first);
                p = folded < 0x10000 ? folded : first;
            }
            primary[c] = p < 0x10000 ? char16_t(p) : fold[c];
        }
        ready[page].store(true, std::memory_order_release);
    }
    char16_t folded(char32_t c) const {
        if (!ready[c >> 8].load(std::memory_order_acquire)) fill(unsigned(c >> 8));
        return fold[c];
    }
    char16_t base(char32_t c) const {
        if (!ready[c >> 8].load(std::memory_order_acquire)) fill(unsigned(c >> 8));
        return primary[c];
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

inline char32_t fold_fast(char32_t c, const Tables& t) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c < 0x10000) return t.folded(c);
    return QChar::toCaseFolded(c);
}

inline char32_t primary_of(char32_t c, const Tables& t) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c < 0x10000) return t.base(c);
    return QChar::toCaseFolded(c);
}

// Decodes one UTF-8 code point at s[i]; malformed bytes read as U+FFFD, one byte each.
inline char32_t decode(const unsigned char* s, int n, int& i) {
    const unsigned char b = s[i];
    if (b < 0x80) {
        ++i;
        return b;
    }
    int len = 0;
    char32_t c = 0;
    if ((b & 0xE0) == 0xC0) { len = 2; c = b & 0x1F; }
    else if ((b & 0xF0) == 0xE0) { len = 3; c = b & 0x0F; }
    else if ((b & 0xF8) == 0xF0) { len = 4; c = b & 0x07; }
    else { ++i; return 0xFFFD; }
    if (i + len > n) { ++i; return 0xFFFD; }
    for (int k = 1; k < len; ++k) {
        if ((s[i + k] & 0xC0) != 0x80) { ++i; return 0xFFFD; }
        c = (c << 6) | (s[i + k] & 0x3F);
    }
    i += len;
    return c;
}

void decode_folded(const unsigned char* s, int n, std::u32string& out) {
    const Tables& t = tables();
    out.clear();
    int i = 0;
    while (i < n) {
        // ASCII runs need no decoding.
        if (s[i] < 0x80) {
            const unsigned char b = s[i++];
            out.push_back((b >= 'A' && b <= 'Z') ? b + 32 : b);
            continue;
        }
        out.push_back(fold_fast(decode(s, n, i), t));
    }
}

// ---------------------------------------------------------------- Jet patterns

struct Item {
    enum Kind : unsigned char { literal, any_run, any_one, digit, set } kind;
    bool negate = false;
    char32_t ch = 0;
    unsigned first_range = 0, end_range = 0;
};

struct Pattern {
    std::vector<Item> items;
    std::vector<std::pair<char32_t, char32_t>> ranges;
    // Patterns of the shapes *abc*, abc*, *abc and abc are matched by plain searches.
    enum Shape { general, contains, prefix, suffix, exact } shape = general;
    std::u32string literal;
    // The literal of a plain shape as folded ASCII bytes, when it is ASCII; empty otherwise.
    std::string ascii;
    bool ascii_literal = false;
    bool needs_all_characters = false;  // the literal holds a letter some non-ASCII letter folds to
};

Pattern compile(const unsigned char* p, int n) {
    Pattern pat;
    std::u32string chars;
    decode_folded(p, n, chars);
    const size_t m = chars.size();
    for (size_t i = 0; i < m; ++i) {
        const char32_t c = chars[i];
        Item it;
        if (c == U'*') {
            if (!pat.items.empty() && pat.items.back().kind == Item::any_run) continue;
            it.kind = Item::any_run;
        } else if (c == U'?') {
            it.kind = Item::any_one;
        } else if (c == U'#') {
            it.kind = Item::digit;
        } else if (c == U'[') {
            size_t j = i + 1;
            it.kind = Item::set;
            if (j < m && chars[j] == U'!') {
                it.negate = true;
                ++j;
            }
            it.first_range = unsigned(pat.ranges.size());
            bool closed = false;
            bool first = true;
            while (j < m) {
                char32_t a = chars[j];
                if (a == U']' && !first) {
                    closed = true;
                    break;
                }
                first = false;
                if (a == U']') {  // "[]" matches nothing, as an empty set
                    closed = true;
                    break;
                }
                char32_t b = a;
                if (j + 2 < m && chars[j + 1] == U'-' && chars[j + 2] != U']') {
                    b = chars[j + 2];
                    j += 2;
                    if (b < a) throw std::invalid_argument("Invalid pattern string");
                }
                pat.ranges.emplace_back(a, b);
                ++j;
            }
            if (!closed) throw std::invalid_argument("Invalid pattern string");
            it.end_range = unsigned(pat.ranges.size());
            // A bracket holding one character and no "!" stands for that character.
            if (!it.negate && it.end_range - it.first_range == 1 &&
                pat.ranges[it.first_range].first == pat.ranges[it.first_range].second) {
                it.kind = Item::literal;
                it.ch = pat.ranges[it.first_range].first;
                pat.ranges.pop_back();
            }
            i = j;
        } else {
            it.kind = Item::literal;
            it.ch = c;
        }
        pat.items.push_back(it);
    }
    // Recognise the plain shapes.
    const auto& items = pat.items;
    size_t a = 0, b = items.size();
    const bool lead = b > 0 && items[0].kind == Item::any_run;
    const bool trail = b > (lead ? 1u : 0u) && items[b - 1].kind == Item::any_run;
    if (lead) ++a;
    if (trail) --b;
    bool plain = true;
    for (size_t i = a; i < b; ++i)
        if (items[i].kind != Item::literal) plain = false;
    if (plain) {
        for (size_t i = a; i < b; ++i) pat.literal.push_back(items[i].ch);
        pat.shape = lead && trail ? Pattern::contains : lead ? Pattern::suffix : trail ? Pattern::prefix : Pattern::exact;
        pat.ascii_literal = true;
        for (const char32_t c : pat.literal) {
            if (c >= 0x80) {
                pat.ascii_literal = false;
                pat.ascii.clear();
                break;
            }
            pat.ascii.push_back(char(c));
            if (tables().folded_into[c]) pat.needs_all_characters = true;
        }
    }
    return pat;
}

inline bool item_matches(const Pattern& pat, const Item& it, char32_t c) {
    switch (it.kind) {
    case Item::literal: return c == it.ch;
    case Item::any_one: return true;
    case Item::digit: return c >= U'0' && c <= U'9';
    case Item::set: {
        bool in = false;
        for (unsigned r = it.first_range; r < it.end_range && !in; ++r)
            in = c >= pat.ranges[r].first && c <= pat.ranges[r].second;
        return in != it.negate;
    }
    case Item::any_run: return false;
    }
    return false;
}

bool match(const Pattern& pat, const std::u32string& s) {
    switch (pat.shape) {
    case Pattern::contains: return pat.literal.empty() || s.find(pat.literal) != std::u32string::npos;
    case Pattern::prefix: return s.compare(0, pat.literal.size(), pat.literal) == 0;
    case Pattern::suffix:
        return s.size() >= pat.literal.size() &&
               s.compare(s.size() - pat.literal.size(), pat.literal.size(), pat.literal) == 0;
    case Pattern::exact: return s == pat.literal;
    case Pattern::general: break;
    }
    const auto& items = pat.items;
    const size_t m = items.size(), n = s.size();
    size_t i = 0, j = 0, star_i = size_t(-1), star_j = 0;
    while (j < n) {
        if (i < m && items[i].kind == Item::any_run) {
            star_i = i++;
            star_j = j;
        } else if (i < m && item_matches(pat, items[i], s[j])) {
            ++i;
            ++j;
        } else if (star_i != size_t(-1)) {
            i = star_i + 1;
            j = ++star_j;
        } else {
            return false;
        }
    }
    while (i < m && items[i].kind == Item::any_run) ++i;
    return i == m;
}

inline unsigned char ascii_lower(unsigned char b) { return (b >= 'A' && b <= 'Z') ? b + 32 : b; }

bool has_non_ascii(const unsigned char* s, int n) {
    for (int i = 0; i < n; ++i)
        if (s[i] & 0x80) return true;
    return false;
}

// A plain-shaped pattern with an ASCII literal, matched on the UTF-8 bytes themselves: the bytes
// of other characters are all 0x80 and above, so they never equal a byte of the literal. Returns
// false in `decided` when the value must be decoded after all.
bool match_ascii(const Pattern& pat, const unsigned char* s, int n, bool& decided) {
    decided = !pat.needs_all_characters || !has_non_ascii(s, n);
    if (!decided) return false;
    const std::string& lit = pat.ascii;
    const int m = int(lit.size());
    auto equal_at = [&](int at) {
        for (int k = 0; k < m; ++k)
            if (ascii_lower(s[at + k]) != static_cast<unsigned char>(lit[size_t(k)])) return false;
        return true;
    };
    switch (pat.shape) {
    case Pattern::exact: {
        // An exact match has as many characters as the literal: with ASCII bytes, as many bytes.
        return n == m && equal_at(0);
    }
    case Pattern::prefix: return n >= m && equal_at(0);
    case Pattern::suffix: return n >= m && equal_at(n - m);
    case Pattern::contains: {
        if (m == 0) return true;
        // The literal's first byte in either case, then the rest: one pass, nothing copied.
        const unsigned char first = static_cast<unsigned char>(lit[0]);
        const unsigned char case_bit = first >= 'a' && first <= 'z' ? 0x20 : 0;
        int at = 0;
#ifdef __SSE2__
        // Sixteen places at a time: where the literal's first and last bytes both stand (in
        // either case) the whole literal is compared. A text search of half a million rows spends
        // most of its time here.
        const unsigned char last = static_cast<unsigned char>(lit[size_t(m - 1)]);
        const unsigned char last_bit = last >= 'a' && last <= 'z' ? 0x20 : 0;
        const __m128i first_bytes = _mm_set1_epi8(char(first)), last_bytes = _mm_set1_epi8(char(last));
        const __m128i first_case = _mm_set1_epi8(char(case_bit)), last_case = _mm_set1_epi8(char(last_bit));
        for (; at + m - 1 + 16 <= n; at += 16) {
            const __m128i a = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at)), first_case);
            const __m128i b = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at + m - 1)), last_case);
            unsigned hits = unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first_bytes), _mm_cmpeq_epi8(b, last_bytes))));
            while (hits) {
                const int bit = __builtin_ctz(hits);
                if (equal_at(at + bit)) return true;
                hits &= hits - 1;
            }
        }
#endif
        for (; at + m <= n; ++at)
            if ((s[at] | case_bit) == first && equal_at(at)) return true;
        return false;
    }
    case Pattern::general: break;
    }
    decided = false;
    return false;
}

void delete_pattern(void* p) { delete static_cast<Pattern*>(p); }

// like(pattern, value): SQLite calls it for "value LIKE pattern".
void like_function(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    auto* pat = static_cast<Pattern*>(sqlite3_get_auxdata(ctx, 0));
    if (!pat) {
        const auto* p = sqlite3_value_text(argv[0]);
        const int pn = sqlite3_value_bytes(argv[0]);
        try {
            auto compiled = std::make_unique<Pattern>(compile(p, pn));
            pat = compiled.get();
            sqlite3_set_auxdata(ctx, 0, compiled.release(), delete_pattern);
            // SQLite may drop auxiliary data at once for a non-constant pattern: read it back.
            if (sqlite3_get_auxdata(ctx, 0) != pat) {
                // Already freed by SQLite; compile a private copy for this call.
                static thread_local Pattern scratch;
                scratch = compile(p, pn);
                pat = &scratch;
            }
        } catch (const std::invalid_argument& e) {
            sqlite3_result_error(ctx, e.what(), -1);
            return;
        }
    }
    const auto* text = sqlite3_value_text(argv[1]);
    const int bytes = sqlite3_value_bytes(argv[1]);
    if (pat->ascii_literal) {
        bool decided = false;
        const bool hit = match_ascii(*pat, text, bytes, decided);
        if (decided) {
            sqlite3_result_int(ctx, hit ? 1 : 0);
            return;
        }
    }
    static thread_local std::u32string value;
    decode_folded(text, bytes, value);
    sqlite3_result_int(ctx, match(*pat, value) ? 1 : 0);
}

void like_escape_refused(sqlite3_context* ctx, int, sqlite3_value**) {
    sqlite3_result_error(ctx, "LIKE ... ESCAPE is not part of this SQL dialect; bracket the character instead", -1);
}

int nocase_collation(void*, int na, const void* a, int nb, const void* b) {
    return compare_nocase(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}

}  // namespace

char32_t fold(char32_t c) { return fold_fast(c, tables()); }

QString folded(const QString& text) {
    const Tables& t = tables();
    QString out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const char32_t f = fold_fast(c, t);
        if (QChar::requiresSurrogates(f)) {
            out += QChar(QChar::highSurrogate(f));
            out += QChar(QChar::lowSurrogate(f));
        } else {
            out += QChar(char16_t(f));
        }
    }
    return out;
}

bool like(QStringView pattern, QStringView value) {
    const QByteArray p = pattern.toUtf8();
    const QByteArray v = value.toUtf8();
    const Pattern pat = compile(reinterpret_cast<const unsigned char*>(p.constData()), int(p.size()));
    if (pat.ascii_literal) {
        bool decided = false;
        const bool hit = match_ascii(pat, reinterpret_cast<const unsigned char*>(v.constData()), int(v.size()), decided);
        if (decided) return hit;
    }
    std::u32string s;
    decode_folded(reinterpret_cast<const unsigned char*>(v.constData()), int(v.size()), s);
    return match(pat, s);
}

int compare_nocase(const char* a_, int na, const char* b_, int nb) {
    const auto* a = reinterpret_cast<const unsigned char*>(a_);
    const auto* b = reinterpret_cast<const unsigned char*>(b_);
    const int n = na < nb ? na : nb;
    // Most comparisons in a search or a sort are decided by the first letter.
    if (n > 0 && ((a[0] | b[0]) & 0x80) == 0) {
        const unsigned char fx = (a[0] >= 'A' && a[0] <= 'Z') ? a[0] + 32 : a[0];
        const unsigned char fy = (b[0] >= 'A' && b[0] <= 'Z') ? b[0] + 32 : b[0];
        if (fx != fy) return int(fx) - int(fy);
    }
    // Identical bytes are identical letters: skip the common beginning eight bytes at a time.
    // Names and texts compared in a join or a sort often share a long one.
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y) break;
    }
    while (i < n && a[i] == b[i]) ++i;
    if (i == n) return na - nb;
    // Back to the first byte of the character the texts differ in.
    while (i > 0 && ((a[i] & 0xC0) == 0x80 || (b[i] & 0xC0) == 0x80)) --i;
    // ASCII fast path: where both texts are plain ASCII, folded bytes decide at once.
    for (; i < n; ++i) {
        const unsigned char x = a[i], y = b[i];
        if ((x | y) & 0x80) break;
        const unsigned char fx = (x >= 'A' && x <= 'Z') ? x + 32 : x;
        const unsigned char fy = (y >= 'A' && y <= 'Z') ? y + 32 : y;
        if (fx != fy) return int(fx) - int(fy);
    }
    if (i == n) return na - nb;
    // From the first non-ASCII character: compare base letters first, so that accented letters
    // sort beside their base letter, then the folded letters, so that equality means "equal but
    // for letter case".
    const Tables& t = tables();
    int ia = i, ib = i;
    int secondary = 0;
    while (ia < na && ib < nb) {
        const unsigned char x = a[ia], y = b[ib];
        if (((x | y) & 0x80) == 0) {  // two ASCII characters: their folded forms are their base letters
            const unsigned char fx = (x >= 'A' && x <= 'Z') ? x + 32 : x;
            const unsigned char fy = (y >= 'A' && y <= 'Z') ? y + 32 : y;
            if (fx != fy) return fx < fy ? -1 : 1;
            ++ia;
            ++ib;
            continue;
        }
        const char32_t ca = decode(a, na, ia);
        const char32_t cb = decode(b, nb, ib);
        if (ca == cb) continue;
        const char32_t pa = primary_of(ca, t), pb = primary_of(cb, t);
        if (pa != pb) return pa < pb ? -1 : 1;
        if (secondary == 0) {
            const char32_t fa = fold_fast(ca, t), fb = fold_fast(cb, t);
            if (fa != fb) secondary = fa < fb ? -1 : 1;
        }
    }
    if (ia < na) return 1;
    if (ib < nb) return -1;
    return secondary;
}

namespace {

void append_utf8(QByteArray& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The quotation marks, dashes and blanks a sortable text does without at its start.
constexpr char32_t unsortable_start[] = {U' ',    U'"',    U'\'',   U'-',    U'\t',   U'\n',   U'\r',   0x2013, 0x2014,
                                         0xAB,    0xBB,    0x201C, 0x201D, 0x201E, 0x2018, 0x2019, 0x201A,
                                         0x2039,  0x203A};

bool unsortable(char32_t c) {
    for (char32_t u : unsortable_start)
        if (u == c) return true;
    return false;
}

// Keys for the SQL functions: a text keyed, anything else (null, a number, a blob) as null.
void key_function(sqlite3_context* ctx, sqlite3_value** argv, bool whole, bool trim) {
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* s = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    int n = sqlite3_value_bytes(argv[0]);
    if (trim) {
        int i = 0;
        while (i < n) {
            int next = i;
            const char32_t c = decode(reinterpret_cast<const unsigned char*>(s), n, next);
            if (!unsortable(c)) break;
            i = next;
        }
        s += i;
        n -= i;
    }
    const QByteArray key = whole ? name_key(s, n) : prefix_key(s, n, trim ? text_prefix_letters : note_prefix_letters);
    sqlite3_result_blob(ctx, key.constData(), int(key.size()), SQLITE_TRANSIENT);
}

void name_key_function(sqlite3_context* ctx, int, sqlite3_value** argv) { key_function(ctx, argv, true, false); }
void prefix_key_function(sqlite3_context* ctx, int, sqlite3_value** argv) { key_function(ctx, argv, false, false); }
void text_key_function(sqlite3_context* ctx, int, sqlite3_value** argv) { key_function(ctx, argv, false, true); }

}  // namespace

// A name's key: its base letters, a zero byte, then only the letters whose folded form differs
// from their base letter (the accented ones), each as an entry, and an end byte.
//
// Two names with the same base letters are ordered by their folded letters at the first place
// they differ. An entry keeps that order in bytes: a folded letter above its base letter is a
// "high" entry (3), below it a "low" one (1), and the end byte (2) lies between, standing for
// "the rest as the base letters". Then the entry's place, counted from the place after the entry
// before it: counted down for a high entry and up for a low one, so that an entry at an earlier
// place weighs more in its direction. Then the folded letter. Names of plain letters, most of
// them, thus need two bytes beyond their base letters instead of their whole length again.
namespace {

constexpr char low_entry = 1, end_of_entries = 2, high_entry = 3;

// A distance as bytes whose order is the distances' order (upwards), or its reverse: one byte
// below 240, else a byte that says how many follow. Distances beyond 2^24 + 2^16 are taken as
// that (no name is so long).
constexpr int one_byte = 0xF0, two_bytes = one_byte + 0x10000, three_bytes = two_bytes + 0x1000000;

void append_distance(QByteArray& out, int d, bool downwards) {
    d = std::min(d, three_bytes - 1);
    const auto put = [&](int value, int bytes) {
        for (int b = bytes - 1; b >= 0; --b) {
            const int byte = (value >> (8 * b)) & 0xFF;
            out += char(downwards ? 0xFF - byte : byte);
        }
    };
    if (d < one_byte) {
        out += char(downwards ? 0xFF - d : d);
    } else if (d < two_bytes) {
        out += char(downwards ? 0x0F : 0xF0);
        put(d - one_byte, 2);
    } else {
        out += char(downwards ? 0x0E : 0xF1);
        put(d - two_bytes, 3);
    }
}

int read_distance(const unsigned char* s, int n, int& i, bool downwards) {
    if (i >= n) return 0;
    const int first = downwards ? 0xFF - s[i] : s[i];
    ++i;
    if (first < one_byte) return first;
    const int bytes = first == 0xF0 ? 2 : 3;
    int value = 0;
    for (int b = 0; b < bytes && i < n; ++b, ++i) value = (value << 8) | (downwards ? 0xFF - s[i] : s[i]);
    return value + (bytes == 2 ? one_byte : two_bytes);
}

}  // namespace

QByteArray name_key(const char* utf8, int n) {
    const Tables& t = tables();
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    QByteArray key, entries;
    key.reserve(n + 2);
    int place = 0, next_place = 0;
    for (int i = 0; i < n; ++place) {
        const char32_t c = decode(s, n, i);
        const char32_t primary = primary_of(c, t), folded = fold_fast(c, t);
        append_utf8(key, primary);
        if (folded == primary) continue;
        const bool high = folded > primary;
        entries += high ? high_entry : low_entry;
        append_distance(entries, place - next_place, high);
        append_utf8(entries, folded);
        next_place = place + 1;
    }
    key += '\0';
    key += entries;
    key += end_of_entries;
    return key;
}

QString folded_name_of_key(const QByteArray& key) {
    const auto* s = reinterpret_cast<const unsigned char*>(key.constData());
    const int n = int(key.size());
    std::u32string letters;
    int i = 0;
    while (i < n && s[i] != 0) letters += decode(s, n, i);
    ++i;
    size_t place = 0;
    while (i + 2 < n && (s[i] == low_entry || s[i] == high_entry)) {
        const bool high = s[i] == high_entry;
        ++i;
        place += size_t(read_distance(s, n, i, high));
        if (i >= n) break;
        const char32_t folded = decode(s, n, i);
        if (place < letters.size()) letters[place] = folded;
        ++place;
    }
    return QString::fromUcs4(letters.data(), qsizetype(letters.size()));
}

QByteArray prefix_key(const char* utf8, int n, int letters) {
    const Tables& t = tables();
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    QByteArray key;
    int i = 0;
    for (int done = 0; i < n && done < letters; ++done) append_utf8(key, primary_of(decode(s, n, i), t));
    key += i < n ? '\1' : '\0';
    return key;
}

QByteArray name_key(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return name_key(utf8.constData(), int(utf8.size()));
}

QString sortable_text(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && unsortable(text[i].unicode())) ++i;
    return text.mid(i);
}

QString sortable_text_sql(const QString& column) {
    QStringList codes;
    for (char32_t c : unsortable_start) codes << QString::number(uint(c));
    return QStringLiteral("ltrim(%1, char(%2))").arg(column, codes.join(QStringLiteral(", ")));
}

void register_dialect(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    // The keys the program keeps beside the texts it sorts (see name_key and prefix_key).
    sqlite3_create_function(db, "sentara_name_key", 1, flags, nullptr, name_key_function, nullptr, nullptr);
    sqlite3_create_function(db, "sentara_prefix_key", 1, flags, nullptr, prefix_key_function, nullptr, nullptr);
    sqlite3_create_function(db, "sentara_text_key", 1, flags, nullptr, text_key_function, nullptr, nullptr);
    sqlite3_create_function(db, "like", 2, flags, nullptr, like_function, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, like_escape_refused, nullptr, nullptr);
    sqlite3_create_collation_v2(db, collation, SQLITE_UTF8, nullptr, nocase_collation, nullptr);
}

namespace {

// True when some letter of the text has another case: a comparison with it depends on case.
bool has_cased_letter(QStringView text) {
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80) {
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
        } else if (QChar::toCaseFolded(c) != c || QChar::toUpper(c) != c || QChar::toLower(c) != c) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString use_program_collation(const QString& sql, const QSet<QString>& numeric) {
    using namespace sql_text;
    const std::vector<Token> all = tokenize(sql);
    std::vector<Token> t;
    t.reserve(all.size());
    for (const Token& tok : all)
        if (tok.kind != Token::space) t.push_back(tok);
    if (t.empty()) return sql;
    static const QSet<QString> untouched = {"PRAGMA", "CREATE", "DROP", "ALTER", "VACUUM", "ANALYZE", "REINDEX", "BEGIN",
                                            "COMMIT", "END", "ROLLBACK", "SAVEPOINT", "RELEASE", "ATTACH", "DETACH"};
    if (untouched.contains(keyword(sql, t[0]))) return sql;

    const qsizetype n = qsizetype(t.size());
    auto text_of = [&](qsizetype i) { return QStringView(sql).mid(t[i].begin, t[i].end - t[i].begin); };
    auto is_punct = [&](qsizetype i, QChar c) { return i >= 0 && i < n && t[i].kind == Token::punct && sql[t[i].begin] == c; };
    auto is_name = [&](qsizetype i) { return i >= 0 && i < n && (t[i].kind == Token::word || t[i].kind == Token::quoted_name); };
    auto followed_by_collate = [&](qsizetype i) { return i + 1 < n && keyword(sql, t[i + 1]) == "COLLATE"; };
    static const QSet<QString> not_columns = {"NULL", "TRUE", "FALSE", "NOT", "AND", "OR", "IS", "IN", "LIKE", "SELECT",
                                              "CASE", "WHEN", "THEN", "ELSE", "END", "EXISTS", "CURRENT_DATE",
                                              "CURRENT_TIME", "CURRENT_TIMESTAMP", "WHERE", "ON", "SET", "BY"};
    // The column named by a reference "c", "t.c" or "[t].[c]" ending at token `last`, or empty
    // text when the tokens there are not one; `first` receives where the reference begins.
    auto column_ending_at = [&](qsizetype last, qsizetype& first) -> QString {
        if (!is_name(last) || not_columns.contains(keyword(sql, t[last]))) return {};
        first = last;
        if (is_punct(last - 1, u'.') && is_name(last - 2)) first = last - 2;
        return name_of(sql, t[last]).toLower();
    };
    auto column_starting_at = [&](qsizetype at, qsizetype& last) -> QString {
        if (!is_name(at) || not_columns.contains(keyword(sql, t[at]))) return {};
        last = at;
        if (is_punct(at + 1, u'.') && is_name(at + 2)) last = at + 2;
        return name_of(sql, t[last]).toLower();
    };
    auto numeric_column = [&](const QString& name) {
        return numeric.contains(name) || name == u"rowid" || name == u"oid" || name == u"_rowid_";
    };

    std::vector<qsizetype> after;  // tokens to follow with " COLLATE JET_NOCASE"
    int depth = 0;
    int set_depth = -1;    // inside UPDATE ... SET at this depth: its "=" are assignments
    int order_depth = -1;  // inside ORDER BY at this depth
    qsizetype term_start = -1;
    auto close_order_term = [&](qsizetype end) {  // tokens [term_start, end)
        if (term_start < 0 || term_start >= end) return;
        qsizetype i = term_start;
        if (is_punct(i, u'+') || is_punct(i, u'-')) ++i;
        qsizetype last = -1;
        const QString name = column_starting_at(i, last);
        if (name.isEmpty() || numeric_column(name)) return;
        qsizetype rest = last + 1;
        static const QSet<QString> tail = {"ASC", "DESC", "NULLS", "FIRST", "LAST"};
        for (qsizetype k = rest; k < end; ++k)
            if (!tail.contains(keyword(sql, t[k]))) return;  // COLLATE already, or an expression
        after.push_back(last);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QString k = keyword(sql, t[i]);
        if (t[i].kind == Token::punct) {
            const QChar c = sql[t[i].begin];
            if (c == u'(') {
                ++depth;
                continue;
            }
            if (c == u')' || c == u';') {
                if (order_depth == depth) {
                    close_order_term(i);
                    order_depth = -1;
                }
                if (set_depth == depth) set_depth = -1;
                if (c == u')') --depth;
                continue;
            }
            if (c == u',' && order_depth == depth) {
                close_order_term(i);
                term_start = i + 1;
                continue;
            }
            // An operator made of adjacent punctuation: "=", "==", "<>", "!=" compare for equality.
            if (c != u'=' && c != u'<' && c != u'!') continue;
            if (i > 0 && t[i - 1].kind == Token::punct && t[i - 1].end == t[i].begin &&
                QStringLiteral("<>=!").contains(sql[t[i - 1].begin]))
                continue;  // the second character of an operator seen already
            qsizetype j = i;
            QString op = text_of(i).toString();
            while (j + 1 < n && t[j + 1].kind == Token::punct && t[j + 1].begin == t[j].end &&
                   QStringLiteral("<>=!").contains(sql[t[j + 1].begin]))
                op += text_of(++j);
            if (op != u"=" && op != u"==" && op != u"<>" && op != u"!=") continue;
            if (set_depth == depth) continue;
            const qsizetype left = i - 1, right = j + 1;
            if (left < 0 || right >= n) continue;
            if (left > 0 && keyword(sql, t[left - 1]) == "COLLATE") {  // rewritten already
                i = j;
                continue;
            }
            qsizetype first = -1, last = -1;
            const QString left_column = column_ending_at(left, first);
            const QString right_column = column_starting_at(right, last);
            if (t[right].kind == Token::string) {
                if (!followed_by_collate(right) && has_cased_letter(text_of(right)) && !numeric_column(left_column))
                    after.push_back(right);
            } else if (t[left].kind == Token::string) {
                if (has_cased_letter(text_of(left)) && !numeric_column(right_column)) after.push_back(left);
            } else if (!left_column.isEmpty() && !numeric_column(left_column) &&
                       (is_punct(right, u'?') || is_punct(right, u':') || is_punct(right, u'@'))) {
                qsizetype p = right;
                if (p + 1 < n && t[p + 1].begin == t[p].end && t[p + 1].kind != Token::punct) ++p;  // ?1, :name
                if (!followed_by_collate(p)) after.push_back(p);
            } else if (!left_column.isEmpty() && !right_column.isEmpty() && !numeric_column(left_column) &&
                       !numeric_column(right_column) && !followed_by_collate(last)) {
                after.push_back(last);
            }
            i = j;
            continue;
        }
        if (k == "SET" && depth >= 0) {
            set_depth = depth;
        } else if ((k == "WHERE" || k == "FROM" || k == "RETURNING") && set_depth == depth) {
            set_depth = -1;
        } else if (k == "ORDER" && i + 1 < n && keyword(sql, t[i + 1]) == "BY") {
            order_depth = depth;
            term_start = i + 2;
            ++i;
        } else if ((k == "LIMIT" || k == "UNION" || k == "EXCEPT" || k == "INTERSECT") && order_depth == depth) {
            close_order_term(i);
            order_depth = -1;
        }
    }
    if (order_depth >= 0) close_order_term(n);
    if (after.empty()) return sql;
    std::sort(after.begin(), after.end());
    after.erase(std::unique(after.begin(), after.end()), after.end());
    QString out;
    out.reserve(sql.size() + int(after.size()) * 20);
    qsizetype copied = 0;
    const QString suffix = QStringLiteral(" COLLATE ") + QLatin1String(collation);
    for (const qsizetype i : after) {
        out += QStringView(sql).mid(copied, t[i].end - copied);
        out += suffix;
        copied = t[i].end;
    }
    out += QStringView(sql).mid(copied);
    return out;
}

QString resolve_qualifiers(const QString& sql, const QHash<QString, QString>& views) {
    using namespace sql_text;
    const std::vector<Token> all = tokenize(sql);
    std::vector<Token> toks;
    toks.reserve(all.size());
    for (const Token& t : all)
        if (t.kind != Token::space) toks.push_back(t);

    // Names (and aliases) that FROM and JOIN bring into the statement, at any depth.
    QHash<QString, QString> named;  // lower case -> as written
    const qsizetype n = qsizetype(toks.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QString k = keyword(sql, toks[i]);
        if (k != "FROM" && k != "JOIN") continue;
        qsizetype j = i + 1;
        while (j < n) {
            if (toks[j].kind != Token::word && toks[j].kind != Token::quoted_name) break;
            const QString name = name_of(sql, toks[j]);
            named.insert(name.toLower(), name);
            ++j;
            if (j < n && keyword(sql, toks[j]) == "AS") ++j;
            if (j < n && (toks[j].kind == Token::word || toks[j].kind == Token::quoted_name)) {
                static const QSet<QString> stop = {"INNER", "LEFT", "RIGHT", "OUTER", "CROSS", "JOIN", "ON",
                                                   "WHERE", "GROUP", "ORDER", "HAVING", "LIMIT", "UNION",
                                                   "USING", "NATURAL", "SET", "VALUES", "EXCEPT", "INTERSECT"};
                if (!stop.contains(keyword(sql, toks[j]))) {
                    named.insert(name_of(sql, toks[j]).toLower(), name_of(sql, toks[j]));
                    ++j;
                }
            }
            if (j < n && toks[j].kind == Token::punct && sql[toks[j].begin] == u',') {
                ++j;
                continue;
            }
            break;
        }
    }
    // Which base table each named saved query stands for.
    QHash<QString, QString> through;  // base table (lower) -> saved query as written
    for (auto it = named.cbegin(); it != named.cend(); ++it) {
        const auto v = views.constFind(it.key());
        if (v != views.cend() && !named.contains(*v)) through.insert(*v, it.value());
    }
    if (through.isEmpty()) return sql;

    QString out;
    qsizetype copied = 0;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const Token& t = toks[i];
        if (t.kind != Token::word && t.kind != Token::quoted_name) continue;
        const Token& dot = toks[i + 1];
        if (dot.kind != Token::punct || sql[dot.begin] != u'.' || dot.begin != t.end) continue;
        if (i > 0 && toks[i - 1].kind == Token::punct && sql[toks[i - 1].begin] == u'.' &&
            toks[i - 1].end == t.begin)
            continue;  // the middle of a.b.c
        const auto hit = through.constFind(name_of(sql, t).toLower());
        if (hit == through.cend()) continue;
        out += QStringView(sql).mid(copied, t.begin - copied);
        out += *hit;
        copied = t.end;
    }
    if (copied == 0) return sql;
    out += QStringView(sql).mid(copied);
    return out;
}

}  // namespace jet
