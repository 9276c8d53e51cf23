#pragma once
// What a record keeps of the page that carried it: the workshop's identity
// as printed, and the page's identity again from it.

#include "archive/CheckRecord.h"
#include "print/Workshop.h"

namespace dravino {

// The workshop's identity as the page carries it, its logo scaled to what
// the page needs; and the page's identity again from it.
IdentityPrinted identityOf(const PageFrame &frame);
PageFrame frameOf(const IdentityPrinted &identity, const QString &web);

} // namespace dravino
