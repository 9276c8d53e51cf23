#include "base/Settings.h"

#include "base/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>


namespace dravino {

namespace {
QSettings open() { return QSettings(QStringLiteral("Dravino"), QStringLiteral("Dravino")); }

void ownerOnly(const QString &path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
} // namespace

QString settingsFile() { return open().fileName(); }

QVariant settingsValue(const QString &key, const QVariant &fallback) { return open().value(key, fallback); }

bool setSettingsValue(const QString &key, const QVariant &value) { return setSettingsValues({{key, value}}); }

bool setSettingsValues(const QList<std::pair<QString, QVariant>> &values)
{
    const QString path = settingsFile();
    // A new file is the user's alone before anything is in it; Qt's rewrite
    // goes through a new file, which is made so again below.
    if (!QFileInfo::exists(path) && QDir().mkpath(QFileInfo(path).absolutePath()))
        createPrivateFile(path);
    QSettings s = open();
    for (const auto &[key, value] : values) {
        if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty()))
            s.remove(key);
        else
            s.setValue(key, value);
    }
    s.sync();
    ownerOnly(path);
    return s.status() == QSettings::NoError;
}

} // namespace dravino
