#pragma once

#include "core/app_context.h"
#include "scripted_ui.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Points the settings store and the standard folders of this test process at a temporary
// folder, so that no test reads or writes the user's own files. The test programs' main does.
void isolate_user_files();

// Registers a test class with the test programs' main (test_main.cpp), which runs them in turn.
bool register_tests(QObject* (*make)());
#define SENTARA_TESTS(Class) \
    [[maybe_unused]] static const bool Class##_registered = register_tests([]() -> QObject* { return new Class; });

// A new database file with the tables and starting rows, plus these known rows:
//   key 1  Mark Twain           Life    EN  2  "Courage is resistance to fear, not absence of fear."
//   key 2  Oscar Wilde          Love    EN  3  "I can resist everything except temptation."   notes "Lady Windermere"
//   key 3  Oscar Wilde          Wisdom  EN  1  "Experience is the name we give our mistakes."
//   key 4  Gabriele D'Annunzio  Life    IT     "Io ho quel che ho donato."
//   key 5  Émile Zola           -       FR  2  "« L'art est un coin de la création vu à travers un tempérament. »"
//   key 6  Smith                Wisdom  EN  1  "50% of [it] is *luck* #1_ or what?"                notes "odd characters"
//   key 7  John Smithson        Life    EN  3  "Who's there? - it's me."
//   key 8  ???                  Life    EN     "??? marks the spot"
// random is 0.1 × key; authors also holds "Nobody Yet" (no quotation).
QString make_fixture_database(const QString& folder, const QString& file_name = QStringLiteral("quotes.mdb"));

// A database file as another tool might make it: the program's tables, saved queries and starting
// rows, but text columns without a collation, so that the file itself compares text with case.
void make_plain_text_database(const QString& path);

// Runs the stock sqlite3 shell on `path`, as another program on the machine would, and returns
// what it printed (trimmed). Empty text, and `*available` false, when the shell is not installed.
QString sqlite_shell(const QString& path, const QString& sql, bool* available = nullptr);

// Every quotation of the database at `path` as "text | author | notes" (with subject, language
// and rate when `all_fields`), sorted: what a round trip must give back.
QStringList quote_rows(const QString& path, bool all_fields);

// Writes `bytes` to `path`; returns `path`, or empty text when it cannot be written.
QString write_file(const QString& path, const QByteArray& bytes);
// The bytes of the file at `path`; empty when it cannot be read.
QByteArray read_file(const QString& path);

// The environment of a program a test starts, with `home` as its home folder and no screen.
QProcessEnvironment program_environment(const QString& home);
struct ProgramRun {
    int status = -1;  // -1: it did not end by itself within 30 s
    QString out, err;
};
// `exe` run with `args` as a user runs it from a shell, waited for; `in_child` runs in the new
// process before the program starts (to give up privileges, say).
ProgramRun run_program(const QString& exe, const QStringList& args, const QString& home,
                       const std::function<void()>& in_child = {});

// A database file and an application context opened on it, as start-up leaves them.
struct Fixture {
    Fixture();
    explicit Fixture(const QString& existing_database);
    ~Fixture();
    QString path() const { return db_path; }
    // Runs SQL on a separate handle, as another program would.
    void exec(const QString& sql) const;
    QVariant scalar(const QString& sql) const;

    QTemporaryDir dir;
    QString db_path;
    ScriptedUi ui;
    std::unique_ptr<AppContext> ctx;
};
