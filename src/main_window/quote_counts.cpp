#include "quote_counts.h"

#include "core/app_context.h"
#include "database/database.h"
#include "database/grid_keys.h"
#include "database/jet_dialect.h"

void QuoteCounts::forget_if_changed() {
    const auto version = ctx_.content_version();
    if (version == version_) return;
    counts_.clear();
    whole_.clear();
    total_ = -1;
    version_ = version;
}

int QuoteCounts::of(const QString& column, const QString& value) {
    forget_if_changed();
    // On the handle that writes the random order: its own writes leave its page cache warm.
    Database& db = *ctx_.database;
    const QString folded = jet::folded(value);
    auto table = counts_.find(column);
    if (table != counts_.end() && (whole_.value(column) || table->contains(folded))) return table->value(folded, 0);
    if (!db.read_only()) grid_keys::refill(db);
    if (!grid_keys::usable(db)) {
        counts_.insert(column, count_per_text(db, QStringLiteral("quotes"), column));
        whole_.insert(column, true);
        return counts_[column].value(folded, 0);
    }
    Statement st = db.prepare_plain(QStringLiteral("SELECT count(*) FROM quotes WHERE %1_key = ?1").arg(column));
    st.bind(1, jet::name_key(value));
    const int n = st.step() ? int(st.column_int64(0)) : 0;
    counts_[column].insert(folded, n);
    return n;
}

qint64 QuoteCounts::total() {
    forget_if_changed();
    if (total_ < 0) total_ = ctx_.database->scalar(QStringLiteral("Select count(*) from quotes")).toLongLong();
    return total_;
}

void QuoteCounts::move_one(const QString& column, const QString& from, const QString& to) {
    const auto table = counts_.find(column);
    if (table == counts_.end()) return;  // not counted yet: it will be, whole
    // Names not counted yet are counted when asked for.
    const bool whole = whole_.value(column);
    if (!from.isEmpty() && table->contains(jet::folded(from))) {
        int& n = (*table)[jet::folded(from)];
        if (--n <= 0 && whole) table->remove(jet::folded(from));
    }
    if (!to.isEmpty() && (whole || table->contains(jet::folded(to)))) ++(*table)[jet::folded(to)];
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
