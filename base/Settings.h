#pragma once
// Dravino's settings file, ~/.config/Dravino/Dravino.conf: readable by the
// user alone from its first byte, and again after every rewrite, since it
// may hold an archive server's password.

#include <QString>
#include <QList>
#include <QVariant>
#include <utility>

namespace dravino {

QVariant settingsValue(const QString &key, const QVariant &fallback = {});
// Writes key (an empty value removes it); false when the file could not be
// written.
bool setSettingsValue(const QString &key, const QVariant &value);
// Several at once, one write of the file.
bool setSettingsValues(const QList<std::pair<QString, QVariant>> &values);
QString settingsFile();

} // namespace dravino
