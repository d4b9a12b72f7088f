#include "f_import.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/long_work.h"
#include "core/settings.h"
#include "database/recordset.h"
#include "reference/f_authors.h"
#include "widgets/mnemonics.h"
#include "widgets/combo_fill.h"
#include "widgets/factories.h"
#include "widgets/guards.h"
#include "widgets/window_utils.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <memory>

namespace {

const char* const text_missing = QT_TRANSLATE_NOOP("f_import", "Text to be imported missing");

// Text from a file as the input box holds it: one LF at the end of every line.
QString as_box_lines(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// True when the text holds nothing but blanks (a long text is not copied, as trimmed() would).
bool is_blank(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

}  // namespace

f_import::f_import(AppContext& ctx) : QWidget(nullptr, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("f_import"));
    setWindowTitle(tr("Sentara - Import"));
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    give_mnemonics(this);
    // Opening: the counters empty, the window registered, both boxes filled and empty.
    clear_counters();
    ctx_.events.opened(AppEvents::import_window, this);
    set_combo();
    // New quotations are most often in the collection's own language.
    cb_language->setEditText(ctx_.default_language);
    const QRect free = primary_screen_area().available;
    resize(std::min(1180, free.width() - 20), std::min(680, free.height() - 60));
    center_window(*this);
}

f_import::~f_import() {
    if (ctx_.events.window(AppEvents::import_window) == this) ctx_.events.closed(AppEvents::import_window);
}

void f_import::build() {
    t_to_be_processed = named(new QPlainTextEdit, "t_to_be_processed");
    t_to_be_processed->setTabChangesFocus(true);
    t_parsed = named(new QPlainTextEdit, "t_parsed");
    t_parsed->setTabChangesFocus(true);
    // What is imported is what was processed: the listing only shows it.
    t_parsed->setReadOnly(true);
    t_parsed->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Label1 = label("Label1", tr("Input text"), t_to_be_processed);
    Label2 = label("Label2", tr("Result of processing"), t_parsed);

    Frame1 = frame("Frame1");
    b_import_from_file = button("b_import_from_file", tr("Import from file..."),
                                tr("Add the lines of a text file to the input text and process them"));
    b_process = button("b_process", tr("Process input text"),
                       tr("Find the quotations in the input text (Ctrl+Return)"));
    c_randomize = named(new QCheckBox(tr("Randomize results")), "c_randomize");
    Command3 = button("Command3", tr("Clear text"), tr("Empty both texts"));
    b_import = button("b_import", tr("Import resulting quotes"),
                      tr("Add the quotations found to the database"));
    cb_author = combo("cb_author", true);
    cb_author->setToolTip(tr("The author of the quotations that name none; \"Anonymous\" (or nothing) takes "
                                         "the author from the parentheses at the end of each line"));
    cb_language = combo("cb_language", true);
    cb_language->setToolTip(tr("The language of the quotations that give none"));
    cb_format = combo("cb_format", false);
    for (const QString& name : import_formats::names()) {
        import_formats::Format f = import_formats::Format::text;
        import_formats::from_name(name, f);
        cb_format->addItem(import_formats::caption(f), int(f));
    }
    cb_format->setToolTip(tr("How the input text is read: guessed when a file is loaded; another choice "
                             "processes the input again"));
    l_format = label("l_format", tr("Format"), cb_format);
    l_author = label("l_author", tr("Author"), cb_author);
    l_language = label("l_language", tr("Language"), cb_language);
    Command1 = button("Command1", tr("Add/edit author"), tr("Open the authors window"));
    b_main_window = button("b_main_window", tr("Main window"), tr("Bring the main window to the front"));
    l_duplicated_quotes = label("l_duplicated_quotes", tr("Duplicated quotes in input text: 0"));
    l_dup_in_db = label("l_dup_in_db", tr("Duplicated quotes in database: 0"));
    l_new_quotes = label("l_new_quotes", tr("New quotes:  0"));
    pb_progress = named(new QProgressBar, "pb_progress");
    pb_progress->setTextVisible(true);
    pb_progress->setRange(0, 1000);
    pb_progress->reset();
    cb_author->setMinimumWidth(260);
    cb_language->setMinimumWidth(90);

    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(8);
    grid->addWidget(b_import_from_file, 0, 0);
    grid->addWidget(b_process, 0, 1);
    grid->addWidget(c_randomize, 0, 2);
    grid->addWidget(Command3, 0, 3);
    grid->addWidget(l_author, 1, 0, Qt::AlignRight);
    grid->addWidget(cb_author, 1, 1, 1, 2);
    grid->addWidget(Command1, 1, 3);
    grid->addWidget(l_language, 2, 0, Qt::AlignRight);
    grid->addWidget(cb_language, 2, 1);
    grid->addWidget(b_import, 2, 2);
    grid->addWidget(b_main_window, 2, 3);
    grid->setColumnMinimumWidth(4, 24);
    grid->addWidget(l_duplicated_quotes, 0, 5);
    grid->addWidget(l_dup_in_db, 1, 5);
    grid->addWidget(l_new_quotes, 2, 5);
    grid->addWidget(l_format, 3, 0, Qt::AlignRight);
    grid->addWidget(cb_format, 3, 1);
    grid->addWidget(pb_progress, 4, 0, 1, 6);
    grid->setColumnStretch(5, 1);

    auto* input = new QVBoxLayout;
    input->addWidget(Label1);
    input->addWidget(t_to_be_processed, 1);
    auto* result = new QVBoxLayout;
    result->addWidget(Label2);
    result->addWidget(t_parsed, 1);
    auto* texts = new QHBoxLayout;
    texts->addLayout(input, 1);
    texts->addLayout(result, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addLayout(texts, 1);
    column->addWidget(Frame1);

    setTabOrder(t_to_be_processed, b_import_from_file);
    setTabOrder(b_import_from_file, b_process);
    setTabOrder(b_process, c_randomize);
    setTabOrder(c_randomize, Command3);
    setTabOrder(Command3, cb_author);
    setTabOrder(cb_author, Command1);
    setTabOrder(Command1, cb_language);
    setTabOrder(cb_language, cb_format);
    setTabOrder(cb_format, b_import);
    setTabOrder(b_import, b_main_window);
    setTabOrder(b_main_window, t_parsed);

    connect(b_process, &QPushButton::clicked, this, &f_import::b_process_Click);
    connect(b_import_from_file, &QPushButton::clicked, this, &f_import::b_import_from_file_Click);
    connect(b_import, &QPushButton::clicked, this, &f_import::b_import_Click);
    connect(Command1, &QPushButton::clicked, this, &f_import::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &f_import::Command3_Click);
    // Another format chosen: the input is read again in it.
    connect(cb_format, &QComboBox::activated, this, [this] {
        if (!is_blank(input_text())) process();
    });
    // The input typed over is no longer the file's text.
    connect(t_to_be_processed, &QPlainTextEdit::textChanged, this, [this] {
        input_imported_ = false;
        if (loading_) return;
        input_known_ = false;
        source_file_.clear();
        file_notes_.clear();
    });
    connect(b_main_window, &QPushButton::clicked, this, &f_import::b_main_window_Click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this), &QShortcut::activated, b_process,
            &QPushButton::click);
    // Authors saved in the authors window, and languages changed, reach the boxes.
    connect(&ctx_.events, &AppEvents::authors_changed, this, &f_import::set_combo);
    connect(&ctx_.events, &AppEvents::languages_changed, this, &f_import::set_combo);
    t_to_be_processed->setFocus();
}

// ---------------------------------------------------------------------------- lists

void f_import::set_combo() {
    guarded(ctx_.ui, [&] {
        const QStringList names = read_list(*ctx_.list_database, QStringLiteral("select * from authors"), QStringLiteral("name"));
        const QStringList codes = read_list(*ctx_.list_database, QStringLiteral("select * from languages"), QStringLiteral("code"));
        // The texts shown stay (on opening both are empty).
        fill_combo(cb_author, names);
        fill_combo(cb_language, codes);
    });
}

// ---------------------------------------------------------------------------- processing

Database& f_import::work_database() {
    if (!work_db_) work_db_ = Database::open(ctx_.database_path);
    return *work_db_;
}

void f_import::work_done() {
    pb_progress->reset();
    pb_progress->setFormat(QString());
}

void f_import::clear_counters() {
    l_duplicated_quotes->clear();
    l_dup_in_db->clear();
    l_new_quotes->clear();
}

import_formats::Format f_import::format() const { return import_formats::Format(cb_format->currentData().toInt()); }

void f_import::set_format(import_formats::Format f) { cb_format->setCurrentIndex(cb_format->findData(int(f))); }

bool f_import::load_array() {
    quote_import::Result found;
    bool read = guarded(ctx_.ui, [&] { work_database(); });
    if (read) {
        const QString what = tr("Processing as %1...").arg(import_formats::caption(format()));
        const import_formats::Format as = format();
        const QString& input = input_text();
        const QString author = cb_author->currentText();
        const auto outcome = long_work::run(ctx_.ui, *work_db_, what, [&](Database& db, const long_work::Progress& progress) {
            if (!stored_ || !stored_->current()) {
                stored_.reset();
                progress(tr("Reading the collection to compare with..."), 0, 1);
                stored_.emplace(db);
            }
            found = import_formats::process(as, input, source_file_, author, *stored_,
                                            [&](qint64 done, qint64 total) { progress(what, done, total); });
        });
        read = long_work::told(ctx_.ui, outcome, tr("The text could not be processed."));
    }
    work_done();
    if (!read || !found.error.isEmpty()) {
        // Nothing of an input that cannot be read is kept for the import.
        clear_counters();
        parsed_quotes_.clear();
        t_parsed->clear();
        if (read) ctx_.ui.message(found.error, Ui::icon_exclamation);
        return false;
    }
    l_duplicated_quotes->setText(found.duplicated_in_input_caption());
    l_dup_in_db->setText(found.duplicated_in_database_caption());
    l_new_quotes->setText(found.new_quotes_caption());
    parsed_quotes_ = std::move(found.quotes);
    found.notes.insert(found.notes.begin(), file_notes_.begin(), file_notes_.end());
    const QString report = found.report();
    if (!report.isEmpty()) show_text_file(ctx_.ui, report, quote_import::line_break, QStringLiteral("Sentara - Import report"));
    return true;
}

const QString& f_import::input_text() {
    if (!input_known_) {
        input_ = t_to_be_processed->toPlainText();
        input_known_ = true;
    }
    return input_;
}

void f_import::show_listing(bool sorted) {
    QString text;
    long_work::run(ctx_.ui, tr("Listing the quotations..."), [&](const long_work::Progress&) {
        text = quote_import::listing(parsed_quotes_, sorted, QStringLiteral("\n"));
    });
    fill_text_box(ctx_.ui, *t_parsed, text, false, tr("Listing the quotations..."));
}

void f_import::list_parsed_sorted() {
    if (load_array()) show_listing(true);
}

void f_import::shuffle_parsed() {
    quote_import::shuffle(parsed_quotes_, ctx_.rng);
    show_listing(false);
}

void f_import::process() {
    if (is_blank(input_text())) {
        ctx_.ui.message(tr(text_missing));
        return;
    }
    if (c_randomize->isChecked()) {
        // The sorted listing would be replaced at once by the random one.
        if (load_array()) shuffle_parsed();
    } else {
        list_parsed_sorted();
    }
}

void f_import::b_process_Click() { process(); }

// ---------------------------------------------------------------------------- files

void f_import::b_import_from_file_Click() {
    const QString chosen = ctx_.ui.open_file(tr("Select the text file with the quotes to import"),
                                             tr("Quotations (*.txt;*.csv;*.tsv;*.wri;*.dat)|*.txt;*.csv;*.tsv;*.wri;*.dat|"
                                                "All files (*)|*"),
                                             folder_of(get_setting(QStringLiteral("last_import_path"))), QString());
    if (chosen.trimmed().isEmpty()) return;
    save_setting(QStringLiteral("last_import_path"), chosen);
    Import_from_file(chosen);
}

void f_import::Import_from_file(const QString& path) {
    quote_import::FileText file;
    import_formats::Format guessed = import_formats::Format::text;
    QString lines;
    // A long file takes a moment to read and decode.
    long_work::run(ctx_.ui, tr("Reading %1...").arg(path), [&](const long_work::Progress&) {
        file = quote_import::read_text_file(path);
        if (!file.error.isEmpty() || is_blank(file.text)) return;
        guessed = import_formats::guess(path, file.text);
        lines = as_box_lines(file.text);
        if (!lines.isEmpty() && !lines.endsWith(u'\n')) lines += u'\n';
    });
    if (!file.error.isEmpty()) {
        ctx_.ui.message(file.error, Ui::icon_exclamation);
        return;
    }
    if (is_blank(file.text)) {
        ctx_.ui.message(import_formats::empty_message(path), Ui::icon_exclamation);
        return;
    }
    const QString& text = input_text();
    const bool replace = guessed != import_formats::Format::text;
    if (replace && !is_blank(text) &&
        ctx_.ui.message(tr("The file '%1' is read as %2: it takes the place of the input text.")
                            .arg(path, import_formats::caption(guessed)),
                        Ui::ok_cancel | Ui::icon_question) != Ui::ok)
        return;
    // Text lines go after what the box holds, each on a line of its own; a file of another
    // format is read whole, its line numbers as the messages give them.
    const bool append = !replace && !text.isEmpty();
    source_file_ = append ? QString() : path;
    if (append && !text.endsWith(u'\n')) lines.prepend(u'\n');
    {
        FlagScope quiet(loading_);
        QString whole = append ? text + lines : lines;
        fill_text_box(ctx_.ui, *t_to_be_processed, append ? lines : whole, append,
                      tr("Putting the file's text into the input box..."));
        input_ = std::move(whole);
        input_known_ = true;
    }
    file_notes_ = file.notes;
    // The format guessed is shown before the work begins; another choice reads the text again.
    set_format(guessed);
    ctx_.ui.yield();
    process();
}

// ---------------------------------------------------------------------------- import

void f_import::b_import_Click() {
    const quote_import::Missing missing = quote_import::count_missing(parsed_quotes_);
    const QString author = cb_author->currentText().trimmed();
    QString language = cb_language->currentText().trimmed();
    if (missing.without_author > 0 && author.isEmpty()) {
        ctx_.ui.message(QCoreApplication::translate("quote_import", qPrintable(quote_import::author_missing_message)));
        return;
    }
    if (missing.without_language > 0 && language.isEmpty()) {
        ctx_.ui.message(QCoreApplication::translate("quote_import", qPrintable(quote_import::language_missing_message)));
        return;
    }
    if (missing.without_language > 0) {
        // A language the database lacks would give quotations no filter can find.
        bool known = false;
        if (!guarded(ctx_.ui, [&] {
                const auto rs = ctx_.database->open_recordset(QStringLiteral("Select * from languages where code = '") +
                                                              sql_escape_text(language) + u'\'');
                known = !rs->eof();
                if (known) language = rs->text(QStringLiteral("code"));
            }))
            return;
        if (!known) {
            ctx_.ui.message(QStringLiteral("Language \"%1\" is not in the database: choose one from the list, or add it "
                                           "in the languages window.")
                                .arg(language),
                            Ui::icon_exclamation);
            return;
        }
    }
    if (missing.with_language > 0 && !language.isEmpty())
        ctx_.ui.message(quote_import::default_language_notice(language), Ui::icon_information);

    quote_import::Outcome done;
    if (!guarded(ctx_.ui, [&] { work_database(); })) return;
    const QString what = tr("Importing %1 quotations...").arg(parsed_quotes_.size());
    const auto outcome = long_work::run(ctx_.ui, *work_db_, what, [&](Database& db, const long_work::Progress& progress) {
        if (!stored_) stored_.emplace();
        done = quote_import::import_quotes(db, *stored_, parsed_quotes_, {author, QString(), language},
                                           [&](qint64 n, qint64 total) { progress(what, n, total); });
    });
    work_done();
    // Stopped or failed, nothing was added.
    if (!long_work::told(ctx_.ui, outcome, tr("The quotations could not be imported; none was added."))) return;
    QString message = quote_import::added_message(done.added);
    const QString report = done.report();
    if (!report.isEmpty())
        message += tr("\n\nNew authors: %1. New subjects: %2. Their names are listed in the report.")
                       .arg(done.new_authors.size())
                       .arg(done.new_subjects.size());
    ctx_.ui.message(message);
    if (!report.isEmpty()) show_text_file(ctx_.ui, report, quote_import::line_break, QStringLiteral("Sentara - Import report"));
    clear_counters();
    input_imported_ = true;
    // The lists of every window follow: authors, subjects ("-" may be new), quotations.
    if (!done.new_authors.isEmpty()) ctx_.events.author_was_changed(QString(), done.new_authors.last());
    if (!done.new_subjects.isEmpty()) ctx_.events.subject_was_changed(QString(), done.new_subjects.last());
    else if (done.default_subject_added) ctx_.events.subject_was_changed(QString(), QStringLiteral("-"));
    if (done.added > 0) ctx_.events.quotes_were_changed();
    if (ctx_.main_window_open()) emit ctx_.events.quote_list_reread_requested();
}

// ---------------------------------------------------------------------------- other buttons

void f_import::Command1_Click() {
    ctx_.author_requested_from_main = false;
    show_authors_window(ctx_, cb_author->currentText());
}

void f_import::Command3_Click() {
    t_to_be_processed->clear();
    t_parsed->clear();
}

void f_import::b_main_window_Click() { bring_main_window_forward(ctx_); }

// ---------------------------------------------------------------------------- leaving

void f_import::uscita() { close(); }

void f_import::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        uscita();
        return;
    }
    QWidget::keyPressEvent(event);
}

void f_import::closeEvent(QCloseEvent* event) {
    // Text pasted or typed and not yet imported is not thrown away unasked (the window also
    // closes when another database is opened).
    if (!input_imported_ && !is_blank(input_text()) &&
        ctx_.ui.ask(tr("The input text has not been imported. Close the import window and lose it?"), tr("Close"),
                    tr("Cancel")) != Ui::ok) {
        event->ignore();
        return;
    }
    event->accept();
    stored_.reset();
    work_db_.reset();
    window_closed(ctx_, AppEvents::import_window);
}

void show_import_window(AppContext& ctx) {
    auto* window = qobject_cast<f_import*>(ctx.events.window(AppEvents::import_window));
    if (!window) window = new f_import(ctx);  // it goes when it is closed
    window->show();
    ctx.ui.yield();
    window->raise();
    window->activateWindow();
}
