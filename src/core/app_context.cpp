#include "app_context.h"

#include <QLockFile>

AppContext::AppContext(Ui& u) : ui(u) {}

AppContext::~AppContext() {
    // The file is closed before its lock is given up, so that a program started meanwhile finds
    // it in use rather than half closed.
    database.reset();
    list_database.reset();
    database_lock.reset();
}

QString AppContext::close_database() {
    list_database.reset();
    QString problem;
    if (database) {
        try {
            database->close();
        } catch (const DbError& e) {
            problem = e.description();
            ui.message(problem, Ui::icon_exclamation);
        }
    }
    database.reset();
    database_lock.reset();
    return problem;
}

void AppContext::rotate_quote(qint32 key) { rotate_quote(key, current_quotes_query); }

void AppContext::rotate_quote(qint32 key, const GridQuery& in_order_of) {
    if (!database || database->read_only()) return;
    const auto done = random_order::rotate_quote(*database, rng, in_order_of, key);
    if (done == random_order::Rotation::quote_missing) ui.message(QStringLiteral("Error 2006-10-30 13:15"));
}

std::pair<qint64, qint64> AppContext::content_version() {
    if (!database) return {events.generation(), 0};
    // data_version moves with the commits of every other connection to the file, none of this
    // one's (which writes the rotations).
    Statement st = database->prepare(QStringLiteral("PRAGMA data_version"));
    return {events.generation(), st.step() ? st.column_int64(0) : 0};
}
