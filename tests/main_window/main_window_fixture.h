#pragma once

#include "core/common.h"
#include "core/settings.h"
#include "database/recordset.h"
#include "main_window/edit_area.h"
#include "main_window/f_main.h"
#include "main_window/filter_area.h"
#include "main_window/quote_list.h"
#include "support/fixture.h"
#include "widgets/mnemonics.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

// The real main window on a fixture database, driven through the scripted user interface.
struct MainWindowFixture : Fixture {
    MainWindowFixture() { window = std::make_unique<f_main>(*ctx); }
    ~MainWindowFixture() { window.reset(); }

    // Shows the window and lets its first activation (a random row) happen.
    void show() {
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
    }
    f_main& w() { return *window; }
    QString sql() const { return ctx->current_quotes_sql; }
    // Makes the quotation with this key the grid's current row.
    void go_to(int key) { QVERIFY(window->Data1()->find_first(QStringLiteral("key = %1").arg(key))); }
    int current_key() const { return window->edit->t_key->text().toInt(); }
    QList<int> grid_keys() const {
        QList<int> keys;
        RecordSet* rs = window->Data1();
        for (int r = 0; r < rs->record_count(); ++r) keys << rs->key_at(r).toInt();
        return keys;
    }
    std::unique_ptr<f_main> window;
};

// Types `text` into a combo box's field and leaves it for `next`, as Tab does.
inline void type_and_leave(QComboBox* box, const QString& text, QWidget* next) {
    box->setFocus();
    box->setEditText(text);
    next->setFocus(Qt::TabFocusReason);
}

// A click on the row selector of `row`, with Ctrl or Shift held when asked.
inline void click_selector(f_main& w, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QHeaderView* selectors = w.list->grid->verticalHeader();
    const QPoint at(selectors->width() / 2, selectors->sectionViewportPosition(row) + selectors->sectionSize(row) / 2);
    QTest::mouseClick(selectors->viewport(), Qt::LeftButton, modifiers, at);
}
