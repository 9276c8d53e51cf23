#include "ui/CalculatorModel.h"

#include <QCoreApplication>

namespace dravino {

namespace {
// The texts are the main panel's, where they are shown first.
QString text(const char *source) { return QCoreApplication::translate("dravino::MainPanel", source); }
} // namespace

void CalculatorModel::chooseFamily(SensorType type)
{
    m_family = type;
    emit familyChosen(type);
}

void CalculatorModel::chooseFullScale(int bar)
{
    m_fullScale = bar;
    emit fullScaleChosen(bar);
}

QString CalculatorModel::familyName(SensorType type)
{
    static const char *const captions[] = {QT_TRANSLATE_NOOP("dravino::MainPanel", "Bosch / Delphi / Vdo"),
                                           QT_TRANSLATE_NOOP("dravino::MainPanel", "Denso 1 via"),
                                           QT_TRANSLATE_NOOP("dravino::MainPanel", "Denso 2 vie")};
    return text(captions[int(type)]);
}

std::optional<CalculatorWarning> calculatorWarning(RowWarning warning)
{
    switch (warning) {
    case RowWarning::MillivoltTooHigh:
        return CalculatorWarning{text(QT_TRANSLATE_NOOP("dravino::MainPanel", "Valore di milliVolt troppo alto.   ")),
                                 text(QT_TRANSLATE_NOOP("dravino::MainPanel", "milliVolt")), MessageIcon::Information};
    case RowWarning::PressureTooHigh:
        return CalculatorWarning{text(QT_TRANSLATE_NOOP("dravino::MainPanel", "Valore di pressione introdotto troppo alto.  ")),
                                 text(QT_TRANSLATE_NOOP("dravino::MainPanel", "Calcola pressione")), MessageIcon::Critical};
    case RowWarning::None:
        break;
    }
    return std::nullopt;
}

} // namespace dravino
