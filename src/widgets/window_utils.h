#pragma once

#include "core/app_events.h"
#include "core/common.h"

struct AppContext;
class QWidget;

// Window placement and sizes in twips.
void center_window(QWidget& window, const ScreenArea& area = primary_screen_area());
int inner_width(const QWidget& window);
int inner_height(const QWidget& window);

// Shows the main window, making it again when it was closed, and brings it to the front.
void bring_main_window_forward(AppContext& ctx);

// A window of `kind` has closed: it leaves the registry of open windows, and when it was the
// last window of the program the program ends (no process is left with no window).
void window_closed(AppContext& ctx, AppEvents::Window kind);
