// CUPS's words for printers, requests and jobs, in the program's terms: a
// keyword with its severity, a state message, an IPP status; and what a
// job's state and reasons mean for the page. A build that prints through
// Qt has none of this, and skips.

#include "TestMain.h"
#include "print/PrintBackend.h"
#if DRAVINO_CUPS
#include "print/cups/Cups.h"
#endif

using dravino::PrintReason;
using dravino::SubmittedJob;
Q_DECLARE_METATYPE(dravino::PrintReason)

namespace {
PrintReason reason(std::initializer_list<PrintReason::Part> parts)
{
    PrintReason r;
    r.parts = parts;
    return r;
}
} // namespace

class TestCups : public QObject
{
    Q_OBJECT
private slots:
    void words_data();
    void words();
    void jobs_data();
    void jobs();
};

void TestCups::words_data()
{
    QTest::addColumn<QString>("said");
    QTest::addColumn<PrintReason>("meant");
    QTest::newRow("nothing") << "" << PrintReason();
    QTest::newRow("none") << "none" << PrintReason();
    QTest::newRow("Success says nothing") << "Success" << PrintReason();
    QTest::newRow("successful-ok says nothing") << "successful-ok" << PrintReason();
    QTest::newRow("paused") << "paused" << PrintReason(PrintReason::Paused);
    QTest::newRow("Paused, the state message") << "Paused" << PrintReason(PrintReason::Paused);
    QTest::newRow("offline-report") << "offline-report" << PrintReason(PrintReason::Offline);
    QTest::newRow("media-empty-error") << "media-empty-error" << PrintReason(PrintReason::MediaEmpty);
    QTest::newRow("media-empty-warning") << "media-empty-warning" << PrintReason(PrintReason::MediaEmpty);
    QTest::newRow("media-jam") << "media-jam" << PrintReason(PrintReason::MediaJam);
    QTest::newRow("door-open-warning") << "door-open-warning" << PrintReason(PrintReason::DoorOpen);
    QTest::newRow("toner-empty-error") << "toner-empty-error" << PrintReason(PrintReason::TonerEmpty);
    QTest::newRow("marker-supply-empty") << "marker-supply-empty-error" << PrintReason(PrintReason::InkEmpty);
    QTest::newRow("Rejecting Jobs") << "Rejecting Jobs" << PrintReason(PrintReason::RejectingJobs);
    QTest::newRow("job-incoming") << "job-incoming" << PrintReason(PrintReason::PageIncomplete);
    QTest::newRow("job-canceled") << "job-canceled" << PrintReason(PrintReason::JobCancelled);
    QTest::newRow("job-aborted") << "job-aborted" << PrintReason(PrintReason::JobAborted);
    QTest::newRow("not found") << "client-error-not-found" << PrintReason(PrintReason::NoSuchPrinter);
    QTest::newRow("connection-refused") << "connection-refused" << PrintReason(PrintReason::ConnectionRefused);
    QTest::newRow("host-unreachable") << "host-unreachable" << PrintReason(PrintReason::HostUnreachable);
    QTest::newRow("words of its own") << "Fuser hot" << PrintReason::said(QStringLiteral("Fuser hot"));
    QTest::newRow("a status without a term") << "client-error-not-possible"
                                             << PrintReason::said(QStringLiteral("client-error-not-possible"));
    QTest::newRow("a keyword that only starts like one") << "media-empty-tray-2"
                                                         << PrintReason::said(QStringLiteral("media-empty-tray-2"));
    QTest::newRow("several, in their order")
        << "media-jam-error, Fuser hot,none"
        << reason({{PrintReason::MediaJam, {}}, {PrintReason::Words, QStringLiteral("Fuser hot")}});
}

void TestCups::words()
{
#if DRAVINO_CUPS
    QFETCH(QString, said);
    QFETCH(PrintReason, meant);
    QVERIFY(dravino::cupsReason(said) == meant);
#endif
}

void TestCups::jobs_data()
{
    // IPP's job states: 3 pending, 4 held, 5 processing, 6 stopped,
    // 7 canceled, 8 aborted, 9 completed.
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("reasons");
    QTest::addColumn<int>("meant");
    QTest::addColumn<PrintReason>("why");
    QTest::newRow("pending") << 3 << "none" << int(SubmittedJob::Pending) << PrintReason();
    QTest::newRow("pending, printer stopped: held") << 3 << "printer-stopped" << int(SubmittedJob::Held) << PrintReason();
    QTest::newRow("held") << 4 << "job-hold-until-specified" << int(SubmittedJob::Held) << PrintReason();
    QTest::newRow("processing") << 5 << "job-printing" << int(SubmittedJob::Processing) << PrintReason();
    QTest::newRow("stopped: held") << 6 << "" << int(SubmittedJob::Held) << PrintReason();
    QTest::newRow("still receiving its page") << 5 << "job-incoming,job-printing" << int(SubmittedJob::NotTaken)
                                              << PrintReason(PrintReason::PageIncomplete);
    QTest::newRow("pending, still receiving") << 3 << "job-incoming" << int(SubmittedJob::NotTaken)
                                              << PrintReason(PrintReason::PageIncomplete);
    QTest::newRow("canceled") << 7 << "" << int(SubmittedJob::NotTaken) << PrintReason(PrintReason::JobCancelled);
    QTest::newRow("aborted") << 8 << "" << int(SubmittedJob::NotTaken) << PrintReason(PrintReason::JobAborted);
    QTest::newRow("completed") << 9 << "job-completed-successfully" << int(SubmittedJob::Completed) << PrintReason();
}

void TestCups::jobs()
{
#if DRAVINO_CUPS
    QFETCH(int, state);
    QFETCH(QString, reasons);
    QFETCH(PrintReason, why);
    PrintReason said;
    QTEST(int(dravino::jobStateOf(state, reasons.split(QLatin1Char(','), Qt::SkipEmptyParts), said)), "meant");
    QVERIFY(said == why);
#endif
}

namespace {
QString requirement(const QStringList &)
{
    return DRAVINO_CUPS ? QString() : QStringLiteral("this build prints through Qt, which has no words of CUPS's to read");
}
} // namespace

DRAVINO_TEST_MAIN_SKIPPING(TestCups, requirement)
#include "tst_cups.moc"
