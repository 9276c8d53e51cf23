#include "ui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <functional>
#include <memory>

namespace dravino
{

namespace
{
// The application owns its translators, one per slot (an object name):
// replaces the one in slot by one loaded by load; none when it fails.
bool replaceTranslator(const QString &slot, const std::function<bool(QTranslator &)> &load)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (auto *old = app->findChild<QTranslator *>(slot, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        std::unique_ptr<QTranslator> gone(old);
    }
    auto translator = std::make_unique<QTranslator>();
    if (!load(*translator))
        return false;
    translator->setObjectName(slot);
    translator->setParent(app);
    QCoreApplication::installTranslator(translator.release());
    return true;
}

const QString kQtSlot = QStringLiteral("qtTranslator");
const QString kProgramSlot = QStringLiteral("dravinoTranslator");

// Qt's own texts (dialog buttons, context menus) in the language.
void installQtTranslations(const QLocale &language)
{
    replaceTranslator(kQtSlot, [&](QTranslator &t) {
        return t.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
}
} // namespace

Language chooseLanguage(const QStringList &arguments, const QStringList &uiLanguages)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            value = arguments[i + 1];
        else if (arguments[i].startsWith(QLatin1String("--lang=")))
            value = arguments[i].mid(7);
        if (value == QLatin1String("en"))
            return Language::English;
        if (value == QLatin1String("it"))
            return Language::Italian;
    }
    const QString first = uiLanguages.value(0);
    return first == QLatin1String("en") || first.startsWith(QLatin1String("en-")) ||
                   first.startsWith(QLatin1String("en_"))
               ? Language::English
               : Language::Italian;
}

void applyLanguage(Language language)
{
    if (language == Language::Italian) {
        const QLocale italian(QLocale::Italian, QLocale::Italy);
        QLocale::setDefault(italian);
        // The sources are Italian; what they cannot say alone is their plural forms.
        replaceTranslator(kProgramSlot, [](QTranslator &t) { return t.load(QStringLiteral(":/i18n/dravino_it.qm")); });
        installQtTranslations(italian);
        return;
    }
    const QLocale system = QLocale::system();
    const QLocale english =
        system.language() == QLocale::English ? system : QLocale(QLocale::English, QLocale::UnitedStates);
    QLocale::setDefault(english);
    replaceTranslator(kProgramSlot,
                      [](QTranslator &t) { return t.load(QStringLiteral(":/i18n/dravino_en.qm")); });
    replaceTranslator(kQtSlot, [](QTranslator &) { return false; }); // Qt's own texts are English
}

} // namespace dravino
