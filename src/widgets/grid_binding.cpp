#include "grid_binding.h"

#include <QPersistentModelIndex>
#include <QResizeEvent>

#include "core/common.h"
#include "database/db_error.h"
#include "database/recordset.h"
#include "guards.h"
#include "recordset_model.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QAbstractButton>

namespace {

// A cell is painted from no more of its text than its width could show: the style shapes the
// whole text to elide it, and a page of quotations of several hundred letters each cost more to
// paint than to read. The cut text ends in an ellipsis, so it is elided as the whole one was.
class CellTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The style draws the cell's background, selection and focus; the text is elided and drawn
    // here on one line, shaped twice rather than the three times the style's text layout takes.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const QString text = opt.text;
        opt.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        draw_focus(painter, opt);
        if (text.isEmpty()) return;
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(margin, 0, -margin, 0);
        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active)  ? QPalette::Normal
                                                                                 : QPalette::Inactive;
        painter->save();
        painter->setClipRect(opt.rect);
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        const QString shown = QFontMetrics(opt.font).elidedText(text, Qt::ElideRight, area.width());
        painter->drawText(area, int(QStyle::visualAlignment(opt.direction, opt.displayAlignment)) | Qt::TextSingleLine, shown);
        painter->restore();
    }

protected:
    // The keyboard's cell: the style's focus frame is drawn in the selection's own colour, unseen
    // on a selected row, so a dotted frame in the colour of the row's text marks it.
    static void draw_focus(QPainter* painter, const QStyleOptionViewItem& opt) {
        if (!(opt.state & QStyle::State_HasFocus)) return;
        const QPalette::ColorGroup group = (opt.state & QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive;
        QPen pen(opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        pen.setStyle(Qt::DotLine);
        painter->save();
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(opt.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const qsizetype most = qsizetype(option->rect.width() / narrowest(option->font)) + 2;
        if (option->text.size() > most) option->text = option->text.left(most) + QChar(0x2026);
    }

private:
    qreal narrowest(const QFont& font) const {
        const QString key = font.key();
        auto hit = narrowest_.constFind(key);
        if (hit != narrowest_.cend()) return *hit;
        const QFontMetricsF metrics(font);
        qreal least = metrics.horizontalAdvance(QLatin1Char(' '));
        for (const QChar c : QStringLiteral(".,:;'!|ilIjft"))
            if (const qreal w = metrics.horizontalAdvance(c); w > 0) least = std::min(least, w);
        return *narrowest_.insert(key, std::max<qreal>(1.0, least));
    }

    mutable QHash<QString, qreal> narrowest_;
};

}  // namespace

GridBinding::GridBinding(QTableView* view, RecordSetModel* model, Ui& ui, QObject* parent)
    : QObject(parent), view_(view), model_(model), ui_(ui) {
    view_->setModel(model_);
    view_->setItemDelegate(new CellTextDelegate(view_));
    // The button in the grid's corner selects every row; it has no text of its own to be read.
    if (auto* corner = view_->findChild<QAbstractButton*>()) {
        corner->setAccessibleName(tr("Select all rows"));
        corner->setToolTip(corner->accessibleName());
    }
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { view_moved(current.row()); });
    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this, &GridBinding::header_clicked);
    connect(view_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (applying_widths_ || !model_ || column >= model_->columns().size() || model_->columns()[column].stretch) return;
        if (width > 0) chosen_widths_[column] = width;
    });
    connect(view_->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int row) {
        const auto how = selector_modifiers_ & Qt::ShiftModifier     ? RecordSetModel::Pick::extend
                         : selector_modifiers_ & Qt::ControlModifier ? RecordSetModel::Pick::toggle
                                                                     : RecordSetModel::Pick::only;
        model_->pick(row, how);
    });
    // An engine failure while the grid reads its rows is reported once, after the painting.
    connect(model_.data(), &RecordSetModel::engine_error, this,
            [this](int number, const QString& description) { show_error(ui_, number, description); },
            Qt::QueuedConnection);
    view_->viewport()->installEventFilter(this);
    view_->verticalHeader()->viewport()->installEventFilter(this);
    view_->installEventFilter(this);
    view_->verticalScrollBar()->installEventFilter(this);
}

GridBinding::~GridBinding() {
    if (model_) model_->set_recordset(nullptr);
}

bool GridBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == view_->viewport()) model_->before_paint();
    // The current row that was in sight stays in sight when the grid gets smaller (the window
    // manager gives the window its final size after the first row was shown).
    if (event->type() == QEvent::Resize && watched == view_->viewport()) {
        const QModelIndex current = view_->currentIndex();
        const QSize before = static_cast<QResizeEvent*>(event)->oldSize();
        if (current.isValid() && before.isValid() && QRect(QPoint(0, 0), before).intersects(view_->visualRect(current)))
            QMetaObject::invokeMethod(view_, [view = view_, current = QPersistentModelIndex(current)] {
                if (current.isValid() && view->currentIndex() == current) view->scrollTo(current);
            }, Qt::QueuedConnection);
    }
    // A key or a drag of the scroll bar goes by the whole list, counted first if it was not yet
    // (its first page is shown before its count).
    if ((event->type() == QEvent::KeyPress && watched == view_) ||
        (event->type() == QEvent::MouseButtonPress && watched == view_->verticalScrollBar()))
        guarded(ui_, [&] { model_->catch_up(); });
    if (event->type() == QEvent::MouseButtonPress && watched == view_->verticalHeader()->viewport())
        selector_modifiers_ = static_cast<QMouseEvent*>(event)->modifiers();
    return QObject::eventFilter(watched, event);
}

void GridBinding::bind(std::unique_ptr<RecordSet> rs) {
    model_->set_recordset(rs.get());
    rs_ = std::move(rs);
    announced_ = -2;
    if (rs_) {
        connect(rs_.get(), &RecordSet::current_changed, this, &GridBinding::recordset_moved);
        // Rows changed: the next move announces itself even onto the same row number.
        for (auto changed : {&RecordSet::row_removed, &RecordSet::row_inserted})
            connect(rs_.get(), changed, this, [this] { announced_ = -2; });
        connect(rs_.get(), &RecordSet::reset, this, [this] { announced_ = -2; });
    }
    announce();
}

int GridBinding::current_row() const {
    try {
        return rs_ ? rs_->absolute_position() : -1;
    } catch (const DbError&) {
        return -1;
    }
}

void GridBinding::announce() {
    const int row = current_row();
    if (row == announced_) return;
    announced_ = row;
    show_row(row);
    emit current_row_changed(row);
}

void GridBinding::recordset_moved() { announce(); }

void GridBinding::show_row(int row) {
    FlagScope quiet(syncing_);
    if (row < 0) {
        view_->selectionModel()->clearCurrentIndex();
        view_->clearSelection();
        return;
    }
    // A row beyond the first page of a list not counted yet: the view learns of every row first.
    if (row >= model_->rowCount()) guarded(ui_, [&] { model_->catch_up(); });
    const int column = std::max(0, view_->currentIndex().column());
    view_->setCurrentIndex(model_->index(row, column));
    view_->scrollTo(model_->index(row, column));
}

void GridBinding::view_moved(int row) {
    if (syncing_ || !rs_ || row < 0 || row == current_row()) return;
    guarded(ui_, [&] { rs_->set_absolute_position(row); });
}

void GridBinding::go_to(int row) {
    if (!rs_) return;
    guarded(ui_, [&] { rs_->set_absolute_position(row); });
}

void GridBinding::requery(const QVariant& key, int position) {
    reread(position, [&] {
        const int at = key.isValid() ? rs_->position_of(key) : -1;
        if (at >= 0) rs_->set_absolute_position(at);
        return at >= 0;
    });
}

void GridBinding::requery_at(const QString& condition, int position) {
    reread(position, [&] { return !condition.isEmpty() && rs_->find_first(condition); });
}

void GridBinding::reread(int position, const std::function<bool()>& find) {
    if (!rs_) return;
    guarded(ui_, [&] {
        FlagScope quiet(syncing_);
        rs_->requery();
        if (find()) return;
        const int rows = rs_->record_count();
        if (rows > 0) rs_->set_absolute_position(std::clamp(position, 0, rows - 1));
    });
    announce();
}

void GridBinding::place(const QVariant& key, int position) {
    if (!rs_) return;
    guarded(ui_, [&] {
        FlagScope quiet(syncing_);  // the view's own moves while rows come and go are not the user's
        const int at = key.isValid() ? rs_->place(key.toLongLong(), position) : -1;
        const int rows = rs_->record_count();
        const int target = at >= 0 ? at : rows > 0 ? std::clamp(position, 0, rows - 1) : -1;
        announced_ = -2;  // the row itself changed: announced even where it stays
        if (target >= 0) rs_->set_absolute_position(target);
    });
    announce();
}

void GridBinding::delete_current(const std::function<void(Database&, qint64)>& remove) {
    if (!rs_) return;
    guarded(ui_, [&] {
        FlagScope quiet(syncing_);
        const int position = rs_->absolute_position();
        rs_->delete_current(remove);
        const int rows = rs_->record_count();
        if (rows > 0) rs_->set_absolute_position(std::min(position, rows - 1));
    });
    announce();
}

QString GridBinding::chosen_widths() const {
    QStringList parts;
    for (auto it = chosen_widths_.cbegin(); it != chosen_widths_.cend(); ++it)
        parts << QStringLiteral("%1:%2").arg(it.key()).arg(it.value());
    return parts.join(u',');
}

void GridBinding::set_chosen_widths(const QString& text) {
    chosen_widths_.clear();
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool column_ok = false, width_ok = false;
        const int column = part.section(u':', 0, 0).toInt(&column_ok);
        const int width = part.section(u':', 1, 1).toInt(&width_ok);
        if (column_ok && width_ok && column >= 0 && width >= 8 && width <= 4000) chosen_widths_[column] = width;
    }
    apply_column_widths();
}

void GridBinding::apply_column_widths() {
    QHeaderView* header = view_->horizontalHeader();
    const auto& columns = model_->columns();
    applying_widths_ = true;
    for (int c = 0; c < columns.size(); ++c) {
        if (columns[c].stretch) {
            header->setSectionResizeMode(c, QHeaderView::Stretch);
        } else {
            header->setSectionResizeMode(c, QHeaderView::Interactive);
            header->resizeSection(c, chosen_widths_.value(c, columns[c].width));
        }
    }
    applying_widths_ = false;
}
