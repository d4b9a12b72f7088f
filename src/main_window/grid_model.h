#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>

class RecordSet;

// The quotation grid's model: columns key, author, text, subject, rate, language, note over the
// grid's record set. Rows are read from the record set only when the view shows them.
class QuoteGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QuoteGridModel(QObject* parent = nullptr);

    void set_recordset(RecordSet* rs);
    RecordSet* recordset() const { return rs_; }

    // The rows picked with the row selectors, as bookmarks, in the order they were picked.
    const QList<QVariant>& selection() const { return selection_; }
    void toggle_selected(int row, bool add);
    void clear_selection();
    bool is_selected(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static const QStringList& column_fields();

    // Called before the view paints: rows changed elsewhere are read again.
    void before_paint();

signals:
    void selection_changed();
    // The engine failed while the view asked for rows; emitted once until the rows are read
    // well again. The view is shown what was last known (the row count) or nothing (the cells).
    void engine_error(int number, const QString& description);

private:
    void rebind();
    void failed(int number, const QString& description) const;

    RecordSet* rs_ = nullptr;
    QVector<int> field_of_column_;
    QList<QVariant> selection_;
    QSet<qint64> selected_keys_;
    mutable int last_rows_ = 0;
    mutable bool failing_ = false;
};
