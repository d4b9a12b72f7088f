#pragma once

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

struct AppContext;
class RecordSet;
class QuoteGridModel;
class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;

// The main window: the quotation grid, the edit area for one quotation, the filter area and
// the menus that open every other window.
class f_main : public QMainWindow {
    Q_OBJECT
public:
    explicit f_main(AppContext& ctx, QWidget* parent = nullptr);
    ~f_main() override;

    // The colour that marks a pending edit, an add-new edit, a filter field in use and a filter
    // in force (pale cyan).
    static QColor attention_colour() { return QColor(0xC0, 0xFF, 0xFF); }
    static bool is_lit(const QWidget* w);

    // ---- layout and lifecycle
    void set_layout();
    void Set_grid_columns_width();
    void uscita();

    // ---- filtering and sorting
    void b_filter_Click();
    void Filter_changed();
    bool Any_filter();
    void Check_filter_enter(int& key_code);
    void Clear_all_filters();
    void b_clear_Click();
    void Update_record_count();
    void sort_by_column(int column);  // a click on a column header

    // ---- editing
    void Check_change();
    void set_initial_values();
    void Clear_all_text_boxes();
    void Restore_inital_values();

    // ---- combo lists
    void set_combos();
    void set_author_combos();
    void set_subject_combos();

    // ---- selection
    void check_selections();

    // The grid's record set.
    RecordSet* Data1() const { return data1_.get(); }
    int sort_column() const { return sort_column_; }
    bool filter_active() const { return filter_active_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // building
    void build_menus();
    void build_grid();
    void build_edit_area();
    void build_filter_area();
    void wire();
    void open_window();

    // editing commands
    void grid_row_changed();
    bool fill_from_current_row();  // false (edit area emptied) when the row could not be read
    void b_add_new_Click();
    void b_save_Click();
    bool save();  // false when the save stopped (validation, question, error)
    void b_delete_Click();
    void b_undo_Click();
    void b_next_Click();
    void b_random_Click();
    void cb_author_LostFocus();
    void cb_subject_LostFocus();
    void choice_made(QComboBox* box);
    bool refuse_while_editing();  // shows "Edit operation in progress." when b_save is lit
    void show_picture(const QString& path);

    // filtering helpers
    void clear_one_filter(QWidget* field);
    void filter_on_current(QComboBox* filter, QComboBox* source);
    void refresh_shortcut_captions();
    int count_quotes_where(const QString& column, const QString& value);

    // grid and record set
    void bind_grid(std::unique_ptr<RecordSet> rs);
    void recordset_moved(int row);
    void grid_current_changed(int row);
    void row_selector_clicked(int row);
    void l_help_Click();

    // menu commands
    void m_change_db_Click();
    void m_randomize_Click();
    void m_show_slide_show_help_Click();
    void m_exit_Click();

    void set_lit(QWidget* w, bool lit);

public:
    // Controls, named as their objectName.
    QTableView* grid = nullptr;
    QFrame* pic_help = nullptr;
    QLabel* l_help = nullptr;

    QFrame* edit_area = nullptr;
    QGroupBox* frame_data = nullptr;
    QFrame* frame_edit_buttons = nullptr;
    QLabel *l_key = nullptr, *l_author = nullptr, *l_text = nullptr, *l_subject = nullptr, *l_language = nullptr,
           *l_rate = nullptr, *Label2 = nullptr;
    QLineEdit* t_key = nullptr;
    QComboBox *cb_author = nullptr, *cb_subject = nullptr, *cb_language = nullptr, *cb_rate = nullptr;
    QPlainTextEdit* t_text = nullptr;
    QLineEdit* t_note = nullptr;
    QPushButton *b_edit_author = nullptr, *b_add_subject = nullptr;
    QFrame* pic_author = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton *b_add_new = nullptr, *b_save = nullptr, *b_delete = nullptr, *b_random = nullptr, *b_undo = nullptr,
                *b_next = nullptr, *b_exit = nullptr;

    QFrame* search_area = nullptr;
    QGroupBox *frame_filter_texts = nullptr, *frame_filter_buttons = nullptr;
    QComboBox *cb_author_filter = nullptr, *cb_subject_filter = nullptr, *cb_language_filter = nullptr,
              *cb_rate_filter_from = nullptr, *cb_rate_filter_to = nullptr;
    QLineEdit *t_text_filter = nullptr, *t_note_filter = nullptr, *t_key_selector = nullptr;
    QToolButton *b_clear_author_filter = nullptr, *b_clear_subject_filter = nullptr,
                *b_clear_language_filter = nullptr, *b_clear_text_filter = nullptr, *Command1 = nullptr,
                *Command2 = nullptr;
    QPushButton *b_filter = nullptr, *b_clear = nullptr, *b_filter_current_author = nullptr,
                *b_filter_current_subject = nullptr, *b_delete_filtered = nullptr, *b_slide_show = nullptr,
                *b_export = nullptr;
    QLabel *l_records_selected = nullptr, *l_records_filtered = nullptr;

    QMenu *m_file = nullptr, *m_preferences = nullptr, *m_help = nullptr;
    QAction *m_change_db = nullptr, *m_show_slide_show_help = nullptr, *m_randomize = nullptr, *m_exit = nullptr,
            *m_authors = nullptr, *m_subjects = nullptr, *m_languages = nullptr, *m_import = nullptr,
            *m_websites = nullptr, *m_readme = nullptr, *m_web_site = nullptr, *m_support = nullptr,
            *m_about = nullptr, *m_version_history = nullptr;

private:
    AppContext& ctx_;
    std::unique_ptr<RecordSet> data1_;
    QuoteGridModel* model_ = nullptr;

    // window state
    bool loading_ = false;
    bool filling_fields_ = false;
    bool adding_new_ = false;
    bool pending_random_ = false;
    bool in_resize_ = false;
    bool first_layout_ = true;
    bool syncing_grid_ = false;
    int loaded_row_ = -1;  // the row the edit area was last filled from
    bool in_lost_focus_ = false;
    bool closing_ = false;
    int sort_column_ = -1;
    std::array<QString, 10> sort_directions_;
    bool filter_active_ = false;

    // Quotations per author and per subject (by case-folded name), read in one pass each and
    // kept while the content stays the same: visiting quotations in random order changes only
    // their places.
    QHash<QString, QHash<QString, int>> counts_;  // column -> name -> quotations
    std::pair<qint64, qint64> counts_version_{-1, -1};
    qint64 total_quotes_ = -1;
    std::pair<qint64, qint64> total_version_{-1, -1};

    QString initial_text_, initial_author_, initial_subject_, initial_language_, initial_rate_, initial_note_;
};
