#include "ui/CoreTexts.h"

#include <QCoreApplication>

namespace dravino
{

namespace
{
// The texts as core/ writes them, listed here for Qt's translation tools;
// tst_language checks that every one of them has its translation.
[[maybe_unused]] const char *const kTexts[] = {
    QT_TRANSLATE_NOOP("core", "Tipo non corrispondente"),
    QT_TRANSLATE_NOOP("core", "Overflow"),
    QT_TRANSLATE_NOOP("core", "Made in BULGARIA"),
    QT_TRANSLATE_NOOP("core", "Made in CHINA"),
    QT_TRANSLATE_NOOP("core", "Made in MALAYSIA"),
    QT_TRANSLATE_NOOP("core", "Made in MESSICO"),
    QT_TRANSLATE_NOOP("core", "Made in POLONIA"),
    QT_TRANSLATE_NOOP("core", "Made in KOREA"),
    QT_TRANSLATE_NOOP("core", "Made in REP. DOMINICANA"),
    QT_TRANSLATE_NOOP("core", "Made in SCONOSCIUTO"),
    QT_TRANSLATE_NOOP("core", "per GPL"),
    QT_TRANSLATE_NOOP("core", "per CNG (Metano)"),
};
} // namespace

QString coreText(const char *text)
{
    return QCoreApplication::translate("core", text);
}

} // namespace dravino
