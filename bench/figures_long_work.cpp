// Figures of the long work that runs beside the window: how long the window goes without
// handling an event while it runs (randomize, bulk delete, import, the first start on a file
// without its sort keys and search index), randomize and import beside the engine's own plan,
// and how soon each stops once Stop is answered, the file left as it was.
#include "figures_long_work.h"

#include "core/app_context.h"
#include "core/settings.h"
#include "database/database.h"
#include "database/recordset.h"
#include "import_export/f_import.h"
#include "main_window/f_main.h"
#include "main_window/filter_area.h"
#include "main_window/quote_list.h"
#include "silent_ui.h"

#include <QLocale>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <sqlite3.h>

#include <cstdio>
#include <stdexcept>

namespace bench {

namespace {

constexpr int new_quotes = 100000;
constexpr double stop_after_ms = 1000;
const QString tenth_language = QStringLiteral("DE");
const QString stopped_message = QStringLiteral("Stopped: nothing was changed.");

QString stall_name(const QString& action) { return QStringLiteral("longest stall of the window: ") + action; }
QString stop_name(const QString& action) { return QStringLiteral("stop of ") + action + QStringLiteral(": from Stop to the work ended"); }
const QString randomize_name = QStringLiteral("randomize, against the engine's UPDATE ... random()");
const QString import_name = QStringLiteral("import of 100k lines (process + import), against a prepared INSERT");
const QString randomize_bulk_name = QStringLiteral("randomize, against the engine with its index made again");
const QString import_bulk_name = QStringLiteral("import of 100k lines (process + import), against the engine in bulk");
const QString first_start = QStringLiteral("first start, keyed and indexed");

double ms_since(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// A timer on the window's thread firing every 5 ms: the longest gap between two firings (or
// between the last one and the end) is the longest the window went without handling an event.
// With SENTARA_BENCH_STALLS set, every gap of 50 ms or more is printed with where it began, and
// the marks given, to find what held the window.
class StallProbe : public QObject {
public:
    // `window_class`: the stalls from the first event to a window of that class on are counted
    // apart (building a window is start-up, not the long work before it).
    explicit StallProbe(const char* window_class = nullptr)
        : trace_(qEnvironmentVariableIsSet("SENTARA_BENCH_STALLS")), window_class_(window_class) {
        if (trace_ || window_class_) qApp->installEventFilter(this);
        timer_.setInterval(5);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    }
    void start() {
        longest_ = longest_in_window_ = 0;
        window_from_ = -1;
        clock_.start();
        last_ = 0;
        timer_.start();
    }
    double stop() {
        tick();
        timer_.stop();
        return longest_;
    }
    // Tracing: the event delivered before a long gap in deliveries, most likely the one that took it.
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const qint64 now = clock_.nsecsElapsed();
        if (window_class_ && window_from_ < 0 && clock_.isValid() && receiver->isWidgetType() &&
            qstrcmp(receiver->metaObject()->className(), window_class_) == 0)
            window_from_ = now;
        if (!trace_) return false;
        if (clock_.isValid() && now - last_event_ > 30000000)
            std::fprintf(stderr, "    %8.1f ms: %.1f ms after event %d to %s\n", double(last_event_) / 1e6,
                         double(now - last_event_) / 1e6, last_type_, last_receiver_.constData());
        last_event_ = now;
        last_type_ = int(event->type());
        last_receiver_ = QByteArray(receiver->metaObject()->className()) + ' ' + receiver->objectName().toUtf8();
        if (auto* t = qobject_cast<QTimer*>(receiver))
            last_receiver_ += QByteArray(" every ") + QByteArray::number(t->interval()) + " ms, child of " +
                              (t->parent() ? QByteArray(t->parent()->metaObject()->className()) : QByteArray("none"));
        return false;
    }
    void mark(const char* what) {
        if (trace_) std::fprintf(stderr, "    %8.1f ms: %s\n", double(clock_.nsecsElapsed()) / 1e6, what);
    }

private:
    void tick() {
        const qint64 now = clock_.nsecsElapsed();
        const double gap = double(now - last_) / 1e6;
        if (trace_ && gap >= 50) std::fprintf(stderr, "    %8.1f ms: no event for %.1f ms\n", double(last_) / 1e6, gap);
        if (window_from_ < 0 || last_ < window_from_) {
            const qint64 until = window_from_ < 0 ? now : std::min(now, window_from_);
            longest_ = std::max(longest_, double(until - last_) / 1e6);
        }
        if (window_from_ >= 0) longest_in_window_ = std::max(longest_in_window_, double(now - std::max(last_, window_from_)) / 1e6);
        last_ = now;
    }
    const bool trace_;
    const char* window_class_;
    qint64 window_from_ = -1;
    qint64 last_event_ = 0;
    int last_type_ = 0;
    QByteArray last_receiver_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    double longest_ = 0;
    double longest_in_window_ = 0;

public:
    // The longest stall once the window was being built.
    double longest_in_window() const { return longest_in_window_; }
};

// Answers every box OK; once armed, answers the progress with Stop when the time is up, and
// tells how long the work took to end after that answer (until the hourglass went down, the
// last thing long work does before it returns).
struct StoppingUi : SilentUi {
    double stop_after = -1;  // ms after arm(); below 0: never
    QElapsedTimer armed, since_stop;
    bool stop_answered = false;
    double ended_after_stop = -1;
    int reports = 0;
    StallProbe* probe = nullptr;  // told of the hourglass and the boxes, when tracing

    int message(const QString& text, int buttons, const QString& title) override {
        if (probe) probe->mark("a box");
        return SilentUi::message(text, buttons, title);
    }
    void arm(double ms) {
        stop_after = ms;
        armed.start();
        stop_answered = false;
        ended_after_stop = -1;
        reports = 0;
    }
    void disarm() { stop_after = -1; }
    bool progress_or_stop(const QString&, qint64, qint64) override {
        ++reports;
        if (stop_after >= 0 && !stop_answered && double(armed.elapsed()) >= stop_after) {
            stop_answered = true;
            since_stop.start();
            return false;
        }
        return true;
    }
    void set_hourglass(bool on) override {
        if (probe) probe->mark(on ? "hourglass on" : "hourglass off");
        if (!on && stop_answered && ended_after_stop < 0) ended_after_stop = ms_since(since_stop);
    }
    bool stopped() const { return shown.contains(stopped_message); }
};

// What one run of an action gave.
struct Trial {
    double wall = 0, stall = 0;
    double window_stall = -1;  // a start: the longest stall once the main window was being built
    double stop_latency = -1;  // a stopped run: from Stop answered until the work's run returned
    bool stopped = false;
    QString failure;
};

// The number every row of the table adds up to, and the rows: equal before and after a stop.
struct Checksum {
    double random_sum = 0;
    qint64 rows = 0, last_key = 0;
    bool operator==(const Checksum&) const = default;
    QString text() const { return QStringLiteral("%1 rows, last key %2, sum(random) %3").arg(rows).arg(last_key).arg(random_sum, 0, 'g', 17); }
};

Checksum checksum(const QString& path) {
    PlainEngine e(path);
    const auto r = e.rows(QStringLiteral("SELECT sum(random), count(*), max(key) FROM quotes"));
    return {r[0][0].toDouble(), r[0][1].toLongLong(), r[0][2].toLongLong()};
}

// Runs `act` with the stall probe on, the Ui telling it of its progress: the trial's wall time
// and longest stall.
template <typename Act>
void measure(Trial& t, StoppingUi& ui, Act act) {
    StallProbe probe;
    ui.probe = &probe;
    probe.start();
    QElapsedTimer timer;
    timer.start();
    act();
    t.wall = ms_since(timer);
    t.stall = probe.stop();
    ui.probe = nullptr;
}

void check_unchanged(Trial& t, const StoppingUi& ui, const QString& path, const Checksum& before) {
    if (!t.failure.isEmpty()) return;
    if (!ui.stop_answered) t.failure = QStringLiteral("done before the stop (%1 reports)").arg(ui.reports);
    else if (!ui.stopped()) t.failure = QStringLiteral("the stop was not told: ") + ui.shown.join(QStringLiteral(" | ")).left(200);
    else if (const Checksum after = checksum(path); !(after == before))
        t.failure = QStringLiteral("the file changed: %1, was %2").arg(after.text(), before.text());
    t.stopped = ui.stop_answered;
    t.stop_latency = ui.ended_after_stop;
}

// The main window open on `path`, shown (offscreen), painted, its first random row done, its
// list read to the end as the idle window reads it before anyone clicks.
struct Window {
    StoppingUi ui;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<f_main> window;
    Window(const Workspace& ws, const QString& path) {
        ctx = program_context(ui, ws, path);
        window = std::make_unique<f_main>(*ctx);
        window->show();
        QApplication::processEvents();
        settle();
    }
    void settle() {
        for (int i = 0; i < 1000000 && window->Data1() && !window->Data1()->fully_read(); ++i) QApplication::processEvents();
    }
    ~Window() {
        window.reset();
        ctx.reset();
    }
};

// Rows whose number differs from the one they have in the collection as it came.
qint64 renumbered(const Workspace& ws, const QString& path) {
    PlainEngine e(path);
    e.exec(QStringLiteral("ATTACH %1 AS came").arg(sql_literal(ws.facts.path)));
    return e.first_number(QStringLiteral("SELECT count(*) FROM quotes q JOIN came.quotes c ON c.key = q.key "
                                         "WHERE q.random IS NOT c.random"));
}

// ---------------------------------------------------------------- randomize

Trial randomize(const Workspace& ws, const QString& path, double stop_after) {
    Trial t;
    Window w(ws, path);
    // The window's first random row has moved: the file as it stands now is the one a stop keeps.
    const Checksum before = stop_after >= 0 ? checksum(path) : Checksum{};
    w.ui.shown.clear();
    if (stop_after >= 0) w.ui.arm(stop_after);
    measure(t, w.ui, [&] { w.window->m_randomize->trigger(); });
    if (stop_after >= 0) check_unchanged(t, w.ui, path, before);
    else if (w.ui.shown != QStringList{QStringLiteral("Randomization executed.")})
        t.failure = QStringLiteral("shown: ") + w.ui.shown.join(QStringLiteral(" | ")).left(200);
    return t;
}

// The engine renumbering every row on its own: one UPDATE in one transaction; in bulk, the
// indexes holding the number dropped first and made again after, their statistics kept.
// Returns milliseconds.
double plain_randomize(const QString& path, bool bulk) {
    PlainEngine e(path);
    e.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    e.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    QElapsedTimer timer;
    timer.start();
    e.exec(QStringLiteral("BEGIN"));
    std::vector<PlainEngine::Row> indexes, stats;
    if (bulk) {
        indexes = e.rows(QStringLiteral("SELECT m.name, m.sql FROM sqlite_master m WHERE m.type = 'index' AND m.tbl_name = 'quotes' "
                                        "AND m.sql IS NOT NULL AND EXISTS (SELECT 1 FROM pragma_index_info(m.name) WHERE name = 'random')"));
        const bool statistics = e.first_number(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'sqlite_stat1'")) > 0;
        for (const auto& i : indexes) {
            if (statistics)
                for (const auto& r : e.rows(QStringLiteral("SELECT idx, stat FROM sqlite_stat1 WHERE idx = %1").arg(sql_literal(i[0].toString()))))
                stats.push_back(r);
            e.exec(QStringLiteral("DROP INDEX ") + i[0].toString());
        }
    }
    // The same kind of number: one of 2^24 steps above 0 and below 1.
    e.exec(QStringLiteral("UPDATE quotes SET random = ((random() & 16777215) | 1) / 16777216.0"));
    for (const auto& i : indexes) e.exec(i[1].toString());
    for (const auto& r : stats)
        e.exec(QStringLiteral("INSERT INTO sqlite_stat1 VALUES ('quotes', %1, %2)").arg(sql_literal(r[0].toString()), sql_literal(r[1].toString())));
    e.exec(QStringLiteral("COMMIT"));
    return ms_since(timer);
}

// ---------------------------------------------------------------- bulk delete

Trial bulk_delete(const Workspace& ws, const QString& path, double stop_after, int* listed) {
    Trial t;
    Window w(ws, path);
    w.window->filters->cb_language_filter->setEditText(tenth_language);
    w.window->b_filter_Click();
    w.window->list->grid->viewport()->repaint();
    *listed = w.window->Data1()->record_count();
    w.settle();
    const qint64 before = w.ctx->database->scalar(QStringLiteral("select count(*) from quotes")).toLongLong();
    const Checksum sum_before = stop_after >= 0 ? checksum(path) : Checksum{};
    w.ui.shown.clear();
    if (stop_after >= 0) w.ui.arm(stop_after);
    measure(t, w.ui, [&] {
        w.window->filters->b_delete_filtered->click();  // the question is answered OK
        w.window->list->grid->viewport()->repaint();
    });
    if (stop_after >= 0) {
        check_unchanged(t, w.ui, path, sum_before);
    } else {
        const qint64 after = w.ctx->database->scalar(QStringLiteral("select count(*) from quotes")).toLongLong();
        if (before - after != *listed) t.failure = QStringLiteral("%1 rows listed, %2 deleted").arg(*listed).arg(before - after);
        else if (w.window->Data1()->record_count() != 0) t.failure = QStringLiteral("the grid still lists rows");
    }
    return t;
}

// ---------------------------------------------------------------- import

// A hundred thousand new quotations as the import window reads them (the author in parentheses,
// a directive line under every third), and the same rows as the table gets them.
struct Input {
    QString file;
    struct Row {
        QByteArray text, author, subject;
        int rate = 0;  // 0: none
    };
    std::vector<Row> rows;
};

Input make_input(const Workspace& ws) {
    PlainEngine e(ws.facts.path);
    QStringList authors, subjects;
    for (const auto& r : e.rows(QStringLiteral("SELECT name FROM authors ORDER BY rowid LIMIT 1000"))) authors << r[0].toString();
    for (const auto& r : e.rows(QStringLiteral("SELECT subject FROM subjects WHERE subject <> '-' ORDER BY rowid"))) subjects << r[0].toString();
    const QStringList words = {QStringLiteral("patience"), QStringLiteral("river"),  QStringLiteral("memory"),
                               QStringLiteral("courage"),  QStringLiteral("winter"), QStringLiteral("silence"),
                               QStringLiteral("harvest"),  QStringLiteral("lantern")};
    Input in;
    in.file = ws.program_folder + QStringLiteral("/long-work-100k.txt");
    QString text;
    for (int i = 0; i < new_quotes; ++i) {
        const QString quote = QStringLiteral("Second thought %1 on %2, %3 and the %4 that follows every %5 of the year")
                                  .arg(i)
                                  .arg(words[i % 8], words[(i / 8) % 8], words[(i / 64) % 8], words[(i / 512) % 8]);
        const QString& author = authors[i % authors.size()];
        const bool detailed = i % 3 == 0;
        const QString subject = detailed ? subjects[i % subjects.size()] : QStringLiteral("-");
        const int rate = detailed ? 1 + i % 3 : 0;
        text += quote + QStringLiteral(" (") + author + QStringLiteral(")\n");
        if (detailed) text += QStringLiteral(".Subj=%1 .Rate=%2 .Lang=EN\n").arg(subject).arg(rate);
        in.rows.push_back({quote.toUtf8(), author.toUtf8(), subject.toUtf8(), rate});
    }
    QFile f(in.file);
    const QByteArray bytes = text.toUtf8();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) throw std::runtime_error("cannot write " + in.file.toStdString());
    return in;
}

// The file loaded into the import window and processed against the collection, then imported.
// `process_ms` is the first part of the wall time.
Trial import(const Workspace& ws, const QString& path, const Input& in, double stop_after, double* process_ms) {
    Trial t;
    StoppingUi ui;
    std::unique_ptr<AppContext> ctx = program_context(ui, ws, path);
    auto* w = new f_import(*ctx);
    w->show();
    QApplication::processEvents();
    const qint64 before = ctx->database->scalar(QStringLiteral("select count(*) from quotes")).toLongLong();
    StallProbe probe;
    ui.probe = &probe;
    probe.start();
    QElapsedTimer timer;
    timer.start();
    w->Import_from_file(in.file);
    w->t_parsed->viewport()->repaint();
    *process_ms = ms_since(timer);
    if (w->l_new_quotes->text() != QStringLiteral("New quotes: %1").arg(QLocale().toString(new_quotes)))
        t.failure = QStringLiteral("the window shows \"%1\"").arg(w->l_new_quotes->text());
    const Checksum sum_before = stop_after >= 0 ? checksum(path) : Checksum{};
    // The language of the quotations that name none, as the user picks it.
    w->cb_language->setEditText(QStringLiteral("EN"));
    ui.shown.clear();
    probe.mark("processed and listed");
    if (stop_after >= 0) ui.arm(stop_after);
    w->b_import->click();
    QApplication::processEvents();
    t.wall = ms_since(timer);
    t.stall = probe.stop();
    ui.probe = nullptr;
    if (stop_after < 0 && t.failure.isEmpty()) {
        const qint64 added = ctx->database->scalar(QStringLiteral("select count(*) from quotes")).toLongLong() - before;
        if (added != new_quotes)
            t.failure = QStringLiteral("%1 quotations added, not %2; shown: %3").arg(added).arg(new_quotes).arg(ui.shown.join(QStringLiteral(" | ")).left(200));
        else if (!ui.shown.contains(quote_import::added_message(new_quotes)))
            t.failure = QStringLiteral("shown: ") + ui.shown.join(QStringLiteral(" | ")).left(200);
    }
    if (stop_after >= 0) check_unchanged(t, ui, path, sum_before);
    delete w;
    return t;
}

// The engine's plan for the same rows: one prepared INSERT, one transaction, the file's triggers
// (the search index's among them) firing. In bulk, the search index's insert triggers are
// dropped inside the transaction, the new rows indexed with one INSERT ... SELECT per column at
// the end and the triggers created again. Returns the rows added.
qint64 plain_insert(const QString& path, const Input& in, bool bulk, double* ms) {
    PlainEngine e(path);
    e.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    e.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    const qint64 before = e.first_number(QStringLiteral("SELECT count(*) FROM quotes"));
    const qint64 last = e.first_number(QStringLiteral("SELECT max(key) FROM quotes"));
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(e.handle(), "INSERT INTO quotes (text, author, subject, language, notes, rate) VALUES (?, ?, ?, 'EN', NULL, ?)",
                           -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(e.handle()));
    e.exec(QStringLiteral("BEGIN"));
    std::vector<PlainEngine::Row> triggers;
    if (bulk) {
        triggers = e.rows(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'trigger' AND name IN "
                                         "('quotes_text_search_insert', 'quotes_notes_search_insert')"));
        for (const auto& t : triggers) e.exec(QStringLiteral("DROP TRIGGER ") + t[0].toString());
    }
    for (const Input::Row& r : in.rows) {
        sqlite3_bind_text(st, 1, r.text.constData(), int(r.text.size()), SQLITE_STATIC);
        sqlite3_bind_text(st, 2, r.author.constData(), int(r.author.size()), SQLITE_STATIC);
        sqlite3_bind_text(st, 3, r.subject.constData(), int(r.subject.size()), SQLITE_STATIC);
        if (r.rate) sqlite3_bind_int(st, 4, r.rate);
        else sqlite3_bind_null(st, 4);
        if (sqlite3_step(st) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(e.handle()));
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    if (bulk) {
        e.exec(QStringLiteral("INSERT INTO quotes_text_search(rowid, text) SELECT key, text FROM quotes WHERE key > %1;"
                              "INSERT INTO quotes_notes_search(rowid, notes) SELECT key, notes FROM quotes WHERE key > %1")
                   .arg(last));
        for (const auto& t : triggers) e.exec(t[1].toString());
    }
    e.exec(QStringLiteral("COMMIT"));
    *ms = ms_since(timer);
    return e.first_number(QStringLiteral("SELECT count(*) FROM quotes")) - before;
}

// ---------------------------------------------------------------- the first start on a file without its keys

// The collection as generated (the old layout: no sort keys, no search index) started as a user
// starts it, in a program folder of its own: the start-up keys it and builds its index beside the window.
Trial open_unkeyed(const Workspace& ws) {
    Trial t;
    Workspace own = ws;
    own.program_folder = ws.program_folder + QStringLiteral("/unkeyed");
    QDir(own.program_folder).removeRecursively();
    QDir().mkpath(own.program_folder);
    QFile(own.program_folder + QStringLiteral("/sentara-portable")).open(QIODevice::WriteOnly);
    const QString path = own.program_folder + QStringLiteral("/quotes.mdb");
    for (const QString& copy : {path, path + QStringLiteral(".old")}) {
        if (!QFile::copy(ws.facts.source, copy)) throw std::runtime_error("cannot copy " + ws.facts.source.toStdString());
        QFile f(copy);
        f.setPermissions(f.permissions() | QFileDevice::WriteOwner);
    }
    {
        // The last backup generation taken an hour ago, as usual: none is due.
        QFile old(path + QStringLiteral(".old"));
        old.open(QIODevice::ReadWrite);
        old.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    }
    save_setting(QStringLiteral("last_db_file"), path);
    {
        StallProbe probe("f_main");
        probe.start();
        QElapsedTimer timer;
        timer.start();
        RunningProgram program(own);
        t.wall = ms_since(timer);
        t.stall = probe.stop();
        t.window_stall = probe.longest_in_window();
        if (!program.started) t.failure = QStringLiteral("the program did not start: ") + shown_text(program.ui);
        else if (!program.ui.shown.isEmpty()) t.failure = QStringLiteral("shown: ") + shown_text(program.ui);
        else if (program.ctx->database->scalar(QStringLiteral("select count(*) from quotes")).toLongLong() != ws.facts.quotes)
            t.failure = QStringLiteral("the rows changed");
    }
    save_setting(QStringLiteral("last_db_file"), ws.db_path);
    QDir(own.program_folder).removeRecursively();
    return t;
}

Figure stall_figure(const QString& action, const Workspace& ws, const std::vector<Trial>& trials, const QString& rows) {
    Figure f;
    f.name = stall_name(action);
    f.size = ws.facts.name;
    f.target = Target::ms(100);
    std::vector<double> walls;
    for (const Trial& t : trials) {
        f.runs.push_back(t.stall);
        walls.push_back(t.wall);
        if (f.failure.isEmpty()) f.failure = t.failure;
    }
    f.note = QStringLiteral("%1; the action took %2 ms").arg(rows).arg(median_of(walls), 0, 'f', 0);
    return f;
}

Figure stop_figure(const QString& action, const Workspace& ws, const std::vector<Trial>& trials, double after) {
    Figure f;
    f.name = stop_name(action);
    f.size = ws.facts.name;
    f.target = Target::ms(200);
    for (const Trial& t : trials) {
        if (f.failure.isEmpty()) f.failure = t.failure;
        f.runs.push_back(std::max(0.0, t.stop_latency));
    }
    f.note = QStringLiteral("Stop answered %1 ms in; the file's rows, last key and sum(random) as before").arg(after, 0, 'f', 0);
    return f;
}

}  // namespace

std::vector<Figure> long_work_figures(const Workspace& ws) {
    std::vector<Figure> out;
    // A part is measured when one of its figures is wanted.
    const auto wanted = [&](std::initializer_list<QString> names) {
        for (const QString& n : names)
            if (ws.wanted(n)) return true;
        return false;
    };
    const Checksum pristine = checksum(ws.facts.path);
    // A stop comes a second in, or halfway through work that is done sooner.
    const auto stop_point = [](const std::vector<Trial>& done) {
        std::vector<double> walls;
        for (const Trial& t : done) walls.push_back(t.wall);
        return std::min(stop_after_ms, median_of(walls) / 2);
    };

    // A ratio figure paired run by run with its floor.
    const auto paired = [&](const QString& name, double ratio) {
        Figure f;
        f.name = name;
        f.size = ws.facts.name;
        f.target = Target::ratio(ratio);
        f.paired = true;
        return f;
    };

    // Randomize: the window's command, the engine's single UPDATE on another copy after each run.
    if (wanted({stall_name(QStringLiteral("randomize")), randomize_name, randomize_bulk_name, stop_name(QStringLiteral("randomize"))})) {
        std::vector<Trial> full, stopped;
        Figure engine = paired(randomize_name, 1.5), bulk = paired(randomize_bulk_name, 1.5);
        qint64 program_rows = 0, floor_rows = 0, bulk_rows = 0;
        for (int i = 0; i < ws.repeats; ++i) {
            const QString path = fresh_copy(ws, QStringLiteral("long-randomize.mdb"));
            full.push_back(randomize(ws, path, -1));
            engine.runs.push_back(full.back().wall);
            program_rows = renumbered(ws, path);
            const QString copy = fresh_copy(ws, QStringLiteral("long-randomize-engine.mdb"));
            engine.floor_runs.push_back(plain_randomize(copy, false));
            floor_rows = renumbered(ws, copy);
            QFile::remove(copy);
            const QString bulk_copy = fresh_copy(ws, QStringLiteral("long-randomize-bulk.mdb"));
            bulk.floor_runs.push_back(plain_randomize(bulk_copy, true));
            bulk_rows = renumbered(ws, bulk_copy);
            for (const QString& p : {path, bulk_copy}) QFile::remove(p);
        }
        for (int i = 0; i < ws.repeats; ++i) {
            const QString path = fresh_copy(ws, QStringLiteral("long-randomize-stop.mdb"));
            const double after = stop_point(full);
            stopped.push_back(randomize(ws, path, after));
            QFile::remove(path);
        }
        // Numbers are drawn from 2^24 values: a row or so may draw the one it had.
        const qint64 kept = pristine.rows - program_rows, floor_kept = pristine.rows - floor_rows,
                     bulk_kept = pristine.rows - bulk_rows;
        if (kept > 10 || floor_kept > 10)
            engine.failure = QStringLiteral("%1 rows kept their number (the engine: %2)").arg(kept).arg(floor_kept);
        if (kept > 10 || bulk_kept > 10)
            bulk.failure = QStringLiteral("%1 rows kept their number (the engine: %2)").arg(kept).arg(bulk_kept);
        bulk.runs = engine.runs;
        bulk.note = QStringLiteral("%1 rows renumbered by the engine; floor: the indexes holding the number dropped, the same "
                                   "UPDATE, the indexes made again and their statistics put back, one transaction")
                        .arg(bulk_rows);
        engine.note = QStringLiteral("%1 of %2 rows renumbered, the engine %3; floor: one UPDATE of every row, one transaction")
                          .arg(program_rows)
                          .arg(pristine.rows)
                          .arg(floor_rows);
        out.push_back(stall_figure(QStringLiteral("randomize"), ws, full,
                                   QStringLiteral("%1 rows renumbered").arg(program_rows)));
        out.push_back(engine);
        out.push_back(bulk);
        out.push_back(stop_figure(QStringLiteral("randomize"), ws, stopped, stop_point(full)));
    }

    // Bulk delete of the filtered tenth (a hundred thousand at a million quotations).
    if (wanted({stall_name(QStringLiteral("bulk delete")), stop_name(QStringLiteral("bulk delete"))})) {
        std::vector<Trial> full, stopped;
        int listed = 0;
        for (int i = 0; i < ws.repeats; ++i) {
            const QString path = fresh_copy(ws, QStringLiteral("long-delete.mdb"));
            full.push_back(bulk_delete(ws, path, -1, &listed));
            QFile::remove(path);
        }
        for (int i = 0; i < ws.repeats; ++i) {
            const QString path = fresh_copy(ws, QStringLiteral("long-delete-stop.mdb"));
            stopped.push_back(bulk_delete(ws, path, stop_point(full), &listed));
            QFile::remove(path);
        }
        out.push_back(stall_figure(QStringLiteral("bulk delete"), ws, full,
                                   QStringLiteral("%1 listed rows deleted, the grid read again").arg(listed)));
        out.push_back(stop_figure(QStringLiteral("bulk delete"), ws, stopped, stop_point(full)));
    }

    // Import of a hundred thousand new quotations through the import window, beside the
    // engine's INSERT of the same rows.
    if (wanted({stall_name(QStringLiteral("import of 100k lines")), import_name, import_bulk_name, stop_name(QStringLiteral("import"))})) {
        const Input in = make_input(ws);
        std::vector<Trial> full, stopped;
        std::vector<double> processing;
        Figure engine = paired(import_name, 1.3), bulk = paired(import_bulk_name, 1.3);
        qint64 floor_added = 0, bulk_added = 0;
        for (int i = 0; i < ws.repeats; ++i) {
            const QString path = fresh_copy(ws, QStringLiteral("long-import.mdb"));
            double process_ms = 0;
            full.push_back(import(ws, path, in, -1, &process_ms));
            processing.push_back(process_ms);
            engine.runs.push_back(full.back().wall);
            const QString copy = fresh_copy(ws, QStringLiteral("long-import-engine.mdb"));
            double ms = 0;
            floor_added = plain_insert(copy, in, false, &ms);
            engine.floor_runs.push_back(ms);
            const QString bulk_copy = fresh_copy(ws, QStringLiteral("long-import-bulk.mdb"));
            bulk_added = plain_insert(bulk_copy, in, true, &ms);
            bulk.runs.push_back(full.back().wall);
            bulk.floor_runs.push_back(ms);
            for (const QString& p : {path, copy, bulk_copy}) QFile::remove(p);
        }
        for (int i = 0; i < ws.repeats; ++i) {
            const QString path = fresh_copy(ws, QStringLiteral("long-import-stop.mdb"));
            double process_ms = 0;
            // A second in, or halfway through the import itself.
            std::vector<Trial> imports = full;
            for (size_t k = 0; k < imports.size(); ++k) imports[k].wall -= processing[k];
            stopped.push_back(import(ws, path, in, stop_point(imports), &process_ms));
            QFile::remove(path);
        }
        for (const Trial& t : full)
            if (engine.failure.isEmpty()) engine.failure = t.failure;
        bulk.failure = engine.failure;
        if (engine.failure.isEmpty() && floor_added != new_quotes)
            engine.failure = QStringLiteral("the engine added %1 rows").arg(floor_added);
        if (bulk.failure.isEmpty() && bulk_added != new_quotes)
            bulk.failure = QStringLiteral("the engine added %1 rows").arg(bulk_added);
        bulk.note = QStringLiteral("floor: the same INSERT per row with the search index's insert triggers dropped in the "
                                   "transaction, the new rows indexed with one INSERT ... SELECT per column, the triggers "
                                   "made again");
        engine.note = QStringLiteral("%1 quotations added by both, %2 ms of it reading the file and processing it against "
                                     "the %3 stored; floor: one prepared INSERT per row in one transaction, the rows in memory")
                          .arg(new_quotes)
                          .arg(median_of(processing), 0, 'f', 0)
                          .arg(pristine.rows);
        out.push_back(stall_figure(QStringLiteral("import of 100k lines"), ws, full,
                                   QStringLiteral("%1 quotations read, processed and added").arg(new_quotes)));
        out.push_back(engine);
        out.push_back(bulk);
        std::vector<Trial> imports = full;
        for (size_t k = 0; k < imports.size(); ++k) imports[k].wall -= processing[k];
        out.push_back(stop_figure(QStringLiteral("import"), ws, stopped, stop_point(imports)));
        QFile::remove(in.file);
    }

    // The first start on the collection as generated: keyed and indexed beside the window. Once:
    // it takes a while.
    if (ws.wanted(stall_name(first_start))) {
        const Trial t = open_unkeyed(ws);
        out.push_back(stall_figure(first_start, ws, {t},
                                   QStringLiteral("the %1 quotations given their sort keys and search index, until the main "
                                                  "window is built; building and first showing it: %2 ms, a start-up figure")
                                       .arg(ws.facts.quotes)
                                       .arg(t.window_stall, 0, 'f', 0)));
    }
    return out;
}

}  // namespace bench
