// The windows that look at the whole collection, driven as a person does: Tools > Find duplicates
// (find, choose the quotation to keep, merge) and View > Overview (its counts, a click on a bar).
#include "collection/f_duplicates.h"
#include "collection/f_overview.h"
#include "core/overview.h"
#include "main_window_fixture.h"

#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QHorizontalBarSeries>

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

class TestOverviewWindow : public QObject {
    Q_OBJECT

private slots:
    void counts_are_the_engines_and_a_bar_filters_the_main_window() {
        MainWindowFixture f;
        f.exec("insert into quotes (text, author, subject, language, rate) values "
               "('One more by Wilde', 'oscar wilde', 'LOVE', 'EN', NULL)");
        f.show();
        // Every count is the engine's own GROUP BY (names compared without letter case).
        const overview::Counts counts = overview::count(*f.ctx->database);
        const auto engine = [&](const QString& column) {
            QStringList rows;
            auto rs = f.ctx->database->open_recordset(QStringLiteral("select lower(%1) as name, count(*) as n from quotes "
                                                                      "where %1 is not null group by lower(%1)")
                                                          .arg(column));
            for (; !rs->eof(); rs->move_next()) rows << rs->text("name").toLower() + u'=' + rs->text("n");
            rows.sort();
            return rows;
        };
        const auto ours = [](const std::vector<overview::Bar>& bars) {
            QStringList rows;
            for (const auto& b : bars) rows << b.name.toLower() + u'=' + QString::number(b.count);
            rows.sort();
            return rows;
        };
        QCOMPARE(ours(counts.subjects), engine("subject"));
        QCOMPARE(ours(counts.languages), engine("language"));
        QCOMPARE(ours(counts.authors), engine("author"));
        QCOMPARE(counts.quotations, f.scalar("select count(*) from quotes").toLongLong());
        QCOMPARE(counts.rates.front().name, QString());  // the quotations without a rate come first
        QCOMPARE(counts.rates.front().count, f.scalar("select count(*) from quotes where rate is null").toLongLong());
        // The largest first: Oscar Wilde has three, spelled two ways.
        QCOMPARE(counts.authors.front().name, QStringLiteral("Oscar Wilde"));
        QCOMPARE(counts.authors.front().count, 3);

        f.w().m_overview->trigger();
        auto* window = f.w().findChild<f_overview*>();
        QVERIFY(window && window->isVisible());
        // A click on the top bar of the authors' chart: the main window lists that author's quotations.
        auto* series = qobject_cast<QHorizontalBarSeries*>(window->views[f_overview::authors_chart]->chart()->series().first());
        QBarSet* set = series->barSets().first();
        emit set->clicked(set->count() - 1);
        QApplication::processEvents();
        QCOMPARE(f.w().Data1()->record_count(), 3);
        // A click on a rate's bar lists the quotations of that rate (the first bar stands for
        // those without one, which no rate range lists: that click changes nothing).
        auto* rates = qobject_cast<QHorizontalBarSeries*>(window->views[f_overview::rates_chart]->chart()->series().first());
        QBarSet* rate_set = rates->barSets().first();
        const overview::Bar& rated = counts.rates.back();
        emit rate_set->clicked(rate_set->count() - 1);
        QApplication::processEvents();
        QCOMPARE(f.w().Data1()->record_count(), 3);
        emit rate_set->clicked(0);
        QApplication::processEvents();
        auto* from = f.w().findChild<QComboBox*>(QStringLiteral("cb_rate_filter_from"));
        auto* to = f.w().findChild<QComboBox*>(QStringLiteral("cb_rate_filter_to"));
        QCOMPARE(from->currentText(), rated.name);
        QCOMPARE(to->currentText(), rated.name);
        const int listed = f.w().Data1()->record_count();
        QVERIFY2(listed > 0 && listed <= rated.count, qPrintable(QString::number(listed)));
        // A quotation added meanwhile is counted once the overview is looked at again.
        f.exec("insert into quotes (text, author) values ('And another', 'Oscar Wilde')");
        f.ctx->events.quotes_were_changed();
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
        QCOMPARE(window->counts().authors.front().count, 4);
        // The authors' chart saved as a picture.
        window->tabs->setCurrentIndex(f_overview::authors_chart);
        const QString png = f.dir.path() + QStringLiteral("/overview.png");
        f.ui.expect_save_file(png);
        QTest::mouseClick(window->b_save, Qt::LeftButton);
        QVERIFY(QImage(png).width() > 100);
        // ... and as a drawing, with the same bars.
        const QString svg = f.dir.path() + QStringLiteral("/overview.svg");
        f.ui.expect_save_file(svg);
        QTest::mouseClick(window->b_save, Qt::LeftButton);
        const QString drawing = QString::fromUtf8(read_file(svg));
        QVERIFY2(drawing.contains(QStringLiteral(">Oscar Wilde</text>")) && drawing.contains(QStringLiteral(">4</text>")) &&
                     drawing.trimmed().endsWith(QStringLiteral("</svg>")),
                 qPrintable(drawing.left(400)));
        QVERIFY(f.ui.all_answers_used());
    }
};

SENTARA_TESTS(TestOverviewWindow)
#include "test_collection_windows.moc"
