#include "f_languages.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/startup.h"
#include "database/recordset.h"
#include "widgets/factories.h"
#include "widgets/guards.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

QString code_is(const QString& code) { return QStringLiteral("code = '") + sql_escape_text(code) + u'\''; }

QVector<GridColumn> language_columns() {
    return {{"code", f_languages::tr("Code"), 56},
            {"description", f_languages::tr("Description"), 0, Qt::AlignLeft | Qt::AlignVCenter, true},
            {"default", f_languages::tr("Default"), 60},
            {"quotes", f_languages::tr("Quotes"), 56, Qt::AlignRight | Qt::AlignVCenter}};
}

}  // namespace

// Read-only, in the query's own order, without filters.
f_languages::f_languages(AppContext& ctx)
    : ReferenceWindow(ctx, Shape{.kind = AppEvents::languages_window, .name = "f_languages",
                                 .caption = tr("Sentara - Languages"), .source = QStringLiteral("languages_with_quote_quantity"),
                                 .counted_table = QStringLiteral("languages"), .columns = language_columns(),
                                 .minimum = QSize(6000, 6000), .size = QSize(6000, 7200), .case_sensitive = true,
                                 .filter = Shape::Filter::none,
                                 .removal = {QStringLiteral("languages"), QStringLiteral("code"), QStringLiteral("language"),
                                             tr("Subject \"%1\" cannot be deleted beacuse associated with one or more quotes."),
                                             tr("Language not deleted.")}}) {
    t_code = text_box("t_code");
    t_code->setMaximumWidth(110);
    t_desc = text_box("t_desc");
    t_default = combo("t_default", false);  // "Yes" or "No", or nothing yet
    t_default->addItems({QStringLiteral("Yes"), QStringLiteral("No")});
    t_default->setMaximumWidth(80);
    l_code = label("l_code", tr("Code"), t_code);
    l_description = label("l_description", tr("Description"), t_desc);
    l_rate_filter = label("l_rate_filter", tr("Default language"), t_default);
    set_field_rows({{l_code, t_code}, {l_description, t_desc}, {l_rate_filter, t_default}});
    b_show_quotes = button("b_show_quotes", tr("Show quotes"), tr("Show this language's quotations in the main window"));
    b_delete->setToolTip(tr("Delete this language (only while no quotation is in it)"));
    set_edit_buttons({b_add_new, b_save, b_delete, b_show_quotes, b_main_windpw, b_exit}, 3);

    watch_edit_fields({t_code, t_desc, t_default});
    connect(b_save, &QPushButton::clicked, this, &f_languages::b_save_Click);
    connect(b_delete, &QPushButton::clicked, this, &f_languages::b_delete_Click);
    connect(b_show_quotes, &QPushButton::clicked, this, &f_languages::b_show_quotes_Click);
    set_tab_order({grid, t_code, t_desc, t_default, b_add_new, b_save, b_delete, b_show_quotes, b_main_windpw, b_exit});
    open_window();
}

QList<QWidget*> f_languages::edit_fields() const { return {t_code, t_desc, t_default}; }

void f_languages::fill_fields(RecordSet& rs) {
    show_fields(rs, {{t_code, "code"}, {t_desc, "description"}, {t_default, "default"}});
}

// ---------------------------------------------------------------------------- commands

void f_languages::b_save_Click() {
    const QString code = t_code->text().trimmed();
    const QString old_code = initial_values_.value(0);
    const QString def = t_default->currentIndex() < 0 ? QStringLiteral("No") : t_default->currentText();  // nothing said: "No"
    // Every language loses the flag, in the same transaction: the one saved is then the only
    // default, if its box says "Yes", and saved with "No" it leaves none.
    const Written written = write_row({.table = QStringLiteral("languages"),
                                       .empty = tr("Code cannot be empty"),
                                       .present = tr("Code already present."),
                                       .vanished = QStringLiteral("Error 2006-10-30"),
                                       .holders = {{QStringLiteral("quotes"), QStringLiteral("language")},
                                                   {QStringLiteral("websites"), QStringLiteral("language")}},
                                       .first_sql = QStringLiteral("update languages set def = 'No'")},
                                      adding_new(), old_code,
                                      {{QStringLiteral("code"), code},
                                       {QStringLiteral("description"), t_desc->text().trimmed()},
                                       {QStringLiteral("def"), def}});
    if (written == Written::nothing) return;  // what was typed stays, and so does the pending edit
    ctx_.ui.yield();
    default_language_read_again();
    show_saved(code_is(code));
    // The main window's rate and language lists, and the web sites window's.
    ctx_.events.languages_were_changed(written == Written::added ? QString() : old_code, code);
    if (written == Written::renamed) ctx_.events.quotes_were_changed();
    ctx_.ui.yield();
}

void f_languages::default_language_read_again() {
    const QString was = ctx_.default_language;
    guarded(ctx_.ui, [&] { check_default_language(ctx_); });
    if (ctx_.default_language != was) ctx_.events.default_language_was_changed(ctx_.default_language);
}

void f_languages::b_delete_Click() {
    // The refusal names the language by its description, by its code when it has none.
    const QString shown = t_desc->text().isEmpty() ? t_code->text() : t_desc->text();
    const auto code = delete_unused(shown);
    if (!code) return;
    default_language_read_again();  // the default language may have gone with it
    ctx_.events.languages_were_changed(*code, QString());
}

void f_languages::b_show_quotes_Click() { show_quotes(AppEvents::QuotesOf::language, t_code->text()); }

void show_languages_window(AppContext& ctx) {
    show_reference_window(ctx, AppEvents::languages_window, [&ctx] { return new f_languages(ctx); });
}
