#pragma once

#include "formats/import_formats.h"
#include "formats/quote_import.h"

#include <QWidget>

#include <optional>
#include <vector>

struct AppContext;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The import window: text pasted or loaded from a file is processed into quotations (authors
// from a trailing parenthesised part, attributes from directive lines; or read as a fortune file,
// CSV or Kindle clippings, the format guessed when a file is loaded and changeable), listed
// sorted or in random order with counters of what was skipped, and the new ones are added to
// the database.
// Not modal; it deletes itself when closed, and the last window of the program to close ends it.
class f_import : public QWidget {
    Q_OBJECT
public:
    explicit f_import(AppContext& ctx);
    ~f_import() override;

    // ---- the system's procedures
    void set_combo();
    void Import_from_file(const QString& path);
    // False when the input is not of the format chosen (the reason was shown).
    bool load_array();
    // The format chosen in `cb_format`, and choosing one.
    import_formats::Format format() const;
    void set_format(import_formats::Format f);
    void list_parsed_sorted();
    void shuffle_parsed();
    void b_process_Click();
    void b_import_from_file_Click();
    void b_import_Click();
    void Command1_Click();  // Add/edit author
    void Command3_Click();  // Clear text
    void b_main_window_Click();
    void uscita();

    // The quotations found by the last processing run, in the order the import adds them.
    const std::vector<quote_import::Entry>& parsed_quotes() const { return parsed_quotes_; }

    QLabel *Label1 = nullptr, *Label2 = nullptr, *l_author = nullptr, *l_language = nullptr;
    QPlainTextEdit *t_to_be_processed = nullptr, *t_parsed = nullptr;
    QPushButton *b_process = nullptr, *b_import_from_file = nullptr, *b_import = nullptr, *Command1 = nullptr,
                *Command3 = nullptr, *b_main_window = nullptr;
    QCheckBox* c_randomize = nullptr;
    QComboBox *cb_author = nullptr, *cb_language = nullptr, *cb_format = nullptr;
    QLabel* l_format = nullptr;
    QLabel *l_duplicated_quotes = nullptr, *l_dup_in_db = nullptr, *l_new_quotes = nullptr;
    QProgressBar* pb_progress = nullptr;
    QGroupBox* Frame1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    // Process: the sorted listing, or the random one when asked for.
    void process();
    // The listing of the quotations found, sorted or in their order.
    void show_listing(bool sorted);
    // The input box's text, read once after each change (a long text takes a while to read).
    const QString& input_text();
    void clear_counters();
    void work_done();
    // The window's own connection for its long work (reading the input against the collection,
    // the import), which runs beside the windows; open while the window is.
    Database& work_database();

    AppContext& ctx_;
    std::vector<quote_import::Entry> parsed_quotes_;
    std::unique_ptr<Database> work_db_;
    std::optional<quote_import::Catalogue> stored_;  // what the database holds, read once per change
    // The file the input text was loaded from, while it is unchanged: the messages name it.
    QString source_file_;
    // What reading that file found worth reporting (lines not in UTF-8), while the text is its.
    std::vector<quote_import::Section> file_notes_;
    bool loading_ = false;
    QString input_;
    bool input_known_ = false;
    // The input text went into the database since it last changed: closing loses nothing.
    bool input_imported_ = false;
};

// Shows the import window, opening it when it is not open, and brings it to the front.
void show_import_window(AppContext& ctx);
