#include "common.h"

#include "database/db_error.h"
#include "ui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

void show_error(Ui& ui, int number, const QString& description) {
    ui.message(QCoreApplication::translate("common", "Error %1 - %2").arg(number).arg(description), Ui::icon_stop);
}

void show_error(Ui& ui, const DbError& error) { show_error(ui, error.number(), error.description()); }

// ------------------------------------------------------------------ files and paths

bool Path_exist(const QString& path) {
    if (path.trimmed().isEmpty()) return false;
    if (path.contains(u'*') || path.contains(u'?')) {
        const QString folder = folder_of(path);
        const QDir dir(folder.isEmpty() && path.startsWith(u'/') ? QStringLiteral("/")
                       : folder.isEmpty()                         ? QStringLiteral(".")
                                                                  : folder);
        return !dir.entryList({file_name_of(path)}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                    .isEmpty();
    }
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

namespace {
qsizetype last_separator(const QString& path) {
    return std::max({path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'), path.lastIndexOf(u':')});
}
}  // namespace

QString folder_of(const QString& path) {
    const qsizetype i = last_separator(path);
    return i < 0 ? QString() : path.left(i);
}

QString file_name_of(const QString& path) {
    const qsizetype i = last_separator(path);
    return i < 0 ? path : path.mid(i + 1);
}

QString temp_folder() {
    // Under the user's own cache folder, never a fixed name in the shared temporary folder,
    // where another local user could plant a link in its place.
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.cache");
    const QString folder = base + QStringLiteral("/Sentara/temp");
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

void show_written_text(Ui& ui, const QString& path, const QString& text, const QString& title) {
    if (!ui.open_target(path)) ui.show_text(title, text);
}

bool show_text_file(Ui& ui, const QString& text, const QString& line_break, const QString& title) {
    const QString path = temp_folder() + QStringLiteral("/TMP.txt");
    // Written beside the old file and put in its place only once whole: a full disk never
    // leaves a part of the text that looks like all of it.
    QSaveFile f(path);
    const QByteArray bytes = (text + line_break).toUtf8();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        ui.message(QCoreApplication::translate("common", "The report file '%1' cannot be written: %2").arg(path, f.errorString()), Ui::icon_exclamation);
        return false;
    }
    show_written_text(ui, path, text, title);
    return true;
}

// ------------------------------------------------------------------ SQL text

QString sql_escape(const QString& text) {
    if (text.isEmpty()) return text;
    const auto only = [&](QChar c) { return std::all_of(text.cbegin(), text.cend(), [c](QChar x) { return x == c; }); };
    if (only(u'?') || only(u'*')) return u'[' + text + u']';
    return sql_escape_text(text);
}

// ------------------------------------------------------------------ desktop shell

bool is_url(const QString& text) {
    for (const char* prefix : {"https://", "ftp://", "http://", "www."})
        if (text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return true;
    return false;
}

namespace {
QString first_line(const QString& text) {
    const qsizetype cr = text.indexOf(u'\r');
    const qsizetype lf = text.indexOf(u'\n');
    qsizetype cut = cr < 0 ? lf : (lf < 0 ? cr : std::min(cr, lf));
    return cut < 0 ? text : text.left(cut);
}
}  // namespace

bool open_url(Ui& ui, const QString& text) {
    const QString url = first_line(text);
    if (!is_url(url)) return false;
    // An address without its scheme is a web address too, never a file of that name.
    if (url.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) return ui.open_target(QStringLiteral("http://") + url);
    return ui.open_target(url);
}

QString web_search_address(const QString& text) {
    // The query is encoded as a whole, so that "&", "#" or "+" in it reach the search intact.
    return QStringLiteral("https://www.google.com/search?q=") + QString::fromLatin1(QUrl::toPercentEncoding(text)) +
           QStringLiteral("&sourceid=ie7&rls=com.microsoft:en-US&ie=utf8&oe=utf8");
}

void open_path(Ui& ui, const QString& text) {
    const QString path = first_line(text);
    if (!Path_exist(path)) {
        if (is_url(path)) {
            if (!open_url(ui, path)) ui.message(QCoreApplication::translate("common", "Path not found: %1").arg(path));
            return;
        }
        if (!open_url(ui, web_search_address(path))) ui.message(QCoreApplication::translate("common", "Path not found: %1").arg(path));
        return;
    }
    if (path.contains(u'*')) return;  // a pattern that matches something is left alone
    if (!ui.open_target(path)) ui.message(QCoreApplication::translate("common", "No program could open '%1'.").arg(path));
}

// ------------------------------------------------------------------ screen

ScreenArea primary_screen_area() {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768)};
    return {s->geometry(), s->availableGeometry()};
}

int screen_width(const ScreenArea& s) { return to_twips(s.screen.width()); }
int screen_height(const ScreenArea& s) { return to_twips(s.screen.height()); }

bool taskbar_vertical(const ScreenArea& s) {
    const int dw = s.screen.width() - s.available.width();
    const int dh = s.screen.height() - s.available.height();
    return dw > 0 && dh == 0;
}

int taskbar_height(const ScreenArea& s) {
    return taskbar_vertical(s) ? screen_height(s) : to_twips(s.screen.height() - s.available.height());
}

int taskbar_width(const ScreenArea& s) {
    if (taskbar_vertical(s)) return to_twips(s.screen.width() - s.available.width());
    return s.screen.height() == s.available.height() ? 0 : screen_width(s);
}

bool taskbar_at_left(const ScreenArea& s) { return !taskbar_vertical(s) || s.available.left() > s.screen.left(); }

int usable_screen_width(const ScreenArea& s) { return screen_width(s) - (taskbar_vertical(s) ? taskbar_width(s) : 0); }

int usable_screen_height(const ScreenArea& s) { return screen_height(s) - (taskbar_vertical(s) ? 0 : taskbar_height(s)); }
