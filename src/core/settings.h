#pragma once

#include <QString>

// Per-user settings: organisation and application "Sentara", group "general"
// (~/.config/Sentara/Sentara.conf on Linux). Every value is text; an absent key reads as empty.
QString get_setting(const QString& key);
void save_setting(const QString& key, const QString& value);
