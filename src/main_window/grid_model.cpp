#include "grid_model.h"

#include "database/recordset.h"

#include "database/db_error.h"

#include <QColor>
#include <QPalette>

QuoteGridModel::QuoteGridModel(QObject* parent) : QAbstractTableModel(parent) {}

const QStringList& QuoteGridModel::column_fields() {
    static const QStringList fields = {"key", "author", "text", "subject", "rate", "language", "notes"};
    return fields;
}

void QuoteGridModel::failed(int number, const QString& description) const {
    if (failing_) return;
    failing_ = true;
    emit const_cast<QuoteGridModel*>(this)->engine_error(number, description);
}

void QuoteGridModel::before_paint() {
    if (!rs_) return;
    try {
        rs_->drop_rows_if_changed();
    } catch (const DbError& e) {
        failed(e.number(), e.description());
    }
}

void QuoteGridModel::set_recordset(RecordSet* rs) {
    failing_ = false;
    last_rows_ = 0;
    beginResetModel();
    if (rs_) disconnect(rs_, nullptr, this, nullptr);
    rs_ = rs;
    selection_.clear();
    selected_keys_.clear();
    field_of_column_.clear();
    if (rs_) {
        for (const QString& f : column_fields()) field_of_column_ << rs_->field_index(f);
        // Any change of the set's rows re-reads what the view shows; the selection goes with it.
        auto reset = [this] {
            failing_ = false;
            beginResetModel();
            selection_.clear();
            selected_keys_.clear();
            endResetModel();
            emit selection_changed();
        };
        connect(rs_, &RecordSet::reset, this, reset);
        connect(rs_, &RecordSet::row_removed, this, reset);
        connect(rs_, &RecordSet::row_appended, this, reset);
        connect(rs_, &RecordSet::row_changed, this, [this](int row) {
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
        connect(rs_, &QObject::destroyed, this, [this] { set_recordset(nullptr); });
    }
    endResetModel();
    emit selection_changed();
}

int QuoteGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !rs_) return 0;
    try {
        last_rows_ = rs_->record_count();
    } catch (const DbError& e) {
        failed(e.number(), e.description());
    }
    return last_rows_;
}

int QuoteGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 7; }

QVariant QuoteGridModel::data(const QModelIndex& index, int role) const {
    if (!rs_ || !index.isValid()) return QVariant();
    const int field = field_of_column_.value(index.column(), -1);
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        if (field < 0) return QVariant();
        QString text;
        try {
            text = RecordSet::to_text(rs_->value_at(index.row(), field));
        } catch (const DbError& e) {
            failed(e.number(), e.description());
            return QVariant();
        }
        if (role == Qt::ToolTipRole) return index.column() == 2 || index.column() == 6 ? text : QVariant();
        // One line per row: line breaks show as blanks.
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(u'\n', u' ');
        text.replace(u'\r', u' ');
        return text;
    }
    if (role == Qt::TextAlignmentRole && (index.column() == 0 || index.column() == 4))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::BackgroundRole && is_selected(index.row())) return QColor(0xC0, 0xFF, 0xFF);
    return QVariant();
}

QVariant QuoteGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        static const QStringList captions = {"Key", "Author", "Text", "Subject", "Rate", "Language", "Note"};
        if (role == Qt::DisplayRole) return captions.value(section);
        return QVariant();
    }
    // The row selectors: a mark on the rows picked for export or delete.
    if (role == Qt::DisplayRole) return is_selected(section) ? QStringLiteral("\u25B6") : QString();
    if (role == Qt::BackgroundRole && is_selected(section)) return QColor(0xC0, 0xFF, 0xFF);
    if (role == Qt::ToolTipRole)
        return QStringLiteral("Click to select/deselect this quote; hold CTRL for multiple selection");
    return QVariant();
}

bool QuoteGridModel::is_selected(int row) const {
    if (selected_keys_.isEmpty() || !rs_) return false;
    try {
        return selected_keys_.contains(rs_->key_at(row).toLongLong());
    } catch (const DbError& e) {
        failed(e.number(), e.description());
        return false;
    }
}

void QuoteGridModel::toggle_selected(int row, bool add) {
    if (!rs_) return;
    QVariant key;
    try {
        key = rs_->key_at(row);
    } catch (const DbError& e) {
        failed(e.number(), e.description());
        return;
    }
    if (!key.isValid()) return;
    const bool was = selected_keys_.contains(key.toLongLong());
    if (!add) {
        selection_.clear();
        selected_keys_.clear();
    }
    if (was) {
        selection_.removeAll(key);
        selected_keys_.remove(key.toLongLong());
    } else {
        selection_ << key;
        selected_keys_.insert(key.toLongLong());
    }
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
    emit selection_changed();
}

void QuoteGridModel::clear_selection() {
    if (selection_.isEmpty()) return;
    selection_.clear();
    selected_keys_.clear();
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
    emit selection_changed();
}
