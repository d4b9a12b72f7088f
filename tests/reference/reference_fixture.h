#pragma once

#include "core/common.h"
#include "core/settings.h"
#include "database/recordset.h"
#include "support/fixture.h"
#include "widgets/attention.h"
#include "widgets/grid_binding.h"
#include "widgets/window_utils.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// SQL text between quotes.
inline QString quoted(const QString& text) { return "'" + QString(text).replace("'", "''") + "'"; }

// A real reference window of type W on a fixture database, driven through the scripted user
// interface; `key` is the field that names its rows.
template <class W>
struct ReferenceFixture : Fixture {
    explicit ReferenceFixture(QString key_field) : key(std::move(key_field)) {}
    ~ReferenceFixture() { delete window.data(); }

    W& open() {
        window = new W(*ctx);
        return *window;
    }
    void show() {
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QApplication::processEvents();
    }
    W& w() { return *window; }
    RecordSet& list() { return *window->recordset(); }
    // The field `field` (the key by default) of every row listed, in the list's order.
    QStringList listed(const QString& field = QString()) {
        QStringList out;
        RecordSet& rs = list();
        const int f = rs.field_index(field.isEmpty() ? key : field);
        for (int r = 0; r < rs.record_count(); ++r) out << RecordSet::to_text(rs.value_at(r, f));
        return out;
    }
    // Makes the row with this key current.
    void go_to(const QString& value) { QVERIFY2(window->go_to_first(key + " = " + quoted(value)), qPrintable(value)); }
    // Closes the window as its Exit button does and lets it go.
    void exit() {
        window->b_exit->click();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    int count(const QString& table, const QString& condition = "1") const {
        return scalar("select count(*) from " + table + " where " + condition).toInt();
    }
    // Save refused with a message that contains `message` (after `text` is typed in `box`).
    void save_refused(const QString& message) {
        ui.expect_message(message);
        window->b_save->click();
    }
    void save_refused(QLineEdit* box, const QString& text, const QString& message) {
        box->setText(text);
        save_refused(message);
    }
    // A filter on `box` that lists exactly `names`.
    void filter_lists(QLineEdit* box, const QString& text, const QStringList& names) {
        box->setText(text);
        window->b_filter->click();
        QCOMPARE(listed(), names);
    }
    // The window, shown, fits the screen and shows every control whole (the grid's cells aside).
    void expect_laid_out() {
        QApplication::processEvents();
        QVERIFY(primary_screen_area().available.contains(window->frameGeometry()));
        for (QWidget* c : window->template findChildren<QWidget*>()) {
            if (!c->isVisible() || c->parentWidget() == window->grid || c->window() != window) continue;
            QVERIFY2(window->rect().contains(QRect(c->mapTo(window, QPoint(0, 0)), c->size())), qPrintable(c->objectName()));
        }
    }

    QString key;
    QPointer<W> window;
};
