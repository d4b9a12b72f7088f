#pragma once

#include "database/database.h"
#include "database/random_order.h"
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
    std::unique_ptr<Database> database;       // statements and editing
    std::unique_ptr<Database> list_database;  // filters and lists
    std::unique_ptr<QLockFile> database_lock; // held while this program uses the file
    QString default_language;

    QString current_quotes_sql;
    QString current_quotes_filter;
    qint32 slide_show_start_key = 0;
    QString text_window_text;

    bool main_window_open = false;
    bool authors_window_open = false;
    bool subjects_window_open = false;
    bool languages_window_open = false;
    bool websites_window_open = false;
    bool import_window_open = false;
    bool author_requested_from_main = false;
    bool subject_requested_from_main = false;

    random_order::Generator rng;

    // Start-up ends by calling this to show the main window.
    std::function<void()> show_main_window;

    // Moves a quotation to the back of the random order when the grid is in random order;
    // reports a quotation that has vanished.
    void rotate_quote(qint32 key);

    // The same value as long as no quotation, author or other row has been added, changed or
    // deleted, through either handle or by another program; moving quotations in the random
    // order does not change it. Counts of quotations can be kept while it holds.
    std::pair<qint64, qint64> content_version();

private:
    qint64 rotation_changes_ = 0;  // rows written by rotations through `database`
};
