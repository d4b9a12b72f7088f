// Deleting moves quotations and names to the Trash; Undo delete and the Trash window bring them
// back whole, and nothing in the Trash is ever listed, counted, drawn or exported.
#include "main_window_fixture.h"

#include "core/random_quote.h"
#include "database/random_order.h"
#include "database/search_index.h"
#include "database/trash.h"
#include "formats/quote_export.h"
#include "core/settings.h"
#include "reference/f_trash.h"
#include "widgets/recordset_model.h"

#include <QAction>
#include <QSpinBox>

namespace {

// Every quotation with every column the file keeps for it, sort keys and random number included.
QStringList every_field(const QString& path) {
    auto db = Database::open(path);
    Statement st = db->prepare_plain(QStringLiteral("SELECT * FROM quotes ORDER BY key"));
    QStringList rows;
    while (st.step()) {
        QStringList fields;
        for (int i = 0; i < st.column_count(); ++i) {
            const QVariant v = st.column(i);
            fields << st.column_name(i) + u'=' + (v.isNull() ? QStringLiteral("NULL") : v.toByteArray().toHex());
        }
        rows << fields.join(u' ');
    }
    return rows;
}

// A fixture whose file has the search index, so that text filters go through it.
QString indexed_fixture(QTemporaryDir& dir) {
    const QString path = make_fixture_database(dir.path(), QStringLiteral("indexed.mdb"));
    search_index::build(*Database::open(path));
    return path;
}

QList<int> keys_of(const QString& path, const QString& table) {
    QList<int> keys;
    auto db = Database::open(path);
    Statement st = db->prepare_plain(QStringLiteral("SELECT key FROM %1 ORDER BY key").arg(table));
    while (st.step()) keys << int(st.column_int64(0));
    return keys;
}

void undo(MainWindowFixture& f) { f.w().m_undo_delete->trigger(); }

}  // namespace

class TestTrash : public QObject {
    Q_OBJECT
private slots:
    void delete_one_picked_and_filtered_then_undo_each() {
        QTemporaryDir dir;
        const QString path = indexed_fixture(dir);
        Fixture g(path);
        auto w = std::make_unique<f_main>(*g.ctx);
        w->show();
        QApplication::processEvents();
        emit w->list->grid->horizontalHeader()->sectionClicked(0);  // by key: row r holds key r + 1
        const QStringList before = every_field(path);

        // One: the current quotation.
        QVERIFY(w->Data1()->find_first(QStringLiteral("key = 2")));
        g.ui.expect_message("Do you really want to delete quote", Ui::ok);
        w->edit->b_delete->click();
        QCOMPARE(keys_of(path, "trash_quotes"), QList<int>({2}));
        // Picked: two rows, without a question.
        QHeaderView* selectors = w->list->grid->verticalHeader();
        for (int row : {0, 2}) {
            const QPoint at(selectors->width() / 2, selectors->sectionViewportPosition(row) + selectors->sectionSize(row) / 2);
            QTest::mouseClick(selectors->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        }
        w->filters->b_delete_filtered->click();
        QCOMPARE(keys_of(path, "trash_quotes"), QList<int>({1, 2, 4}));
        // Filtered: the rest of the English ones.
        w->filters->cb_language_filter->setEditText("EN");
        w->b_filter_Click();
        g.ui.expect_message("Do you really want to delete all quotes where", Ui::ok);
        w->filters->b_delete_filtered->click();
        QCOMPARE(keys_of(path, "quotes"), QList<int>({5}));
        QCOMPARE(keys_of(path, "trash_quotes"), QList<int>({1, 2, 3, 4, 6, 7, 8}));

        // Undo, one batch at a time, the last first.
        w->m_undo_delete->trigger();
        QCOMPARE(keys_of(path, "quotes"), QList<int>({3, 5, 6, 7, 8}));
        QCOMPARE(w->Data1()->record_count(), 4);  // the English filter lists them again
        w->m_undo_delete->trigger();
        QCOMPARE(keys_of(path, "quotes"), QList<int>({1, 3, 4, 5, 6, 7, 8}));
        w->m_undo_delete->trigger();
        QCOMPARE(every_field(path), before);
        QCOMPARE(g.scalar("select count(*) from trash_quotes").toInt(), 0);
        QCOMPARE(g.scalar("select count(*) from trash_batches").toInt(), 0);
        g.ui.expect_message("There is no deletion to undo.");
        w->m_undo_delete->trigger();

        // Back in the search index and the random order.
        w->filters->cb_language_filter->setEditText(QString());
        w->filters->t_text_filter->setText("temptation");
        w->b_filter_Click();
        QCOMPARE(w->Data1()->record_count(), 1);
        QCOMPARE(w->Data1()->key_at(0).toInt(), 2);
        RandomChoice any;
        QSet<qint64> drawn;
        // Each one drawn moves to the back, so three rounds reach every one.
        for (int i = 0; i < 24; ++i) drawn << next_random_quote(*g.ctx->database, g.ctx->rng, any)->key;
        QCOMPARE(drawn.size(), 8);
        auto check = Database::open(path);
        check->execute_plain("INSERT INTO quotes_text_search(quotes_text_search) VALUES ('integrity-check')");
        check->execute_plain("INSERT INTO quotes_notes_search(quotes_notes_search) VALUES ('integrity-check')");
        w.reset();
    }

    void trashed_quotations_are_never_listed_counted_drawn_or_exported() {
        MainWindowFixture f;
        f.show();
        f.w().filters->cb_author_filter->setEditText("Oscar Wilde");
        f.w().b_filter_Click();
        f.ui.expect_message("(2)", Ui::ok);
        f.w().filters->b_delete_filtered->click();
        f.w().filters->b_clear_Click();
        QCOMPARE(f.w().Data1()->record_count(), 6);
        QVERIFY(!f.grid_keys().contains(2) && !f.grid_keys().contains(3));
        QCOMPARE(f.w().filters->l_records_filtered->text(), QString("Records Filtered:6/6"));
        RandomChoice any;
        for (int i = 0; i < 12; ++i) {
            const auto q = next_random_quote(*f.ctx->database, f.ctx->rng, any);
            QVERIFY(q && q->author != "Oscar Wilde");
        }
        const quote_export::Writer all = quote_export::export_list(*f.ctx->database, GridQuery{}, quote_export::Options{});
        QCOMPARE(all.count(), 6);
        QVERIFY(!all.text().contains("temptation"));
        // The Trash lists them, newest first, and filters them.
        show_trash_window(*f.ctx);
        auto* trash_window = qobject_cast<f_trash*>(f.ctx->events.window(AppEvents::trash_window));
        QVERIFY(trash_window);
        QCOMPARE(trash_window->grid->model()->rowCount(), 2);
        // Every button has a letter of its own.
        QSet<QChar> letters;
        for (QPushButton* b : trash_window->findChildren<QPushButton*>()) {
            const QChar key = mnemonic_of(b->text());
            QVERIFY2(!key.isNull() && !letters.contains(key), qPrintable(b->text()));
            letters.insert(key);
        }
        trash_window->t_filter->setText("mistakes");
        trash_window->b_filter->click();
        QCOMPARE(trash_window->grid->model()->rowCount(), 1);
        QCOMPARE(trash_window->grid->model()->index(0, 1).data().toString(), QString("Oscar Wilde"));
        trash_window->close();
    }

    void a_quotation_comes_back_with_its_deleted_author_and_never_over_a_newer_one() {
        MainWindowFixture f;
        f.show();
        // Mark Twain's only quotation, then Mark Twain himself (as the authors window does).
        f.go_to(1);
        f.ui.expect_message("Do you really want to delete quote", Ui::ok);
        f.w().edit->b_delete->click();
        f.go_to(7);
        f.ui.expect_message("Do you really want to delete quote", Ui::ok);
        f.w().edit->b_delete->click();
        {
            Database& db = *f.ctx->database;
            trash::move_rows(db, trash::open_batch(db, "delete"), "authors", "mark twain");
        }
        QCOMPARE(f.scalar("select count(*) from authors where name = 'Mark Twain'").toInt(), 0);
        // Meanwhile another program wrote a quotation under the key 7.
        f.exec("insert into quotes (key, text, author, subject, language) values (7, 'Newer', 'Smith', 'Life', 'EN')");

        show_trash_window(*f.ctx);
        auto* trash_window = qobject_cast<f_trash*>(f.ctx->events.window(AppEvents::trash_window));
        QVERIFY(trash_window);
        QCOMPARE(trash_window->grid->model()->rowCount(), 2);
        f.ui.expect_message("The quotation 7 was not restored");
        trash_window->b_restore_all->click();
        QCOMPARE(f.scalar("select author from quotes where key = 1").toString(), QString("Mark Twain"));
        QCOMPARE(f.scalar("select text from quotes where key = 7").toString(), QString("Newer"));
        QCOMPARE(f.scalar("select count(*) from authors where name = 'Mark Twain'").toInt(), 1);
        QCOMPARE(f.scalar("select count(*) from trash_authors").toInt(), 0);
        QCOMPARE(trash_window->grid->model()->rowCount(), 1);  // the one left out stays in the Trash
        f.w().filters->b_clear_Click();
        QVERIFY(f.grid_keys().contains(1));  // listed: its author has a row again

        f.ui.expect_message("Do you really want to empty the Trash?", Ui::ok);
        trash_window->b_empty->click();
        QCOMPARE(f.scalar("select count(*) from trash_quotes").toInt(), 0);
        // How long deleted quotations are kept is what the next start reads.
        QCOMPARE(trash_window->sb_keep_days->value(), trash::default_keep_days);
        trash_window->sb_keep_days->setValue(0);
        QCOMPARE(get_setting("trash_keep_days"), QString("0"));
        trash_window->close();
    }

    void replace_is_undone_by_undo_delete() {
        MainWindowFixture f;
        f.show();
        {
            Database& db = *f.ctx->database;
            QCOMPARE(trash::replace(db, "author", "oscar wilde", "Smith"), 2);
        }
        f.exec("update quotes set author = 'John Smithson' where key = 3");  // changed since
        f.ui.expect_message("1 quotations were changed since");
        undo(f);
        QCOMPARE(f.scalar("select author from quotes where key = 2").toString(), QString("Oscar Wilde"));
        QCOMPARE(f.scalar("select author from quotes where key = 3").toString(), QString("John Smithson"));
        QCOMPARE(f.scalar("select author from quotes where key = 6").toString(), QString("Smith"));
    }
};

SENTARA_TESTS(TestTrash)
#include "test_trash.moc"
