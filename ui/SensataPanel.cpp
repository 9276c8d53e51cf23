#include "ui/SensataPanel.h"

#include "core/Sensata.h"
#include "ui/Build.h"
#include "ui/CoreTexts.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPixmap>

namespace dravino {

namespace {
// The heading counts characters as the user sees them: an emoji is one.
void showLength(QLabel *heading, const QString &text)
{
    const QString caption = QCoreApplication::translate("dravino::SensataPanel", "Numero sul sensore (%1)")
                                .arg(text.toUcs4().size());
    heading->setText(caption);
    // A long paste gives a long count: the heading steps its size down
    // rather than lose the count at its right edge.
    QFont font = arial(11.25);
    while (font.pointSizeF() > 7 && QFontMetrics(font).horizontalAdvance(caption) > heading->contentsRect().width())
        font.setPointSizeF(font.pointSizeF() - 0.75);
    heading->setFont(font);
}

// "gio. 16/05/2013": the weekday abbreviated with one full stop (a locale
// whose abbreviation has its own gets no second one) and the date as the
// language writes it, the year in full; Italian keeps dd/mm/yyyy.
QString weekdayAndDate(const QDate &date, const QLocale &locale)
{
    QString day = locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
    while (day.endsWith(QLatin1Char('.')))
        day.chop(1);
    QString format = locale.language() == QLocale::Italian ? QStringLiteral("dd/MM/yyyy")
                                                             : locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return day + QStringLiteral(". ") + locale.toString(date, format);
}
} // namespace

SensataPanel::SensataPanel(Platform &platform, QWidget *parent) : QGroupBox(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("fraSensata"));
    setTitle(tr("Sensata explain"));
    setAccessibleName(title());
    setFont(arial(11.25, true));
    setAutoFillBackground(true);

    struct Caption {
        Twips at;
        const char *text;
        QFont font;
        Qt::Alignment align;
    };
    const Caption captions[] = {
        {{360, 600, 2505, 285}, QT_TR_NOOP("Numero sul sensore"), arial(11.25), Qt::AlignLeft},
        {{3240, 600, 825, 285}, QT_TR_NOOP("sigla"), arial(11.25), Qt::AlignLeft},
        {{4680, 600, 825, 285}, QT_TR_NOOP("sigla"), arial(11.25), Qt::AlignLeft},
        {{360, 1680, 2145, 285}, "", arial(12, true), Qt::AlignCenter},
        {{360, 2160, 2145, 285}, "", arial(12), Qt::AlignCenter},
        {{2640, 1680, 2625, 285}, QT_TR_NOOP("data di fabbricazione"), arial(12), Qt::AlignLeft},
        {{2640, 2160, 2625, 285}, QT_TR_NOOP("seriale:"), arial(12), Qt::AlignLeft},
        {{2640, 2640, 3105, 285}, "", arial(12), Qt::AlignLeft},
        {{2640, 3000, 2145, 285}, "", arial(12), Qt::AlignLeft},
    };
    for (int i = 0; i < 9; ++i)
        lblSensata[i] = makeLabel(this, elementName("lblSensata", i), captions[i].at,
                                  *captions[i].text ? tr(captions[i].text) : QString(), captions[i].font,
                                  captions[i].align);
    // The results are read with what they are.
    const std::pair<int, const char *> resultRoles[] = {{3, QT_TR_NOOP("Data di fabbricazione")},
                                                        {4, QT_TR_NOOP("Parte seriale")},
                                                        {7, QT_TR_NOOP("Paese di fabbricazione")},
                                                        {8, QT_TR_NOOP("Gas")}};
    for (const auto &[label, role] : resultRoles)
        lblSensata[label]->setAccessibleDescription(tr(role));
    setTextColor(lblSensata[3], kRed);
    setTextColor(lblSensata[7], kBlue);
    setTextColor(lblSensata[8], kDarkRed);

    txtSensataCode = makeTextBox(this, QStringLiteral("txtSensataCode"), {360, 960, 2415, 450}, QStringLiteral("13136421110"), arial(14.25), 0, Qt::AlignLeft);
    cboSensata[0] = makeList(this, elementName("cboSensata", 0), {3120, 960, 1095, 405}, arial(12, true));
    setTextColor(cboSensata[0], kBlue);
    cboSensata[1] = makeList(this, elementName("cboSensata", 1), {4560, 960, 1095, 405}, arial(12, true));
    setTextColor(cboSensata[1], kDarkRed);

    nameAfter(txtSensataCode, lblSensata[0]);
    // On Linux a list is named by its heading (the label relation), and both
    // headings read "sigla": they tell a screen reader which mark is which.
    nameAfter(cboSensata[0], lblSensata[1], tr("Sigla paese"));
    nameAfter(cboSensata[1], lblSensata[2], tr("Sigla gas"));
    lblSensata[1]->setAccessibleName(cboSensata[0]->accessibleName());
    lblSensata[2]->setAccessibleName(cboSensata[1]->accessibleName());

    cmdSensataBack = makeButton(this, QStringLiteral("cmdSensataBack"), {360, 3600, 1335, 420}, tr("Back"), arial(11.25, true));
    Picture3 = named(new QLabel(this), QStringLiteral("Picture3"), {2040, 3480, 2985, 2010});
    Picture3->setPixmap(picture(QStringLiteral("sensata")));
    Picture3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture3->setAccessibleName(tr("Logo Sensata"));
    cmdSensata = makeButton(this, QStringLiteral("cmdSensata"), {5280, 3600, 1335, 420}, tr("Calcola"), arial(11.25, true));

    connect(cmdSensata, &QPushButton::clicked, this, [this] { cmdSensata_Click(); });
    connect(cmdSensataBack, &QPushButton::clicked, this, &SensataPanel::backRequested);
    for (int i = 0; i < 2; ++i)
        connect(cboSensata[i], &QComboBox::activated, this, [this, i] { cboSensata_Click(i); });
    connect(txtSensataCode, &QLineEdit::textChanged, this,
            [this](const QString &text) { showLength(lblSensata[0], text); });
    txtSensataCode->onGotFocus = [this] { txtSensataCode->selectWholeText(); };
    txtSensataCode->onKeyPress = [this](int &ch) {
        if (isDigitKey(ch) || ch == vbkey::Back || ch == vbkey::CtrlC || ch == vbkey::CtrlV)
            return;
        const bool enter = ch == vbkey::Return;
        ch = 0;
        if (enter)
            cmdSensata_Click();
    };
}

std::vector<std::pair<int, QWidget *>> SensataPanel::tabOrder() const
{
    return {{90, txtSensataCode}, {91, cboSensata[0]}, {92, cboSensata[1]},
            {93, cmdSensata},     {94, cmdSensataBack}};
}

void SensataPanel::startFillCountryMarks()
{
    for (const char *mark : kCountryMarks)
        cboSensata[0]->addItem(QString::fromUtf8(mark));
    selectMark(0, 2);
}

void SensataPanel::startFillGasMarks()
{
    for (const char *mark : kGasMarks)
        cboSensata[1]->addItem(QString::fromUtf8(mark));
    cboSensata[1]->setCurrentIndex(-1);
}

void SensataPanel::selectMark(int list, int entry)
{
    cboSensata[list]->setCurrentIndex(entry);
    cboSensata_Click(list);
}

void SensataPanel::cboSensata_Click(int)
{
    lblSensata[7]->setText(coreText(countryText(cboSensata[0]->currentIndex())));
    const int gas = cboSensata[1]->currentIndex();
    if (gas >= 0 && gas < int(kGasTexts.size()))
        lblSensata[8]->setText(coreText(kGasTexts[std::size_t(gas)]));
}

void SensataPanel::cmdSensata_Click()
{
    const QString text = txtSensataCode->text();
    showLength(lblSensata[0], text);
    const auto d = decodeSensata(toAscii(text), m_platform.today().year());
    switch (d.outcome) {
    case SensataDecoding::Outcome::Date: {
        const QDate date(d.year, d.month, d.day);
        lblSensata[3]->setText(weekdayAndDate(date, QLocale()));
        lblSensata[4]->setText(QString::fromStdString(d.serial));
        break;
    }
    case SensataDecoding::Outcome::UnknownDate:
        m_platform.message(window(), tr("Valore data non conosciuto"),
                           tr("Verifica data"), MessageIcon::Information);
        break;
    case SensataDecoding::Outcome::Error:
        m_platform.message(window(),
                           tr("Errore %1  %2").arg(d.errorNumber).arg(coreText(d.errorDescription)),
                           tr("Calcolo data"), MessageIcon::Critical);
        break;
    }
    // The next code, typed or scanned, replaces this one.
    txtSensataCode->setFocus(Qt::OtherFocusReason);
    txtSensataCode->selectWholeText();
}

} // namespace dravino
