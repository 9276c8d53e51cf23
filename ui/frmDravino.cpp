#include "ui/frmDravino.h"

#include "ui/Build.h"
#include "ui/MainPanel.h"
#include "ui/Platform.h"
#include "ui/PrintBox.h"
#include "ui/ScalePanel.h"
#include "ui/SensataPanel.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QShortcut>
#include <QThread>
#include <QTimer>

#include <algorithm>

using namespace dravino;

static void initPictures()
{
    Q_INIT_RESOURCE(pictures);
}

frmDravino::frmDravino() : m_ownPlatform(std::make_unique<DesktopPlatform>()), m_platform(*m_ownPlatform)
{
    Form_Load();
}

frmDravino::frmDravino(Platform &platform) : m_platform(platform) { Form_Load(); }

frmDravino::~frmDravino()
{
    if (m_printerLookup)
        m_printerLookup->wait();
}

void frmDravino::Form_Load()
{
    // 13, naming the printer, asks CUPS, which may take longer than the
    // whole start-up: a thread asks while the window is built and shown.
    askForPrinter();
    initPictures();
    setObjectName(QStringLiteral("frmDravino"));
    setWindowTitle(tr("Dravino 10/2024"));
    setWindowIcon(programIcon());
    setFixedSize(px(7920), px(5970));
    setFont(arial(9.75));

    fraMain = new MainPanel(m_platform, this);
    fraSecondary = new ScalePanel(m_platform, this);
    fraSensata = new SensataPanel(m_platform, this);
    connectHandlers();

    placeWindow();                              // 1
    fraMain->startSetZero();                    // 2
    fraMain->startSelectFamily();               // 3
    fraMain->startShowStartPicture();           // 4
    fraMain->startSelectResolution();           // 5
    fraMain->startMarkDefaults();               // 6, 7, 8
    fraMain->startFitFocusFrames();             // 9
    fraMain->startFillFullScales();             // 10
    fraSensata->startFillCountryMarks();        // 11
    fraSensata->startFillGasMarks();            // 12
    // 13 comes with the printer's answer: see askForPrinter().
    showPanel(fraMain);                         // 14

    auto order = fraMain->tabOrder();
    for (const auto &part : {fraSecondary->tabOrder(), fraSensata->tabOrder()})
        order.insert(order.end(), part.begin(), part.end());
    dravino::setTabOrder(order);
    // The first control in tab order takes the focus when the window shows.
    fraMain->txtMvolt1->setFocus();
}

void frmDravino::askForPrinter()
{
    m_printerLookup = QThread::create([this] { m_printer = m_platform.printer(); });
    m_printerLookup->setParent(this);
    connect(m_printerLookup, &QThread::finished, this, &frmDravino::namePrinter);
    m_printerLookup->start();
}

void frmDravino::namePrinter()
{
    if (m_printerNamed)
        return;
    m_printerLookup->wait(); // at once, unless a tooltip asks before the answer
    fraMain->setPrinterTooltip(m_printer);
    fraSecondary->setPrinterTooltip(m_printer);
    m_printerNamed = true;
}

bool frmDravino::eventFilter(QObject *watched, QEvent *e)
{
    // A tooltip asked for before the answer came waits for it.
    if (e->type() == QEvent::ToolTip && !m_printerNamed)
        namePrinter();
    return QWidget::eventFilter(watched, e);
}

void frmDravino::placeWindow()
{
    const QScreen *screen = QApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->geometry();
    const float left = float(avail.width() - width()) / 2.0f;
    const float top = float(avail.height() - height()) / 3.0f;
    move(avail.left() + int(left), avail.top() + int(top));
}

void frmDravino::connectHandlers()
{
    for (int i = 0; i < 8; ++i) {
        fraMain->lblLabel[i]->onMouseDown = [this, i] { lblLabel_MouseDown(i); };
        fraMain->lblLabel[i]->onMouseUp = [this, i] { lblLabel_MouseUp(i); };
    }
    connect(fraSecondary->cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(fraSensata->cmdSensataBack, &QPushButton::clicked, this, [this] { cmdSensataBack_Click(); });
    fraMain->picLogo->onMouseDown = [this] { picLogo_MouseDown(); };
    fraMain->picLogo->onMouseUp = [this] { picLogo_MouseUp(); };
    fraMain->lblMail->onMouseUp = [this] { lblMail_MouseUp(); };
    for (QWidget *printButton : {fraMain->findChild<QWidget *>(QStringLiteral("cmdStampa")),
                                 fraSecondary->findChild<QWidget *>(QStringLiteral("cmdStampaScala"))})
        printButton->installEventFilter(this);

    const std::pair<QKeySequence, void (frmDravino::*)()> keys[] = {
        {QKeySequence(Qt::Key_F2), &frmDravino::openScaleFromKeyboard},
        {QKeySequence(Qt::Key_F3), &frmDravino::openSensataFromKeyboard},
        {QKeySequence(Qt::Key_Escape), &frmDravino::backFromKeyboard}};
    for (const auto &[sequence, handler] : keys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, handler);
}

QWidget *frmDravino::front() const
{
    for (QWidget *panel : {static_cast<QWidget *>(fraMain), static_cast<QWidget *>(fraSecondary),
                           static_cast<QWidget *>(fraSensata)})
        if (panel->isEnabled())
            return panel;
    return nullptr;
}

void frmDravino::showPanel(QWidget *newFront)
{
    QWidget *focus = QApplication::focusWidget();
    if (front() == fraMain && newFront != fraMain && focus && fraMain->isAncestorOf(focus))
        m_mainFocus = focus;
    newFront->setEnabled(true);
    newFront->setVisible(true);
    newFront->raise();
    for (QWidget *panel : {static_cast<QWidget *>(fraMain), static_cast<QWidget *>(fraSecondary),
                           static_cast<QWidget *>(fraSensata)}) {
        if (panel != newFront) {
            panel->setEnabled(false);
            panel->setVisible(false);
        }
    }
    newFront->update();
    // The focus follows the panel: its first control, or back where it was
    // on the main panel (the voltage field when it was nowhere there).
    if (newFront == fraMain) {
        if (m_mainFocus && m_mainFocus->isEnabled())
            m_mainFocus->setFocus(Qt::OtherFocusReason);
        else
            fraMain->txtMvolt1->setFocus(Qt::OtherFocusReason);
    } else {
        const auto order = newFront == fraSecondary ? fraSecondary->tabOrder() : fraSensata->tabOrder();
        const auto first = std::min_element(order.begin(), order.end(),
                                            [](const auto &a, const auto &b) { return a.first < b.first; });
        first->second->setFocus(Qt::OtherFocusReason);
    }
}

void frmDravino::openScaleFromKeyboard()
{
    if (front() != fraMain)
        return;
    m_clickScala = 0;
    showPanel(fraSecondary);
}

void frmDravino::openSensataFromKeyboard()
{
    if (front() != fraMain)
        return;
    m_clickSensata = 0;
    showPanel(fraSensata);
}

void frmDravino::backFromKeyboard()
{
    if (front() != fraMain)
        showPanel(fraMain);
}

void frmDravino::lblLabel_MouseDown(int index)
{
    if (index == 2 || index == 4)
        fraMain->lblLabel[index]->setBorder(true);
}

void frmDravino::lblLabel_MouseUp(int index)
{
    if (index == 4) {
        fraMain->lblLabel[4]->setBorder(false);
        ++m_clickScala;
    } else if (index == 2) {
        fraMain->lblLabel[2]->setBorder(false);
        ++m_clickSensata;
    }
    if (m_clickScala == 2) {
        m_clickScala = 0;
        showPanel(fraSecondary);
    }
    if (m_clickSensata == 2) {
        m_clickSensata = 0;
        showPanel(fraSensata);
    }
}

void frmDravino::cmdBack_Click() { showPanel(fraMain); }

void frmDravino::cmdSensataBack_Click() { showPanel(fraMain); }

void frmDravino::picLogo_MouseDown() { fraMain->picLogo->setRaised3D(true); }

void frmDravino::picLogo_MouseUp()
{
    fraMain->picLogo->setRaised3D(false);
    const int result = m_platform.shellOpen(fraMain->picLogo->toolTip());
    if (result <= 32)
        m_platform.message(this, tr("Errore %1").arg(result), tr("Errore"),
                           MessageIcon::Critical);
}

void frmDravino::lblMail_MouseUp() { m_platform.shellOpen(QStringLiteral("mailto:") + kAuthorMail); }
