#pragma once
// The workshop's identity (name, address, phone, e-mail, logo), printed in
// a band above a page's own content: the room between the printable area's
// top and the page's first line (400 twips), two lines and the logo at its
// right. Texts too long for it wrap within the band; what does not fit
// there ends in "...", never over the page's content.

#include <QImage>
#include <QString>
#include <QStringList>

namespace dravino {

class PrintSurface;

struct Workshop {
    QString name, address, phone, email;
    QString logo;         // a picture file: PNG, JPEG or SVG
    bool askJob = false;  // each sheet asks for customer, vehicle, job and operator
    bool hasIdentity() const { return !name.isEmpty() || !address.isEmpty() || !phone.isEmpty() || !email.isEmpty() || !logo.isEmpty(); }
};

// What every page of the program carries besides its own content.
struct PageFrame {
    Workshop workshop;
    QImage logo;  // the workshop's logo, read (null: none, or it could not be)
    QString web;  // the maker's web page, in the footer (empty: none)
};

namespace workshopband {
inline constexpr double kBottom = 380; // the page's own content starts at 400
inline constexpr double kLeft = 950;
inline constexpr double kRight = 11100;
inline constexpr double kLogoWidth = 1700;
} // namespace workshopband

// The band, where the workshop has anything to show, and the document's
// own lines at its right (its title, number, date, page); leaves the
// surface black, not bold.
void printWorkshopBand(PrintSurface &surface, const PageFrame &frame, const QStringList &right = {});

// The logo file as a picture, at most a few hundred pixels high; null and
// why (missing, unreadable, too large, not a picture) when it cannot be.
QImage readLogo(const QString &path, QString *why);

// text on lines from the current position to right, none below bottom; the
// last one that fits ends in "..." where text goes on. Returns the lines printed.
int printWrapped(PrintSurface &surface, const QString &text, double right, double bottom);

} // namespace dravino
