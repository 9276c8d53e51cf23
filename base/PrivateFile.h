#pragma once
// Files that may hold what a workshop keeps to itself (its archive, its
// settings): made for the user alone from their first byte.

#include <QString>

namespace dravino {

// Makes path, mode 0600, where nothing stands there; empty when it is there
// now, else why not, in words ("il disco è pieno", ...).
QString createPrivateFile(const QString &path);

} // namespace dravino
