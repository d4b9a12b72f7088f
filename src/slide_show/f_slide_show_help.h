#pragma once

#include <QDialog>

struct AppContext;
class QCheckBox;
class QLabel;
class QPushButton;

// The keys of the slide show, shown before it starts unless the user asked not to see them
// again. Modal over the show, which waits for it to close; it deletes itself when closed.
class f_slide_show_help : public QDialog {
    Q_OBJECT
public:
    // `interval_ms`: the show's interval, told in seconds.
    f_slide_show_help(AppContext& ctx, int interval_ms, QWidget* parent = nullptr);

    QLabel* l_help = nullptr;
    QCheckBox* c_dont_show_anymore = nullptr;
    QPushButton* b_OK = nullptr;

    void done(int result) override;

private:
    AppContext& ctx_;
};
