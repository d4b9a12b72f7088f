// The export window opened from the main window: its boxes, grouping only in author order, the
// rows picked or the whole list, the report file's bytes, and a report file that cannot be written.
#include "main_window/main_window_fixture.h"

#include "formats/fortune_format.h"
#include "import_export/f_export.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <QRadioButton>

namespace {

const QString crlf = "\r\n";

// The export window, opened with the main window's button.
QPointer<f_export> open_export(MainWindowFixture& f) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // one closed before is gone
    f.w().filters->b_export->click();
    auto* w = f.w().findChild<f_export*>();
    if (w && !QTest::qWaitForWindowExposed(w)) return nullptr;
    return w;
}

// Export now; the bytes of the file opened, or empty bytes when none was. A text export is saved
// where the file dialog is answered (a file of its own when no answer is queued).
QByteArray export_now(f_export* w, ScriptedUi& ui, bool answer_dialog = true) {
    static QTemporaryDir saved;
    static int n = 0;
    if (answer_dialog) ui.save_file_default = saved.path() + QStringLiteral("/export%1.txt").arg(++n);
    const qsizetype opened = ui.opened().size();
    w->b_export->click();
    ui.save_file_default.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ui.opened().size() == opened ? QByteArray() : read_file(ui.opened().last());
}

void sort_by(MainWindowFixture& f, int column) { emit f.w().list->grid->horizontalHeader()->sectionClicked(column); }

// The author headings of an export, in order.
QStringList headings(const QString& text) {
    QStringList out;
    for (const QString& line : text.split(crlf))
        if (line.startsWith("--------- Quotes of ")) out << line.mid(20).chopped(11);
    return out;
}

}  // namespace

class TestExport : public QObject {
    Q_OBJECT
private slots:
    void two_quotations_with_nothing_ticked() {
        MainWindowFixture f;
        f.show();
        sort_by(f, 0);
        f.w().filters->cb_author_filter->setEditText("Oscar Wilde");
        f.w().b_filter_Click();
        QPointer<f_export> w = open_export(f);
        QVERIFY(w);
        QCOMPARE(export_now(w, f.ui), ("I can resist everything except temptation." + crlf + crlf +
                                       "Experience is the name we give our mistakes." + crlf)
                                          .toUtf8());
        QVERIFY(!w);  // closed after the export
        QVERIFY(f.ui.opened().last().endsWith(".txt"));
        QVERIFY(f.ui.messages().isEmpty());
    }

    void grouped_by_author_in_either_direction() {
        MainWindowFixture f;
        f.show();
        QStringList ascending;
        for (int pass = 0; pass < 2; ++pass) {
            sort_by(f, 1);  // by author, then descending
            QStringList authors;  // as the grid lists them
            for (int r = 0; r < f.w().Data1()->record_count(); ++r) {
                const QString a = RecordSet::to_text(f.w().Data1()->value_at(r, f.w().Data1()->field_index("author")));
                if (authors.isEmpty() || authors.last() != a) authors << a;
            }
            QPointer<f_export> w = open_export(f);
            w->opt_group->click();
            QVERIFY(f.ui.messages().isEmpty());
            w->c_author->click();
            const QString text = QString::fromUtf8(export_now(w, f.ui));
            QCOMPARE(headings(text), authors);
            // One heading for both of Oscar Wilde's, an empty line after each heading.
            QVERIFY(text.contains("--------- Quotes of Oscar Wilde ----------" + crlf + crlf));
            QCOMPARE(text.count("(Oscar Wilde)"), 2);
            QVERIFY(text.endsWith(")" + crlf));
            if (pass == 0) ascending = authors;
            else {
                std::reverse(authors.begin(), authors.end());
                QCOMPARE(authors, ascending);
            }
        }
    }

    void grouping_is_refused_unless_ordered_by_author() {
        MainWindowFixture f;
        f.show();
        f.exec("update quotes set notes = 'order by author' where key = 2");
        for (int column : {-1, 2, 0}) {  // random order, by text, by key with a note naming the author order
            if (column >= 0) sort_by(f, column);
            if (column == 0) {
                f.w().filters->t_note_filter->setText("order by author");
                f.w().b_filter_Click();
                QCOMPARE(f.grid_keys(), QList<int>{2});
            }
            QPointer<f_export> w = open_export(f);
            f.ui.expect_message("Grouping by author is only possible if quotes are ordered by author.");
            w->opt_group->click();
            QVERIFY(!w->opt_group->isChecked() && w->opt_nogroup->isChecked());
            // Export now with grouping chosen all the same: refused, nothing written, still open.
            w->opt_group->setChecked(true);
            f.ui.expect_message("click on the author column header, the retry to export.");
            QVERIFY(export_now(w, f.ui).isEmpty());
            QVERIFY(w && w->opt_nogroup->isChecked());
            QTest::keyClick(w, Qt::Key_Escape);  // Esc closes it, as Exit does
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!w);
        }
    }

    void the_rows_picked_and_nothing_else() {
        MainWindowFixture f;
        sort_by(f, 0);
        f.show();
        click_selector(f.w(), 2);
        QCOMPARE(plain_caption(f.w().filters->b_export->text()), QString("Export selected quotes"));
        QPointer<f_export> w = open_export(f);
        w->c_author->click();
        w->c_rate->click();
        QCOMPARE(export_now(w, f.ui),
                 ("Experience is the name we give our mistakes. (Oscar Wilde)" + crlf + ".Rate=1 " + crlf).toUtf8());
    }

    void greek_comes_out_byte_for_byte() {
        MainWindowFixture f;
        const QString greek = QString::fromUtf8("Ἓν οἶδα ὅτι οὐδὲν οἶδα");
        f.exec(QString::fromUtf8("insert into authors values ('Σωκράτης', null, null, null);"
                                 "insert into quotes (key, text, author, subject, language, notes, rate) values "
                                 "(20, '%1', 'Σωκράτης', 'Wisdom', 'EL', 'Ἀπολογία', 3)")
                   .arg(greek));
        f.w().filters->t_key_selector->setText("20");
        f.w().b_filter_Click();
        f.show();
        QPointer<f_export> w = open_export(f);
        w->c_all->click();
        QCOMPARE(export_now(w, f.ui), (greek + QString::fromUtf8(" (Σωκράτης)") + crlf +
                                       QString::fromUtf8(".Subj=Wisdom .Note=Ἀπολογία .Rate=3 .Lang=EL ") + crlf)
                                          .toUtf8());
    }

    void a_text_file_that_cannot_be_written_is_reported() {
        MainWindowFixture f;
        f.show();
        QTemporaryDir dir;
        QPointer<f_export> w = open_export(f);
        f.ui.expect_save_file(dir.path() + "/no/such/folder/quotes.txt");
        f.ui.expect_message("cannot be written");
        QVERIFY(export_now(w, f.ui, false).isEmpty());
        QVERIFY(f.ui.opened().isEmpty());
        QVERIFY(w);  // still open, for another try
        QCOMPARE(f.ui.last_open_file_file, QString("quotes.txt"));
        // Written; with no viewer for it, shown in the program's text window.
        f.ui.open_target_result = false;
        f.ui.expect_save_file(dir.path() + "/quotes.txt");
        w->b_export->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
        QVERIFY(!read_file(dir.path() + "/quotes.txt").isEmpty());
        QCOMPARE(f.ui.shown("text").size(), 1);
        QVERIFY(f.ui.shown("text").first().contains("Courage is resistance to fear"));
    }

    void fortune_and_csv_go_to_the_file_chosen_with_the_index_fortune_reads() {
        MainWindowFixture f;
        f.show();
        f.w().filters->cb_author_filter->setEditText("Oscar Wilde");
        f.w().b_filter_Click();
        QTemporaryDir dir;
        QPointer<f_export> w = open_export(f);
        QTest::keyClick(w->cb_format, Qt::Key_Down);
        QCOMPARE(w->cb_format->currentText(), QString("fortune"));
        // A cookie has room for the author and the note only, and is never grouped.
        for (QWidget* off : {(QWidget*)w->c_subject, (QWidget*)w->c_rate, (QWidget*)w->c_language, (QWidget*)w->Frame2})
            QVERIFY(!off->isEnabled());
        w->c_author->click();
        w->c_note->click();
        // Cancelled: nothing is written, the window stays.
        f.ui.expect_save_file("");
        QVERIFY(export_now(w, f.ui).isEmpty());
        QVERIFY(w);
        QCOMPARE(f.ui.last_open_file_file, QString("quotes"));
        // A file that cannot be written is reported, never shown as done.
        f.ui.expect_save_file(dir.path() + "/no/such/folder/quotes");
        f.ui.expect_message("cannot be written");
        export_now(w, f.ui);
        QVERIFY(w);
        const QString path = dir.path() + "/wilde";
        const bool indexed = !fortune_format::strfile_program().isEmpty();
        f.ui.expect_save_file(path);
        f.ui.expect_message(indexed ? "2 quotes exported to '" + path + "'.\nThe index fortune reads is '" + path + ".dat'."
                                    : "2 quotes exported to '" + path + "'.");
        export_now(w, f.ui);
        QVERIFY(!w);
        QVERIFY(f.ui.opened().isEmpty());  // nothing opened in the text viewer
        // In the list's random order, which the rotation of the first row shown may change.
        QStringList cookies = QString::fromUtf8(read_file(path)).split("%\n");
        cookies.sort();
        QCOMPARE(cookies, QStringList({"", "Experience is the name we give our mistakes.\n\t\t-- Oscar Wilde\n",
                                       "I can resist everything except temptation.\n\t\t-- Oscar Wilde, \"Lady Windermere\"\n"}));
        QCOMPARE(QFileInfo::exists(path + ".dat"), indexed);

        // CSV, every field; the folder chosen last is offered again.
        w = open_export(f);
        QTest::keyClick(w->cb_format, Qt::Key_End);
        QCOMPARE(w->cb_format->currentText(), QString("CSV"));
        QVERIFY(w->c_rate->isEnabled());
        w->c_all->click();
        f.ui.expect_save_file(dir.path() + "/wilde.csv");
        f.ui.expect_message("2 quotes exported to");
        export_now(w, f.ui);
        QCOMPARE(f.ui.last_open_file_folder, dir.path());
        QVERIFY(read_file(dir.path() + "/wilde.csv").contains("\r\nI can resist everything except temptation.,Oscar Wilde,Love,EN,3,Lady Windermere\r\n"));
    }

    // A quotation of several lines cannot be read back from the text format: CSV is offered, and
    // the text is written only when asked for twice.
    void the_text_format_says_what_it_cannot_carry_and_offers_csv() {
        MainWindowFixture f;
        f.exec("INSERT INTO quotes (text, author, subject, language, rate) VALUES "
               "('Two lines' || char(10) || 'of Wilde', 'Oscar Wilde', 'Love', 'EN', 2)");
        f.show();
        f.w().filters->cb_author_filter->setEditText("Oscar Wilde");
        f.w().b_filter_Click();
        QTemporaryDir dir;
        QPointer<f_export> w = open_export(f);
        w->c_author->click();
        // Refused both times: nothing is written, the window stays.
        f.ui.expect_message("1 of the 3 quotations cannot be written whole in the text format", Ui::cancel);
        f.ui.expect_message("Write the text as it is", Ui::cancel);
        QVERIFY(export_now(w, f.ui).isEmpty());
        QVERIFY(w);
        // CSV instead: every field of every quotation.
        f.ui.expect_message("\"Two lines of Wilde\": its text has more than one line");
        f.ui.expect_save_file(dir.path() + "/wilde.csv");
        f.ui.expect_message("3 quotes exported to");
        QVERIFY(export_now(w, f.ui).isEmpty());
        QVERIFY(!w);
        const QByteArray csv = read_file(dir.path() + "/wilde.csv");
        QVERIFY(csv.startsWith("\xEF\xBB\xBFtext,author,subject,language,rate,note\r\n"));
        QVERIFY2(csv.contains("\"Two lines\nof Wilde\",Oscar Wilde,Love,EN,2,\r\n"), csv.constData());
        // Asked for twice, the text is written.
        w = open_export(f);
        f.ui.expect_message("cannot be written whole", Ui::cancel);
        f.ui.expect_message("Write the text as it is", Ui::ok);
        QVERIFY(export_now(w, f.ui).contains("Two lines\r\nof Wilde"));
    }

    void an_empty_list_has_nothing_to_export() {
        MainWindowFixture f;
        f.show();
        f.w().filters->t_text_filter->setText("no such text anywhere");
        f.w().b_filter_Click();
        QPointer<f_export> w = open_export(f);
        f.ui.expect_message("There is no quote to be exported");
        QVERIFY(export_now(w, f.ui).isEmpty());
        QVERIFY(!w);
    }
};

SENTARA_TESTS(TestExport)
#include "test_export.moc"
