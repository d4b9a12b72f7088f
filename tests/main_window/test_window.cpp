// The main window as a user meets it: clicks on rows and row selectors, keys in the grid and the
// filter boxes, the grid's corner, the window's geometry from one start to the next, a dark theme.
#include "main_window_fixture.h"

#include "widgets/recordset_model.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTableView>

namespace {

QPoint cell_centre(f_main& w, int row, int column = 2) {
    return w.list->grid->visualRect(w.list->grid->model()->index(row, column)).center();
}

// How far apart two colours are, channel by channel.
int distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { save_setting("main_geometry", ""); }

    void the_grid_follows_clicks_and_keys() {
        MainWindowFixture f;
        emit f.w().list->grid->horizontalHeader()->sectionClicked(0);  // by key: row r holds key r + 1
        f.show();
        QTest::mouseClick(f.w().list->grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell_centre(f.w(), 3));
        QCOMPARE(f.current_key(), 4);
        QCOMPARE(f.w().Data1()->absolute_position(), 3);
        QTest::keyClick(f.w().list->grid, Qt::Key_Down);
        QCOMPARE(f.current_key(), 5);
        QTest::keyClick(f.w().list->grid, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(f.current_key(), 8);
        QTest::keyClick(f.w().list->grid, Qt::Key_Up);
        QCOMPARE(f.current_key(), 7);
        QCOMPARE(f.w().list->grid->currentIndex().row(), 6);
        // With an edit pending the grid takes no click.
        f.w().edit->t_note->setText("pending");
        QVERIFY(!f.w().list->grid->isEnabled());
        QTest::mouseClick(f.w().list->grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell_centre(f.w(), 0));
        QCOMPARE(f.current_key(), 7);
        QCOMPARE(f.w().edit->t_note->text(), QString("pending"));
    }

    // A list longer than its first page is shown before it is counted: the count follows, and
    // the keys go by the whole list.
    void a_long_list_is_counted_after_its_first_page() {
        MainWindowFixture f;
        f.ctx->database->execute("with recursive n(i) as (select 1 union all select i + 1 from n where i < 292) "
                                 "insert into quotes (text, author, subject, language, random) select 'Filler ' || i, "
                                 "'Smith', 'Life', 'EN', 1 + i from n");
        f.show();
        emit f.w().list->grid->horizontalHeader()->sectionClicked(0);  // by key
        QTest::keyClick(f.w().list->grid, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(f.current_key(), 300);
        QCOMPARE(f.w().list->grid->currentIndex().row(), 299);
        f.w().filters->cb_author_filter->setEditText("Smith");
        f.w().b_filter_Click();
        QTRY_VERIFY(f.w().filters->l_records_filtered->text().startsWith("Records Filtered:293/"));
        QTRY_VERIFY(f.w().Data1()->fully_read());
        QCOMPARE(f.grid_keys().size(), 293);
    }

    // Random on a list still being read: the row it lands on stays the grid's current row,
    // shown, once the rest of the list has come in.
    void random_on_a_long_list_stays_on_its_row() {
        MainWindowFixture f;
        f.ctx->database->execute("with recursive n(i) as (select 1 union all select i + 1 from n where i < 5000) "
                                 "insert into quotes (text, author, subject, language, random) select 'Filler ' || i, "
                                 "'Smith', 'Life', 'EN', abs(random() % 1000000) / 1000000.0 from n");
        f.show();
        for (int i = 0; i < 3; ++i) {
            f.w().b_filter_Click();
            f.w().edit->b_random_Click();
            const int key = f.current_key();
            QTRY_VERIFY(f.w().Data1()->fully_read());
            QTest::qWait(100);
            const QModelIndex current = f.w().list->grid->currentIndex();
            QVERIFY(current.isValid());
            QCOMPARE(f.w().Data1()->key_at(current.row()).toInt(), key);
            QCOMPARE(f.current_key(), key);
            QVERIFY(f.w().list->grid->viewport()->rect().intersects(f.w().list->grid->visualRect(current)));
        }
        // A smaller grid, as the window manager may make it just after the first row was shown.
        QTableView* grid = f.w().list->grid;
        const QModelIndex current = grid->currentIndex();
        grid->scrollTo(current, QAbstractItemView::PositionAtBottom);
        grid->resize(grid->width(), grid->height() - 3 * grid->rowHeight(current.row()));
        QTest::qWait(50);
        QVERIFY(grid->viewport()->rect().contains(grid->visualRect(current)));
    }

    void enter_in_a_filter_box_filters() {
        MainWindowFixture f;
        f.show();
        f.w().filters->t_text_filter->setFocus();
        QTest::keyClicks(f.w().filters->t_text_filter, "fear");
        QTest::keyClick(f.w().filters->t_text_filter, Qt::Key_Return);
        QCOMPARE(f.grid_keys(), QList<int>{1});
        QVERIFY(f.w().filters->t_text_filter->hasFocus());  // typing goes on where it was
        f.w().filters->b_clear->click();
        QLineEdit* author = f.w().filters->cb_author_filter->lineEdit();
        author->setFocus();
        QTest::keyClicks(author, "wilde");
        QTest::keyClick(author, Qt::Key_Enter);
        QCOMPARE(f.w().Data1()->record_count(), 2);
        QVERIFY(author->hasFocus());
        // Enter in the edit area's language box filters too.
        QTest::keyClick(f.w().edit->cb_language->lineEdit(), Qt::Key_Return);
        QCOMPARE(f.w().Data1()->record_count(), 2);
        QVERIFY(f.ui.messages().isEmpty());
    }

    void row_selectors_pick_rows_and_the_corner_goes_back_to_random_order() {
        MainWindowFixture f;
        emit f.w().list->grid->horizontalHeader()->sectionClicked(0);
        f.show();
        click_selector(f.w(), 1);
        click_selector(f.w(), 3, Qt::ControlModifier);
        QCOMPARE(f.w().filters->l_records_selected->text(), QString("Records Selected:2"));
        QVERIFY(f_main::is_lit(f.w().filters->b_export));
        QCOMPARE(f.w().list->model().selection(), (QList<QVariant>{2, 4}));
        QCOMPARE(f.w().list->grid->model()->index(3, 1).data(Qt::BackgroundRole).value<QColor>(), f_main::attention_colour());
        click_selector(f.w(), 5, Qt::ShiftModifier);  // from the last one picked
        QCOMPARE(f.w().list->model().selection().size(), 4);
        click_selector(f.w(), 3, Qt::ControlModifier);  // Ctrl on a picked row unpicks it
        QCOMPARE(f.w().list->model().selection().size(), 3);
        click_selector(f.w(), 0);  // a plain click picks that row alone
        QCOMPARE(f.w().list->model().selection(), QList<QVariant>{1});
        // Sorted, the corner goes back to random order; the column keeps its direction.
        QHeaderView* header = f.w().list->grid->horizontalHeader();
        QVERIFY(header->isSortIndicatorShown() && f.w().list->l_help->toolTip().contains("random order"));
        QTest::mouseClick(f.w().list->l_help, Qt::LeftButton);
        QCOMPARE(f.w().sort_column(), -1);
        QVERIFY(!header->isSortIndicatorShown());
        // In random order the corner only clears the selection.
        click_selector(f.w(), 2);
        QTest::mouseClick(f.w().list->l_help, Qt::LeftButton);
        QCOMPARE(f.w().filters->l_records_selected->text(), QString("Records Selected:0"));
        QCOMPARE(plain_caption(f.w().filters->b_export->text()), QString("Export filtered quotes"));
        emit header->sectionClicked(0);  // by key again, now descending
        QCOMPARE(f.w().Data1()->key_at(0).toInt(), 8);
        QVERIFY(f.ui.messages().isEmpty());
    }

    void the_window_comes_back_as_it_was_left() {
        // A stored height is cut to the screen.
        save_setting("formheight", "999999");
        QVERIFY(MainWindowFixture().w().height() <= primary_screen_area().available.height());
        save_setting("formheight", "8100");
        QCOMPARE(MainWindowFixture().w().height(), 540);
        QRect first;
        int frame_height = 0;
        for (int start = 0; start < 3; ++start) {
            MainWindowFixture f;
            f.show();
            QApplication::processEvents();
            QHeaderView* columns = f.w().list->grid->horizontalHeader();
            if (start == 0) {
                f.w().setGeometry(QRect(14, 40, f.w().minimumWidth() + 8, f.w().minimumHeight() + 20));
                QApplication::processEvents();
                first = f.w().geometry();
                columns->resizeSection(1, 173);  // the author column, dragged wider
                f.w().b_filter_Click();           // a new list keeps it
            }
            QCOMPARE(f.w().geometry(), first);
            QCOMPARE(columns->sectionSize(1), 173);
            frame_height = f.w().frameGeometry().height();
            f.w().uscita();
        }
        QCOMPARE(get_setting("formheight").toInt(), frame_height * 15);  // the frame's, as the other windows read it
    }

    void the_first_start_fits_the_screen() {
        save_setting("formheight", "");
        MainWindowFixture f;
        f.show();
        QApplication::processEvents();
        const QRect free = primary_screen_area().available;
        QVERIFY(free.contains(f.w().frameGeometry()));
        QVERIFY(free.contains(f.w().edit->b_exit->mapTo(&f.w(), f.w().edit->b_exit->rect().bottomRight()) +
                              f.w().geometry().topLeft()));
        // The width is the user's: the layout stretches.
        f.w().resize(f.w().width() + 150, f.w().height());
        QApplication::processEvents();
        QVERIFY(f.w().list->grid->width() > 900);
    }

    void every_menu_item_shows_a_shortcut() {
        MainWindowFixture f;
        for (QMenu* menu : {f.w().m_file, f.w().m_edit, f.w().m_preferences, f.w().m_help})
            for (QAction* a : menu->actions())
                if (!a->isSeparator() && !a->menu()) QVERIFY2(!a->shortcut().isEmpty(), qPrintable(a->text()));
        f.show();
        QTest::keySequence(&f.w(), QKeySequence(Qt::CTRL | Qt::Key_F));
        QVERIFY(f.w().filters->t_text_filter->hasFocus());
        f.w().edit->t_note->setText("typed");
        QTest::keySequence(&f.w(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(f.scalar(QString("select notes from quotes where key = %1").arg(f.current_key())).toString(), QString("typed"));
    }

    // Everything the mouse reaches has a key: access keys that do not clash, the sort of every
    // column each way, the list's buttons.
    void the_keyboard_reaches_everything() {
        MainWindowFixture f;
        f.show();
        QSet<QChar> keys;
        for (QAction* a : f.w().menuBar()->actions())
            if (!mnemonic_of(a->text()).isNull()) keys.insert(mnemonic_of(a->text()));
        for (QWidget* w : f.w().findChildren<QWidget*>()) {
            auto* button = qobject_cast<QPushButton*>(w);
            auto* caption = qobject_cast<QLabel*>(w);
            if (!(button && w->focusPolicy() != Qt::NoFocus) && !(caption && caption->buddy())) continue;
            const QString text = button ? button->text() : caption->text();
            const QChar key = mnemonic_of(text);
            // Letters do not go round: a button with a shortcut of its own, or a filter's label,
            // may go without.
            const bool otherwise = button ? button->toolTip().contains(QRegularExpression("\\((Ctrl|F\\d)"))
                                          : f.w().filters->isAncestorOf(w);
            QVERIFY2(!key.isNull() || otherwise, qPrintable(w->objectName() + ": " + text));
            QVERIFY2(key.isNull() || !keys.contains(key), qPrintable(w->objectName() + ": " + text));
            keys.insert(key);
        }
        // A caption that changes keeps its key.
        const QChar author_key = mnemonic_of(f.w().filters->b_filter_current_author->text());
        f.go_to(2);
        QCOMPARE(mnemonic_of(f.w().filters->b_filter_current_author->text()), author_key);
        // Alt and the key of a field's label lead into the field.
        QLabel* keyed = nullptr;
        for (QLabel* label : f.w().filters->findChildren<QLabel*>())
            if (label->buddy() && !mnemonic_of(label->text()).isNull() && !keyed) keyed = label;
        QVERIFY(keyed);
        QTest::keyClick(&f.w(), mnemonic_of(keyed->text()).toLatin1(), Qt::AltModifier);
        QVERIFY(keyed->buddy()->hasFocus() || keyed->buddy()->isAncestorOf(QApplication::focusWidget()));

        // The Sort menu: the author column descending, as two clicks on its header.
        QAction* by_author_down = f.w().m_sort->findChild<QAction*>("m_sort_1_desc");
        QVERIFY(by_author_down);
        by_author_down->trigger();
        const QList<int> sorted = f.grid_keys();
        QHeaderView* header = f.w().list->grid->horizontalHeader();
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorSection(), 1);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        emit header->sectionClicked(1);  // the next click turns it over
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        emit header->sectionClicked(1);
        QCOMPARE(f.grid_keys(), sorted);
        emit f.w().m_sort->aboutToShow();
        QVERIFY(by_author_down->isChecked());

        // The list's buttons by their keys: F6 filters on the author in the edit area.
        f.go_to(2);
        const QString author = f.w().edit->cb_author->currentText();
        QTest::keyClick(f.w().list->grid, Qt::Key_F6);
        QCOMPARE(f.w().filters->cb_author_filter->currentText(), author);
        QVERIFY(f.w().filters->b_filter_current_author->toolTip().contains("F6"));
        QVERIFY(f.ui.messages().isEmpty());
    }

    void a_dark_theme_reads_everywhere() {
        const QPalette saved = QApplication::palette();
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QPalette dark;
        for (const auto& [role, grey] : {std::pair{QPalette::Window, 45}, {QPalette::WindowText, 230}, {QPalette::Base, 30},
                                         {QPalette::AlternateBase, 40}, {QPalette::Text, 235}, {QPalette::Button, 60},
                                         {QPalette::ButtonText, 235}})
            dark.setColor(role, QColor(grey, grey, grey));
        QApplication::setPalette(dark);
        {
            MainWindowFixture f;
            f.show();
            QLineEdit* field = f.w().filters->t_text_filter;
            // An unused filter box keeps the theme's colours.
            QCOMPARE(field->palette().color(QPalette::Base), dark.color(QPalette::Base));
            field->setText("WWWWWWWW");
            QVERIFY(f_main::is_lit(field));
            const QImage lit = field->grab().toImage();
            const QColor background = lit.pixelColor(lit.width() - 8, lit.height() / 2);
            QCOMPARE(background, f_main::attention_colour());
            int darkest = 0;  // the text must stand out of the attention colour
            for (int x = 0; x < lit.width() / 2; ++x)
                darkest = std::max(darkest, distance(lit.pixelColor(x, lit.height() / 2), background));
            QVERIFY2(darkest > 300, qPrintable(QString::number(darkest)));

            // The grid's cells read too: a plain row, a picked row and the current one.
            QTableView* grid = f.w().list->grid;
            grid->setCurrentIndex(grid->model()->index(0, 2));
            f.w().list->model().pick(1, RecordSetModel::Pick::only);
            const QImage cells = grid->viewport()->grab().toImage();
            for (int row : {0, 1, 2}) {
                const QRect cell = grid->visualRect(grid->model()->index(row, 2));
                const QColor ground = cells.pixelColor(cell.right() - 2, cell.center().y());
                int strongest = 0;
                for (int x = cell.left(); x < cell.left() + cell.width() / 2; ++x)
                    for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
                        strongest = std::max(strongest, distance(cells.pixelColor(x, y), ground));
                QVERIFY2(strongest > 300, qPrintable(QString("row %1: %2").arg(row).arg(strongest)));
            }
            QCOMPARE(cells.pixelColor(grid->visualRect(grid->model()->index(1, 2)).right() - 2,
                                      grid->visualRect(grid->model()->index(1, 2)).center().y()),
                     f_main::attention_colour());
        }
        QApplication::setPalette(saved);
    }
};

SENTARA_TESTS(TestWindow)
#include "test_window.moc"
