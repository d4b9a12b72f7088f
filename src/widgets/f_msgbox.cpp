#include "f_msgbox.h"

#include "core/app_context.h"
#include "core/common.h"
#include "core/help.h"
#include "core/settings.h"
#include "core/ui.h"
#include "window_utils.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int min_height = 2000;  // twips
constexpr int margin = 90;        // above the text, between text and button, below the button
constexpr int side_margins = 300;
constexpr int button_width = 1500;
constexpr int button_height = 300;

int to_pixels_up(int twips) { return (twips + twips_per_pixel - 1) / twips_per_pixel; }

// Courier New where it is installed, else the system's fixed-pitch font.
QFont fixed_pitch_font() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontDatabase::families().contains(QStringLiteral("Courier New"), Qt::CaseInsensitive))
        font.setFamily(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

}  // namespace

f_msgbox::f_msgbox(AppContext& ctx, QWidget* parent) : f_msgbox(ctx.ui, ctx.text_window_text, false, parent) {}

f_msgbox::f_msgbox(Ui& ui, const QString& text, bool report, QWidget* parent) : QWidget(parent, Qt::Window), ui_(ui) {
    setObjectName(QStringLiteral("f_msgbox"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(application_title());
    setMinimumHeight(to_pixels_up(min_height));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(fixed_pitch_font());
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setReadOnly(true);
    // A caret, so that the text can be scrolled and selected with the keyboard.
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->installEventFilter(this);
    // A screen reader names the text by the window's title (what it is: the version history, ...).
    connect(this, &QWidget::windowTitleChanged, Text1, &QWidget::setAccessibleName);

    b_ok = new QPushButton(report ? tr("&Close") : tr("OK"), this);
    b_ok->setObjectName(QStringLiteral("b_ok"));
    b_ok->setDefault(true);
    b_ok->installEventFilter(this);
    connect(b_ok, &QPushButton::clicked, this, &QWidget::close);
    if (report) {
        b_save_as = new QPushButton(tr("&Save as..."), this);
        b_save_as->setObjectName(QStringLiteral("b_save_as"));
        b_save_as->installEventFilter(this);
        connect(b_save_as, &QPushButton::clicked, this, &f_msgbox::b_save_as_Click);
    }

    // The strip below the button that keeps the bottom margin free.
    pic_adjust = new QWidget(this);
    pic_adjust->setObjectName(QStringLiteral("pic_adjust"));

    load_text(text);
    connect(Text1, &QPlainTextEdit::textChanged, this, &f_msgbox::Text1_Change);
    setFocusProxy(Text1);

    // Wide enough for the longest history line, and a good part of the screen high.
    const QFontMetrics metrics(Text1->font());
    int width = metrics.horizontalAdvance(QString(112, u'-')) + to_pixels(side_margins) + 40;
    int height = metrics.lineSpacing() * 34 + to_pixels(3 * margin + button_height) + 20;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
        height = std::min(height, screen->availableGeometry().height() * 8 / 10);
    }
    resize(width, std::max(height, to_pixels_up(min_height)));
    set_layout();
}

void f_msgbox::load_text(const QString& text) {
    const QSignalBlocker quiet(Text1);
    Text1->setPlainText(text);
    // Compared as Text1 gives it back, which turns CR LF into LF.
    shown_text_ = Text1->toPlainText();
}

void f_msgbox::Text1_Change() {
    if (Text1->toPlainText() == shown_text_) return;
    const int scrolled = Text1->verticalScrollBar()->value();
    load_text(shown_text_);
    Text1->verticalScrollBar()->setValue(scrolled);
}

void f_msgbox::b_save_as_Click() {
    const QString last = get_setting(QStringLiteral("last_report_path"));
    const QString path = ui_.save_file(tr("Save the text as"), tr("Text (*.txt)|*.txt"),
                                       folder_of(last), QStringLiteral("report.txt"));
    if (path.trimmed().isEmpty()) return;
    save_setting(QStringLiteral("last_report_path"), path);
    QSaveFile file(path);
    const QByteArray bytes = Text1->toPlainText().toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        ui_.message(tr("The file '%1' cannot be written: %2").arg(path, file.errorString()), Ui::icon_exclamation);
}

void f_msgbox::set_layout() {
    if (isMinimized()) return;
    if (inner_height(*this) < min_height) {
        resize(width(), to_pixels_up(min_height));  // comes back through resizeEvent
        return;
    }
    const int w = inner_width(*this);
    const int h = inner_height(*this);
    const int text_width = std::max(w - side_margins, 0);
    const int text_height = std::max(h - margin - margin - button_height - margin, 0);
    Text1->setGeometry(to_pixels((w - text_width) / 2), to_pixels(margin), to_pixels(text_width),
                       to_pixels(text_height));
    const int button_top = margin + text_height + margin;
    // One button in the middle; with "Save as..." the two side by side.
    const int buttons = b_save_as ? 2 : 1;
    const int left = (w - buttons * button_width - (buttons - 1) * margin) / 2;
    b_ok->setGeometry(to_pixels(left + (buttons - 1) * (button_width + margin)), to_pixels(button_top),
                      to_pixels(button_width), to_pixels(button_height));
    if (b_save_as)
        b_save_as->setGeometry(to_pixels(left), to_pixels(button_top), to_pixels(button_width), to_pixels(button_height));
    const int strip_top = button_top + button_height;
    pic_adjust->setGeometry(0, to_pixels(strip_top), width(), std::max(height() - to_pixels(strip_top), 0));
}

void f_msgbox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    set_layout();
}

void f_msgbox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // On activation the text takes the focus, ready to be scrolled with the keyboard.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Text1->setFocus(Qt::ActiveWindowFocusReason);
}

bool f_msgbox::eventFilter(QObject* watched, QEvent* event) {
    // Esc closes the window whichever control has the focus.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void show_text_window(AppContext& ctx, const QString& text, const QString& title) {
    ctx.text_window_text = text;
    f_msgbox* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* open = qobject_cast<f_msgbox*>(w); open && open->isVisible()) window = open;
    if (window) {
        window->load_text(ctx.text_window_text);
        window->raise();
    } else {
        window = new f_msgbox(ctx);
        center_window(*window);
    }
    window->setWindowTitle(title);
    window->show();
    window->activateWindow();
}
