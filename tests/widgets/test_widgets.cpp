// The window kit on its own: the sort state, the attention colours, the grid binding's rules for
// the current row, and a model that never lets an engine error out.
#include "database/recordset.h"
#include "support/fixture.h"
#include "widgets/attention.h"
#include "widgets/grid_binding.h"
#include "widgets/recordset_model.h"
#include "widgets/sort_state.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

class TestWidgets : public QObject {
    Q_OBJECT

    static QVector<GridColumn> author_columns() { return {{"name", "Name", 150}, {"notes", "Notes", 0, {}, true}}; }

private slots:
    void initTestCase() { isolate_user_files(); }

    void sort_state() {
        SortState s;
        const QStringList orders = {"name %1", "notes %1, name"};
        QCOMPARE(s.order_text(orders), QString());  // random order
        s.click(1);
        QCOMPARE(s.order_text(orders), QString("notes ASC, name"));
        s.click(1);
        QCOMPARE(s.order_text(orders), QString("notes DESC, name"));
        s.click(0);
        QCOMPARE(s.order_text(orders), QString("name ASC"));
        s.to_random();
        QCOMPARE(s.column(), -1);
        s.click(1);  // the column kept its own direction
        QCOMPARE(s.order_text(orders), QString("notes ASC, name"));
        s.click(8);  // a column without an order is stored and orders nothing
        QCOMPARE(s.column(), 8);
        QCOMPARE(s.order_text(orders), QString());
    }

    void lit_and_dimmed() {
        QWidget parent;
        QPalette theme;
        theme.setColor(QPalette::Base, QColor(20, 20, 20));
        theme.setColor(QPalette::Button, QColor(50, 50, 50));
        parent.setPalette(theme);
        auto* field = new QLineEdit(&parent);
        auto* button = new QPushButton(&parent);
        set_lit(field, true);
        set_lit(button, true);
        QVERIFY(is_lit(field) && is_lit(button));
        QCOMPARE(field->palette().color(QPalette::Base), attention_colour());
        QCOMPARE(field->palette().color(QPalette::Text), attention_text_colour());
        QCOMPARE(button->palette().color(QPalette::Button), attention_colour());
        QCOMPARE(button->palette().color(QPalette::ButtonText), attention_text_colour());
        set_lit(field, false);
        set_lit(button, false);
        QCOMPARE(field->palette().color(QPalette::Base), QColor(20, 20, 20));  // the theme's, not white
        QCOMPARE(button->palette().color(QPalette::Button), QColor(50, 50, 50));
    }

    void the_current_row_after_requery_and_delete() {
        Fixture f;
        QTableView view;
        auto* model = new RecordSetModel(author_columns(), &view);
        GridBinding binding(&view, model, f.ui);
        QSignalSpy moved(&binding, &GridBinding::current_row_changed);
        binding.bind(f.ctx->database->open_recordset("select * from authors order by name"));
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.last().first().toInt(), 0);  // the first row, announced once
        binding.go_to(3);
        QCOMPARE(view.currentIndex().row(), 3);
        binding.go_to(3);
        QCOMPARE(moved.count(), 2);  // the same row again is no change
        const QVariant key = binding.recordset()->bookmark();
        // Another row comes before it: it is found again by its key.
        f.ctx->database->execute("insert into authors values ('Aaron', null, null, 0)");
        binding.requery(key, 3);
        QCOMPARE(binding.current_row(), 4);
        QCOMPARE(binding.recordset()->bookmark(), key);
        QCOMPARE(moved.last().first().toInt(), 4);
        // Gone: the row now at its place.
        f.ctx->database->execute("delete from authors where rowid = " + key.toString());
        binding.requery(key, 4);
        QCOMPARE(binding.current_row(), 4);
        // The last row deleted: the new last row; the only row: none.
        binding.go_to(binding.recordset()->record_count() - 1);
        binding.delete_current();
        QCOMPARE(binding.current_row(), binding.recordset()->record_count() - 1);
        f.ctx->database->execute("delete from authors where name <> 'Mark Twain'");
        binding.requery(QVariant(), 0);
        QCOMPARE(binding.recordset()->record_count(), 1);
        binding.delete_current();
        QCOMPARE(binding.current_row(), -1);
        QCOMPARE(moved.last().first().toInt(), -1);
        QVERIFY(!view.currentIndex().isValid());
    }

    void a_failing_engine_is_reported_once() {
        Fixture f;
        auto* model = new RecordSetModel(author_columns());
        QSignalSpy errors(model, &RecordSetModel::engine_error);
        // A condition the engine judges only while reading: a malformed pattern.
        auto rs = std::make_unique<RecordSet>(*f.ctx->database, "select * from authors where name like '[a'");
        model->set_recordset(rs.get());
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->data(model->index(0, 0)), QVariant());
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.first().at(1).toString().contains("pattern"));
        model->set_recordset(nullptr);
        delete model;
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
