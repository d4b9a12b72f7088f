#include "application.h"

#include "core/common.h"
#include "database/db_error.h"
#include "core/ui.h"

#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <exception>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signal_pipe[2] = {-1, -1};
volatile std::sig_atomic_t asked_to_end = 0;

void on_signal(int) {
    asked_to_end = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signal_pipe[1], &byte, 1);
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_pipe) != 0) return;
    auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(signal_pipe[0], &byte, 1);
        // exit() ends every running event loop, and any loop started later returns at once.
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &action, nullptr);
}

Application::~Application() {
    for (const int s : {SIGTERM, SIGINT, SIGHUP}) std::signal(s, SIG_DFL);
}

bool Application::terminating() { return asked_to_end != 0; }

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError& e) {
        report_later(QCoreApplication::translate("Application", "Error %1 - %2").arg(e.number()).arg(e.description()));
    } catch (const std::exception& e) {
        report_later(QCoreApplication::translate("Application", "Error - %1").arg(QString::fromLocal8Bit(e.what())));
    }
    return false;
}

void Application::report_later(const QString& text) {
    if (!ui_ || report_pending_) return;
    report_pending_ = true;
    QTimer::singleShot(0, this, [this, text] {
        ui_->message(text);
        report_pending_ = false;
    });
}
