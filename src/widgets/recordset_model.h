#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QTimer>
#include <QList>
#include <QString>
#include <QVector>

class RecordSet;

// A column of a list window's grid: the field it shows, its caption, its width in pixels, its
// alignment; a stretching column takes the room left; a tip column shows its whole text as the
// tool tip (long texts shown on one line).
struct GridColumn {
    QString field;
    QString caption;
    int width = 100;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool stretch = false;
    bool tip = false;
};

// The grid's model over a record set, driven by a column description. Rows are read from the
// record set only when the view shows them. No engine error ever leaves it: the view gets the
// last-known row count and empty cells, and engine_error is emitted once, until the rows are
// read well again.
//
// It also keeps the rows picked with the row selectors (by key, in the order picked), shown in
// the attention colour.
class RecordSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordSetModel(QVector<GridColumn> columns, QObject* parent = nullptr);

    void set_recordset(RecordSet* rs);
    RecordSet* recordset() const { return rs_; }
    const QVector<GridColumn>& columns() const { return columns_; }

    // Row selection. A plain click picks one row (or unpicks it), Ctrl adds or removes one,
    // Shift adds every row from the last one picked.
    enum class Pick { only, toggle, extend };
    void pick(int row, Pick how);
    void clear_selection();
    const QList<QVariant>& selection() const { return selection_; }
    bool is_selected(int row) const;

    // Called before the view paints: rows changed since they were read are read again.
    void before_paint();
    // The view is told of every row of the list, counted now if it was not yet. Throws DbError.
    void catch_up();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void selection_changed();
    // A large list, shown from its first page, is counted now.
    void rows_counted();
    void engine_error(int number, const QString& description);

private:
    void failed(int number, const QString& description) const;
    void forget_selection();
    void mark_row(int row);
    void shift_selection();

    QVector<GridColumn> columns_;
    QVector<int> field_of_column_;
    RecordSet* rs_ = nullptr;
    QList<QVariant> selection_;
    QHash<qint64, int> selected_;  // key -> the row it was picked at
    int anchor_ = -1;              // the last row picked, where Shift extends from
    // A large list's keys read on while nothing else happens, a few milliseconds at a time.
    QTimer reading_;
    bool counted_ = true;
    void read_on();
    void start_reading();
    int known_rows() const;
    mutable int last_rows_ = 0;
    mutable bool failing_ = false;
};
