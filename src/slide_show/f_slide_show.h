#pragma once

#include "database/random_order.h"

#include <QWidget>

#include <optional>
#include <tuple>

struct AppContext;
struct GridQuery;
class QAction;
class QLabel;
class QMenu;
class QScreen;
class QTimer;

// The slide show: the quotations of the main window's list, one at a time, full screen, in the
// random order, starting with the main window's current one (slide_show_start_key). Each one
// shown moves to the back of the random order, so that a long show comes round to every
// quotation once per round. A timer moves on; clicks and keys move on, go back one quotation,
// pause and resume, change the interval, and leave. It deletes itself when closed.
//
// Nothing here waits: between the timer's quotations the screen stays blank for half a second,
// and the pause timer's end shows the next one. A next-quotation action during the pause ends it
// at once; Page Up during it shows its own quotation instead; closing during it ends the show.
class f_slide_show : public QWidget {
    Q_OBJECT
public:
    // The window covers `screen` (the main window's); `parent` is the main window.
    f_slide_show(AppContext& ctx, QScreen* screen, QWidget* parent = nullptr);
    ~f_slide_show() override;

    // Shows the window full screen, the help first unless it is turned off, then the first
    // quotation, and starts the timer.
    void open();

    // ---- the system's procedures
    // Fits the labels to the window: the quotation centred, the author in the lower right corner.
    void set_layout();
    void Page_up();
    // Asks for a new interval; a good one is kept and stored, and a fresh quotation shown.
    void Change_interval();
    // Back to the main window, on the quotation on screen; the show closes.
    void exit_slide_show();
    void show_timer_status();
    // The timer's step: the screen blanked and the next quotation, after a half-second pause
    // (Timer_pause) unless a user's action cleared it. Asked for during the pause: the pause ends
    // now, and only one quotation comes.
    void Timer1_Timer();
    // A next-quotation action of the user (click, key): at once.
    void next_quote();
    // Space and m_auto_change: the timer on or off.
    void m_auto_change_Click();

    // The font size the rule gives a window this many twips high.
    static int quote_points(int height_twips);

    QLabel *l_quote = nullptr, *l_author = nullptr, *l_status = nullptr;
    QTimer *Timer1 = nullptr, *Timer_status = nullptr;
    QTimer* Timer_pause = nullptr;  // single shot: the blank pause before the timer's next quotation
    QMenu* m_popup = nullptr;
    QAction *m_interval = nullptr, *m_auto_change = nullptr, *m_previous = nullptr, *m_exit = nullptr;

    qint64 current_key = 0;   // the quotation on screen
    qint64 previous_key = 0;  // the one before it; 0: none
    qint64 return_key = 0;    // where Page Down returns after Page Up; 0: none
    bool pause_before_next = false;  // the next step blanks the screen for a while first

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void start();
    // The pause is over, by its timer or by a user's hurry: the next quotation.
    void Timer_pause_Timer();
    bool pausing() const;
    // The step's second half: the next quotation read, shown and moved back, the timer resumed.
    void show_next();
    // The quotation the step shows: the start one, or the next in the random order.
    std::optional<random_order::QuoteRow> next_row();
    GridQuery show_query() const;
    void show_quote(const random_order::QuoteRow& q);
    void show_labels();
    // Page Up and the return of Page Down: a quotation by its key, the show paused on it.
    bool show_by_key(qint64 key, const QString& missing);
    void return_to_quote();
    // The timer as the user sees it: during the pause, the state the step will leave it in.
    bool timer_running() const;
    void set_timer(bool on);

    AppContext& ctx_;
    QScreen* screen_;
    bool resume_timer_ = false;  // the timer runs again when the step ends
    bool closing_ = false;
    // Where the walk through the random order stands: every quotation of the list has a number
    // at least this big (the one last taken from it had the smallest), as long as nothing but
    // the show's own rotations changed the quotations since: the state of the data it was
    // found at, the show's own writes followed.
    using DataState = std::tuple<qint64, qint64, qint64>;
    DataState data_state() const;
    // Runs one of the show's own writes (a rotation), the walk kept when nothing else came between.
    template <typename Write>
    void own_write(Write&& write);
    std::optional<double> walked_from_;
    DataState walked_state_{-1, -1, -1};
};
