#include "scripted_ui.h"

#include <QCoreApplication>
#include <QTest>

bool ScriptedUi::take(const QString& kind, const QString& shown, int code, Expected& out) {
    log.push_back({kind, shown, code});
    if (expected_.empty() || expected_.front().kind != kind ||
        (!expected_.front().containing.isEmpty() && !shown.contains(expected_.front().containing))) {
        QString why = QStringLiteral("unexpected %1: \"%2\"").arg(kind, shown);
        if (!expected_.empty())
            why += QStringLiteral(" (expected a %1 containing \"%2\")").arg(expected_.front().kind, expected_.front().containing);
        QTest::qFail(qPrintable(why), __FILE__, __LINE__);
        return false;
    }
    out = expected_.front();
    expected_.pop_front();
    return true;
}

int ScriptedUi::message(const QString& text, int code, const QString&) {
    Expected e;
    if (!take(QStringLiteral("message"), text, code, e)) return cancel;
    if (e.meanwhile) e.meanwhile();
    return e.answer;
}

QString ScriptedUi::input(const QString& prompt, const QString&, const QString&) {
    Expected e;
    return take(QStringLiteral("input"), prompt, 0, e) ? e.text : QString();
}

QString ScriptedUi::choose_file(FileDialog dialog, const QString& title, const QString&, const QString& folder,
                                const QString& file) {
    last_open_file_folder = folder;
    last_open_file_file = file;
    if (dialog == FileDialog::save && !save_file_default.isEmpty() &&
        (expected_.empty() || expected_.front().kind != QLatin1String("save_file"))) {
        log.push_back({QStringLiteral("save_file"), title, 0});
        return save_file_default;
    }
    Expected e;
    return take(dialog == FileDialog::open ? QStringLiteral("open_file") : QStringLiteral("save_file"), title, 0, e) ? e.text
                                                                                                                    : QString();
}

bool ScriptedUi::launch(const QString& url_or_path) {
    log.push_back({QStringLiteral("open_target"), url_or_path, 0});
    return open_target_result;
}

void ScriptedUi::yield() { QCoreApplication::processEvents(); }

bool ScriptedUi::progress_or_stop(const QString& what, qint64 done, qint64 total) {
    progress(what, done, total);
    if (!stop_in.isEmpty() && !what.contains(stop_in)) return true;
    return stop_at <= 0 || --stop_at > 0;
}

void ScriptedUi::progress(const QString& what, qint64 done, qint64 total) {
    log.push_back({QStringLiteral("progress"), what, total > 0 ? int(done * 1000 / total) : 1000});
}

QString ScriptedUi::pending_answers() const {
    QStringList out;
    for (const Expected& e : expected_) out << e.kind + QStringLiteral(" containing \"") + e.containing + u'"';
    return out.join(QStringLiteral("; "));
}

QStringList ScriptedUi::shown(const QString& kind) const {
    QStringList out;
    for (const Shown& s : log)
        if (s.kind == kind) out << s.text;
    return out;
}
