#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

// The application's event hub: what changed, what one window asks of another, and which windows
// are open. Windows never hold pointers to each other; they announce here and listen here.
class AppEvents : public QObject {
    Q_OBJECT
public:
    enum Window {
        main_window,
        authors_window,
        subjects_window,
        languages_window,
        websites_window,
        import_window,
        export_window,
        slide_show_window,
        trash_window,
        window_kinds
    };
    // The filter fields of the main window another window may drive.
    enum class QuotesOf { author, subject, language, rate };

    // The registry of open windows. A window is open from opened() until closed() or until it
    // is destroyed, whichever comes first.
    void opened(Window kind, QObject* window);
    void closed(Window kind);
    bool is_open(Window kind) const { return !windows_[size_t(kind)].isNull(); }
    QObject* window(Window kind) const { return windows_[size_t(kind)].data(); }
    // True when a window other than `except` that keeps the program running is open (the main,
    // reference and import windows; the export and slide-show windows belong to the main one).
    bool others_open(Window except) const;

    // Moves with every change announced here: caches of what the tables hold compare it.
    qint64 generation() const { return generation_; }

    // Announcements; each moves the generation, then emits its signal.
    void quotes_were_changed();
    void author_was_changed(const QString& old_name, const QString& new_name);
    void subject_was_changed(const QString& old_name, const QString& new_name);
    void languages_were_changed(const QString& old_code = QString(), const QString& new_code = QString());
    void websites_were_changed();
    void default_language_was_changed(const QString& code);

signals:
    void quotes_changed();
    // An empty old name: added; an empty new name: deleted; both: renamed or edited.
    void authors_changed(const QString& old_name, const QString& new_name);
    void subjects_changed(const QString& old_name, const QString& new_name);
    // The codes as for the authors; both empty: some change not told apart.
    void languages_changed(const QString& old_code, const QString& new_code);
    void websites_changed();
    void default_language_changed(const QString& code);

    // Requests between windows.
    void show_quotes_requested(AppEvents::QuotesOf field, const QString& value);
    void author_chosen(const QString& name);   // handed back to the main window's author box
    void subject_chosen(const QString& name);  // handed back to the main window's subject box
    // The slide show of the main window's list, starting at slide_show_start_key.
    void slide_show_requested();
    // The main window shown again, on this quotation (the last one a slide show showed).
    void quote_requested(qint64 key);
    // The help before a slide show turned on or off (the setting is stored already).
    void slide_show_help_changed(bool shown);
    // Quotations were added in bulk (an import): the main window reads its list again.
    void quote_list_reread_requested();

    void window_opened(AppEvents::Window kind);
    void window_closed(AppEvents::Window kind);

private:
    std::array<QPointer<QObject>, window_kinds> windows_;
    qint64 generation_ = 0;
};
