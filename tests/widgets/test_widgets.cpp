// The window kit on its own: the attention colours and the grid binding's rules for the
// current row.
#include "database/recordset.h"
#include "support/fixture.h"
#include "widgets/attention.h"
#include "widgets/grid_binding.h"
#include "widgets/recordset_model.h"
#include "widgets/window_utils.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

class TestWidgets : public QObject {
    Q_OBJECT

    static QVector<GridColumn> author_columns() { return {{"name", "Name", 150}, {"notes", "Notes", 0, {}, true}}; }

private slots:
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
        // The last row deleted: the new last row.
        binding.go_to(binding.recordset()->record_count() - 1);
        binding.delete_current();
        QCOMPARE(binding.current_row(), binding.recordset()->record_count() - 1);
    }

    // A long text goes into a box by slices: every character arrives once, in order, a line
    // longer than any slice included, and nothing of the filling can be undone.
    void a_long_text_fills_its_box_whole() {
        Fixture f;
        QPlainTextEdit box;
        box.setPlainText(QStringLiteral("typed before"));
        QString text = QStringLiteral("\n");
        for (int i = 0; i < 40000; ++i) text += QStringLiteral("line %1 %2\n").arg(i).arg(QString(i % 97, u'x'));
        text += QString(600000, u'y') + QStringLiteral("\nlast, with no line break");
        fill_text_box(f.ui, box, text, true, QStringLiteral("Filling"));
        QCOMPARE(box.toPlainText(), QStringLiteral("typed before") + text);
        QVERIFY(!box.document()->isUndoAvailable());
        fill_text_box(f.ui, box, QStringLiteral("short"), false, QStringLiteral("Filling"));
        QCOMPARE(box.toPlainText(), QStringLiteral("short"));
    }
};

SENTARA_TESTS(TestWidgets)
#include "test_widgets.moc"
