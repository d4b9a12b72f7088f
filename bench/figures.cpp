#include "figures.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/settings.h"
#include "core/startup.h"
#include "database/database.h"
#include "database/recordset.h"
#include "engine.h"
#include "silent_ui.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

#include <cstdio>
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

// One start-up as the program does it, ending with the first page of the grid on screen.
double timed_startup(const Workspace& ws, QString& failure) {
    SilentUi ui;
    GridPage page;
    double ms = 0;
    {
        AppContext ctx(ui);
        ctx.program_folder = ws.program_folder;
        ctx.rng.seed(20240601);
        ctx.show_main_window = [&] { page = show_grid(*ctx.database, grid_sql(QString(), QStringLiteral("quotes.random"))); };
        QElapsedTimer timer;
        timer.start();
        const bool went_on = Main(ctx);
        ms = ms_since(timer);
        if (!went_on) failure = QStringLiteral("start-up ended the program");
        else if (page.count == 0) failure = QStringLiteral("the grid is empty");
        page.rows.reset();
    }
    if (!ui.shown.isEmpty()) failure = shown_text(ui);
    return ms;
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

qint64 read_page(RecordSet& rows, int first) {
    qint64 chars = 0;
    const int end = std::min(rows.record_count(), first + grid_page_rows);
    for (int r = std::max(0, first); r < end; ++r)
        for (int f = 0; f < rows.field_count(); ++f) chars += RecordSet::to_text(rows.value_at(r, f)).size();
    return chars;
}

GridPage show_grid(Database& db, const QString& sql) {
    GridPage page;
    page.rows = db.open_recordset(sql);
    if (!page.rows->eof()) {
        page.rows->move_last();
        page.rows->move_first();
    }
    page.count = page.rows->record_count();
    page.text_read = read_page(*page.rows, 0);
    page.total = db.scalar(QStringLiteral("Select count(*) from quotes")).toLongLong();
    return page;
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
    struct Case {
        QString name, condition, order;
    };
    const QString random = QStringLiteral("quotes.random");
    const std::vector<Case> cases = {
        {QStringLiteral("filter: text like '*%1*'").arg(ws.facts.text_word),
         QStringLiteral(" text like '*%1*'").arg(sql_escape(ws.facts.text_word)), random},
        {QStringLiteral("filter: author = <one author>"), QStringLiteral(" author = '%1'").arg(sql_escape(ws.facts.featured_author)), random},
        {QStringLiteral("filter: rate 2 to 3"), QStringLiteral(" (rate >= '2' and rate <= '3')"), random},
        {QStringLiteral("filter: key = <one key>"), QStringLiteral(" key = %1").arg(ws.facts.middle_key), random},
        {QStringLiteral("sort: key"), QString(), QStringLiteral("key ASC ")},
        {QStringLiteral("sort: author"), QString(), QStringLiteral("author ASC , text2")},
        {QStringLiteral("sort: text"), QString(), QStringLiteral("text2 ASC")},
        {QStringLiteral("sort: subject"), QString(), QStringLiteral("subject  ASC , author, text2")},
        {QStringLiteral("sort: rate"), QString(), QStringLiteral("rate ASC , author, text2")},
        {QStringLiteral("sort: language"), QString(), QStringLiteral("language ASC , author, text2")},
        {QStringLiteral("sort: note"), QString(), QStringLiteral("quotes.notes ASC , author, text2")},
        {QStringLiteral("sort: random order"), QString(), random},
    };
    auto db = Database::open(ws.db_path);
    PlainEngine engine(ws.db_path);
    std::vector<Figure> out;
    for (const Case& c : cases) {
        Figure f;
        f.name = QStringLiteral("grid ") + c.name;
        if (!ws.only.isEmpty() && !f.name.contains(ws.only, Qt::CaseInsensitive)) continue;
        f.size = size_name(ws.facts.quotes);
        f.target = Target::ratio(1.3);
        const QString sql = grid_sql(c.condition, c.order);
        const QString plain = engine_sql(sql);
        qint64 engine_rows = -1;
        int shown = -1;
        for (int i = 0; i < ws.repeats; ++i) {
            QElapsedTimer timer;
            timer.start();
            GridPage page = show_grid(*db, sql);
            f.runs.push_back(ms_since(timer));
            shown = page.count;
            page.rows.reset();

            timer.start();
            engine_rows = engine.run(plain);
            f.floor_runs.push_back(ms_since(timer));
        }
        if (shown != engine_rows)
            f.failure = QStringLiteral("the grid shows %1 rows, the engine finds %2").arg(shown).arg(engine_rows);
        f.note = QStringLiteral("%1 rows").arg(shown);
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
    f.note = QStringLiteral("start-up, grid by random order then by text, pages read at top, middle, end");
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
        SilentUi ui;
        AppContext ctx(ui);
        ctx.program_folder = args[3];
        GridPage page;
        ctx.show_main_window = [&] { page = show_grid(*ctx.database, by_random); };
        if (!Main(ctx) || !ui.shown.isEmpty()) return 1;
        for (const QString& sql : {by_random, by_text}) {
            if (sql != by_random) page = show_grid(*ctx.database, sql);
            read += page.text_read + read_page(*page.rows, page.count / 2) + read_page(*page.rows, page.count - grid_page_rows);
        }
        page.rows.reset();
    }
    std::printf("peak_kb=%lld read=%lld\n", static_cast<long long>(peak_memory_kb()), static_cast<long long>(read));
    return 0;
}

Figure row_change(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("row change in random order");
    f.size = size_name(ws.facts.quotes);
    f.target = Target::ms(16);
    f.not_measured = QStringLiteral("not measured yet: needs the main window");
    return f;
}

Figure grid_scroll(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("grid scroll by one page");
    f.size = size_name(ws.facts.quotes);
    f.target = Target::ms(16);
    f.not_measured = QStringLiteral("not measured yet: needs the main window");
    return f;
}

}  // namespace bench
