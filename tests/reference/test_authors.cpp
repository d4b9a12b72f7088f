// The authors window's list and edit area: the random order and its rotation, sorting, the
// filter, saving, pictures, deleting and replacing.
#include "authors_fixture.h"

#include <QLocale>

class TestAuthors : public QObject {
    Q_OBJECT
private slots:
    void opening_gives_places_only_to_authors_without_one() {
        AuthorsFixture f;
        f.exec("update authors set random = 0.9999 where name = 'Oscar Wilde';"
               "update authors set random = 0 where name = 'Smith'");
        f.open();
        QCOMPARE(f.names().last(), QString("Oscar Wilde"));  // the one place kept is the last
        QCOMPARE(f.author("random", "Oscar Wilde").toDouble(), 0.9999);
        QCOMPARE(f.count("authors", "random > 0 and random < 1"), 7);
        // The first author shown was visited: moved to the back.
        const double first = f.author("random", f.names().first()).toDouble();
        QVERIFY2(first >= 1 && first < 2, qPrintable(QString::number(first)));
        QCOMPARE(f.w().t_name->text(), f.names().first());
        // Counts per author, the author without quotations included.
        f.go_to("Oscar Wilde");
        QCOMPARE(f.w().t_quotes->text(), QString("2"));
        QCOMPARE(f.w().t_notes->text(), QString("Irish writer"));
        f.go_to("Nobody Yet");
        QCOMPARE(f.w().t_quotes->text(), QString("0"));
    }

    void rotation_writes_a_decimal_point_whatever_the_locale() {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));  // a decimal comma
        AuthorsFixture f;
        f.exec("update authors set random = 3.7 where name = 'Mark Twain'");
        f.open();
        QCOMPARE(f.names().last(), QString("Mark Twain"));
        f.w().binding().go_to(f.list().record_count() - 1);
        QCOMPARE(f.w().t_name->text(), QString("Mark Twain"));
        const QVariant moved = f.author("random", "Mark Twain");
        QCOMPARE(f.author("typeof(random)", "Mark Twain").toString(), QString("real"));
        QVERIFY2(moved.toDouble() >= 4 && moved.toDouble() < 5, qPrintable(moved.toString()));
        // An author without a place, met in the list, is written 0: the next opening gives one.
        f.exec("update authors set random = null where name = 'Smith'");
        f.go_to("Smith");
        QCOMPARE(f.author("random is not null and random = 0", "Smith").toInt(), 1);
        QLocale::setDefault(saved);
        // Sorted by a column, nobody moves, whatever the filter holds.
        emit f.w().grid->horizontalHeader()->sectionClicked(0);
        const double before = f.author("random", "Émile Zola").toDouble();
        f.go_to("Émile Zola");
        QCOMPARE(f.author("random", "Émile Zola").toDouble(), before);
        f.exec("insert into authors values ('Not in order by authors.random', null, null, 0.25)");
        f.filter_lists(f.w().t_name_filter, "order by authors.random", {"Not in order by authors.random"});
        QCOMPARE(f.author("random", "Not in order by authors.random").toDouble(), 0.25);
        QVERIFY(f.ui.messages().isEmpty());
    }

    void the_quotes_column_sorts_descending_on_its_second_click() {
        AuthorsFixture f;
        f.open();
        f.show();
        QHeaderView* header = f.w().grid->horizontalHeader();
        const QPoint quotes(header->sectionViewportPosition(3) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, quotes);
        QCOMPARE(f.names().first(), QString("Nobody Yet"));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, quotes);
        QCOMPARE(f.names(), (QStringList{"Oscar Wilde", "???", "Émile Zola", "Gabriele D'Annunzio", "John Smithson",
                                         "Mark Twain", "Smith", "Nobody Yet"}));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void the_filter_matches_any_of_its_boxes() {
        AuthorsFixture f;
        f.open();
        f.show();
        QVERIFY(!f.w().b_filter->isEnabled() && !f.w().b_clear_filter->isEnabled());
        QTest::keyClicks(f.w().t_name_filter, " smith ");
        QVERIFY(f.w().b_filter->isEnabled() && f.w().b_clear_filter->isEnabled());
        f.w().t_notes_filter->setText("Irish");
        QCOMPARE(f.list().record_count(), 8);  // nothing changes before Filter
        QTest::keyClick(f.w().t_notes_filter, Qt::Key_Return);
        QCOMPARE(f.list().record_count(), 3);
        QVERIFY(is_lit(f.w().b_filter));
        // Sorting keeps the filter in force.
        emit f.w().grid->horizontalHeader()->sectionClicked(0);
        QCOMPARE(f.names(), (QStringList{"John Smithson", "Oscar Wilde", "Smith"}));
        // Pattern characters are found as they are.
        f.w().t_notes_filter->clear();
        f.filter_lists(f.w().t_name_filter, "??", {"???"});
        f.filter_lists(f.w().t_name_filter, "[", {});
        QVERIFY(f.w().t_name->text().isEmpty());
        QVERIFY(f.ui.messages().isEmpty());
        // Clear Filter empties the boxes and lists everyone again; blanks alone filter nothing.
        f.w().b_clear_filter->click();
        QVERIFY(f.w().t_name_filter->text().isEmpty() && !is_lit(f.w().b_filter) && !f.w().b_clear_filter->isEnabled());
        f.w().t_picture_filter->setText("  ");
        f.w().b_filter->click();
        QVERIFY(!f.w().filter_active());
        QCOMPARE(f.list().record_count(), 8);
    }

    void save_trims_checks_and_carries_the_quotations() {
        AuthorsFixture f;
        f.open();
        QStringList announced;
        QObject::connect(&f.ctx->events, &AppEvents::authors_changed,
                         [&](const QString& old_name, const QString& new_name) { announced << old_name + "->" + new_name; });
        f.go_to("Oscar Wilde");
        f.w().t_name->setText("OSCAR wilde");  // letter case alone is no change
        QVERIFY(!is_lit(f.w().b_save) && !f.w().b_save->isEnabled());
        f.w().t_name->setText("  Oscar F. O'Wilde  ");
        f.w().t_notes->setText("   ");
        QVERIFY(is_lit(f.w().b_save));
        QVERIFY(!f.w().grid->isEnabled());  // a pending change keeps the row
        f.w().b_save->click();
        QCOMPARE(f.count("authors", "name = 'Oscar F. O''Wilde' and notes is null"), 1);
        QCOMPARE(f.count("authors", "name = 'Oscar Wilde'"), 0);
        // A new name takes the author's quotations with it.
        QCOMPARE(f.count("quotes", "author = 'Oscar F. O''Wilde'"), 2);
        QCOMPARE(f.w().t_name->text(), QString("Oscar F. O'Wilde"));
        QVERIFY(!is_lit(f.w().b_save) && f.w().grid->isEnabled());
        QCOMPARE(announced, QStringList{"Oscar Wilde->Oscar F. O'Wilde"});

        // Checks: an empty name, a new author already there, a new name that is another's.
        f.save_refused(f.w().t_name, "   ", "Name cannot be empty");
        f.ui.expect_message("Edit operation in progress.");  // an edit pending is never thrown away
        f.w().b_add_new->click();
        f.w().t_name->setText("Oscar F. O'Wilde");
        f.w().b_add_new->click();
        QVERIFY(is_lit(f.w().b_add_new) && f.w().t_name->text().isEmpty());
        f.save_refused(f.w().t_name, " mark twain ", "Author already present.");
        QVERIFY(is_lit(f.w().b_add_new) && is_lit(f.w().b_save));  // the edit stays
        f.w().t_name->setText("A 50% [new] *one*?");
        f.w().t_notes->setText(" it's * odd ");
        f.w().b_save->click();
        QCOMPARE(f.author("notes", "A 50% [new] *one*?").toString(), QString("it's * odd"));
        QVERIFY(!is_lit(f.w().b_add_new));
        QCOMPARE(f.w().l_records_filtered->text(), QString("Records Filtered:  9/9"));
        f.go_to("Smith");
        f.save_refused(f.w().t_name, "John SMITHSON", "Author already present.");
        QCOMPARE(f.count("authors", "name = 'Smith'"), 1);
        QCOMPARE(announced.size(), 2);
    }

    void a_picture_inside_the_images_folder_is_kept_relative() {
        AuthorsFixture f;
        QTemporaryDir program, elsewhere;
        program_folder_with_picture(*f.ctx, program.path(), "twain.jpg");
        QVERIFY(QFile::copy(program.path() + "/images/twain.jpg", elsewhere.path() + "/wilde.jpg"));
        save_setting("last_picture_path", elsewhere.path() + "/old.jpg");
        f.open();
        f.show();
        f.go_to("Mark Twain");
        QVERIFY(!f.w().Image1->isVisible());  // no picture, no default picture in this folder
        f.ui.expect_open_file(program.path() + "/images/twain.jpg");
        f.w().b_get_file->click();
        QCOMPARE(f.ui.last_open_file_folder, elsewhere.path());
        QCOMPARE(f.w().t_picture->text(), QString("images/twain.jpg"));
        QVERIFY(f.w().Image1->isVisible());
        QCOMPARE(get_setting("last_picture_path"), program.path() + "/images/twain.jpg");
        f.w().b_save->click();
        QCOMPARE(f.author("picture", "Mark Twain").toString(), QString("images/twain.jpg"));

        f.go_to("Oscar Wilde");
        f.ui.expect_open_file(QString());  // cancelled: nothing changes
        f.w().b_get_file->click();
        QVERIFY(f.w().t_picture->text().isEmpty() && !is_lit(f.w().b_save));
        f.ui.expect_open_file(elsewhere.path() + "/wilde.jpg");
        f.w().b_get_file->click();
        QCOMPARE(f.w().t_picture->text(), elsewhere.path() + "/wilde.jpg");
        f.w().b_save->click();
        QCOMPARE(f.author("picture", "Oscar Wilde").toString(), elsewhere.path() + "/wilde.jpg");
        // The picture follows the text as it is typed; blanks go when the box is left.
        f.w().t_picture->setText("images/nothing-here.jpg");
        QVERIFY(!f.w().Image1->isVisible());
        f.w().t_picture->setText(" images/twain.jpg ");
        QVERIFY(f.w().Image1->isVisible());
        emit f.w().t_picture->editingFinished();
        QCOMPARE(f.w().t_picture->text(), QString("images/twain.jpg"));
        f.w().t_picture->clear();
        f.w().b_save->click();
        QCOMPARE(f.count("authors", "name = 'Oscar Wilde' and picture is null"), 1);
    }

    void delete_keeps_the_place_and_refuses_authors_in_use() {
        AuthorsFixture f;
        f.exec("insert into authors values ('Zed A', null, null, 0.5), ('Zed B', null, null, 0.6)");
        f.open();
        emit f.w().grid->horizontalHeader()->sectionClicked(0);  // by name
        f.go_to("Mark Twain");
        f.ui.expect_message("Author \"Mark Twain\" cannot be deleted");
        f.w().b_delete->click();
        f.go_to("Nobody Yet");
        const int at = f.list().absolute_position();
        f.w().b_delete->click();
        QCOMPARE(f.list().absolute_position(), at);  // the author that followed
        QCOMPARE(f.w().t_name->text(), QString("Oscar Wilde"));
        // The last one: the new last one is current.
        f.w().binding().go_to(f.list().record_count() - 1);
        QCOMPARE(f.w().t_name->text(), QString("Zed B"));
        f.w().b_delete->click();
        QCOMPARE(f.w().t_name->text(), QString("Zed A"));
        QCOMPARE(f.list().absolute_position(), f.list().record_count() - 1);
        QCOMPARE(f.count("authors", "name in ('Nobody Yet', 'Zed B')"), 0);
        // While adding, Delete gives the addition up instead.
        f.w().b_add_new->click();
        f.w().b_delete->click();
        QVERIFY(!is_lit(f.w().b_add_new));
        QCOMPARE(f.w().t_name->text(), QString("Zed A"));
        QCOMPARE(f.count("authors"), 8);
        // A quotation given to the author since the list was read keeps them.
        f.exec("insert into quotes (text, author, subject, language) values ('New', 'zed a', 'Life', 'EN')");
        f.ui.expect_message("Author \"Zed A\" cannot be deleted");
        f.w().b_delete->click();
        QCOMPARE(f.count("authors", "name = 'Zed A'"), 1);
    }

    void deleting_the_only_author_empties_the_edit_area() {
        AuthorsFixture f;
        f.exec("delete from quotes; delete from authors where name <> '??" "?'");
        f.open();
        QCOMPARE(f.w().t_name->text(), QString("??" "?"));
        f.w().b_delete->click();
        QCOMPARE(f.list().record_count(), 0);
        QVERIFY(f.w().t_name->text().isEmpty() && f.w().t_quotes->text().isEmpty() && !f.w().Image1->isVisible());
        QCOMPARE(f.count("authors"), 0);
        // With nothing listed, what is typed is a new author.
        f.w().t_name->setText("First");
        f.w().b_save->click();
        QCOMPARE(f.count("authors", "name = 'First'"), 1);
    }

    void replace_moves_the_quotations_and_keeps_the_author() {
        AuthorsFixture f;
        f.exec("insert into authors values ('Rock ''n'' Roll [50%] *?', 'it''s', null, 0.5);"
               "update authors set notes = 'English', picture = 'smith.jpg' where name = 'Smith'");
        f.open();
        f.go_to("Smith");
        f.ui.expect_input("nobody at all", "Existing name to be used?");
        f.ui.expect_message("Author 'nobody at all' not found.");
        f.ui.expect_input("smith");
        f.ui.expect_message("'smith' is the one being replaced.");
        f.ui.expect_input("rock 'n' roll [50%] *?");
        f.w().b_replace->click();
        QCOMPARE(f.scalar("select author from quotes where key = 6").toString(), QString("Rock 'n' Roll [50%] *?"));
        QCOMPARE(f.w().t_name->text(), QString("Rock 'n' Roll [50%] *?"));  // the list moves to it
        // Smith stays, notes and picture with him, with no quotation left.
        QCOMPARE(f.author("notes", "Smith").toString(), QString("English"));
        QCOMPARE(f.author("picture", "Smith").toString(), QString("smith.jpg"));
        QCOMPARE(f.count("quotes", "author = 'Smith'"), 0);
        f.go_to("Smith");
        QCOMPARE(f.w().t_quotes->text(), QString("0"));
        // Cancel ends it.
        f.ui.expect_input(QString());
        f.w().b_replace->click();
        QCOMPARE(f.count("authors"), 9);
    }

    void a_replace_that_fails_part_way_changes_nothing() {
        AuthorsFixture f;
        // The second of Oscar Wilde's quotations refuses to move, after the first one has.
        f.exec("create trigger second_refuses before update of author on quotes when old.key = "
               "(select max(key) from quotes where author = 'Oscar Wilde') begin select raise(abort, 'kept'); end");
        f.open();
        f.go_to("Oscar Wilde");
        f.ui.expect_input("Mark Twain");
        f.ui.expect_message("kept");
        f.w().b_replace->click();
        QCOMPARE(f.count("quotes", "author = 'Oscar Wilde'"), 2);
        QCOMPARE(f.count("quotes", "author = 'Mark Twain'"), 1);
    }
};

SENTARA_TESTS(TestAuthors)

#include "test_authors.moc"
