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
#include <QSettings>

#include <cstdio>
#include <functional>
#include <stdexcept>

namespace bench {

namespace {

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

// One start-up as the program does it, ending with the main window and its first grid page on
// screen.
double timed_startup(const Workspace& ws, QString& failure) {
    double ms = 0;
    SilentUi* ui = nullptr;
    {
        QElapsedTimer timer;
        timer.start();
        RunningProgram program(ws);
        ms = ms_since(timer);
        ui = &program.ui;
        if (!program.started) failure = QStringLiteral("start-up ended the program");
        else if (program.window->Data1()->record_count() == 0) failure = QStringLiteral("the grid is empty");
        if (!program.ui.shown.isEmpty()) failure = shown_text(program.ui);
    }
    Q_UNUSED(ui);
    return ms;
}

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
    Figure f;
    f.name = new_backup ? QStringLiteral("start-up, new .old taken (every 12 h)") : QStringLiteral("start-up to first grid page");
    f.size = size_name(ws.facts.quotes);
    if (new_backup) f.target = Target();
    else if (ws.facts.quotes >= 1000000) f.target = Target::ratio(1.5);
    else f.target = Target::ms(1000);
    const QString old = ws.db_path + QStringLiteral(".old");
    const QString scratch = ws.program_folder + QStringLiteral("/engine-copy.db");
    for (int i = 0; i < ws.repeats; ++i) {
        set_age(old, new_backup ? 13 * 3600 : 3600);
        QString failure;
        f.runs.push_back(timed_startup(ws, failure));
        if (!failure.isEmpty() && f.failure.isEmpty()) f.failure = failure;
        f.floor_runs.push_back(vacuum_into_and_open(ws.db_path, scratch));
    }
    f.note = QStringLiteral("floor: VACUUM INTO + open");
    return f;
}

std::vector<Figure> requery(const Workspace& ws) {
    // Each case is what a user does in the real window: fields filled, then Filter or a click on
    // a column header, until the first page of the grid is painted.
    struct Case {
        QString name;
        std::function<void(f_main&)> fill;
        int sort_column = -1;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("filter: text like '*%1*'").arg(ws.facts.text_word),
         [&](f_main& w) { w.filters->t_text_filter->setText(ws.facts.text_word); }},
        {QStringLiteral("filter: author = <one author>"),
         [&](f_main& w) { w.filters->cb_author_filter->setEditText(ws.facts.featured_author); }},
        {QStringLiteral("filter: rate 2 to 3"),
         [](f_main& w) {
             w.filters->cb_rate_filter_from->setCurrentText(QStringLiteral("2"));
             w.filters->cb_rate_filter_to->setCurrentText(QStringLiteral("3"));
         }},
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
    PlainEngine engine(ws.db_path);
    for (const Case& c : cases) {
        Figure f;
        f.name = QStringLiteral("grid ") + c.name;
        if (!ws.only.isEmpty() && !f.name.contains(ws.only, Qt::CaseInsensitive)) continue;
        f.size = size_name(ws.facts.quotes);
        f.target = Target::ratio(1.3);
        qint64 engine_rows = -1;
        int shown = -1;
        for (int i = 0; i < ws.repeats; ++i) {
            // Back to every quotation in random order, not timed.
            w.filters->Clear_all_filters();
            w.filters->back_to_random_order();
            if (c.fill) c.fill(w);
            QElapsedTimer timer;
            timer.start();
            if (c.sort_column >= 0) w.filters->sort_by_column(c.sort_column);
            else w.b_filter_Click();
            w.list->grid->viewport()->repaint();
            f.runs.push_back(ms_since(timer));
            shown = w.Data1() ? w.Data1()->record_count() : -1;

            const QString plain = engine_sql(program.ctx->current_quotes_sql);
            timer.start();
            engine_rows = engine.run(plain);
            f.floor_runs.push_back(ms_since(timer));
        }
        if (shown != engine_rows)
            f.failure = QStringLiteral("the grid shows %1 rows, the engine finds %2").arg(shown).arg(engine_rows);
        if (!program.ui.shown.isEmpty()) f.failure = shown_text(program.ui);
        f.note = QStringLiteral("%1 rows; through the window's own handlers").arg(shown);
        std::fprintf(stderr, "  %s\n", qPrintable(f.name));
        out.push_back(std::move(f));
    }
    return out;
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
    PlainEngine engine(ws.db_path);
    quint32 seed = 7;
    auto next_row = [&] {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % quint32(count));
    };
    const int runs = std::max(60, ws.repeats * 40);
    QStringList keys;
    std::vector<double> handler_runs;  // the window's own work, before painting
    for (int i = 0; i < runs + 5; ++i) {
        const int row = next_row();
        QElapsedTimer timer;
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
        keys << w.edit->t_key->text();
        if (w.edit->t_key->text().toLongLong() != rows.key_at(row).toLongLong())
            f.failure = QStringLiteral("the edit area does not show the row clicked");
    }
    // The engine's own work for the same rows, afterwards (its writes would empty the program's
    // page cache): the row by key, the two counts, the rotation.
    for (const QString& key : keys) {
        QElapsedTimer timer;
        timer.start();
        engine.run(QStringLiteral("SELECT * FROM quotes WHERE key = ") + key, true);
        engine.run(QStringLiteral("SELECT count(0) FROM quotes WHERE author = (SELECT author FROM quotes WHERE key = %1)").arg(key));
        engine.run(QStringLiteral("SELECT count(0) FROM quotes WHERE subject = (SELECT subject FROM quotes WHERE key = %1)").arg(key));
        engine.exec(QStringLiteral("UPDATE quotes SET random = random + 1 WHERE key = ") + key);
        f.floor_runs.push_back(ms_since(timer));
    }
    const double rotated = program.ctx->database->scalar(QStringLiteral("SELECT random FROM quotes WHERE key = ") + w.edit->t_key->text()).toDouble();
    if (rotated < 1.0) f.failure = QStringLiteral("the row shown was not rotated");
    if (!program.ui.shown.isEmpty()) f.failure = shown_text(program.ui);
    f.note = QStringLiteral("%1 rows clicked at random, median %2 ms before painting; floor: the engine's statements for one row")
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
