#include "figures.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/random_quote.h"
#include "core/settings.h"
#include "core/startup.h"
#include "database/database.h"
#include "database/grid_keys.h"
#include "database/random_order.h"
#include "database/recordset.h"
#include "engine.h"
#include "floors.h"
#include "main_window/edit_area.h"
#include "main_window/f_main.h"
#include "main_window/filter_area.h"
#include "main_window/quote_list.h"
#include "widgets/grid_binding.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>

#include <cstdio>
#include <functional>
#include <stdexcept>

namespace bench {

double ms_since_start(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

namespace {

double ms_since(const QElapsedTimer& t) { return ms_since_start(t); }

void copy_file(const QString& from, const QString& to) {
    QFile::remove(to);
    if (!QFile::copy(from, to)) throw std::runtime_error("cannot copy " + from.toStdString() + " to " + to.toStdString());
    QFile f(to);
    f.setPermissions(f.permissions() | QFileDevice::WriteOwner);
}

void set_age(const QString& path, qint64 seconds) {
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || !f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime))
        throw std::runtime_error("cannot set the time of " + path.toStdString());
}

// Pictures for the authors that name one, so that rows show real pictures of several sizes.
void make_author_pictures(const Workspace& ws) {
    const QString folder = ws.program_folder + QStringLiteral("/images");
    if (QFileInfo::exists(folder)) return;
    QDir().mkpath(folder);
    PlainEngine engine(ws.db_path);
    int i = 0;
    for (const auto& r : engine.rows(QStringLiteral("SELECT picture FROM authors WHERE picture IS NOT NULL LIMIT 5000"))) {
        const QString name = r[0].toString();
        if (name.contains(u'/') || name.isEmpty()) continue;
        QImage picture(160 + (i % 5) * 40, 200 + (i % 3) * 50, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv((i * 37) % 360, 80, 220));
        picture.save(folder + u'/' + name, name.endsWith(QLatin1String(".gif")) ? "GIF" : "JPG");
        ++i;
    }
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/default.jpg"),
                ws.program_folder + QStringLiteral("/default.jpg"));
}

Figure failed_start(const Workspace& ws, const QString& name) {
    Figure f;
    f.name = name;
    f.size = ws.facts.name;
    f.failure = QStringLiteral("start-up ended the program");
    return f;
}

// A connection for the floors that write: the file's write-ahead log, and commits that wait
// for the disk only at checkpoints, as the program's own connections are set.
void as_a_writer(PlainEngine& engine) {
    engine.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    engine.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
}

}  // namespace

QString shown_text(const SilentUi& ui) {
    QString first = ui.shown.value(0);
    first.replace(u'\n', u' ');
    return QStringLiteral("%1 message(s) shown: \"%2\"").arg(ui.shown.size()).arg(first.left(120));
}

RunningProgram::RunningProgram(const Workspace& ws) {
    ctx = std::make_unique<AppContext>(ui);
    ctx->program_folder = ws.program_folder;
    ctx->rng.seed(20240601);
    ctx->show_main_window = [this] {
        window = std::make_unique<f_main>(*ctx);
        window->show();
        QApplication::processEvents();  // painted, and the first activation's random row
    };
    started = Main(*ctx) == StartResult::started && window;
}

RunningProgram::~RunningProgram() {
    window.reset();
    ctx.reset();
}

void RunningProgram::read_whole_list() {
    for (int i = 0; i < 100000 && window->Data1() && !window->Data1()->fully_read(); ++i) QApplication::processEvents();
}

Workspace make_workspace(const CollectionFacts& facts, const QString& root, const QString& settings_folder) {
    Workspace ws;
    ws.facts = facts;
    ws.settings_folder = settings_folder;
    ws.self = QCoreApplication::applicationFilePath();
    QString folder = facts.name;
    folder.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    ws.program_folder = root + u'/' + folder;
    QDir(ws.program_folder).removeRecursively();
    if (!QDir().mkpath(ws.program_folder)) throw std::runtime_error("cannot create " + ws.program_folder.toStdString());
    QFile marker(ws.program_folder + QStringLiteral("/sentara-portable"));
    if (!marker.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write in " + ws.program_folder.toStdString());
    ws.db_path = ws.program_folder + QStringLiteral("/quotes.mdb");
    copy_file(facts.path, ws.db_path);
    // The usual case: the last backup generation was taken less than 12 hours ago.
    copy_file(facts.path, ws.db_path + QStringLiteral(".old"));
    set_age(ws.db_path + QStringLiteral(".old"), 3600);
    save_setting(QStringLiteral("last_db_file"), ws.db_path);
    return ws;
}

QString fresh_copy(const Workspace& ws, const QString& name) {
    const QString path = ws.program_folder + u'/' + name;
    for (const QString& leftover : {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")}) QFile::remove(leftover);
    if (!QFile::copy(ws.facts.path, path)) throw std::runtime_error("cannot copy the collection to " + path.toStdString());
    QFile(path).setPermissions(QFile(path).permissions() | QFileDevice::WriteOwner);
    return path;
}

std::unique_ptr<AppContext> program_context(Ui& ui, const Workspace& ws, const QString& path) {
    auto ctx = std::make_unique<AppContext>(ui);
    ctx->program_folder = ws.program_folder;
    ctx->database_path = path;
    ctx->database = Database::open(path);
    ctx->list_database = Database::open(path);
    ctx->default_language = QStringLiteral("EN");
    ctx->rng.seed(20240601);
    return ctx;
}

QString grid_sql(const QString& condition, const QString& order) {
    QString sql = QStringLiteral(
        "SELECT Quotes_with_sortable_text.*, Authors.picture FROM Authors INNER JOIN Quotes_with_sortable_text ON "
        "Authors.name = Quotes_with_sortable_text.Author");
    if (!condition.isEmpty()) sql += QStringLiteral(" where ") + condition;
    return sql + QStringLiteral(" order by ") + order;
}

QString engine_sql(const QString& program_sql) {
    static const QRegularExpression like(QStringLiteral(R"(\blike '\*((?:[^'*?#\[]|'')*)\*')"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression table(QStringLiteral(R"(\bquotes\.)"), QRegularExpression::CaseInsensitiveOption);
    QString sql = program_sql;
    sql.replace(like, QStringLiteral("LIKE '%\\1%'"));
    sql.replace(table, QStringLiteral("Quotes_with_sortable_text."));
    return sql;
}

// ---------------------------------------------------------------- start-up

int plain_first_page(PlainEngine& engine) {
    int rows = 0;
    for (const auto& r : engine.rows(QStringLiteral(
             "SELECT q.key FROM quotes q CROSS JOIN author_keys k ON k.name_key = q.author_key ORDER BY q.random, q.key LIMIT 60"))) {
        engine.rows(QStringLiteral("SELECT q.key, q.text, q.author, q.subject, q.language, q.notes, q.rate, k.picture FROM quotes q "
                                   "LEFT JOIN author_keys k ON k.name_key = q.author_key WHERE q.key = %1")
                        .arg(r[0].toLongLong()));
        ++rows;
    }
    return rows;
}

int start_floor_child(const QString& path) {
    try {
        PlainEngine engine(path);
        const int rows = plain_first_page(engine);
        std::printf("shown %d\n", rows);
        std::fflush(stdout);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

namespace {

// A process started and timed until it writes "shown"; -1 when it never does.
double until_shown(const QString& program, const QStringList& args, const QProcessEnvironment& env, QString& error) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    bool shown = false;
    while (!shown && p.waitForReadyRead(120000)) shown = p.readAllStandardOutput().contains("shown");
    const double ms = ms_since(timer);
    p.waitForFinished(60000);
    if (!shown || p.exitCode() != 0) {
        error = QString::fromUtf8(p.readAllStandardError()).simplified().left(100);
        return -1;
    }
    return ms;
}

QProcessEnvironment program_environment(const Workspace& ws, bool& display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    display = env.contains(QStringLiteral("DISPLAY")) || env.contains(QStringLiteral("WAYLAND_DISPLAY"));
    if (display) env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    else env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), ws.settings_folder);
    return env;
}

}  // namespace

std::vector<Figure> startup(const Workspace& ws) {
    // The whole program as a user starts it, in a fresh process each time (libraries, Qt, fonts,
    // the database file's checks and opening, the main window and its first page painted); the
    // floor, a process of its own that opens the file and reads the first page in random order
    // with the fields of its rows. Cold: the file put out of the page cache before each.
    std::vector<Figure> out;
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/sentara");
    bool display = false;
    const QProcessEnvironment env = program_environment(ws, display);
    for (bool cold : {false, true}) {
        Figure f;
        f.name = cold ? QStringLiteral("start-up to first page, cold (file out of the page cache)")
                      : QStringLiteral("start-up to first page, warm");
        if (!ws.wanted(f.name)) continue;
        f.size = ws.facts.name;
        f.target = Target::ms(1000);
        f.paired = true;
        const QString old = ws.db_path + QStringLiteral(".old");
        for (int i = 0; i < ws.repeats + (cold ? 0 : 1); ++i) {
            set_age(old, 3600);
            if (cold) evict_from_page_cache(ws.db_path);
            QString error;
            const double ms = until_shown(program, {QStringLiteral("--quit-when-shown")}, env, error);
            if (ms < 0) f.failure = QStringLiteral("the program did not show its window (%1)").arg(error);
            if (cold) evict_from_page_cache(ws.db_path);
            const double floor = until_shown(ws.self, {QStringLiteral("--start-floor"), ws.db_path}, env, error);
            if (floor < 0) f.failure = QStringLiteral("the floor failed (%1)").arg(error);
            if (!cold && i == 0) continue;  // the first run brings the program's own files into memory
            f.runs.push_back(ms);
            f.floor_runs.push_back(floor);
        }
        f.note = QStringLiteral("floor: a process opening the file, reading the first page in random order and its rows' fields%1")
                     .arg(display ? QString() : QStringLiteral("; no display: offscreen"));
        out.push_back(f);
    }
    return out;
}

Figure startup_with_backup(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("start-up, new .old taken (every 12 h)");
    f.size = ws.facts.name;
    f.target = Target::ratio(2.0);
    const QString old = ws.db_path + QStringLiteral(".old");
    const QString scratch = ws.program_folder + QStringLiteral("/engine-copy.db");
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/sentara");
    bool display = false;
    const QProcessEnvironment env = program_environment(ws, display);
    std::vector<double> copies;
    for (int i = 0; i < ws.repeats; ++i) {
        set_age(old, 13 * 3600);
        QString error;
        const double ms = until_shown(program, {QStringLiteral("--quit-when-shown")}, env, error);
        if (ms < 0) f.failure = QStringLiteral("the program did not show its window (%1)").arg(error);
        f.runs.push_back(ms);
        f.floor_runs.push_back(vacuum_into_and_open(ws.db_path, scratch));
        copies.push_back(copy_and_sync(ws.db_path, scratch));
    }
    f.note = QStringLiteral("floor: VACUUM INTO + open; cp + sync %1 ms").arg(median_of(copies), 0, 'f', 0);
    return f;
}

// ---------------------------------------------------------------- moving about, saving

std::vector<Figure> row_change(const Workspace& ws) {
    // The Down key in the grid, the list read whole as the idle window reads it: the edit area
    // filled, the picture shown, in random order the row moved to the back, the window painted.
    // Floor: the row's fields and its author's picture read by key, and in random order the
    // UPDATE that moves it back, committed.
    std::vector<Figure> out;
    make_author_pictures(ws);
    struct Order {
        QString name;
        int column;
    };
    std::vector<std::vector<qint64>> shown_keys;
    RunningProgram program(ws);
    if (!program.started) return {failed_start(ws, QStringLiteral("row change"))};
    f_main& w = *program.window;
    for (const Order& order : {Order{QStringLiteral("random order"), -1}, Order{QStringLiteral("by author"), 1}}) {
        Figure f;
        f.name = QStringLiteral("row change (Down key), ") + order.name;
        if (!ws.wanted(f.name)) continue;
        f.size = ws.facts.name;
        f.target = Target::ms(16);
        w.filters->Clear_all_filters();
        if (order.column >= 0) {
            if (w.list->sort().direction(order.column) == QLatin1String("ASC")) w.list->sort().click(order.column);
            w.filters->sort_by_column(order.column);
        } else if (w.list->sort().column() >= 0) {
            w.filters->back_to_random_order();
        }
        program.read_whole_list();
        w.list->grid->setFocus();
        w.list->binding().go_to(std::min(1000, w.Data1()->record_count() / 2));
        QApplication::processEvents();
        std::vector<qint64> keys;
        const int runs = std::max(60, ws.repeats * 20);
        std::vector<double> handler_runs;
        for (int i = 0; i < runs + 5; ++i) {
            const int before = w.list->grid->currentIndex().row();
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QElapsedTimer timer;
            timer.start();
            QApplication::sendEvent(w.list->grid, &down);
            const double handler = ms_since(timer);
            QApplication::processEvents();
            w.list->grid->viewport()->repaint();
            const double ms = ms_since(timer);
            const int row = w.list->grid->currentIndex().row();
            if (row != before + 1) f.failure = QStringLiteral("the Down key moved from row %1 to %2").arg(before).arg(row);
            const qint64 key = w.Data1()->key_at(row).toLongLong();
            if (w.edit->t_key->text().toLongLong() != key) f.failure = QStringLiteral("the edit area does not show the current row");
            if (i < 5) continue;  // the first rows warm the caches
            f.runs.push_back(ms);
            handler_runs.push_back(handler);
            keys.push_back(key);
        }
        if (!program.ui.shown.isEmpty()) f.failure = shown_text(program.ui);
        f.note = QStringLiteral("%1 rows, median %2 ms before painting").arg(runs).arg(median_of(handler_runs), 0, 'f', 1);
        shown_keys.push_back(keys);
        out.push_back(f);
    }
    program.window.reset();
    program.ctx.reset();
    // The floor's own work afterwards, on the same file: its commits would otherwise be another
    // program's to the window, which reads again what they may have changed.
    PlainEngine engine(ws.db_path);
    as_a_writer(engine);
    for (size_t o = 0; o < out.size(); ++o) {
        const bool random = out[o].name.endsWith(QLatin1String("random order"));
        for (const qint64 key : shown_keys[o]) {
            QElapsedTimer timer;
            timer.start();
            engine.rows(QStringLiteral("SELECT q.key, q.text, q.author, q.subject, q.language, q.notes, q.rate, k.picture FROM quotes q "
                                       "LEFT JOIN author_keys k ON k.name_key = q.author_key WHERE q.key = %1")
                            .arg(key));
            if (random) engine.exec(QStringLiteral("UPDATE quotes SET random = random + 1 WHERE key = %1").arg(key));
            out[o].floor_runs.push_back(ms_since(timer));
        }
        out[o].note += random ? QStringLiteral("; floor: the row read by key, its UPDATE of random committed")
                              : QStringLiteral("; floor: the row read by key");
    }
    return out;
}

std::vector<Figure> save_and_delete(const Workspace& ws) {
    // A note typed and saved, then the quotation deleted, through the edit area's buttons as the
    // user clicks them (the question answered OK), painting included, in random order and in
    // three sorted orders, the list read whole first as the idle window reads it. Floor: one
    // plain UPDATE or DELETE of the row, committed, on the same file (its triggers fire).
    Figure save, remove;
    save.name = QStringLiteral("save of one quotation (Save button)");
    remove.name = QStringLiteral("delete of one quotation (Delete button)");
    for (Figure* f : {&save, &remove}) {
        f->size = ws.facts.name;
        f->target = Target::ms(16);
    }
    std::vector<qint64> saved_keys, deleted_keys;
    {
        RunningProgram program(ws);
        if (!program.started) {
            save.failure = remove.failure = QStringLiteral("start-up ended the program");
            return {save, remove};
        }
        f_main& w = *program.window;
        quint32 seed = 5;
        const int per_order = std::max(4, ws.repeats * 2);
        QStringList by_order;
        for (int column : {-1, 1, 2, 6}) {
            w.filters->Clear_all_filters();
            if (column >= 0) {
                if (w.list->sort().direction(column) == QLatin1String("ASC")) w.list->sort().click(column);
                w.filters->sort_by_column(column);
            } else if (w.list->sort().column() >= 0) {
                w.filters->back_to_random_order();
            }
            std::vector<double> saves, deletes;
            for (int i = 0; i < per_order; ++i) {
                program.read_whole_list();
                const int count = w.Data1()->record_count();
                seed = seed * 1664525u + 1013904223u;
                w.list->binding().go_to(int((seed >> 8) % quint32(count)));
                QApplication::processEvents();
                const qint64 key = w.edit->t_key->text().toLongLong();
                const QString note = QStringLiteral("saved %1 %2").arg(column).arg(i);
                w.edit->t_note->setText(note);
                QElapsedTimer timer;
                timer.start();
                w.edit->b_save->click();
                QApplication::processEvents();
                saves.push_back(ms_since(timer));
                saved_keys.push_back(key);
                if (program.ctx->database->scalar(QStringLiteral("SELECT notes FROM quotes WHERE key = %1").arg(key)).toString() != note)
                    save.failure = QStringLiteral("the note was not saved");

                program.read_whole_list();
                const qint64 doomed = w.edit->t_key->text().toLongLong();
                timer.start();
                w.edit->b_delete->click();
                QApplication::processEvents();
                deletes.push_back(ms_since(timer));
                if (program.ctx->database->scalar(QStringLiteral("SELECT count(*) FROM quotes WHERE key = %1").arg(doomed)).toInt() != 0)
                    remove.failure = QStringLiteral("the quotation was not deleted");
            }
            save.runs.insert(save.runs.end(), saves.begin(), saves.end());
            remove.runs.insert(remove.runs.end(), deletes.begin(), deletes.end());
            by_order << QStringLiteral("%1 %2/%3")
                            .arg(column < 0 ? QStringLiteral("random") : QString::number(column))
                            .arg(median_of(saves), 0, 'f', 1)
                            .arg(median_of(deletes), 0, 'f', 1);
        }
        QStringList unexpected;
        for (const QString& s : program.ui.shown)
            if (!s.startsWith(QLatin1String("Do you really want to delete quote"))) unexpected << s;
        if (!unexpected.isEmpty()) save.failure = QStringLiteral("message shown: ") + unexpected.first().left(100);
        save.note = remove.note = QStringLiteral("median ms save/delete by order (random, author, text, note): ") +
                                  by_order.join(QStringLiteral(", "));
        // Rows the floor deletes: others, still there.
        Statement st = program.ctx->database->prepare(QStringLiteral("SELECT key FROM quotes WHERE key % 997 = 3 LIMIT ") +
                                                      QString::number(save.runs.size()));
        while (st.step()) deleted_keys.push_back(st.column_int64(0));
    }
    PlainEngine engine(ws.db_path);
    as_a_writer(engine);
    for (const qint64 key : saved_keys) {
        QElapsedTimer timer;
        timer.start();
        engine.exec(QStringLiteral("UPDATE quotes SET notes = 'floor' WHERE key = %1").arg(key));
        save.floor_runs.push_back(ms_since(timer));
    }
    for (const qint64 key : deleted_keys) {
        QElapsedTimer timer;
        timer.start();
        engine.exec(QStringLiteral("DELETE FROM quotes WHERE key = %1").arg(key));
        remove.floor_runs.push_back(ms_since(timer));
    }
    return {save, remove};
}

// ---------------------------------------------------------------- the command line's random quotation

Figure random_command(const Workspace& ws) {
    // What `sentara --random --filter WORD` does once its file is open: next_random_quote, in
    // this process. Floor: the first row of the random order that meets the filter and is
    // listed, then its UPDATE of random, in one committed transaction. Before each call the
    // floor's SELECT tells which quotation the program must give.
    Figure f;
    const QString word = ws.facts.random_word;
    f.name = QStringLiteral("--random --filter %1").arg(word);
    f.size = ws.facts.name;
    f.target = Target::ms(50);
    f.paired = true;
    auto db = Database::open(ws.db_path);
    random_order::Generator rng(20240601);
    RandomChoice choice;
    choice.filter.text = word;
    PlainEngine engine(ws.db_path);
    as_a_writer(engine);
    // The first listed row in random order that holds the word: the planner left to itself, or
    // held to the random order's index (walked until a row holds the word).
    const QString like = sql_literal(u'%' + word + u'%');
    const QString columns = QStringLiteral("q.key, q.text, q.author, q.subject, q.language, q.notes, q.rate");
    Floor first({{QStringLiteral("planner's choice"),
                  QStringLiteral("SELECT %1 FROM quotes q CROSS JOIN author_keys k ON k.name_key = q.author_key WHERE q.text LIKE %2 "
                                 "ORDER BY q.random, q.key LIMIT 1")
                      .arg(columns, like)},
                 {QStringLiteral("by the random order's index"),
                  QStringLiteral("SELECT %1 FROM quotes q INDEXED BY quotes_by_random_key CROSS JOIN author_keys k ON k.name_key = "
                                 "q.author_key WHERE q.text LIKE %2 ORDER BY q.random, q.key LIMIT 1")
                      .arg(columns, like)}});
    const auto first_key = [&] {
        first.run(engine);
        return first.rows().empty() ? qint64(-1) : first.rows().front().front().toLongLong();
    };
    const int runs = std::max(20, ws.repeats * 7);
    for (int i = 0; i < runs + 1; ++i) {
        const qint64 expected = first_key();
        QElapsedTimer timer;
        timer.start();
        const std::optional<ShownQuote> q = next_random_quote(*db, rng, choice);
        const double ms = ms_since(timer);
        if (!q) f.failure = QStringLiteral("no quotation given");
        else if (q->key != expected) f.failure = QStringLiteral("the program gave %1, the first in order is %2").arg(q->key).arg(expected);
        else if (!q->text.contains(word, Qt::CaseInsensitive)) f.failure = QStringLiteral("the quotation given does not hold the word");
        timer.start();
        engine.exec(QStringLiteral("BEGIN IMMEDIATE"));
        const qint64 key = first_key();
        engine.exec(QStringLiteral("UPDATE quotes SET random = random + 1 WHERE key = %1").arg(key));
        engine.exec(QStringLiteral("COMMIT"));
        const double floor = ms_since(timer);
        if (i == 0) continue;
        f.runs.push_back(ms);
        f.floor_runs.push_back(floor);
    }
    if (!first.disagreement().isEmpty()) f.failure = first.disagreement();
    f.note = QStringLiteral("%1 calls, each checked against the floor's choice").arg(runs);
    return f;
}

// ---------------------------------------------------------------- sizes

namespace {

qint64 bytes_of(PlainEngine& e, const QString& condition) {
    return e.first_number(QStringLiteral("SELECT coalesce(sum(pgsize), 0) FROM dbstat WHERE ") + condition);
}

}  // namespace

Figure search_index_size(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("search index size (pages, against the quotations' table)");
    f.size = ws.facts.name;
    f.unit = QStringLiteral("MB");
    f.target = Target::ratio(0.7);
    PlainEngine e(ws.facts.path);
    try {
        const qint64 index = bytes_of(e, QStringLiteral("name LIKE 'quotes\\_%\\_search%' ESCAPE '\\'"));
        const qint64 table = bytes_of(e, QStringLiteral("name = 'quotes'"));
        if (index == 0) f.not_measured = QStringLiteral("the file has no search index");
        f.runs.push_back(double(index) / 1048576.0);
        f.floor_runs.push_back(double(table) / 1048576.0);
        f.note = QStringLiteral("floor: the quotations' table (dbstat)%1")
                     .arg(ws.facts.index_seconds > 0 ? QStringLiteral("; built in %1 s").arg(ws.facts.index_seconds, 0, 'f', 1) : QString());
    } catch (const std::exception& error) {
        f.not_measured = QStringLiteral("no dbstat in this SQLite: ") + QString::fromUtf8(error.what()).left(60);
    }
    return f;
}

std::vector<Figure> file_size(const Workspace& ws) {
    // The file with everything the program adds (sort keys, their indexes, the authors' keys,
    // the search index, the triggers) against a compacted copy with the tables alone, and
    // against the file as it came in.
    Figure tables, came_in;
    tables.name = QStringLiteral("file size, against its tables alone");
    came_in.name = QStringLiteral("file size, against the file as it came in");
    for (Figure* f : {&tables, &came_in}) {
        f->size = ws.facts.name;
        f->unit = QStringLiteral("MB");
    }
    tables.target = Target::ratio(1.8);
    const QString scratch = ws.program_folder + QStringLiteral("/tables-alone.db");
    QFile::remove(scratch);
    const qint64 whole = QFileInfo(ws.facts.path).size();
    {
        PlainEngine e(ws.facts.path);
        e.exec(QStringLiteral("VACUUM INTO %1").arg(sql_literal(scratch)));
    }
    {
        PlainEngine e(scratch);
        QStringList drops;
        for (const auto& r : e.rows(QStringLiteral("SELECT type, name FROM sqlite_master WHERE type IN ('trigger', 'index') AND sql IS NOT NULL")))
            drops << QStringLiteral("DROP %1 IF EXISTS \"%2\"").arg(r[0].toString().toUpper(), r[1].toString());
        for (const QString& d : drops) e.exec(d);
        for (const char* t : {"quotes_search", "quotes_text_search", "quotes_notes_search"})
            e.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(t)));
        e.exec(QStringLiteral("DROP TABLE IF EXISTS author_keys"));
        e.exec(QStringLiteral("DROP TABLE IF EXISTS sentara_state"));
        for (const char* column : {"author_key", "subject_key", "language_key", "text_key", "notes_key", "keys_stale"})
            if (e.first_number(QStringLiteral("SELECT count(*) FROM pragma_table_info('quotes') WHERE name = '%1'").arg(QLatin1String(column))) > 0)
                e.exec(QStringLiteral("ALTER TABLE quotes DROP COLUMN %1").arg(QLatin1String(column)));
        e.exec(QStringLiteral("VACUUM"));
    }
    const qint64 alone = QFileInfo(scratch).size();
    QFile::remove(scratch);
    tables.runs.push_back(double(whole) / 1048576.0);
    tables.floor_runs.push_back(double(alone) / 1048576.0);
    came_in.runs.push_back(double(whole) / 1048576.0);
    came_in.floor_runs.push_back(double(ws.facts.source_bytes) / 1048576.0);
    tables.note = QStringLiteral("floor: a compacted copy without any index, trigger, key column, the authors' keys or the search index");
    came_in.note = QStringLiteral("floor: the file as it came in, before the program keyed it%1")
                       .arg(ws.facts.generated ? QStringLiteral(" (as generated: the old layout's indexes, no search index)") : QString());
    return {tables, came_in};
}

Figure migration(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("migration to the keyed layout (grid_keys::add)");
    f.size = ws.facts.name;
    f.runs.push_back(ws.facts.migration_seconds * 1000);
    if (ws.facts.migration_promised_seconds >= 0) {
        f.floor_runs.push_back(ws.facts.migration_promised_seconds * 1000);
        f.note = QStringLiteral("floor: the time its progress promised at its first estimate (\"%1\")")
                     .arg(ws.facts.migration_first_estimate.section(u'.', -2).trimmed());
    } else {
        f.note = QStringLiteral("its progress text gave no estimate");
    }
    if (ws.facts.migration_seconds < 0.5 && ws.facts.quotes <= 50000)
        f.note = QStringLiteral("keyed as the file opened (at most 50,000 quotations)");
    return f;
}

// ---------------------------------------------------------------- memory

Figure peak_memory(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("peak memory, grid open on every quotation");
    f.size = ws.facts.name;
    f.unit = QStringLiteral("MB");
    f.target = Target::mb(300);
    auto child = [&](const QString& kind, QString& failure) -> double {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(ws.self, {QStringLiteral("--memory-child"), kind, ws.db_path, ws.settings_folder, ws.program_folder});
        if (!p.waitForFinished(-1) || p.exitCode() != 0) {
            failure = QStringLiteral("the %1 child process failed").arg(kind);
            return 0;
        }
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        static const QRegularExpression peak(QStringLiteral(R"(peak_kb=(\d+))"));
        const auto m = peak.match(out);
        if (!m.hasMatch()) {
            failure = QStringLiteral("the %1 child process printed no figure").arg(kind);
            return 0;
        }
        return m.captured(1).toDouble() / 1024.0;
    };
    QString failure;
    f.runs.push_back(child(QStringLiteral("program"), failure));
    f.floor_runs.push_back(child(QStringLiteral("engine"), failure));
    f.failure = failure;
    f.note = QStringLiteral("the window in random order then by text, each list read whole and scrolled to the middle and the "
                            "end; floor: a process holding the same two lists' keys and reading a page of rows");
    return f;
}

int memory_child(const QStringList& args) {
    // args: kind, database, settings folder, program folder
    if (args.size() < 4) return 2;
    const QString kind = args[0], db_path = args[1];
    qint64 read = 0;
    if (kind == QLatin1String("engine")) {
        PlainEngine engine(db_path);
        std::vector<qint64> random, by_text;
        for (const auto& r : engine.rows(QStringLiteral("SELECT q.key FROM quotes q CROSS JOIN author_keys k ON k.name_key = q.author_key "
                                                        "ORDER BY q.random, q.key")))
            random.push_back(r[0].toLongLong());
        for (const auto& r : engine.rows(QStringLiteral("SELECT q.key FROM quotes q CROSS JOIN author_keys k ON k.name_key = q.author_key "
                                                        "ORDER BY q.text_key, q.key")))
            by_text.push_back(r[0].toLongLong());
        read = qint64(random.size() + by_text.size()) + plain_first_page(engine);
    } else {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, args[2]);
        Workspace ws;
        ws.program_folder = args[3];
        RunningProgram program(ws);
        if (!program.started || !program.ui.shown.isEmpty()) return 1;
        f_main& w = *program.window;
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) emit w.list->grid->horizontalHeader()->sectionClicked(2);
            program.read_whole_list();
            QScrollBar* bar = w.list->grid->verticalScrollBar();
            for (int at : {bar->maximum() / 2, bar->maximum()}) {
                bar->setValue(at);
                w.list->grid->viewport()->repaint();
            }
            read += w.Data1()->record_count();
        }
    }
    std::printf("peak_kb=%lld read=%lld\n", static_cast<long long>(peak_memory_kb()), static_cast<long long>(read));
    return 0;
}

}  // namespace bench
