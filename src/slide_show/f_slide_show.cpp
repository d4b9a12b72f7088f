#include "f_slide_show.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/settings.h"
#include "f_slide_show_help.h"
#include "widgets/factories.h"
#include "widgets/guards.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QColor text_colour(240, 236, 220);
const QColor background_colour(12, 12, 16);
constexpr int author_margin = 700;  // twips, right and bottom
constexpr int author_points = 18;
constexpr int blank_pause_ms = 500;  // between the timer's quotations

// A number as the user may type it: in the program's notation or the user's own.
std::optional<double> number_in(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    double v = t.toDouble(&ok);
    if (!ok) v = QLocale().toDouble(t, &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

// Height of `text` wrapped at `width` pixels in `font`, as the label draws it.
int wrapped_height(const QFont& font, int width, const QString& text) {
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, 1 << 24), Qt::AlignHCenter | Qt::TextWordWrap, text).height();
}

QLabel* show_label(const char* name, QWidget* parent) {
    auto* l = named(new QLabel(parent), name);
    l->setTextFormat(Qt::PlainText);  // a quotation is shown as typed, never as markup
    l->setFocusPolicy(Qt::NoFocus);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, text_colour);
    l->setPalette(p);
    return l;
}

}  // namespace

f_slide_show::f_slide_show(AppContext& ctx, QScreen* screen, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), screen_(screen) {
    build();
    ctx_.events.opened(AppEvents::slide_show_window, this);
}

f_slide_show::~f_slide_show() { ctx_.events.closed(AppEvents::slide_show_window); }

void f_slide_show::build() {
    setObjectName(QStringLiteral("f_slide_show"));
    setWindowTitle(tr("Sentara - Slide Show"));
    // A screen reader says what the show is and how to drive it; it has no controls to show that.
    setAccessibleName(tr("Slide show"));
    setAccessibleDescription(tr("Quotations one at a time, full screen. Esc ends the show, Page Up shows the "
                                "previous quotation, the space bar stops and starts the timer, I changes its "
                                "interval, the right mouse button opens the command menu."));
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);  // the right button's press opens the menu
    setCursor(Qt::BlankCursor);
    QPalette p = palette();
    p.setColor(QPalette::Window, background_colour);
    setPalette(p);
    setAutoFillBackground(true);

    l_quote = show_label("l_quote", this);
    QFont serif;
    serif.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
                       QStringLiteral("DejaVu Serif")});
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(quote_points(0));
    l_quote->setFont(serif);
    l_quote->setWordWrap(true);
    l_quote->setAlignment(Qt::AlignCenter);

    l_author = show_label("l_author", this);
    QFont sans;
    sans.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans")});
    sans.setStyleHint(QFont::SansSerif);
    sans.setPointSize(author_points);
    sans.setItalic(true);
    l_author->setFont(sans);

    l_status = show_label("l_status", this);
    QFont status = sans;
    status.setPointSize(11);
    status.setItalic(false);
    l_status->setFont(status);
    QPalette dim = l_status->palette();
    dim.setColor(QPalette::WindowText, QColor(150, 150, 150));
    l_status->setPalette(dim);

    Timer1 = named(new QTimer(this), "Timer1");
    Timer_status = named(new QTimer(this), "Timer_status");
    Timer_status->setInterval(2000);
    Timer_status->setSingleShot(true);
    Timer_pause = named(new QTimer(this), "Timer_pause");
    Timer_pause->setInterval(blank_pause_ms);
    Timer_pause->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &f_slide_show::Timer1_Timer);
    connect(Timer_pause, &QTimer::timeout, this, &f_slide_show::Timer_pause_Timer);
    connect(Timer_status, &QTimer::timeout, l_status, &QLabel::hide);

    m_popup = named(new QMenu(tr("Popup"), this), "m_popup");
    m_interval = named(m_popup->addAction(tr("Change interval duration (I)")), "m_interval");
    m_auto_change = named(m_popup->addAction(tr("Enable/disable auto change (Space Bar)")), "m_auto_change");
    m_auto_change->setCheckable(true);
    m_previous = named(m_popup->addAction(tr("Show previous quote (Page Up)")), "m_previous");
    m_popup->addSeparator();
    m_exit = named(m_popup->addAction(tr("Exit (ESC)")), "m_exit");
    connect(m_interval, &QAction::triggered, this, &f_slide_show::Change_interval);
    connect(m_auto_change, &QAction::triggered, this, &f_slide_show::m_auto_change_Click);
    connect(m_previous, &QAction::triggered, this, &f_slide_show::Page_up);
    connect(m_exit, &QAction::triggered, this, &f_slide_show::exit_slide_show);
}

// ---------------------------------------------------------------------------- opening

void f_slide_show::open() {
    m_popup->hide();
    l_status->hide();
    l_quote->clear();
    l_author->clear();
    Timer1->stop();
    Timer_pause->stop();
    // The whole of the main window's screen: a window system without a window manager gives a
    // full-screen window no size of its own.
    if (screen_) {
        setScreen(screen_);
        setGeometry(screen_->geometry());
    }
    l_author->setGeometry(0, l_author->y(), width(), l_author->height());

    const std::optional<double> stored = number_in(get_setting(QStringLiteral("slide_show_interval")));
    Timer1->setInterval(!stored ? 10000 : int(std::clamp(*stored, 1000.0, double(std::numeric_limits<int>::max()))));

    showFullScreen();
    activateWindow();
    setFocus();

    pause_before_next = false;
    if (get_setting(QStringLiteral("slide_show_help")).compare(QLatin1String("No"), Qt::CaseInsensitive) != 0) {
        // The show waits, its timer stopped, until the help is closed.
        auto* help = new f_slide_show_help(ctx_, Timer1->interval(), this);
        connect(help, &QDialog::finished, this, &f_slide_show::start);
        help->show();
        help->activateWindow();
        return;
    }
    start();
}

void f_slide_show::start() {
    if (closing_) return;
    activateWindow();
    setFocus();
    pause_before_next = false;
    Timer1_Timer();  // the first quotation at once
    if (closing_) return;  // nothing to show: the show has closed
    Timer1->start();
    show_timer_status();
}

// ---------------------------------------------------------------------------- the step

GridQuery f_slide_show::show_query() const {
    // The main window's list, whatever its order, in the random order.
    GridQuery q = ctx_.current_quotes_query;
    q.to_random_order();
    return q;
}

f_slide_show::DataState f_slide_show::data_state() const {
    const auto [announced, others] = ctx_.content_version();
    return {announced, others, ctx_.database->total_changes()};
}

template <typename Write>
void f_slide_show::own_write(Write&& write) {
    const bool kept = data_state() == walked_state_;
    guarded(ctx_.ui, write);
    if (kept) walked_state_ = data_state();
}

std::optional<random_order::QuoteRow> f_slide_show::next_row() {
    Database& db = *ctx_.database;
    if (ctx_.slide_show_start_key != 0) {
        const qint64 key = ctx_.slide_show_start_key;
        ctx_.slide_show_start_key = 0;
        // A start quotation deleted meanwhile: the show begins with the random order instead.
        if (auto q = random_order::quote_by_key(db, key)) return q;
    }
    const GridQuery query = show_query();
    // Another window or program changed the quotations (new numbers, new quotations): the walk
    // starts over from the smallest number.
    if (data_state() != walked_state_) walked_from_.reset();
    walked_state_ = data_state();
    auto q = random_order::first_in_random_order(db, query, walked_from_);
    if (!q && walked_from_) q = random_order::first_in_random_order(db, query, std::nullopt);
    walked_from_ = q && !q->random.isNull() ? std::optional<double>(q->random.toDouble()) : std::nullopt;
    return q;
}

void f_slide_show::Timer1_Timer() {
    if (closing_) return;
    if (pausing()) {
        // Asked for again during the pause: no more waiting.
        Timer_pause_Timer();
        return;
    }
    resume_timer_ = Timer1->isActive();
    Timer1->stop();
    l_quote->hide();
    l_author->hide();
    return_key = 0;
    if (pause_before_next) {
        Timer_pause->start();  // its end shows the next quotation
        return;
    }
    show_next();
}

bool f_slide_show::pausing() const { return Timer_pause->isActive(); }

void f_slide_show::Timer_pause_Timer() {
    Timer_pause->stop();  // a hurried pause has not run out
    show_next();
}

void f_slide_show::show_next() {
    pause_before_next = true;
    std::optional<random_order::QuoteRow> q;
    const bool read = guarded(ctx_.ui, [&] { q = next_row(); });
    if (read && !q) ctx_.ui.message(tr("Database is empty"));
    if (!read || !q) {
        close();
        return;
    }
    show_quote(*q);
    // The show's own statement is in random order: the quotation always moves to the back.
    own_write([&] { ctx_.rotate_quote(qint32(q->key), show_query()); });
    previous_key = current_key;
    current_key = q->key;
    show_labels();
    if (resume_timer_) Timer1->start();
}

void f_slide_show::next_quote() {
    pause_before_next = false;
    Timer1_Timer();
}

void f_slide_show::show_quote(const random_order::QuoteRow& q) {
    QString text = q.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    l_quote->setText(text + QStringLiteral("\n\n"));
    l_author->setText(q.author);
    set_layout();
}

void f_slide_show::show_labels() {
    QPalette p = l_author->palette();
    p.setColor(QPalette::WindowText, l_quote->palette().color(QPalette::WindowText));
    l_author->setPalette(p);
    l_quote->show();
    l_author->show();
}

// ---------------------------------------------------------------------------- layout

int f_slide_show::quote_points(int height_twips) {
    if (height_twips >= 15750) return 38;
    if (height_twips >= 15360) return 34;
    return 28;
}

void f_slide_show::set_layout() {
    const int H = to_twips(height()), W = to_twips(width());
    const int points = quote_points(H);
    const int line_twips = points == 38 ? 750 : points == 34 ? 700 : 600;
    const int extra_twips = points == 28 ? 1000 : 2500;
    const QString text = l_quote->text();
    QFont font = l_quote->font();
    font.setPointSize(points);

    // The height the rule gives: the text's width on one line, in lines of 0.7 screen widths.
    const int width = to_pixels(W * 7 / 10);
    const QFontMetrics metrics(font);
    int one_line = 0;
    for (const QString& line : text.split(u'\n')) one_line = std::max(one_line, metrics.horizontalAdvance(line));
    const double lines = double(to_twips(one_line)) / std::max(1.0, W * 0.7);
    int h = to_pixels(int(lines * line_twips) + extra_twips);

    // A text the rule's size cannot show whole between the top and the author's line gets the
    // largest size that can: it is never cut off.
    const int room = std::max(1, height() - 2 * to_pixels(author_margin));
    int needed = wrapped_height(font, width, text);
    if (needed > room) {
        int fits = 1, too_big = points;
        while (too_big - fits > 1) {
            const int mid = (fits + too_big) / 2;
            font.setPointSize(mid);
            (wrapped_height(font, width, text) <= room ? fits : too_big) = mid;
        }
        font.setPointSize(fits);
        needed = wrapped_height(font, width, text);
    }
    h = std::max(h, needed);
    if (h > room) h = std::max(room, needed);
    l_quote->setFont(font);
    l_quote->setGeometry((this->width() - width) / 2, (height() - h) / 2, width, h);

    l_author->adjustSize();
    const int margin = to_pixels(author_margin);
    l_author->move(std::max(0, this->width() - l_author->width() - margin), height() - margin);
}

void f_slide_show::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    set_layout();
    if (l_status->isVisible()) show_timer_status();
}

// ---------------------------------------------------------------------------- timer

bool f_slide_show::timer_running() const { return pausing() ? resume_timer_ : Timer1->isActive(); }

void f_slide_show::set_timer(bool on) {
    if (pausing()) resume_timer_ = on;  // the step under way leaves it so
    else if (on) Timer1->start();
    else Timer1->stop();
}

void f_slide_show::show_timer_status() {
    const bool on = timer_running();
    m_auto_change->setChecked(on);
    l_status->setText(on ? tr("Timer enabled") : tr("Timer disabled"));
    l_status->adjustSize();
    l_status->move((width() - l_status->width()) / 2, height() - to_pixels(500));
    l_status->show();
    l_status->raise();
    Timer_status->start();
}

void f_slide_show::m_auto_change_Click() {
    set_timer(!timer_running());
    show_timer_status();
}

void f_slide_show::Change_interval() {
    // The quotation stays while the user answers.
    const bool running = timer_running();
    set_timer(false);
    // The number shown as the user's locale writes it, without group separators: it is typed back.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString answer = ctx_.ui.input(tr("New interval? (now = %1 milliseconds)").arg(locale.toString(Timer1->interval())),
                                         QString(), QString());
    const std::optional<double> value = number_in(answer);
    if (!value || !(*value >= 10 && *value <= 100000)) {
        ctx_.ui.message(tr("Wrong interval valule (must be a number from 10 to 100000)"));
        set_timer(running);
        return;
    }
    const int ms = int(std::lround(*value));
    Timer1->setInterval(ms);
    save_setting(QStringLiteral("slide_show_interval"), QString::number(ms));
    set_timer(running);
    next_quote();  // the new interval starts with a fresh quotation
}

// ---------------------------------------------------------------------------- back and forth

bool f_slide_show::show_by_key(qint64 key, const QString& missing) {
    std::optional<random_order::QuoteRow> q;
    if (!guarded(ctx_.ui, [&] { q = random_order::quote_by_key(*ctx_.database, key); })) return false;
    if (!q) {
        ctx_.ui.message(missing);
        return false;
    }
    const bool running = timer_running();
    // Shown during the pause, it stays: the step that was waiting is dropped.
    Timer_pause->stop();
    show_quote(*q);
    // Moves back only while the main window itself is in random order.
    own_write([&] { ctx_.rotate_quote(qint32(key)); });
    current_key = key;
    show_labels();
    if (running) {
        set_timer(false);  // the show pauses on it
        show_timer_status();
    }
    return true;
}

void f_slide_show::Page_up() {
    if (previous_key == 0) {
        if (timer_running()) {
            set_timer(false);
            show_timer_status();
        }
        ctx_.ui.message(tr("No previous quote."));
        return;
    }
    const qint64 on_screen = current_key;
    if (!show_by_key(previous_key, tr("Previous quote not found"))) return;
    return_key = on_screen;
    previous_key = 0;  // only one step back
}

void f_slide_show::return_to_quote() {
    const qint64 on_screen = current_key;
    const qint64 key = std::exchange(return_key, 0);  // gone or not, the next Page Down moves on
    if (!show_by_key(key, tr("Quote not found"))) return;
    previous_key = on_screen;
}

// ---------------------------------------------------------------------------- input

void f_slide_show::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageUp: Page_up(); return;
    case Qt::Key_PageDown:
        if (return_key != 0) return_to_quote();
        else next_quote();
        return;
    case Qt::Key_Escape: exit_slide_show(); return;
    case Qt::Key_Space: m_auto_change_Click(); return;
    case Qt::Key_I: Change_interval(); return;
    case Qt::Key_Menu:
        // The command menu from the keyboard, in the middle of the screen.
        m_popup->popup(mapToGlobal(rect().center()));
        return;
    case Qt::Key_F10:
        if (event->modifiers() & Qt::ShiftModifier) {
            m_popup->popup(mapToGlobal(rect().center()));
            return;
        }
        break;
    default:
        if (!event->text().isEmpty()) {
            next_quote();
            return;
        }
        QWidget::keyPressEvent(event);
    }
}

void f_slide_show::mousePressEvent(QMouseEvent* event) {
    // Presses on the labels come here too: they take no mouse input of their own.
    if (event->button() == Qt::LeftButton) next_quote();
    else if (event->button() == Qt::RightButton) m_popup->popup(event->globalPosition().toPoint());
    event->accept();
}

// ---------------------------------------------------------------------------- leaving

void f_slide_show::exit_slide_show() {
    // The main window comes back on the quotation that was on screen.
    emit ctx_.events.quote_requested(current_key);
    close();
}

void f_slide_show::closeEvent(QCloseEvent* event) {
    closing_ = true;
    Timer1->stop();
    Timer_pause->stop();  // nothing comes after
    Timer_status->stop();
    ctx_.events.closed(AppEvents::slide_show_window);
    event->accept();
}
