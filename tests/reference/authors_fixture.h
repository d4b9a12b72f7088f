#pragma once

#include "reference/f_authors.h"
#include "reference_fixture.h"

#include <QDir>
#include <QImage>

// Makes `folder` the program folder, with an "images" folder holding a picture named `file`.
inline void program_folder_with_picture(AppContext& ctx, const QString& folder, const QString& file) {
    ctx.program_folder = folder;
    QDir(folder).mkdir("images");
    QImage picture(40, 60, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(folder + "/images/" + file));
}

// The real authors window on a fixture database (authors: Mark Twain, Oscar Wilde "Irish writer",
// Gabriele D'Annunzio, Émile Zola, Smith, John Smithson, "???", Nobody Yet with no quotation),
// driven through the scripted user interface.
struct AuthorsFixture : ReferenceFixture<f_authors> {
    AuthorsFixture() : ReferenceFixture("name") {}
    QStringList names() { return listed(); }
    QVariant author(const QString& column, const QString& name) const {
        return scalar("select " + column + " from authors where name = " + quoted(name));
    }
};
