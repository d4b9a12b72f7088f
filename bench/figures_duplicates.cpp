#include "figures_duplicates.h"

#include "collection/f_overview.h"
#include "core/app_context.h"
#include "database/duplicates.h"
#include "database/database.h"
#include "engine.h"
#include "floors.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <unordered_map>

namespace bench {

namespace {

double ms_since(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// The floor's folding, as far as plain SQL goes: letter case (ASCII), the marks the planted
// copies add, blanks at the end. Exact groups are the rows alike under it, two or more.
const QString floor_sql = QStringLiteral(
    "SELECT count(*), coalesce(sum(n), 0) FROM (SELECT count(*) AS n FROM quotes "
    "GROUP BY lower(rtrim(replace(text, '!', ''))) HAVING count(*) > 1)");

struct Planted {
    std::vector<std::pair<qint64, qint64>> exact, near;  // original, copy
};

// The copies planted: one row in 97 again in capitals with " !" after it (the same once folded),
// one in 89 again with its author on a line of its own after it (nearly the same).
Planted plant(const QString& path) {
    PlainEngine engine(path);
    const qint64 last = engine.first_number(QStringLiteral("SELECT max(key) FROM quotes"));
    engine.exec(QStringLiteral("BEGIN"));
    engine.exec(QStringLiteral("INSERT INTO quotes (text, author, subject, language, rate, random) "
                               "SELECT upper(text) || ' !', author, subject, language, rate, random FROM quotes "
                               "WHERE key % 97 = 0 ORDER BY key"));
    const qint64 after_exact = engine.first_number(QStringLiteral("SELECT max(key) FROM quotes"));
    engine.exec(QStringLiteral("INSERT INTO quotes (text, author, subject, language, rate, random) "
                               "SELECT text || char(10) || '— ' || coalesce(author, 'Anonymous'), author, subject, language, "
                               "rate, random FROM quotes WHERE key % 89 = 0 AND key <= %1 ORDER BY key")
                    .arg(last));
    engine.exec(QStringLiteral("COMMIT"));
    Planted p;
    const auto pair = [&](const QString& originals, const QString& copies, auto& into) {
        const auto a = engine.rows(originals), b = engine.rows(copies);
        for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) into.emplace_back(a[i][0].toLongLong(), b[i][0].toLongLong());
    };
    pair(QStringLiteral("SELECT key FROM quotes WHERE key % 97 = 0 AND key <= %1 ORDER BY key").arg(last),
         QStringLiteral("SELECT key FROM quotes WHERE key > %1 AND key <= %2 ORDER BY key").arg(last).arg(after_exact), p.exact);
    pair(QStringLiteral("SELECT key FROM quotes WHERE key % 89 = 0 AND key <= %1 ORDER BY key").arg(last),
         QStringLiteral("SELECT key FROM quotes WHERE key > %1 ORDER BY key").arg(after_exact), p.near);
    return p;
}

// Why the groups miss a planted pair; empty when every pair is in one group (an exact one for
// the exact pairs).
QString missed(const std::vector<duplicates::Group>& groups, const std::vector<std::pair<qint64, qint64>>& pairs,
               bool exact) {
    std::unordered_map<qint64, size_t> group_of;
    for (size_t g = 0; g < groups.size(); ++g)
        for (const qint64 key : groups[g].keys) group_of[key] = g;
    int lost = 0;
    for (const auto& [a, b] : pairs) {
        const auto x = group_of.find(a), y = group_of.find(b);
        if (x == group_of.end() || y == group_of.end() || x->second != y->second || (exact && !groups[x->second].exact)) ++lost;
    }
    return lost == 0 ? QString() : QStringLiteral("%1 of %2 planted pairs not found together").arg(lost).arg(pairs.size());
}

}  // namespace

std::vector<Figure> duplicate_figures(const Workspace& ws) {
    Figure exact, near, memory;
    exact.name = QStringLiteral("find duplicates: exact groups");
    near.name = QStringLiteral("find duplicates: exact and near groups");
    memory.name = QStringLiteral("find duplicates: peak memory");
    exact.size = near.size = memory.size = ws.facts.name;
    exact.target = Target::ms(10000);
    near.target = Target::ms(10000);
    memory.target = Target::mb(500);
    memory.unit = QStringLiteral("MB");

    const QString path = fresh_copy(ws, QStringLiteral("duplicates.mdb"));
    const Planted planted = plant(path);
    auto db = Database::open(path);
    PlainEngine engine(path);
    Floor floor({{QStringLiteral("GROUP BY a folded text"), floor_sql}});
    for (int i = 0; i < ws.repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        const auto groups = duplicates::find(*db, {false, duplicates::default_threshold});
        exact.runs.push_back(ms_since(timer));
        exact.floor_runs.push_back(floor.run(engine));
        qint64 rows = 0;
        for (const auto& g : groups) rows += qint64(g.keys.size());
        const qint64 floor_groups = floor.rows().front()[0].toLongLong(), floor_rows = floor.rows().front()[1].toLongLong();
        if (qint64(groups.size()) != floor_groups || rows != floor_rows)
            exact.failure = QStringLiteral("%1 groups of %2 rows; the floor's: %3 of %4")
                                .arg(groups.size()).arg(rows).arg(floor_groups).arg(floor_rows);
        else if (const QString why = missed(groups, planted.exact, true); !why.isEmpty())
            exact.failure = why;

        timer.start();
        const auto all = duplicates::find(*db);
        near.runs.push_back(ms_since(timer));
        near.floor_runs.push_back(floor.run(engine));
        if (const QString why = missed(all, planted.exact, false) + missed(all, planted.near, false); !why.isEmpty())
            near.failure = why;
        qint64 near_groups = 0;
        for (const auto& g : all) near_groups += g.exact ? 0 : 1;
        near.note = QStringLiteral("%1 groups, %2 near; %3 exact and %4 near copies planted; floor: the exact floor "
                                   "(the engine has no near comparison)")
                        .arg(all.size()).arg(near_groups).arg(planted.exact.size()).arg(planted.near.size());
    }
    exact.note = QStringLiteral("%1 copies planted the same once folded; floor: plain SQL grouping rows by "
                                "lower(rtrim(replace(text, '!', ''))), the groups and their rows compared")
                     .arg(planted.exact.size());

    const auto child = [&](const QString& kind) -> double {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(ws.self, {QStringLiteral("--duplicates-child"), kind, path});
        if (!p.waitForFinished(-1) || p.exitCode() != 0) {
            memory.failure = QStringLiteral("the %1 child process failed").arg(kind);
            return 0;
        }
        static const QRegularExpression peak(QStringLiteral(R"(peak_kb=(\d+))"));
        const auto m = peak.match(QString::fromUtf8(p.readAllStandardOutput()));
        return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : 0;
    };
    memory.runs.push_back(child(QStringLiteral("program")));
    memory.floor_runs.push_back(child(QStringLiteral("engine")));
    memory.note = QStringLiteral("a process searching exact and near groups; floor: a process running the engine's GROUP BY");
    return {exact, near, memory};
}

Figure overview_opens(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("View > Overview opens, charts drawn");
    f.size = ws.facts.name;
    f.target = Target::ms(1000);
    SilentUi ui;
    auto ctx = program_context(ui, ws, ws.db_path);
    PlainEngine engine(ws.db_path);
    // The engine's counts per subject, language and author from the sort keys' indexes, and per rate.
    Floor floor({{QStringLiteral("GROUP BY the keys"),
                  QStringLiteral("SELECT (SELECT count(*) FROM (SELECT subject_key FROM quotes GROUP BY subject_key)) + "
                                 "(SELECT count(*) FROM (SELECT language_key FROM quotes GROUP BY language_key)) + "
                                 "(SELECT count(*) FROM (SELECT author_key FROM quotes GROUP BY author_key)) + "
                                 "(SELECT count(*) FROM (SELECT rate FROM quotes GROUP BY rate))")}});
    for (int i = 0; i < ws.repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        auto* window = new f_overview(*ctx);
        window->show();
        window->repaint();
        f.runs.push_back(ms_since(timer));
        const overview::Counts c = window->counts();  // a copy: the window goes now
        delete window;
        f.floor_runs.push_back(floor.run(engine));
        if (c.quotations != ws.facts.quotes) f.failure = QStringLiteral("%1 quotations counted").arg(c.quotations);
        if (!ui.shown.isEmpty()) f.failure = ui.shown.first();
        f.note = QStringLiteral("%1 subjects, %2 languages, %3 authors; floor: the engine's GROUP BY over each key's index")
                     .arg(c.subjects_in_all).arg(c.languages_in_all).arg(c.authors_in_all);
    }
    return f;
}

int duplicates_memory_child(const QStringList& args) {
    if (args.size() < 2) return 2;
    qint64 groups = 0;
    if (args[0] == QLatin1String("engine")) {
        PlainEngine engine(args[1]);
        groups = engine.first_number(floor_sql);
    } else {
        auto db = Database::open(args[1]);
        groups = qint64(duplicates::find(*db).size());
    }
    std::printf("peak_kb=%lld groups=%lld\n", static_cast<long long>(peak_memory_kb()), static_cast<long long>(groups));
    return 0;
}

}  // namespace bench
