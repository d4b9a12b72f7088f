#pragma once

#include <QString>

struct AppContext;

// How a start ended: the main window is shown; the user chose not to go on; the file cannot be used.
enum class StartResult { started, cancelled, failed };

// The start-up sequence: find or ask for the database file, compact it and rotate its backups,
// open it twice, give quotations their random numbers, normalise the default language, then
// show the main window.
StartResult Main(AppContext& ctx);

// "quotes.mdb" in the user's documents folder, or beside the program in portable mode (a file
// named "sentara-portable" in the program folder).
QString default_database_path(const QString& program_folder);

// Compacts the database file (when `may_compact`, that is when no other program holds it) and
// rotates the ".old" backups. Returns false when the user chose to quit.
bool backup_database(AppContext& ctx, bool may_compact);

// At most one language keeps def = "Yes"; sets default_language to its code. A collection
// opened for reading only is left as it is: the first "Yes" is the default.
void check_default_language(AppContext& ctx);

// Asks for another database file; its full path, or empty text when none was chosen.
QString choose_database(AppContext& ctx);

// The collection named by ctx.database_path made ready and opened twice, as at start: checked to
// be a database this program can use, locked, compacted and backed up, its random numbers and
// default language put right. `at_start` words the question about a file in use for a start
// (Cancel quits) or for a change (Cancel keeps the collection in use).
StartResult open_collection(AppContext& ctx, bool at_start);

// Uses `path` from now on, instead of the collection open now, which is closed as on Exit and
// then held no more. Whatever reads the old one must have let it go first. When `path` cannot be
// used (not a database, newer than this program, in use and the user cancels...) the user has
// been told and the old collection stays open, untouched: false.
bool switch_database(AppContext& ctx, const QString& path);

// The database files used last, newest first, as File > Open recent lists them.
QStringList recent_databases();
void remember_recent_database(const QString& path);

// The file dialog's filter for database files.
extern const char* const database_file_filter;
