#include "ui/PrintBox.h"

#include "core/PrintRange.h"
#include "print/PrintSurface.h"
#include "print/Delivery.h"
#include "print/Spreadsheet.h"
#include "print/ValueTable.h"
#include "ui/Build.h"
#include "ui/CalculatorModel.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/printjob/PageSender.h"
#include "ui/dialogs/InstrumentDialog.h"
#include "ui/dialogs/WorkshopDialog.h"
#include "ui/printjob/PrintMenu.h"

#include <QLocale>

namespace dravino {

namespace {

const char *const kValuesSuffix = QT_TRANSLATE_NOOP("dravino::PrintBox", " valori di stampa");
const char *const kRangeTitle = QT_TRANSLATE_NOOP("dravino::PrintBox", "Intervallo di valori");
const char *const kNotPlausible = QT_TRANSLATE_NOOP("dravino::PrintBox", "Valore non plausibile  ");
const char *const kPrintRangeTitle = QT_TRANSLATE_NOOP("dravino::PrintBox", "Stampa intervallo di valori");
constexpr int kMillivoltToLimit = 4900;

} // namespace

PrintBox::PrintBox(CalculatorModel &calculator, Platform &platform, QWidget *parent)
    : QGroupBox(parent), m_calc(calculator), m_platform(platform)
{
    setObjectName(QStringLiteral("fraStampa"));
    setTitle(tr("Stampa"));
    place(this, 4200, 3120, 3015, 2295);
    setFont(calibri(12, true));
    setToolTip(tr("Stampa al massimo 135 valori"));

    labels[0] = makeLabel(this, elementName("lblLabel", 5), {300, 360, 555, 315}, tr("da..."), arial(11.25));
    labels[0]->setToolTip(tr("stampa dal valore..."));
    labels[1] = makeLabel(this, elementName("lblLabel", 6), {1200, 360, 435, 315}, tr("a"), arial(11.25));
    labels[1]->setToolTip(tr("... al valore"));
    labels[2] = makeLabel(this, elementName("lblLabel", 7), {2160, 360, 645, 315}, tr("step"), arial(11.25));
    labels[2]->setToolTip(tr("intervallo tra i valori stampati"));
    txtStampaDa = makeTextBox(this, QStringLiteral("txtStampaDa"), {240, 660, 735, 405}, QStringLiteral("500"), calibri(12), 4);
    txtStampaDa->setToolTip(tr("millivolt o pressione"));
    txtStampaA = makeTextBox(this, QStringLiteral("txtStampaA"), {1080, 660, 735, 405}, QStringLiteral("2500"), calibri(12), 4);
    txtStampaA->setToolTip(tr("millivolt o pressione"));
    txtStep = makeTextBox(this, QStringLiteral("txtStep"), {2160, 660, 615, 405}, QStringLiteral("20"), calibri(12), 3);
    txtStep->setToolTip(tr("a passi da..."));
    optStampa[0] = makeOption(this, elementName("optStampa", 0), {1530, 1290, 1215, 270}, tr("millivolt"), arial(11.25));
    optStampa[0]->setToolTip(tr("Da valore in mVolt a pressione"));
    optStampa[1] = makeOption(this, elementName("optStampa", 1), {1530, 1590, 1430, 270}, tr("pressione"), arial(11.25));
    optStampa[1]->setToolTip(tr("Da valore di pressione a mVolt"));
    optStampa[0]->setChecked(true);
    cmdStampa = makeButton(this, QStringLiteral("cmdStampa"), {240, 1320, 1035, 420}, tr("Stampa"), arial(11.25, true));
    cmdStampa->setToolTip(tr("Stampa 135 valori max"));
    lblValStampa = makeLabel(this, QStringLiteral("lblValStampa"), {240, 1980, 1935, 255}, QStringLiteral("0") + tr(kValuesSuffix), arial(9), Qt::AlignLeft);

    nameAfter(txtStampaDa, labels[0], tr("Stampa da"));
    nameAfter(txtStampaA, labels[1], tr("Stampa fino a"));
    nameAfter(txtStep, labels[2], tr("Passo"));

    for (int i = 0; i < 2; ++i)
        connect(optStampa[i], &QRadioButton::clicked, this, [this, i] { optStampa_Click(i); });
    connect(cmdStampa, &QPushButton::clicked, this, [this] { cmdStampa_Click(); });
    m_sender = std::make_unique<PageSender>(m_platform, cmdStampa, tr("Stampa valori di pressione/tensione"), false);
    new PrintMenu(m_platform, cmdStampa,
                  {[this] { sendTable(Destination::DefaultPrinter); }, [this] { sendTable(Destination::Preview); },
                   [this](const QString &printer) { sendTable(Destination::Printer, printer); },
                   [this] { sendTable(Destination::Pdf); }, [this](ExportKind kind) { exportTable(kind); }, {},
                   [this] { WorkshopDialog::edit(m_platform, window()); },
                   [this] { InstrumentDialog::choose(m_platform, window()); }});
    for (auto *field : {txtStampaDa, txtStampaA, txtStep})
        rangeField(field);
    for (int i = 0; i < 3; ++i)
        labels[i]->onMouseUp = [this, i] { emit headingReleased(5 + i, labels[i]->lastReleaseTime()); };
    // A two-output sensor has no table; a full scale chosen is the table's last value.
    connect(&m_calc, &CalculatorModel::familyChosen, this,
            [this](SensorType type) { setPrintingEnabled(type != SensorType::DensoTwoWay); });
    connect(&m_calc, &CalculatorModel::fullScaleChosen, this, [this](int bar) {
        setLastValue(QString::number(bar));
        CountPrintValues();
    });
}

void PrintBox::rangeField(TextBox *field)
{
    field->onGotFocus = [field] { field->selectWholeText(); };
    // Leaving a field recounts, an emptied one changes nothing.
    auto leave = [this, field] {
        if (!field->text().isEmpty())
            CountPrintValues();
    };
    field->onLostFocus = leave;
    field->onKeyPress = [leave](int &ch) {
        if (filterDigits(ch))
            leave();
    };
}

std::vector<std::pair<int, QWidget *>> PrintBox::tabOrder() const
{
    return {{12, txtStampaDa}, {13, txtStampaA}, {14, txtStep},
            {15, optStampa[0]}, {16, optStampa[1]}, {17, cmdStampa}};
}

void PrintBox::markStartDirection() { setBold(optStampa[0], true); }

void PrintBox::setPrinterTooltip(const PrinterName &printer) { m_sender->setPrinterTooltip(printer); }

void PrintBox::setLastValue(const QString &text) { txtStampaA->setText(text); }

void PrintBox::setPrintingEnabled(bool on)
{
    setEnabled(on);
    cmdStampa->setEnabled(on);
}

std::optional<int> PrintBox::CountPrintValues()
{
    const auto counted = countPrintValues(toAscii(txtStampaDa->text()), toAscii(txtStampaA->text()),
                                          toAscii(txtStep->text()), localeDecimalSeparator());
    if (!counted)
        return std::nullopt;
    const int n = *counted;
    if (n >= 0) {
        lblValStampa->setText(QString::number(n) + tr(kValuesSuffix));
        if (n <= kMaxPrintValues) {
            lblValStampa->setToolTip(QString());
            setTextColor(lblValStampa, kButtonText);
        } else {
            setTextColor(lblValStampa, QColor(255, 0, 0));
            lblValStampa->setToolTip(tr("Troppi valori da stampare. Max 135"));
        }
    }
    return n;
}

void PrintBox::optStampa_Click(int index)
{
    for (auto *opt : optStampa)
        setBold(opt, false);
    setBold(optStampa[index], true);
    if (index == 0) {
        txtStampaDa->setText(m_calc.voltageText());
        txtStampaA->setText(QStringLiteral("4500"));
    } else {
        txtStampaDa->setText(m_calc.pressureText());
        txtStampaA->setText(QString::number(m_calc.fullScale()));
    }
    CountPrintValues();
}

void PrintBox::refuse(const QString &text, const QString &title, MessageIcon icon, QWidget *focus)
{
    m_platform.message(window(), text, title, icon);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void PrintBox::cmdStampa_Click()
{
    sendTable(Destination::DefaultPrinter);
}

std::optional<ValueTableInput> PrintBox::checkedTable()
{
    const bool millivolt = optStampa[0]->isChecked();
    m_calc.setDirection(millivolt ? ConversionDirection::MillivoltToPressure
                                  : ConversionDirection::PressureToMillivolt);
    // Each field must hold a whole number of 16 bits; Step at least 1.
    for (TextBox *field : {txtStampaDa, txtStampaA, txtStep}) {
        const auto v = readInt16(field->text());
        if (!v.ok() || (field == txtStep && v.value < 1)) {
            refuse(tr(kNotPlausible), tr(kRangeTitle), MessageIcon::Information, field);
            return std::nullopt;
        }
    }
    return PrintValueTable(readInt16(txtStampaDa->text()).value, readInt16(txtStampaA->text()).value,
                           readInt16(txtStep->text()).value);
}

std::optional<ValueTableInput> PrintBox::PrintValueTable(int from, int to, int step)
{
    const bool millivolt = optStampa[0]->isChecked();
    const QString fromText = txtStampaDa->text();
    const int savedFrom = readInt16(fromText).valueOr(from);
    const auto counted = CountPrintValues();
    if (!counted) {
        refuse(tr(kNotPlausible), tr(kRangeTitle), MessageIcon::Information, txtStep);
        return std::nullopt;
    }
    const int n = *counted;
    const QString fullScale = QString::number(m_calc.fullScale());
    const auto info = MessageIcon::Information;
    const auto warn = MessageIcon::Exclamation;
    if ((millivolt && to > kMillivoltToLimit) || (!millivolt && to > m_calc.fullScale())) {
        refuse(tr("Valore di fine stampa fuori scala "), tr("Parametro di stampa"), info, txtStampaA);
        return std::nullopt;
    }
    if (n < 0) {
        refuse(tr("Intervallo di valori stampabili:\r\nsolo dal valore più basso verso quello più alto."),
               tr(kPrintRangeTitle), warn, txtStampaDa);
        return std::nullopt;
    }
    if (n == 0) {
        refuse(tr("Nessun valore da stampare."), tr(kPrintRangeTitle), warn, nullptr);
        return std::nullopt;
    }
    if (n > kMaxPrintValues) {
        refuse(tr("Troppi valori da stampare  (%1) .  Il massimo consentito è 135.\r\n"
                  "Diminuire l'intervallo di pressione/mVolt o lo Step di risoluzione.")
                   .arg(n),
               tr(kPrintRangeTitle), warn, nullptr);
        return std::nullopt;
    }

    // Each row is converted from its own value; the calculator's fields are
    // not touched. A row Calculate would warn about is told as it would be.
    PrintTable table;
    table.type = m_calc.family();
    table.fullScale = m_calc.fullScale();
    table.zeroMv = m_calc.zeroMv();
    table.direction = millivolt ? ConversionDirection::MillivoltToPressure : ConversionDirection::PressureToMillivolt;
    table.from = from;
    table.to = to;
    table.step = step;
    const auto rows = printRows(table);
    for (const PrintRow &r : rows)
        if (const auto said = calculatorWarning(r.warning))
            m_platform.message(window(), said->text, said->title, said->icon);

    txtStampaDa->setText(QString::number(savedFrom));
    lblValStampa->setText(QString::number(n) + tr(kValuesSuffix));
    m_what = tr("Tabella %1-%2 %3").arg(from).arg(to).arg(millivolt ? QStringLiteral("mV") : QStringLiteral("bar"));
    return ValueTableInput{fullScale,
                           millivolt,
                           valueTableRows(rows, fromText),
                           QDateTime::currentDateTime(),
                           CalculatorModel::familyName(m_calc.family()),
                           m_calc.zeroMv(),
                           family(m_calc.family()).nominalZeroMv,
                           {}};
}

void PrintBox::sendTable(Destination where, const QString &printer)
{
    // One page on its way at a time.
    if (m_sender->refuseWhileBusy())
        return;
    const auto table = checkedTable();
    if (!table)
        return;
    ValueTableInput input = *table;
    input.frame = pageFrame(m_platform, window());
    std::shared_ptr<PrintSurface> page = m_platform.newPage();
    printValueTable(*page, input);
    m_sender->route(where, page, m_what, fileNameFor(m_what) + QStringLiteral(".pdf"), printer);
}

void PrintBox::exportTable(ExportKind kind)
{
    const auto table = checkedTable();
    if (!table)
        return;
    const bool csv = kind == ExportKind::Csv;
    saveExport(m_platform, window(), kind, fileNameFor(m_what),
               [table = *table, csv, sep = csvSeparator()](QString *why) -> std::optional<QByteArray> {
                   if (csv)
                       return valueTableCsv(table, sep);
                   return xlsxFile(valueTableSheet(table), why);
               },
               csv ? tr("Tabella salvata nel file CSV %1") : tr("Tabella salvata nel foglio di calcolo %1"));
}

} // namespace dravino
