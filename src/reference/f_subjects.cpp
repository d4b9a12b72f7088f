#include "f_subjects.h"

#include "core/app_context.h"
#include "core/common.h"
#include "database/recordset.h"
#include "widgets/factories.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

const QString placeholder = QStringLiteral("-");  // the subject of quotations without one

QString subject_is(const QString& subject) { return QStringLiteral("subject = '") + sql_escape_text(subject) + u'\''; }

QVector<GridColumn> subject_columns() {
    return {{"subject", f_subjects::tr("Subject"), to_pixels(10140 - 7500), Qt::AlignLeft | Qt::AlignVCenter, true},
            {"quotes", f_subjects::tr("Quotes"), to_pixels(700) + 8, Qt::AlignRight | Qt::AlignVCenter}};
}

}  // namespace

// Listed in the query's own order until a header is clicked; as high as the edit and filter
// areas beside the list (no height is kept from one opening to the next).
f_subjects::f_subjects(AppContext& ctx)
    : ReferenceWindow(ctx, Shape{.kind = AppEvents::subjects_window, .name = "f_subjects", .caption = tr("Sentara - Subjects"),
                                 .source = QStringLiteral("subjects_with_quote_quantity"), .counted_table = QStringLiteral("subjects"),
                                 .columns = subject_columns(), .orders = {"subject %1", "quotes %1 ,subject"},
                                 .minimum = QSize(10140, 0), .size = QSize(10140, 0),
                                 .case_sensitive = true, .side_by_side = true, .filter = Shape::Filter::one_box,
                                 .removal = {QStringLiteral("subjects"), QStringLiteral("subject"), QStringLiteral("subject"),
                                             tr("Subject \"%1\" cannot be deleted beacuse associated with one or more quotes."),
                                             tr("Subject not deleted.")},
                                 // The replaced subject stays, with no quotation.
                                 .replacement = {tr("Existing subject to be used?"), tr("Subject replacement"),
                                                 tr("Subject '%1' not found."), QStringLiteral("subjects"),
                                                 QStringLiteral("subject"), QStringLiteral("subject")}}) {
    t_subject = text_box("t_subject");
    t_quotes = count_box("t_quotes");
    l_subject = label("l_subject", tr("Subject"), t_subject);
    l_quotes = label("l_quotes", tr("Quotes"), t_quotes);
    set_field_rows({{l_subject, t_subject}, {l_quotes, t_quotes}});
    b_show_quotes = button("b_show_quotes", tr("Show Quotes"),
                           tr("Show this subject's quotations in the main window (or double-click the list)"));
    b_replace = button("b_replace", tr("Replace"), tr("File this subject's quotations under another subject"));
    b_delete->setToolTip(tr("Delete this subject (only while no quotation uses it)"));
    set_edit_buttons({b_add_new, b_save, b_delete, b_show_quotes, b_main_windpw, b_replace, b_exit}, 4);

    t_subject_filter = text_box("t_subject_filter");
    l_subject_filter = label("l_subject_filter", tr("Subject filter"), t_subject_filter);
    b_filter->setToolTip(tr("List the subjects that hold the text (Enter, F5)"));
    b_clear_filter->setToolTip(tr("List every subject again; the text stays for the next Filter"));
    set_filter_boxes({{l_subject_filter, t_subject_filter, QStringLiteral("subject")}});

    watch_edit_fields({t_subject});
    connect(b_save, &QPushButton::clicked, this, &f_subjects::b_save_Click);
    connect(b_delete, &QPushButton::clicked, this, &f_subjects::b_delete_Click);
    connect(b_show_quotes, &QPushButton::clicked, this, &f_subjects::b_show_quotes_Click);
    connect(b_replace, &QPushButton::clicked, this, &f_subjects::b_replace_Click);
    set_tab_order({grid, t_subject, b_add_new, b_save, b_delete, b_show_quotes, b_main_windpw, b_replace, b_exit,
                   t_subject_filter, b_filter, b_clear_filter});
    open_window();
}

void f_subjects::Clear_all_text_boxes() {
    ReferenceWindow::Clear_all_text_boxes();
    t_quotes->clear();
}

QList<QWidget*> f_subjects::edit_fields() const { return {t_subject}; }

void f_subjects::fill_fields(RecordSet& rs) { show_fields(rs, {{t_subject, "subject"}, {t_quotes, "quotes"}}); }

// ---------------------------------------------------------------------------- commands

void f_subjects::b_save_Click() {
    const QString subject = t_subject->text().trimmed();
    const QString old_subject = initial_values_.value(0);
    // The placeholder is never overwritten: what is typed over it is a new subject.
    const Written written = write_row({.table = QStringLiteral("subjects"),
                                       .empty = tr("Subject cannot be empty"),
                                       .present = tr("Subject already present."),
                                       .vanished = QStringLiteral("Error 2006-10-15"),
                                       .holders = {{QStringLiteral("quotes"), QStringLiteral("subject")}}},
                                      adding_new() || old_subject == placeholder, old_subject,
                                      {{QStringLiteral("subject"), subject}});
    if (written == Written::nothing) return;  // what was typed stays, and so does the pending edit
    // From here on each step runs whatever the one before it met: the subject is saved.
    show_saved(subject_is(subject));
    ctx_.events.subject_was_changed(written == Written::added ? QString() : old_subject, subject);
    if (written == Written::renamed) ctx_.events.quotes_were_changed();
    // Opened from the main window's edit area: the subject goes back to its subject box.
    if (ctx_.subject_requested_from_main) {
        ctx_.subject_requested_from_main = false;
        if (ctx_.main_window_open()) emit ctx_.events.subject_chosen(subject);
    }
    b_exit->setFocus();
}

void f_subjects::b_delete_Click() {
    if (const auto subject = delete_unused(t_subject->text())) ctx_.events.subject_was_changed(*subject, QString());
}

void f_subjects::b_replace_Click() {
    if (!replace_current(t_subject->text()).isEmpty()) ctx_.events.quotes_were_changed();
}

void f_subjects::b_show_quotes_Click() { show_quotes(AppEvents::QuotesOf::subject, t_subject->text()); }

bool show_subjects_window(AppContext& ctx, const QString& subject) {
    return show_reference_window(ctx, AppEvents::subjects_window, [&ctx] { return new f_subjects(ctx); },
                                 subject.isEmpty() ? QString() : subject_is(subject), subject);
}
