#pragma once

#include <QObject>
#include <QMap>
#include <QPointer>
#include <QVariant>

#include <functional>
#include <memory>

class QTableView;
class Database;
class RecordSet;
class RecordSetModel;
class Ui;

// Keeps a grid and its record set on one current row, both ways: a row the user picks in the
// grid (click, arrow keys, page keys) becomes the set's current row, and the set's current row
// is the one the grid shows, scrolled into view. Every change of the current row is announced
// once with current_row_changed (-1: no row), which is where a window fills its edit area.
//
// It also lays out the columns from the model's description, passes header clicks on, picks
// rows with the row selectors (Ctrl adds, Shift extends), has rows changed elsewhere read again
// before the grid paints, and shows an engine failure met while painting once, after the paint.
class GridBinding : public QObject {
    Q_OBJECT
public:
    GridBinding(QTableView* view, RecordSetModel* model, Ui& ui, QObject* parent = nullptr);
    ~GridBinding() override;

    // The grid shows `rs` (the binding keeps it); its first row, if any, becomes current.
    void bind(std::unique_ptr<RecordSet> rs);
    RecordSet* recordset() const { return rs_.get(); }
    int current_row() const;

    // Makes `row` current.
    void go_to(int row);
    // Reads the statement again. The row with `key` is current again when it is still there;
    // otherwise the row now at `position`, or the last one; none in an empty set.
    void requery(const QVariant& key, int position);
    // After a save of the row with `key`: it is put where the order and the condition of the
    // set have it now, without reading the whole set again, and is current; when it has left the
    // set, the row now at `position` (or the last one) is. The row is announced in any case.
    void place(const QVariant& key, int position);
    // Reads the statement again. The first row that meets the SQL `condition` is current;
    // otherwise the row now at `position`, or the last one; none in an empty set.
    void requery_at(const QString& condition, int position);
    // Deletes the current row; the row that followed it, or the new last row, becomes current.
    void delete_current(const std::function<void(Database& writer, qint64 key)>& remove = {});

    void apply_column_widths();
    // The widths the user gave columns by dragging their edges, which every new list keeps:
    // "column:width" separated by commas, to be kept between starts.
    QString chosen_widths() const;
    void set_chosen_widths(const QString& text);

signals:
    void current_row_changed(int row);
    void header_clicked(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recordset_moved();
    void view_moved(int row);
    void show_row(int row);
    void announce();
    // Reads the statement again; `find` makes a row current and says so, or else the row at
    // `position` (or the last) is current.
    void reread(int position, const std::function<bool()>& find);

    QTableView* view_;
    QPointer<RecordSetModel> model_;  // its parent may destroy it first
    Ui& ui_;
    std::unique_ptr<RecordSet> rs_;
    int announced_ = -2;  // the row last announced; -2: none yet
    bool syncing_ = false;
    Qt::KeyboardModifiers selector_modifiers_;
    QMap<int, int> chosen_widths_;
    bool applying_widths_ = false;
};
