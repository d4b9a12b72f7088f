#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>

class Database;
struct GridQuery;

// The random order of quotations: every quotation carries a number in `random`; fresh numbers are
// uniform in [0, 1), and each quotation shown moves one whole unit further back, so the ones seen
// most recently sort last.
namespace random_order {

// Uniform single-precision numbers in [0, 1).
class Generator {
public:
    explicit Generator(std::uint32_t seed = 1) : engine_(seed) {}
    void seed(std::uint32_t s) { engine_.seed(s); }
    float next() { return float(engine_() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 engine_;
};

// Gives every quotation without a number (null or 0) a fresh one; on a database opened for
// reading only, none.
void fill_missing_random(Database& db, Generator& rng);
// The same for the authors, who have a random order of their own.
void fill_missing_author_random(Database& db, Generator& rng);

// Draws a fresh number for every quotation, all or none. `progress` is told the rows done now
// and then, from inside the engine's statement: it must not throw.
void randomize_all(Database& db, Generator& rng, const std::function<void(qint64 done, qint64 total)>& progress = {});

enum class Rotation { not_in_random_order, rotated, quote_missing };

// Moves the quotation to the back of the random order, when `listed_by` is in that order.
Rotation rotate_quote(Database& db, Generator& rng, const GridQuery& listed_by, qint32 key);

// The place one seen at `old` moves to, as SQL text: the next whole unit plus a fresh fraction;
// "0" (none yet) for a null.
QString next_place(const QVariant& old, Generator& rng);

// A number as SQL text: always with a decimal point, whatever the user's locale.
QString sql_number(double value);

// A quotation as a slide show reads it.
struct QuoteRow {
    qint64 key = 0;
    QString text;
    QString author;
    QVariant random;  // null when it has no number
};

// The quotation with this key; none when it has gone. Throws DbError.
std::optional<QuoteRow> quote_by_key(Database& db, qint64 key);

// Of the quotations `query` lists, the one that comes first in the random order among those
// whose number is at least `from` (among all of them without it). The random order's index is
// walked from `from` onwards, so the list is never sorted as a whole and the step costs the
// same for ten quotations as for a million. A quotation the query's join would drop (its author
// missing from the authors) is passed over, as the list does not show it. Throws DbError.
std::optional<QuoteRow> first_in_random_order(Database& db, const GridQuery& query, std::optional<double> from);

}  // namespace random_order
