#pragma once

#include "generator.h"
#include "report.h"

#include <QString>

#include <memory>
#include <vector>

struct AppContext;
class Database;
class Ui;
class RecordSet;

namespace bench {

// One collection copied where the program may write: a portable program folder holding
// "sentara-portable", the database file and a recent ".old" beside it.
struct Workspace {
    CollectionFacts facts;
    QString program_folder;
    QString db_path;
    int repeats = 3;
    QString self;             // this executable, for measurements in a child process
    QString settings_folder;  // the settings store the program reads
    QString only;             // when set, only the grid figures whose name holds it
};

// A fresh copy of the collection in the program folder, where the measured work may change it.
QString fresh_copy(const Workspace& ws, const QString& name);
// The application's context on the database file `path`, as start-up leaves it.
std::unique_ptr<AppContext> program_context(Ui& ui, const Workspace& ws, const QString& path);

// Makes the workspace for `facts` under `root` and points the settings at its database.
Workspace make_workspace(const CollectionFacts& facts, const QString& root, const QString& settings_folder);

// The main grid's SELECT: the filter condition (without "where") and the order text.
QString grid_sql(const QString& condition, const QString& order);
// The same statement as the stock sqlite3 tool must read it: SQLite's own LIKE wildcards and
// the saved query's name where the program writes the table's.
QString engine_sql(const QString& program_sql);

// Figures.
Figure startup(const Workspace& ws, bool new_backup);
std::vector<Figure> requery(const Workspace& ws);
Figure peak_memory(const Workspace& ws);
// Figures of the main window, measured once it exists.
Figure row_change(const Workspace& ws);
std::vector<Figure> save_and_delete(const Workspace& ws);
Figure random_command(const Workspace& ws);
Figure search_index_size(const Workspace& ws);
Figure grid_scroll(const Workspace& ws);
// The authors window, on the collection with its authors made up to a hundred thousand.
Figure authors_window(const Workspace& ws);
// The import: 100k new quotations through the parser and the import, and the same file in the window.
std::vector<Figure> import_figures(const Workspace& ws);

// The child process of peak_memory(): "program" or "engine".
int memory_child(const QStringList& args);

}  // namespace bench
