#include "fixture.h"

#include "database/schema.h"

#include <QFile>
#include <QProcess>
#include <sqlite3.h>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

void isolate_user_files() {
    static QTemporaryDir home;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + QStringLiteral("/config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path() + QStringLiteral("/config"));
    qputenv("XDG_CACHE_HOME", (home.path() + QStringLiteral("/cache")).toUtf8());
}

QString make_fixture_database(const QString& folder, const QString& file_name) {
    const QString path = folder + u'/' + file_name;
    schema::create_database(path, false);
    auto db = Database::open(path);
    db->execute(QStringLiteral(
        "INSERT INTO authors VALUES ('Mark Twain', NULL, NULL, NULL), ('Oscar Wilde', 'Irish writer', NULL, NULL),"
        " ('Gabriele D''Annunzio', NULL, NULL, NULL), ('Émile Zola', NULL, NULL, NULL), ('Smith', NULL, NULL, NULL),"
        " ('John Smithson', NULL, NULL, NULL), ('??" "?', NULL, NULL, NULL), ('Nobody Yet', NULL, NULL, NULL);"
        "INSERT INTO subjects VALUES ('Life', 0), ('Love', 0), ('Wisdom', 0);"
        "INSERT INTO quotes (text, author, subject, language, notes, rate, random) VALUES"
        " ('Courage is resistance to fear, not absence of fear.', 'Mark Twain', 'Life', 'EN', NULL, 2, 0.1),"
        " ('I can resist everything except temptation.', 'Oscar Wilde', 'Love', 'EN', 'Lady Windermere', 3, 0.2),"
        " ('Experience is the name we give our mistakes.', 'Oscar Wilde', 'Wisdom', 'EN', NULL, 1, 0.3),"
        " ('Io ho quel che ho donato.', 'Gabriele D''Annunzio', 'Life', 'IT', NULL, NULL, 0.4),"
        " ('« L''art est un coin de la création vu à travers un tempérament. »', 'Émile Zola', '-', 'FR', NULL, 2, 0.5),"
        " ('50% of [it] is *luck* #1_ or what?', 'Smith', 'Wisdom', 'EN', 'odd characters', 1, 0.6),"
        " ('Who''s there? - it''s me.', 'John Smithson', 'Life', 'EN', NULL, 3, 0.7),"
        " ('?" "?? marks the spot', '??" "?', 'Life', 'EN', NULL, NULL, 0.8);"));
    return path;
}

Fixture::Fixture() : Fixture(QString()) {}

Fixture::Fixture(const QString& existing_database) {
    db_path = existing_database.isEmpty() ? make_fixture_database(dir.path()) : existing_database;
    ctx = std::make_unique<AppContext>(ui);
    ctx->program_folder = QStringLiteral(SENTARA_PROGRAM_FOLDER);
    ctx->database_path = db_path;
    ctx->database = Database::open(db_path);
    ctx->list_database = Database::open(db_path);
    ctx->default_language = QStringLiteral("EN");
}

Fixture::~Fixture() {
    if (!ui.all_answers_used())
        QTest::qFail(qPrintable(QStringLiteral("answers never asked for: ") + ui.pending_answers()), __FILE__, __LINE__);
}

void Fixture::exec(const QString& sql) const { Database::open(db_path)->execute(sql); }

QVariant Fixture::scalar(const QString& sql) const { return Database::open(db_path)->scalar(sql); }

QString write_file(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? path : QString();
}

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QProcessEnvironment program_environment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The program speaks the user's language: the tests read its English texts.
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) env.remove(QString::fromLatin1(name));
    return env;
}

ProgramRun run_program(const QString& exe, const QStringList& args, const QString& home,
                       const std::function<void()>& in_child) {
    QProcess p;
    p.setProcessEnvironment(program_environment(home));
    if (in_child) p.setChildProcessModifier(in_child);
    p.start(exe, args);
    ProgramRun r;
    if (!p.waitForFinished(30000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString sqlite_shell(const QString& path, const QString& sql, bool* available) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (available) *available = !tool.isEmpty();
    if (tool.isEmpty()) return QString();
    QProcess p;
    p.start(tool, {QStringLiteral("-batch"), path, sql});
    if (!p.waitForFinished(10000)) return QStringLiteral("<the sqlite3 shell did not finish>");
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
}

QStringList quote_rows(const QString& path, bool all_fields) {
    QStringList out;
    for (Statement st = Database::open(path)->prepare(
             all_fields ? "SELECT text, author, coalesce(notes, ''), subject, language, coalesce(rate, '') FROM quotes"
                        : "SELECT text, author, coalesce(notes, '') FROM quotes");
         st.step();) {
        QStringList row;
        for (int i = 0; i < st.column_count(); ++i) row << st.column_text(i);
        out << row.join(" | ");
    }
    out.sort();
    return out;
}

void make_plain_text_database(const QString& path) {
    QTemporaryDir scratch;
    const QString model = scratch.path() + QStringLiteral("/model.mdb");
    schema::create_database(model, false);
    sqlite3* db = nullptr;
    QVERIFY(sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK);
    const auto run = [db](const QString& sql) {
        char* err = nullptr;
        const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
        if (rc != SQLITE_OK) QTest::qFail(err ? err : "sqlite3_exec failed", __FILE__, __LINE__);
        sqlite3_free(err);
    };
    run(QStringLiteral("ATTACH '%1' AS model").arg(model));
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT type, name, sql FROM model.sqlite_master WHERE type IN ('table', 'view') "
                           "AND name NOT LIKE 'sqlite%' ORDER BY type = 'view'", -1, &st, nullptr);
    QStringList tables, statements;
    while (sqlite3_step(st) == SQLITE_ROW) {
        QString sql = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 2)));
        if (QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))) == "table") {
            sql.remove(QStringLiteral(" COLLATE NOCASE"));
            tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
        }
        statements << sql;
    }
    sqlite3_finalize(st);
    for (const QString& s : statements) run(s);
    for (const QString& t : tables) run(QStringLiteral("INSERT INTO main.%1 SELECT * FROM model.%1").arg(t));
    run(QStringLiteral("DETACH model"));
    sqlite3_close(db);
}
