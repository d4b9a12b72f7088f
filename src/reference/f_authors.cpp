#include "f_authors.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/settings.h"
#include "database/jet_dialect.h"
#include "database/random_order.h"
#include "database/recordset.h"
#include "widgets/author_picture.h"
#include "widgets/factories.h"
#include "widgets/grid_binding.h"
#include "widgets/guards.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

QVector<GridColumn> author_columns() {
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    return {{"name", f_authors::tr("Name"), 0, left, true},
            {"notes", f_authors::tr("Notes"), to_pixels(4600), left, false, true},
            {"picture", f_authors::tr("Picture"), to_pixels(1215), left, false, true},
            {"quotes", f_authors::tr("Quotes"), to_pixels(700) + 8, right}};
}

QString name_is(const QString& name) { return QStringLiteral("name = '") + sql_escape_text(name) + u'\''; }

}  // namespace

f_authors::f_authors(AppContext& ctx)
    : ReferenceWindow(ctx, Shape{AppEvents::authors_window,
                                 "f_authors",
                                 tr("Sentara - Authors"),
                                 QStringLiteral("authors_with_quote_quantity"),
                                 QStringLiteral("authors"),
                                 author_columns(),
                                 {"name %1", "notes %1 ,name", "picture %1 ,name", "quotes %1 ,name"},
                                 QStringLiteral("authors.random ASC, name"),
                                 QStringLiteral("author_formheight"),
                                 QSize(10360, 7900),
                                 QSize(13800, 10500),
                                 false,
                                 false,
                                 Shape::Filter::boxes,
                                 {QStringLiteral("authors"), QStringLiteral("name"), QStringLiteral("author"),
                                  tr("Author \"%1\" cannot be deleted beacuse associated with one or more quotes."),
                                  tr("Author not deleted.")},
                                 // The replaced author stays, notes and picture with them, with no quotation.
                                 {tr("Existing name to be used?"), tr("Author name replacement"),
                                  tr("Author '%1' not found."), QStringLiteral("authors"), QStringLiteral("name"),
                                  QStringLiteral("author")}}) {
    build_edit_area();
    build_filter_area();
    set_tab_order({grid, t_name, t_picture, b_get_file, t_notes, b_add_new, b_save, b_delete, b_show_quotes, b_main_windpw,
                   b_replace, b_random, b_exit, t_name_filter, t_picture_filter, t_notes_filter, b_filter, b_clear_filter});
    // Every author gets a place in the random order the first time the window meets them.
    guarded(ctx_.ui, [&] { random_order::fill_missing_author_random(*ctx_.database, ctx_.rng); });
    open_window();
}

void f_authors::build_edit_area() {
    t_name = text_box("t_name");
    t_picture = text_box("t_picture");
    t_notes = text_box("t_notes");
    t_quotes = count_box("t_quotes");
    l_name = label("l_name", tr("Name"), t_name);
    l_picture = label("l_picture", tr("Picture"), t_picture);
    l_notes = label("l_notes", tr("Notes"), t_notes);
    l_quotes = label("l_quotes", tr("Quotes"), t_quotes);
    b_get_file = button("b_get_file", QStringLiteral("..."), tr("Choose the picture file"));
    b_get_file->setFixedWidth(32);
    pic_author = author_picture_box(Image1);
    pic_author->setToolTip(tr("Change picture for this author"));
    pic_author->setCursor(Qt::PointingHandCursor);
    pic_author->installEventFilter(this);

    auto* fields = new QGridLayout(frame_data);
    fields->setContentsMargins(8, 6, 8, 6);
    fields->setHorizontalSpacing(6);
    fields->addWidget(l_name, 0, 0);
    fields->addWidget(t_name, 0, 1, 1, 2);
    fields->addWidget(l_picture, 1, 0);
    fields->addWidget(t_picture, 1, 1);
    fields->addWidget(b_get_file, 1, 2);
    fields->addWidget(l_notes, 2, 0);
    fields->addWidget(t_notes, 2, 1, 1, 2);
    fields->addWidget(l_quotes, 3, 0);
    fields->addWidget(t_quotes, 3, 1, Qt::AlignLeft);
    fields->addWidget(pic_author, 0, 3, 4, 1, Qt::AlignTop);
    fields->setColumnStretch(1, 1);
    fields->setColumnMinimumWidth(2, 32);

    b_show_quotes = button("b_show_quotes", tr("Show Quotes"),
                           tr("Show this author's quotations in the main window (or double-click the list)"));
    b_replace = button("b_replace", tr("Replace"), tr("Give this author's quotations to another author"));
    b_random = button("b_random", tr("Random"), tr("Go to an author at random"));
    b_delete->setToolTip(tr("Delete this author (only while no quotation names them)"));
    set_edit_buttons({b_add_new, b_save, b_delete, b_show_quotes, b_main_windpw, b_replace, b_random, b_exit});

    watch_edit_fields({t_name, t_notes});
    connect(t_picture, &QLineEdit::textChanged, this, &f_authors::t_picture_Change);
    // Blanks around the path go when the box is left, so that a path with blanks can be typed.
    connect(t_picture, &QLineEdit::editingFinished, this, [this] {
        if (t_picture->text() != t_picture->text().trimmed()) t_picture->setText(t_picture->text().trimmed());
    });
    connect(b_get_file, &QPushButton::clicked, this, &f_authors::b_get_file_Click);
    connect(b_save, &QPushButton::clicked, this, &f_authors::b_save_Click);
    connect(b_delete, &QPushButton::clicked, this, &f_authors::b_delete_Click);
    connect(b_show_quotes, &QPushButton::clicked, this, &f_authors::b_show_quotes_Click);
    connect(b_replace, &QPushButton::clicked, this, &f_authors::b_replace_Click);
    connect(b_random, &QPushButton::clicked, this, &f_authors::b_random_Click);
}

void f_authors::build_filter_area() {
    t_name_filter = text_box("t_name_filter");
    t_picture_filter = text_box("t_picture_filter");
    t_notes_filter = text_box("t_notes_filter");
    l_name_filter = label("l_name_filter", tr("Name filter"), t_name_filter);
    l_picture_filter = label("l_picture_filter", tr("Picture filter"), t_picture_filter);
    Label1 = label("Label1", tr("Notes filter"), t_notes_filter);
    b_filter->setToolTip(tr("List the authors whose name, picture or notes hold one of the texts (Enter, F5)"));
    // Any text matches; the picture and notes texts are found as they are typed.
    set_filter_boxes({{l_name_filter, t_name_filter, QStringLiteral("name")},
                      {l_picture_filter, t_picture_filter, QStringLiteral("picture"), Match::holds_as_typed},
                      {Label1, t_notes_filter, QStringLiteral("notes"), Match::holds_as_typed}});
}

// ---------------------------------------------------------------------------- the list

std::unique_ptr<RecordSet> f_authors::open_list(const QString& sql, const QString& condition, const QString& order) {
    // The rows of the authors table by their keys, read as the grid shows them, each with its
    // count of quotations from one grouped pass: what the saved query gives, without reading and
    // counting every author before the first one can be shown.
    auto rs = std::make_unique<RecordSet>(
        *ctx_.list_database,
        KeyedSource{sql, QStringLiteral("authors"), QStringLiteral("rowid"), QStringLiteral("authors"), condition, order,
                    {QStringLiteral("quotes"), QStringLiteral("author"), QStringLiteral("name"), QStringLiteral("quotes"), counts_}});
    // Rows are read again when the content changes, not when authors only move in the random order.
    rs->set_version_source([this] {
        const auto v = ctx_.content_version();
        return (v.first << 32) ^ v.second;
    });
    return rs;
}

// ---------------------------------------------------------------------------- the edit area

QList<QWidget*> f_authors::edit_fields() const { return {t_name, t_notes, t_picture}; }

void f_authors::Clear_all_text_boxes() {
    ReferenceWindow::Clear_all_text_boxes();
    t_quotes->clear();
    Image1->hide();
}

void f_authors::fill_fields(RecordSet& rs) {
    show_fields(rs, {{t_name, "name"}, {t_picture, "picture"}, {t_notes, "notes"}, {t_quotes, "quotes"}});
}

void f_authors::row_shown() {
    show_picture(t_picture->text());
    rotate_current();
}

// In random order, the author visited moves to the back: the next whole unit plus a fresh
// fraction, written with a decimal point whatever the user's locale. The list is not read
// again: the new order shows the next time it is.
void f_authors::rotate_current() {
    if (!in_first_order()) return;  // the authors' random order is the window's first one
    guarded(ctx_.ui, [&] {
        const QString where = QStringLiteral(" where rowid = ") + QString::number(recordset()->bookmark().toLongLong());
        Statement old = ctx_.database->prepare(QStringLiteral("select random from authors") + where);
        if (!old.step()) return;  // removed meanwhile
        const QString place = random_order::next_place(old.column(0), ctx_.rng);
        ctx_.database->execute(QStringLiteral("update authors set random = ") + place + where);
    });
}

void f_authors::show_picture(const QString& path) { show_author_picture(pic_author, Image1, ctx_.program_folder, path); }

void f_authors::t_picture_Change() {
    Check_change();
    // The picture follows the text as it is typed.
    if (!filling_fields_) show_picture(t_picture->text().trimmed());
}

QString f_authors::relative_path(const QString& path) const {
    QString folder = ctx_.program_folder;
    folder.replace(u'\\', u'/');
    while (folder.endsWith(u'/')) folder.chop(1);
    QString p = path;
    p.replace(u'\\', u'/');
    if (!folder.isEmpty() && p.startsWith(folder + QStringLiteral("/images/"), Qt::CaseInsensitive))
        return path.mid(folder.size() + 1);
    return path;
}

void f_authors::b_get_file_Click() {
    const QString last = get_setting(QStringLiteral("last_picture_path"));
    const QString chosen = ctx_.ui.open_file(tr("Select the picture file"),
                                             tr("Image (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp"),
                                             last.isEmpty() ? QString() : folder_of(last), QString());
    if (chosen.isEmpty()) return;  // cancelled: nothing changes
    t_picture->setText(relative_path(chosen));
    save_setting(QStringLiteral("last_picture_path"), chosen);
}

bool f_authors::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pic_author && event->type() == QEvent::MouseButtonRelease) {
        b_get_file_Click();
        return true;
    }
    return ReferenceWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------- commands

void f_authors::b_save_Click() {
    const QString name = t_name->text().trimmed();
    const QString old_name = initial_values_.value(0);
    const QString notes = t_notes->text().trimmed();
    const QString picture = t_picture->text().trimmed();
    const Written written = write_row(
        {.table = QStringLiteral("authors"),
         .empty = tr("Name cannot be empty"),
         .present = tr("Author already present."),
         .holders = {{QStringLiteral("quotes"), QStringLiteral("author")}}},
        adding_new(), old_name,
        {{QStringLiteral("name"), name},
         {QStringLiteral("notes"), notes.isEmpty() ? QVariant() : QVariant(notes)},
         {QStringLiteral("picture"), picture.isEmpty() ? QVariant() : QVariant(relative_path(picture))}});
    if (written == Written::nothing) return;  // what was typed stays, and so does the pending edit
    show_saved(name_is(name));
    // Opened from the main window's edit area: the name goes back to its author box.
    if (ctx_.author_requested_from_main) {
        ctx_.author_requested_from_main = false;
        if (ctx_.main_window_open()) emit ctx_.events.author_chosen(name);
    }
    // Every list of authors, and the main window's picture.
    ctx_.events.author_was_changed(written == Written::added ? QString() : old_name, name);
    if (written == Written::renamed) ctx_.events.quotes_were_changed();
}

void f_authors::b_delete_Click() {
    if (const auto name = delete_unused(t_name->text())) ctx_.events.author_was_changed(*name, QString());
}

void f_authors::b_replace_Click() {
    if (!replace_current(t_name->text()).isEmpty()) ctx_.events.quotes_were_changed();
}

void f_authors::b_random_Click() {
    if (refuse_while_editing()) return;
    RecordSet* rs = recordset();
    guarded(ctx_.ui, [&] {
        const int n = rs ? rs->record_count() : 0;
        if (n > 0) binding().go_to(std::min(n - 1, int(double(ctx_.rng.next()) * n)));
    });
    if (grid->isEnabled()) grid->setFocus();
}

void f_authors::b_show_quotes_Click() { show_quotes(AppEvents::QuotesOf::author, t_name->text()); }

// ---------------------------------------------------------------------------- opening

bool show_authors_window(AppContext& ctx, const QString& name) {
    return show_reference_window(ctx, AppEvents::authors_window, [&ctx] { return new f_authors(ctx); },
                                 name.isEmpty() ? QString() : name_is(name), name);
}
