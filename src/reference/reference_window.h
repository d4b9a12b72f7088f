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

#include <functional>
#include <memory>
#include <optional>
#include <utility>

struct AppContext;
class GridBinding;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class RecordSet;

// What the windows over a reference table (authors, subjects, languages, web sites) share: a
// grid over one table or saved query with the edit area below it (or beside it) kept on the
// current row, a filter area, the order chosen by the column headers (each column keeps its own
// direction), the edit state shown by the colours of Save and Add new, the save of a row (one
// key per row, a new key carried into the rows that hold it, all in one transaction), the delete
// of a row no quotation uses and the position after it, the replacement of one value by another
// in the quotations, the way to the main window, and the closing rule: the window that closes
// last ends the program.
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
    // Listed in the first order (the source's own, or the Shape's first_order): no header clicked.
    bool in_first_order() const { return sort_.column() < 0; }
    RecordSet* recordset() const;
    GridBinding& binding() const { return *binding_; }
    // Makes the first listed row that meets `condition` current; false when none does.
    bool go_to_first(const QString& condition);
    // The row whose key is `key` is the one shown, or the one an edit is pending on.
    bool shows(const QString& key) const;

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
    // How the current row is deleted.
    struct Removal {
        QString table{}, column{};  // the table and its key column
        QString quotes_column{};    // the column of quotes that holds the key; empty: none
        QString in_use{};
        QString not_deleted{};
    };
    // How the quotations of the current row are given to another.
    struct Replacement {
        QString prompt{}, title{};
        QString not_found{};        // "%1" stands for the answer
        QString table{}, column{};  // the reference table and its name column
        QString quotes_column{};    // the column of quotes that holds the name
    };
    // What a window is, beyond its own controls.
    struct Shape {
        AppEvents::Window kind{};
        const char* name{};          // the window's objectName
        QString caption{};
        QString source{};            // the table or saved query listed
        QString counted_table{};     // the table the record count counts
        QVector<GridColumn> columns{};
        QStringList orders{};        // per grid column, "%1" standing for its direction
        QString first_order{};       // before any header click; empty: the source's own order
        QString height_setting{};    // the setting keeping the window's height; empty: none
        QSize minimum{};             // in twips
        QSize size{};                // the size it opens with, in twips (the height setting wins); a
                                     // height of 0: as high as its content needs
        bool case_sensitive = false; // a change of letter case alone is a change
        bool side_by_side = false;   // the edit and filter areas beside the grid, not below it
        // How the filter area works:
        //  boxes: the filter buttons follow the boxes' texts, Filter is lit while a filter is in
        //         force, Clear Filter empties the boxes and the count shows listed/total;
        //  one_box: Filter always ready and never lit, Clear Filter lit and ready once Filter was
        //         pressed (even with an empty box), the box keeps its text, the count shows the total;
        //  none: no filter area and no count.
        enum class Filter { boxes, one_box, none } filter = Filter::boxes;
        Removal removal{};
        Replacement replacement{};
    };

    ReferenceWindow(AppContext& ctx, Shape shape);

    // Called at the end of the window's constructor, once its controls exist: the list is read
    // and the window placed.
    void open_window();

    // ---- what each window answers for itself
    // The edit fields Check_change compares and Clear_all_text_boxes empties, the key of the
    // row first.
    virtual QList<QWidget*> edit_fields() const = 0;
    // Fills the edit fields from the current row of `rs`. Throws DbError.
    virtual void fill_fields(RecordSet& rs) = 0;
    // After the fields are filled from a row (or emptied: no row).
    virtual void row_shown() {}
    // The filter condition of the filter boxes (without "where"); empty: none.
    virtual QString filter_condition();
    // The record set over `sql`, whose condition and order are given apart. By default the
    // statement read whole on the list connection.
    virtual std::unique_ptr<RecordSet> open_list(const QString& sql, const QString& condition, const QString& order);
    virtual void grid_double_clicked() {}

    // ---- the parts a window assembles itself from
    // The filter boxes (text boxes or combo boxes): their changes enable the filter buttons;
    // Enter in one, or a choice from a combo's list, filters.
    void watch_filter_boxes(const QList<QWidget*>& boxes);
    // The buttons of the edit area, left to right; `per_row` of them in a row (0: all in one).
    void set_edit_buttons(const QList<QPushButton*>& buttons, int per_row = 0);
    // The edit fields one under the other, each with its caption before it.
    void set_field_rows(const QList<std::pair<QLabel*, QWidget*>>& rows);
    // The filter boxes side by side, each with its caption before it and, when it has one, the
    // small button after it that empties it (and filters again when it held text); they are
    // watched as watch_filter_boxes does. Each box filters its column: the column holds the text
    // (trimmed, or as it is typed) or equals it (trimmed); a row is listed when any box's
    // condition holds.
    enum class Match { holds, holds_as_typed, equals };
    struct FilterBox {
        QLabel* caption;
        QWidget* box;
        QString column;
        Match match = Match::holds;
        QToolButton* clear = nullptr;
    };
    void set_filter_boxes(const QList<FilterBox>& boxes);
    QList<QWidget*> filter_boxes() const { return filter_boxes_; }
    // Tab and Shift+Tab go through `widgets` in this order.
    void set_tab_order(const QList<QWidget*>& widgets);
    // The edit fields whose changes light Save.
    void watch_edit_fields(const QList<QWidget*>& fields);
    // The fields filled from the current row of `rs`: each widget, the field it shows (a null as
    // empty text; a list-only box shows the entry of that text in any letter case). Throws DbError.
    static void show_fields(RecordSet& rs, const QList<std::pair<QWidget*, QString>>& fields);
    // The display-only box of a row's count of quotations.
    static QLineEdit* count_box(const char* name);

    // ---- steps the windows' commands are made of
    // After a save: the list read again, the first row meeting `condition` current (or the row
    // now at the current position), nothing pending.
    void show_saved(const QString& condition);
    // The edit fields filled again from the current row.
    void show_current_row();
    // Runs `remove`, checks with `check_sql` that the row has gone (else shows `not_deleted`),
    // and reads the list again: the row that followed, or the new last one, is current at the same
    // place on the screen. Returns true when the row was deleted.
    bool delete_current_row(const std::function<void()>& remove, const QString& check_sql, const QString& not_deleted);
    // Saves the edit area into the row whose key is `old_key`, or into a new row when `adding`
    // (or when nothing is listed). `values` are column and value, the key first: an empty key is
    // refused, and so is a key that is another row's, new or renamed. A renamed key is carried
    // into the columns of other tables that hold it. Everything is written in one transaction,
    // after `first_sql` when given. Says why when it writes nothing.
    struct RowWrite {
        QString table{};
        QString empty{};                               // the key is empty
        QString present{};                             // the key is another row's
        QString vanished{};                            // the row changed has gone; empty: the engine's report
        QList<std::pair<QString, QString>> holders{};  // table and column holding the key elsewhere
        QString first_sql{};
    };
    enum class Written { nothing, added, changed, renamed };
    Written write_row(const RowWrite& w, bool adding, const QString& old_key,
                      const QList<std::pair<QString, QVariant>>& values);
    // Deletes the current row, as the Shape's removal says, unless a quotation uses it (counted
    // now, not as listed), refusing with its `in_use` ("%1" standing for `shown`); see
    // delete_current_row. While adding, the addition is given up instead. Returns the key of the
    // row deleted.
    std::optional<QString> delete_unused(const QString& shown);
    // Moves the quotations of the current value to another one the user names, as the Shape's
    // replacement says, asking again while the name is unknown. The replaced row stays, with
    // whatever else it holds, and no quotation. Nothing is asked while an edit is pending or
    // without a current row. Returns the value used, empty when nothing was done.
    QString replace_current(const QString& current);
    void show_main_window();
    // The main window lists the quotations of `value` (trimmed; nothing when empty) in `field`.
    void show_quotes(AppEvents::QuotesOf field, const QString& value);

    // `column` = the text, between quotes.
    static QString equals(const QString& column, const QString& text);

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
    bool one_box() const { return shape_.filter == Shape::Filter::one_box; }

    RecordSetModel* model_ = nullptr;
    GridBinding* binding_ = nullptr;
    SortState sort_;
    QList<QWidget*> filter_boxes_;
    QList<FilterBox> filters_;
    QString condition_;      // the filter condition in force
    QString current_sql_;
    bool adding_new_ = false;
    bool filter_active_ = false;
    int height_wanted_ = 0;  // the frame's height in pixels, reached once shown
};

// Shows the window of `kind`, made by `make` when it is not open, and brings it to the front.
// Asked for the row whose key is `key` (the first row meeting `condition`), its list moves there;
// while an edit is pending on another row the list stays, the user is told, and false is
// returned, so that nothing chosen there is taken for the row asked for.
bool show_reference_window(AppContext& ctx, AppEvents::Window kind, const std::function<ReferenceWindow*()>& make,
                           const QString& condition = QString(), const QString& key = QString());
