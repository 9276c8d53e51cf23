#pragma once
// A certificate's number, taken when its page is handed over or saved.
//
// On a shared server the number is the server's sequence, the same for
// every bench ("124"). A bench with its own archive file, or whose server
// cannot be reached (or is one the bench may only read), marks its numbers
// with its own code and counts them itself ("7F3A9C-12"): the code is drawn
// once, at random, with the first number, so that two benches (or a bench
// whose settings were lost) never give the same one. The bench's counter
// is read and written in one step under a lock file, so that two programs
// on one bench never give the same number either. A number is kept as
// printed, on the server too.

#include <QString>
#include <functional>

class QObject;

namespace dravino {

class ArchiveService;

struct CertificateNumber {
    QString number;      // empty: none could be had
    QString why;         // ... why not, in words
    bool ofTheBench = false; // numbered by the bench, its server away or read-only
};

// The next number of this bench's own (counter in its own file beside the
// settings, taken under a lock); empty, with why, where it cannot be kept.
CertificateNumber benchCertificate();

// A number for the page about to go: the server's where archive is one that
// answers and takes writes, else the bench's; then comes on context's thread.
void reserveCertificate(ArchiveService *archive, QObject *context, std::function<void(const CertificateNumber &)> then);

} // namespace dravino
