#pragma once

struct AppContext;

// The commands of the main window's Help menu.

// The version history in the text window.
void show_version_history(AppContext& ctx);
// The version and the maker's notice, in a message box.
void show_about(AppContext& ctx);
// How to reach customer service and technical support, in a message box.
void show_support(AppContext& ctx);
// Opens readme.txt from the program folder with the desktop's program for it.
void show_readme(AppContext& ctx);
// Opens the project's web site in the browser.
void show_web_site(AppContext& ctx);
