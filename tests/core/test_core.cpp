// Settings, the common utilities and the user-interface seam.
#include "core/common.h"
#include "core/long_work.h"
#include "database/database.h"
#include "support/scripted_ui.h"
#include "widgets/qt_ui.h"
#include "core/settings.h"
#include "widgets/window_utils.h"
#include "support/fixture.h"

#include <QFile>
#include <QSettings>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include <chrono>
#include <thread>

namespace {

// A progress that takes its time and handles pending events, as a real dialog does.
class SlowProgressUi : public ScriptedUi {
public:
    bool progress_or_stop(const QString& what, qint64 done, qint64 total) override {
        ScriptedUi::progress_or_stop(what, done, total);
        std::this_thread::sleep_for(std::chrono::milliseconds(pause_ms));
        QCoreApplication::processEvents();
        return !stop;
    }
    int pause_ms = 0;
    bool stop = false;
};

// Long work as the window runs it, not in the tests' step-by-step way.
struct Freely {
    Freely() { long_work::set_lockstep(false); }
    ~Freely() { long_work::set_lockstep(true); }
};

}  // namespace

class TestCore : public QObject {
    Q_OBJECT
private slots:
    // Work that ends while its progress is being shown still ends the wait for it; a stop
    // interrupts a long statement of the engine, and the work's transaction is rolled back.
    void long_work_ends_and_stops() {
        Freely freely;
        Fixture f;
        SlowProgressUi ui;
        ui.pause_ms = 300;  // the work ends meanwhile
        const auto done = long_work::run(ui, f.path(), "Waiting", [](Database&, const long_work::Progress&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
        });
        QVERIFY(done.done());
        QCOMPARE(ui.hourglass_depth, 0);

        ui.pause_ms = 0;
        ui.stop = true;
        const QString before = f.scalar("select group_concat(text) from quotes").toString();
        const auto stopped = long_work::run(ui, f.path(), "Counting", [](Database& db, const long_work::Progress&) {
            Database::Transaction t(db);
            db.execute_plain("update quotes set text = 'changed'");
            // Minutes of work, unless interrupted.
            db.scalar("with recursive n(i) as (select 1 union all select i + 1 from n where i < 10000000000) "
                      "select count(*) from n");
            t.commit();
        });
        QCOMPARE(int(stopped.ending), int(long_work::Ending::stopped));
        QCOMPARE(f.scalar("select group_concat(text) from quotes").toString(), before);
    }

    void sql_escape_rules() {
        QCOMPARE(sql_escape(""), QString(""));
        QCOMPARE(sql_escape("D'Annunzio"), QString("D''Annunzio"));
        QCOMPARE(sql_escape("''"), QString("''''"));
        QCOMPARE(sql_escape("???"), QString("[???]"));
        QCOMPARE(sql_escape("**"), QString("[**]"));
        QCOMPARE(sql_escape("a*b?c"), QString("a*b?c"));
        // Stored and compared text keeps what was typed; patterns find it literally.
        QCOMPARE(sql_escape_text("???"), QString("???"));
        QCOMPARE(sql_escape_pattern("50% [it] *a?#'"), QString("50% [[]it] [*]a[?][#]''"));
        // A NUL read from a damaged file cannot cut a statement short.
        QCOMPARE(sql_escape_text(QString::fromUtf8("a\0'b", 4)), QString("a''b"));
        QCOMPARE(sql_escape_pattern(QString::fromUtf8("a\0b", 3)), QString("ab"));
    }

    void paths() {
        QTemporaryDir dir;
        write_file(dir.path() + "/quotes.mdb", "");
        QVERIFY(!Path_exist("   ") && Path_exist(QDir::tempPath()));
        QVERIFY(Path_exist(dir.path() + "/*.mdb") && Path_exist(dir.path() + "/quotes.md?") && !Path_exist(dir.path() + "/*.txt"));
        for (const auto& [path, folder] : {std::pair{"c:\\Sentara_db\\quotes.mdb", "c:\\Sentara_db"}, {"/home/me/quotes.mdb", "/home/me"},
                                           {"quotes.mdb", ""}}) {
            QCOMPARE(folder_of(path), QString(folder));
            QCOMPARE(file_name_of(path), QString("quotes.mdb"));
        }
    }

    void a_settings_file_written_by_hand_is_read() {
        const QString file = QSettings(QStringLiteral("Sentara"), QStringLiteral("Sentara")).fileName();
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(!write_file(file, "[general]\nlast_db_file=/data/my quotes.mdb\n").isEmpty());
        QCOMPARE(get_setting("last_db_file"), QString("/data/my quotes.mdb"));
        save_setting("last_db_file", "/data/other.mdb");
        QCOMPARE(get_setting("last_db_file"), QString("/data/other.mdb"));
    }

    void shell_opening() {
        QVERIFY(is_url("WWW.example.org"));
        QVERIFY(is_url("ftp://example.org"));
        QVERIFY(!is_url("mailto:someone@example.org"));

        ScriptedUi ui;
        QVERIFY(!open_url(ui, "not an address"));
        QVERIFY(open_url(ui, "https://example.org/a\r\nsecond line"));
        QCOMPARE(ui.opened().last(), QString("https://example.org/a"));
        // An address without its scheme opens as a web address, never as a file of that name.
        QVERIFY(open_url(ui, "WWW.example.org"));
        QCOMPARE(ui.opened().last(), QString("http://WWW.example.org"));

        // A text that is neither a path nor an address becomes a web search, encoded whole.
        open_path(ui, "Tom & Jerry #1");
        const QUrl search(ui.opened().last());
        QCOMPARE(search.host(), QString("www.google.com"));
        QVERIFY(search.query(QUrl::FullyEncoded).startsWith("q=Tom%20%26%20Jerry%20%231&sourceid=ie7"));

        open_path(ui, QDir::tempPath());
        QCOMPARE(ui.opened().last(), QDir::tempPath());

        ui.open_target_result = false;
        ui.expect_message("Path not found: ");
        open_path(ui, "something to search");
    }

    void report_files_are_private_utf8_text() {
        ScriptedUi ui;
        show_text_file(ui, "Città – «quote»");
        const QString path = ui.opened().last();
        QVERIFY(path.endsWith(".txt"));
        QVERIFY(!path.startsWith(QDir::tempPath() + "/TMP"));
        QCOMPARE(QString::fromUtf8(read_file(path)), QString("Città – «quote»\n"));
        QCOMPARE(QFileInfo(folder_of(path)).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
                 QFile::Permissions());
    }

    void screen_and_placement() {
        // A taskbar 100 pixels wide at the left edge of a 1280 × 1024 screen.
        const ScreenArea left_bar{QRect(0, 0, 1280, 1024), QRect(100, 0, 1180, 1024)};
        QVERIFY(taskbar_vertical(left_bar));
        QVERIFY(taskbar_at_left(left_bar));
        QWidget w;
        w.resize(1250, 300);
        center_window(w, left_bar);
        QVERIFY(w.frameGeometry().left() >= 100);

        const ScreenArea bottom_bar{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 984)};
        QVERIFY(!taskbar_vertical(bottom_bar));
        QCOMPARE(taskbar_height(bottom_bar), 40 * 15);
        QCOMPARE(usable_screen_height(bottom_bar), 984 * 15);
    }

    void file_dialog_filters() {
        QCOMPARE(QtUi::name_filters("Access database (*.mdb;*.sqo|*.mdb;*.sqo"),
                 QStringList{"Access database (*.mdb *.sqo)"});
        QCOMPARE(QtUi::name_filters("Quotations (*.txt;*.csv)|*.txt;*.csv|All files (*)|*"),
                 (QStringList{"Quotations (*.txt *.csv)", "All files (*)"}));
        QCOMPARE(QtUi::name_filters("Text|*.txt|All|*.*"), (QStringList{"Text (*.txt)", "All (*.*)"}));
    }
};

SENTARA_TESTS(TestCore)
#include "test_core.moc"
