#pragma once
// A certificate's number and what a record keeps of the page it numbers.
//
// On a shared server the number is the server's sequence, the same for
// every bench ("124"). A bench with its own archive file, or whose server
// cannot be reached, marks its numbers with its own code and counts them
// itself ("7F3A9C-12"): the code is drawn once, at random, with the first
// number, so that two benches (or a bench whose settings were lost) never
// give the same one. A number is kept as printed, on the server too. A
// server that answers but gives no number is told, and the page does not go.

#include "base/InstrumentUsed.h"
#include "archive/CheckRecord.h"
#include "print/Workshop.h"

#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace dravino {

class ArchiveService;
class Platform;

// then hears the number; an empty one where none came (told already).
void reserveCertificate(Platform &platform, QWidget *window, ArchiveService *archive, QObject *context,
                        std::function<void(const QString &number)> then);
// The next number of this bench's own; empty (and why) where the settings
// cannot keep its counter.
QString benchCertificate(QString *why);

// The workshop's identity as the page carries it, its logo scaled to what
// the page needs; and the page's identity again from it.
IdentityPrinted identityOf(const PageFrame &frame);
PageFrame frameOf(const IdentityPrinted &identity, const QString &web);

} // namespace dravino
