// Figures of the import: a hundred thousand new quotations parsed, checked against the collection
// and added, beside the sqlite3 shell's .import of the same rows; the same file processed in
// the import window; the same quotations as CSV beside the shell's .import of that file; and
// Debian's fortune cookies, every file, into a new database.
#include "figures.h"

#include "core/app_context.h"
#include "database/database.h"
#include "database/schema.h"
#include "formats/csv_format.h"
#include "formats/import_formats.h"
#include "formats/quote_import.h"
#include "import_export/f_import.h"
#include "silent_ui.h"

#include <QLocale>
#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

#include <stdexcept>

namespace bench {

namespace {

constexpr int new_quotes = 100000;

double ms_since(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) throw std::runtime_error("cannot write " + path.toStdString());
}

// The same hundred thousand quotations twice: as the program's import text (author in
// parentheses, a directive line under every third one) and as the rows the shell's .import
// reads (tab-separated, every column of the table, the keys after the collection's last one).
struct Input {
    QString text_file, rows_file, csv_file;
};

Input make_input(const Workspace& ws) {
    auto db = Database::open(ws.facts.path, Database::Options{true, true});
    QStringList authors, subjects;
    for (Statement st = db->prepare(QStringLiteral("SELECT name FROM authors ORDER BY rowid LIMIT 1000")); st.step();)
        authors << st.column_text(0);
    for (Statement st = db->prepare(QStringLiteral("SELECT subject FROM subjects ORDER BY rowid")); st.step();)
        subjects << st.column_text(0);
    const qint64 last_key = db->scalar(QStringLiteral("SELECT max(key) FROM quotes")).toLongLong();
    const QStringList words = {QStringLiteral("patience"), QStringLiteral("river"),  QStringLiteral("memory"),
                               QStringLiteral("courage"),  QStringLiteral("winter"), QStringLiteral("silence"),
                               QStringLiteral("harvest"),  QStringLiteral("lantern")};
    QString text, rows, csv = csv_format::line({csv_format::text_column, csv_format::author_column, csv_format::subject_column,
                                                csv_format::language_column, csv_format::rate_column}) +
                              u'\n';
    for (int i = 0; i < new_quotes; ++i) {
        const QString quote = QStringLiteral("Thought %1 on %2, %3 and the %4 that follows every %5 of the year")
                                  .arg(i)
                                  .arg(words[i % 8], words[(i / 8) % 8], words[(i / 64) % 8], words[(i / 512) % 8]);
        const QString& author = authors[i % authors.size()];
        const bool detailed = i % 3 == 0;
        const QString subject = detailed ? subjects[i % subjects.size()] : QStringLiteral("-");
        const QString rate = detailed ? QString::number(1 + i % 3) : QString();
        text += quote + QStringLiteral(" (") + author + QStringLiteral(")\n");
        if (detailed) text += QStringLiteral(".Subj=") + subject + QStringLiteral(" .Rate=") + rate + QStringLiteral(" .Lang=EN\n");
        rows += QStringList{QString::number(last_key + 1 + i), quote, author, subject, QStringLiteral("EN"), QString(), rate,
                            QString()}
                    .join(u'\t') +
                u'\n';
        csv += csv_format::line({quote, author, subject, QStringLiteral("EN"), rate}) + u'\n';
    }
    Input in{ws.program_folder + QStringLiteral("/import-100k.txt"), ws.program_folder + QStringLiteral("/import-100k.tsv"),
             ws.program_folder + QStringLiteral("/import-100k.csv")};
    write(in.text_file, text.toUtf8());
    write(in.rows_file, rows.toUtf8());
    write(in.csv_file, csv.toUtf8());
    return in;
}

qint64 count_quotes(const QString& path) {
    return Database::open(path, Database::Options{true, true})->scalar(QStringLiteral("SELECT count(*) FROM quotes")).toLongLong();
}

// A file of another format read, checked against the database and its quotations added, as the
// import window and --import do; the quotations added.
int import_file(Database& db, quote_import::Catalogue& stored, import_formats::Format format, const QString& file,
                QString& failure) {
    const quote_import::FileText text = quote_import::read_text_file(file);
    if (!text.error.isEmpty()) {
        failure = text.error;
        return 0;
    }
    const quote_import::Result found = import_formats::process(format, text.text, file, QString(), stored);
    if (!found.error.isEmpty()) {
        failure = found.error;
        return 0;
    }
    return quote_import::import_quotes(db, stored, found.quotes, {QString(), QString(), QStringLiteral("EN")}).added;
}

// The same 100k quotations as CSV, beside the sqlite3 shell's .import of that file.
Figure csv_figure(const Workspace& ws, const Input& in, const QString& shell, qint64 before) {
    Figure f;
    f.name = QStringLiteral("import of a 100k-row CSV file: read, presence check, insert");
    f.size = ws.facts.name;
    f.target = Target::ratio(2.0);
    if (shell.isEmpty()) f.not_measured = QStringLiteral("the sqlite3 shell is not installed");
    for (int i = 0; i < ws.repeats && f.not_measured.isEmpty() && f.failure.isEmpty(); ++i) {
        const QString path = fresh_copy(ws, QStringLiteral("import-csv.mdb"));
        {
            auto db = Database::open(path);
            QElapsedTimer timer;
            timer.start();
            quote_import::Catalogue stored(*db);
            const int added = import_file(*db, stored, import_formats::Format::csv, in.csv_file, f.failure);
            f.runs.push_back(ms_since(timer));
            if (f.failure.isEmpty() && added != new_quotes) f.failure = QStringLiteral("%1 quotations added, not %2").arg(added).arg(new_quotes);
        }
        // The shell's .import of the same file, row by row into the quotations as the text
        // figure's floor has it: through a view of the five columns (the header skipped), in a copy too.
        const QString copy = fresh_copy(ws, QStringLiteral("import-csv-shell.mdb"));
        QProcess p;
        QElapsedTimer timer;
        timer.start();
        p.start(shell, {QStringLiteral("-batch"), copy});
        p.write(QStringLiteral("CREATE TEMP VIEW csv_in (text, author, subject, language, rate) AS SELECT text, author, "
                               "subject, language, rate FROM quotes;\n"
                               "CREATE TEMP TRIGGER csv_in_add INSTEAD OF INSERT ON csv_in BEGIN INSERT INTO quotes (text, "
                               "author, subject, language, rate) VALUES (new.text, new.author, new.subject, new.language, "
                               "nullif(new.rate, '')); END;\n"
                               ".import --csv --skip 1 '%1' csv_in\n")
                    .arg(in.csv_file)
                    .toUtf8());
        p.closeWriteChannel();
        if (!p.waitForFinished(120000) || p.exitCode() != 0)
            f.failure = QStringLiteral("the shell's .import failed: ") + QString::fromUtf8(p.readAllStandardError()).left(200);
        f.floor_runs.push_back(ms_since(timer));
        if (f.failure.isEmpty() && count_quotes(copy) != before + new_quotes) f.failure = QStringLiteral("the shell's copy does not hold them all");
        for (const QString& file : {path, copy}) QFile::remove(file);
    }
    f.note = QStringLiteral("the columns text, author, subject, language, rate, added to the %1 stored; floor: sqlite3 -batch "
                            ".import --csv of the same file into the quotations, through a view of its five columns (the shell "
                            "started included); each row's insert costs most, its search index kept by trigger")
                 .arg(before);
    return f;
}

// Every file of Debian's fortunes packages (the fortunes package has about 15,000 cookies; the
// indexes beside them and the .u8 links are left out) into a new, empty database.
Figure fortunes_figure(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("import of Debian's fortune files into a new database");
    f.size = QStringLiteral("fortunes");
    f.target = Target::ms(5000);
    const QString folder = QStringLiteral("/usr/share/games/fortunes");
    QStringList files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = it.next();
        if (!file.endsWith(QLatin1String(".dat")) && !file.endsWith(QLatin1String(".u8")) && !QFileInfo(file).isSymLink())
            files << file;
    }
    // The fortunes package, not only the few files fortune-mod brings with it.
    if (!QFileInfo::exists(folder + QStringLiteral("/computers"))) {
        f.not_measured = QStringLiteral("Debian's fortunes package is not installed (%1 file(s) in %2)").arg(files.size()).arg(folder);
        return f;
    }
    int added = 0;
    for (int i = 0; i < ws.repeats && f.failure.isEmpty(); ++i) {
        const QString path = ws.program_folder + QStringLiteral("/fortunes.mdb");
        QFile::remove(path);
        schema::create_database(path, false);
        auto db = Database::open(path);
        QElapsedTimer timer;
        timer.start();
        quote_import::Catalogue stored(*db);
        added = 0;
        for (const QString& file : files) {
            added += import_file(*db, stored, import_formats::Format::fortune, file, f.failure);
            if (!f.failure.isEmpty()) break;
        }
        f.runs.push_back(ms_since(timer));
        db.reset();
        QFile::remove(path);
    }
    f.note = QStringLiteral("%1 files, %2 cookies added (repeats within them skipped), each file read, checked against what "
                            "the files before added, and added in a transaction of its own")
                 .arg(files.size())
                 .arg(added);
    return f;
}

}  // namespace

std::vector<Figure> import_figures(const Workspace& ws) {
    Figure engine, window;
    engine.name = QStringLiteral("import of 100k new quotations: parse, presence check, insert");
    window.name = QStringLiteral("import window: a 100k-line file loaded and processed");
    engine.size = window.size = ws.facts.name;
    engine.target = Target::ratio(2.0);
    window.target = Target::ms(3000);
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty()) engine.not_measured = QStringLiteral("the sqlite3 shell is not installed");
    const Input in = make_input(ws);
    const qint64 before = count_quotes(ws.facts.path);
    std::vector<double> parse_runs;

    for (int i = 0; i < ws.repeats && engine.not_measured.isEmpty(); ++i) {
        // The program's import, on a copy of its own: the file read, parsed against what is
        // stored, and its quotations added in one transaction.
        const QString path = fresh_copy(ws, QStringLiteral("import.mdb"));
        {
            auto db = Database::open(path);
            QElapsedTimer timer;
            timer.start();
            const quote_import::FileText file = quote_import::read_text_file(in.text_file);
            quote_import::Catalogue stored(*db);
            const quote_import::Result found = quote_import::load_array(file.text, QString(), stored);
            parse_runs.push_back(ms_since(timer));
            const quote_import::Outcome done = quote_import::import_quotes(*db, stored, found.quotes, {QString(), QString(), QStringLiteral("EN")});
            engine.runs.push_back(ms_since(timer));
            if (done.added != new_quotes)
                engine.failure = QStringLiteral("%1 quotations added, not %2 (%3 found)").arg(done.added).arg(new_quotes).arg(found.quotes.size());
        }
        if (count_quotes(path) != before + new_quotes) engine.failure = QStringLiteral("the program's copy does not hold them all");

        // The shell's own .import of the same rows into the same table of another copy.
        const QString copy = fresh_copy(ws, QStringLiteral("import-shell.mdb"));
        QProcess p;
        QElapsedTimer timer;
        timer.start();
        p.start(shell, {QStringLiteral("-batch"), copy});
        p.write(QStringLiteral(".mode tabs\n.import '%1' quotes\n").arg(in.rows_file).toUtf8());
        p.closeWriteChannel();
        if (!p.waitForFinished(120000) || p.exitCode() != 0)
            engine.failure = QStringLiteral("the shell's .import failed: ") + QString::fromUtf8(p.readAllStandardError()).left(200);
        engine.floor_runs.push_back(ms_since(timer));
        if (count_quotes(copy) != before + new_quotes) engine.failure = QStringLiteral("the shell's copy does not hold them all");
        for (const QString& f : {path, copy}) QFile::remove(f);
    }
    engine.note = QStringLiteral("%1 quotations added to the %2 stored, %3 ms of it reading and parsing; floor: sqlite3 "
                                 "-batch with .mode tabs and .import of the same rows (the shell started included)")
                      .arg(new_quotes)
                      .arg(before)
                      .arg(median_of(parse_runs), 0, 'f', 0);

    // The window: the file loaded into the input box, processed against the collection, listed
    // sorted, and painted.
    const QString path = fresh_copy(ws, QStringLiteral("import-window.mdb"));
    SilentUi ui;
    std::unique_ptr<AppContext> program = program_context(ui, ws, path);
    AppContext& ctx = *program;
    for (int i = 0; i < ws.repeats; ++i) {
        auto* w = new f_import(ctx);
        w->show();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        w->Import_from_file(in.text_file);
        w->t_parsed->viewport()->repaint();
        w->t_to_be_processed->viewport()->repaint();
        QApplication::processEvents();
        window.runs.push_back(ms_since(timer));
        if (w->l_new_quotes->text() != QStringLiteral("New quotes: %1").arg(QLocale().toString(new_quotes)))
            window.failure = QStringLiteral("the window shows \"%1\"").arg(w->l_new_quotes->text());
        delete w;
    }
    if (!ui.shown.isEmpty()) window.failure = QStringLiteral("%1 box(es) shown: \"%2\"").arg(ui.shown.size()).arg(ui.shown.first());
    window.note = QStringLiteral("the file read into the input box, processed against the %1 stored, the sorted listing shown").arg(before);
    program.reset();
    const Figure csv = csv_figure(ws, in, shell, before);
    for (const QString& f : {path, in.text_file, in.rows_file, in.csv_file}) QFile::remove(f);
    return {engine, window, csv, fortunes_figure(ws)};
}

}  // namespace bench
