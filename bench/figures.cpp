#include "figures.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/settings.h"
#include "core/startup.h"
#include "database/database.h"
#include "database/recordset.h"
#include "engine.h"
#include "main_window/edit_area.h"
#include "main_window/f_main.h"
#include "main_window/filter_area.h"
#include "main_window/quote_list.h"
#include "silent_ui.h"

#include <QApplication>
#include <QPushButton>
#include "widgets/grid_binding.h"
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <cstdio>
#include <functional>
#include <stdexcept>

namespace bench {

namespace {

// Grid figures whose first runs take less than this are run this many times in all.
constexpr double cheap_ms = 50;
constexpr int cheap_runs = 15;

double ms_since(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

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

QString shown_text(const SilentUi& ui) {
    QString first = ui.shown.value(0);
    first.replace(u'\n', u' ');
    return QStringLiteral("%1 message(s) shown: \"%2\"").arg(ui.shown.size()).arg(first.left(120));
}

// The program as a user starts it: start-up, then the real main window, shown (offscreen)
// and painted, its first activation (a random row) done.
struct RunningProgram {
    SilentUi ui;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<f_main> window;
    bool started = false;

    explicit RunningProgram(const Workspace& ws) {
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
    ~RunningProgram() {
        window.reset();
        ctx.reset();
    }
};

// Pictures for the authors that name one, so that rows show real pictures of several sizes.
void make_author_pictures(const Workspace& ws) {
    const QString folder = ws.program_folder + QStringLiteral("/images");
    QDir().mkpath(folder);
    auto db = Database::open(ws.db_path, Database::Options{true, true});
    Statement st = db->prepare(QStringLiteral("SELECT picture FROM authors WHERE picture IS NOT NULL"));
    int i = 0;
    while (st.step()) {
        const QString name = st.column_text(0);
        QImage picture(160 + (i % 5) * 40, 200 + (i % 3) * 50, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv((i * 37) % 360, 80, 220));
        picture.save(folder + u'/' + name, name.endsWith(QLatin1String(".gif")) ? "GIF" : "JPG");
        ++i;
    }
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/default.jpg"),
                ws.program_folder + QStringLiteral("/default.jpg"));
}

}  // namespace

Workspace make_workspace(const CollectionFacts& facts, const QString& root, const QString& settings_folder) {
    Workspace ws;
    ws.facts = facts;
    ws.settings_folder = settings_folder;
    ws.self = QCoreApplication::applicationFilePath();
    ws.program_folder = root + u'/' + size_name(facts.quotes);
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

Figure startup(const Workspace& ws, bool new_backup) {
    // The whole program as a user starts it, in a fresh process each time (libraries, Qt, fonts,
    // the database file's checks, backup and opening, the main window and its first page
    // painted), on the display there is (Xvfb under ./sentara.sh bench).
    Figure f;
    f.name = new_backup ? QStringLiteral("start-up, new .old taken (every 12 h)") : QStringLiteral("start-up to first grid page");
    f.size = size_name(ws.facts.quotes);
    f.target = ws.facts.quotes >= 1000000 ? Target::ratio(2.0) : Target::ms(1000);
    const QString old = ws.db_path + QStringLiteral(".old");
    const QString scratch = ws.program_folder + QStringLiteral("/engine-copy.db");
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/sentara");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const bool display = env.contains(QStringLiteral("DISPLAY")) || env.contains(QStringLiteral("WAYLAND_DISPLAY"));
    if (display) env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    else env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), ws.settings_folder);
    std::vector<double> copies;
    for (int i = 0; i < ws.repeats; ++i) {
        set_age(old, new_backup ? 13 * 3600 : 3600);
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        p.start(program, {QStringLiteral("--quit-when-shown")});
        bool shown = false;
        while (!shown && p.waitForReadyRead(120000)) shown = p.readAllStandardOutput().contains("shown");
        const double ms = ms_since(timer);
        p.waitForFinished(60000);
        if (!shown || p.exitCode() != 0) {
            f.failure = QStringLiteral("the program did not show its window (%1)")
                            .arg(QString::fromUtf8(p.readAllStandardError()).simplified().left(100));
        }
        f.runs.push_back(ms);
        f.floor_runs.push_back(vacuum_into_and_open(ws.db_path, scratch));
        copies.push_back(copy_and_sync(ws.db_path, scratch));
    }
    f.note = QStringLiteral("floor: VACUUM INTO + open; cp + sync %1 ms%2")
                 .arg(median_of(copies), 0, 'f', 0)
                 .arg(display ? QString() : QStringLiteral("; no display: offscreen"));
    return f;
}

std::vector<Figure> requery(const Workspace& ws) {
    // Each case is what a user does in the real window: fields filled, then Filter or a click on
    // a column header, until the first page of the grid is painted. The floor is the engine
    // running the statements the program sent it meanwhile; the whole join, run to its last
    // row by the plain engine, is shown beside it for information.
    struct Case {
        QString name;
        std::function<void(f_main&)> fill;
        int sort_column = -1;
        bool million_only = false;
    };
    const auto text_filter = [&](f_main& w) { w.filters->t_text_filter->setText(ws.facts.text_word); };
    const auto author_filter = [&](f_main& w) { w.filters->cb_author_filter->setEditText(ws.facts.featured_author); };
    const auto rate_range = [](f_main& w) {
        w.filters->cb_rate_filter_from->setCurrentText(QStringLiteral("2"));
        w.filters->cb_rate_filter_to->setCurrentText(QStringLiteral("3"));
    };
    const std::vector<Case> cases = {
        {QStringLiteral("filter: text like '*%1*'").arg(ws.facts.text_word), text_filter},
        {QStringLiteral("filter: author = <one author>"), author_filter},
        {QStringLiteral("filter: rate 2 to 3"), rate_range},
        {QStringLiteral("filter: key = <one key>"),
         [&](f_main& w) { w.filters->t_key_selector->setText(QString::number(ws.facts.middle_key)); }},
        {QStringLiteral("sort: key"), nullptr, 0},
        {QStringLiteral("sort: author"), nullptr, 1},
        {QStringLiteral("sort: text"), nullptr, 2},
        {QStringLiteral("sort: subject"), nullptr, 3},
        {QStringLiteral("sort: rate"), nullptr, 4},
        {QStringLiteral("sort: language"), nullptr, 5},
        {QStringLiteral("sort: note"), nullptr, 6},
        {QStringLiteral("sort: random order"), nullptr, -1},
        {QStringLiteral("search: text, common word"),
         [&](f_main& w) { w.filters->t_text_filter->setText(ws.facts.common_text_word); }, -1, true},
        {QStringLiteral("search: text, rare words"),
         [&](f_main& w) { w.filters->t_text_filter->setText(ws.facts.rare_text_words); }, -1, true},
        {QStringLiteral("search: note, common words"),
         [&](f_main& w) { w.filters->t_note_filter->setText(ws.facts.common_note_words); }, -1, true},
        {QStringLiteral("search: note, rare words"),
         [&](f_main& w) { w.filters->t_note_filter->setText(ws.facts.rare_note_words); }, -1, true},
        {QStringLiteral("filter + sort: author, by author"), author_filter, 1, true},
        {QStringLiteral("filter + sort: text, by text"), text_filter, 2, true},
        {QStringLiteral("filter + sort: rate 2 to 3, by subject"), rate_range, 3, true},
    };
    std::vector<Figure> out;
    RunningProgram program(ws);
    if (!program.started) {
        Figure f;
        f.name = QStringLiteral("grid queries");
        f.size = size_name(ws.facts.quotes);
        f.failure = QStringLiteral("start-up ended the program");
        out.push_back(f);
        return out;
    }
    f_main& w = *program.window;
    PlainEngine engine(ws.db_path, true);
    PlainEngine plain(ws.db_path);
    for (const Case& c : cases) {
        Figure f;
        f.name = QStringLiteral("grid ") + c.name;
        if (!ws.only.isEmpty() && !f.name.contains(ws.only, Qt::CaseInsensitive)) continue;
        if (c.million_only && ws.facts.quotes < 1000000 && ws.only.isEmpty()) continue;
        f.size = size_name(ws.facts.quotes);
        const bool search = c.name.startsWith(QLatin1String("search"));
        // Searches through the substring index are held to 50 ms, beside the engine reading
        // the collection through for the same statement.
        f.target = search ? Target::ms(50) : Target::ratio_or_frame(1.3);
        f.paired = !search;
        qint64 engine_rows = -1;
        int shown = -1;
        std::vector<double> join_runs;
        // A figure of a few milliseconds is measured more often: on a shared machine a few
        // milliseconds of noise would otherwise decide it.
        int runs = ws.repeats;
        for (int i = 0; i < runs; ++i) {
            // Back to every quotation in random order, not timed.
            w.filters->Clear_all_filters();
            w.filters->back_to_random_order();
            if (c.fill) c.fill(w);
            QStringList statements;
            QElapsedTimer timer;
            {
                StatementTrace trace({program.ctx->database->handle(), program.ctx->list_database->handle()});
                timer.start();
                if (c.sort_column >= 0) w.filters->sort_by_column(c.sort_column);
                else w.b_filter_Click();
                w.list->grid->viewport()->repaint();
                f.runs.push_back(ms_since(timer));
                statements = trace.statements;
            }
            shown = w.Data1() ? w.Data1()->record_count() : -1;
            if (!search) f.floor_runs.push_back(replay(engine, statements));  // right after the program's run
            if (i < ws.repeats) {  // the whole join: its first runs will do
                timer.start();
                engine_rows = plain.run(engine_sql(program.ctx->current_quotes_sql));
                join_runs.push_back(ms_since(timer));
            }
            if (search && i < ws.repeats) f.floor_runs.push_back(join_runs.back());
            if (i + 1 == ws.repeats && median_of(f.runs) < cheap_ms) runs = std::max(runs, cheap_runs);
        }
        if (shown != engine_rows)
            f.failure = QStringLiteral("the grid shows %1 rows, the engine's join finds %2").arg(shown).arg(engine_rows);
        if (!program.ui.shown.isEmpty()) f.failure = shown_text(program.ui);
        f.note = search ? QStringLiteral("%1 rows; floor: the engine reading the collection through").arg(shown)
                        : QStringLiteral("%1 rows; the whole join %2 ms").arg(shown).arg(median_of(join_runs), 0, 'f', 1);
        std::fprintf(stderr, "  %s\n", qPrintable(f.name));
        out.push_back(std::move(f));
    }
    return out;
}

Figure random_command(const Workspace& ws) {
    // sentara --random as a shell start-up file runs it: a fresh process each time, start to
    // exit; beside it the engine running the same two statements (the choice and the rotation).
    Figure f;
    f.name = QStringLiteral("sentara --random, whole process");
    f.size = size_name(ws.facts.quotes);
    f.target = Target::ms(50);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/sentara");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), ws.settings_folder);
    PlainEngine engine(ws.db_path, true);
    QSet<QString> shown;
    const int runs = std::max(10, ws.repeats * 4);
    for (int i = 0; i < runs + 1; ++i) {
        QProcess p;
        p.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        p.start(program, {QStringLiteral("--random"), QStringLiteral("--database"), ws.db_path, QStringLiteral("--format"),
                          QStringLiteral("json")});
        p.waitForFinished(30000);
        const double ms = ms_since(timer);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        if (p.exitCode() != 0 || !out.contains(QLatin1String("\"key\""))) f.failure = QStringLiteral("no quotation printed");
        if (i == 0) continue;  // the first run brings the program's files into memory
        f.runs.push_back(ms);
        shown.insert(out);
        timer.start();
        const qint64 key = engine.first_number(QStringLiteral(
            "SELECT key, text, author, subject, language, notes, rate FROM Quotes_with_sortable_text ORDER BY "
            "Quotes_with_sortable_text.random LIMIT 1"));
        engine.exec(QStringLiteral("UPDATE quotes SET random = random + 1 WHERE key = %1").arg(key));
        f.floor_runs.push_back(ms_since(timer));
    }
    if (int(shown.size()) != runs) f.failure = QStringLiteral("a quotation came twice in %1 calls").arg(runs);
    f.note = QStringLiteral("%1 calls, each a quotation of its own; floor: the engine's choice and rotation").arg(runs);
    return f;
}

Figure search_index_size(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("search index size");
    f.size = size_name(ws.facts.quotes);
    f.unit = QStringLiteral("MB");
    f.runs.push_back(double(ws.facts.search_index_bytes) / (1024.0 * 1024.0));
    const qint64 text = PlainEngine(ws.db_path).first_number(
        QStringLiteral("SELECT sum(length(CAST(text AS BLOB))) + sum(coalesce(length(CAST(notes AS BLOB)), 0)) FROM quotes"));
    f.floor_runs.push_back(double(text) / (1024.0 * 1024.0));
    f.note = QStringLiteral("floor: the text and notes themselves%1")
                 .arg(ws.facts.index_seconds > 0 ? QStringLiteral("; built in %1 s").arg(ws.facts.index_seconds, 0, 'f', 1) : QString());
    return f;
}

std::vector<Figure> save_and_delete(const Workspace& ws) {
    // A note typed and saved, then a quotation deleted, at random rows of the grid in every
    // order the headers give; each through the window's own buttons, painting included. Beside
    // it, the engine's own UPDATE and DELETE of one row.
    Figure save, remove;
    save.name = QStringLiteral("save of one quotation, every order");
    remove.name = QStringLiteral("delete of one quotation, every order");
    for (Figure* f : {&save, &remove}) {
        f->size = size_name(ws.facts.quotes);
        f->target = Target::ms(16);
    }
    RunningProgram program(ws);
    if (!program.started) {
        save.failure = remove.failure = QStringLiteral("start-up ended the program");
        return {save, remove};
    }
    f_main& w = *program.window;
    PlainEngine engine(ws.db_path);
    quint32 seed = 5;
    const int per_order = std::max(4, ws.repeats * 2);
    QStringList worst;
    for (int column = -1; column < 7; ++column) {
        w.filters->Clear_all_filters();
        w.filters->back_to_random_order();
        if (column >= 0) w.filters->sort_by_column(column);
        std::vector<double> saves, deletes;
        std::vector<qint64> saved_keys;
        for (int i = 0; i < per_order; ++i) {
            const int count = w.Data1()->record_count();
            seed = seed * 1664525u + 1013904223u;
            w.list->binding().go_to(int((seed >> 8) % quint32(count)));
            QApplication::processEvents();
            const qint64 key = w.edit->t_key->text().toLongLong();
            w.edit->t_note->setText(QStringLiteral("saved %1").arg(i));
            QElapsedTimer timer;
            timer.start();
            w.edit->b_save->click();
            QApplication::processEvents();
            saves.push_back(ms_since(timer));
            saved_keys.push_back(key);
            if (program.ctx->database->scalar(QStringLiteral("SELECT notes FROM quotes WHERE key = %1").arg(key)).toString() !=
                QStringLiteral("saved %1").arg(i))
                save.failure = QStringLiteral("the note was not saved");

            const qint64 doomed = w.edit->t_key->text().toLongLong();
            timer.start();
            w.edit->b_delete->click();  // the question is answered OK
            QApplication::processEvents();
            deletes.push_back(ms_since(timer));
            if (program.ctx->database->scalar(QStringLiteral("SELECT count(*) FROM quotes WHERE key = %1").arg(doomed)).toInt() != 0)
                remove.failure = QStringLiteral("the quotation was not deleted");
        }
        // The engine's own work afterwards: its commits are another program's to the window, which
        // reads again what they may have changed.
        for (const qint64 key : saved_keys) {
            QElapsedTimer timer;
            timer.start();
            engine.exec(QStringLiteral("UPDATE quotes SET notes = 'engine' WHERE key = %1").arg(key));
            save.floor_runs.push_back(ms_since(timer));
            const qint64 other = w.Data1()->key_at(int(remove.floor_runs.size()) % std::max(1, w.Data1()->record_count())).toLongLong();
            timer.start();
            engine.exec(QStringLiteral("DELETE FROM quotes WHERE key = %1").arg(other));
            remove.floor_runs.push_back(ms_since(timer));
        }
        save.runs.insert(save.runs.end(), saves.begin(), saves.end());
        remove.runs.insert(remove.runs.end(), deletes.begin(), deletes.end());
        worst << QStringLiteral("%1: %2/%3").arg(column < 0 ? QStringLiteral("random") : QString::number(column))
                     .arg(median_of(saves), 0, 'f', 1)
                     .arg(median_of(deletes), 0, 'f', 1);
    }
    if (!program.ui.shown.isEmpty()) {
        QStringList unexpected;
        for (const QString& s : program.ui.shown)
            if (!s.startsWith(QLatin1String("Do you really want to delete quote"))) unexpected << s;
        if (!unexpected.isEmpty()) save.failure = QStringLiteral("message shown: ") + unexpected.first().left(100);
    }
    save.note = remove.note = QStringLiteral("medians save/delete by order: ") + worst.join(QStringLiteral(", "));
    return {save, remove};
}

Figure peak_memory(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("peak memory, grid open on every quotation");
    f.size = size_name(ws.facts.quotes);
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
    f.note = QStringLiteral("the main window on every quotation, in random order then by text, scrolled to the middle and the end");
    return f;
}

int memory_child(const QStringList& args) {
    // args: kind, database, settings folder, program folder
    if (args.size() < 4) return 2;
    const QString kind = args[0], db_path = args[1];
    const QString by_text = grid_sql(QString(), QStringLiteral("text2 ASC"));
    const QString by_random = grid_sql(QString(), QStringLiteral("quotes.random"));
    qint64 read = 0;
    if (kind == QLatin1String("engine")) {
        PlainEngine engine(db_path);
        read += engine.run(engine_sql(by_random), true);
        read += engine.run(engine_sql(by_text), true);
    } else {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, args[2]);
        Workspace ws;
        ws.program_folder = args[3];
        RunningProgram program(ws);
        if (!program.started || !program.ui.shown.isEmpty()) return 1;
        f_main& w = *program.window;
        // The grid in random order, then sorted by text, each scrolled to the middle and the end.
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) emit w.list->grid->horizontalHeader()->sectionClicked(2);
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

Figure row_change(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("row change in random order");
    f.size = size_name(ws.facts.quotes);
    f.target = Target::ms(16);
    make_author_pictures(ws);
    RunningProgram program(ws);
    if (!program.started) {
        f.failure = QStringLiteral("start-up ended the program");
        return f;
    }
    f_main& w = *program.window;
    RecordSet& rows = *w.Data1();
    const int count = rows.record_count();
    PlainEngine engine(ws.db_path, true);
    quint32 seed = 7;
    auto next_row = [&] {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % quint32(count));
    };
    const int runs = std::max(60, ws.repeats * 40);
    std::vector<double> handler_runs;  // the window's own work, before painting
    std::vector<QStringList> sent;     // what the program sent the engine for each row
    for (int i = 0; i < runs + 5; ++i) {
        const int row = next_row();
        QElapsedTimer timer;
        StatementTrace trace({program.ctx->database->handle(), program.ctx->list_database->handle()});
        timer.start();
        // A click on another row: the edit area is filled, the picture shown, the row rotated,
        // and the window painted.
        w.list->grid->setCurrentIndex(w.list->grid->model()->index(row, 1));
        const double handler = ms_since(timer);
        QApplication::processEvents();
        const double ms = ms_since(timer);
        if (i < 5) continue;  // the first rows warm the caches
        f.runs.push_back(ms);
        handler_runs.push_back(handler);
        sent.push_back(trace.statements);
        if (w.edit->t_key->text().toLongLong() != rows.key_at(row).toLongLong())
            f.failure = QStringLiteral("the edit area does not show the row clicked");
    }
    // The engine's own work for the same rows, afterwards (its writes would empty the program's
    // page cache): the very statements the program sent.
    for (const QStringList& statements : sent) f.floor_runs.push_back(replay(engine, statements));
    const double rotated = program.ctx->database->scalar(QStringLiteral("SELECT random FROM quotes WHERE key = ") + w.edit->t_key->text()).toDouble();
    if (rotated < 1.0) f.failure = QStringLiteral("the row shown was not rotated");
    if (!program.ui.shown.isEmpty()) f.failure = shown_text(program.ui);
    f.note = QStringLiteral("%1 rows clicked at random, median %2 ms before painting; floor: the engine running the program's statements for the row")
                 .arg(runs)
                 .arg(median_of(handler_runs), 0, 'f', 1);
    return f;
}

Figure grid_scroll(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("grid scroll by one page");
    f.size = size_name(ws.facts.quotes);
    f.target = Target::ms(16);
    RunningProgram program(ws);
    if (!program.started) {
        f.failure = QStringLiteral("start-up ended the program");
        return f;
    }
    f_main& w = *program.window;
    QScrollBar* bar = w.list->grid->verticalScrollBar();
    const int page = bar->pageStep();
    quint32 seed = 11;
    const int runs = std::max(60, ws.repeats * 40);
    for (int i = 0; i < runs + 5; ++i) {
        seed = seed * 1664525u + 1013904223u;
        // Somewhere in the list, then one page further down, as Page Down or the scroll bar does.
        const int at = int((seed >> 8) % quint32(std::max(1, bar->maximum() - page)));
        bar->setValue(at);
        w.list->grid->viewport()->repaint();
        QElapsedTimer timer;
        timer.start();
        bar->setValue(at + page);
        w.list->grid->viewport()->repaint();
        QApplication::processEvents();
        if (i >= 5) f.runs.push_back(ms_since(timer));
    }
    if (!program.ui.shown.isEmpty()) f.failure = shown_text(program.ui);
    f.note = QStringLiteral("%1 pages of %2 rows, at random places").arg(runs).arg(page);
    return f;
}

}  // namespace bench
