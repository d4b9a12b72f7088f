#pragma once

#include "parts.h"

#include <QColor>
#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;

// The main window: the list of quotations, the edit area for one of them, the filter area, and
// the menus that open every other window. Each area is a part of its own; the window lays them
// out, opens and closes, and keeps the system's procedure names as thin forwards.
class f_main : public QMainWindow {
    Q_OBJECT
public:
    explicit f_main(AppContext& ctx, QWidget* parent = nullptr);

    // The same as File > Change database with `path` chosen (File > Open recent).
    bool change_database_to(const QString& path) { return use_database(path); }
    ~f_main() override;

    static QColor attention_colour();
    static bool is_lit(const QWidget* w);

    // ---- layout and lifecycle
    void set_layout();
    void Set_grid_columns_width();
    void uscita();

    // ---- the parts' procedures, by the names other windows call them
    void b_filter_Click();
    void Filter_changed();
    bool Any_filter();
    void Check_filter_enter(int& key_code);
    void Clear_all_filters();
    void b_clear_Click();
    void Update_record_count();
    void Check_change();
    void set_initial_values();
    void Clear_all_text_boxes();
    void Restore_inital_values();
    void check_selections();
    void set_combos();
    void set_author_combos();
    void set_subject_combos();

    // The grid's record set.
    RecordSet* Data1() const;
    int sort_column() const;
    bool filter_active() const;

    QuoteList* list = nullptr;
    EditArea* edit = nullptr;
    FilterArea* filters = nullptr;

    QMenu *m_file = nullptr, *m_edit = nullptr, *m_preferences = nullptr, *m_help = nullptr, *m_recent = nullptr;
    QAction *m_change_db = nullptr, *m_open_access = nullptr, *m_show_slide_show_help = nullptr, *m_randomize = nullptr, *m_exit = nullptr,
            *m_authors = nullptr, *m_subjects = nullptr, *m_languages = nullptr, *m_import = nullptr,
            *m_websites = nullptr, *m_readme = nullptr, *m_web_site = nullptr, *m_support = nullptr,
            *m_about = nullptr, *m_version_history = nullptr;
    // The edit and filter commands, with their shortcuts.
    QAction *m_add_new = nullptr, *m_save = nullptr, *m_undo = nullptr, *m_delete = nullptr, *m_next = nullptr,
            *m_random = nullptr, *m_text_filter = nullptr, *m_filter = nullptr, *m_clear_filters = nullptr,
            *m_random_order = nullptr;
    // The list's buttons, with their shortcuts.
    QAction *m_filter_current_author = nullptr, *m_filter_current_subject = nullptr, *m_export = nullptr,
            *m_slide_show = nullptr, *m_delete_filtered = nullptr;
    // Deleted quotations and names back from the Trash: the last batch, then the one before.
    QAction *m_undo_delete = nullptr, *m_trash = nullptr;
    // The grid's columns, each way: the same order as a click on the column's header.
    QMenu* m_sort = nullptr;
    QMenu *m_tools = nullptr, *m_view = nullptr;
    QAction *m_find_duplicates = nullptr, *m_overview = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build_menus();
    void wire();
    void open_window();
    void restore_geometry();
    void m_change_db_Click();
    // The window on another collection at once, every other window closed first; false (and the
    // collection in use kept) when that cannot be.
    bool use_database(const QString& path);
    bool close_other_windows();
    // The list, its lists of names and the captions read again from the collection open now.
    void read_collection_again();
    void fill_recent_menu();
    // A collection kept in an Access file made into a new database, which is then used as a
    // database changed to is.
    void m_open_access_Click();
    void m_randomize_Click();
    void m_show_slide_show_help_Click();
    void m_exit_Click();
    void m_undo_delete_Click();
    // An edit pending as the window is left: saved, dropped, or the leaving cancelled (false).
    bool settle_pending_edit();
    void focus_grid();
    // The slide show of the list, and the way back from it, on the quotation it showed last.
    void open_slide_show();
    void show_quote(qint64 key);

    AppContext& ctx_;
    std::unique_ptr<QuoteCounts> counts_;
    bool loading_ = false;
    bool pending_random_ = false;
    bool closing_ = false;
    int frame_height_wanted_ = 0;  // the frame's height to reach once the window is shown
};
