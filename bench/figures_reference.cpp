// Figures of the reference windows, measured on the real windows.
#include "figures.h"

#include "core/app_context.h"
#include "database/database.h"
#include "database/recordset.h"
#include "database/schema.h"
#include "engine.h"
#include "reference/f_authors.h"
#include "silent_ui.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableView>

#include <cstdio>

namespace bench {

namespace {

constexpr qint64 authors_wanted = 100000;

double ms_since(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// The collection with its authors made up to a hundred thousand: the names of the generated
// authors with a number after them, a few with notes or a picture, most with a place in the
// random order as fine as the program's (which ties by chance some hundred times).
QString hundred_thousand_authors(const Workspace& ws) {
    const QString path = ws.program_folder + QStringLiteral("/authors-100k.mdb");
    QFile::remove(path);
    if (!QFile::copy(ws.db_path, path)) throw std::runtime_error("cannot copy the collection");
    QFile(path).setPermissions(QFile(path).permissions() | QFileDevice::WriteOwner);
    auto db = Database::open(path);
    const qint64 have = db->scalar(QStringLiteral("SELECT count(*) FROM authors")).toLongLong();
    db->execute(QStringLiteral(
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                    "INSERT INTO authors SELECT (SELECT name FROM authors AS a WHERE a.rowid = 1 + i % %2) || ' ' || i, "
                    "CASE WHEN i % 7 = 0 THEN 'Born in ' || (1500 + i % 500) END, "
                    "CASE WHEN i % 4 = 0 THEN 'author_' || i || '.jpg' END, "
                    "CASE WHEN i % 10 = 0 THEN NULL ELSE (1 + abs(random()) % 16777215) / 16777216.0 END FROM n")
                    .arg(authors_wanted - have)
                    .arg(have));
    schema::prepare_for_use(*db);
    return path;
}

}  // namespace

Figure authors_window(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("authors window: open and filter on 100,000 authors");
    f.size = ws.facts.name;
    f.target = Target::ms(100);
    const QString path = hundred_thousand_authors(ws);
    SilentUi ui;
    const std::unique_ptr<AppContext> program = program_context(ui, ws, path);
    AppContext& ctx = *program;
    const QString name_filter = QStringLiteral("mar"), notes_filter = QStringLiteral("Born in 18");
    // The first opening gives every author without a place one, once for good: not timed.
    delete new f_authors(ctx);
    PlainEngine engine(path);
    std::vector<double> open_runs;
    int listed = -1, filtered = -1;
    for (int i = 0; i < ws.repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        // Opened, shown and painted; then the filter typed and applied, and painted again.
        auto* w = new f_authors(ctx);
        w->show();
        QApplication::processEvents();
        w->grid->viewport()->repaint();
        open_runs.push_back(ms_since(timer));
        listed = w->recordset() ? w->recordset()->record_count() : -1;
        w->t_name_filter->setText(name_filter);
        w->t_notes_filter->setText(notes_filter);
        w->b_filter_Click();
        w->grid->viewport()->repaint();
        QApplication::processEvents();
        f.runs.push_back(ms_since(timer));
        filtered = w->recordset() ? w->recordset()->record_count() : -1;
        delete w;

        // The engine's own: the saved query in random order, then with the same filter, each
        // read to its last row.
        timer.start();
        engine.run(QStringLiteral("SELECT * FROM authors_with_quote_quantity ORDER BY random, name"), true);
        engine.run(QStringLiteral("SELECT * FROM authors_with_quote_quantity WHERE name LIKE '%") + name_filter +
                       QStringLiteral("%' OR notes LIKE '%") + notes_filter + QStringLiteral("%' ORDER BY random, name"),
                   true);
        f.floor_runs.push_back(ms_since(timer));
    }
    const qint64 all = engine.run(QStringLiteral("SELECT * FROM authors"));
    const qint64 matching = engine.run(QStringLiteral("SELECT * FROM authors WHERE name LIKE '%") + name_filter +
                                       QStringLiteral("%' OR notes LIKE '%") + notes_filter + QStringLiteral("%'"));
    if (all != authors_wanted) f.failure = QStringLiteral("%1 authors made, not %2").arg(all).arg(authors_wanted);
    else if (listed != all) f.failure = QStringLiteral("the window lists %1 of %2 authors").arg(listed).arg(all);
    else if (filtered != matching) f.failure = QStringLiteral("the filter lists %1, the engine finds %2").arg(filtered).arg(matching);
    if (!ui.shown.isEmpty()) f.failure = QStringLiteral("%1 message(s) shown: \"%2\"").arg(ui.shown.size()).arg(ui.shown.first());
    f.note = QStringLiteral("opening %1 ms of it; %2 of %3 authors filtered; floor: the saved query read twice")
                 .arg(median_of(open_runs), 0, 'f', 1)
                 .arg(filtered)
                 .arg(all);
    QFile::remove(path);
    return f;
}

}  // namespace bench
