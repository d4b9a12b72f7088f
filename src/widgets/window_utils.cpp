#include "window_utils.h"

#include "core/app_context.h"
#include "core/long_work.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include <memory>

void center_window(QWidget& window, const ScreenArea& area) {
    // Centred in the part of the screen that the taskbar leaves free, never over the taskbar.
    const QRect frame = window.frameGeometry();
    const QRect& free = area.available;
    int left = free.left() + (free.width() - frame.width()) / 2;
    int top = free.top() + (free.height() - frame.height()) / 2;
    left = std::max(left, free.left());
    top = std::max(top, free.top());
    window.move(left, top);
}

namespace {

void fit_frame(QWidget& window, int wanted_frame_height) {
    const QRect free = primary_screen_area().available;
    const QRect frame = window.frameGeometry();
    const int extra_w = frame.width() - window.width(), extra_h = frame.height() - window.height();
    const int max_w = free.width() - extra_w, max_h = free.height() - extra_h;
    window.setMinimumSize(std::min(window.minimumWidth(), max_w), std::min(window.minimumHeight(), max_h));
    int h = wanted_frame_height > 0 ? std::min(wanted_frame_height, free.height()) - extra_h : window.height();
    h = std::max(window.minimumHeight(), std::min(h, max_h));
    const int w = std::max(window.minimumWidth(), std::min(window.width(), max_w));
    if (w != window.width() || h != window.height()) window.resize(w, h);
    if (wanted_frame_height > 0) {
        center_window(window);
        return;
    }
    QRect f(frame.topLeft(), QSize(w + extra_w, h + extra_h));
    f.moveRight(std::min(f.right(), free.right()));
    f.moveBottom(std::min(f.bottom(), free.bottom()));
    f.moveLeft(std::max(f.left(), free.left()));
    f.moveTop(std::max(f.top(), free.top()));
    if (f.topLeft() != frame.topLeft()) window.move(f.topLeft());
}

}  // namespace

void keep_frame_on_screen(QWidget& window, int wanted_frame_height) {
    fit_frame(window, wanted_frame_height);
    if (window.frameGeometry().size() != window.size()) return;  // framed already
    // The window manager frames a window shortly after it is mapped; its frame is looked for at
    // each tick of a short timer, and the window fitted again once, when it has come.
    auto* wait = new QTimer(&window);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(wait, &QTimer::timeout, &window, [&window, wait, ticks, wanted_frame_height] {
        const bool framed = window.frameGeometry().size() != window.size();
        if (framed) fit_frame(window, wanted_frame_height);
        if (framed || ++*ticks > 200) wait->deleteLater();  // five seconds: a busy desktop is slow
    });
    wait->start(25);
}

int inner_width(const QWidget& window) { return to_twips(std::min(window.width(), window.frameGeometry().width())); }

int inner_height(const QWidget& window) { return to_twips(std::min(window.height(), window.frameGeometry().height())); }

void bring_main_window_forward(AppContext& ctx) {
    if (auto* main = qobject_cast<QWidget*>(ctx.events.window(AppEvents::main_window))) {
        main->show();
        main->raise();
        main->activateWindow();
    } else if (ctx.show_main_window) {
        ctx.show_main_window();
    }
}

void window_closed(AppContext& ctx, AppEvents::Window kind) {
    const bool last = !ctx.events.others_open(kind);
    ctx.events.closed(kind);
    if (last) ctx.ui.end_program();
}

void fill_text_box(Ui& ui, QPlainTextEdit& box, const QString& text, bool append, const QString& what) {
    QTextDocument& doc = *box.document();
    if (!append) box.clear();
    doc.setUndoRedoEnabled(false);
    QTextCursor end(&doc);
    end.movePosition(QTextCursor::End);
    // Slices grow while they are quick and shrink when they are not, so each takes a few
    // milliseconds whatever the lines' length and the machine's speed.
    qsizetype at = 0, size = 16 * 1024;
    long_work::run_here(ui, what, [&](qint64& done, qint64& total) {
        if (at >= text.size()) return false;
        QElapsedTimer slice;
        slice.start();
        qsizetype stop = std::min(text.size(), at + size);
        if (stop < text.size()) {
            // Whole lines only, unless a line is longer than the slice.
            const qsizetype line_end = text.lastIndexOf(u'\n', stop - 1);
            if (line_end >= at) stop = line_end + 1;
        }
        end.insertText(text.mid(at, stop - at));
        at = stop;
        const qint64 ms = slice.elapsed();
        if (ms < 5 && size < 128 * 1024) size *= 2;
        else if (ms > 20 && size > 4096) size /= 2;
        done = at;
        total = text.size();
        return true;
    });
    doc.setUndoRedoEnabled(true);
    box.moveCursor(QTextCursor::Start);
}
