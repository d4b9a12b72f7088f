#include "app_context.h"

#include <QLockFile>

AppContext::AppContext(Ui& u) : ui(u) {}

AppContext::~AppContext() = default;

void AppContext::rotate_quote(qint32 key) {
    if (!database) return;
    if (random_order::rotate_quote(*database, rng, current_quotes_sql, key) == random_order::Rotation::quote_missing)
        ui.message(QStringLiteral("Error 2006-10-30 13:15"));
}
