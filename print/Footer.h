#pragma once
// The footer both printed documents end with: the program's name, the
// author, the maker's web address where the build gives one, and the date
// and time of the print.

#include <QDateTime>
#include <QString>

namespace dravino {

class PrintSurface;

inline const QString kProgramName = QStringLiteral("Dravino");
inline const QString kFooterAuthor = QStringLiteral("Laboratorio Dravino");

// The date and time as the user's locale writes them, with the whole year.
QString printDateTime(const QDateTime &now);
QString printDate(const QDate &day);
// The whole footer as one text, for measuring; web the maker's page (empty: none).
QString footerText(const QDateTime &now, const QString &web);
// Prints the footer from the current position, in 9 pt, and ends the line;
// leaves the surface black, neither bold nor italic.
void printFooter(PrintSurface &surface, const QDateTime &now, const QString &web);

} // namespace dravino
