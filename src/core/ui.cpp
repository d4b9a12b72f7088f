#include "ui.h"

#include "database/held_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Where a file dialog opens: the folder given when it is there, else the user's documents (else
// home); never wherever the program happens to run from, which may be its own read-only folder.
QString starting_folder(const QString& folder) {
    if (!folder.trimmed().isEmpty() && QFileInfo(folder).isDir()) return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

QString Ui::checked_choice(FileDialog kind, const QString& title, const QString& filter, const QString& folder,
                           const QString& file) {
    const QString chosen = choose_file(kind, title, filter, starting_folder(folder), file);
    if (chosen.isEmpty() || !held_files::is_held(chosen)) return chosen;
    message(held_files::refusal(chosen), icon_exclamation);
    return QString();
}

QString Ui::open_file(const QString& title, const QString& filter, const QString& folder, const QString& file) {
    return checked_choice(FileDialog::open, title, filter, folder, file);
}

QString Ui::save_file(const QString& title, const QString& filter, const QString& folder, const QString& file) {
    return checked_choice(FileDialog::save, title, filter, folder, file);
}

bool Ui::open_target(const QString& url_or_path) {
    // The desktop may open a local file inside this process first (a sandbox's portal takes a
    // descriptor of it), so the database is never handed to it.
    const QUrl url(url_or_path);
    const QString local = url.isLocalFile() ? url.toLocalFile() : url_or_path;
    if (QFileInfo::exists(local) && held_files::is_held(local)) {
        message(held_files::refusal(local), icon_exclamation);
        return true;  // answered: the caller has nothing more to say
    }
    return launch(url_or_path);
}
