#include "quote_list.h"

#include "core/app_context.h"
#include "database/recordset.h"
#include "widgets/factories.h"
#include "widgets/grid_binding.h"
#include "widgets/recordset_model.h"

#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QCoreApplication>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QVector<GridColumn> quote_columns() {
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto caption = [](const char* text) { return QCoreApplication::translate("QuoteList", text); };
    return {{"key", caption(QT_TRANSLATE_NOOP("QuoteList", "Key")), 70, right},
            {"author", caption(QT_TRANSLATE_NOOP("QuoteList", "Author")), 170, left},
            {"text", caption(QT_TRANSLATE_NOOP("QuoteList", "Text")), 0, left, true, true},
            {"subject", caption(QT_TRANSLATE_NOOP("QuoteList", "Subject")), 120, left},
            {"rate", caption(QT_TRANSLATE_NOOP("QuoteList", "Rate")), 45, right},
            {"language", caption(QT_TRANSLATE_NOOP("QuoteList", "Language")), 75, left},
            {"notes", caption(QT_TRANSLATE_NOOP("QuoteList", "Note")), 170, left, false, true}};
}

}  // namespace

QuoteList::QuoteList(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("quote_list"));
    grid = named(new QTableView, "grid");
    grid->setAccessibleName(tr("Quotations"));
    model_ = new RecordSetModel(quote_columns(), this);
    binding_ = new GridBinding(grid, model_, ctx_.ui, this);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->setAlternatingRowColors(true);
    grid->setCornerButtonEnabled(false);
    grid->setTabKeyNavigation(false);
    QHeaderView* rows = grid->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);  // uniform rows: a million of them cost nothing
    rows->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    rows->setFixedWidth(22);
    rows->setSectionsClickable(true);
    rows->setHighlightSections(false);
    QHeaderView* columns = grid->horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);

    // The selection bar's help sits in the grid's corner, above the row selectors; a click on it
    // clears the selection and goes back to random order.
    pic_help = named(new QFrame(grid), "pic_help");
    l_help = named(new QLabel(QStringLiteral("?"), pic_help), "l_help");
    const QString help = tr(
        "Click on this vertical bar to select/deselect quotes; hold CTRL key for multiple selection, SHIFT for a range.\n"
        "Click here to clear the selection and go back to random order.");
    pic_help->setToolTip(help);
    l_help->setToolTip(help);
    pic_help->setAccessibleName(tr("Clear the selection and go back to random order"));
    l_help->setAccessibleName(pic_help->accessibleName());
    l_help->setAlignment(Qt::AlignCenter);
    pic_help->setCursor(Qt::PointingHandCursor);
    l_help->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    binding_->apply_column_widths();
    connect(model_, &RecordSetModel::selection_changed, this, &QuoteList::selection_changed);
}

RecordSet* QuoteList::recordset() const { return binding_->recordset(); }

int QuoteList::selected_count() const { return int(model_->selection().size()); }

void QuoteList::show_query(const GridQuery& query) {
    auto rs = std::make_unique<RecordSet>(*ctx_.list_database, grid_reader(*ctx_.list_database, ctx_.database.get(), query));
    // Rows are read again when quotations change, not when they only move in the random order.
    rs->set_version_source([this] {
        const auto v = ctx_.content_version();
        return (v.first << 32) ^ v.second;
    });
    // Read through the list handle, written through the main one: the list handle never commits, so
    // the commits the main handle sees from others are other programs' only.
    rs->set_writer(*ctx_.database);
    binding_->bind(std::move(rs));
    binding_->apply_column_widths();
    QHeaderView* header = grid->horizontalHeader();
    Qt::SortOrder order = Qt::AscendingOrder;
    const bool sorted = sort_.indicator(model_->columnCount(), order);
    header->setSortIndicatorShown(sorted);
    if (sorted) header->setSortIndicator(sort_.column(), order);
}

void QuoteList::place_selection_bar() {
    pic_help->setGeometry(grid->frameWidth(), grid->frameWidth(), grid->verticalHeader()->width(),
                          grid->horizontalHeader()->height());
    l_help->setGeometry(0, 0, pic_help->width(), pic_help->height());
    pic_help->raise();
}

void QuoteList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place_selection_bar();
}

bool QuoteList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == l_help && event->type() == QEvent::MouseButtonRelease) {
        emit corner_clicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
