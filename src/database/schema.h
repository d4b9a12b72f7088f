#pragma once

#include <QString>
#include <QStringList>

class Database;

// The file format: six tables and four saved queries.
namespace schema {

// Creates a new database file at `path` with the tables, the saved queries and the starting rows
// (rates 1 to 3, the subject "-", a few languages with one default); `with_samples` adds a few
// dozen quotations with their authors and subjects. Refuses (DbError) when `path` exists: an
// existing file is never replaced.
void create_database(const QString& path, bool with_samples);

// Tables and saved queries the program needs that the file lacks.
QStringList missing_objects(Database& db);

// Work done once when a handle opens the file for writing: a collection of up to
// keyed_on_open_up_to() quotations (50,000; tests may set another number) gets its sort keys at
// once (grid_keys), a larger one when the program starts on it.
qint64& keyed_on_open_up_to();
void prepare_for_use(Database& db);

// The query planner's statistics, gathered (on a sample) when missing or when the tables have
// grown well beyond what they say, or `now`: after the program added indexes.
void refresh_statistics(Database& db, bool now);

// Every base table, in creation order.
QStringList table_names();

}  // namespace schema
