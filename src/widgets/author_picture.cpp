#include "author_picture.h"

#include "core/common.h"
#include "database/held_files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>

QFrame* author_picture_box(QLabel*& image) {
    auto* box = new QFrame;
    box->setObjectName(QStringLiteral("pic_author"));
    box->setFrameShape(QFrame::StyledPanel);
    box->setFixedSize(120, 150);
    box->setAccessibleName(QCoreApplication::translate("author_picture", "Picture of the author"));
    image = new QLabel(box);
    image->setObjectName(QStringLiteral("Image1"));
    image->setAccessibleName(box->accessibleName());
    image->setScaledContents(true);
    return box;
}

QString author_picture_file(const QString& program_folder, const QString& path) {
    QString p = path.trimmed();
    p.replace(u'\\', u'/');
    QString found;
    if (!p.isEmpty()) {
        const QString ext = p.right(4).toLower();
        if (ext == QLatin1String(".jpg") || ext == QLatin1String(".gif") || ext == QLatin1String(".bmp")) {
            if (QDir::isAbsolutePath(p)) {
                if (QFileInfo(p).isFile()) found = p;
            } else {
                for (const QString& base : {program_folder, program_folder + QStringLiteral("/images")})
                    if (found.isEmpty() && QFileInfo(base + u'/' + p).isFile()) found = base + u'/' + p;
            }
        }
    }
    if (found.isEmpty()) {
        const QString fallback = program_folder + QStringLiteral("/default.jpg");
        if (QFileInfo(fallback).isFile()) found = fallback;
    }
    return found;
}

namespace {

// The picture in `file`, decoded once and kept, so that stepping through one author's quotations
// costs nothing. A file that is the open database is never read (see held_files.h).
QPixmap picture_in(const QString& file) {
    QPixmap picture;
    if (file.isEmpty() || held_files::is_held(file)) return picture;
    const QString cache_key = file + u'|' + QString::number(QFileInfo(file).lastModified().toMSecsSinceEpoch());
    if (!QPixmapCache::find(cache_key, &picture)) {
        picture.load(file);
        if (!picture.isNull()) QPixmapCache::insert(cache_key, picture);
    }
    return picture;
}

}  // namespace

void show_author_picture(QWidget* pic_author, QLabel* image, const QString& program_folder, const QString& path) {
    image->hide();
    const QString file = author_picture_file(program_folder, path);
    QPixmap picture = picture_in(file);
    // A file that is no picture (damaged, or text under a picture's name) shows the default one.
    if (picture.isNull()) picture = picture_in(author_picture_file(program_folder, QString()));
    if (picture.isNull() || picture.height() == 0) {
        image->clear();
        return;
    }
    const int box_w = pic_author->width(), box_h = pic_author->height();
    const double r = double(picture.width()) / picture.height();
    int w, h;
    if (r >= 1.0) {
        w = box_w;
        h = int(box_w / r);
    } else {
        h = box_h;
        w = int(r * box_h);
    }
    // Said by a screen reader: which picture is shown (the author's own or the default one).
    image->setAccessibleDescription(QFileInfo(file).fileName());
    image->setPixmap(picture.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    image->setGeometry((box_w - w) / 2, (box_h - h) / 2, w, h);
    image->show();
}
