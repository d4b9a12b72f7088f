// The main window: its parts, layout, opening, geometry and closing, menus and their shortcuts.
#include "f_main.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/long_work.h"
#include "core/settings.h"
#include "core/startup.h"
#include "database/jet_dialect.h"
#include "database/recordset.h"
#include "database/trash.h"
#include "formats/access_import.h"
#include "edit_area.h"
#include "filter_area.h"
#include "collection/f_duplicates.h"
#include "collection/f_overview.h"
#include "import_export/f_import.h"
#include "quote_counts.h"
#include "quote_list.h"
#include "reference/f_authors.h"
#include "slide_show/f_slide_show.h"
#include "reference/f_languages.h"
#include "reference/f_subjects.h"
#include "reference/f_trash.h"
#include "reference/f_websites.h"
#include "widgets/attention.h"
#include "widgets/author_picture.h"
#include "widgets/combo_fill.h"
#include "widgets/factories.h"
#include "widgets/grid_binding.h"
#include "widgets/guards.h"
#include "widgets/help_menu.h"
#include "widgets/mnemonics.h"
#include "widgets/window_utils.h"

#include <QCoreApplication>
#include <utility>

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCollator>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

f_main::f_main(AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx), counts_(std::make_unique<QuoteCounts>(ctx)) {
    setObjectName(QStringLiteral("f_main"));
    setWindowTitle(QStringLiteral("Sentara - ") + QFileInfo(ctx_.database_path).fileName());
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(6);
    list = new QuoteList(ctx_, central);
    edit = new EditArea(ctx_, *list, *counts_, central);
    filters = new FilterArea(ctx_, *list, *edit, *counts_, central);
    column->addWidget(list, 1);
    column->addWidget(edit);
    column->addWidget(filters);
    setCentralWidget(central);
    build_menus();
    wire();
    give_mnemonics(this, {edit->b_exit, edit->b_add_new, edit->b_save, edit->b_delete, edit->b_random, edit->b_undo, edit->b_next,
                          filters->b_filter, filters->b_clear, filters->b_filter_current_author,
                          filters->b_filter_current_subject, filters->b_delete_filtered, filters->b_export,
                          filters->b_slide_show});
    open_window();
}

f_main::~f_main() {
    // A main window made again (from another window) is registered before this one goes.
    if (ctx_.events.window(AppEvents::main_window) == this) ctx_.events.closed(AppEvents::main_window);
}

QColor f_main::attention_colour() { return ::attention_colour(); }
bool f_main::is_lit(const QWidget* w) { return ::is_lit(w); }

// ---------------------------------------------------------------------------- building

void f_main::build_menus() {
    const auto add = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys) {
        QAction* a = named(menu->addAction(caption), name);
        a->setShortcut(keys);
        return a;
    };
    m_file = named(menuBar()->addMenu(tr("&File")), "m_file");
    m_change_db = add(m_file, "m_change_db", tr("&Change database"), QKeySequence(Qt::CTRL | Qt::Key_O));
    m_recent = named(m_file->addMenu(tr("Open recen&t")), "m_recent");
    connect(m_recent, &QMenu::aboutToShow, this, &f_main::fill_recent_menu);
    m_open_access = add(m_file, "m_open_access", tr("Open &Access collection..."),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    m_open_access->setToolTip(tr("Make a new database from a collection kept in an Access (.mdb) file"));
    m_preferences = named(m_file->addMenu(tr("&Preferences")), "m_preferences");
    m_show_slide_show_help = add(m_preferences, "m_show_slide_show_help", tr("Show help before slide show (Yes/No)"),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    m_show_slide_show_help->setCheckable(true);
    m_randomize = add(m_file, "m_randomize", tr("&Randomize"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    m_file->addSeparator();
    m_exit = add(m_file, "m_exit", tr("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    m_edit = named(menuBar()->addMenu(tr("&Edit")), "m_edit");
    m_add_new = add(m_edit, "m_add_new", tr("&Add new"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m_save = add(m_edit, "m_save", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_undo = add(m_edit, "m_undo", tr("&Undo edit"), QKeySequence(Qt::CTRL | Qt::Key_U));
    m_delete = add(m_edit, "m_delete", tr("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_D));
    m_next = add(m_edit, "m_next", tr("&Next"), QKeySequence(Qt::Key_F8));
    m_random = add(m_edit, "m_random", tr("&Random quotation"), QKeySequence(Qt::Key_F9));
    m_edit->addSeparator();
    m_text_filter = add(m_edit, "m_text_filter", tr("&Text filter"), QKeySequence(Qt::CTRL | Qt::Key_F));
    m_filter = add(m_edit, "m_filter", tr("&Filter (read again)"), QKeySequence(Qt::Key_F5));
    m_clear_filters = add(m_edit, "m_clear_filters", tr("&Clear all filters"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    m_random_order = add(m_edit, "m_random_order", tr("Random &order"), QKeySequence(Qt::CTRL | Qt::Key_0));
    // Keys no field takes for itself: function keys, and Ctrl+Shift with a letter.
    m_edit->addSeparator();
    m_filter_current_author = add(m_edit, "m_filter_current_author", tr("Filter on current aut&hor"),
                                  QKeySequence(Qt::Key_F6));
    m_filter_current_subject = add(m_edit, "m_filter_current_subject", tr("Filter on current su&bject"),
                                   QKeySequence(Qt::Key_F7));
    m_edit->addSeparator();
    m_export = add(m_edit, "m_export", tr("E&xport filtered quotes..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_slide_show = add(m_edit, "m_slide_show", tr("Slide sho&w"), QKeySequence(Qt::Key_F11));
    m_delete_filtered = add(m_edit, "m_delete_filtered", tr("Delete filtered &quotes..."),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    m_edit->addSeparator();
    m_undo_delete = add(m_edit, "m_undo_delete", tr("Undo de&lete"), QKeySequence(Qt::CTRL | Qt::Key_Z));

    m_view = named(menuBar()->addMenu(tr("&View")), "m_view");
    m_overview = named(m_view->addAction(tr("&Overview...")), "m_overview");
    m_overview->setToolTip(tr("Charts of the collection: quotations per subject, language and rate, the authors with most"));

    m_sort = named(menuBar()->addMenu(tr("S&ort")), "m_sort");
    auto* sorts = new QActionGroup(m_sort);
    const QAbstractItemModel& columns = list->model();
    for (int c = 0; c < GridQuery::column_count && c < columns.columnCount(); ++c) {
        const QString caption = columns.headerData(c, Qt::Horizontal).toString();
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            QAction* a = m_sort->addAction(caption + (order == Qt::AscendingOrder ? tr(", ascending")
                                                                                  : tr(", descending")));
            a->setObjectName(QStringLiteral("m_sort_%1_%2").arg(c).arg(order == Qt::AscendingOrder ? "asc" : "desc"));
            a->setCheckable(true);
            a->setData(c * 2 + int(order));
            sorts->addAction(a);
        }
    }
    m_sort->addSeparator();
    m_sort->addAction(m_random_order);
    // The ticked entry is the list's order, however it was chosen.
    connect(m_sort, &QMenu::aboutToShow, this, [this, sorts] {
        Qt::SortOrder order = Qt::AscendingOrder;
        const bool sorted = list->sort().indicator(GridQuery::column_count, order);
        for (QAction* a : sorts->actions()) a->setChecked(sorted && a->data().toInt() == list->sort().column() * 2 + int(order));
    });
    connect(sorts, &QActionGroup::triggered, this, [this](QAction* a) {
        const int code = a->data().toInt();
        filters->sort_by(code / 2, Qt::SortOrder(code % 2));
    });

    // No access key: every letter of its name is taken by the bar or by the window's buttons.
    m_tools = named(menuBar()->addMenu(tr("Tools")), "m_tools");
    m_find_duplicates = named(m_tools->addAction(tr("Find &duplicates...")), "m_find_duplicates");
    m_find_duplicates->setToolTip(tr("Quotations kept more than once, the same or nearly the same text"));

    // Windows of their own: the shortcut is shown in the tip, the menu bar shows none.
    const auto window = [this](const char* name, const QString& caption, const QKeySequence& keys) {
        QAction* a = named(menuBar()->addAction(caption), name);
        a->setShortcut(keys);
        a->setToolTip(caption.mid(caption.startsWith(u'&') ? 1 : 0) + QStringLiteral(" (") +
                      keys.toString(QKeySequence::NativeText) + u')');
        a->setEnabled(false);  // their windows come with later work
        return a;
    };
    m_authors = window("m_authors", tr("&Authors"), QKeySequence(Qt::CTRL | Qt::Key_1));
    m_authors->setEnabled(true);
    m_subjects = window("m_subjects", tr("&Subjects"), QKeySequence(Qt::CTRL | Qt::Key_2));
    m_subjects->setEnabled(true);
    m_languages = window("m_languages", tr("&Languages"), QKeySequence(Qt::CTRL | Qt::Key_3));
    m_languages->setEnabled(true);
    m_import = window("m_import", tr("&Import"), QKeySequence(Qt::CTRL | Qt::Key_I));
    m_import->setEnabled(true);
    m_websites = window("m_websites", tr("Web sites"), QKeySequence(Qt::CTRL | Qt::Key_4));
    m_websites->setEnabled(true);
    m_trash = window("m_trash", tr("Trash"), QKeySequence(Qt::CTRL | Qt::Key_5));
    m_trash->setEnabled(true);

    m_help = named(menuBar()->addMenu(QStringLiteral("&?")), "m_help");
    m_help->setToolTipsVisible(true);
    m_readme = add(m_help, "m_readme", tr("&Readme.txt"), QKeySequence(Qt::Key_F1));
    m_web_site = add(m_help, "m_web_site", tr("Author's web site"), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    m_support = add(m_help, "m_support", tr("Customer service and technical support"),
                    QKeySequence(Qt::CTRL | Qt::Key_F1));
    m_about = add(m_help, "m_about", tr("About Sentara"), QKeySequence(Qt::ALT | Qt::Key_F1));
    m_version_history = add(m_help, "m_version_history", tr("&Version History"),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));
}

void f_main::wire() {
    connect(edit, &EditArea::exit_requested, this, &f_main::m_exit_Click);
    // Esc anywhere in the window leads back to the grid.
    for (QWidget* w : findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
            qobject_cast<QAbstractButton*>(w))
            w->installEventFilter(this);

    // Lists follow what other windows (and the edit area) add or change.
    connect(&ctx_.events, &AppEvents::authors_changed, this, &f_main::set_author_combos);
    connect(&ctx_.events, &AppEvents::subjects_changed, this, &f_main::set_subject_combos);
    connect(&ctx_.events, &AppEvents::languages_changed, this, &f_main::set_combos);
    connect(&ctx_.events, &AppEvents::author_chosen, this, [this](const QString& name) {
        edit->cb_author->setEditText(name);
        edit->cb_author->setFocus();
    });
    connect(&ctx_.events, &AppEvents::subject_chosen, this, [this](const QString& name) {
        edit->cb_subject->setEditText(name);
        edit->cb_subject->setFocus();
    });
    connect(&ctx_.events, &AppEvents::slide_show_requested, this, &f_main::open_slide_show);
    connect(&ctx_.events, &AppEvents::quote_requested, this, &f_main::show_quote);
    connect(&ctx_.events, &AppEvents::slide_show_help_changed, m_show_slide_show_help, &QAction::setChecked);

    // The authors and subjects windows: from the menu on the name shown in the edit area's box;
    // from the button beside the box on it too, and the name saved there comes back to the box,
    // unless the window could not go to it (an edit pending there on another name).
    const auto reference = [this](QAction* item, QPushButton* button, QComboBox* box, bool& requested,
                                  bool (*show)(AppContext&, const QString&)) {
        connect(item, &QAction::triggered, this, [this, box, &requested, show] {
            requested = false;
            show(ctx_, box->currentText());
        });
        connect(button, &QPushButton::clicked, this, [this, box, &requested, show] {
            requested = false;  // no earlier request is served while the window moves
            requested = show(ctx_, box->currentText());
        });
    };
    reference(m_authors, edit->b_edit_author, edit->cb_author, ctx_.author_requested_from_main, show_authors_window);
    reference(m_subjects, edit->b_add_subject, edit->cb_subject, ctx_.subject_requested_from_main, show_subjects_window);
    connect(m_languages, &QAction::triggered, this, [this] { show_languages_window(ctx_); });
    connect(m_websites, &QAction::triggered, this, [this] { show_websites_window(ctx_); });
    connect(m_trash, &QAction::triggered, this, [this] { show_trash_window(ctx_); });
    connect(m_undo_delete, &QAction::triggered, this, &f_main::m_undo_delete_Click);
    // A new picture for the author shown is shown at once.
    connect(&ctx_.events, &AppEvents::authors_changed, this, [this](const QString&, const QString& name) {
        if (name.isEmpty() || jet::folded(name) != jet::folded(edit->cb_author->currentText())) return;
        guarded(ctx_.ui, [&] {
            const auto rs = ctx_.database->open_recordset(QStringLiteral("select * from authors where name = '") +
                                                          sql_escape_text(name) + u'\'');
            if (!rs->eof())
                show_author_picture(edit->pic_author, edit->Image1, ctx_.program_folder, rs->text(QStringLiteral("picture")));
        });
    });

    // The import window, unless an edit is pending; the quotations it adds come into the list.
    connect(m_import, &QAction::triggered, this, [this] {
        if (!edit->refuse_while_editing()) show_import_window(ctx_);
    });
    connect(&ctx_.events, &AppEvents::quote_list_reread_requested, this, [this] {
        if (edit->editing()) return;  // the edit stays; the next filter shows them
        guarded(ctx_.ui, [&] {
            const RecordSet* rs = list->recordset();
            const int row = list->binding().current_row();
            list->binding().requery(rs && row >= 0 ? rs->key_at(row) : QVariant(), std::max(row, 0));
            Set_grid_columns_width();
        });
        Update_record_count();
    });

    connect(m_overview, &QAction::triggered, this, [this] { show_overview_window(ctx_, this); });
    connect(m_find_duplicates, &QAction::triggered, this, [this] {
        if (!edit->refuse_while_editing()) show_duplicates_window(ctx_, this);
    });

    connect(m_change_db, &QAction::triggered, this, &f_main::m_change_db_Click);
    connect(m_open_access, &QAction::triggered, this, &f_main::m_open_access_Click);
    connect(m_randomize, &QAction::triggered, this, &f_main::m_randomize_Click);
    connect(m_show_slide_show_help, &QAction::triggered, this, &f_main::m_show_slide_show_help_Click);
    connect(m_exit, &QAction::triggered, this, &f_main::m_exit_Click);
    connect(m_add_new, &QAction::triggered, edit->b_add_new, &QPushButton::click);
    connect(m_save, &QAction::triggered, edit->b_save, &QPushButton::click);
    connect(m_undo, &QAction::triggered, edit->b_undo, &QPushButton::click);
    connect(m_delete, &QAction::triggered, edit->b_delete, &QPushButton::click);
    connect(m_next, &QAction::triggered, edit->b_next, &QPushButton::click);
    connect(m_random, &QAction::triggered, edit->b_random, &QPushButton::click);
    connect(m_text_filter, &QAction::triggered, this, [this] {
        filters->t_text_filter->setFocus(Qt::ShortcutFocusReason);
        filters->t_text_filter->selectAll();
    });
    connect(m_filter, &QAction::triggered, filters, &FilterArea::b_filter_Click);
    connect(m_clear_filters, &QAction::triggered, filters, &FilterArea::b_clear_Click);
    connect(m_random_order, &QAction::triggered, filters, &FilterArea::back_to_random_order);
    // The list's buttons: the menu item presses the button, which says its key in its tip.
    const std::pair<QAction*, QPushButton*> pressed[] = {
        {m_filter_current_author, filters->b_filter_current_author}, {m_filter_current_subject, filters->b_filter_current_subject},
        {m_export, filters->b_export}, {m_slide_show, filters->b_slide_show}, {m_delete_filtered, filters->b_delete_filtered}};
    for (const auto& [action, button] : pressed) {
        connect(action, &QAction::triggered, button, &QPushButton::click);
        button->setToolTip(plain_caption(action->text()).remove(QStringLiteral("...")) + QStringLiteral(" (") +
                           action->shortcut().toString(QKeySequence::NativeText) + u')');
    }
    connect(m_readme, &QAction::triggered, this, [this] { show_readme(ctx_); });
    connect(m_web_site, &QAction::triggered, this, [this] { show_web_site(ctx_); });
    connect(m_support, &QAction::triggered, this, [this] { show_support(ctx_); });
    connect(m_about, &QAction::triggered, this, [this] { show_about(ctx_); });
    connect(m_version_history, &QAction::triggered, this, [this] { show_version_history(ctx_); });
}

// ---------------------------------------------------------------------------- opening

void f_main::open_window() {
    FlagScope opening(loading_);
    ctx_.events.opened(AppEvents::main_window, this);
    pending_random_ = true;
    ctx_.rng.seed(std::uint32_t(QDateTime::currentMSecsSinceEpoch()));
    edit->Clear_all_text_boxes();
    restore_geometry();
    list->binding().set_chosen_widths(get_setting(QStringLiteral("grid_column_widths")));
    set_combos();
    list->sort().to_random();
    filters->Clear_all_filters();
    filters->b_filter_Click();
    set_layout();
    filters->Any_filter();
    m_show_slide_show_help->setChecked(get_setting(QStringLiteral("slide_show_help")) != QLatin1String("No"));
}

void f_main::restore_geometry() {
    const QRect free = primary_screen_area().available;
    setMinimumSize(std::min(760, free.width()), std::min(to_pixels(8000), free.height()));
    // The frame as it was left: position and size, as the window system keeps them.
    const QByteArray saved = QByteArray::fromBase64(get_setting(QStringLiteral("main_geometry")).toLatin1());
    if (!saved.isEmpty() && restoreGeometry(saved)) {
        frame_height_wanted_ = 0;
        return;
    }
    // Otherwise the frame's height in twips, never more than the screen less the taskbar (the
    // whole height when none is stored), and the window centred.
    bool numeric = false;
    const int stored = get_setting(QStringLiteral("formheight")).toInt(&numeric);
    frame_height_wanted_ = numeric && stored > 0 ? std::min(to_pixels(stored), free.height()) : free.height();
    // Three quarters of a wide screen, never less than the width the layout was drawn for.
    resize(std::clamp(free.width() * 3 / 4, std::min(to_pixels(15360), free.width()), free.width()), frame_height_wanted_);
    center_window(*this);
}

void f_main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        keep_frame_on_screen(*this, std::exchange(frame_height_wanted_, 0));
        // Where the desktop never activates a new window, its first showing stands for activation.
        if (pending_random_ && isVisible()) {
            pending_random_ = false;
            edit->b_random_Click();
        }
    });
}

bool f_main::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && pending_random_) {
        pending_random_ = false;
        edit->b_random_Click();
    }
    return QMainWindow::event(event);
}

void f_main::set_layout() {
    // The layouts place the areas; the selection bar's help covers the grid's corner.
    list->place_selection_bar();
}

void f_main::Set_grid_columns_width() { list->binding().apply_column_widths(); }

// ---------------------------------------------------------------------------- lists

namespace {

// Names as a person looks them up: in the alphabet of the user's language, letter case aside,
// every row of the table listed.
QStringList in_alphabetical_order(QStringList names) {
    QCollator order;
    order.setCaseSensitivity(Qt::CaseInsensitive);
    order.setNumericMode(true);
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) { return order.compare(a, b) < 0; });
    return names;
}

}  // namespace

void f_main::set_author_combos() {
    guarded(ctx_.ui, [&] {
        // One read of the table serves both boxes.
        const QStringList names = in_alphabetical_order(
            read_list(*ctx_.list_database, QStringLiteral("select * from authors"), QStringLiteral("name")));
        edit->set_author_list(names);
        filters->set_author_list(names);
    });
}

void f_main::set_subject_combos() {
    guarded(ctx_.ui, [&] {
        const QStringList subjects = in_alphabetical_order(
            read_list(*ctx_.list_database, QStringLiteral("select * from subjects"), QStringLiteral("subject")));
        edit->set_subject_list(subjects);
        filters->set_subject_list(subjects);
    });
}

void f_main::set_combos() {
    set_author_combos();
    set_subject_combos();
    guarded(ctx_.ui, [&] {
        const QStringList rates = read_list(*ctx_.list_database, QStringLiteral("select * from rating"), QStringLiteral("rate"));
        edit->set_rate_list(rates);
        filters->set_rate_list(rates);
        const QStringList codes = read_list(*ctx_.list_database, QStringLiteral("select * from languages"), QStringLiteral("code"));
        edit->set_language_list(codes);
        filters->set_language_list(codes);
    });
}

// ---------------------------------------------------------------------------- closing

bool f_main::settle_pending_edit() {
    if (!edit->editing()) return true;
    switch (ctx_.ui.message(tr("Edit operation in progress. Do you want to exit without saving changes?"),
                            Ui::save_discard_cancel | Ui::icon_question)) {
    case Ui::save: return edit->save() && !edit->editing();
    case Ui::ok:
        // Dropped: the quotation as it was, and the window goes.
        edit->Restore_inital_values();
        edit->reset_edit_state();
        return true;
    default: return false;
    }
}

void f_main::closeEvent(QCloseEvent* event) {
    if (!closing_ && !settle_pending_edit()) {
        event->ignore();
        return;
    }
    // The frame's height, which the other windows read, and the whole geometry for the next start.
    save_setting(QStringLiteral("formheight"), QString::number(to_twips(frameGeometry().height())));
    save_setting(QStringLiteral("main_geometry"), QString::fromLatin1(saveGeometry().toBase64()));
    save_setting(QStringLiteral("grid_column_widths"), list->binding().chosen_widths());
    ctx_.events.closed(AppEvents::main_window);
    event->accept();
}

void f_main::uscita() {
    if (edit->refuse_while_editing()) return;
    const bool others = ctx_.events.others_open(AppEvents::main_window);
    {
        FlagScope quiet(closing_);
        close();
    }
    if (!others) ctx_.ui.end_program();
}

void f_main::m_exit_Click() {
    // Ctrl+Q, Exit and the Exit button ask as the close box does.
    if (!settle_pending_edit()) return;
    uscita();
}

void f_main::m_change_db_Click() {
    // The edit is checked first: refused, nothing is chosen and nothing is remembered.
    if (edit->refuse_while_editing()) return;
    const QString chosen = choose_database(ctx_);
    if (!chosen.isEmpty()) use_database(chosen);
}

void f_main::fill_recent_menu() {
    m_recent->clear();
    const QString in_use = QFileInfo(ctx_.database_path).absoluteFilePath();
    for (const QString& path : recent_databases()) {
        if (path == in_use) continue;
        // A file gone is shown greyed, and left out of the list once another is opened.
        QAction* a = m_recent->addAction(QString(path).replace(u'&', QStringLiteral("&&")));
        a->setEnabled(QFileInfo::exists(path));
        connect(a, &QAction::triggered, this, [this, path] { use_database(path); });
    }
    if (m_recent->isEmpty()) m_recent->addAction(tr("(none)"))->setEnabled(false);
}

bool f_main::close_other_windows() {
    for (int kind = 0; kind < AppEvents::window_kinds; ++kind) {
        if (kind == AppEvents::main_window) continue;
        auto* window = qobject_cast<QWidget*>(ctx_.events.window(AppEvents::Window(kind)));
        if (!window) continue;
        window->close();  // a window with an edit pending says so and stays
        if (ctx_.events.is_open(AppEvents::Window(kind)) && window->isVisible()) return false;
        // Gone now, not later: its lists read the collection that is about to be closed.
        delete window;
    }
    // The duplicates found are of this collection.
    delete findChild<f_duplicates*>(QStringLiteral("f_duplicates"), Qt::FindDirectChildrenOnly);
    delete findChild<f_overview*>(QStringLiteral("f_overview"), Qt::FindDirectChildrenOnly);
    return true;
}

bool f_main::use_database(const QString& path) {
    if (edit->refuse_while_editing()) return false;
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(ctx_.database_path).absoluteFilePath()) return true;
    if (!close_other_windows()) return false;
    // Nothing reads the collection in use any more: it can be closed once the other is open.
    list->binding().bind(nullptr);
    const bool switched = switch_database(ctx_, path);
    if (switched) ctx_.events.quotes_were_changed();  // counts and lists kept are of the other file
    read_collection_again();
    return switched;
}

void f_main::read_collection_again() {
    setWindowTitle(QStringLiteral("Sentara - ") + QFileInfo(ctx_.database_path).fileName());
    set_combos();
    list->sort().to_random();
    filters->Clear_all_filters();
    filters->b_filter_Click();
    filters->Any_filter();
    focus_grid();
}

void f_main::m_open_access_Click() {
    if (edit->refuse_while_editing()) return;
    const QString access = ctx_.ui.open_file(QStringLiteral("Select the Access collection to open"),
                                             tr("Access database (*.mdb;*.accdb)|*.mdb;*.accdb|All files (*)|*"),
                                             folder_of(get_setting(QStringLiteral("last_access_path"))), QString());
    if (access.trimmed().isEmpty()) return;
    save_setting(QStringLiteral("last_access_path"), access);
    const QString made = ctx_.ui.save_file(tr("Name the new database made from the collection"),
                                           QCoreApplication::translate("startup", database_file_filter), folder_of(ctx_.database_path),
                                           QFileInfo(access).completeBaseName() + QStringLiteral(" (Sentara).mdb"));
    if (made.trimmed().isEmpty()) return;
    access_import::Outcome o;
    const QString what = tr("Making a new database from '%1'...").arg(file_name_of(access));
    const auto outcome = long_work::run(ctx_.ui, what, [&](const long_work::Progress& progress) {
        progress(tr("Reading '%1'...").arg(file_name_of(access)), 0, 1);
        const access_file::Contents tables = access_import::read_tables(access);
        o = access_import::create(tables, access, made, [&](qint64 done, qint64 total) { progress(what, done, total); });
    });
    // Stopped, nothing was made and the database in use stays.
    if (!long_work::told(ctx_.ui, outcome, tr("No database was made."))) return;
    if (!o.error.isEmpty()) {
        // Nothing was made: the database in use stays.
        ctx_.ui.message(o.error, Ui::icon_exclamation);
        return;
    }
    const QString report = o.report();
    if (!report.isEmpty()) show_text_file(ctx_.ui, report, quote_import::line_break, tr("Sentara - Import report"));
    ctx_.ui.message(tr("The database '%1' was made from '%2': %3.%4\n\nThe window now shows it.")
                        .arg(made, access, o.counts_text(),
                             report.isEmpty() ? QString() : tr("\nThe rows that did not fit are listed in the report.")),
                    Ui::icon_information);
    use_database(made);
}

void f_main::m_randomize_Click() {
    // The numbers are drawn from a copy of the program's generator, which goes on from where the
    // copy ended.
    random_order::Generator rng = ctx_.rng;
    const auto outcome = long_work::run(
        ctx_.ui, ctx_.database_path, tr("New random numbers for every quotation..."),
        [&](Database& db, const long_work::Progress& progress) {
            random_order::randomize_all(db, rng, [&](qint64 done, qint64 total) {
                progress.note(tr("New random numbers for every quotation..."), done, total);
            });
        });
    if (!long_work::told(ctx_.ui, outcome, tr("The quotations could not be given new random numbers; "
                                                          "none was changed.")))
        return;
    ctx_.rng = rng;
    ctx_.ui.message(tr("Randomization executed."));
}

void f_main::m_show_slide_show_help_Click() {
    // The action has already turned its check mark over.
    save_setting(QStringLiteral("slide_show_help"),
                 m_show_slide_show_help->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No"));
}

// ---------------------------------------------------------------------------- slide show

void f_main::open_slide_show() {
    if (auto* open = qobject_cast<QWidget*>(ctx_.events.window(AppEvents::slide_show_window))) {
        open->raise();
        open->activateWindow();
        return;
    }
    // On this window's screen; it goes with this window.
    (new f_slide_show(ctx_, screen(), this))->open();
}

void f_main::show_quote(qint64 key) {
    if (isMinimized()) showNormal();
    else show();
    raise();
    activateWindow();
    if (key == 0 || edit->editing()) return;
    guarded(ctx_.ui, [&] {
        if (Data1()) Data1()->find_first(QStringLiteral("key = ") + QString::number(key));
    });
    focus_grid();
}

// ---------------------------------------------------------------------------- keys

void f_main::focus_grid() {
    if (list->grid->isEnabled()) list->grid->setFocus();
}

void f_main::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // Esc leads back to the grid; the main window never closes on it.
        focus_grid();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool f_main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        focus_grid();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------- forwards

void f_main::b_filter_Click() { filters->b_filter_Click(); }
void f_main::Filter_changed() { filters->Filter_changed(); }
bool f_main::Any_filter() { return filters->Any_filter(); }
void f_main::Check_filter_enter(int& key_code) { filters->Check_filter_enter(key_code); }
void f_main::Clear_all_filters() { filters->Clear_all_filters(); }
void f_main::b_clear_Click() { filters->b_clear_Click(); }
void f_main::Update_record_count() { filters->Update_record_count(); }
void f_main::Check_change() { edit->Check_change(); }
void f_main::set_initial_values() { edit->set_initial_values(); }
void f_main::Clear_all_text_boxes() { edit->Clear_all_text_boxes(); }
void f_main::Restore_inital_values() { edit->Restore_inital_values(); }
void f_main::check_selections() { filters->check_selections(); }
RecordSet* f_main::Data1() const { return list->recordset(); }
int f_main::sort_column() const { return list->sort().column(); }
bool f_main::filter_active() const { return filters->filter_active(); }

// ---------------------------------------------------------------------------- undo delete

void f_main::m_undo_delete_Click() {
    if (edit->refuse_while_editing()) return;
    bool any = false;
    if (!guarded(ctx_.ui, [&] { any = trash::can_undo(*ctx_.database); })) return;
    if (!any) {
        ctx_.ui.message(tr("There is no deletion to undo."));
        return;
    }
    std::optional<trash::Restored> restored;
    const QString what = tr("Restoring the deleted quotations...");
    const auto outcome = long_work::run(ctx_.ui, ctx_.database_path, what, [&](Database& db, const long_work::Progress& progress) {
        restored = trash::undo_last(db, [&](qint64 done, qint64 total) { progress(what, done, total); });
    });
    if (!long_work::told(ctx_.ui, outcome, tr("The deletion could not be undone; nothing was restored.")) || !restored) return;
    announce_restored(ctx_, *restored);
}
