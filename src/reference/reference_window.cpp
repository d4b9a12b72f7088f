#include "reference_window.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/settings.h"
#include "database/jet_dialect.h"
#include "database/database.h"
#include "database/recordset.h"
#include "database/trash.h"
#include "widgets/attention.h"
#include "widgets/factories.h"
#include "widgets/grid_binding.h"
#include "widgets/guards.h"
#include "widgets/window_utils.h"

#include <utility>

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include "widgets/mnemonics.h"
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString text_of(const QWidget* w) {
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (const auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (const auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText();
    return QString();
}

void clear_text_of(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->clear();
    else if (auto* c = qobject_cast<QComboBox*>(w)) c->isEditable() ? c->setEditText(QString()) : c->setCurrentIndex(-1);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) p->clear();
}

}  // namespace

ReferenceWindow::ReferenceWindow(AppContext& ctx, Shape shape)
    : QWidget(nullptr, Qt::Window), ctx_(ctx), shape_(std::move(shape)), sort_(int(shape_.orders.size())) {
    setObjectName(QLatin1String(shape_.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(shape_.caption);
    setWindowIcon(program_icon());
    ctx_.events.opened(shape_.kind, this);
    build();
}

ReferenceWindow::~ReferenceWindow() = default;

void ReferenceWindow::build() {
    grid = named(new QTableView, "grid");
    grid->setAccessibleName(shape_.caption.section(QStringLiteral(" - "), 1));  // "Authors", ...
    model_ = new RecordSetModel(shape_.columns, this);
    binding_ = new GridBinding(grid, model_, ctx_.ui, this);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid->setWordWrap(false);
    grid->setAlternatingRowColors(true);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->setMinimumHeight(to_pixels(1400));

    edit_area = named(new QFrame, "edit_area");
    frame_data = frame("frame_data");
    frame_edit_buttons = named(new QFrame, "frame_edit_buttons");
    stack(edit_area, {frame_data, frame_edit_buttons});
    b_add_new = button("b_add_new", tr("Add new"), tr("Start a new row (Ctrl+N)"));
    b_save = button("b_save", tr("Save"), tr("Save the changes (Ctrl+S)"));
    b_delete = button("b_delete", tr("Delete"));
    b_main_windpw = button("b_main_windpw", tr("Main window"), tr("Bring the main window to the front"));
    b_exit = button("b_exit", tr("Exit"), tr("Close this window (Esc)"));

    filter_area = named(new QFrame, "filter_area");
    frame_filters_texts = frame("frame_filters_texts", tr("Filters"));
    frame_filters_buttons = named(new QFrame, "frame_filters_buttons");
    stack(filter_area, {frame_filters_texts, frame_filters_buttons});
    b_filter = button("b_filter", tr("Filter"), tr("Apply the filters (Enter in a filter box, F5)"));
    b_clear_filter = button("b_clear_filter", tr("Clear Filter"));
    l_records_filtered = label("l_records_filtered", tr("Records Filtered: NNN"));
    auto* filter_buttons = new QHBoxLayout(frame_filters_buttons);
    filter_buttons->setContentsMargins(6, 0, 6, 0);
    for (QPushButton* b : {b_filter, b_clear_filter}) {
        b->setMinimumWidth(90);
        filter_buttons->addWidget(b);
    }
    filter_buttons->addSpacing(12);
    filter_buttons->addWidget(l_records_filtered);
    filter_buttons->addStretch();

    // The grid above the edit and filter areas, or beside them.
    auto* outer = shape_.side_by_side ? static_cast<QBoxLayout*>(new QHBoxLayout(this)) : new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);
    outer->addWidget(grid, 1);
    const bool filters = shape_.filter != Shape::Filter::none;
    if (!filters) filter_area->hide();
    if (shape_.side_by_side) {
        auto* areas = new QVBoxLayout;
        areas->addWidget(edit_area);
        if (filters) areas->addWidget(filter_area);
        areas->addStretch();
        outer->addLayout(areas);
    } else {
        outer->addWidget(edit_area);
        if (filters) outer->addWidget(filter_area);
    }

    connect(binding_, &GridBinding::current_row_changed, this, &ReferenceWindow::row_changed);
    connect(binding_, &GridBinding::header_clicked, this, &ReferenceWindow::header_clicked);
    connect(grid, &QTableView::doubleClicked, this, [this] { grid_double_clicked(); });
    connect(b_add_new, &QPushButton::clicked, this, &ReferenceWindow::b_add_new_Click);
    connect(b_main_windpw, &QPushButton::clicked, this, &ReferenceWindow::b_main_windpw_Click);
    connect(b_exit, &QPushButton::clicked, this, &ReferenceWindow::uscita);
    connect(b_filter, &QPushButton::clicked, this, &ReferenceWindow::b_filter_Click);
    connect(b_clear_filter, &QPushButton::clicked, this, &ReferenceWindow::b_clear_filter_Click);
    const auto shortcut = [this](const QKeySequence& keys, QPushButton* target) {
        connect(new QShortcut(keys, this), &QShortcut::activated, target, [target] {
            if (target->isEnabled()) target->click();
        });
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_N), b_add_new);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), b_save);
    shortcut(QKeySequence(Qt::Key_F5), b_filter);
}

void ReferenceWindow::set_edit_buttons(const QList<QPushButton*>& buttons, int per_row) {
    auto* rows = new QGridLayout(frame_edit_buttons);
    rows->setContentsMargins(0, 0, 0, 0);
    const int n = per_row > 0 ? per_row : int(buttons.size());
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setMinimumWidth(86);
        rows->addWidget(buttons[i], i / n, i % n);
    }
    rows->setColumnStretch(n, 1);
}

void ReferenceWindow::set_field_rows(const QList<std::pair<QLabel*, QWidget*>>& rows) {
    auto* fields = new QGridLayout(frame_data);
    fields->setContentsMargins(8, 6, 8, 6);
    fields->setHorizontalSpacing(6);
    for (int i = 0; i < rows.size(); ++i) {
        auto [caption, field] = rows[i];
        fields->addWidget(caption, i, 0);
        if (!caption->buddy()) caption->setBuddy(field);
        // A field of its own width stays at the left; the others take the row.
        if (field->maximumWidth() < QWIDGETSIZE_MAX) fields->addWidget(field, i, 1, Qt::AlignLeft);
        else fields->addWidget(field, i, 1);
    }
    fields->setColumnStretch(1, 1);
}

void ReferenceWindow::set_filter_boxes(const QList<FilterBox>& boxes) {
    auto* row = new QHBoxLayout(frame_filters_texts);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(4);
    filters_ = boxes;
    QList<QWidget*> watched;
    for (const FilterBox& f : boxes) {
        if (!watched.isEmpty()) row->addSpacing(8);
        row->addWidget(f.caption);
        row->addWidget(f.box, 1);
        watched << f.box;
        if (!f.clear) continue;
        row->addWidget(f.clear);
        QWidget* box = f.box;
        connect(f.clear, &QToolButton::clicked, this, [this, box] {
            if (text_of(box).isEmpty()) return;
            clear_text_of(box);
            b_filter_Click();
            Any_filter();
        });
    }
    watch_filter_boxes(watched);
}

void ReferenceWindow::set_tab_order(const QList<QWidget*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i) setTabOrder(widgets[i - 1], widgets[i]);
}

void ReferenceWindow::watch_edit_fields(const QList<QWidget*>& fields) {
    for (QWidget* w : fields) {
        if (auto* e = qobject_cast<QLineEdit*>(w)) connect(e, &QLineEdit::textChanged, this, &ReferenceWindow::Check_change);
        else if (auto* c = qobject_cast<QComboBox*>(w))
            connect(c, c->isEditable() ? &QComboBox::editTextChanged : &QComboBox::currentTextChanged, this,
                    &ReferenceWindow::Check_change);
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            connect(p, &QPlainTextEdit::textChanged, this, &ReferenceWindow::Check_change);
    }
}

void ReferenceWindow::show_fields(RecordSet& rs, const QList<std::pair<QWidget*, QString>>& fields) {
    for (const auto& [w, field] : fields) {
        const QString text = rs.text(field);
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(text);
        else if (auto* c = qobject_cast<QComboBox*>(w))
            c->isEditable() ? c->setEditText(text) : c->setCurrentIndex(c->findText(text, Qt::MatchFixedString));
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) p->setPlainText(text);
    }
}

QLineEdit* ReferenceWindow::count_box(const char* name) {
    QLineEdit* box = text_box(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setMaximumWidth(90);
    box->setAlignment(Qt::AlignRight);
    return box;
}

void ReferenceWindow::watch_filter_boxes(const QList<QWidget*>& boxes) {
    filter_boxes_ = boxes;
    for (QWidget* box : boxes) {
        if (auto* e = qobject_cast<QLineEdit*>(box)) {
            connect(e, &QLineEdit::textChanged, this, [this] { Any_filter(); });
            connect(e, &QLineEdit::returnPressed, this, &ReferenceWindow::b_filter_Click);
        } else if (auto* c = qobject_cast<QComboBox*>(box)) {
            connect(c, &QComboBox::editTextChanged, this, [this] { Any_filter(); });
            connect(c, &QComboBox::activated, this, &ReferenceWindow::b_filter_Click);
            if (c->lineEdit()) connect(c->lineEdit(), &QLineEdit::returnPressed, this, &ReferenceWindow::b_filter_Click);
        }
    }
}

// ---------------------------------------------------------------------------- opening

void ReferenceWindow::open_window() {
    give_mnemonics(this);
    loading_ = true;
    Clear_all_text_boxes();
    set_initial_values();
    Filter_changed();  // the whole list, in the first order
    // The height kept from the last time (the frame's, in twips), or the screen less the taskbar;
    // never more than the screen less the taskbar.
    const QRect free = primary_screen_area().available;
    setMinimumSize(std::min(to_pixels(shape_.minimum.width()), free.width()),
                   std::min(to_pixels(shape_.minimum.height()), free.height()));
    int wanted = shape_.size.height() > 0 ? to_pixels(shape_.size.height()) : sizeHint().height();
    if (!shape_.height_setting.isEmpty()) {
        bool numeric = false;
        const int kept = get_setting(shape_.height_setting).toInt(&numeric);
        wanted = numeric && kept > 0 ? to_pixels(kept) : free.height();
    }
    height_wanted_ = std::min(std::max(wanted, minimumHeight()), free.height());
    resize(std::min(std::max(to_pixels(shape_.size.width()), minimumWidth()), free.width()), height_wanted_);
    center_window(*this);
    loading_ = false;
    Check_change();
}

void ReferenceWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, [this] { keep_frame_on_screen(*this, std::exchange(height_wanted_, 0)); });
}

// ---------------------------------------------------------------------------- the list

std::unique_ptr<RecordSet> ReferenceWindow::open_list(const QString& sql, const QString&, const QString&) {
    return std::make_unique<RecordSet>(*ctx_.list_database, sql);
}

RecordSet* ReferenceWindow::recordset() const { return binding_->recordset(); }

void ReferenceWindow::Filter_changed() {
    const QString order = sort_.column() < 0 ? shape_.first_order : sort_.order_text(shape_.orders);
    QString sql = QStringLiteral("SELECT * FROM ") + shape_.source + u' ';
    if (!condition_.isEmpty()) sql += QStringLiteral(" Where ") + condition_;
    if (!order.isEmpty()) sql += QStringLiteral(" order by ") + order;
    current_sql_ = sql;
    const bool read = guarded(ctx_.ui, [&] {
        Hourglass busy(ctx_.ui);
        binding_->bind(open_list(sql, condition_, order));  // the first row is current
    });
    if (!read) binding_->bind(nullptr);
    QHeaderView* header = grid->horizontalHeader();
    Qt::SortOrder direction = Qt::AscendingOrder;
    const bool sorted = sort_.indicator(int(shape_.columns.size()), direction);
    header->setSortIndicatorShown(sorted);
    if (sorted) header->setSortIndicator(sort_.column(), direction);
    Set_grid_columns_width();
    Update_record_count();
    Any_filter();
}

void ReferenceWindow::header_clicked(int column) {
    if (column < 0 || column >= shape_.orders.size() || refuse_while_editing()) return;
    sort_.click(column);
    // The filter in force stays in force: the list is only put in another order.
    Filter_changed();
}

void ReferenceWindow::Set_grid_columns_width() { binding_->apply_column_widths(); }

void ReferenceWindow::Update_record_count() {
    if (shape_.filter == Shape::Filter::none) return;
    QVariant total;
    int listed = 0;
    guarded(ctx_.ui, [&] {
        // The one-box windows count the whole table, however many rows are listed.
        total = ctx_.list_database->scalar((one_box() ? QStringLiteral("Select count(0) from ") : QStringLiteral("Select count(*) from ")) +
                                           shape_.counted_table);
        listed = recordset() ? recordset()->record_count() : 0;
    });
    const QString all = locale().toString(total.toLongLong());
    l_records_filtered->setText(one_box() ? tr("Records: ") + all
                                          : tr("Records Filtered:  ") + locale().toString(listed) + u'/' + all);
}

bool ReferenceWindow::go_to_first(const QString& condition) {
    bool found = false;
    if (recordset()) guarded(ctx_.ui, [&] { found = recordset()->find_first(condition); });
    // The row found is shown, also when it was already current under an addition.
    if (found && adding_new_) show_current_row();
    return found;
}

bool ReferenceWindow::shows(const QString& key) const {
    // The key the row had when it was shown: a pending rename is still that row.
    return !adding_new_ && binding_->current_row() >= 0 && jet::folded(initial_values_.value(0)) == jet::folded(key.trimmed());
}

// ---------------------------------------------------------------------------- the edit area

void ReferenceWindow::row_changed(int row) {
    // Another row: no addition and no change in progress.
    set_adding(false);
    if (row < 0) {
        Clear_all_text_boxes();
        set_initial_values();
        return;
    }
    const bool filled = guarded(ctx_.ui, [&] {
        FlagScope quiet(filling_fields_);
        fill_fields(*recordset());
    });
    if (!filled) Clear_all_text_boxes();
    set_initial_values();
    if (filled) row_shown();
}

void ReferenceWindow::show_current_row() { row_changed(binding_->current_row()); }

void ReferenceWindow::set_save_state(bool changed) {
    set_lit(b_save, changed);
    b_save->setEnabled(changed);
    // While a change is pending no other row can be chosen: moving would lose it.
    grid->setEnabled(!changed);
}

void ReferenceWindow::set_adding(bool adding) {
    adding_new_ = adding;
    set_lit(b_add_new, adding);
}

bool ReferenceWindow::editing() const { return is_lit(b_save); }

bool ReferenceWindow::refuse_while_editing() { return refuse_while_lit(ctx_.ui, b_save); }

void ReferenceWindow::set_initial_values() {
    initial_values_.clear();
    for (const QWidget* w : edit_fields()) initial_values_ << text_of(w);
    set_save_state(false);
}

void ReferenceWindow::Clear_all_text_boxes() {
    {
        FlagScope quiet(filling_fields_);
        for (QWidget* w : edit_fields()) clear_text_of(w);
    }
    set_save_state(false);
}

void ReferenceWindow::Check_change() {
    if (loading_ || filling_fields_) return;
    const Qt::CaseSensitivity cs = shape_.case_sensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QList<QWidget*> fields = edit_fields();
    bool changed = false;
    for (qsizetype i = 0; i < fields.size() && !changed; ++i)
        changed = text_of(fields[i]).compare(initial_values_.value(i), cs) != 0;
    set_save_state(changed);
}

void ReferenceWindow::b_add_new_Click() {
    if (refuse_while_editing()) return;
    Clear_all_text_boxes();
    set_initial_values();
    set_adding(true);
    if (!edit_fields().isEmpty()) edit_fields().first()->setFocus();
}

void ReferenceWindow::show_saved(const QString& condition) {
    binding_->requery_at(condition, binding_->current_row());
    Set_grid_columns_width();
    Update_record_count();
    set_initial_values();
    set_adding(false);
}

bool ReferenceWindow::delete_current_row(const std::function<void()>& remove, const QString& check_sql,
                                         const QString& not_deleted) {
    const int position = binding_->current_row();
    const int screen_row = position - std::max(0, grid->rowAt(0));  // its row on the screen
    bool gone = false;
    if (!guarded(ctx_.ui, [&] {
            remove();
            ctx_.ui.yield();
            gone = ctx_.database->open_recordset(check_sql)->eof();
        }))
        return false;
    if (!gone) {
        ctx_.ui.message(not_deleted);
        return false;
    }
    // The row that followed, or the new last one, where the deleted one stood on the screen.
    binding_->requery_at(QString(), position);
    const int row = binding_->current_row();
    if (row >= 0) grid->verticalScrollBar()->setValue(std::max(0, row - screen_row));
    Set_grid_columns_width();
    Update_record_count();
    set_save_state(false);
    set_adding(false);
    if (b_filter->isEnabled()) b_filter->setFocus();
    return true;
}

ReferenceWindow::Written ReferenceWindow::write_row(const RowWrite& w, bool adding, const QString& old_key,
                                                   const QList<std::pair<QString, QVariant>>& values) {
    const QString column = values.first().first;
    const QString key = values.first().second.toString();
    if (key.trimmed().isEmpty()) {
        ctx_.ui.message(w.empty);
        if (!edit_fields().isEmpty()) edit_fields().first()->setFocus();
        return Written::nothing;
    }
    // With nothing listed there is nothing to change: what is typed is a new row.
    adding = adding || binding_->current_row() < 0;
    Database& db = *ctx_.database;
    Written written = Written::nothing;
    try {
        // A key is one row's: a new row, or a new key, may not be another's already. The same
        // key in other letters is the row itself.
        auto same = db.open_recordset(QStringLiteral("select * from ") + w.table + QStringLiteral(" where ") + equals(column, key));
        if (!same->eof() && (adding || jet::folded(same->text(column)) != jet::folded(old_key))) {
            ctx_.ui.message(w.present);
            return Written::nothing;
        }
        std::unique_ptr<RecordSet> row;
        if (!adding) {
            row = db.open_recordset(QStringLiteral("select * from ") + w.table + QStringLiteral(" where ") + equals(column, old_key));
            if (row->eof() && !w.vanished.isEmpty()) {
                ctx_.ui.message(w.vanished);
                return Written::nothing;
            }
        }
        // The row and whatever holds its key change together, or not at all.
        Database::Transaction t(db);
        if (!w.first_sql.isEmpty()) db.execute(w.first_sql);
        if (adding) {
            row = db.open_recordset(QStringLiteral("select * from ") + w.table);
            row->add_new();
        } else {
            row->edit();
        }
        for (const auto& [name, value] : values) row->set_value(name, value);
        row->update();
        written = adding ? Written::added : key != old_key ? Written::renamed : Written::changed;
        if (written == Written::renamed)
            for (const auto& [table, holder] : w.holders)
                db.execute(QStringLiteral("update %1 set %2 = '").arg(table, holder) + sql_escape_text(key) +
                           QStringLiteral("' where ") + equals(holder, old_key));
        t.commit();
    } catch (const DbError& e) {
        // A row gone between the look and the write is said as such; nothing is written.
        if (e.number() == db_errors::no_current_record && !w.vanished.isEmpty()) ctx_.ui.message(w.vanished);
        else show_error(ctx_.ui, e);
        return Written::nothing;
    }
    return written;
}

std::optional<QString> ReferenceWindow::delete_unused(const QString& shown) {
    const Removal& r = shape_.removal;
    if (refuse_while_editing()) return std::nullopt;
    if (adding_new()) {
        // Nothing shown can be deleted while adding: the addition is given up instead.
        show_current_row();
        return std::nullopt;
    }
    RecordSet* rs = recordset();
    if (!rs || binding_->current_row() < 0) return std::nullopt;
    QString key;
    qint64 in_use = 0;
    if (!guarded(ctx_.ui, [&] {
            key = rs->text(r.column);
            // Counted now: another window may have given it a quotation since the list was read.
            if (!r.quotes_column.isEmpty())
                in_use = ctx_.database->scalar(QStringLiteral("Select count (0) from quotes where ") + equals(r.quotes_column, key))
                             .toLongLong();
        }))
        return std::nullopt;
    if (in_use > 0) {
        ctx_.ui.message(r.in_use.arg(shown));
        return std::nullopt;
    }
    const QString where = QStringLiteral(" where ") + equals(r.column, key);
    // To the Trash, as a batch of its own: Undo delete in the main window brings it back.
    const auto remove = [&] {
        Database& db = *ctx_.database;
        Database::Transaction t(db);
        trash::move_rows(db, trash::open_batch(db, QStringLiteral("delete")), r.table, key);
        t.commit();
    };
    if (!delete_current_row(remove, QStringLiteral("Select * from ") + r.table + where, r.not_deleted))
        return std::nullopt;
    return key;
}

QString ReferenceWindow::replace_current(const QString& current) {
    const Replacement& r = shape_.replacement;
    if (refuse_while_editing() || binding_->current_row() < 0 || adding_new_) return QString();
    Database& db = *ctx_.database;
    QString used;
    while (used.isEmpty()) {
        const QString answer = ctx_.ui.input(r.prompt, r.title, QString());
        if (answer.isEmpty()) return QString();
        bool found = false;
        if (!guarded(ctx_.ui, [&] {
                auto rs = db.open_recordset(QStringLiteral("Select * from %1 where %2 ='").arg(r.table, r.column) +
                                            sql_escape_text(answer) + u'\'');
                found = !rs->eof();
                if (found) used = rs->text(r.column);  // as it is stored
            }))
            return QString();
        if (!found) {
            ctx_.ui.message(r.not_found.arg(answer));
        } else if (jet::folded(used) == jet::folded(current)) {
            // Its own quotations: nothing would move.
            ctx_.ui.message(tr("'%1' is the one being replaced.").arg(answer));
            used.clear();
        }
    }
    // All or nothing: a failure part way leaves every quotation as it was.
    const bool done = guarded(ctx_.ui, [&] {
        Hourglass busy(ctx_.ui);
        // Undo delete in the main window gives them their former name back.
        trash::replace(db, r.quotes_column, current, used);
    });
    if (!done) return QString();
    binding_->requery_at(r.column + QStringLiteral(" = '") + sql_escape_text(used) + u'\'', binding_->current_row());
    Set_grid_columns_width();
    Update_record_count();
    return used;
}

// ---------------------------------------------------------------------------- filters

void ReferenceWindow::b_filter_Click() {
    if (refuse_while_editing()) return;
    condition_ = filter_condition();
    if (one_box()) {
        // Filter pressed, whatever the box holds: Clear Filter says so and leads back.
        filter_active_ = true;
        set_lit(b_clear_filter, true);
    } else {
        filter_active_ = !condition_.isEmpty();
        set_lit(b_filter, filter_active_);
    }
    Filter_changed();
}

void ReferenceWindow::b_clear_filter_Click() {
    if (refuse_while_editing()) return;
    if (!one_box())
        for (QWidget* box : filter_boxes_) clear_text_of(box);  // the one box keeps its text for the next Filter
    set_lit(b_clear_filter, false);
    const bool was_active = filter_active_;
    condition_.clear();
    filter_active_ = false;
    if (was_active) Filter_changed();
    Any_filter();
    set_lit(b_filter, false);
    Update_record_count();
}

bool ReferenceWindow::Any_filter() {
    QString joined;
    for (const QWidget* box : filter_boxes_) joined += text_of(box);
    const bool any = !joined.isEmpty();
    if (one_box()) {
        b_filter->setEnabled(true);
        b_clear_filter->setEnabled(filter_active_);
        return any;
    }
    // A filter in force can always be cleared or applied again, even with its boxes emptied.
    b_filter->setEnabled(any || filter_active_);
    b_clear_filter->setEnabled(any || filter_active_);
    return any;
}

QString ReferenceWindow::filter_condition() {
    // Boxes left empty count for nothing, and blanks alone in every box filter nothing. What is
    // typed is found as it is, the pattern characters included.
    QString typed, condition;
    for (const FilterBox& f : filters_) {
        const QString text = f.match == Match::holds_as_typed ? text_of(f.box) : text_of(f.box).trimmed();
        typed += text_of(f.box);
        if (text.isEmpty()) continue;
        condition += condition.isEmpty() ? QStringLiteral(" ") : QStringLiteral(" or   ");
        condition += f.match == Match::equals
                         ? equals(f.column, text)
                         : f.column + QStringLiteral(" like '*") + sql_escape_pattern(text) + QStringLiteral("*'");
    }
    return typed.trimmed().isEmpty() ? QString() : condition;
}

QString ReferenceWindow::equals(const QString& column, const QString& text) {
    return column + QStringLiteral(" = '") + sql_escape_text(text) + u'\'';
}

// ---------------------------------------------------------------------------- other windows

void ReferenceWindow::show_main_window() { bring_main_window_forward(ctx_); }

void ReferenceWindow::show_quotes(AppEvents::QuotesOf field, const QString& value) {
    if (value.trimmed().isEmpty()) return;
    show_main_window();
    if (ctx_.main_window_open()) emit ctx_.events.show_quotes_requested(field, value.trimmed());
}

// ---------------------------------------------------------------------------- leaving

void ReferenceWindow::uscita() { close(); }

bool show_reference_window(AppContext& ctx, AppEvents::Window kind, const std::function<ReferenceWindow*()>& make,
                           const QString& condition, const QString& key) {
    auto* window = qobject_cast<ReferenceWindow*>(ctx.events.window(kind));
    if (!window) window = make();  // it goes when it is closed
    window->show();
    // Moving would throw the pending edit away; staying silently would let its save pass for
    // the row asked for.
    const bool blocked = !condition.isEmpty() && window->editing() && !window->shows(key);
    if (!condition.isEmpty() && !window->editing()) window->go_to_first(condition);
    ctx.ui.yield();
    window->raise();
    window->activateWindow();
    if (blocked)
        ctx.ui.message(ReferenceWindow::tr("Edit operation in progress: '%1' can be shown once it is saved.").arg(key));
    return !blocked;
}

void ReferenceWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        uscita();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ReferenceWindow::closeEvent(QCloseEvent* event) {
    if (editing()) {
        ctx_.ui.message(tr("Edit operation in progress."), Ui::icon_exclamation);
        event->ignore();
        return;
    }
    if (!shape_.height_setting.isEmpty())
        save_setting(shape_.height_setting, QString::number(to_twips(frameGeometry().height())));
    event->accept();
    window_closed(ctx_, shape_.kind);
}
