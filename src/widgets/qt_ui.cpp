#include "qt_ui.h"

#include "database/held_files.h"
#include "f_msgbox.h"
#include "window_utils.h"

#include <QAbstractFileIconProvider>
#include <QFileSystemModel>
#include <QMimeDatabase>
#include <QSortFilterProxyModel>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>
#include <QStyle>

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

// A message must be readable even while the hourglass is up: the arrow comes back for it.
void QtUi::run_box(QMessageBox& box) const {
    const bool busy = hourglass_depth_ > 0;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();
}

int QtUi::message(const QString& text, int code, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Sentara") : title);
    box.setText(text);
    switch (code & 0x70) {
    case icon_stop: box.setIcon(QMessageBox::Critical); break;
    case icon_question: box.setIcon(QMessageBox::Question); break;
    case icon_exclamation: box.setIcon(QMessageBox::Warning); break;
    case icon_information: box.setIcon(QMessageBox::Information); break;
    default:
        // A box that names no icon gets the one of its kind: a question asks, a note informs.
        box.setIcon((code & 7) == ok_only ? QMessageBox::Information : QMessageBox::Question);
    }
    if ((code & 7) == save_discard_cancel) {
        QPushButton* save_button = box.addButton(QMessageBox::Save);
        QPushButton* discard_button = box.addButton(QMessageBox::Discard);
        QPushButton* cancel_button = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel_button);
        box.setDefaultButton(save_button);
        run_box(box);
        if (box.clickedButton() == save_button) return save;
        return box.clickedButton() == discard_button ? ok : cancel;
    }
    QPushButton* ok_button = box.addButton(QMessageBox::Ok);
    QPushButton* cancel_button = nullptr;
    if ((code & 7) == ok_cancel) {
        cancel_button = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel_button);
        box.setDefaultButton((code & default_second) ? cancel_button : ok_button);
    } else {
        box.setEscapeButton(ok_button);
        box.setDefaultButton(ok_button);
    }
    run_box(box);
    if (cancel_button && box.clickedButton() != ok_button) return cancel;  // Cancel, Esc or the close box
    return ok;
}

int QtUi::ask(const QString& text, const QString& first, const QString& second) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Sentara"));
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QPushButton* yes = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    run_box(box);
    return box.clickedButton() == yes ? ok : cancel;
}

void QtUi::show_text(const QString& title, const QString& text) {
    auto* window = new f_msgbox(*this, text, true);
    window->setWindowTitle(title);
    center_window(*window);
    window->show();
    window->activateWindow();
}

QString QtUi::input(const QString& prompt, const QString& title, const QString& default_text) {
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title.isEmpty() ? QStringLiteral("Sentara") : title,
                                               prompt, QLineEdit::Normal, default_text, &accepted);
    return accepted ? text : QString();
}

QStringList QtUi::name_filters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        // Qt shows the patterns in parentheses after the description: a description that lists
        // them already (closed or not) is not made to list them twice.
        QString description = parts[i];
        const qsizetype open = description.lastIndexOf(QLatin1String(" ("));
        if (open > 0 && description.mid(open + 2).remove(u')').replace(u';', u' ').trimmed() == patterns.trimmed())
            description.truncate(open);
        out << description + QStringLiteral(" (") + patterns + u')';
    }
    if (out.isEmpty() && !filter.isEmpty()) out << filter;
    return out;
}

namespace {

// Icons and type names from the file's name alone. The stock provider reads the first bytes of
// every file listed to learn its type, and closing that descriptor drops the locks this process
// holds on the open database (see held_files.h). The provider is asked from the dialog's own
// thread, so the icons are made beforehand.
class IconsByName : public QAbstractFileIconProvider {
public:
    IconsByName()
        : folder_(QApplication::style()->standardIcon(QStyle::SP_DirIcon)),
          file_(QApplication::style()->standardIcon(QStyle::SP_FileIcon)),
          link_(QApplication::style()->standardIcon(QStyle::SP_FileLinkIcon)) {}
    QIcon icon(const QFileInfo& info) const override {
        if (info.isDir()) return folder_;
        return info.isSymLink() ? link_ : file_;
    }
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QCoreApplication::translate("QtUi", "Folder");
        const QMimeType type = names_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        return type.comment().isEmpty() ? type.name() : type.comment();
    }

private:
    QIcon folder_, file_, link_;
    QMimeDatabase names_;
};

// The files the engine and the program keep beside an open database are not offered.
class WithoutCompanions : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        return !files || !held_files::is_companion_name(files->filePath(files->index(row, 0, parent)));
    }
};

}  // namespace

QString QtUi::choose_file(FileDialog kind, const QString& title, const QString& filter, const QString& folder,
                          const QString& file) {
    IconsByName icons;  // outlives the dialog, whose file list asks it from a thread of its own
    QFileDialog dialog(QApplication::activeWindow(), title);
    // Qt's own dialog, in every desktop: a toolkit's native one runs in this process too and may
    // read the files it lists.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    dialog.setProxyModel(new WithoutCompanions(&dialog));
    dialog.setAcceptMode(kind == FileDialog::save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // a name that does not exist yet may be typed
    dialog.setNameFilters(QtUi::name_filters(filter));
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    else if (!file.isEmpty()) dialog.setDirectory(QFileInfo(file).absolutePath());
    if (!file.isEmpty()) dialog.selectFile(QFileInfo(file).fileName());
    // Wide enough for the size, type and date columns, within the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.resize(QSize(860, 540).boundedTo(screen->availableGeometry().size() * 9 / 10));
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

bool QtUi::launch(const QString& url_or_path) {
    QUrl url;
    if (QFileInfo::exists(url_or_path)) url = QUrl::fromLocalFile(QFileInfo(url_or_path).absoluteFilePath());
    else url = QUrl::fromUserInput(url_or_path);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void QtUi::yield() { QCoreApplication::processEvents(); }

void QtUi::progress(const QString& what, qint64 done, qint64 total) { show_progress(what, done, total, false); }

bool QtUi::progress_or_stop(const QString& what, qint64 done, qint64 total) {
    show_progress(what, done, total, true);
    return !(progress_ && progress_->wasCanceled());
}

void QtUi::show_progress(const QString& what, qint64 done, qint64 total, bool stoppable) {
    if (done >= total) {
        progress_.reset();
        return;
    }
    if (!progress_) {
        progress_ = std::make_unique<QProgressDialog>(what, stoppable ? QCoreApplication::translate("QtUi", "&Stop") : QString(), 0, 1000,
                                                      QApplication::activeWindow());
        progress_->setWindowTitle(QStringLiteral("Sentara"));
        progress_->setWindowModality(Qt::ApplicationModal);
        progress_->setMinimumDuration(0);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
    }
    progress_->setLabelText(what);
    progress_->setValue(total > 0 ? int(done * 1000 / total) : 0);
    QCoreApplication::processEvents();
}

QtUi::QtUi() = default;
QtUi::~QtUi() = default;

void QtUi::set_hourglass(bool on) {
    if (on) {
        ++hourglass_depth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (hourglass_depth_ > 0) {
        --hourglass_depth_;
        QApplication::restoreOverrideCursor();
    }
}

void QtUi::end_program() {
    while (hourglass_depth_ > 0) set_hourglass(false);
    QCoreApplication::quit();
}
