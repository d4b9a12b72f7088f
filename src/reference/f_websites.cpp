#include "f_websites.h"

#include "core/app_context.h"
#include "core/common.h"
#include "database/recordset.h"
#include "widgets/combo_fill.h"
#include "widgets/factories.h"
#include "widgets/guards.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

QString name_is(const QString& name) { return QStringLiteral("name = '") + sql_escape_text(name) + u'\''; }

QVariant or_null(const QString& text) { return text.isEmpty() ? QVariant() : QVariant(text); }

QVector<GridColumn> website_columns() {
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    return {{"name", f_websites::tr("Name"), 0, left, true},
            {"address", f_websites::tr("Address"), to_pixels(1930), left, false, true},
            {"language", f_websites::tr("Lang"), to_pixels(500) + 8},
            {"note", f_websites::tr("Note"), to_pixels(2100), left, false, true}};
}

}  // namespace

// Sorted by name until a header is clicked; the height kept from the last time.
f_websites::f_websites(AppContext& ctx)
    : ReferenceWindow(ctx, Shape{.kind = AppEvents::websites_window, .name = "f_websites", .caption = tr("Sentara - Web Sites"),
                                 .source = QStringLiteral("websites"), .counted_table = QStringLiteral("websites"),
                                 .columns = website_columns(),
                                 .orders = {"name %1", "address %1 ,name", "language %1 ,name", "note %1 ,name"},
                                 .first_order = QStringLiteral("name ASC"), .height_setting = QStringLiteral("websites_formheight"),
                                 .minimum = QSize(10360, 7900), .size = QSize(10360, 7900),
                                 .removal = {.table = QStringLiteral("websites"), .column = QStringLiteral("name"),
                                             .not_deleted = tr("Web site not deleted.")}}) {
    t_name = text_box("t_name");
    t_address = text_box("t_address");
    t_notes = text_box("t_notes");
    cb_language = combo("cb_language", true);
    cb_language->setMaximumWidth(110);
    l_name = label("l_name", tr("Name"), t_name);
    l_picture = label("l_picture", tr("Address"), t_address);
    l_notes = label("l_notes", tr("Notes"), t_notes);
    l_language = label("l_language", tr("Language"), cb_language);
    set_field_rows({{l_name, t_name}, {l_picture, t_address}, {l_notes, t_notes}, {l_language, cb_language}});
    g_gotosite = button("g_gotosite", tr("Go to site"),
                        tr("Open the address in the web browser (or double-click the list)"));
    set_edit_buttons({b_add_new, b_save, b_delete, g_gotosite, b_main_windpw, b_exit});

    t_name_filter = text_box("t_name_filter");
    t_notes_filter = text_box("t_notes_filter");
    cb_language_filter = combo("cb_language_filter", true);
    cb_language_filter->setMaximumWidth(90);
    l_name_filter = label("l_name_filter", tr("Name filter"), t_name_filter);
    Label1 = label("Label1", tr("Notes filter"), t_notes_filter);
    Label3 = label("Label3", tr("Language Filter "), cb_language_filter);
    Command1 = clear_button("Command1", tr("name filter"));
    Command2 = clear_button("Command2", tr("notes filter"));
    b_clear_language_filter = clear_button("b_clear_language_filter", tr("language filter"));
    b_filter->setToolTip(tr("List the sites whose name or notes hold the texts, or in the language (Enter, F5)"));
    // A site is listed when any of the filters matches it.
    set_filter_boxes({{l_name_filter, t_name_filter, QStringLiteral("name"), Match::holds, Command1},
                      {Label1, t_notes_filter, QStringLiteral("note"), Match::holds_as_typed, Command2},
                      {Label3, cb_language_filter, QStringLiteral("language"), Match::equals, b_clear_language_filter}});

    watch_edit_fields({t_name, t_notes, cb_language});
    connect(t_address, &QLineEdit::textChanged, this, &f_websites::t_address_Change);
    connect(b_save, &QPushButton::clicked, this, &f_websites::b_save_Click);
    connect(b_delete, &QPushButton::clicked, this, &f_websites::b_delete_Click);
    connect(g_gotosite, &QPushButton::clicked, this, &f_websites::g_gotosite_Click);
    connect(&ctx_.events, &AppEvents::languages_changed, this, [this] {
        set_combos();
        // A language code renamed is renamed in the sites too: shown at once unless an edit is open.
        if (!editing() && !adding_new()) show_saved(QString());
    });
    set_tab_order({grid, t_name, t_address, t_notes, cb_language, b_add_new, b_save, b_delete, g_gotosite, b_main_windpw, b_exit,
                   t_name_filter, t_notes_filter, cb_language_filter, b_filter, b_clear_filter});
    set_combos();
    open_window();
}

void f_websites::set_combos() {
    guarded(ctx_.ui, [&] {
        const QStringList codes = read_list(*ctx_.list_database, QStringLiteral("select * from languages"), QStringLiteral("code"));
        fill_combo(cb_language, codes);
        fill_combo(cb_language_filter, codes);
    });
}

QList<QWidget*> f_websites::edit_fields() const { return {t_name, t_notes, t_address, cb_language}; }

void f_websites::fill_fields(RecordSet& rs) {
    show_fields(rs, {{t_name, "name"}, {t_address, "address"}, {t_notes, "note"}, {cb_language, "language"}});
}

// Blanks around the address go as they are typed (or pasted).
void f_websites::t_address_Change() {
    const QString text = t_address->text();
    const QString trimmed = text.trimmed();
    if (text != trimmed) {
        int leading = 0;
        while (leading < text.size() && text[leading].isSpace()) ++leading;
        const int cursor = std::clamp(t_address->cursorPosition() - leading, 0, int(trimmed.size()));
        t_address->setText(trimmed);  // runs this again, with nothing left to trim
        t_address->setCursorPosition(cursor);
        return;
    }
    Check_change();
}

// ---------------------------------------------------------------------------- commands

void f_websites::b_save_Click() {
    const QString name = t_name->text().trimmed();
    const Written written = write_row({.table = QStringLiteral("websites"),
                                       .empty = tr("Name cannot be empty"),
                                       .present = tr("Web site already present.")},
                                      adding_new(), initial_values_.value(0),
                                      {{QStringLiteral("name"), name},
                                       {QStringLiteral("note"), or_null(t_notes->text().trimmed())},
                                       {QStringLiteral("language"), or_null(cb_language->currentText().trimmed())},
                                       {QStringLiteral("address"), or_null(t_address->text())}});
    if (written == Written::nothing) return;  // what was typed stays, and so does the pending edit
    ctx_.ui.yield();
    show_saved(name_is(name));
    ctx_.events.websites_were_changed();
}

void f_websites::b_delete_Click() {
    if (delete_unused(QString())) ctx_.events.websites_were_changed();
}

void f_websites::g_gotosite_Click() {
    const QString address = t_address->text();
    if (address.trimmed().isEmpty()) {
        ctx_.ui.message(tr("This web site has no address."));
        return;
    }
    // Only web addresses go to the browser: a file, a script or a program behind any other kind
    // of address is never started from here.
    if (!is_url(address)) {
        ctx_.ui.message(tr("Not opened: only an address beginning with http://, https://, ftp:// or www. is opened "
                           "in the web browser."));
        return;
    }
    if (!open_url(ctx_.ui, address))
        ctx_.ui.message(tr("No program could open '%1'.").arg(address));
}

void show_websites_window(AppContext& ctx) {
    show_reference_window(ctx, AppEvents::websites_window, [&ctx] { return new f_websites(ctx); });
}
