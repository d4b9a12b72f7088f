#pragma once

#include <QString>

// Every modal thing a window does goes through this seam: message and input boxes, the file
// dialog, the shell's "Open", yielding to pending events, the hourglass and the end of the
// program. The program runs on the Qt implementation; tests run on a scripted one.
class Ui {
public:
    // Message-box codes: buttons in the low bits, icon and default button above them.
    enum Code {
        ok_only = 0,
        ok_cancel = 1,
        // A pending change: Save (answer `save`), Discard (answer `ok`) or Cancel.
        save_discard_cancel = 3,
        icon_stop = 16,
        icon_question = 32,
        icon_exclamation = 48,
        icon_information = 64,
        default_second = 256,
    };
    // Results.
    enum Answer { ok = 1, cancel = 2, save = 6 };

    virtual ~Ui() = default;

    // Shows `text` with the buttons and icon of `code`; the title is the application's unless
    // given. Returns 1 for OK, 2 for Cancel (also when the box is closed with Esc).
    virtual int message(const QString& text, int code = ok_only, const QString& title = QString()) = 0;
    // A question whose two answers have names of their own: `first` gives `ok`, `second` (and
    // Esc) gives `cancel`. Where buttons cannot be named, an OK / Cancel message asks it.
    virtual int ask(const QString& text, const QString& first, const QString& second) {
        (void)first;
        (void)second;
        return message(text, ok_cancel | icon_question);
    }
    // The text typed; empty text on Cancel.
    virtual QString input(const QString& prompt, const QString& title, const QString& default_text) = 0;
    // `filter` is "description|patterns" (patterns separated by ";"); returns the full path
    // chosen, which may name a file that does not exist yet, or empty text on Cancel.
    //
    // A path that is the open database or a file kept beside it is never handed on: the user is
    // told, and the answer is empty text as for Cancel (see held_files.h).
    QString open_file(const QString& title, const QString& filter, const QString& folder, const QString& file);
    // The same for a file to be written: the dialog asks before an existing file is replaced.
    QString save_file(const QString& title, const QString& filter, const QString& folder, const QString& file);
    // The desktop's "Open" on a web address, file or folder; false when nothing could open it
    // (or when it is the open database, which is refused with a message).
    bool open_target(const QString& url_or_path);
    // A long text in the program's own read-only text window, which can save it as a file; not
    // modal. Where there is no such window, the text is shown in a message box.
    virtual void show_text(const QString& title, const QString& text) { message(text, ok_only, title); }
    virtual void yield() = 0;
    // Long work under way: `done` of `total`, described by `what`. The first call shows the
    // progress, a call with done == total takes it away. Does not wait for the user.
    virtual void progress(const QString& what, qint64 done, qint64 total) = 0;
    // The same for work the user may stop: false once the user asked to stop it (the work then
    // undoes what it did). By default nothing stops it.
    virtual bool progress_or_stop(const QString& what, qint64 done, qint64 total) {
        progress(what, done, total);
        return true;
    }
    virtual void set_hourglass(bool on) = 0;
    virtual void end_program() = 0;

protected:
    enum class FileDialog { open, save };
    // The dialogs themselves, behind the checks above.
    virtual QString choose_file(FileDialog kind, const QString& title, const QString& filter, const QString& folder,
                                const QString& file) = 0;
    virtual bool launch(const QString& url_or_path) = 0;

private:
    QString checked_choice(FileDialog kind, const QString& title, const QString& filter, const QString& folder,
                           const QString& file);
};
