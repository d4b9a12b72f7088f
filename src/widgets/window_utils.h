#pragma once

#include "core/common.h"

class QWidget;

// Window placement and sizes in twips.
void center_window(QWidget& window, const ScreenArea& area = primary_screen_area());
int inner_width(const QWidget& window);
int inner_height(const QWidget& window);
