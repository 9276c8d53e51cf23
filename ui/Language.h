#pragma once
// The window's language: Italian, or English for a user whose desktop
// prefers English. The program's texts come from Qt's translation files
// (the Italian texts are the sources), Qt's own texts (dialog buttons,
// context menus) from Qt's, and numbers and dates take the formats of the
// language shown.

#include <QStringList>

namespace dravino {

enum class Language { Italian, English };

// English where the first of the user's preferred languages is English,
// Italian in every other case; "--lang it|en" (or --lang=it|en) among the
// arguments decides over both.
Language chooseLanguage(const QStringList &arguments, const QStringList &uiLanguages);

// Installs the translations and the default QLocale for language; the
// formats of English are the system's where the system is English.
void applyLanguage(Language language);

} // namespace dravino
