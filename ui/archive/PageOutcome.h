#pragma once
// Where a page went, as a record keeps it, from its print job's outcome.

#include "archive/CheckRecord.h"
#include "print/Delivery.h"

#include <optional>

namespace dravino {

// Where the page went; nothing where it was given up (the program closed).
std::optional<PageDestination> destinationOf(const PrintOutcome &outcome);

} // namespace dravino
