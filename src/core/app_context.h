#pragma once

#include "database/database.h"
#include "database/grid_query.h"
#include "database/random_order.h"
#include "app_events.h"
#include "ui.h"

#include <QString>

#include <functional>
#include <utility>
#include <memory>

class QLockFile;

// The application-wide values every window receives by reference.
struct AppContext {
    explicit AppContext(Ui& ui);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Ui& ui;
    QString program_folder;  // where the program's data files live (pictures, default.jpg, read-me)

    QString database_path;
    // The file named on the command line, used instead of the one used last.
    QString requested_database_path;
    std::unique_ptr<Database> database;       // statements and editing
    std::unique_ptr<Database> list_database;  // filters and lists
    std::unique_ptr<QLockFile> database_lock; // held while this program uses the file
    QString default_language;
    // The collection is opened for reading only: this user may not change its file or folder.
    bool read_only() const { return database && database->read_only(); }

    QString current_quotes_sql;
    QString current_quotes_filter;
    // The statement current_quotes_sql is the text of, as a value: its condition and order.
    GridQuery current_quotes_query;
    qint32 slide_show_start_key = 0;
    QString text_window_text;

    // What changed, requests between windows, and the windows open: the window-open flags are
    // read from it.
    AppEvents events;
    bool main_window_open() const { return events.is_open(AppEvents::main_window); }
    bool authors_window_open() const { return events.is_open(AppEvents::authors_window); }
    bool subjects_window_open() const { return events.is_open(AppEvents::subjects_window); }
    bool languages_window_open() const { return events.is_open(AppEvents::languages_window); }
    bool websites_window_open() const { return events.is_open(AppEvents::websites_window); }
    bool import_window_open() const { return events.is_open(AppEvents::import_window); }

    bool author_requested_from_main = false;
    bool subject_requested_from_main = false;

    random_order::Generator rng;

    // Start-up ends by calling this to show the main window.
    std::function<void()> show_main_window;

    // Closes the collection as the program ends, the lists' connection first; shows and returns
    // what went wrong when the last changes could not be written into the file itself (empty
    // text when all went well).
    QString close_database();

    // Moves a quotation to the back of the random order when the grid is in random order;
    // reports a quotation that has vanished. A collection opened for reading only keeps its order.
    void rotate_quote(qint32 key);
    // The same, as if `in_order_of` were the main window's query (the slide show's own, always
    // in random order).
    void rotate_quote(qint32 key, const GridQuery& in_order_of);

    // The same value as long as no quotation, author or other row has been added, changed or
    // deleted: by this program (every window announces its changes on `events`) or by another
    // one (the commits the engine counts on the file). Moving quotations in the random order
    // does not change it. Counts and rows read from the tables can be kept while it holds.
    std::pair<qint64, qint64> content_version();
};
