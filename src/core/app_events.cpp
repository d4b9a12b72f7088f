#include "app_events.h"

void AppEvents::opened(Window kind, QObject* window) {
    windows_[size_t(kind)] = window;
    // A window destroyed without saying so is closed all the same.
    connect(window, &QObject::destroyed, this, [this, kind, window] {
        if (windows_[size_t(kind)].isNull() || windows_[size_t(kind)] == window) {
            windows_[size_t(kind)] = nullptr;
            emit window_closed(kind);
        }
    });
    emit window_opened(kind);
}

void AppEvents::closed(Window kind) {
    if (windows_[size_t(kind)].isNull()) return;
    windows_[size_t(kind)] = nullptr;
    emit window_closed(kind);
}

bool AppEvents::others_open(Window except) const {
    for (const Window w : {main_window, authors_window, subjects_window, languages_window, websites_window, import_window,
                           trash_window})
        if (w != except && is_open(w)) return true;
    return false;
}

void AppEvents::quotes_were_changed() {
    ++generation_;
    emit quotes_changed();
}

void AppEvents::author_was_changed(const QString& old_name, const QString& new_name) {
    ++generation_;
    emit authors_changed(old_name, new_name);
}

void AppEvents::subject_was_changed(const QString& old_name, const QString& new_name) {
    ++generation_;
    emit subjects_changed(old_name, new_name);
}

void AppEvents::languages_were_changed(const QString& old_code, const QString& new_code) {
    ++generation_;
    emit languages_changed(old_code, new_code);
}

void AppEvents::websites_were_changed() {
    ++generation_;
    emit websites_changed();
}

void AppEvents::default_language_was_changed(const QString& code) {
    ++generation_;
    emit default_language_changed(code);
}
