#pragma once

#include <QWidget>

struct AppContext;
class Ui;
class QPlainTextEdit;
class QPushButton;

// The text window: a long, read-only, scrollable text in a fixed-pitch font with an OK button.
// It is not modal; OK or Esc closes it, and it deletes itself when closed.
//
// Showing a report, it offers "Save as..." beside a Close button.
class f_msgbox : public QWidget {
    Q_OBJECT
public:
    explicit f_msgbox(AppContext& ctx, QWidget* parent = nullptr);
    f_msgbox(Ui& ui, const QString& text, bool report, QWidget* parent = nullptr);

    // Shows `text` in place of the one shown so far.
    void load_text(const QString& text);
    // Positions the controls from the window's size; keeps the window at least 2000 twips high.
    void set_layout();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Text1_Change();
    void b_save_as_Click();

    Ui& ui_;
    QPlainTextEdit* Text1;
    QPushButton* b_ok;
    QPushButton* b_save_as = nullptr;
    QWidget* pic_adjust;
    QString shown_text_;  // the text as Text1 holds it, to put back after any change
};

// Stores `text` in text_window_text and shows it in the text window under `title`, not modal.
// A text window already open is reused.
void show_text_window(AppContext& ctx, const QString& text, const QString& title);
