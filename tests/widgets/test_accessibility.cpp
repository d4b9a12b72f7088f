// Every window as a screen reader meets it: each control a person can reach or press has a name
// of words (a symbol such as the clear buttons' cross, or a combo box's current value, is no
// name), and the grids announce their column headers.
#include "collection/f_duplicates.h"
#include "collection/f_overview.h"
#include "import_export/f_export.h"
#include "import_export/f_import.h"
#include "main_window/main_window_fixture.h"
#include "reference/f_authors.h"
#include "reference/f_languages.h"
#include "reference/f_subjects.h"
#include "reference/f_websites.h"
#include "slide_show/f_slide_show.h"
#include "slide_show/f_slide_show_help.h"
#include "widgets/f_msgbox.h"
#include "widgets/qt_ui.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

bool has_words(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

bool interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::PageTabList:
        return true;
    default:
        return false;
    }
}

// The name a screen reader speaks for `iface`: its own, or that of the label it is labelled by.
// A combo box's "name" on Linux is its current value, so only a given name or a label counts.
QString spoken_name(QAccessibleInterface* iface, QWidget* w) {
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        if (label && has_words(label->text(QAccessible::Name))) return label->text(QAccessible::Name);
    if (iface->role() == QAccessible::ComboBox) return QString();
    return iface->text(QAccessible::Name);
}

// The controls of `window` without a name, as "objectName (role)"; its own title counts as well.
QStringList unnamed_controls(QWidget* window) {
    QStringList missing;
    if (auto* iface = QAccessible::queryAccessibleInterface(window); !iface || !has_words(iface->text(QAccessible::Name)))
        missing << window->objectName() + QStringLiteral(" (the window)");
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->isWindow()) continue;
        // The parts of a combo box or spin box are spoken as the box itself.
        bool part = false;
        for (QWidget* up = w->parentWidget(); up && up != window; up = up->parentWidget())
            part = part || qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractSpinBox*>(up);
        if (part || !w->isEnabled()) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        // A frame or picture that shows a hand under the mouse is clicked as a button is.
        const bool clickable = w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::PointingHandCursor;
        if (!iface || !(interactive(iface->role()) || clickable)) continue;
        if (!has_words(spoken_name(iface, w)))
            missing << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName()) +
                           QStringLiteral(" (role %1)").arg(int(iface->role()));
    }
    return missing;
}

// The grids of `window` whose columns a screen reader cannot name, as "grid: column".
QStringList unannounced_headers(QWidget* window) {
    QStringList missing;
    for (QTableView* grid : window->findChildren<QTableView*>()) {
        if (!grid->isVisibleTo(window) || !grid->model() || grid->model()->rowCount() == 0) continue;
        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
        if (!table) {
            missing << grid->objectName() + QStringLiteral(": no table");
            continue;
        }
        for (int c = 0; c < table->columnCount(); ++c) {
            if (grid->isColumnHidden(c)) continue;
            QAccessibleInterface* cell = table->cellAt(0, c);
            QAccessibleTableCellInterface* cell_table = cell ? cell->tableCellInterface() : nullptr;
            const auto headers = cell_table ? cell_table->columnHeaderCells() : QList<QAccessibleInterface*>();
            if (headers.isEmpty() || !has_words(headers.first()->text(QAccessible::Name)))
                missing << grid->objectName() + QStringLiteral(": column %1").arg(c);
        }
    }
    return missing;
}

void check(QWidget* window) {
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();
    const QStringList unnamed = unnamed_controls(window);
    QVERIFY2(unnamed.isEmpty(), qPrintable(window->objectName() + QStringLiteral(" has controls without a name: ") +
                                           unnamed.join(QStringLiteral(", "))));
    const QStringList headers = unannounced_headers(window);
    QVERIFY2(headers.isEmpty(), qPrintable(window->objectName() + QStringLiteral(" has columns without a header: ") +
                                           headers.join(QStringLiteral(", "))));
}

// How much `after` differs from `before`: the pixels that changed by a clearly visible amount.
int visibly_changed(const QImage& before, const QImage& after) {
    int changed = 0;
    for (int y = 0; y < std::min(before.height(), after.height()); ++y)
        for (int x = 0; x < std::min(before.width(), after.width()); ++x) {
            const QColor a = before.pixelColor(x, y), b = after.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) >= 96) ++changed;
        }
    return changed;
}

QPalette dark_palette() {
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    for (auto [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, window}, {QPalette::WindowText, text}, {QPalette::Base, base},
             {QPalette::AlternateBase, window}, {QPalette::Text, text}, {QPalette::Button, window},
             {QPalette::ButtonText, text}, {QPalette::Highlight, QColor(42, 130, 218)},
             {QPalette::HighlightedText, Qt::black}, {QPalette::Light, QColor(90, 90, 90)},
             {QPalette::Mid, QColor(40, 40, 40)}, {QPalette::Dark, QColor(25, 25, 25)}})
        p.setColor(role, colour);
    return p;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void every_window_names_its_controls() {
        MainWindowFixture f;
        save_setting("slide_show_help", "No");
        f.show();
        QAccessible::setActive(true);
        check(f.window.get());

        for (QWidget* reference : std::initializer_list<QWidget*>{new f_authors(*f.ctx), new f_subjects(*f.ctx),
                                                                   new f_languages(*f.ctx), new f_websites(*f.ctx)}) {
            QPointer<QWidget> alive(reference);
            check(reference);
            delete alive.data();
        }

        {
            QPointer<f_duplicates> duplicates = new f_duplicates(*f.ctx, f.window.get());
            duplicates->show();
            check(duplicates);
            delete duplicates.data();
            QPointer<f_overview> overview = new f_overview(*f.ctx, f.window.get());
            check(overview);
            delete overview.data();
        }
        {
            QPointer<f_import> import = new f_import(*f.ctx);
            check(import);
            delete import.data();
        }
        f.w().filters->b_export->click();
        QPointer<f_export> export_window = f.w().findChild<f_export*>();
        check(export_window);
        if (export_window) export_window->close();

        f.w().filters->b_slide_show->click();
        QPointer<f_slide_show> show = f.w().findChild<f_slide_show*>();
        check(show);
        if (show) show->close();
        QPointer<f_slide_show_help> help = new f_slide_show_help(*f.ctx, 10000, f.window.get());
        check(help);
        if (help) help->close();

        show_text_window(*f.ctx, QStringLiteral("Version history"), QStringLiteral("Sentara - Version history"));
        QPointer<f_msgbox> text_window;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<f_msgbox*>(w)) text_window = t;
        check(text_window);
        if (text_window) text_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The real message boxes (About, the questions): their buttons, spoken in the user's words.
    // The real message and input boxes (About, the questions, the slide show's interval).
    void message_and_input_boxes_name_their_controls() {
        QtUi ui;
        QStringList unnamed;
        int seen = 0;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || box->property("checked").toBool()) return;
            box->setProperty("checked", true);
            ++seen;
            unnamed << unnamed_controls(box);
            box->reject();
        });
        poll.start(20);
        ui.message(QStringLiteral("Sentara version 1.18"), Ui::ok_cancel | Ui::icon_question, QStringLiteral("About Sentara"));
        ui.input(QStringLiteral("New interval? (now = 10000 milliseconds)"), QString(), QString());
        QCOMPARE(seen, 2);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }
};

class TestFocus : public QObject {
    Q_OBJECT
private slots:
    // A field, a button and a combo box of the main window look different with the keyboard's
    // focus on them, in a light palette and in a dark one.
    void keyboard_focus_is_visible_in_light_and_dark() {
        const QPalette original = QApplication::palette();
        for (const bool dark : {false, true}) {
            QApplication::setPalette(dark ? dark_palette() : QApplication::style()->standardPalette());
            MainWindowFixture f;
            f.show();
            // As after a Tab key: the style marks the focus the keyboard moves (not a click's).
            f.w().setAttribute(Qt::WA_KeyboardFocusChange);
            QWidget* elsewhere = f.w().filters->t_key_selector;
            for (QWidget* w : std::initializer_list<QWidget*>{f.w().edit->t_note, f.w().filters->b_slide_show,
                                                               f.w().edit->cb_rate, f.w().list->grid}) {
                elsewhere->setFocus(Qt::TabFocusReason);
                QApplication::processEvents();
                const QImage before = w->grab().toImage();
                w->setFocus(Qt::TabFocusReason);
                QApplication::processEvents();
                QVERIFY(w->hasFocus());
                const QImage after = w->grab().toImage();
                // A mark of some length (a grid marks its current cell only).
                QVERIFY2(visibly_changed(before, after) >= 40,
                         qPrintable(w->objectName() + (dark ? QStringLiteral(" in the dark palette") : QString())));
            }
        }
        QApplication::setPalette(original);
    }
};

SENTARA_TESTS(TestAccessibility)
SENTARA_TESTS(TestFocus)
#include "test_accessibility.moc"
