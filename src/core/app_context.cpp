#include "app_context.h"

#include <QLockFile>
#include <sqlite3.h>

AppContext::AppContext(Ui& u) : ui(u) {}

AppContext::~AppContext() {
    // The file is closed before its lock is given up, so that a program started meanwhile finds
    // it in use rather than half closed.
    database.reset();
    list_database.reset();
    database_lock.reset();
}

void AppContext::rotate_quote(qint32 key) {
    if (!database) return;
    const qint64 before = sqlite3_total_changes64(database->handle());
    const auto done = random_order::rotate_quote(*database, rng, current_quotes_sql, key);
    rotation_changes_ += sqlite3_total_changes64(database->handle()) - before;
    if (done == random_order::Rotation::quote_missing) ui.message(QStringLiteral("Error 2006-10-30 13:15"));
}

std::pair<qint64, qint64> AppContext::content_version() {
    if (!database) return {0, 0};
    // data_version moves with commits of other handles; total_changes counts this handle's rows.
    const qint64 others = database->scalar(QStringLiteral("PRAGMA data_version")).toLongLong();
    return {others, sqlite3_total_changes64(database->handle()) - rotation_changes_};
}
