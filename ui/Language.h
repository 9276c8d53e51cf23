#pragma once
// Qt's own texts (dialog buttons, a field's context menu, the list's
// completer) in the window's language, from Qt's translation files.

class QLocale;

namespace dravino {

// Installs Qt's translation for the language once per program; false when
// the translation file is missing (Qt then speaks English).
bool installQtTranslations(const QLocale &language);

} // namespace dravino
