#include "ui/archive/PageOutcome.h"

#include "ui/Platform.h"
#include "ui/platform/Modal.h"

#include <QCoreApplication>
#include <QDir>

namespace dravino {

std::optional<PageDestination> destinationOf(const PrintOutcome &o)
{
    switch (o.kind) {
    case PrintOutcome::Printed:
        return PageDestination{PageDestination::Printer, o.device};
    case PrintOutcome::Held:
        return PageDestination{PageDestination::Held, o.device};
    case PrintOutcome::SavedToFile:
        return PageDestination{PageDestination::File, QDir::toNativeSeparators(o.file)};
    case PrintOutcome::Unconfirmed:
        return PageDestination{PageDestination::NotConfirmed, o.device, o.job};
    case PrintOutcome::Sent: // handed over, and nothing heard of it since
        return PageDestination{PageDestination::NotConfirmed, o.device};
    case PrintOutcome::Failed:
        return PageDestination{};
    case PrintOutcome::Abandoned:
        break;
    }
    return std::nullopt;
}

CheckKeeper::Tell archiveTeller(Platform &platform, QWidget *window)
{
    return [&platform, window](const QString &said) {
        platform.message(mainWindowOf(window), said, QCoreApplication::translate("dravino::CheckRecorder", "Archivio prove"),
                         MessageIcon::Exclamation);
    };
}

} // namespace dravino
