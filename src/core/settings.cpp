#include "settings.h"

#include <QSettings>

// Qt keeps keys that belong to no group in the file's [General] section, and reads a section
// written as [general] (any letter case) into the same place: the program's section "general"
// is therefore the top level of the store. Keys under an explicit "general/" group (which Qt
// writes as [%General]) are read too, so that a store written either way works.

QString get_setting(const QString& key) {
    const QSettings s(QStringLiteral("Sentara"), QStringLiteral("Sentara"));
    if (s.status() != QSettings::NoError) return QString();
    const QVariant v = s.value(key);
    if (v.isValid()) return v.toString();
    return s.value(QStringLiteral("general/") + key).toString();
}

void save_setting(const QString& key, const QString& value) {
    QSettings s(QStringLiteral("Sentara"), QStringLiteral("Sentara"));
    s.setValue(key, value);
    s.remove(QStringLiteral("general/") + key);
    s.sync();
}
