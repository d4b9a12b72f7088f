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

// Asks for the database file to use from the next start; true when one was chosen.
bool change_database(AppContext& ctx);

// The file dialog's filter for database files.
extern const char* const database_file_filter;
