#include "scripted_ui.h"

#include <QCoreApplication>
#include <QTest>

void ScriptedUi::expect_message(const QString& containing, int answer) {
    expected_.push_back({QStringLiteral("message"), containing, answer, QString()});
}

void ScriptedUi::expect_input(const QString& answer, const QString& containing) {
    expected_.push_back({QStringLiteral("input"), containing, ok, answer});
}

void ScriptedUi::expect_open_file(const QString& answer) {
    expected_.push_back({QStringLiteral("open_file"), QString(), ok, answer});
}

void ScriptedUi::expect_save_file(const QString& answer) {
    expected_.push_back({QStringLiteral("save_file"), QString(), ok, answer});
}

bool ScriptedUi::take(const QString& kind, const QString& shown, Expected& out) {
    if (expected_.empty() || expected_.front().kind != kind ||
        (!expected_.front().containing.isEmpty() && !shown.contains(expected_.front().containing))) {
        const QString why = expected_.empty()
                                ? QStringLiteral("unexpected %1: \"%2\"").arg(kind, shown)
                                : QStringLiteral("unexpected %1: \"%2\" (expected a %3 containing \"%4\")")
                                      .arg(kind, shown, expected_.front().kind, expected_.front().containing);
        QTest::qFail(qPrintable(why), __FILE__, __LINE__);
        return false;
    }
    out = expected_.front();
    expected_.pop_front();
    return true;
}

int ScriptedUi::message(const QString& text, int code, const QString&) {
    log.push_back({QStringLiteral("message"), text, code});
    Expected e;
    if (!take(QStringLiteral("message"), text, e)) return cancel;
    return e.answer;
}

QString ScriptedUi::input(const QString& prompt, const QString&, const QString&) {
    log.push_back({QStringLiteral("input"), prompt, 0});
    Expected e;
    if (!take(QStringLiteral("input"), prompt, e)) return QString();
    return e.text;
}

QString ScriptedUi::choose_file(FileDialog dialog, const QString& title, const QString& filter, const QString& folder,
                                const QString& file) {
    const QString kind = dialog == FileDialog::open ? QStringLiteral("open_file") : QStringLiteral("save_file");
    log.push_back({kind, title, 0});
    last_open_file_title = title;
    last_open_file_filter = filter;
    last_open_file_folder = folder;
    last_open_file_file = file;
    Expected e;
    if (!take(kind, title, e)) return QString();
    return e.text;
}

bool ScriptedUi::launch(const QString& url_or_path) {
    log.push_back({QStringLiteral("open_target"), url_or_path, 0});
    return open_target_result;
}

void ScriptedUi::yield() { QCoreApplication::processEvents(); }

bool ScriptedUi::progress_or_stop(const QString& what, qint64 done, qint64 total) {
    progress(what, done, total);
    return stop_at <= 0 || --stop_at > 0;
}

void ScriptedUi::progress(const QString& what, qint64 done, qint64 total) {
    log.push_back({QStringLiteral("progress"), what, total > 0 ? int(done * 1000 / total) : 1000});
}

void ScriptedUi::set_hourglass(bool on) { hourglass_depth += on ? 1 : (hourglass_depth > 0 ? -1 : 0); }

void ScriptedUi::end_program() { ended = true; }

QString ScriptedUi::pending_answers() const {
    QStringList out;
    for (const Expected& e : expected_) out << e.kind + QStringLiteral(" containing \"") + e.containing + u'"';
    return out.join(QStringLiteral("; "));
}

void ScriptedUi::clear() {
    expected_.clear();
    log.clear();
    ended = false;
}

QStringList ScriptedUi::messages() const {
    QStringList out;
    for (const Shown& s : log)
        if (s.kind == QLatin1String("message")) out << s.text;
    return out;
}

QStringList ScriptedUi::opened() const {
    QStringList out;
    for (const Shown& s : log)
        if (s.kind == QLatin1String("open_target")) out << s.text;
    return out;
}
