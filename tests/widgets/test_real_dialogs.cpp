// The Qt side of the user-interface seam, on real widgets answered from a timer: what the boxes
// return for each way a person closes them, and that no file dialog costs the open database its
// locks.
#include "database/recordset.h"
#include "support/fixture.h"
#include "widgets/author_picture.h"
#include "widgets/qt_ui.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The POSIX locks this process holds on `path`, as the kernel lists them.
int locks_held_on(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return 0;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pid = QByteArray::number(qint64(::getpid()));
    const QByteArray inode = ':' + QByteArray::number(qulonglong(st.st_ino));
    int held = 0;
    // "1: POSIX  ADVISORY  READ 1234 08:01:5678 128 128"; waiters carry "->" and are not held.
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() >= 6 && f[1] == "POSIX" && f[4] == pid && f[5].endsWith(inode)) ++held;
    }
    return held;
}

// Runs `answer` on the modal dialog that `show` opens, once it is up and has had `settle_ms` to
// do what it does on its own (a file dialog reads its folder on a thread of its own).
template <typename Show>
auto with_answer(Show show, std::function<void(QWidget*)> answer, int settle_ms = 0) {
    QTimer poll;
    QElapsedTimer up;
    bool answered = false;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || answered) return;
        if (!up.isValid()) up.start();
        if (up.elapsed() < settle_ms) return;
        answered = true;
        answer(modal);
    });
    poll.start();
    return show();
}

QPushButton* button_of(QWidget* box, QDialogButtonBox::StandardButton which) {
    for (auto* buttons : box->findChildren<QDialogButtonBox*>())
        if (QPushButton* b = buttons->button(which)) return b;
    return nullptr;
}

// Answers every message box that comes up in the next `ms`: Yes where it asks, else OK.
void answer_boxes_for(int ms) {
    auto* poll = new QTimer;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, ms] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) yes->click();
            else box->accept();
        }
        if (clock.elapsed() > ms) poll->deleteLater();
    });
    poll->start(30);
}

}  // namespace

class TestRealDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { isolate_user_files(); }

    void message_box_buttons_and_esc() {
        QtUi ui;
        const auto click = [](QDialogButtonBox::StandardButton which) {
            return [which](QWidget* box) { QTest::mouseClick(button_of(box, which), Qt::LeftButton); };
        };
        const auto esc = [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); };
        const auto enter = [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); };
        QCOMPARE(with_answer([&] { return ui.message("Go on?", Ui::ok_cancel); }, click(QDialogButtonBox::Ok)), 1);
        QCOMPARE(with_answer([&] { return ui.message("Go on?", Ui::ok_cancel); }, click(QDialogButtonBox::Cancel)), 2);
        QCOMPARE(with_answer([&] { return ui.message("Go on?", Ui::ok_cancel); }, esc), 2);
        // Enter takes the default button: Cancel where the code makes it the default.
        QCOMPARE(with_answer([&] { return ui.message("Go on?", Ui::ok_cancel); }, enter), 1);
        QCOMPARE(with_answer([&] { return ui.message("Delete?", 273); }, enter), 2);
        // A box with OK alone gives OK, however it is closed.
        QCOMPARE(with_answer([&] { return ui.message("Done."); }, esc), 1);
    }

    void input_box_ok_and_cancel() {
        QtUi ui;
        const auto type_then = [](QDialogButtonBox::StandardButton which) {
            return [which](QWidget* box) {
                auto* field = box->findChild<QLineEdit*>();
                field->selectAll();
                QTest::keyClicks(field, "Seneca");
                QTest::mouseClick(button_of(box, which), Qt::LeftButton);
            };
        };
        QCOMPARE(with_answer([&] { return ui.input("New name:", "Replace", "Aristotle"); }, type_then(QDialogButtonBox::Ok)),
                 QString("Seneca"));
        // Cancel gives empty text, whatever was typed: a caller takes it as "nothing chosen".
        QCOMPARE(with_answer([&] { return ui.input("New name:", "Replace", "Aristotle"); },
                             type_then(QDialogButtonBox::Cancel)),
                 QString());
        QCOMPARE(with_answer([&] { return ui.input("New name:", "Replace", "Aristotle"); },
                             [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }),
                 QString());
    }

    // Qt's own file dialog reads the folder it shows; it must not open the files there, because
    // closing any descriptor of the database drops every lock this process holds on it.
    void file_dialogs_leave_the_database_locks_alone() {
        Fixture f;
        // A record set being read keeps a read transaction open, as the main window's grid does.
        auto reading = f.ctx->list_database->open_recordset("select * from quotes");
        const QString shm = f.path() + "-shm";
        const int db_before = locks_held_on(f.path()), shm_before = locks_held_on(shm);
        QVERIFY2(shm_before > 0, "the engine holds no lock on its shared memory: nothing to check");
        QtUi ui;
        QStringList listed;
        const auto cancel = [&](QWidget* dialog) {
            listed.clear();
            const QAbstractItemView* files = dialog->findChild<QListView*>(QStringLiteral("listView"));
            for (int row = 0; files && row < files->model()->rowCount(files->rootIndex()); ++row)
                listed << files->model()->index(row, 0, files->rootIndex()).data().toString();
            static_cast<QDialog*>(dialog)->reject();
        };
        const QString folder = f.dir.path();
        for (const QString& filter : {QString("Database|*.mdb"), QString("Text files|*.txt|All files|*.*"),
                                      QString("Pictures|*.jpg;*.gif;*.bmp")}) {
            QCOMPARE(with_answer([&] { return ui.open_file("Open", filter, folder, QString()); }, cancel, 700), QString());
            QCOMPARE(with_answer([&] { return ui.save_file("Save", filter, folder, "quotes.txt"); }, cancel, 700),
                     QString());
            QCOMPARE(locks_held_on(f.path()), db_before);
            QCOMPARE(locks_held_on(shm), shm_before);
        }
        // All files: the database is there, the files the engine keeps beside it are not.
        with_answer([&] { return ui.open_file("Open", "All files|*", folder, QString()); }, cancel, 700);
        QVERIFY2(listed.contains("quotes.mdb") && !listed.contains("quotes.mdb-shm") && !listed.contains("quotes.mdb-wal"),
                 qPrintable(listed.join(", ")));
    }

    // A picture that cannot be shown, or that is the database under a picture's name, shows the
    // default picture; the database is not read for it.
    void pictures_that_are_not_pictures() {
        Fixture f;
        const int shm_before = locks_held_on(f.path() + "-shm");
        QVERIFY(QFile::link(f.path(), f.dir.filePath("author.jpg")));
        write_file(f.dir.filePath("notes.jpg"), "just some text");
        QLabel* image = nullptr;
        std::unique_ptr<QFrame> box(author_picture_box(image));
        for (const QString& name : {QString("author.jpg"), QString("notes.jpg")}) {
            image->clear();
            show_author_picture(box.get(), image, f.ctx->program_folder, f.dir.filePath(name));
            QVERIFY2(!image->pixmap().isNull() && image->isVisibleTo(box.get()), qPrintable(name));
        }
        QCOMPARE(locks_held_on(f.path() + "-shm"), shm_before);
    }

    // No path that is the open database or a file beside it is handed on, whatever name reaches it.
    void the_database_is_never_handed_on() {
        Fixture f;
        QtUi ui;
        QVERIFY(QFile::link(f.path(), f.dir.filePath("picture.jpg")));
        const auto pick = [&](const QString& name) {
            return [&, name](QWidget* dialog) {
                auto* d = static_cast<QFileDialog*>(dialog);
                answer_boxes_for(2000);  // "replace it?" and the refusal, on top of the dialog
                auto* typed = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                typed->setText(name);
                QTest::keyClick(typed, Qt::Key_Return);
            };
        };
        for (const QString& name : {QString("quotes.mdb"), QString("quotes.mdb-wal"), QString("picture.jpg"),
                                    QString("quotes.mdb-journal")}) {
            QCOMPARE(with_answer([&] { return ui.open_file("Open", "All files|*.*", f.dir.path(), QString()); }, pick(name),
                                 100),
                     QString());
        }
        QCOMPARE(with_answer([&] { return ui.save_file("Export", "Text|*.txt", f.dir.path(), QString()); },
                             pick("quotes.mdb"), 100),
                 QString());
        // Another file in the same folder is handed on.
        QCOMPARE(with_answer([&] { return ui.open_file("Open", "All files|*.*", f.dir.path(), QString()); },
                             pick("quotes.txt"), 100),
                 f.dir.filePath("quotes.txt"));
    }
};

QTEST_MAIN(TestRealDialogs)
#include "test_real_dialogs.moc"
