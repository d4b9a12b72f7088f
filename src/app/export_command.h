#pragma once

#include "core/random_quote.h"

#include <QString>

class QTextStream;

// sentara --export FILE [--format text|fortune|csv] [--database PATH] and the choice of --random
// (--author, --subject, --language, --min-rate, --filter): the quotations chosen, in the order
// they were added, written to FILE for scripts and backups. No window opens.
struct ExportOptions {
    QString file;
    QString format;          // text, fortune or csv; empty: text for a name ending ".txt", else csv
    QString database;        // empty: the program's database (the setting last_db_file, else the default file)
    QString program_folder;  // where the default database is looked for in portable mode
    RandomChoice choice;
};

// The names --format takes with --export.
QStringList export_format_names();

// Returns the exit status: 0 when FILE was written, whole; 1 with the reason on `err` when it
// was not (no database, no quotation chosen, a text export that would damage quotations, the
// file not writable); FILE is then as it was.
int export_command(const ExportOptions& options, QTextStream& out, QTextStream& err);
