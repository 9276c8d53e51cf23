#pragma once
// What the technician writes of the job on a scale sheet: the customer, the
// vehicle (plate or VIN), the workshop's job number and the operator. Kept
// with the check, printed on its sheet.

#include <QString>

namespace dravino {

struct JobData {
    QString customer, vehicle, job, operatorName;
    bool isEmpty() const { return customer.isEmpty() && vehicle.isEmpty() && job.isEmpty() && operatorName.isEmpty(); }
    bool operator==(const JobData &) const = default;
};

} // namespace dravino
