#pragma once

#include "core/settings.h"
#include "database/recordset.h"
#include "reference/f_authors.h"
#include "support/fixture.h"
#include "widgets/attention.h"
#include "widgets/grid_binding.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

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
struct AuthorsFixture : Fixture {
    AuthorsFixture() = default;
    ~AuthorsFixture() { delete window.data(); }

    f_authors& open() {
        window = new f_authors(*ctx);
        return *window;
    }
    void show() {
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QApplication::processEvents();
    }
    f_authors& w() { return *window; }
    RecordSet& list() { return *window->recordset(); }
    QStringList names() {
        QStringList out;
        RecordSet& rs = list();
        for (int r = 0; r < rs.record_count(); ++r) out << rs.value_at(r, rs.field_index("name")).toString();
        return out;
    }
    // Makes the author with this name the current row.
    void go_to(const QString& name) { QVERIFY(window->go_to_first("name = '" + QString(name).replace("'", "''") + "'")); }
    QVariant author(const QString& column, const QString& name) const {
        return scalar("select " + column + " from authors where name = '" + QString(name).replace("'", "''") + "'");
    }

    QPointer<f_authors> window;
};
