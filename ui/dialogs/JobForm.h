#pragma once
// The job's form of a scale sheet, asked after the sensor's code where the
// workshop has switched it on: customer, vehicle (plate or VIN), job number
// and operator, all optional. What is proposed (the last sheet's, the
// operator remembered) is selected, so that typing replaces it; Annulla
// prints nothing, as on the code prompt.

#include "base/JobData.h"

#include <QDialog>

class QLineEdit;

namespace dravino {

class JobForm final : public QDialog
{
    Q_OBJECT
public:
    JobForm(const JobData &proposed, QWidget *parent);
    Q_DISABLE_COPY_MOVE(JobForm)

    JobData job() const;

private:
    QLineEdit *m_customer = nullptr;
    QLineEdit *m_vehicle = nullptr;
    QLineEdit *m_job = nullptr;
    QLineEdit *m_operator = nullptr;
};

} // namespace dravino
