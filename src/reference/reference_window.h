#pragma once

#include "core/app_events.h"
#include "widgets/recordset_model.h"
#include "widgets/sort_state.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <memory>

struct AppContext;
class GridBinding;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class RecordSet;

// What the windows over a reference table (authors, subjects, languages, web sites) share: a
// grid over one table or saved query with the edit area below it kept on the current row, a
// filter area, the order chosen by the column headers (each column keeps its own direction),
// the edit state shown by the colours of Save and Add new, the position after a delete, the
// replacement of one value by another in the quotations, the way to the main window, and the
// closing rule: the window that closes last ends the program.
//
// A window says what is its own in a Shape and in its constructor (the fields of its edit area,
// its filter boxes, its buttons), and answers the few questions below; everything else is here.
class ReferenceWindow : public QWidget {
    Q_OBJECT
public:
    ~ReferenceWindow() override;

    // ---- the system's procedures
    void Filter_changed();
    virtual void b_filter_Click();
    virtual void b_clear_filter_Click();
    virtual bool Any_filter();
    virtual void Update_record_count();
    virtual void Clear_all_text_boxes();
    void Set_grid_columns_width();
    void set_initial_values();
    void Check_change();
    void b_add_new_Click();
    void b_main_windpw_Click() { show_main_window(); }
    void uscita();

    // An edit is pending (Save is lit): commands that would lose it refuse.
    bool editing() const;
    // Shows "Edit operation in progress." and returns true while an edit is pending.
    bool refuse_while_editing();
    bool adding_new() const { return adding_new_; }
    bool filter_active() const { return filter_active_; }
    // The statement the list was last read with.
    const QString& current_sql() const { return current_sql_; }
    SortState& sort() { return sort_; }
    RecordSet* recordset() const;
    GridBinding& binding() const { return *binding_; }
    // Makes the first listed row that meets `condition` current; false when none does.
    bool go_to_first(const QString& condition);

    QTableView* grid = nullptr;
    QFrame* edit_area = nullptr;
    QGroupBox* frame_data = nullptr;
    QFrame* frame_edit_buttons = nullptr;
    QFrame* filter_area = nullptr;
    QGroupBox* frame_filters_texts = nullptr;
    QFrame* frame_filters_buttons = nullptr;
    QPushButton *b_add_new = nullptr, *b_save = nullptr, *b_delete = nullptr, *b_main_windpw = nullptr,
                *b_exit = nullptr, *b_filter = nullptr, *b_clear_filter = nullptr;
    QLabel* l_records_filtered = nullptr;

protected:
    // What a window is, beyond its own controls.
    struct Shape {
        AppEvents::Window kind;
        const char* name;            // the window's objectName
        QString caption;
        QString source;              // the table or saved query listed
        QString counted_table;       // the table the record count counts
        QVector<GridColumn> columns;
        QStringList orders;          // per grid column, "%1" standing for its direction
        QString first_order;         // before any header click; empty: the source's own order
        QString height_setting;      // the setting keeping the window's height; empty: none
        QSize minimum;               // in twips
        QSize size;                  // the size it opens with, in twips (the height setting wins); a
                                     // height of 0: as high as its content needs
        bool case_sensitive = false; // a change of letter case alone is a change
        bool side_by_side = false;   // the edit and filter areas beside the grid, not below it
    };

    ReferenceWindow(AppContext& ctx, Shape shape);

    // Called at the end of the window's constructor, once its controls exist: the list is read
    // and the window placed.
    void open_window();

    // ---- what each window answers for itself
    // The edit fields Check_change compares and Clear_all_text_boxes empties.
    virtual QList<QWidget*> edit_fields() const = 0;
    // Fills the edit fields from the current row of `rs`. Throws DbError.
    virtual void fill_fields(RecordSet& rs) = 0;
    // After the fields are filled from a row (or emptied: no row).
    virtual void row_shown() {}
    // The filter condition of the filter boxes (without "where"); empty: none.
    virtual QString filter_condition() { return QString(); }
    // The record set over `sql`, whose condition and order are given apart. By default the
    // statement read whole on the list connection.
    virtual std::unique_ptr<RecordSet> open_list(const QString& sql, const QString& condition, const QString& order);
    virtual void grid_double_clicked() {}

    // ---- the parts a window assembles itself from
    // The filter boxes (text boxes or combo boxes): their changes enable the filter buttons;
    // Enter in one, or a choice from a combo's list, filters.
    void watch_filter_boxes(const QList<QWidget*>& boxes);
    // The buttons of the edit area, left to right.
    void set_edit_buttons(const QList<QPushButton*>& buttons);
    QList<QWidget*> filter_boxes() const { return filter_boxes_; }
    // Tab and Shift+Tab go through `widgets` in this order.
    void set_tab_order(const QList<QWidget*>& widgets);
    // The edit fields whose changes light Save.
    void watch_edit_fields(const QList<QWidget*>& fields);

    // ---- steps the windows' commands are made of
    // After a save: the list read again, the first row meeting `condition` current (or the row
    // now at the current position), nothing pending.
    void show_saved(const QString& condition);
    // The edit fields filled again from the current row.
    void show_current_row();
    // Runs `delete_sql`, checks with `check_sql` that the row has gone (else shows `not_deleted`),
    // and reads the list again: the row that followed, or the new last one, is current at the same
    // place on the screen. Returns true when the row was deleted.
    bool delete_current_row(const QString& delete_sql, const QString& check_sql, const QString& not_deleted);
    // Moves the quotations of the current value to another one the user names, asking again
    // while the name is unknown; with `remove_old` the replaced row goes too, in the same
    // transaction. Returns the value used, empty when nothing was done.
    struct Replacement {
        QString prompt, title;
        QString not_found;      // "%1" stands for the answer
        QString table, column;  // the reference table and its name column
        QString quotes_column;  // the column of quotes that holds the name
        bool remove_old = false;
    };
    QString replace_current(const Replacement& r, const QString& current);
    void show_main_window();
    // The main window lists the quotations of `value` in `field`.
    void show_quotes(AppEvents::QuotesOf field, const QString& value);

    void set_save_state(bool changed);
    void set_adding(bool adding);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    AppContext& ctx_;
    const Shape shape_;
    bool loading_ = true;
    bool filling_fields_ = false;
    QStringList initial_values_;

private:
    void build();
    void row_changed(int row);
    void header_clicked(int column);
    void fit_on_screen();

    RecordSetModel* model_ = nullptr;
    GridBinding* binding_ = nullptr;
    SortState sort_;
    QList<QWidget*> filter_boxes_;
    QString condition_;      // the filter condition in force
    QString current_sql_;
    bool adding_new_ = false;
    bool filter_active_ = false;
    int height_wanted_ = 0;  // the frame's height in pixels, reached once shown
};
