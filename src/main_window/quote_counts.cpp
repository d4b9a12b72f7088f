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
