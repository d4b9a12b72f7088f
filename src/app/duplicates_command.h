#pragma once

#include <QString>

class QTextStream;

// sentara --find-duplicates [--database PATH] [--format plain|json] [--threshold N]: the groups of
// quotations kept more than once (the same once folded, or at least N percent alike), for
// scripts. Only reads: safe beside a running program. No window opens.
struct DuplicatesOptions {
    QString database;        // empty: the program's database (the setting last_db_file, else the default file)
    QString program_folder;  // where the default database is looked for in portable mode
    QString format;          // plain or json
    int threshold = 0;       // percent; 0: the default
};

// Returns the exit status: 0 when the groups were printed (none is no failure), 1 with the
// reason on `err` when the database could not be read.
int duplicates_command(const DuplicatesOptions& options, QTextStream& out, QTextStream& err);
