#pragma once

#include "core/ui.h"

#include <QStringList>
#include <QVector>

#include <deque>
#include <functional>

// The user-interface services for tests: answers are queued beforehand, every text shown is
// logged, and a dialog the test did not expect fails the test at once (it is answered with
// Cancel or empty text, so nothing waits).
class ScriptedUi : public Ui {
public:
    struct Shown {
        QString kind;  // "message", "input", "open_file", "save_file", "open_target", "progress", "text"
        QString text;
        int code = 0;  // a message's buttons; a progress's done per mille
    };

    // The next message box: `answer` is Ui::ok or Ui::cancel; when `containing` is given the
    // message must contain it.
    // `meanwhile` runs while the box is shown, before the answer (another program writing, say).
    void expect_message(const QString& containing = QString(), int answer = ok, std::function<void()> meanwhile = {}) {
        expect("message", containing, answer);
        expected_.back().meanwhile = std::move(meanwhile);
    }
    void expect_input(const QString& answer, const QString& containing = QString()) { expect("input", containing, ok, answer); }
    void expect_open_file(const QString& answer) { expect("open_file", QString(), ok, answer); }
    void expect_save_file(const QString& answer) { expect("save_file", QString(), ok, answer); }

    int message(const QString& text, int code = ok_only, const QString& title = QString()) override;
    QString input(const QString& prompt, const QString& title, const QString& default_text) override;
    // Logged as "text": the title, a line break, the text.
    void show_text(const QString& title, const QString& text) override {
        log.push_back({QStringLiteral("text"), title + u'\n' + text, 0});
    }
    void yield() override;
    void progress(const QString& what, qint64 done, qint64 total) override;
    // Work the user may stop is stopped at its progress report number `stop_at` (from 1),
    // counting only the reports that contain `stop_in` when it is given.
    bool progress_or_stop(const QString& what, qint64 done, qint64 total) override;
    int stop_at = 0;
    QString stop_in;
    void set_hourglass(bool on) override { hourglass_depth += on ? 1 : (hourglass_depth > 0 ? -1 : 0); }
    void end_program() override { ended = true; }

    // Every queued answer was used; what was not.
    bool all_answers_used() const { return expected_.empty(); }
    QString pending_answers() const;

    QStringList shown(const QString& kind) const;
    QStringList messages() const { return shown("message"); }
    QString last_message() const { return messages().value(messages().size() - 1); }
    QStringList opened() const { return shown("open_target"); }

    QVector<Shown> log;
    // The last file dialog, to open or to save.
    QString last_open_file_folder, last_open_file_file;
    bool open_target_result = true;
    // When set, a file dialog to save that no queued answer expects is answered with it.
    QString save_file_default;
    bool ended = false;
    int hourglass_depth = 0;

protected:
    QString choose_file(FileDialog kind, const QString& title, const QString& filter, const QString& folder,
                        const QString& file) override;
    bool launch(const QString& url_or_path) override;

private:
    struct Expected {
        QString kind, containing;
        int answer = ok;
        QString text;
        std::function<void()> meanwhile;
    };
    void expect(const char* kind, const QString& containing, int answer, const QString& text = QString()) {
        expected_.push_back({QString::fromLatin1(kind), containing, answer, text, {}});
    }
    // Logs what is shown and takes the answer queued for it; false when none fits.
    bool take(const QString& kind, const QString& shown, int code, Expected& out);
    std::deque<Expected> expected_;
};
