#include "help_menu.h"

#include "core/app_context.h"
#include "core/common.h"
#include "f_msgbox.h"
#include "core/help.h"
#include "core/translations.h"

void show_version_history(AppContext& ctx) {
    show_text_window(ctx, version_history_window_text(), version_history_window_title());
}

void show_about(AppContext& ctx) { ctx.ui.message(about_text(current_version()), Ui::ok_only, about_title()); }

void show_support(AppContext& ctx) { ctx.ui.message(support_text(), Ui::ok_only, support_title()); }

// A missing read-me is left to open_path, which searches the web for it instead.
void show_readme(AppContext& ctx) { open_path(ctx.ui, readme_file(ctx.program_folder)); }

void show_web_site(AppContext& ctx) { open_url(ctx.ui, web_site_address()); }
