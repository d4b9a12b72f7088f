#include "app/import_command.h"
#include "core/app_context.h"
#include "widgets/application.h"
#include "core/help.h"
#include "widgets/qt_ui.h"
#include "core/startup.h"
#include "database/schema.h"
#include "main_window/f_main.h"
#include "main_window/quote_list.h"

#include <QApplication>
#include <QDateTime>
#include <QTableView>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include <memory>

namespace {

int usage(QTextStream& err) {
    err << "usage: sentara [--version | --create-database PATH [--with-samples]]\n";
    return 2;
}

// Options for scripts: they do their work and end without opening a window.
int run_option(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args == QStringList{QStringLiteral("--version")}) {
        out << "Sentara version " << current_version() << '\n';
        return 0;
    }
    if (args.value(0) == QLatin1String("--create-database")) {
        const QString path = args.value(1);
        const bool samples = args.value(2) == QLatin1String("--with-samples");
        if (path.isEmpty() || args.size() > (samples ? 3 : 2)) return usage(err);
        try {
            schema::create_database(path, samples);
        } catch (const DbError& e) {
            err << "sentara: " << e.description() << '\n';
            return 1;
        }
        out << "Created the database " << path << '\n';
        return 0;
    }
    // ---- --import FILE [--database PATH] [--author NAME] [--subject NAME] [--language CODE]
    if (args.contains(QLatin1String("--import")))
        return import_command_line(args, QCoreApplication::applicationDirPath(), out, err);
    // ----
    return usage(err);
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

}  // namespace

int main(int argc, char** argv) {
    const bool quit_when_shown = argc == 2 && std::strcmp(argv[1], "--quit-when-shown") == 0;
    if (argc > 1 && !quit_when_shown) return run_option(argc, argv);

    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sentara"));
    QApplication::setOrganizationName(QStringLiteral("Sentara"));

    QtUi ui;
    app.set_ui(&ui);
    AppContext ctx(ui);
    ctx.program_folder = QCoreApplication::applicationDirPath();
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
    return QApplication::exec();
}
