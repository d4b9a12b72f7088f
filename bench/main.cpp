// sentara-bench: how the program holds up from twenty thousand to a million quotations, or on
// any collection given. Every figure is measured through the program's own code and printed
// beside its floor: the best plan a competent engineer writes in plain SQLite for the same work
// on the same file.

#include "collection.h"
#include "engine.h"
#include "figures.h"
#include "figures_bulk.h"
#include "figures_duplicates.h"
#include "figures_long_work.h"
#include "figures_slide_show.h"
#include "generator.h"
#include "report.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <stdexcept>

namespace {

using namespace bench;

const char* const usage_text =
    "usage: sentara-bench [--sizes 20k,100k,1M | --collection FILE] [--figures LIST] [--repeats N] [--every-size]\n"
    "                     [--only TEXT] [--show-plans] [--quick-clicks] [--cache DIR]\n"
    "  --sizes       generated collections to measure (default 20k,100k,1M; any size such as 5k or 250k works)\n"
    "  --collection  measure every figure on this file instead (copied first, never written)\n"
    "  --figures     some of: grid, row-change, save-delete, startup, random, index, file-size, memory, migration,\n"
    "                backup, bulk-delete, export, authors, slide-show, import, long-work, duplicates, overview (default:\n"
    "                all);\n"
    "                long-work, duplicates and overview, named here, run at every size given\n"
    "  --repeats N   runs per figure (default 5 below 1M quotations, 3 from 1M)\n"
    "  --every-size  measure every figure at every size, not only at the sizes its target names\n"
    "  --only TEXT   only the figures whose name holds TEXT (\"sort: author\", \"first page\")\n"
    "  --show-plans  print the floor's statement beside each grid figure\n"
    "  --quick-clicks  grid runs follow one another at once, the idle window not reading its list to the end\n"
    "  --cache DIR   where generated collections and keyed copies are kept (default $XDG_CACHE_HOME/sentara-bench)\n";

// A kind of figure and the collection sizes its target is set for.
struct Plan {
    const char* id;
    std::function<bool(qint64 quotes)> at_size;
    std::function<std::vector<Figure>(const Workspace&)> measure;
    bool any_size_when_named = false;  // named in --figures, it runs at every size given
};

std::vector<Plan> plans() {
    auto million = [](qint64 q) { return q >= 1000000; };
    auto hundred_k = [](qint64 q) { return q == 100000; };
    auto one = [](Figure f) { return std::vector<Figure>{std::move(f)}; };
    return {
        {"migration", million, [=](const Workspace& ws) { return one(migration(ws)); }},
        {"index", million, [=](const Workspace& ws) { return one(search_index_size(ws)); }},
        {"file-size", million, [](const Workspace& ws) { return file_size(ws); }},
        {"startup", million, [](const Workspace& ws) { return startup(ws); }},
        {"grid", million, [](const Workspace& ws) { return grid_lists(ws); }},
        {"row-change", million, [](const Workspace& ws) { return row_change(ws); }},
        {"save-delete", million, [](const Workspace& ws) { return save_and_delete(ws); }},
        {"random", million, [=](const Workspace& ws) { return one(random_command(ws)); }},
        {"memory", million, [=](const Workspace& ws) { return one(peak_memory(ws)); }},
        {"backup", million, [=](const Workspace& ws) { return one(startup_with_backup(ws)); }},
        {"slide-show", million, [](const Workspace& ws) { return slide_show_step(ws); }},
        {"bulk-delete", million, [](const Workspace& ws) { return bulk_delete(ws); }},
        {"export", hundred_k, [=](const Workspace& ws) { return one(bulk_export(ws)); }},
        {"authors", hundred_k, [=](const Workspace& ws) { return one(authors_window(ws)); }},
        {"import", hundred_k, [](const Workspace& ws) { return import_figures(ws); }},
        {"duplicates", million, [](const Workspace& ws) { return duplicate_figures(ws); }, true},
        {"overview", million, [=](const Workspace& ws) { return one(overview_opens(ws)); }, true},
        {"long-work", million, [](const Workspace& ws) { return long_work_figures(ws); }, true},
    };
}

struct Options {
    std::vector<qint64> sizes{20000, 100000, 1000000};
    QString collection;
    QStringList figures;
    int repeats = 0;
    bool every_size = false;
    bool show_plans = false;
    bool quick_clicks = false;
    QString cache;
    QString only;
};

bool parse(const QStringList& args, Options& o, QString& error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size()) {
                error = a + QStringLiteral(" needs a value");
                return QString();
            }
            return args[++i];
        };
        if (a == QLatin1String("--sizes")) {
            o.sizes.clear();
            for (const QString& s : value().split(u',', Qt::SkipEmptyParts)) {
                const qint64 n = parse_size(s);
                if (n <= 0) {
                    error = QStringLiteral("not a size: ") + s;
                    return false;
                }
                o.sizes.push_back(n);
            }
        } else if (a == QLatin1String("--collection")) {
            o.collection = QDir(value()).absolutePath();
        } else if (a == QLatin1String("--figures")) {
            o.figures = value().split(u',', Qt::SkipEmptyParts);
            for (const QString& f : o.figures) {
                bool known = false;
                for (const Plan& p : plans()) known = known || f == QLatin1String(p.id);
                if (!known) {
                    error = QStringLiteral("no such figure: ") + f;
                    return false;
                }
            }
        } else if (a == QLatin1String("--repeats")) {
            o.repeats = value().toInt();
            if (o.repeats <= 0 && error.isEmpty()) error = QStringLiteral("--repeats needs a positive number");
        } else if (a == QLatin1String("--every-size")) {
            o.every_size = true;
        } else if (a == QLatin1String("--show-plans")) {
            o.show_plans = true;
        } else if (a == QLatin1String("--quick-clicks")) {
            o.quick_clicks = true;
        } else if (a == QLatin1String("--only")) {
            o.only = value();
        } else if (a == QLatin1String("--cache")) {
            o.cache = QDir(value()).absolutePath();
        } else {
            error = QStringLiteral("unknown argument: ") + a;
        }
        if (!error.isEmpty()) return false;
    }
    if (o.cache.isEmpty()) o.cache = default_cache_folder();
    return true;
}

const char* const legend =
    "median: the program, measured through its real main window (offscreen) driven as a user drives it:\n"
    "  first page: from the click (header, Filter, the grid's corner) until the grid's first page is painted;\n"
    "  count: from the same click until record_count() is known; last page: from Ctrl+End until the last\n"
    "  rows are painted; row change: Down key to painted; save, delete: the edit area's buttons to painted.\n"
    "floor: the best plan a competent engineer writes in plain SQLite on the same file, with the indexes the\n"
    "  program keeps on it (none created by the floor), on a connection of its own, right after each run:\n"
    "  a page: the fastest of the list's ORDER BY ... LIMIT 60 over quotes joined to author_keys, written\n"
    "    with and without a forced join order, the filter's index used or not, and for a word in the text\n"
    "    or the notes the search index asked for the candidates; the same reversed for the last page;\n"
    "  count: the fastest of sum(bearers) over the same join (each quotation once per author bearing its\n"
    "    author's name: the rows the grid lists) and of counts grouped by author; for a word in the text\n"
    "    or the notes, the engine's own exact count(*) ... LIKE over the table, as the target says;\n"
    "  row change: the row and its author's picture read by key (in random order, its UPDATE of random\n"
    "    committed); save, delete: one UPDATE or DELETE by key, committed (the file's triggers fire);\n"
    "  --random: the first listed row in random order holding the word and its UPDATE, one transaction;\n"
    "  start-up: a process that opens the file and reads the first page and its rows' fields;\n"
    "  sizes: the quotations' table for the search index; the file's tables alone, compacted, and the\n"
    "    file as it came in for the file; migration: the time the progress text promised at first.\n"
    "  Writing floors use the write-ahead log with synchronous=NORMAL, as the program's connections do.\n"
    "ratio: median / floor (paired runs: the median of each run over its own floor run).\n"
    "Every grid figure compares its rows with its floor's: the count, and the first and last pages row by\n"
    "row by the list's sort value; a difference is a FAIL whatever the time.\n";

int run(const Options& o) {
    QElapsedTimer total;
    total.start();
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/sentara-bench-XXXXXX"));
    if (!root.isValid()) throw std::runtime_error("cannot create a temporary folder");
    const QString settings = root.path() + QStringLiteral("/settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);

    std::vector<Figure> all;
    bool header = false;
    const std::vector<qint64> sizes = o.collection.isEmpty() ? o.sizes : std::vector<qint64>{0};
    for (qint64 size : sizes) {
        std::vector<const Plan*> chosen;
        static const std::vector<Plan> known = plans();
        for (const Plan& p : known)
            if ((o.figures.isEmpty() || o.figures.contains(QLatin1String(p.id))) &&
                (o.every_size || !o.collection.isEmpty() || p.at_size(size) ||
                 (p.any_size_when_named && o.figures.contains(QLatin1String(p.id)))))
                chosen.push_back(&p);
        if (chosen.empty()) continue;

        std::fprintf(stderr, "%s: preparing\n", qPrintable(o.collection.isEmpty() ? size_name(size) : o.collection));
        const CollectionFacts facts = o.collection.isEmpty() ? generated(o.cache, size) : given(o.cache, o.collection);
        std::printf("\n");
        for (const QString& line : describe(facts)) std::printf("%s\n", qPrintable(line));
        std::printf("\n");
        header = false;

        Workspace ws = make_workspace(facts, root.path(), settings);
        ws.repeats = o.repeats > 0 ? o.repeats : (facts.quotes >= 1000000 ? 3 : 5);
        ws.only = o.only;
        ws.show_plans = o.show_plans;
        ws.quick_clicks = o.quick_clicks;
        for (const Plan* p : chosen) {
            std::fprintf(stderr, "  measuring %s\n", p->id);
            for (Figure& f : p->measure(ws)) {
                if (!ws.wanted(f.name)) continue;
                if (!header) {
                    print_header();
                    header = true;
                }
                print_line(f);
                all.push_back(std::move(f));
            }
        }
        QDir(ws.program_folder).removeRecursively();
    }
    int failed = 0, missing = 0;
    for (const Figure& f : all) {
        if (!f.not_measured.isEmpty()) ++missing;
        else if (f.verdict() != QLatin1String("PASS") && f.verdict() != QLatin1String("-")) ++failed;
    }
    std::printf("\n%d figures: %d miss their target or failed, %d not measured; %.0f s in all.\n", int(all.size()), failed,
                missing, double(total.elapsed()) / 1000.0);
    std::fputs(legend, stdout);
    return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The main window is measured offscreen, whatever display there is.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && std::string(argv[1]) == "--start-floor") return start_floor_child(QString::fromLocal8Bit(argv[2]));
    if (argc > 1 && std::string(argv[1]) == "--duplicates-child") {
        QApplication app(argc, argv);
        return duplicates_memory_child(app.arguments().mid(2));
    }
    if (argc > 1 && std::string(argv[1]) == "--memory-child") {
        QApplication app(argc, argv);
        return memory_child(app.arguments().mid(2));
    }
    QApplication app(argc, argv);
    Options options;
    QString error;
    const QStringList args = app.arguments().mid(1);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(usage_text, stdout);
        return 0;
    }
    if (!parse(args, options, error)) {
        std::fprintf(stderr, "sentara-bench: %s\n%s", qPrintable(error), usage_text);
        return 2;
    }
    try {
        return run(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sentara-bench: %s\n", e.what());
        return 1;
    }
}
