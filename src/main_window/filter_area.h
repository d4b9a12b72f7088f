#pragma once

#include "parts.h"

#include "core/app_events.h"
#include "database/grid_query.h"

#include <QFrame>
#include <QList>

// The main window's filter area: the eight filter fields, the query they make with the sort
// order of the headers (published as current_quotes_sql and current_quotes_filter), the
// counters, the shortcuts that filter on the current author or subject, and the buttons that
// act on the selected or filtered quotations.
class FilterArea : public QFrame {
    Q_OBJECT
public:
    FilterArea(AppContext& ctx, QuoteList& list, EditArea& edit, QuoteCounts& counts, QWidget* parent = nullptr);

    // The system's procedures.
    void b_filter_Click();
    void Filter_changed() { b_filter_Click(); }
    bool Any_filter();
    void Check_filter_enter(int& key_code);
    void Clear_all_filters();
    void b_clear_Click();
    void Update_record_count();
    void check_selections();
    // The buttons that act on the quotations picked in the grid, or on the whole list when none
    // is picked; the slide show always shows the whole list.
    void b_delete_filtered_Click();
    void b_export_Click();
    void b_slide_show_Click();
    // A click on a column header: sorted by it, its direction turned over.
    void sort_by_column(int column);
    // The same from the keyboard, with the direction chosen.
    void sort_by(int column, Qt::SortOrder order);
    // The corner of the grid: the selection cleared and random order again.
    void back_to_random_order();
    // "Show quotes" of another window: only this field, with this value.
    void show_quotes_of(AppEvents::QuotesOf field, const QString& value);
    // The edit area's author and subject, counted on the shortcut buttons.
    void show_counts(const QString& author, const QString& subject);

    bool filter_active() const { return filter_active_; }
    void set_author_list(const QStringList& names);
    void set_subject_list(const QStringList& subjects);
    void set_rate_list(const QStringList& rates);
    void set_language_list(const QStringList& codes);

    QGroupBox *frame_filter_texts = nullptr, *frame_filter_buttons = nullptr;
    QComboBox *cb_author_filter = nullptr, *cb_subject_filter = nullptr, *cb_language_filter = nullptr,
              *cb_rate_filter_from = nullptr, *cb_rate_filter_to = nullptr;
    QLineEdit *t_text_filter = nullptr, *t_note_filter = nullptr, *t_key_selector = nullptr;
    QToolButton *b_clear_author_filter = nullptr, *b_clear_subject_filter = nullptr, *b_clear_language_filter = nullptr,
                *b_clear_text_filter = nullptr, *Command1 = nullptr, *Command2 = nullptr;
    QPushButton *b_filter = nullptr, *b_clear = nullptr, *b_filter_current_author = nullptr,
                *b_filter_current_subject = nullptr, *b_delete_filtered = nullptr, *b_slide_show = nullptr,
                *b_export = nullptr;
    QLabel *l_records_selected = nullptr, *l_records_filtered = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void wire();
    GridQuery::Filter filter(bool& valid);
    QList<QWidget*> fields() const;
    void clear_one_filter(QWidget* field);
    void filter_on_current(QComboBox* filter, QComboBox* source);

    AppContext& ctx_;
    QuoteList& list_;
    EditArea& edit_;
    QuoteCounts& counts_;
    bool filter_active_ = false;
};
