#pragma once

#include <QRect>
#include <QString>

#include "database/sql_text.h"

class Ui;
class DbError;

// The common error report: "Error " + number + " - " + description, OK only.
void show_error(Ui& ui, int number, const QString& description);
void show_error(Ui& ui, const DbError& error);

// ------------------------------------------------------------------ files and paths

// True when a file, a folder, or something matching a pattern with "*" or "?" exists at `path`.
bool Path_exist(const QString& path);
// The part before the last "\", "/" or ":"; empty text when there is none.
QString folder_of(const QString& path);
// The part after the last "\", "/" or ":"; the whole path when there is none.
QString file_name_of(const QString& path);
// A private per-user folder for report files, created when missing.
QString temp_folder();
// Writes `text` and one `line_break` after it, UTF-8, to a ".txt" file in the temporary folder,
// whole or not at all, and opens it in the text viewer; where no viewer opens it, the program's
// own text window shows it under `title`. When the file cannot be written it says so, opens
// nothing and returns false.
bool show_text_file(Ui& ui, const QString& text, const QString& line_break = QStringLiteral("\n"),
                    const QString& title = QStringLiteral("Sentara - Report"));
// The same for a file written already: opened in the text viewer, or `text` shown in the text window.
void show_written_text(Ui& ui, const QString& path, const QString& text, const QString& title);

// ------------------------------------------------------------------ SQL text

// Text between single quotes in SQL: every "'" doubled. A text made only of "?" or only of "*"
// comes back bracketed, so that inside a like pattern it matches those characters literally.
QString sql_escape(const QString& text);

// ------------------------------------------------------------------ desktop shell

bool is_url(const QString& text);
// Opens a web address in the browser; false (and nothing done) when `text` is not one.
bool open_url(Ui& ui, const QString& text);
// Opens a file or folder; a web address in the browser; anything else as a web search.
void open_path(Ui& ui, const QString& text);
// The web-search address open_path uses for a text that is neither a path nor an address.
QString web_search_address(const QString& text);

// ------------------------------------------------------------------ screen, in twips

constexpr int twips_per_pixel = 15;
inline int to_twips(int pixels) { return pixels * twips_per_pixel; }
inline int to_pixels(int twips) { return twips / twips_per_pixel; }

// The screen and the part of it that windows may use; what is left over is the "taskbar".
struct ScreenArea {
    QRect screen;
    QRect available;
};
ScreenArea primary_screen_area();

int screen_width(const ScreenArea& s);
int screen_height(const ScreenArea& s);
int taskbar_height(const ScreenArea& s);
int taskbar_width(const ScreenArea& s);
bool taskbar_vertical(const ScreenArea& s);
bool taskbar_at_left(const ScreenArea& s);
int usable_screen_width(const ScreenArea& s);
int usable_screen_height(const ScreenArea& s);
