// The value table and the scale sheet printed through the program's own
// print path on the machine's default printer, a cups-pdf queue, and the
// faults a workshop meets there: a queue that refuses jobs, a stopped queue
// that holds them, a full temporary folder. tools/cups-pdf-setup.sh sets
// such a queue up; without it the program exits as skipped, except under
// CI, where it must run. The faults change the machine's queue and mount a
// tmpfs: they run as root only (tst_printer faults), and every change is
// undone whatever the checks say.

#include "PdfWords.h"
#include "TestMain.h"
#include "WindowFixture.h"
#include "print/Cups.h"
#include "print/QtPrintSurface.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <pwd.h>
#include <unistd.h>

namespace {
const char *const kTitle = "Stampa valori di pressione/tensione";

int run(const QString &program, const QStringList &args)
{
    return QProcess::execute(program, args);
}

QString output(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The jobs CUPS has not finished, as lpstat lists them.
int pendingJobs(const QString &queue)
{
    return int(output(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue}).count(QLatin1Char('\n')));
}

// What the scheduler says of the queue now: accepting, enabled.
bool queueAccepting(const QString &queue)
{
    return !output(QStringLiteral("lpstat"), {QStringLiteral("-a"), queue}).contains(QLatin1String("not accepting"));
}
bool queueEnabled(const QString &queue)
{
    return !output(QStringLiteral("lpstat"), {QStringLiteral("-p"), queue}).contains(QLatin1String("disabled"));
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

QString cupsPdfQueue()
{
    const auto queue = dravino::defaultCupsQueue();
    return queue && queue->port.startsWith(QLatin1String("cups-pdf:")) ? queue->name : QString();
}

QString requirement(const QStringList &arguments)
{
    if (cupsPdfQueue().isEmpty())
        return QStringLiteral("the default printer is not a cups-pdf queue (tools/cups-pdf-setup.sh sets one up, as root)");
    if (arguments.contains(QLatin1String("faults")) && geteuid() != 0)
        return QStringLiteral("the printer faults change the queue and mount a tmpfs: they need root (CI runs as root)");
    return {};
}
} // namespace

class TestPrinter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void tablePrintsOnTheDefaultPrinter();
    void faults_data();
    void faults();

private:
    QString m_queue;
    QDir m_out;
};

void TestPrinter::initTestCase()
{
    m_queue = cupsPdfQueue();
    // cups-pdf writes into the submitting user's home as the password file has it.
    m_out.setPath(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestPrinter::tablePrintsOnTheDefaultPrinter()
{
    const QStringList before = m_out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    Window t;
    t.platform.realPrinter = true;
    t.run(QStringLiteral("txtStampaDa=0;txtStampaA=2680;cmdStampa"));
    QCOMPARE(t.check(QStringLiteral("msgs=%1|I|Stampa effettuata su %2").arg(kTitle, m_queue)), QStringList());
    QCOMPARE(t.get(QStringLiteral("cmdStampa"))->toolTip(), QStringLiteral("Stampa su %1; porta cups-pdf:/").arg(m_queue));

    // The spooler works on its own time.
    QString pdf;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const auto &f : m_out.entryList({QStringLiteral("*.pdf")}, QDir::Files))
                if (!before.contains(f))
                    pdf = m_out.filePath(f);
            return !pdf.isEmpty();
        }(),
        60000);
    QTRY_VERIFY_WITH_TIMEOUT(finishedPdf(pdf), 30000);
    // Spooled output keeps x and the baselines; the tops move a little.
    const QStringList wrong = valueTableProblems(pdf, dravino::QtPrintSurface::kMarginPoints, 20);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestPrinter::faults_data()
{
    // The fault; the document; what the user is told; the jobs CUPS holds
    // afterwards (a page lost is never "effettuata").
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("print");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("held");
    const QString table = QStringLiteral("txtStampaDa=0;txtStampaA=200;cmdStampa");
    const QString sheet = QStringLiteral("lblLabel(4);lblLabel(4);@answer:x;cmdStampaScala");
    QTest::newRow("rejecting: table") << "reject" << table << QStringLiteral("%1|C|La stampante PDF non accetta stampe").arg(kTitle) << 0;
    QTest::newRow("rejecting: sheet") << "reject" << sheet << "Stampa foglio scala|C|La stampante PDF non accetta stampe" << 0;
    QTest::newRow("stopped: held and said") << "disable" << table << QStringLiteral("%1|E|La stampa su PDF è in attesa: la stampante è ferma").arg(kTitle) << 1;
    QTest::newRow("full temporary folder") << "fulltmp" << table << QStringLiteral("%1|C|Impossibile scrivere il file PDF").arg(kTitle) << 0;
    QTest::newRow("full temporary folder: sheet") << "fulltmp" << sheet << "Stampa foglio scala|C|Impossibile scrivere il file PDF" << 0;
}

void TestPrinter::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, print);
    QFETCH(QString, message);
    QFETCH(int, held);
    QTemporaryDir tmp;
    const QByteArray oldTmp = qgetenv("TMPDIR");
    // Whatever the checks below say, the queue takes and prints jobs again,
    // TMPDIR is the old one and the tmpfs is gone.
    bool mounted = false;
    const auto restore = qScopeGuard([&] {
        qputenv("TMPDIR", oldTmp);
        run(QStringLiteral("cupsaccept"), {m_queue});
        run(QStringLiteral("cupsenable"), {m_queue});
        if (mounted)
            run(QStringLiteral("umount"), {tmp.path()});
    });
    if (fault == QLatin1String("reject")) {
        QCOMPARE(run(QStringLiteral("cupsreject"), {m_queue}), 0);
        QTRY_VERIFY(!queueAccepting(m_queue));
    } else if (fault == QLatin1String("disable")) {
        QCOMPARE(run(QStringLiteral("cupsdisable"), {m_queue}), 0);
        QTRY_VERIFY(!queueEnabled(m_queue));
    } else if (fault == QLatin1String("fulltmp")) {
        QCOMPARE(run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=16k", "tmpfs", tmp.path()}), 0);
        mounted = true;
        QFile filler(tmp.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(15 * 1024, 'x'));
        filler.close();
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
    }
    const int jobsBefore = pendingJobs(m_queue);
    {
        Window t;
        t.platform.realPrinter = true;
        t.run(print);
        const QString shown = t.check(QStringLiteral("msgs=")).value(0);
        QVERIFY2(t.platform.messages.size() == 1, qPrintable(shown));
        const ShownMessage &m = t.platform.messages.first();
        const QString got = m.title + QLatin1Char('|') + QLatin1Char("IEC"[int(m.icon)]) + QLatin1Char('|') + m.text;
        QVERIFY2(got.startsWith(message), qPrintable(got));
    }
    const int jobsAfter = pendingJobs(m_queue);
    if (fault == QLatin1String("fulltmp")) {
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("filler")}); // no half-written file left
    }
    QCOMPARE(jobsAfter - jobsBefore, held);
    run(QStringLiteral("cupsenable"), {m_queue});
    // A held job prints once the queue runs again.
    QTRY_COMPARE_WITH_TIMEOUT(pendingJobs(m_queue), 0, 60000);
}

DRAVINO_TEST_MAIN_REQUIRING(TestPrinter, requirement)
#include "tst_printer.moc"
