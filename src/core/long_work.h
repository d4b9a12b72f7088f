#pragma once

#include "database/db_error.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class Database;
class Ui;

// Work that may take seconds on a large collection (randomize, keying, indexing, import, bulk
// delete, export) runs on a thread of its own, on a connection of its own to the file, while the
// program's windows go on painting. Its progress is shown with the time left and a Stop button;
// the progress is modal, so no other command starts meanwhile. A stop interrupts the engine's
// statement under way and the next report; the work's transaction is then rolled back, and the
// file is as it was.
namespace long_work {

class Shared;

// What the work tells as it goes. Given to the work; valid while it runs.
class Progress {
public:
    explicit Progress(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}
    // Tells the part done; throws DbError (db_errors::cancelled) once the user asked to stop.
    void operator()(const QString& what, qint64 done, qint64 total) const;
    // The same without throwing, for a callback the engine calls (an exception must not cross
    // it): the engine's statement is interrupted on a stop instead.
    void note(const QString& what, qint64 done, qint64 total) const noexcept;
    bool stop_asked() const noexcept;

private:
    std::shared_ptr<Shared> shared_;
};

using Work = std::function<void(Database& db, const Progress& progress)>;

enum class Ending { done, stopped, failed };
struct Outcome {
    Ending ending = Ending::done;
    std::optional<DbError> error;  // why it failed
    bool done() const { return ending == Ending::done; }
};

// Runs `work` on its own connection to the database at `path`, beside the windows, and returns
// once it has ended, however it ended. `what` is shown until the work tells more. Nothing is
// shown for work that ends within a moment.
Outcome run(Ui& ui, const QString& path, const QString& what, const Work& work);
// The same on a connection the caller keeps for such work (with what it has read on it): it is
// used on the work's thread while the work runs, and by no one else meanwhile.
Outcome run(Ui& ui, Database& own, const QString& what, const Work& work);
// The same for work on other files only (a new database made from another collection, say).
Outcome run(Ui& ui, const QString& what, const std::function<void(const Progress&)>& work);

// Work that must run on the window's thread (filling a text box with a long text, say), done in
// slices of a few milliseconds. Between slices the windows paint behind a modal progress, shown
// once the work has taken a moment; it cannot be stopped (a half-filled box would be worse than
// waiting). `slice` does the next piece, tells the part done, and returns false when all is done.
void run_here(Ui& ui, const QString& what, const std::function<bool(qint64& done, qint64& total)>& slice);

// Tells the user how work that did not end well ended: "Stopped: nothing was changed." or
// `failure` with the error. True when it was done.
bool told(Ui& ui, const Outcome& outcome, const QString& failure);

// "About 12 s left." from the pace so far; empty text while there is no pace to tell from.
QString time_left(qint64 done, qint64 total, qint64 elapsed_ms);

// For tests: every report waits until it has been shown, so that a stop asked at report number
// N stops the work there, whatever the machine's speed.
void set_lockstep(bool on);

}  // namespace long_work
