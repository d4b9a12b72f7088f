// Tools > Find duplicates, driven as a person does: find, choose the quotation to keep, merge.
#include "collection/f_duplicates.h"
#include "main_window_fixture.h"

#include <QSpinBox>
#include <QTreeWidget>

class TestDuplicatesWindow : public QObject {
    Q_OBJECT

private slots:
    void a_group_found_is_merged_into_the_row_kept_and_the_list_follows() {
        MainWindowFixture f;
        // Key 9 the same as key 2 once folded, with no note, subject or rate of its own.
        f.exec(QString::fromUtf8("insert into quotes (text, author, subject, language) values "
                                 "('“I can resist EVERYTHING, except temptation”', 'Wilde', '-', 'EN')"));
        f.show();
        const int listed = f.w().Data1()->record_count();
        f.w().m_find_duplicates->trigger();
        auto* window = f.w().findChild<f_duplicates*>();
        QVERIFY(window && window->isVisible());
        QTest::mouseClick(window->b_find, Qt::LeftButton);
        QCOMPARE(window->tv_groups->topLevelItemCount(), 1);
        QTreeWidgetItem* group = window->tv_groups->topLevelItem(0);
        QCOMPARE(group->childCount(), 2);
        QCOMPARE(group->child(0)->text(f_duplicates::key_column), QStringLiteral("2"));
        QCOMPARE(group->child(0)->text(f_duplicates::note_column), QStringLiteral("Lady Windermere"));
        QVERIFY(!window->b_merge->isEnabled());  // nothing chosen yet

        window->tv_groups->setCurrentItem(group->child(1));
        QVERIFY(window->b_merge->isEnabled());
        f.ui.expect_message(QStringLiteral("Keep the quotation 9"), Ui::cancel);
        QTest::mouseClick(window->b_merge, Qt::LeftButton);
        QCOMPARE(f.scalar("select count(*) from quotes where key in (2, 9)").toInt(), 2);  // asked, not done
        f.ui.expect_message(QStringLiteral("Keep the quotation 9"), Ui::ok);
        QTest::mouseClick(window->b_merge, Qt::LeftButton);
        QVERIFY(f.ui.all_answers_used());
        QCOMPARE(f.scalar("select count(*) from quotes where key = 2").toInt(), 0);
        QCOMPARE(f.scalar("select notes || '/' || subject || '/' || rate from quotes where key = 9").toString(),
                 QStringLiteral("Lady Windermere/Love/3"));
        QCOMPARE(window->tv_groups->topLevelItemCount(), 0);
        QApplication::processEvents();
        QCOMPARE(f.w().Data1()->record_count(), listed - 1);

        // A threshold of 100 and no near groups: still nothing to find now.
        window->sb_threshold->setValue(100);
        QTest::mouseClick(window->b_find, Qt::LeftButton);
        QCOMPARE(window->tv_groups->topLevelItemCount(), 0);
    }
};

SENTARA_TESTS(TestDuplicatesWindow)
#include "test_duplicates_window.moc"
