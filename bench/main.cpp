// sentara-bench: how the program holds up from twenty thousand to a million quotations.
// Every figure is measured through the program's own code and printed beside the engine's own
// time for the same work on the same file.

#include "engine.h"
#include "figures.h"
#include "figures_bulk.h"
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
    "usage: sentara-bench [--sizes 20k,100k,1M] [--figures LIST] [--repeats N] [--every-size] [--cache DIR]\n"
    "  --sizes       collections to measure (default 20k,100k,1M; any size such as 5k or 250k works)\n"
    "  --figures     some of: startup, backup, requery, memory, row-change, save-delete, index, random, scroll,\n"
    "                bulk-delete, export, authors, slide-show, import (default: all)\n"
    "  --repeats N   runs per figure (default 5 below 1M quotations, 3 from 1M; grid figures under 50 ms: 15)\n"
    "  --every-size  measure every figure at every size, not only at the sizes its target names\n"
    "  --only TEXT   of the grid figures, only those whose name holds TEXT (\"sort\", \"filter: key\")\n"
    "  --cache DIR   where generated collections are kept (default $XDG_CACHE_HOME/sentara-bench)\n";

// A kind of figure and the collection sizes its target is set for.
struct Plan {
    const char* id;
    std::function<bool(qint64 quotes)> at_size;
    std::function<std::vector<Figure>(const Workspace&)> measure;
};

std::vector<Plan> plans() {
    auto every = [](qint64) { return true; };
    auto million = [](qint64 q) { return q >= 1000000; };
    auto hundred_k = [](qint64 q) { return q == 100000; };
    return {
        {"startup", every, [](const Workspace& ws) { return std::vector<Figure>{startup(ws, false)}; }},
        {"backup", every, [](const Workspace& ws) { return std::vector<Figure>{startup(ws, true)}; }},
        {"requery", every, [](const Workspace& ws) { return requery(ws); }},
        {"memory", million, [](const Workspace& ws) { return std::vector<Figure>{peak_memory(ws)}; }},
        {"row-change", every, [](const Workspace& ws) { return std::vector<Figure>{row_change(ws)}; }},
        {"save-delete", every, [](const Workspace& ws) { return save_and_delete(ws); }},
        {"index", million, [](const Workspace& ws) { return std::vector<Figure>{search_index_size(ws)}; }},
        {"random", million, [](const Workspace& ws) { return std::vector<Figure>{random_command(ws)}; }},
        {"scroll", million, [](const Workspace& ws) { return std::vector<Figure>{grid_scroll(ws)}; }},
        {"bulk-delete", million, [](const Workspace& ws) { return bulk_delete(ws); }},
        {"export", hundred_k, [](const Workspace& ws) { return std::vector<Figure>{bulk_export(ws)}; }},
        {"authors", hundred_k, [](const Workspace& ws) { return std::vector<Figure>{authors_window(ws)}; }},
        {"slide-show", million, [](const Workspace& ws) { return slide_show_step(ws); }},
        {"import", hundred_k, [](const Workspace& ws) { return import_figures(ws); }},
    };
}

struct Options {
    std::vector<qint64> sizes{20000, 100000, 1000000};
    QStringList figures;
    int repeats = 0;
    bool every_size = false;
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
    for (qint64 size : o.sizes) {
        std::vector<const Plan*> chosen;
        static const std::vector<Plan> known = plans();
        for (const Plan& p : known)
            if ((o.figures.isEmpty() || o.figures.contains(QLatin1String(p.id))) && (o.every_size || p.at_size(size)))
                chosen.push_back(&p);
        if (chosen.empty()) continue;

        std::fprintf(stderr, "%s quotations: ", qPrintable(size_name(size)));
        std::fflush(stderr);
        const CollectionFacts facts = collection(o.cache, size);
        if (facts.generated_now) std::fprintf(stderr, "generated in %.1f s, ", facts.seconds);
        std::fprintf(stderr, "%s\n", qPrintable(facts.path));

        Workspace ws = make_workspace(facts, root.path(), settings);
        ws.repeats = o.repeats > 0 ? o.repeats : (size >= 1000000 ? 3 : 5);
        ws.only = o.only;
        for (const Plan* p : chosen) {
            std::fprintf(stderr, "  measuring %s\n", p->id);
            for (Figure& f : p->measure(ws)) {
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
        else if (f.verdict() == QLatin1String("FAIL")) ++failed;
    }
    std::printf("\n%d figures: %d failed, %d not measured yet; %.0f s in all.\n", int(all.size()), failed, missing,
                double(total.elapsed()) / 1000.0);
    std::printf("floor: the engine alone on the same file: for start-up its VACUUM INTO + open (a plain cp + sync in\n"
                "the note); for the grid, a row change, the statements the program sent it meanwhile, replayed on a\n"
                "connection of its own (the program's collation and like() registered, nothing else); for save and\n"
                "delete its own UPDATE or DELETE of one row; for memory the same SELECTs read whole in a process of\n"
                "their own.\n"
                "ratio: median / floor; for the grid, each run is followed by its replay, and the ratio is the median\n"
                "of each run over its own replay.\n");
    return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The main window is measured offscreen, whatever display there is.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
