#pragma once

#include "collection.h"
#include "report.h"
#include "engine.h"
#include "silent_ui.h"

#include <QElapsedTimer>

#include <QString>

#include <memory>
#include <vector>

struct AppContext;
class Database;
class Ui;
class RecordSet;
class f_main;

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
    QString only;             // when set, only the figures whose name holds it
    bool show_plans = false;  // print the floor's plan beside each figure
    bool quick_clicks = false;  // grid runs follow one another without the idle window reading its list
    bool wanted(const QString& name) const { return only.isEmpty() || name.contains(only, Qt::CaseInsensitive); }
};

// A fresh copy of the collection in the program folder, where the measured work may change it.
QString fresh_copy(const Workspace& ws, const QString& name);
// The application's context on the database file `path`, as start-up leaves it.
std::unique_ptr<AppContext> program_context(Ui& ui, const Workspace& ws, const QString& path);

// Makes the workspace for `facts` under `root` and points the settings at its database.
Workspace make_workspace(const CollectionFacts& facts, const QString& root, const QString& settings_folder);

// The program as a user starts it: start-up, then the real main window, shown (offscreen)
// and painted, its first activation (a random row) done.
struct RunningProgram {
    SilentUi ui;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<f_main> window;
    bool started = false;

    explicit RunningProgram(const Workspace& ws);
    ~RunningProgram();
    // What the idle window does: the rest of the list read, a slice at a time.
    void read_whole_list();
};

// The old grid statement (the saved query joined to the authors) as the stock sqlite3 tool
// must read it, for the figures that read whole lists.
QString grid_sql(const QString& condition, const QString& order);
QString engine_sql(const QString& program_sql);

double ms_since_start(const QElapsedTimer& t);
QString shown_text(const SilentUi& ui);

// Figures of the grid: each sort and filter, first page, count and last page.
std::vector<Figure> grid_lists(const Workspace& ws);
// The rest.
std::vector<Figure> startup(const Workspace& ws);  // warm and cold
Figure startup_with_backup(const Workspace& ws);
std::vector<Figure> row_change(const Workspace& ws);
std::vector<Figure> save_and_delete(const Workspace& ws);
Figure random_command(const Workspace& ws);
Figure search_index_size(const Workspace& ws);
std::vector<Figure> file_size(const Workspace& ws);
Figure peak_memory(const Workspace& ws);
Figure migration(const Workspace& ws);
// The authors window, on the collection with its authors made up to a hundred thousand.
Figure authors_window(const Workspace& ws);
// The import: 100k new quotations through the parser and the import, and the same file in the window.
std::vector<Figure> import_figures(const Workspace& ws);

// Child processes: the program's or the engine's peak memory; the engine's start-up.
int memory_child(const QStringList& args);
int start_floor_child(const QString& path);

// The floor's first page of the whole list in random order, with the fields of its rows:
// what the engine alone does to show a collection. Returns the rows read.
int plain_first_page(PlainEngine& engine);

}  // namespace bench
