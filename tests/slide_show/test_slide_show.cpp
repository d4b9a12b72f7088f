// The slide show as a user meets it: started from the main window, driven by the timer's ticks,
// keys and clicks, over the fixture's quotations. The half-second blank pause before a tick's
// quotation ends as its timer ends it, at once, unless a case leaves it running.
#include "main_window/main_window_fixture.h"

#include "slide_show/f_slide_show.h"
#include "slide_show/f_slide_show_help.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace {

const QString wrong_interval = "Wrong interval valule (must be a number from 10 to 100000)";

// The main window with a slide show opened from it, the pauses recorded (in milliseconds).
struct ShowFixture : MainWindowFixture {
    f_slide_show* show = nullptr;
    QList<int> pauses;

    ShowFixture() {
        save_setting("slide_show_help", "No");
        save_setting("slide_show_interval", "");
        MainWindowFixture::show();
    }
    ~ShowFixture() {
        if (show) close_show();
    }
    // Numbers as given, key by key; the others keep theirs.
    void set_random(const QList<QPair<int, double>>& numbers) {
        for (const auto& [key, value] : numbers) exec(QStringLiteral("update quotes set random = %1 where key = %2").arg(value).arg(key));
    }
    // The button of the filter area, the grid on `key`, the quotations numbered as the fixture
    // has them (0.1 x key); returns false when no show opened.
    bool start(int key) {
        go_to(key);
        // Moving to the row rotated it: the numbers of the fixture again.
        exec("update quotes set random = 0.1 * key where key <= 8");
        return restart();
    }
    // The button of the filter area again, as it stands.
    bool restart() {
        if (show) close_show();
        w().filters->b_slide_show->click();
        show = w().findChild<f_slide_show*>();
        return show != nullptr;
    }
    void close_show() {
        show->close();
        show = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The timer's tick, as the timer gives it; a pause it starts is left running.
    void blank_tick() { QVERIFY(QMetaObject::invokeMethod(show->Timer1, "timeout", Qt::DirectConnection)); }
    bool pausing() const { return show->Timer_pause->isActive(); }
    // The pause runs out, as its timer ends it.
    void end_pause() {
        QVERIFY(pausing());
        pauses << show->Timer_pause->interval();
        QVERIFY(QMetaObject::invokeMethod(show->Timer_pause, "timeout", Qt::DirectConnection));
    }
    // The tick, and the pause it starts, run out.
    void tick() {
        blank_tick();
        if (pausing()) end_pause();
    }
    // The quotation on screen, by its key, checked against what the label shows.
    int on_screen() {
        const int key = int(show->current_key);
        const QString text = scalar(QStringLiteral("select text from quotes where key = %1").arg(key)).toString();
        if (!show->l_quote->isVisible() || !show->l_quote->text().startsWith(text)) return -1;
        return key;
    }
    // A key pressed on the show; the quotation then on screen.
    int press(Qt::Key key) {
        QTest::keyClick(show, key);
        return on_screen();
    }
    QList<int> ticks(int n) {
        QList<int> keys;
        for (int i = 0; i < n; ++i) {
            tick();
            keys << on_screen();
        }
        return keys;
    }
    double random_of(int key) { return scalar(QStringLiteral("select random from quotes where key = %1").arg(key)).toDouble(); }
};

QList<int> sorted(QList<int> v) {
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace

class TestSlideShow : public QObject {
    Q_OBJECT
private slots:
    void opens_full_screen_on_the_start_quotation_then_goes_by_the_random_order() {
        ShowFixture f;
        // A quotation the list does not show (its author is not among the authors) never comes.
        f.exec("insert into quotes (text, author, language, random) values ('Unlisted.', 'Ghost', 'EN', 0.01)");
        QVERIFY(f.start(5));
        QCOMPARE(f.show->geometry(), f.w().screen()->geometry());
        QVERIFY(f.show->isFullScreen());
        QCOMPARE(f.on_screen(), 5);
        QCOMPARE(f.show->l_author->text(), QString("Émile Zola"));
        QVERIFY(f.random_of(5) >= 1.0);  // moved to the back
        QCOMPARE(f.ticks(7), (QList<int>{1, 2, 3, 4, 6, 7, 8}));
        QCOMPARE(f.pauses, (QList<int>(7, 500)));  // each tick after a blank half second
        // All moved one round back: the next round shows each once more.
        QCOMPARE(sorted(f.ticks(8)), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(f.scalar("select random from quotes where author = 'Ghost'").toDouble(), 0.01);
        // Esc leaves the main window on the last quotation shown.
        const int last = f.on_screen();
        QTest::keyClick(f.show, Qt::Key_Escape);
        QVERIFY(!f.ctx->events.is_open(AppEvents::slide_show_window));
        f.show = nullptr;
        QCOMPARE(f.current_key(), last);
        QCOMPARE(f.w().Data1()->value("key").toInt(), last);
    }

    void a_list_sorted_by_a_column_is_shown_in_random_order() {
        ShowFixture f;
        emit f.w().list->grid->horizontalHeader()->sectionClicked(1);  // by author
        const QString sql = f.sql();
        QVERIFY(f.start(8));
        QCOMPARE(f.ticks(7), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
        QVERIFY(f.random_of(3) >= 1.0);  // the show's own order is random: it rotates
        QCOMPARE(f.sql(), sql);  // the list keeps its order

        // A filter whose text holds the words of an order clause.
        f.exec("insert into quotes (text, author, language, random) values "
               "('Never order by the menu.', 'Smith', 'EN', 0.95), ('Order by size, said the sergeant.', 'Smith', 'EN', 0.35),"
               " ('Waiters order by numbers.', 'Mark Twain', 'EN', 0.65)");
        f.w().filters->t_text_filter->setText("order by");
        f.w().b_filter_Click();
        f.go_to(9);
        QVERIFY(f.restart());
        QCOMPARE(f.on_screen(), 9);
        QCOMPARE(f.ticks(2), (QList<int>{10, 11}));
    }

    void numbers_drawn_again_elsewhere_are_followed() {
        ShowFixture f;
        QVERIFY(f.start(1));
        QCOMPARE(f.ticks(3), (QList<int>{2, 3, 4}));
        // Another program gives the quotations new numbers: the show follows them at once.
        f.set_random({{8, 0.01}, {7, 0.02}});
        QCOMPARE(f.ticks(4), (QList<int>{8, 7, 5, 6}));
        // So does the main window's Randomize, on the show's own connection.
        f.ui.expect_message("Randomization executed.");
        f.w().m_randomize->trigger();
        QList<int> by_number;
        for (const QString& key : f.scalar("select group_concat(key) from (select key from quotes order by random)").toString().split(','))
            by_number << key.toInt();
        QCOMPARE(f.ticks(8), by_number);
    }

    void page_up_goes_back_one_step_and_page_down_returns() {
        ShowFixture f;
        QVERIFY(f.start(4));
        f.tick();
        QCOMPARE(f.on_screen(), 1);
        QCOMPARE(f.press(Qt::Key_PageUp), 4);
        QVERIFY(!f.show->Timer1->isActive());  // paused on it
        f.ui.expect_message("No previous quote.");
        QCOMPARE(f.press(Qt::Key_PageUp), 4);

        QCOMPARE(f.press(Qt::Key_PageDown), 1);
        QCOMPARE(f.press(Qt::Key_PageDown), 2);
        QVERIFY(!f.show->Timer1->isActive());
        QCOMPARE(f.press(Qt::Key_PageUp), 1);
        // Any other step forgets the way back.
        QCOMPARE(f.press(Qt::Key_X), 3);
        QCOMPARE(f.press(Qt::Key_PageDown), 5);
        QVERIFY(f.pauses.size() == 1);  // only the timer's tick paused
    }

    void the_interval_is_asked_for_and_checked() {
        ShowFixture f;
        QVERIFY(f.start(1));
        for (const QString& wrong : {QString("5"), QString("100001"), QString("abc"), QString()}) {
            f.ui.expect_input(wrong, "New interval? (now = 10000 milliseconds)");
            f.ui.expect_message(wrong_interval);
            QTest::keyClick(f.show, Qt::Key_I);
            QCOMPARE(f.show->Timer1->interval(), 10000);
            QCOMPARE(f.on_screen(), 1);
        }
        QCOMPARE(get_setting("slide_show_interval"), QString());
        f.ui.expect_input("500");
        QTest::keyClick(f.show, Qt::Key_I, Qt::ShiftModifier);
        QCOMPARE(f.show->Timer1->interval(), 500);
        QCOMPARE(get_setting("slide_show_interval"), QString("500"));
        QCOMPARE(f.on_screen(), 2);  // a fresh quotation, at once
        // The real timer moves on after half a second.
        QTRY_COMPARE_WITH_TIMEOUT(f.on_screen(), 3, 3000);
        // From the popup menu, and at the next opening a stored 500 counts as 1000.
        QVERIFY(f.restart());
        QCOMPARE(f.show->Timer1->interval(), 1000);
        f.ui.expect_input("2500", "(now = 1000 milliseconds)");
        f.show->m_interval->trigger();
        QCOMPARE(f.show->Timer1->interval(), 2500);
    }

    void the_help_comes_first_until_it_is_turned_off() {
        ShowFixture f;
        save_setting("slide_show_help", "yes");
        save_setting("slide_show_interval", "1500");
        f.w().m_show_slide_show_help->setChecked(true);
        QVERIFY(f.start(6));
        auto* help = f.show->findChild<f_slide_show_help*>();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->l_help->text().endsWith("Press I to change timer interval (now = 1.5 seconds)"));
        QCOMPARE(f.show->current_key, 0);  // the show waits for it
        QVERIFY(!f.show->Timer1->isActive());
        help->c_dont_show_anymore->setChecked(true);
        help->b_OK->click();
        QCOMPARE(get_setting("slide_show_help"), QString("No"));
        QVERIFY(!f.w().m_show_slide_show_help->isChecked());
        QCOMPARE(f.on_screen(), 6);
        QVERIFY(f.show->Timer1->isActive());
        // The next show starts at once.
        QVERIFY(f.restart());
        QVERIFY(!f.show->findChild<f_slide_show_help*>());
        QVERIFY(f.on_screen() > 0);
        // Closed without the tick, the help leaves the setting alone and the show starts.
        save_setting("slide_show_help", "Yes");
        QVERIFY(f.restart());
        help = f.show->findChild<f_slide_show_help*>();
        QVERIFY(help);
        QTest::keyClick(help, Qt::Key_Escape);
        QCOMPARE(get_setting("slide_show_help"), QString("Yes"));
        QVERIFY(f.on_screen() > 0);
    }

    void the_type_size_follows_the_screen_and_a_long_text_is_shown_whole() {
        ShowFixture f;
        QVERIFY(f.start(3));
        const int points = f.show->l_quote->font().pointSize();
        const QRect quote = f.show->l_quote->geometry();
        QVERIFY(f.show->rect().contains(quote) && f.show->rect().contains(f.show->l_author->geometry()));
        QVERIFY(std::abs(quote.center().x() - 683) <= 1 && std::abs(quote.center().y() - 384) <= 1);
        // A higher screen, a larger type.
        f.show->setGeometry(0, 0, 1680, 1050);
        f.show->set_layout();
        QVERIFY(f.show->l_quote->font().pointSize() > points);

        // Three thousand characters on the 768-pixel screen: smaller type, nothing cut off.
        f.show->setGeometry(f.w().screen()->geometry());
        f.exec("update quotes set random = 0.01, text = replace(printf('%.188c', '*'), '*', 'A long sentence ') where key = 7");
        f.tick();
        QCOMPARE(f.on_screen(), 7);
        QVERIFY(f.show->l_quote->font().pointSize() < points);
        const QRect box = f.show->l_quote->geometry();
        const QRect drawn = QFontMetrics(f.show->l_quote->font())
                                .boundingRect(QRect(0, 0, box.width(), 100000), Qt::AlignHCenter | Qt::TextWordWrap,
                                              f.show->l_quote->text());
        QVERIFY2(drawn.height() <= box.height(), qPrintable(QString("%1 > %2").arg(drawn.height()).arg(box.height())));
        QVERIFY(box.top() >= 0 && box.bottom() < f.show->l_author->geometry().top());
        // A short one gets the screen's size again.
        f.tick();
        QCOMPARE(f.show->l_quote->font().pointSize(), points);
    }

    void clicks_keys_and_the_popup_menu() {
        ShowFixture f;
        QVERIFY(f.start(2));
        QTest::mouseClick(f.show->l_quote, Qt::LeftButton);
        QCOMPARE(f.on_screen(), 1);
        QTest::mouseClick(f.show, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(f.on_screen(), 3);
        QCOMPARE(f.press(Qt::Key_Return), 4);
        QTest::keyClick(f.show, Qt::Key_Shift);  // not a character: nothing
        QCOMPARE(f.on_screen(), 4);
        QVERIFY(f.pauses.isEmpty());

        QTest::mousePress(f.show->l_author, Qt::RightButton);
        QVERIFY(f.show->m_popup->isVisible());
        QCOMPARE(f.on_screen(), 4);
        f.show->m_popup->hide();
        // From the keyboard too, and the quotation stays.
        for (const QKeyCombination keys : {QKeyCombination(Qt::ShiftModifier, Qt::Key_F10), QKeyCombination(Qt::Key_Menu)}) {
            QTest::keyClick(f.show, keys.key(), keys.keyboardModifiers());
            QVERIFY(f.show->m_popup->isVisible());
            f.show->m_popup->hide();
        }
        QCOMPARE(f.on_screen(), 4);
        f.show->m_auto_change->trigger();
        QVERIFY(!f.show->Timer1->isActive());
        f.show->m_previous->trigger();
        QCOMPARE(f.on_screen(), 3);
        f.show->m_exit->trigger();
        QVERIFY(!f.ctx->events.is_open(AppEvents::slide_show_window));
        f.show = nullptr;
    }

    // The pause is blank and runs out by itself; an action that shows the next quotation during
    // it ends it and takes one quotation, not two.
    void the_pause_is_blank_and_a_next_quotation_action_ends_it() {
        ShowFixture f;
        QVERIFY(f.start(1));
        QElapsedTimer clock;
        clock.start();
        f.blank_tick();
        QVERIFY(!f.show->l_quote->isVisible() && !f.show->l_author->isVisible());
        QVERIFY(!f.show->Timer1->isActive() && f.show->m_auto_change->isChecked());
        QTRY_COMPARE_WITH_TIMEOUT(f.on_screen(), 2, 3000);
        QVERIFY(clock.elapsed() >= 400);
        QVERIFY(f.show->Timer1->isActive());

        f.blank_tick();
        QCOMPARE(f.press(Qt::Key_X), 3);
        QVERIFY(!f.pausing());
        QCOMPARE(f.show->previous_key, 2);
        f.blank_tick();
        QTest::mouseClick(f.show, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(f.on_screen(), 4);
        f.blank_tick();
        f.blank_tick();  // the timer again
        QCOMPARE(f.on_screen(), 5);
        QVERIFY(f.show->Timer1->isActive());
        // Nothing more comes when the pause would have run out, and nothing was taken twice.
        QTest::qWait(700);
        QCOMPARE(f.on_screen(), 5);
        QVERIFY(f.random_of(6) < 1.0);
        QCOMPARE(f.ticks(1), (QList<int>{6}));
    }

    void page_up_during_the_pause_keeps_its_quotation() {
        ShowFixture f;
        QVERIFY(f.start(4));
        f.tick();
        f.blank_tick();
        QCOMPARE(f.press(Qt::Key_PageUp), 4);
        QVERIFY(!f.pausing() && !f.show->Timer1->isActive());
        QVERIFY(!f.show->m_auto_change->isChecked());
        QCOMPARE(f.show->l_status->text(), QString("Timer disabled"));
        QTest::qWait(700);
        QCOMPARE(f.on_screen(), 4);
        QVERIFY(f.random_of(2) < 1.0);
        QCOMPARE(f.press(Qt::Key_PageDown), 1);

        // With nothing to go back to, the pause goes on to the next quotation, the timer off.
        QVERIFY(f.start(4));
        f.blank_tick();
        f.ui.expect_message("No previous quote.");
        QTest::keyClick(f.show, Qt::Key_PageUp);
        f.end_pause();
        QCOMPARE(f.on_screen(), 1);
        QVERIFY(!f.show->Timer1->isActive());
    }

    void closing_during_the_pause_shows_nothing_after() {
        ShowFixture f;
        QVERIFY(f.start(1));
        f.blank_tick();
        const QPointer<f_slide_show> alive(f.show);
        QTest::keyClick(f.show, Qt::Key_Escape);
        f.show = nullptr;
        QCOMPARE(f.current_key(), 1);  // the quotation before the blank
        QTest::qWait(700);
        QVERIFY(alive.isNull());
        QVERIFY(f.random_of(2) < 1.0);  // none taken
        QCOMPARE(f.current_key(), 1);
    }

    void the_timer_stays_as_the_user_set_it_across_steps() {
        ShowFixture f;
        QVERIFY(f.start(1));
        QTest::keyClick(f.show, Qt::Key_Space);
        QVERIFY(!f.show->Timer1->isActive());
        QVERIFY(f.show->l_status->isVisible() && f.show->l_status->text() == "Timer disabled");
        QCOMPARE(f.press(Qt::Key_X), 2);
        QVERIFY(!f.show->Timer1->isActive());
        QTest::keyClick(f.show, Qt::Key_Space);
        QVERIFY(f.show->Timer1->isActive() && f.show->m_auto_change->isChecked());
        // Turned off during the pause: the quotation comes, the timer stays off.
        f.blank_tick();
        QTest::keyClick(f.show, Qt::Key_Space);
        QCOMPARE(f.show->l_status->text(), QString("Timer disabled"));
        QVERIFY(!f.show->m_auto_change->isChecked());
        f.end_pause();
        QCOMPARE(f.on_screen(), 3);
        QVERIFY(!f.show->Timer1->isActive());
        QTest::keyClick(f.show, Qt::Key_Space);
        QCOMPARE(f.ticks(1), (QList<int>{4}));
        QVERIFY(f.show->Timer1->isActive());
        // A new interval given during the pause: one fresh quotation, the timer on at that interval.
        f.blank_tick();
        f.ui.expect_input("2000");
        QCOMPARE(f.press(Qt::Key_I), 5);
        QVERIFY(!f.pausing());
        QVERIFY(f.show->Timer1->isActive() && f.show->Timer1->interval() == 2000);
        QVERIFY(f.random_of(6) < 1.0);
    }

    void an_empty_list_says_so_and_closes() {
        ShowFixture f;
        f.ctx->current_quotes_query.filter.key = "999";
        f.ctx->slide_show_start_key = 0;
        auto* show = new f_slide_show(*f.ctx, f.w().screen(), &f.w());
        QPointer<f_slide_show> alive(show);
        f.ui.expect_message("Database is empty");
        show->open();
        QVERIFY(!show->isVisible());
        QVERIFY(!f.ctx->events.is_open(AppEvents::slide_show_window));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive.isNull());
    }
};

SENTARA_TESTS(TestSlideShow)

#include "test_slide_show.moc"
