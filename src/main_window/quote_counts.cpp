#include "quote_counts.h"

#include "core/app_context.h"
#include "database/jet_dialect.h"

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
        // On the handle that writes the random order: its own writes leave its page cache warm.
        const QHash<QString, int> per_name = count_per_text(*ctx_.database, QStringLiteral("quotes"), column);
        table = counts_.insert(column, per_name);
    }
    return table->value(jet::folded(value), 0);
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
        int& n = (*table)[jet::folded(from)];
        if (--n <= 0) table->remove(jet::folded(from));
    }
    if (!to.isEmpty()) ++(*table)[jet::folded(to)];
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
