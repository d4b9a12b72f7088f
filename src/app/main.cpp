#include "command_line.h"
#include "duplicates_command.h"
#include "export_command.h"
#include "import_command.h"
#include "core/app_context.h"
#include "core/help.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/translations.h"
#include "database/schema.h"
#include "main_window/f_main.h"
#include "main_window/quote_list.h"
#include "widgets/application.h"
#include "widgets/qt_ui.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTableView>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Where the program's data files are: beside the program (a build, or a portable copy), or in
// share/sentara beside the bin folder of an installed one.
QString program_folder() {
    const QString here = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(here + QStringLiteral("/default.jpg"))) return here;
    const QString installed = QDir::cleanPath(here + QStringLiteral("/../share/sentara"));
    return QFileInfo::exists(installed + QStringLiteral("/default.jpg")) ? installed : here;
}

int create_database_command(const CommandLine& c, QTextStream& out, QTextStream& err) {
    try {
        schema::create_database(c.database, c.with_samples);
    } catch (const DbError& e) {
        err << "sentara: " << e.description() << '\n';
        return 1;
    }
    out << CommandLine::tr("Created the database %1").arg(c.database) << '\n';
    return 0;
}

int random_command(const CommandLine& c, QTextStream& out, QTextStream& err) {
    QString path = c.database;
    if (path.isEmpty()) path = get_setting(QStringLiteral("last_db_file"));
    if (path.isEmpty()) path = default_database_path(program_folder());
    if (!QFileInfo::exists(path)) {
        if (QFileInfo(path).isSymLink()) err << "sentara: " << why_no_file(path) << '\n';
        else err << "sentara: " << CommandLine::tr("there is no database at %1 (give one with --database)").arg(path) << '\n';
        return 1;
    }
    try {
        // Safe beside a running program: the engine waits a moment for its lock, and the file
        // is never compacted or replaced from here. A file this user may not change is opened
        // for reading only, and its quotation shown without moving it.
        auto db = Database::open(path);
        random_order::Generator rng(std::uint32_t(QDateTime::currentMSecsSinceEpoch()));
        const auto quote = next_random_quote(*db, rng, c.choice);
        if (!quote) {
            err << "sentara: " << CommandLine::tr("no quotation meets the choice") << '\n';
            return 1;
        }
        out << (c.format == QLatin1String("json") ? json_text(*quote) : plain_text(*quote));
        out.flush();
        db->close();  // says so when the file cannot take the move in (a full disk)
        return 0;
    } catch (const DbError& e) {
        err << "sentara: " << e.description() << '\n';
        return 1;
    }
}

// For the benchmark: ends the program as soon as the grid has painted its first page, writing
// "shown" on the standard output, so that a start can be timed from outside as a user sees it.
class QuitWhenShown : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

int run_command(int argc, char** argv, const QStringList& arguments) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sentara"));
    install_translations(app, program_folder());
    QCoreApplication::setApplicationVersion(current_version());
    QTextStream out(stdout), err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    const CommandLine c = parse_command_line(arguments);
    switch (c.action) {
    case CommandLine::help: out << c.help_text; return 0;
    case CommandLine::version: out << CommandLine::tr("Sentara version %1").arg(current_version()) << '\n'; return 0;
    case CommandLine::create_database: return create_database_command(c, out, err);
    case CommandLine::random: return random_command(c, out, err);
    case CommandLine::import:
        return import_command({c.import_file, c.database, c.choice.filter.author, c.choice.filter.subject,
                               c.choice.filter.language, program_folder(), c.import_format},
                              out, err);
    case CommandLine::export_file:
        return export_command({c.export_file_path, c.export_format, c.database, program_folder(), c.choice}, out, err);
    case CommandLine::find_duplicates:
        return duplicates_command({c.database, program_folder(), c.format, c.threshold}, out, err);
    case CommandLine::import_access: return import_access_command(c.import_file, c.database, out, err);
    case CommandLine::error:
        err << "sentara: " << c.error_text << '\n' << CommandLine::tr("Try 'sentara --help'.") << '\n';
        return 2;
    case CommandLine::windows: break;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const bool quit_when_shown = arguments.size() == 2 && arguments[1] == QLatin1String("--quit-when-shown");
    // "sentara FILE": the windows, on that database.
    const bool opening = arguments.size() == 2 && !arguments[1].startsWith(u'-');
    if (arguments.size() > 1 && !quit_when_shown && !opening) return run_command(argc, argv, arguments);

    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sentara"));
    install_translations(app, program_folder());
    QApplication::setOrganizationName(QStringLiteral("Sentara"));
    // Ties the windows to the desktop entry (its icon and name in the task bar; the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sentara.Sentara"));

    QtUi ui;
    app.set_ui(&ui);
    AppContext ctx(ui);
    ctx.program_folder = program_folder();
    if (opening) ctx.requested_database_path = arguments[1];
    ctx.rng.seed(std::uint32_t(QDateTime::currentMSecsSinceEpoch()));
    std::unique_ptr<f_main> main_window;
    ctx.show_main_window = [&] {
        main_window = std::make_unique<f_main>(ctx);
        if (quit_when_shown) main_window->list->grid->viewport()->installEventFilter(new QuitWhenShown(main_window.get()));
        main_window->show();
    };
    const StartResult started = Main(ctx);
    if (started == StartResult::failed) return 1;
    if (started == StartResult::cancelled || Application::terminating()) return 0;
    const int code = QApplication::exec();
    main_window.reset();
    // Written on the terminal too: once the session asks the program to end, no dialog shows.
    const QString problem = ctx.close_database();
    if (!problem.isEmpty()) std::fprintf(stderr, "sentara: %s\n", qPrintable(problem));
    return code;
}
