#include "long_work.h"

#include "database/database.h"
#include "ui.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace long_work {

namespace {
std::atomic<bool> lockstep{false};
}

// What the worker and the window share: the last report, the stop, the ending.
class Shared {
public:
    std::mutex m;
    std::condition_variable changed;
    QString what;
    qint64 done = 0, total = 0;
    bool answered = true;  // lockstep: the last report has been shown
    bool finished = false;
    std::atomic<bool> stop{false};
    std::optional<DbError> error;
    QEventLoop* loop = nullptr;  // where the window waits
    std::function<void()> show;  // lockstep: shows the last report now, on the window's thread
};

void Progress::note(const QString& what, qint64 done, qint64 total) const noexcept {
    std::unique_lock lock(shared_->m);
    if (!what.isEmpty()) shared_->what = what;
    shared_->done = done;
    shared_->total = total;
    if (!lockstep.load() || shared_->stop.load()) return;
    shared_->answered = false;
    QMetaObject::invokeMethod(shared_->loop, shared_->show, Qt::QueuedConnection);
    shared_->changed.wait(lock, [&] { return shared_->answered; });
}

void Progress::operator()(const QString& what, qint64 done, qint64 total) const {
    note(what, done, total);
    if (stop_asked()) throw DbError(db_errors::cancelled, QStringLiteral("Stopped."));
}

bool Progress::stop_asked() const noexcept { return shared_->stop.load(); }

QString time_left(qint64 done, qint64 total, qint64 elapsed_ms) {
    if (done <= 0 || done >= total || elapsed_ms < 500) return QString();
    const qint64 ms = elapsed_ms * (total - done) / done;
    return ms >= 60000 ? QCoreApplication::translate("long_work", "About %1 min left.").arg((ms + 30000) / 60000)
                       : QCoreApplication::translate("long_work", "About %1 s left.").arg(std::max<qint64>(1, (ms + 500) / 1000));
}

namespace {

// `path` empty: work that needs no connection to the collection.
Outcome run_on(Ui& ui, const QString& path, Database* given, const QString& what,
               const std::function<void(Database*, const Progress&)>& work) {
    auto shared = std::make_shared<Shared>();
    shared->what = what;
    QEventLoop loop;
    shared->loop = &loop;
    QElapsedTimer clock;
    clock.start();

    bool showing = false, shown = false;
    const auto show = [&] {
        if (showing) return;  // the progress yields to events: a tick may come meanwhile
        showing = true;
        QString text;
        qint64 done = 0, total = 0;
        {
            std::lock_guard lock(shared->m);
            text = shared->what;
            done = shared->done;
            total = shared->total;
        }
        if (!shared->stop.load()) {
            const QString left = time_left(done, total, clock.elapsed());
            if (!left.isEmpty()) text += u' ' + left;
            // Never "all done" while the work runs: that would take the progress away.
            if (total <= 0) total = 1;
            if (!ui.progress_or_stop(text, std::min(done, total - 1), total)) shared->stop = true;
            shown = true;
        }
        {
            std::lock_guard lock(shared->m);
            shared->answered = true;
        }
        shared->changed.notify_all();
        showing = false;
    };
    shared->show = show;

    ui.set_hourglass(true);
    std::thread worker([shared, path, given, &work] {
        Database::yield_to_the_window();
        try {
            std::unique_ptr<Database> opened;
            Database* db = given;
            if (!db && !path.isEmpty()) db = (opened = Database::open(path)).get();
            if (db) db->stop_when(&shared->stop);
            struct TakeBack {
                Database* db;
                ~TakeBack() {
                    if (db) db->stop_when(nullptr);
                }
            } take_back{db};
            work(db, Progress(shared));
        } catch (const DbError& e) {
            std::lock_guard lock(shared->m);
            shared->error = e;
        } catch (const std::exception& e) {
            std::lock_guard lock(shared->m);
            shared->error = DbError(0, QString::fromLocal8Bit(e.what()));
        }
        {
            std::lock_guard lock(shared->m);
            shared->finished = true;
        }
        shared->changed.notify_all();
        QMetaObject::invokeMethod(shared->loop, "quit", Qt::QueuedConnection);
    });

    const auto ended = [&] {
        std::lock_guard lock(shared->m);
        return shared->finished;
    };
    // Work done within a moment shows nothing: the window paints meanwhile, but the user's
    // keys and clicks wait until the work has ended (or its progress shows), as for any click.
    if (!lockstep.load() && !ended()) {
        QTimer moment;
        moment.setSingleShot(true);
        QObject::connect(&moment, &QTimer::timeout, &loop, &QEventLoop::quit);
        moment.start(80);
        if (!ended()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!ended()) {
        // The worker's "quit" may be taken by the progress's own pass over the events before the
        // loop runs, and be lost: the tick looks at the ending too.
        QTimer tick;
        tick.setInterval(100);
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            if (ended()) loop.quit();
            else if (!lockstep.load()) show();
        });
        if (!lockstep.load()) show();
        tick.start();
        if (!ended()) loop.exec();
    }
    worker.join();
    if (shown) ui.progress(QString(), 1, 1);
    ui.set_hourglass(false);

    Outcome out;
    if (shared->error) {
        const bool stopped = shared->stop.load() || shared->error->number() == db_errors::cancelled;
        out.ending = stopped ? Ending::stopped : Ending::failed;
        if (!stopped) out.error = shared->error;
    } else if (shared->stop.load()) {
        // Stopped too late to stop anything: the work is done.
    }
    return out;
}

}  // namespace

bool told(Ui& ui, const Outcome& outcome, const QString& failure) {
    if (outcome.ending == Ending::stopped)
        ui.message(QCoreApplication::translate("long_work", "Stopped: nothing was changed."), Ui::icon_information);
    else if (outcome.ending == Ending::failed)
        ui.message(failure + QCoreApplication::translate("long_work", "\n\nError %1 - %2")
                                 .arg(outcome.error ? outcome.error->number() : 0)
                                 .arg(outcome.error ? outcome.error->description() : QString()),
                   Ui::icon_exclamation);
    return outcome.done();
}

Outcome run(Ui& ui, const QString& path, const QString& what, const Work& work) {
    return run_on(ui, path, nullptr, what, [&](Database* db, const Progress& p) { work(*db, p); });
}

Outcome run(Ui& ui, Database& own, const QString& what, const Work& work) {
    return run_on(ui, own.path(), &own, what, [&](Database* db, const Progress& p) { work(*db, p); });
}

Outcome run(Ui& ui, const QString& what, const std::function<void(const Progress&)>& work) {
    return run_on(ui, QString(), nullptr, what, [&](Database*, const Progress& p) { work(p); });
}

void run_here(Ui& ui, const QString& what, const std::function<bool(qint64& done, qint64& total)>& slice) {
    QElapsedTimer clock;
    clock.start();
    ui.set_hourglass(true);
    bool shown = false;
    qint64 done = 0, total = 1;
    while (slice(done, total)) {
        // As with work on a thread: nothing is shown for a moment, and the user's keys and
        // clicks wait meanwhile.
        if (!shown && clock.elapsed() < 80) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            continue;
        }
        shown = true;
        if (total <= 0) total = 1;
        const QString left = time_left(done, total, clock.elapsed());
        ui.progress(left.isEmpty() ? what : what + u' ' + left, std::min(done, total - 1), total);
        // The windows paint between slices (whatever the progress itself does with events).
        QCoreApplication::processEvents();
    }
    if (shown) ui.progress(QString(), 1, 1);
    ui.set_hourglass(false);
}

void set_lockstep(bool on) { lockstep = on; }

}  // namespace long_work
