#pragma once

#include <QMainWindow>

struct AppContext;

// The main window.
class f_main : public QMainWindow {
    Q_OBJECT
public:
    explicit f_main(AppContext& ctx, QWidget* parent = nullptr);
    ~f_main() override;

    void uscita();

private:
    AppContext& ctx_;
};
