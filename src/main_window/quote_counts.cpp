#include "quote_counts.h"

#include "core/app_context.h"
#include "database/jet_dialect.h"

namespace {

// Names equal but for letter case, as the engine's comparison sees them.
QString folded(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const char32_t f = jet::fold(c);
        if (QChar::requiresSurrogates(f)) {
            out += QChar(QChar::highSurrogate(f));
            out += QChar(QChar::lowSurrogate(f));
        } else {
            out += QChar(char16_t(f));
        }
    }
    return out;
}

}  // namespace

void QuoteCounts::forget_if_changed() {
    const auto version = ctx_.content_version();
    if (version == version_) return;
    counts_.clear();
    total_ = -1;
    version_ = version;
}

int QuoteCounts::of(const QString& column, const QString& value) {
    forget_if_changed();
    auto table = counts_.find(column);
    if (table == counts_.end()) {
        QHash<QString, int> per_name;
        // On the handle that writes the random order: its own writes leave its page cache warm.
        Statement st =
            ctx_.database->prepare(QStringLiteral("SELECT %1 COLLATE BINARY, count(*) FROM quotes GROUP BY 1").arg(column));
        while (st.step())
            if (!st.column_is_null(0)) per_name[folded(st.column_text(0))] += int(st.column_int64(1));
        table = counts_.insert(column, per_name);
    }
    return table->value(folded(value), 0);
}

qint64 QuoteCounts::total() {
    forget_if_changed();
    if (total_ < 0) total_ = ctx_.database->scalar(QStringLiteral("Select count(*) from quotes")).toLongLong();
    return total_;
}

void QuoteCounts::move_one(const QString& column, const QString& from, const QString& to) {
    const auto table = counts_.find(column);
    if (table == counts_.end()) return;  // not counted yet: it will be, whole
    if (!from.isEmpty()) {
        int& n = (*table)[folded(from)];
        if (--n <= 0) table->remove(folded(from));
    }
    if (!to.isEmpty()) ++(*table)[folded(to)];
}

void QuoteCounts::quotation_changed(const Names& before, const Names& after) {
    forget_if_changed();  // what is kept must be good before the difference is added
    move_one(QStringLiteral("author"), before.author, after.author);
    move_one(QStringLiteral("subject"), before.subject, after.subject);
    if (total_ >= 0) {
        const bool added = before.author.isEmpty() && before.subject.isEmpty();
        const bool deleted = after.author.isEmpty() && after.subject.isEmpty();
        total_ += added ? 1 : deleted ? -1 : 0;
    }
    // The change is announced next: its generation is already taken into account.
    version_.first = ctx_.events.generation() + 1;
}
