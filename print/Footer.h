#pragma once
// The footer both printed documents end with: the program's name, the
// author, the web address and the date and time of the print.

#include <QDateTime>
#include <QString>

namespace dravino {

class PrintSurface;

inline const QString kProgramName = QStringLiteral("Dravino");
inline const QString kFooterAuthor = QStringLiteral("Laboratorio Dravino");
// The maker's web page: printed in the footer, opened by the window's logo.
inline const QString kMakerWebAddress = QStringLiteral("https://dravino.example.com/");

// The date and time as the user's locale writes them.
QString printDateTime(const QDateTime &now);
// The whole footer as one text, for measuring.
QString footerText(const QDateTime &now);
// Prints the footer from the current position, in 9 pt, and ends the line;
// leaves the surface black, neither bold nor italic.
void printFooter(PrintSurface &surface, const QDateTime &now);

} // namespace dravino
