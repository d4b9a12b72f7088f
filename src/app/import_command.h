#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// sentara --import FILE [--format F] [--database PATH] [--author NAME] [--subject NAME] [--language CODE]
// The import for scripts: FILE is read as the import window reads its input, the new
// quotations go into the database in one transaction, and the window's report and counters
// are printed. No window opens.
struct ImportOptions {
    QString file;
    QString database;        // empty: the program's database (the setting last_db_file, else the default file)
    QString author;          // for quotations that name none; empty: taken from each line, else "Anonymous"
    QString subject;         // for quotations without one; empty: "-"
    QString language;        // for quotations without one; empty: the database's default language
    QString program_folder;  // where the default database is looked for in portable mode
    QString format;          // a name of import_formats; empty: guessed from the file
};

// Returns the exit status: 0 when the import was done (even when nothing was new), 1 with the
// reason on `err` when it could not be (the file unreadable or not text, the database missing,
// in use by a running program, or lacking what the quotations need).
int import_command(const ImportOptions& options, QTextStream& out, QTextStream& err);

// sentara --import-access FILE.mdb --database NEW.db: the new database made from the Access
// collection. Prints what it holds and the rows that did not fit; 0 when it was made, 1 with
// the reason on `err` when it was not (NEW.db exists, FILE.mdb unreadable or no collection).
int import_access_command(const QString& access_file, const QString& new_database, QTextStream& out, QTextStream& err);
