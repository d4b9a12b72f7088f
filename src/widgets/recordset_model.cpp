#include "recordset_model.h"

#include "attention.h"
#include "database/db_error.h"
#include "database/recordset.h"

RecordSetModel::RecordSetModel(QVector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {
    reading_.setSingleShot(true);
    reading_.setInterval(0);
    connect(&reading_, &QTimer::timeout, this, &RecordSetModel::read_on);
}

// After the first page was shown: the count (the rows it adds come in), then the rest of the
// keys, a slice at a time.
void RecordSetModel::read_on() {
    if (!rs_) return;
    try {
        // The count comes from a thread of its own: the keys are read on meanwhile, a slice at a
        // time, and the rows it adds come in once it is there.
        if (rs_->count_if_known() >= 0) catch_up();
        if (rs_->read_more(15) || !counted_) reading_.start(counted_ ? 0 : 10);
    } catch (const DbError& e) {
        failed(e.number(), e.description());
    }
}

void RecordSetModel::catch_up() {
    if (!rs_) return;
    {
        const int rows = rs_->record_count();
        if (rows != last_rows_) {
            if (rows > last_rows_) {
                beginInsertRows(QModelIndex(), last_rows_, rows - 1);
                last_rows_ = rows;
                endInsertRows();
            } else {
                beginRemoveRows(QModelIndex(), rows, last_rows_ - 1);
                last_rows_ = rows;
                endRemoveRows();
            }
        }
        if (!counted_) {
            counted_ = true;
            emit rows_counted();
        }
    }
}

void RecordSetModel::failed(int number, const QString& description) const {
    if (failing_) return;
    failing_ = true;
    emit const_cast<RecordSetModel*>(this)->engine_error(number, description);
}

void RecordSetModel::forget_selection() {
    selection_.clear();
    selected_.clear();
    anchor_ = -1;
}

void RecordSetModel::set_recordset(RecordSet* rs) {
    beginResetModel();
    if (rs_) disconnect(rs_, nullptr, this, nullptr);
    rs_ = rs;
    failing_ = false;
    last_rows_ = 0;
    forget_selection();
    field_of_column_.clear();
    if (rs_) {
        for (const GridColumn& c : columns_) field_of_column_ << rs_->field_index(c.field);
        // A change of the set's rows re-reads what the view shows; the selection goes with it.
        auto reset = [this] {
            beginResetModel();
            failing_ = false;
            forget_selection();
            last_rows_ = known_rows();
            endResetModel();
            emit selection_changed();
            start_reading();
        };
        connect(rs_, &RecordSet::reset, this, reset);
        // One row in or out: the view is told just that, and the selection keeps its other rows.
        connect(rs_, &RecordSet::removing_row, this, [this](int row) {
            const QVariant key = rs_->key_at(row);
            beginRemoveRows(QModelIndex(), row, row);
            if (selected_.remove(key.toLongLong())) selection_.removeAll(key);
        });
        connect(rs_, &RecordSet::row_removed, this, [this] {
            shift_selection();
            last_rows_ = known_rows();
            endRemoveRows();
            emit selection_changed();
        });
        connect(rs_, &RecordSet::inserting_row, this, [this](int row) { beginInsertRows(QModelIndex(), row, row); });
        connect(rs_, &RecordSet::row_inserted, this, [this] {
            shift_selection();
            last_rows_ = known_rows();
            endInsertRows();
        });
        connect(rs_, &RecordSet::row_changed, this,
                [this](int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); });
        connect(rs_, &RecordSet::rows_changed, this, [this](int first, int last) {
            shift_selection();
            emit dataChanged(index(first, 0), index(last, columnCount() - 1));
            emit headerDataChanged(Qt::Vertical, first, last);
        });
        connect(rs_, &QObject::destroyed, this, [this] { set_recordset(nullptr); });
        last_rows_ = known_rows();
        start_reading();
    }
    endResetModel();
    emit selection_changed();
}

void RecordSetModel::before_paint() {
    if (!rs_) return;
    // The first page is being painted: the count comes right after it.
    if (reading_.isActive() && reading_.interval() > 0) reading_.start(0);
    try {
        rs_->drop_rows_if_changed();
    } catch (const DbError& e) {
        failed(e.number(), e.description());
    }
}

// The rows the view is told of: those of the first page until the list is counted.
int RecordSetModel::known_rows() const {
    try {
        return rs_ ? rs_->known_count() : 0;
    } catch (const DbError& e) {
        failed(e.number(), e.description());
        return 0;
    }
}

void RecordSetModel::start_reading() {
    counted_ = false;
    bool done = true;
    try {
        done = rs_->fully_read();
    } catch (const DbError&) {
    }
    if (done) {
        counted_ = true;
    } else {
        // After the first page is painted (before_paint), or a moment later when it is not.
        reading_.start(50);
    }
}

int RecordSetModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !rs_) return 0;
    return last_rows_;
}

int RecordSetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns_.size()); }

QVariant RecordSetModel::data(const QModelIndex& index, int role) const {
    if (!rs_ || !index.isValid() || index.column() >= columns_.size()) return QVariant();
    const GridColumn& column = columns_[index.column()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        if (role == Qt::ToolTipRole && !column.tip) return QVariant();
        const int field = field_of_column_.value(index.column(), -1);
        if (field < 0) return QVariant();
        QString text;
        try {
            text = RecordSet::to_text(rs_->value_at(index.row(), field));
        } catch (const DbError& e) {
            failed(e.number(), e.description());
            return QVariant();
        }
        if (role == Qt::ToolTipRole) return text;
        // One line per row: line breaks show as blanks.
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(u'\n', u' ');
        text.replace(u'\r', u' ');
        return text;
    }
    case Qt::TextAlignmentRole: return QVariant(column.alignment);
    case Qt::BackgroundRole: return is_selected(index.row()) ? QVariant(attention_colour()) : QVariant();
    case Qt::ForegroundRole: return is_selected(index.row()) ? QVariant(attention_text_colour()) : QVariant();
    default: return QVariant();
    }
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole && section >= 0 && section < columns_.size()) return columns_[section].caption;
        return QVariant();
    }
    // The row selectors: a mark on the rows picked.
    const bool picked = is_selected(section);
    switch (role) {
    case Qt::DisplayRole: return picked ? QStringLiteral("\u25B6") : QString();
    case Qt::BackgroundRole: return picked ? QVariant(attention_colour()) : QVariant();
    case Qt::ForegroundRole: return picked ? QVariant(attention_text_colour()) : QVariant();
    case Qt::ToolTipRole: return tr("Click to select/deselect this row; hold CTRL to add rows, SHIFT to add a range");
    default: return QVariant();
    }
}

bool RecordSetModel::is_selected(int row) const {
    if (selected_.isEmpty() || !rs_) return false;
    try {
        return selected_.contains(rs_->key_at(row).toLongLong());
    } catch (const DbError& e) {
        failed(e.number(), e.description());
        return false;
    }
}

// Rows moved: where the picked keys stand is found again when they are next drawn.
void RecordSetModel::shift_selection() {
    for (auto it = selected_.begin(); it != selected_.end(); ++it) *it = -1;
    anchor_ = -1;
}

void RecordSetModel::mark_row(int row) {
    if (row < 0) {  // a row whose place is not known: every row's colour is drawn again
        if (last_rows_ > 0) emit dataChanged(index(0, 0), index(last_rows_ - 1, columnCount() - 1), {Qt::BackgroundRole});
        emit headerDataChanged(Qt::Vertical, 0, std::max(0, last_rows_ - 1));
        return;
    }
    if (row < 0 || row >= last_rows_) return;
    emit headerDataChanged(Qt::Vertical, row, row);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
}

void RecordSetModel::pick(int row, Pick how) {
    if (!rs_) return;
    try {
        if (how == Pick::extend && anchor_ >= 0 && anchor_ < rs_->record_count()) {
            const int from = std::min(anchor_, row), to = std::max(anchor_, row);
            for (int r = from; r <= to; ++r) {
                const qint64 key = rs_->key_at(r).toLongLong();
                if (selected_.contains(key)) continue;
                selected_.insert(key, r);
                selection_ << rs_->key_at(r);
                mark_row(r);
            }
            anchor_ = row;
            emit selection_changed();
            return;
        }
        const QVariant key = rs_->key_at(row);
        if (!key.isValid()) return;
        const bool was = selected_.contains(key.toLongLong());
        if (how == Pick::only) {
            const QHash<qint64, int> before = selected_;
            forget_selection();
            for (const int r : before) mark_row(r);
        }
        if (was) {
            selection_.removeAll(key);
            selected_.remove(key.toLongLong());
        } else {
            selection_ << key;
            selected_.insert(key.toLongLong(), row);
        }
        anchor_ = row;
        mark_row(row);
        emit selection_changed();
    } catch (const DbError& e) {
        failed(e.number(), e.description());
    }
}

void RecordSetModel::clear_selection() {
    if (selection_.isEmpty()) return;
    const QHash<qint64, int> before = selected_;
    forget_selection();
    for (const int r : before) mark_row(r);
    emit selection_changed();
}
