#include "filter_area.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/quote_filter.h"
#include "database/grid_query.h"
#include "database/recordset.h"
#include "edit_area.h"
#include "quote_counts.h"
#include "quote_list.h"
#include "widgets/attention.h"
#include "widgets/combo_fill.h"
#include "widgets/factories.h"
#include "widgets/grid_binding.h"
#include "widgets/guards.h"
#include "widgets/mnemonics.h"
#include "widgets/recordset_model.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString text_of(QWidget* w) {
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    return QString();
}

void set_text_of(QWidget* w, const QString& text) {
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable()) c->setEditText(text);
        else c->setCurrentIndex(std::max(0, c->findText(text)));
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text);
    }
}

}  // namespace

FilterArea::FilterArea(AppContext& ctx, QuoteList& list, EditArea& edit, QuoteCounts& counts, QWidget* parent)
    : QFrame(parent), ctx_(ctx), list_(list), edit_(edit), counts_(counts) {
    setObjectName(QStringLiteral("search_area"));
    build();
    wire();
}

void FilterArea::build() {
    frame_filter_texts = frame("frame_filter_texts", tr("Filters"));
    frame_filter_buttons = frame("frame_filter_buttons");
    cb_author_filter = combo("cb_author_filter", true);
    cb_subject_filter = combo("cb_subject_filter", true);
    cb_language_filter = combo("cb_language_filter", true);
    // The rate filters offer the listed rates only, so that nothing typed reaches the statement.
    cb_rate_filter_from = combo("cb_rate_filter_from", false);
    cb_rate_filter_to = combo("cb_rate_filter_to", false);
    t_text_filter = text_box("t_text_filter");
    t_text_filter->setPlaceholderText(QStringLiteral("Ctrl+F"));
    t_note_filter = text_box("t_note_filter");
    t_key_selector = text_box("t_key_selector");
    t_key_selector->setMaximumWidth(110);
    for (QComboBox* c : {cb_rate_filter_from, cb_rate_filter_to}) c->setMinimumWidth(60);
    make_each<QToolButton>({{b_clear_author_filter, "b_clear_author_filter", "author filter"},
                            {b_clear_subject_filter, "b_clear_subject_filter", "subject filter"},
                            {b_clear_language_filter, "b_clear_language_filter", "language filter"},
                            {b_clear_text_filter, "b_clear_text_filter", "text filter"},
                            {Command1, "Command1", "key filter"},
                            {Command2, "Command2", "note filter"}},
                           clear_button);

    auto* g = new QGridLayout(frame_filter_texts);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(3);
    auto add = [&](int row, int col, const char* name, const QString& caption, QWidget* field, QWidget* clear) {
        g->addWidget(label(name, caption, field), row, col);
        g->addWidget(field, row, col + 1);
        if (clear) g->addWidget(clear, row, col + 2);
    };
    add(0, 0, "Label6", tr("Author Filter "), cb_author_filter, b_clear_author_filter);
    add(0, 3, "Label5", tr("Text Filter "), t_text_filter, b_clear_text_filter);
    add(1, 0, "Label4", tr("Subject Filter "), cb_subject_filter, b_clear_subject_filter);
    add(1, 3, "l_note_filter", tr("Note Filter "), t_note_filter, Command2);
    add(2, 0, "Label3", tr("Language Filter "), cb_language_filter, b_clear_language_filter);
    auto* key_and_rate = new QHBoxLayout;
    key_and_rate->addWidget(t_key_selector);
    key_and_rate->addWidget(Command1);
    key_and_rate->addSpacing(12);
    key_and_rate->addWidget(label("l_rate_filter_from", tr("Rate from "), cb_rate_filter_from));
    key_and_rate->addWidget(cb_rate_filter_from);
    key_and_rate->addWidget(label("l_rate_filter_to", tr("Rate to "), cb_rate_filter_to));
    key_and_rate->addWidget(cb_rate_filter_to);
    key_and_rate->addStretch();
    g->addWidget(label("Label7", tr("Key Filter "), t_key_selector), 2, 3);
    g->addLayout(key_and_rate, 2, 4, 1, 2);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(4, 1);

    b_filter = button("b_filter", tr("Filter"), tr("Apply the filters (F5)"));
    b_clear = button("b_clear", tr("Clear all filters"), tr("Empty every filter field (Ctrl+Shift+F)"));
    make_each<QPushButton>({{b_filter_current_author, "b_filter_current_author", QT_TR_NOOP("Filter on current author")},
                            {b_filter_current_subject, "b_filter_current_subject", QT_TR_NOOP("Filter on current subject")},
                            {b_delete_filtered, "b_delete_filtered", QT_TR_NOOP("Delete filtered quotes")},
                            {b_slide_show, "b_slide_show", QT_TR_NOOP("Slide show of filtered quotes")},
                            {b_export, "b_export", QT_TR_NOOP("Export filtered quotes")}},
                           [](const char* name, const QString& caption) { return button(name, tr(caption.toUtf8().constData())); });
    l_records_selected = label("l_records_selected", tr("Records Selected: "));
    l_records_filtered = label("l_records_filtered", tr("Records Filtered: "));

    auto* b = new QGridLayout(frame_filter_buttons);
    b->setContentsMargins(6, 4, 6, 4);
    b->setVerticalSpacing(3);
    b->addWidget(b_filter, 0, 0);
    b->addWidget(b_clear, 0, 1);
    b->addWidget(b_filter_current_author, 0, 2);
    b->addWidget(b_filter_current_subject, 0, 3);
    b->addWidget(l_records_filtered, 0, 4);
    b->addWidget(b_delete_filtered, 1, 0);
    b->addWidget(b_export, 1, 1);
    b->addWidget(b_slide_show, 1, 2, 1, 2);
    b->addWidget(l_records_selected, 1, 4);
    b->setColumnStretch(2, 1);
    b->setColumnStretch(3, 1);
    b->setColumnMinimumWidth(4, 160);

    stack(this, {frame_filter_texts, frame_filter_buttons});
}

void FilterArea::wire() {
    for (QLineEdit* e : {t_text_filter, t_note_filter, t_key_selector}) {
        connect(e, &QLineEdit::textChanged, this, [this] { Any_filter(); });
        e->installEventFilter(this);
    }
    for (QComboBox* c : {cb_author_filter, cb_subject_filter, cb_language_filter}) {
        connect(c, &QComboBox::editTextChanged, this, [this] { Any_filter(); });
        c->installEventFilter(this);
    }
    cb_rate_filter_from->installEventFilter(this);
    for (QComboBox* c : {cb_author_filter, cb_subject_filter, cb_language_filter, cb_rate_filter_from, cb_rate_filter_to})
        connect(c, &QComboBox::activated, this, [this] { b_filter_Click(); });
    const std::pair<QToolButton*, QWidget*> clears[] = {
        {b_clear_author_filter, cb_author_filter}, {b_clear_subject_filter, cb_subject_filter},
        {b_clear_language_filter, cb_language_filter}, {b_clear_text_filter, t_text_filter},
        {Command1, t_key_selector}, {Command2, t_note_filter}};
    for (const auto& [b, field] : clears) connect(b, &QToolButton::clicked, this, [this, f = field] { clear_one_filter(f); });
    connect(b_filter, &QPushButton::clicked, this, &FilterArea::b_filter_Click);
    connect(b_clear, &QPushButton::clicked, this, &FilterArea::b_clear_Click);
    connect(b_delete_filtered, &QPushButton::clicked, this, &FilterArea::b_delete_filtered_Click);
    connect(b_export, &QPushButton::clicked, this, &FilterArea::b_export_Click);
    connect(b_slide_show, &QPushButton::clicked, this, &FilterArea::b_slide_show_Click);
    connect(b_filter_current_author, &QPushButton::clicked, this,
            [this] { filter_on_current(cb_author_filter, edit_.cb_author); });
    connect(b_filter_current_subject, &QPushButton::clicked, this,
            [this] { filter_on_current(cb_subject_filter, edit_.cb_subject); });
    connect(&list_.binding(), &GridBinding::header_clicked, this, &FilterArea::sort_by_column);
    // The counter follows the rows the grid holds: after a save, a delete, a new list.
    connect(&list_.binding(), &GridBinding::current_row_changed, this, &FilterArea::Update_record_count);
    connect(&list_, &QuoteList::corner_clicked, this, &FilterArea::back_to_random_order);
    connect(&list_, &QuoteList::selection_changed, this, &FilterArea::check_selections);
    connect(&edit_, &EditArea::names_shown, this, &FilterArea::show_counts);
    connect(&edit_, &EditArea::filter_requested, this, &FilterArea::b_filter_Click);
    // Counters follow every change of the quotations, whichever window made it.
    connect(&ctx_.events, &AppEvents::quotes_changed, this, &FilterArea::Update_record_count);
    connect(&list_.model(), &RecordSetModel::rows_counted, this, &FilterArea::Update_record_count);
    connect(&ctx_.events, &AppEvents::show_quotes_requested, this, &FilterArea::show_quotes_of);
}

bool FilterArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // The list is read again; the focus stays in the field, to go on typing.
            QWidget* field = QApplication::focusWidget();
            int code = 13;
            Check_filter_enter(code);
            if (field && field->isVisible() && field->isEnabled() && QApplication::focusWidget() != field) field->setFocus();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

QList<QWidget*> FilterArea::fields() const {
    return {cb_author_filter,  cb_subject_filter, cb_rate_filter_from, cb_rate_filter_to,
            cb_language_filter, t_note_filter,    t_text_filter,       t_key_selector};
}

GridQuery::Filter FilterArea::filter(bool& valid) {
    QuoteFilter filter{cb_author_filter->currentText(), cb_subject_filter->currentText(), cb_language_filter->currentText(),
                       t_text_filter->text(),          t_note_filter->text(),          t_key_selector->text(),
                       cb_rate_filter_from->currentText(), cb_rate_filter_to->currentText()};
    valid = QuoteFilter::valid_key(filter.key);
    if (!valid) {
        ctx_.ui.message(tr("Invalid key selector (must be a number)"), Ui::icon_exclamation);
        return {};
    }
    return filter.filter(*ctx_.list_database);
}

void FilterArea::b_filter_Click() {
    if (edit_.refuse_while_editing()) return;
    guarded(ctx_.ui, [&] {
        bool valid = true;
        GridQuery query;
        query.filter = filter(valid);
        if (!valid) return;
        Qt::SortOrder direction = Qt::AscendingOrder;
        if (list_.sort().indicator(GridQuery::column_count, direction))
            query.sort_by(GridQuery::Column(list_.sort().column()), direction);
        filter_active_ = query.filtered();
        ctx_.current_quotes_filter = query.condition();
        set_lit(b_filter, filter_active_);
        ctx_.current_quotes_sql = query.sql();
        ctx_.current_quotes_query = query;
        Hourglass busy(ctx_.ui);
        list_.show_query(query);  // the first row becomes current and fills the edit area
    });
    Update_record_count();
    edit_.reset_edit_state();
    Any_filter();
}

bool FilterArea::Any_filter() {
    bool any = false;
    for (QWidget* f : fields()) {
        const bool used = !text_of(f).isEmpty();
        any = any || used;
        set_lit(f, used);
    }
    b_filter->setEnabled(any);
    b_clear->setEnabled(any);
    return any;
}

void FilterArea::Check_filter_enter(int& key_code) {
    if (key_code == 13) b_filter_Click();
}

void FilterArea::Clear_all_filters() {
    for (QWidget* f : fields()) set_text_of(f, QString());
}

void FilterArea::b_clear_Click() {
    if (edit_.refuse_while_editing()) return;
    Clear_all_filters();
    if (filter_active_) Filter_changed();
    Any_filter();
}

void FilterArea::clear_one_filter(QWidget* field) {
    if (text_of(field).isEmpty()) return;
    set_text_of(field, QString());
    b_filter_Click();
    Any_filter();
}

void FilterArea::filter_on_current(QComboBox* filter, QComboBox* source) {
    if (edit_.refuse_while_editing()) return;
    Clear_all_filters();
    filter->setEditText(source->currentText());
    b_filter_Click();
}

void FilterArea::show_quotes_of(AppEvents::QuotesOf field, const QString& value) {
    b_clear_Click();
    if (field == AppEvents::QuotesOf::rate) {
        // One rate: the range from it to it.
        for (QComboBox* box : {cb_rate_filter_from, cb_rate_filter_to}) box->setCurrentIndex(box->findText(value.trimmed()));
        b_filter_Click();
        return;
    }
    QComboBox* box = field == AppEvents::QuotesOf::author    ? cb_author_filter
                     : field == AppEvents::QuotesOf::subject ? cb_subject_filter
                                                             : cb_language_filter;
    box->setEditText(value.trimmed());
    b_filter_Click();
}

void FilterArea::sort_by_column(int column) {
    check_selections();
    list_.sort().click(column);
    if (column >= 0 && column < 10) Filter_changed();
}

void FilterArea::sort_by(int column, Qt::SortOrder order) {
    check_selections();
    list_.sort().set(column, order);
    Filter_changed();
}

void FilterArea::back_to_random_order() {
    const bool sorted = list_.sort().column() >= 0;
    if (!sorted) {
        // Already in random order: the click only clears the selection.
        list_.model().clear_selection();
        check_selections();
        return;
    }
    if (edit_.refuse_while_editing()) return;
    list_.sort().to_random();
    Filter_changed();  // the list is read again: its selection goes with it
}

void FilterArea::Update_record_count() {
    qint64 total = 0;
    guarded(ctx_.ui, [&] { total = counts_.total(); });
    int rows = 0;
    // A large list is counted beside the window once its first page is shown: the count
    // follows (rows_counted), and "counting" stands for it meanwhile, never a part of it.
    guarded(ctx_.ui, [&] { rows = list_.recordset() ? list_.recordset()->count_if_known() : 0; });
    l_records_filtered->setText(tr("Records Filtered:") +
                                (rows < 0 ? tr("counting\u2026") : QLocale().toString(rows)) + u'/' +
                                QLocale().toString(total));
    l_records_selected->setText(tr("Records Selected:") + QLocale().toString(list_.selected_count()));
}

void FilterArea::check_selections() {
    const bool any = list_.selected_count() > 0;
    set_caption(b_export, any ? tr("Export selected quotes") : tr("Export filtered quotes"));
    set_caption(b_delete_filtered, any ? tr("Deleted selected quotes") : tr("Deleted filtered quotes"));
    set_lit(b_export, any);
    set_lit(b_delete_filtered, any);
    Update_record_count();
}

void FilterArea::show_counts(const QString& author, const QString& subject) {
    // "Filter on current author (12)", or the bare caption, disabled, with no author.
    const auto caption = [this](const QString& value, const QString& column, QPushButton* shortcut, const QString& text) {
        if (value.isEmpty()) {
            set_caption(shortcut, text);
            shortcut->setEnabled(false);
            return;
        }
        set_caption(shortcut, text + QStringLiteral(" (") + QLocale().toString(counts_.of(column, value)) + u')');
        shortcut->setEnabled(true);
    };
    guarded(ctx_.ui, [&] {
        caption(author, QStringLiteral("author"), b_filter_current_author, tr("Filter on current author"));
        caption(subject, QStringLiteral("subject"), b_filter_current_subject, tr("Filter on current subject"));
    });
}

void FilterArea::set_author_list(const QStringList& names) { fill_combo(cb_author_filter, names); }
void FilterArea::set_subject_list(const QStringList& subjects) { fill_combo(cb_subject_filter, subjects); }
void FilterArea::set_rate_list(const QStringList& rates) {
    for (QComboBox* box : {cb_rate_filter_from, cb_rate_filter_to}) fill_combo(box, rates);
}
void FilterArea::set_language_list(const QStringList& codes) { fill_combo(cb_language_filter, codes); }
