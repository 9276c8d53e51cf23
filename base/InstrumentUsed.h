#pragma once
// The bench multimeter a check's readings came from, as libsigrok named it,
// and until when it is calibrated (the technician's word in Strumento...):
// kept with the check, printed on its sheet.

#include <QDate>
#include <QList>
#include <QString>

namespace dravino {

struct InstrumentUsed {
    bool known = false;         // false: an older record, which does not say
    QString vendor, model, serial;
    QDate calibratedUntil;      // invalid: not given
    QList<int> rows;            // the rows whose reading it gave; none: all typed by hand
    bool operator==(const InstrumentUsed &) const = default;
};

} // namespace dravino
