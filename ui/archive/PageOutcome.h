#pragma once
// Where a page went, as a record keeps it, from its print job's outcome.

#include "archive/CheckKeeper.h"
#include "archive/CheckRecord.h"
#include "print/Delivery.h"

#include <optional>

class QWidget;

namespace dravino {

class Platform;

// What a check's keeper tells the technician: under the archive's title,
// from the main window of window (which may be gone by then).
CheckKeeper::Tell archiveTeller(Platform &platform, QWidget *window);

// Where the page went; nothing where it was given up (the program closed).
std::optional<PageDestination> destinationOf(const PrintOutcome &outcome);

} // namespace dravino
