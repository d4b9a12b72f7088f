#include "window_utils.h"

#include "core/app_context.h"

#include <QWidget>

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
