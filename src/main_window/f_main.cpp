// The main window: construction, layout, opening and closing, menus, the grid's binding.
#include "f_main.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/help_menu.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/window_utils.h"
#include "database/recordset.h"
#include "grid_model.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* label(const char* name, const QString& caption, QWidget* buddy = nullptr) {
    auto* l = named(new QLabel(caption), name);
    if (buddy) l->setBuddy(buddy);
    return l;
}

QPushButton* button(const char* name, const QString& caption) { return named(new QPushButton(caption), name); }

QComboBox* combo(const char* name, bool editable) {
    auto* c = named(new QComboBox, name);
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(20);
    if (editable) c->setCompleter(nullptr);  // what is typed stays as typed
    return c;
}

QToolButton* clear_button(const char* name, const QString& what) {
    auto* b = named(new QToolButton, name);
    b->setText(QStringLiteral("\u2715"));
    b->setToolTip(QStringLiteral("Clear the %1").arg(what));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

f_main::f_main(AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("f_main"));
    setWindowTitle(QStringLiteral("Sentara"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    build_menus();
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(6);
    build_grid();
    build_edit_area();
    build_filter_area();
    column->addWidget(grid, 1);
    column->addWidget(edit_area);
    column->addWidget(search_area);
    setCentralWidget(central);
    wire();
    open_window();
}

f_main::~f_main() {
    ctx_.main_window_open = false;
    model_->set_recordset(nullptr);
}

// ---------------------------------------------------------------------------- building

void f_main::build_menus() {
    m_file = named(menuBar()->addMenu(QStringLiteral("&File")), "m_file");
    m_change_db = named(m_file->addAction(QStringLiteral("&Change database")), "m_change_db");
    m_preferences = named(m_file->addMenu(QStringLiteral("&Preferences")), "m_preferences");
    m_show_slide_show_help =
        named(m_preferences->addAction(QStringLiteral("Show help before slide show (Yes/No)")), "m_show_slide_show_help");
    m_show_slide_show_help->setCheckable(true);
    m_randomize = named(m_file->addAction(QStringLiteral("&Randomize")), "m_randomize");
    m_file->addSeparator();
    m_exit = named(m_file->addAction(QStringLiteral("&Exit")), "m_exit");

    m_authors = named(menuBar()->addAction(QStringLiteral("&Authors")), "m_authors");
    m_subjects = named(menuBar()->addAction(QStringLiteral("&Subjects")), "m_subjects");
    m_languages = named(menuBar()->addAction(QStringLiteral("&Languages")), "m_languages");
    m_import = named(menuBar()->addAction(QStringLiteral("&Import")), "m_import");
    m_websites = named(menuBar()->addAction(QStringLiteral("Web sites")), "m_websites");
    // Their windows come with later work.
    for (QAction* a : {m_authors, m_subjects, m_languages, m_import, m_websites}) a->setEnabled(false);

    m_help = named(menuBar()->addMenu(QStringLiteral("&?")), "m_help");
    m_readme = named(m_help->addAction(QStringLiteral("&Readme.txt")), "m_readme");
    m_web_site = named(m_help->addAction(QStringLiteral("Author's web site")), "m_web_site");
    m_support = named(m_help->addAction(QStringLiteral("Customer service and technical support")), "m_support");
    m_about = named(m_help->addAction(QStringLiteral("About Sentara")), "m_about");
    m_version_history = named(m_help->addAction(QStringLiteral("&Version History")), "m_version_history");
}

void f_main::build_grid() {
    grid = named(new QTableView, "grid");
    model_ = new QuoteGridModel(this);
    grid->setModel(model_);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSortingEnabled(false);
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

    // The selection bar's help sits in the grid's corner, above the row selectors.
    pic_help = named(new QFrame(grid), "pic_help");
    l_help = named(new QLabel(QStringLiteral("Click on this vertical bar to select/deselect quotes; hold CTRL key for "
                                             "multiple selection)"),
                              pic_help),
                   "l_help");
    pic_help->setToolTip(l_help->text());
    l_help->setToolTip(l_help->text());
    l_help->setText(QStringLiteral("?"));
    l_help->setAlignment(Qt::AlignCenter);
    pic_help->setCursor(Qt::PointingHandCursor);
    l_help->installEventFilter(this);
}

void f_main::build_edit_area() {
    edit_area = named(new QFrame, "edit_area");
    frame_data = named(new QGroupBox, "frame_data");
    t_key = named(new QLineEdit, "t_key");
    t_key->setReadOnly(true);
    t_key->setFocusPolicy(Qt::NoFocus);
    t_key->setMaximumWidth(90);
    cb_author = combo("cb_author", true);
    t_text = named(new QPlainTextEdit, "t_text");
    t_text->setTabChangesFocus(true);
    cb_subject = combo("cb_subject", true);
    cb_language = combo("cb_language", true);
    cb_rate = combo("cb_rate", true);
    t_note = named(new QLineEdit, "t_note");
    b_edit_author = button("b_edit_author", QStringLiteral("Edit"));
    b_edit_author->setToolTip(QStringLiteral("Edit this author"));
    b_add_subject = button("b_add_subject", QStringLiteral("Edit"));
    b_add_subject->setToolTip(QStringLiteral("Subject Table Management"));
    // The authors and subjects windows come with later work.
    b_edit_author->setEnabled(false);
    b_add_subject->setEnabled(false);
    // Lists that suggest while typing, without changing what is typed.
    for (QComboBox* c : {cb_author, cb_subject}) {
        auto* completer = new QCompleter(c->model(), c);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(c == cb_author ? Qt::MatchContains : Qt::MatchStartsWith);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        c->setCompleter(completer);
    }
    for (QComboBox* c : {cb_language, cb_rate}) c->setMaximumWidth(110);

    l_key = label("l_key", QStringLiteral("Key"));
    // Room for the longest counts, so that a new count never moves the fields beside it.
    const int caption_width = QFontMetrics(font()).horizontalAdvance(QStringLiteral("Subject 999999 q ")) + 4;
    l_author = label("l_author", QStringLiteral("Author "), cb_author);
    l_text = label("l_text", QStringLiteral("Text"), t_text);
    l_subject = label("l_subject", QStringLiteral("Subject"), cb_subject);
    l_language = label("l_language", QStringLiteral("Language"), cb_language);
    l_rate = label("l_rate", QStringLiteral("Rate"), cb_rate);
    Label2 = label("Label2", QStringLiteral("Note"), t_note);
    for (QLabel* l : {l_key, l_author, l_text, l_subject, l_language}) l->setFixedWidth(caption_width);

    pic_author = named(new QFrame, "pic_author");
    pic_author->setFrameShape(QFrame::StyledPanel);
    pic_author->setFixedSize(120, 150);
    Image1 = named(new QLabel(pic_author), "Image1");
    Image1->setScaledContents(true);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(4);
    fields->addWidget(l_key, 0, 0);
    auto* key_row = new QHBoxLayout;
    key_row->addWidget(t_key);
    key_row->addStretch();
    fields->addLayout(key_row, 0, 1);
    fields->addWidget(l_author, 1, 0);
    fields->addWidget(cb_author, 1, 1);
    fields->addWidget(b_edit_author, 1, 2);
    fields->addWidget(l_text, 2, 0, Qt::AlignTop);
    fields->addWidget(t_text, 2, 1, 1, 2);
    fields->addWidget(l_subject, 3, 0);
    fields->addWidget(cb_subject, 3, 1);
    fields->addWidget(b_add_subject, 3, 2);
    auto* small_row = new QHBoxLayout;
    small_row->addWidget(cb_language);
    small_row->addSpacing(12);
    small_row->addWidget(l_rate);
    small_row->addWidget(cb_rate);
    small_row->addSpacing(12);
    small_row->addWidget(Label2);
    small_row->addWidget(t_note, 1);
    fields->addWidget(l_language, 4, 0);
    fields->addLayout(small_row, 4, 1, 1, 2);
    fields->setColumnStretch(1, 1);
    t_text->setFixedHeight(t_text->fontMetrics().lineSpacing() * 4 + 12);

    auto* data_row = new QHBoxLayout(frame_data);
    data_row->setContentsMargins(6, 6, 6, 6);
    auto* picture_column = new QVBoxLayout;
    picture_column->addSpacing(t_key->sizeHint().height() + 4);  // level with the author box
    picture_column->addWidget(pic_author);
    picture_column->addStretch();
    data_row->addLayout(picture_column);
    data_row->addSpacing(6);
    data_row->addLayout(fields, 1);

    frame_edit_buttons = named(new QFrame, "frame_edit_buttons");
    auto* buttons = new QHBoxLayout(frame_edit_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    b_add_new = button("b_add_new", QStringLiteral("Add new"));
    b_save = button("b_save", QStringLiteral("Save"));
    b_delete = button("b_delete", QStringLiteral("Delete"));
    b_random = button("b_random", QStringLiteral("Random"));
    b_undo = button("b_undo", QStringLiteral("Undo edit"));
    b_next = button("b_next", QStringLiteral("Next"));
    b_exit = button("b_exit", QStringLiteral("Exit"));
    for (QPushButton* b : {b_add_new, b_save, b_delete, b_random, b_undo, b_next, b_exit}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }
    buttons->addStretch();

    auto* area = new QVBoxLayout(edit_area);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(4);
    area->addWidget(frame_data);
    area->addWidget(frame_edit_buttons);
}

void f_main::build_filter_area() {
    search_area = named(new QFrame, "search_area");
    frame_filter_texts = named(new QGroupBox(QStringLiteral("Filters")), "frame_filter_texts");
    frame_filter_buttons = named(new QGroupBox, "frame_filter_buttons");

    cb_author_filter = combo("cb_author_filter", true);
    cb_subject_filter = combo("cb_subject_filter", true);
    cb_language_filter = combo("cb_language_filter", true);
    // The rate filters offer the listed rates only, so that nothing typed reaches the statement.
    cb_rate_filter_from = combo("cb_rate_filter_from", false);
    cb_rate_filter_to = combo("cb_rate_filter_to", false);
    t_text_filter = named(new QLineEdit, "t_text_filter");
    t_note_filter = named(new QLineEdit, "t_note_filter");
    t_key_selector = named(new QLineEdit, "t_key_selector");
    t_key_selector->setMaximumWidth(110);
    for (QComboBox* c : {cb_rate_filter_from, cb_rate_filter_to}) c->setMinimumWidth(60);
    b_clear_author_filter = clear_button("b_clear_author_filter", QStringLiteral("author filter"));
    b_clear_subject_filter = clear_button("b_clear_subject_filter", QStringLiteral("subject filter"));
    b_clear_language_filter = clear_button("b_clear_language_filter", QStringLiteral("language filter"));
    b_clear_text_filter = clear_button("b_clear_text_filter", QStringLiteral("text filter"));
    Command1 = clear_button("Command1", QStringLiteral("key filter"));
    Command2 = clear_button("Command2", QStringLiteral("note filter"));

    auto* g = new QGridLayout(frame_filter_texts);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(3);
    int r = 0;
    auto add = [&](int row, int col, const char* name, const QString& caption, QWidget* field, QWidget* clear) {
        g->addWidget(label(name, caption, field), row, col);
        g->addWidget(field, row, col + 1);
        if (clear) g->addWidget(clear, row, col + 2);
    };
    add(r, 0, "Label6", QStringLiteral("Author Filter "), cb_author_filter, b_clear_author_filter);
    add(r++, 3, "Label5", QStringLiteral("Text Filter "), t_text_filter, b_clear_text_filter);
    add(r, 0, "Label4", QStringLiteral("Subject Filter "), cb_subject_filter, b_clear_subject_filter);
    add(r++, 3, "l_note_filter", QStringLiteral("Note Filter "), t_note_filter, Command2);
    add(r, 0, "Label3", QStringLiteral("Language Filter "), cb_language_filter, b_clear_language_filter);
    auto* key_and_rate = new QHBoxLayout;
    key_and_rate->addWidget(t_key_selector);
    key_and_rate->addWidget(Command1);
    key_and_rate->addSpacing(12);
    key_and_rate->addWidget(label("l_rate_filter_from", QStringLiteral("Rate from "), cb_rate_filter_from));
    key_and_rate->addWidget(cb_rate_filter_from);
    key_and_rate->addWidget(label("l_rate_filter_to", QStringLiteral("Rate to "), cb_rate_filter_to));
    key_and_rate->addWidget(cb_rate_filter_to);
    key_and_rate->addStretch();
    g->addWidget(label("Label7", QStringLiteral("Key Filter "), t_key_selector), r, 3);
    g->addLayout(key_and_rate, r, 4, 1, 2);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(4, 1);

    b_filter = button("b_filter", QStringLiteral("Filter"));
    b_clear = button("b_clear", QStringLiteral("Clear all filters"));
    b_filter_current_author = button("b_filter_current_author", QStringLiteral("Filter on current author"));
    b_filter_current_subject = button("b_filter_current_subject", QStringLiteral("Filter on current subject"));
    b_delete_filtered = button("b_delete_filtered", QStringLiteral("Delete filtered quotes"));
    b_slide_show = button("b_slide_show", QStringLiteral("Slide show of filtered quotes"));
    b_export = button("b_export", QStringLiteral("Export filtered quotes"));
    // Bulk delete, export and the slide show come with later work.
    for (QPushButton* b : {b_delete_filtered, b_slide_show, b_export}) b->setEnabled(false);
    l_records_selected = label("l_records_selected", QStringLiteral("Records Selected: "));
    l_records_filtered = label("l_records_filtered", QStringLiteral("Records Filtered: "));

    auto* b = new QGridLayout(frame_filter_buttons);
    b->setContentsMargins(6, 4, 6, 4);
    b->setVerticalSpacing(3);
    b->addWidget(b_filter, 0, 0);
    b->addWidget(b_clear, 0, 1);
    b->addWidget(b_filter_current_author, 0, 2);
    b->addWidget(b_filter_current_subject, 0, 3);
    b->addWidget(l_records_filtered, 0, 4);
    b->addWidget(b_delete_filtered, 1, 0, 1, 1);
    b->addWidget(b_export, 1, 1);
    b->addWidget(b_slide_show, 1, 2, 1, 2);
    b->addWidget(l_records_selected, 1, 4);
    for (QPushButton* x : {b_filter, b_clear, b_filter_current_author, b_filter_current_subject, b_delete_filtered,
                           b_slide_show, b_export})
        x->setAutoDefault(false);

    b->setColumnStretch(2, 1);
    b->setColumnStretch(3, 1);
    b->setColumnMinimumWidth(4, 200);

    auto* area = new QVBoxLayout(search_area);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(4);
    area->addWidget(frame_filter_texts);
    area->addWidget(frame_filter_buttons);
}

// ---------------------------------------------------------------------------- events

void f_main::wire() {
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { grid_current_changed(current.row()); });
    connect(grid->verticalHeader(), &QHeaderView::sectionClicked, this, &f_main::row_selector_clicked);
    connect(grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &f_main::sort_by_column);
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    // An engine failure while the grid reads its rows is reported once, after the painting.
    connect(model_, &QuoteGridModel::engine_error, this,
            [this](int number, const QString& description) { show_error(ctx_.ui, number, description); },
            Qt::QueuedConnection);

    // The edit area.
    connect(t_text, &QPlainTextEdit::textChanged, this, &f_main::Check_change);
    connect(t_note, &QLineEdit::textChanged, this, &f_main::Check_change);
    for (QComboBox* c : {cb_author, cb_subject, cb_language, cb_rate}) {
        connect(c, &QComboBox::editTextChanged, this, &f_main::Check_change);
        connect(c, &QComboBox::activated, this, [this, c] { choice_made(c); });
    }
    cb_author->installEventFilter(this);
    cb_subject->installEventFilter(this);
    cb_language->installEventFilter(this);
    connect(b_add_new, &QPushButton::clicked, this, &f_main::b_add_new_Click);
    connect(b_save, &QPushButton::clicked, this, &f_main::b_save_Click);
    connect(b_delete, &QPushButton::clicked, this, &f_main::b_delete_Click);
    connect(b_undo, &QPushButton::clicked, this, &f_main::b_undo_Click);
    connect(b_next, &QPushButton::clicked, this, &f_main::b_next_Click);
    connect(b_random, &QPushButton::clicked, this, &f_main::b_random_Click);
    connect(b_exit, &QPushButton::clicked, this, &f_main::m_exit_Click);

    // The filter area.
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
    connect(b_filter, &QPushButton::clicked, this, &f_main::b_filter_Click);
    connect(b_clear, &QPushButton::clicked, this, &f_main::b_clear_Click);
    connect(b_filter_current_author, &QPushButton::clicked, this, [this] { filter_on_current(cb_author_filter, cb_author); });
    connect(b_filter_current_subject, &QPushButton::clicked, this,
            [this] { filter_on_current(cb_subject_filter, cb_subject); });

    // Esc anywhere in the window leads back to the grid.
    for (QWidget* w : {static_cast<QWidget*>(t_text), static_cast<QWidget*>(t_note), static_cast<QWidget*>(cb_rate)})
        w->installEventFilter(this);

    // Menus.
    connect(m_change_db, &QAction::triggered, this, &f_main::m_change_db_Click);
    connect(m_randomize, &QAction::triggered, this, &f_main::m_randomize_Click);
    connect(m_show_slide_show_help, &QAction::triggered, this, &f_main::m_show_slide_show_help_Click);
    connect(m_exit, &QAction::triggered, this, &f_main::m_exit_Click);
    connect(m_readme, &QAction::triggered, this, [this] { show_readme(ctx_); });
    connect(m_web_site, &QAction::triggered, this, [this] { show_web_site(ctx_); });
    connect(m_support, &QAction::triggered, this, [this] { show_support(ctx_); });
    connect(m_about, &QAction::triggered, this, [this] { show_about(ctx_); });
    connect(m_version_history, &QAction::triggered, this, [this] { show_version_history(ctx_); });
}

// ---------------------------------------------------------------------------- opening

void f_main::open_window() {
    loading_ = true;
    ctx_.main_window_open = true;
    pending_random_ = true;
    ctx_.rng.seed(std::uint32_t(QDateTime::currentMSecsSinceEpoch()));
    Clear_all_text_boxes();
    l_author->setText(QStringLiteral("Author "));
    l_subject->setText(QStringLiteral("Subject"));

    const ScreenArea screen = primary_screen_area();
    const int usable = screen_height(screen) - taskbar_height(screen);
    bool numeric = false;
    const int stored = get_setting(QStringLiteral("formheight")).toInt(&numeric);
    const int height = numeric && stored > 0 ? std::min(stored, usable) : usable;
    resize(to_pixels(15360), to_pixels(height));

    set_combos();
    sort_column_ = -1;
    sort_directions_.fill(QString());
    Clear_all_filters();
    b_filter_Click();
    set_layout();
    center_window(*this, screen);
    Any_filter();
    m_show_slide_show_help->setChecked(get_setting(QStringLiteral("slide_show_help")) != QLatin1String("No"));
    loading_ = false;
}

void f_main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Where the desktop never activates a new window, its first showing stands for activation.
    QTimer::singleShot(0, this, [this] {
        if (pending_random_ && isVisible()) {
            pending_random_ = false;
            b_random_Click();
        }
    });
}

bool f_main::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && pending_random_) {
        pending_random_ = false;
        b_random_Click();
    }
    return QMainWindow::event(event);
}

void f_main::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isMinimized() || loading_ || in_resize_) return;
    set_layout();
}

void f_main::set_layout() {
    in_resize_ = true;
    if (!isMinimized() && !isMaximized() && !isFullScreen()) {
        if (width() != to_pixels(15360)) resize(to_pixels(15360), height());
        if (frameGeometry().height() < to_pixels(8000)) resize(width(), to_pixels(8000));
    }
    if (first_layout_) {
        first_layout_ = false;
        Set_grid_columns_width();
    }
    // The selection bar's help covers the grid's corner, above the row selectors.
    pic_help->setGeometry(grid->frameWidth(), grid->frameWidth(), grid->verticalHeader()->width(),
                          grid->horizontalHeader()->height());
    l_help->setGeometry(0, 0, pic_help->width(), pic_help->height());
    pic_help->raise();
    in_resize_ = false;
}

void f_main::Set_grid_columns_width() {
    QHeaderView* h = grid->horizontalHeader();
    const int widths[] = {70, 170, 0, 120, 45, 75, 170};
    for (int c = 0; c < 7; ++c) {
        if (c == 2) {
            h->setSectionResizeMode(c, QHeaderView::Stretch);
        } else {
            h->setSectionResizeMode(c, QHeaderView::Interactive);
            h->resizeSection(c, widths[c]);
        }
    }
}

// ---------------------------------------------------------------------------- closing

void f_main::closeEvent(QCloseEvent* event) {
    if (!closing_ && is_lit(b_save) &&
        ctx_.ui.message(QStringLiteral("Edit operation in progress. Do you want to exit without saving changes?"),
                        Ui::ok_cancel | Ui::icon_question) != Ui::ok) {
        event->ignore();
        return;
    }
    save_setting(QStringLiteral("formheight"), QString::number(to_twips(frameGeometry().height())));
    ctx_.main_window_open = false;
    event->accept();
}

void f_main::uscita() {
    if (is_lit(b_save)) {
        ctx_.ui.message(QStringLiteral("Edit operation in progress."));
        return;
    }
    const bool others = ctx_.import_window_open || ctx_.authors_window_open || ctx_.subjects_window_open ||
                        ctx_.languages_window_open || ctx_.websites_window_open;
    closing_ = true;
    close();
    closing_ = false;
    if (!others) ctx_.ui.end_program();
}

void f_main::m_exit_Click() {
    if (is_lit(b_save)) {
        ctx_.ui.message(QStringLiteral("Edit operation in progress."));
        return;
    }
    uscita();
}

void f_main::m_change_db_Click() {
    // The edit is checked first: refused, nothing is chosen and nothing is remembered.
    if (refuse_while_editing()) return;
    if (!change_database(ctx_)) return;
    ctx_.ui.message(QStringLiteral("The program will now close. When you restart it, the selected database will be used."));
    uscita();
}

void f_main::m_randomize_Click() {
    try {
        ctx_.ui.set_hourglass(true);
        random_order::randomize_all(*ctx_.database, ctx_.rng);
        ctx_.ui.set_hourglass(false);
    } catch (const DbError& e) {
        ctx_.ui.set_hourglass(false);
        show_error(ctx_.ui, e);
        return;
    }
    ctx_.ui.message(QStringLiteral("Randomization executed."));
}

void f_main::m_show_slide_show_help_Click() {
    // The action has already turned its check mark over.
    save_setting(QStringLiteral("slide_show_help"),
                 m_show_slide_show_help->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No"));
}

// ---------------------------------------------------------------------------- keys

void f_main::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // Esc leads back to the grid; the main window never closes on it.
        if (grid->isEnabled()) grid->setFocus();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool f_main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && watched != grid) {
            if (grid->isEnabled()) grid->setFocus();
            return true;
        }
        if (watched == grid && key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            // Tab from the grid leads to the fields that still need a value.
            const QString subject = cb_subject->currentText();
            const QString rate = cb_rate->currentText();
            if (subject == QLatin1String("-") || subject.isEmpty()) {
                cb_subject->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (rate == QLatin1String("0") || rate.isEmpty()) {
                cb_rate->setFocus(Qt::TabFocusReason);
                return true;
            }
            return false;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            int code = 13;
            if (watched == cb_language) {
                b_filter_Click();  // Enter in the language box applies the filter
                return true;
            }
            for (QObject* f : {static_cast<QObject*>(t_text_filter), static_cast<QObject*>(t_note_filter),
                               static_cast<QObject*>(t_key_selector), static_cast<QObject*>(cb_author_filter),
                               static_cast<QObject*>(cb_subject_filter), static_cast<QObject*>(cb_language_filter),
                               static_cast<QObject*>(cb_rate_filter_from)})
                if (watched == f) {
                    Check_filter_enter(code);
                    return true;
                }
        }
    }
    if (event->type() == QEvent::FocusOut && !in_lost_focus_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Focus that leaves for a menu, a pop-up list or a dialog is not the user leaving the box.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && reason != Qt::MenuBarFocusReason) {
            if (watched == cb_author && !cb_author->view()->isVisible()) cb_author_LostFocus();
            else if (watched == cb_subject && !cb_subject->view()->isVisible()) cb_subject_LostFocus();
        }
    }
    if (event->type() == QEvent::Paint && watched == grid->viewport()) model_->before_paint();
    if (event->type() == QEvent::MouseButtonRelease && watched == l_help) {
        l_help_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------- the grid's record set

void f_main::bind_grid(std::unique_ptr<RecordSet> rs) {
    model_->set_recordset(rs.get());
    data1_ = std::move(rs);
    loaded_row_ = -1;
    if (!data1_) return;
    // Rows are read again when quotations change, not when they only move in the random order.
    data1_->set_version_source([this] {
        const auto v = ctx_.content_version();
        return (v.first << 32) ^ v.second;
    });
    connect(data1_.get(), &RecordSet::current_changed, this, &f_main::recordset_moved);
    // When the rows change, the next move reloads the edit area even on the same row.
    for (auto changed : {&RecordSet::row_removed, &RecordSet::row_appended})
        connect(data1_.get(), changed, this, [this] { loaded_row_ = -1; });
    connect(data1_.get(), &RecordSet::reset, this, [this] { loaded_row_ = -1; });
}

void f_main::recordset_moved(int row) {
    // The grid follows the record set's current row, then the edit area is loaded from it;
    // a move onto the row already shown is no row change.
    try {
        if (!data1_ || (row == loaded_row_ && data1_->absolute_position() == row)) return;
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
        return;
    }
    loaded_row_ = data1_->absolute_position();
    const int position = data1_->absolute_position();
    if (position >= 0 && position == row) {
        syncing_grid_ = true;
        grid->setCurrentIndex(model_->index(row, std::max(0, grid->currentIndex().column())));
        grid->scrollTo(model_->index(row, 0));
        syncing_grid_ = false;
    }
    grid_row_changed();
}

void f_main::grid_current_changed(int row) {
    // The record set follows the grid's current row.
    if (syncing_grid_ || !data1_ || row < 0) return;
    if (data1_->absolute_position() == row) return;
    try {
        data1_->set_absolute_position(row);
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
}

void f_main::row_selector_clicked(int row) {
    // (the model reports its own engine errors)
    model_->toggle_selected(row, QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    check_selections();
}

void f_main::l_help_Click() {
    if (model_->selection().isEmpty()) return;
    model_->clear_selection();
    check_selections();
}

void f_main::check_selections() {
    const bool any = !model_->selection().isEmpty();
    b_export->setText(any ? QStringLiteral("Export selected quotes") : QStringLiteral("Export filtered quotes"));
    b_delete_filtered->setText(any ? QStringLiteral("Deleted selected quotes") : QStringLiteral("Deleted filtered quotes"));
    set_lit(b_export, any);
    set_lit(b_delete_filtered, any);
    Update_record_count();
}

// ---------------------------------------------------------------------------- colours

bool f_main::is_lit(const QWidget* w) { return w->property("lit").toBool(); }

void f_main::set_lit(QWidget* w, bool lit) {
    if (is_lit(w) == lit && w->property("lit").isValid()) return;
    w->setProperty("lit", lit);
    QPalette p = w->palette();
    const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
    const QPalette base = QApplication::palette(w);
    if (field) p.setColor(QPalette::Base, lit ? attention_colour() : QColor(Qt::white));
    else p.setColor(QPalette::Button, lit ? attention_colour() : base.color(QPalette::Button));
    w->setPalette(p);
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) c->lineEdit()->setPalette(p);
}
