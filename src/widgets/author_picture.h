#pragma once

#include <QString>

class QFrame;
class QLabel;
class QWidget;

// The picture box of an author: a framed box `pic_author` holding the image `Image1`.
QFrame* author_picture_box(QLabel*& image);

// Shows an author's picture in a picture box (`pic_author` holding the image `Image1`), fitted
// to the box with its proportions kept and centred. A path may be absolute or relative to the
// program folder or to its "images" folder; a missing file, or one that is not a ".jpg", ".gif"
// or ".bmp", shows the program's default picture.
void show_author_picture(QWidget* pic_author, QLabel* image, const QString& program_folder, const QString& path);

// The file that would be shown for `path` (empty text when even the default picture is missing).
QString author_picture_file(const QString& program_folder, const QString& path);
