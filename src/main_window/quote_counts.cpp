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
