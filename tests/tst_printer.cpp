// The value table and the scale sheet printed through the program's own
// print path on cups-pdf queues of the test's own (DravinoTest and
// DravinoOther, made with lpadmin and removed at the end; PRINTER names
// DravinoTest, so nothing else on the machine is touched or counted), and
// the faults a workshop meets there: a queue that refuses jobs, a stopped
// queue that holds them, a missing or full temporary folder, a slow print
// server, and one that stops answering while it creates the job or while it
// receives the page (a stand-in in front of the real cupsd). It needs a
// running cupsd with the cups-pdf backend and root (lpadmin, mount): the
// program exits as skipped without them, except under CI, where it must
// run. Every change to the machine is undone whatever the checks say.

#include "PdfWords.h"
#include "PrintServerStandIn.h"
#include "TestMain.h"
#include "WindowFixture.h"
#include "print/PdfFile.h"
#include "print/PrintBackend.h"
#include "print/QtPrintSurface.h"
#include "ui/printjob/PrintJob.h"

#include <QDir>
#include <QTemporaryDir>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <pwd.h>
#include <unistd.h>

namespace {
const char *const kTitle = "Stampa valori di pressione/tensione";
const QString kQueue = QStringLiteral("DravinoTest");
// What a page handed to the printer is called: printed where CUPS confirms
// the job, only sent where the build prints through Qt.
const QString kPrintedOn = DRAVINO_CUPS ? QStringLiteral("Stampa effettuata su ") : QStringLiteral("Pagina inviata a ");
const QString kOtherQueue = QStringLiteral("DravinoOther");

int run(const QString &program, const QStringList &args)
{
    return QProcess::execute(program, args);
}

QString lpstat(const QStringList &args) { return dravino::test::outputOf(QStringLiteral("lpstat"), args); }

// The jobs on one queue CUPS has not finished ("not-completed"), or has.
int jobs(const QString &queue, const QString &which = QStringLiteral("not-completed"))
{
    return int(lpstat({QStringLiteral("-W"), which, QStringLiteral("-o"), queue}).count(QLatin1Char('\n')));
}

// A PDF that cups-pdf has finished writing.
bool finishedPdf(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 16)
        return false;
    f.seek(f.size() - 16);
    return f.read(16).contains("%%EOF");
}

QString requirement(const QStringList &)
{
    if (!lpstat({QStringLiteral("-r")}).contains(QLatin1String("is running")))
        return QStringLiteral("no CUPS scheduler is running (tools/cups-pdf-setup.sh starts one, as root)");
    if (!QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
        return QStringLiteral("the cups-pdf backend is missing (apt-get install printer-driver-cups-pdf)");
    if (geteuid() != 0)
        return QStringLiteral("the printer test makes queues of its own and mounts a tmpfs: it needs root (CI runs as root)");
    return {};
}
} // namespace

class TestPrinter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void tablePrintsOnItsOwnQueue();
    void pagePrintsOnTheQueueChosen();
    void printerChosenIsGone();
    void queueWithoutColour();
    void faults_data();
    void faults();

private:
    QDir m_out;
    QStringList m_before; // what cups-pdf's folder held before the test
    QStringList newPdfs(const QStringList &before) const;
};

void TestPrinter::initTestCase()
{
    for (const QString &queue : {kQueue, kOtherQueue})
        QCOMPARE(run(QStringLiteral("lpadmin"), {"-p", queue, "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd",
                                                 "-E", "-o", "pdftops-renderer-default=pdftocairo"}),
                 0);
    qputenv("PRINTER", kQueue.toUtf8());
    qunsetenv("CUPS_SERVER");
    // cups-pdf writes into the submitting user's home as the password file has it.
    m_out.setPath(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF"));
    m_before = m_out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestPrinter::cleanupTestCase()
{
    for (const QString &queue : {kQueue, kOtherQueue}) {
        run(QStringLiteral("cancel"), {QStringLiteral("-a"), queue});
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
    }
    // The pages this test printed leave nothing behind.
    for (const QString &pdf : newPdfs(m_before))
        QFile::remove(pdf);
}

void TestPrinter::cleanup()
{
    qunsetenv("CUPS_SERVER");
    qunsetenv("DRAVINO_PRINT_TIMEOUT_MS");
}

QStringList TestPrinter::newPdfs(const QStringList &before) const
{
    QStringList out;
    for (const auto &f : m_out.entryList({QStringLiteral("*.pdf")}, QDir::Files))
        if (!before.contains(f))
            out << m_out.filePath(f);
    return out;
}

void TestPrinter::tablePrintsOnItsOwnQueue()
{
    const QStringList before = m_out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    Window t;
    t.platform.realPrinter = true;
    StandStillMeter meter;
    t.run(QStringLiteral("txtStampaDa=0;txtStampaA=2680;cmdStampa"));
    QCOMPARE(t.check(QStringLiteral("msgs=%1|I|%2%3").arg(kTitle, kPrintedOn, kQueue)) + t.errors(), QStringList());
    // Qt names a printer's make and model where CUPS gives its device.
    QCOMPARE(t.get(QStringLiteral("cmdStampa"))->toolTip(),
             QStringLiteral("Stampa su %1; porta %2").arg(kQueue, DRAVINO_CUPS ? "cups-pdf:/" : "Generic CUPS-PDF Printer (w/ options)"));
    const qint64 still = meter.longestMs();
    QVERIFY2(still < allowedStandStillMs(), qPrintable(QStringLiteral("stood still %1 ms").arg(still)));

    // The spooler works on its own time.
    QTRY_VERIFY_WITH_TIMEOUT(newPdfs(before).size() == 1, 60000);
    const QString pdf = newPdfs(before).first();
    QTRY_VERIFY_WITH_TIMEOUT(finishedPdf(pdf), 30000);
    // Spooled output keeps x and the baselines; the tops move a little.
    const QStringList wrong = valueTableProblems(pdf, dravino::QtPrintSurface::kMarginPoints, 20);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestPrinter::pagePrintsOnTheQueueChosen()
{
    // "Stampa su" lists both queues of the test, DravinoTest the default;
    // the page chosen for DravinoOther arrives there, and the next one-click
    // print goes to the default again.
    // (the pages of the tests before done first)
    QTRY_COMPARE_WITH_TIMEOUT(jobs(kQueue) + jobs(kOtherQueue), 0, 60000);
    const int other = jobs(kOtherQueue, QStringLiteral("completed")), test = jobs(kQueue, QStringLiteral("completed"));
    Window t;
    t.platform.realPrinter = true;
    t.run(QStringLiteral("txtStampaDa=500;txtStampaA=600"));
    auto *button = t.get(QStringLiteral("cmdStampa"));
    QContextMenuEvent open(QContextMenuEvent::Mouse, button->rect().center(), button->mapToGlobal(button->rect().center()));
    QApplication::sendEvent(button, &open);
    auto *menu = button->findChild<QMenu *>(QStringLiteral("printMenu"));
    QVERIFY(menu);
    QTRY_VERIFY(menu->findChild<QAction *>(QStringLiteral("printer:") + kOtherQueue));
    QCOMPARE(menu->findChild<QAction *>(QStringLiteral("printer:") + kQueue)->text(), kQueue + QStringLiteral(" (predefinita)"));
    menu->findChild<QAction *>(QStringLiteral("printer:") + kOtherQueue)->trigger();
    menu->close();
    QTRY_COMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages[0].text, kPrintedOn + kOtherQueue);
    QTRY_COMPARE_WITH_TIMEOUT(jobs(kOtherQueue, QStringLiteral("completed")), other + 1, 60000);
    QCOMPARE(jobs(kQueue, QStringLiteral("completed")), test);
    t.run(QStringLiteral("cmdStampa"));
    QCOMPARE(t.platform.messages.value(1).text, kPrintedOn + kQueue);
    QTRY_COMPARE_WITH_TIMEOUT(jobs(kQueue, QStringLiteral("completed")), test + 1, 60000);
    QCOMPARE(jobs(kOtherQueue, QStringLiteral("completed")), other + 1);
}

void TestPrinter::queueWithoutColour()
{
    // A queue whose printer prints no colour (its PPD says so) is found as
    // one, and the program remembers it for the pages drawn for it; the
    // test's own queue prints colour.
    const QString grey = QStringLiteral("DravinoGrigia");
    QTemporaryDir dir;
    QFile ppd(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"));
    QVERIFY(ppd.open(QIODevice::ReadOnly));
    QByteArray text = ppd.readAll();
    QVERIFY(text.contains("*ColorDevice:\tTrue"));
    text.replace("*ColorDevice:\tTrue", "*ColorDevice:\tFalse");
    QFile mono(dir.filePath(QStringLiteral("grigia.ppd")));
    QVERIFY(mono.open(QIODevice::WriteOnly) && mono.write(text) == text.size());
    mono.close();
    QCOMPARE(run(QStringLiteral("lpadmin"), {"-p", grey, "-v", "cups-pdf:/", "-P", mono.fileName(), "-E"}), 0);
    const auto gone = qScopeGuard([&] { run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), grey}); });
    const dravino::QueueLookup found = dravino::printBackend().find(grey, dravino::printLimits(), nullptr);
    QVERIFY(found.queue);
    QVERIFY(!found.queue->colour);
    const dravino::QueueLookup colour = dravino::printBackend().find(kQueue, dravino::printLimits(), nullptr);
    QVERIFY(colour.queue && colour.queue->colour);
    dravino::rememberQueue(*found.queue, false);
    QCOMPARE(dravino::queuePrintsColour(grey), std::optional<bool>(false));
    QCOMPARE(dravino::queuePrintsColour(QStringLiteral("nessuna")), std::nullopt);
}

void TestPrinter::printerChosenIsGone()
{
    // A printer chosen from the menu that is gone by the time the page comes:
    // told so, and the page kept.
    QTemporaryDir folder;
    dravino::QtPrintSurface page;
    page.Print(QStringLiteral("Dravino"), true);
    page.EndDoc();
    dravino::PrintRequest request;
    request.pdf = page.pdf();
    request.printer = QStringLiteral("DravinoGone");
    request.folder = folder.path();
    const dravino::PrintOutcome o = dravino::deliver(request);
    QCOMPARE(int(o.kind), int(dravino::PrintOutcome::SavedToFile));
    QCOMPARE(dravino::reportOf(o, false).value().text,
             QStringLiteral("La stampa su DravinoGone non è riuscita: la stampante non esiste. "
                            "La pagina è stata salvata nel file PDF %1.").arg(folder.filePath(QStringLiteral("Dravino.pdf"))));
}

void TestPrinter::faults_data()
{
    // The fault; the document; what the user is told (its start, or "~"
    // and words it holds); the jobs the queue holds afterwards; whether a
    // page comes out of the printer.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("print");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("held");
    QTest::addColumn<bool>("printed");
    const QString table = QStringLiteral("txtStampaDa=0;txtStampaA=200;cmdStampa");
    const QString sheet = QStringLiteral("lblLabel(4);lblLabel(4);@answer:x;cmdStampaScala");
    const QString printed = QStringLiteral("%1|I|Stampa effettuata su %2").arg(kTitle, kQueue);
    const QString silent = QStringLiteral("~il server di stampa non risponde");
    if (!DRAVINO_CUPS) {
        // Qt tells nothing of a queue's state or of a job: what it can meet
        // is a print server that does not answer and a page it cannot take.
        // The server stalls as Qt hands the page over: it may still print,
        // so it is told sent and not confirmed, and not saved as well.
        QTest::newRow("Qt: server stalling as the page goes")
            << "stall5" << table << QStringLiteral("~La pagina è stata inviata a %1, ma il sistema di stampa non ne ha confermato la stampa")
                                        .arg(kQueue)
            << 0 << false;
        QTest::newRow("Qt: missing temporary folder, the page not taken")
            << "notmp" << table << QStringLiteral("~La stampa su %1 non è riuscita: la stampante non ha preso la pagina.").arg(kQueue)
            << 0 << false;
        return;
    }
    QTest::newRow("rejecting: table") << "reject" << table << QStringLiteral("%1|E|La stampante %2 non accetta stampe").arg(kTitle, kQueue) << 0 << false;
    QTest::newRow("rejecting: sheet") << "reject" << sheet << QStringLiteral("Stampa foglio scala|E|La stampante %1 non accetta stampe").arg(kQueue) << 0 << false;
    QTest::newRow("stopped: held and said") << "disable" << table << QStringLiteral("%1|E|La stampa su %2 è in attesa: la stampante è ferma (in pausa) e").arg(kTitle, kQueue) << 1 << true;
    QTest::newRow("stopped: the sheet says so") << "disable" << sheet << QStringLiteral("Stampa foglio scala|E|La stampa su %1 è in attesa").arg(kQueue) << 1 << true;
    QTest::newRow("missing temporary folder: printed") << "notmp" << table << printed << 0 << true;
    QTest::newRow("full temporary folder: printed") << "fulltmp" << table << printed << 0 << true;
    QTest::newRow("printed on a printer: the sheet is quiet") << "" << sheet << "" << 0 << true;
    QTest::newRow("server answering late: printed") << "slow" << table << printed << 0 << true;
    QTest::newRow("server stalling on Create-Job") << "stall5" << table << silent << 0 << false;
    // A job made but never given its page whole is cancelled: nothing waits in the queue.
    QTest::newRow("server stalling on Send-Document") << "stall6" << table << silent << 0 << false;
    // The page sent whole, the answer lost: sent, not confirmed, not saved again, printed.
    QTest::newRow("answer to Send-Document lost")
        << "mute6" << table << QStringLiteral("~La pagina è stata inviata a %1 (lavoro ").arg(kQueue) << 0 << true;
    // The page handed over whole, its state never told: sent, not confirmed, not saved again.
    QTest::newRow("server stalling on Get-Job-Attributes")
        << "stall9" << table << QStringLiteral("~La pagina è stata inviata a %1 (lavoro ").arg(kQueue) << 0 << true;
}

void TestPrinter::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, print);
    QFETCH(QString, message);
    QFETCH(int, held);
    QFETCH(bool, printed);
    QTemporaryDir tmp, home;
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    dravino::test::Undo env;
    env.setEnv("TMPDIR", qgetenv("TMPDIR"));
    env.setEnv("HOME", home.path().toLocal8Bit()); // where a page no printer took is saved
    // Whatever the checks below say, the queue takes and prints jobs again
    // and the tmpfs is gone.
    bool mounted = false;
    const auto restore = qScopeGuard([&] {
        qunsetenv("CUPS_SERVER");
        run(QStringLiteral("cupsaccept"), {kQueue});
        run(QStringLiteral("cupsenable"), {kQueue});
        run(QStringLiteral("cancel"), {QStringLiteral("-a"), kQueue});
        if (mounted)
            run(QStringLiteral("umount"), {tmp.path()});
    });
    std::unique_ptr<PrintServerStandIn> server;
    if (fault == QLatin1String("reject")) {
        QCOMPARE(run(QStringLiteral("cupsreject"), {kQueue}), 0);
        QTRY_VERIFY(lpstat({QStringLiteral("-a"), kQueue}).contains(QLatin1String("not accepting")));
    } else if (fault == QLatin1String("disable")) {
        QCOMPARE(run(QStringLiteral("cupsdisable"), {kQueue}), 0);
        QTRY_VERIFY(lpstat({QStringLiteral("-p"), kQueue}).contains(QLatin1String("disabled")));
    } else if (fault == QLatin1String("notmp")) {
        qputenv("TMPDIR", tmp.filePath(QStringLiteral("gone")).toLocal8Bit());
    } else if (fault == QLatin1String("fulltmp")) {
        QCOMPARE(run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=16k", "tmpfs", tmp.path()}), 0);
        mounted = true;
        QFile filler(tmp.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(15 * 1024, 'x'));
        filler.close();
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
    } else if (fault == QLatin1String("slow")) {
        server = std::make_unique<PrintServerStandIn>(PrintServerStandIn::Slow, 0, 300);
    } else if (fault.startsWith(QLatin1String("stall")) || fault.startsWith(QLatin1String("mute"))) {
        const bool stall = fault.startsWith(QLatin1String("stall"));
        server = std::make_unique<PrintServerStandIn>(stall ? PrintServerStandIn::Stall : PrintServerStandIn::Mute,
                                                      fault.mid(stall ? 5 : 4).toInt());
        qputenv("DRAVINO_PRINT_TIMEOUT_MS", "3000");
    }
    if (server)
        qputenv("CUPS_SERVER", server->address());
    const QStringList before = m_out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    const int jobsBefore = jobs(kQueue);
    {
        Window t;
        t.platform.realPrinter = true;
        StandStillMeter meter;
        t.run(print);
        QCOMPARE(t.errors(), QStringList());
        const QStringList shown = t.check(QStringLiteral("msgs="));
        if (message.isEmpty()) {
            QVERIFY2(t.platform.messages.isEmpty(), qPrintable(shown.join(QLatin1Char('\n'))));
        } else {
            QVERIFY2(t.platform.messages.size() == 1, qPrintable(shown.join(QLatin1Char('\n'))));
            const ShownMessage &m = t.platform.messages.first();
            const QString got = m.title + QLatin1Char('|') + QLatin1Char("IEC"[int(m.icon)]) + QLatin1Char('|') + m.text;
            QVERIFY2(message.startsWith(QLatin1Char('~')) ? got.contains(message.mid(1)) : got.startsWith(message), qPrintable(got));
            // A page the printer may still have is neither printed nor saved.
            const bool unconfirmed = got.contains(QLatin1String("non ne ha confermato"));
            if (unconfirmed)
                QVERIFY(!QFile::exists(home.filePath(QStringLiteral("Documents/Dravino.pdf"))));
            // A page the printer does not have is never called printed, and is kept.
            if (!printed && !unconfirmed) {
                QVERIFY2(!got.contains(QLatin1String("effettuata")) && !got.contains(QLatin1String("Success")), qPrintable(got));
                QVERIFY2(got.contains(QStringLiteral("La pagina è stata salvata nel file PDF")), qPrintable(got));
                QVERIFY(dravino::isCompletePdf(home.filePath(QStringLiteral("Documents/Dravino.pdf"))));
            }
        }
        // A page the printer has is not saved a second time.
        if (printed)
            QVERIFY(!QFile::exists(home.filePath(QStringLiteral("Documents/Dravino.pdf"))));
        if (server && !fault.startsWith(QLatin1String("slow")))
            QVERIFY(server->stalled());
        const qint64 still = meter.longestMs();
        QVERIFY2(still < allowedStandStillMs(), qPrintable(QStringLiteral("stood still %1 ms").arg(still)));
    }
    qunsetenv("CUPS_SERVER"); // the queue asked of the scheduler itself
    // A held page stays in the queue; a printed one leaves it.
    if (held > 0)
        QCOMPARE(jobs(kQueue) - jobsBefore, held);
    else if (held == 0)
        QTRY_COMPARE_WITH_TIMEOUT(jobs(kQueue) - jobsBefore, 0, 60000);
    if (mounted)
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("filler")}); // no temporary file at all
    run(QStringLiteral("cupsenable"), {kQueue});
    // What the printer holds comes out once it runs again; nothing comes
    // out of a page it was never given.
    if (printed)
        QTRY_VERIFY_WITH_TIMEOUT(newPdfs(before).size() == 1, 60000);
    else
        QCOMPARE(newPdfs(before), QStringList());
}

DRAVINO_TEST_MAIN_REQUIRING(TestPrinter, requirement)
#include "tst_printer.moc"
