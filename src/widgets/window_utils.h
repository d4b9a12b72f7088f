#pragma once

#include "core/app_events.h"
#include "core/common.h"

struct AppContext;
class QWidget;

// Window placement and sizes in twips.
void center_window(QWidget& window, const ScreenArea& area = primary_screen_area());
int inner_width(const QWidget& window);

// Fits the whole frame of a shown window (title bar and borders included) into the part of the
// screen the taskbar leaves free: a frame taller or wider than that is made smaller, one that
// reaches past an edge is moved in. `wanted_frame_height` > 0 asks for that frame height (never
// more than the free height) and centres the window. It fits at once with the frame known now,
// and again when the window manager gives the window its frame, which comes a moment after it is
// shown (and never where no window manager runs).
void keep_frame_on_screen(QWidget& window, int wanted_frame_height = 0);
int inner_height(const QWidget& window);

// Shows the main window, making it again when it was closed, and brings it to the front.
void bring_main_window_forward(AppContext& ctx);

// A window of `kind` has closed: it leaves the registry of open windows, and when it was the
// last window of the program the program ends (no process is left with no window).
void window_closed(AppContext& ctx, AppEvents::Window kind);

// Puts `text` into a multi-line box, after what it holds when `append`. A long text goes in by
// slices on the window's thread (a hundred thousand lines would freeze the window for a second
// or more if set at once), behind a modal progress saying `what`. The box's undo history is
// cleared, as when its text is set.
class QPlainTextEdit;
class Ui;
void fill_text_box(Ui& ui, QPlainTextEdit& box, const QString& text, bool append, const QString& what);
