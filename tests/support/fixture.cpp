#include "fixture.h"

#include "database/schema.h"

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

Fixture::Fixture() {
    db_path = make_fixture_database(dir.path());
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
