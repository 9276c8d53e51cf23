// The archive of scale checks against a real SQLite file: what a record
// keeps and how it is found, and the faults a workshop's disk meets: a file
// of garbage, a truncated archive, one from a newer version, a folder that
// cannot be written, a second program writing at the same time, and a
// program killed in the middle of recording; and servers that refuse the
// call or never answer it.
//
// tst_archive --postgresql runs the same tests of an archive shared between
// benches on a PostgreSQL server the test starts itself.

#include "PrintServerStandIn.h"
#include "TestMain.h"
#include "ThrowawayPostgres.h"
#include "ui/archive/Archive.h"
#include "ui/archive/ArchiveService.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace dravino;

namespace {

CheckRecord sample(const QString &code, const QDateTime &when = QDateTime::currentDateTime())
{
    CheckRecord r;
    r.takenAt = when;
    r.code = code;
    r.bits12 = true;
    r.destination = QStringLiteral("PDF");
    r.version = QStringLiteral("1.0.0");
    r.tolerance = QStringLiteral("1 %");
    for (int i = 0; i < kScaleRows; ++i) {
        r.check.bar[i] = std::to_string(400 * i);
        r.check.adc[i] = "98";
        r.check.mvolt[i] = "479";
        r.check.linearita[i] = i ? "0,98%" : "";
        r.check.linearitaColor[i] = i == 2 ? Verdict::Red : i ? Verdict::Green : Verdict::Unchanged;
    }
    r.check.media = "2419";
    return r;
}

QStringList codes(const QList<CheckRecord> &records)
{
    QStringList out;
    for (const auto &r : records)
        out << r.code;
    return out;
}

// The PostgreSQL server under test, with --postgresql.
ThrowawayPostgres *g_server = nullptr;

// A new archive: a file in dir, or a new database on the server.
QString freshArchive(const QTemporaryDir &dir)
{
    return g_server ? g_server->freshDatabase() : dir.filePath(QStringLiteral("archivio.sqlite"));
}

// Runs statements on the archive at location, behind the archive's back:
// the last one's first value (true where it gives none), or nothing when a
// statement fails.
QVariant tamper(const QString &location, const QStringList &statements)
{
    bool ok = true;
    QVariant last;
    {
        QSqlDatabase db;
        if (Archive::isServer(location)) {
            const QUrl url(location);
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("tamper"));
            db.setHostName(QUrlQuery(url).queryItemValue(QStringLiteral("host")));
            db.setUserName(url.userName());
            db.setDatabaseName(url.path().mid(1));
        } else {
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tamper"));
            db.setDatabaseName(location);
        }
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &sql : statements)
            ok = ok && q.exec(sql);
        if (ok)
            last = q.next() ? q.value(0) : QVariant(true);
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tamper"));
    return last;
}

int count(const QString &path)
{
    Archive a(path);
    return int(a.find({}, {}, {}, 1000000).size());
}

QString requirement(const QStringList &)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return QStringLiteral("Qt's SQLite driver is missing (make deps installs libqt6sql6-sqlite)");
    return {};
}

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT
private slots:
    void keepsAndFinds();
    void newFile();
    void faults_data();
    void faults();
    void twoProgramsWriting();
    void killedWhileRecording();
    void throughItsThread();
    void whereItIs_data();
    void whereItIs();
};

void TestArchive::keepsAndFinds()
{
    QTemporaryDir dir;
    const QString path = freshArchive(dir);
    const QDateTime now = QDateTime::currentDateTime();
    {
        Archive a(path);
        QVERIFY2(a.isOpen(), qPrintable(a.error()));
        for (const auto &[code, daysAgo] : {std::pair{"abc12-rail", 10}, {"0281006158", 3}, {"XABC12", 1}, {"50%_off", 0}}) {
            CheckRecord r = sample(QString::fromLatin1(code), now.addDays(-daysAgo));
            QVERIFY2(a.record(r), qPrintable(a.error()));
            QVERIFY(r.id > 0);
        }
    }
    {
        // A check with nothing typed (no code, no average) is kept all the same.
        Archive a(path);
        CheckRecord bare;
        bare.takenAt = now.addYears(-3);
        QVERIFY2(a.record(bare), qPrintable(a.error()));
        QCOMPARE(a.byId(bare.id).value().code, QString());
        QVERIFY(a.remove(bare.id));
    }
    {
        // An import keeps all of its records.
        Archive a(path);
        QList<CheckRecord> many{sample(QStringLiteral("I1"), now.addYears(-2)), sample(QStringLiteral("I2"), now.addYears(-2))};
        QVERIFY2(a.recordAll(many), qPrintable(a.error()));
        QVERIFY(many[0].id > 0 && many[1].id > many[0].id);
        for (const CheckRecord &r : many)
            QVERIFY(a.remove(r.id));
    }
    Archive a(path); // what was recorded outlives the program
    QCOMPARE(codes(a.find()), QStringList({"50%_off", "XABC12", "0281006158", "abc12-rail"})); // newest first
    QCOMPARE(codes(a.find(QStringLiteral("Abc12"))), QStringList({"XABC12", "abc12-rail"}));  // any case, any part
    QCOMPARE(codes(a.find(QStringLiteral("%"))), QStringList({"50%_off"}));                    // no wildcards
    QCOMPARE(codes(a.find(QStringLiteral("_"))), QStringList({"50%_off"}));
    QCOMPARE(codes(a.find({}, now.date().addDays(-3), now.date().addDays(-1))), QStringList({"XABC12", "0281006158"}));
    QCOMPARE(codes(a.find({}, now.date().addDays(-2))), QStringList({"50%_off", "XABC12"}));
    // Everything the sheet needs comes back as it went in.
    const CheckRecord back = a.find(QStringLiteral("0281")).value(0);
    const CheckRecord sent = sample(QStringLiteral("0281006158"));
    QCOMPARE(back.check.bar, sent.check.bar);
    QCOMPARE(back.check.linearita, sent.check.linearita);
    QVERIFY(back.check.linearitaColor == sent.check.linearitaColor);
    QCOMPARE(back.check.media, std::string("2419"));
    QVERIFY(back.bits12 && !back.denso && back.automaticAverage);
    QCOMPARE(back.destination, QStringLiteral("PDF"));
    QCOMPARE(back.takenAt.toSecsSinceEpoch(), now.addDays(-3).toSecsSinceEpoch());
    QVERIFY(a.byId(back.id).has_value());
    // Where the page went, learnt once it has gone.
    QVERIFY(a.setDestination(back.id, QStringLiteral("DravinoTest")));
    QCOMPARE(a.byId(back.id)->destination, QStringLiteral("DravinoTest"));
    QVERIFY(a.remove(back.id));
    QVERIFY(!a.byId(back.id).has_value());
    QVERIFY(!a.remove(back.id));
}

void TestArchive::newFile()
{
    // Created for the user alone, WAL journal, schema version, indexes.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deep/er/archivio.sqlite"));
    {
        Archive a(path);
        QVERIFY2(a.isOpen(), qPrintable(a.error()));
        QCOMPARE(a.notice(), QString());
    }
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0600);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QSqlQuery q(db);
    QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
    QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
    QCOMPARE(q.value(0).toInt(), Archive::kSchemaVersion);
    QVERIFY(q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name")));
    QStringList indexes;
    while (q.next())
        indexes << q.value(0).toString();
    QCOMPARE(indexes, QStringList({"checks_code", "checks_taken"}));
    q = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
}

void TestArchive::faults_data()
{
    // What the file or folder is made to be; what the archive does: the
    // notice's start, whether a record is kept, how many records it holds.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("records");
    QTest::addColumn<int>("held");
    if (g_server) {
        QTest::newRow("an archive on the server from a newer version") << "future" << "L'archivio" << false << 3;
        return;
    }
    QTest::newRow("an empty file") << "empty" << "" << true << 1;
    QTest::newRow("a file of garbage") << "garbage" << "L'archivio" << true << 1;
    QTest::newRow("a truncated archive") << "truncated" << "L'archivio" << true << 1;
    QTest::newRow("an archive from a newer version") << "future" << "L'archivio" << false << 3;
    QTest::newRow("a folder that cannot be written") << "readonly" << "" << false << 0;
    if (geteuid() == 0)
        QTest::newRow("a full disk") << "full" << "" << false << 0;
    if (QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        QTest::newRow("a server that refuses the call") << "refused" << "" << false << 0;
        QTest::newRow("a server that never answers") << "silent" << "" << false << 0;
    }
}

void TestArchive::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, notice);
    QFETCH(bool, records);
    QFETCH(int, held);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("dati"));
    QVERIFY(QDir().mkpath(folder));
    QString path = QDir(folder).filePath(QStringLiteral("archivio.sqlite"));
    QByteArray before;
    std::unique_ptr<PrintServerStandIn> server;
    const auto write = [&](const QByteArray &bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    };
    QList<std::function<void()>> undo;
    const auto restore = qScopeGuard([&] {
        while (!undo.isEmpty())
            undo.takeLast()();
    });
    if (fault == QLatin1String("empty")) {
        write({});
    } else if (fault == QLatin1String("garbage")) {
        write(QByteArray("this is no archive at all\n").repeated(200));
    } else if (fault == QLatin1String("truncated") || fault == QLatin1String("future")) {
        if (g_server)
            path = freshArchive(dir);
        {
            Archive a(path);
            for (int i = 0; i < 3; ++i) {
                CheckRecord r = sample(QStringLiteral("R%1").arg(i));
                QVERIFY(a.record(r));
            }
        }
        if (g_server)
            QVERIFY(tamper(path, {QStringLiteral("UPDATE dravino_schema SET version = 99")}).isValid());
        else
            QVERIFY(tamper(path, {QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"),
                                  fault == QLatin1String("future") ? QStringLiteral("PRAGMA user_version = 99")
                                                                   : QStringLiteral("SELECT 1")}).isValid());
        if (fault == QLatin1String("truncated")) {
            QFile f(path);
            QVERIFY(f.resize(f.size() / 2 + 100));
        }
    } else if (fault == QLatin1String("readonly")) {
        if (geteuid() == 0) {
            QCOMPARE(QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", folder}), 0);
            undo << [folder] { QProcess::execute(QStringLiteral("umount"), {folder}); };
        } else {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            undo << [folder] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); };
        }
    } else if (fault == QLatin1String("full")) {
        QCOMPARE(QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}), 0);
        undo << [folder] { QProcess::execute(QStringLiteral("umount"), {folder}); };
        QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(63 * 1024, 'x'));
    } else if (fault == QLatin1String("refused") || fault == QLatin1String("silent")) {
        server = std::make_unique<PrintServerStandIn>(fault == QLatin1String("silent") ? PrintServerStandIn::Silent
                                                                                       : PrintServerStandIn::Unreachable);
        path = QStringLiteral("postgresql://tecnico:segreta@%1/officina").arg(QString::fromLatin1(server->address()));
    }
    {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            before = f.readAll();
    }
    const QStringList filesBefore = QDir(folder).entryList(QDir::Files);

    Archive a(path);
    QVERIFY2(notice.isEmpty() ? a.notice().isEmpty() : a.notice().startsWith(notice), qPrintable(a.notice()));
    CheckRecord r = sample(QStringLiteral("NUOVA"));
    QCOMPARE(a.record(r), records);
    if (!records)
        QVERIFY2(!a.error().isEmpty(), "a record not kept says why");
    if (server) {
        // Told which server, never with its password.
        QVERIFY2(a.error().startsWith(QStringLiteral("il server dell'archivio postgresql://tecnico@%1/officina non si raggiunge (")
                                          .arg(QString::fromLatin1(server->address()))),
                 qPrintable(a.error()));
        QVERIFY(!a.isOpen());
    }
    QCOMPARE(int(a.find().size()), held);
    if (fault == QLatin1String("garbage") || fault == QLatin1String("truncated")) {
        // Moved aside whole under a dated name, never deleted; the notice
        // names both files.
        // (its journal files, where there were any, go with it)
        const QStringList aside = QDir(folder)
                                      .entryList({QStringLiteral("archivio.sqlite.danneggiato-*")}, QDir::Files)
                                      .filter(QRegularExpression(QStringLiteral("-\\d{6}$")));
        QCOMPARE(aside.size(), 1);
        QFile kept(QDir(folder).filePath(aside.first()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
        QVERIFY(a.notice().contains(path) && a.notice().contains(kept.fileName()));
    }
    if (fault == QLatin1String("future")) {
        QVERIFY(a.readOnly());
        QVERIFY(!a.remove(a.find().value(0).id));
        QVERIFY(!a.setDestination(a.find().value(0).id, QStringLiteral("x")));
        if (g_server) {
            QCOMPARE(tamper(path, {QStringLiteral("SELECT max(version) FROM dravino_schema")}).toInt(), 99); // never downgraded
        } else {
            QFile same(path);
            QVERIFY(same.open(QIODevice::ReadOnly));
            QCOMPARE(same.readAll(), before); // never downgraded
        }
    }
}

void TestArchive::twoProgramsWriting()
{
    // Two more programs record at the same time as this one, all three
    // starting with no archive yet: every record is kept, none is refused
    // as locked.
    QTemporaryDir dir;
    const QString path = freshArchive(dir);
    QProcess one, two;
    for (QProcess *p : {&one, &two})
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--writer"), path, QStringLiteral("100")});
    Archive mine(path);
    for (int i = 0; i < 100; ++i) {
        CheckRecord r = sample(QStringLiteral("QUI%1").arg(i));
        QVERIFY2(mine.record(r), qPrintable(mine.error()));
    }
    for (QProcess *p : {&one, &two}) {
        QVERIFY(p->waitForFinished(60000));
        QCOMPARE(p->exitCode(), 0);
        QCOMPARE(p->readAllStandardOutput().count('\n'), 100);
    }
    QCOMPARE(count(path), 300);
}

void TestArchive::killedWhileRecording()
{
    // A program killed in the middle of recording: on the next start the
    // archive opens, sound, with every record it had reported kept.
    QTemporaryDir dir;
    const QString path = freshArchive(dir);
    { Archive a(path); }
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--writer"), path, QStringLiteral("100000")});
    QByteArray reported;
    QTRY_VERIFY_WITH_TIMEOUT((reported += writer.readAllStandardOutput()).count('\n') >= 50, 30000);
    ::kill(pid_t(writer.processId()), SIGKILL);
    QVERIFY(writer.waitForFinished(10000));
    reported += writer.readAllStandardOutput();
    Archive a(path);
    QCOMPARE(a.notice(), QString());
    QVERIFY(a.isOpen());
    for (const QByteArray &id : reported.split('\n'))
        if (!id.isEmpty())
            QVERIFY2(a.byId(id.toLongLong()).has_value(), id.constData());
}

void TestArchive::throughItsThread()
{
    // The window's way to the archive: calls answered in the order made, on
    // the asking object's thread; nothing to an object that is gone; a
    // damaged file told once; a server that never answers told within the
    // time limit, and its late answer dropped.
    QTemporaryDir dir;
    QString location = freshArchive(dir);
    if (!g_server) {
        QFile garbage(location);
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(4096, 'x')) == 4096);
    }
    QList<ArchiveReply> replies;
    QStringList notices;
    {
        ArchiveService service(location);
        connect(&service, &ArchiveService::notice, this, [&](const QString &text) { notices << text; });
        QObject asker;
        const auto keep = [&](const ArchiveReply &reply) {
            QCOMPARE(QThread::currentThread(), thread());
            replies << reply;
        };
        for (const QString &code : {QStringLiteral("PRIMA"), QStringLiteral("SECONDA")})
            service.ask(&asker, [r = sample(code)](Archive &a) mutable {
                ArchiveReply reply;
                reply.ok = a.record(r);
                reply.id = r.id;
                return reply;
            }, keep);
        service.ask(&asker, [](Archive &a) {
            ArchiveReply reply;
            reply.records = a.find();
            reply.ok = true;
            return reply;
        }, keep);
        {
            QObject gone;
            service.ask(&gone, [](Archive &) { return ArchiveReply{true}; }, [&](const ArchiveReply &) { replies << ArchiveReply{}; });
        }
        QTRY_COMPARE(service.pending(), 0);
        QCOMPARE(replies.size(), 3);
        QVERIFY(replies[0].ok && replies[1].ok && replies[1].id > replies[0].id);
        QCOMPARE(codes(replies[2].records), QStringList({"SECONDA", "PRIMA"}));
        // A damaged file is told once, when the archive opens.
        QCOMPARE(notices.size(), g_server ? 0 : 1);
        if (g_server) {
            // The server restarted between two checks: the next is kept.
            QVERIFY(g_server->restart());
            replies.clear();
            service.ask(&asker, [r = sample(QStringLiteral("TERZA"))](Archive &a) mutable {
                return ArchiveReply{a.record(r), a.error()};
            }, keep);
            QTRY_COMPARE(replies.size(), 1);
            QVERIFY2(replies[0].ok, qPrintable(replies[0].error));
        }
    }
    if (g_server)
        return;

    PrintServerStandIn silent(PrintServerStandIn::Silent);
    qputenv("DRAVINO_ARCHIVE_TIMEOUT_MS", "300");
    const auto restore = qScopeGuard([] { qunsetenv("DRAVINO_ARCHIVE_TIMEOUT_MS"); });
    ArchiveService service(QStringLiteral("postgresql://tecnico@%1/officina").arg(QString::fromLatin1(silent.address())));
    QObject asker;
    replies.clear();
    QElapsedTimer clock;
    clock.start();
    service.ask(&asker, [](Archive &a) { return ArchiveReply{a.isOpen()}; }, [&](const ArchiveReply &reply) { replies << reply; });
    QTRY_COMPARE(replies.size(), 1);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!replies[0].ok);
    QCOMPARE(replies[0].error, QStringLiteral("il server dell'archivio postgresql://tecnico@%1/officina non risponde")
                                   .arg(QString::fromLatin1(silent.address())));
    QTest::qWait(500);
    QCOMPARE(replies.size(), 1);
}

void TestArchive::whereItIs_data()
{
    // DRAVINO_ARCHIVE, the setting, and where the archive is then.
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("location");
    const QString server = QStringLiteral("postgresql://officina@server.local/dravino");
    QTest::newRow("nothing configured: the file in the data folder") << "" << "" << "DATA/Dravino/archivio.sqlite";
    QTest::newRow("the setting") << "" << server << server;
    QTest::newRow("the environment before the setting") << "/tmp/altro.sqlite" << server << "/tmp/altro.sqlite";
}

void TestArchive::whereItIs()
{
    QFETCH(QString, environment);
    QFETCH(QString, setting);
    QFETCH(QString, location);
    // (Qt finds the settings' folder once in a process)
    static QTemporaryDir home;
    const QByteArray config = qgetenv("XDG_CONFIG_HOME"), data = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_CONFIG_HOME", config);
        qputenv("XDG_DATA_HOME", data);
        qunsetenv("DRAVINO_ARCHIVE");
        QSettings(QStringLiteral("Dravino"), QStringLiteral("Dravino")).remove(QStringLiteral("archive"));
    });
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("Dravino"));
    if (!environment.isEmpty())
        qputenv("DRAVINO_ARCHIVE", environment.toLocal8Bit());
    if (!setting.isEmpty())
        QSettings(QStringLiteral("Dravino"), QStringLiteral("Dravino")).setValue(QStringLiteral("archive"), setting);
    QVERIFY(QFile::exists(home.filePath(QStringLiteral("config/Dravino/Dravino.conf"))) || setting.isEmpty());
    QCOMPARE(Archive::configuredLocation(), QString(location).replace(QStringLiteral("DATA"), home.filePath(QStringLiteral("data"))));
    QCOMPARE(Archive::isServer(location), location.startsWith(QLatin1String("postgresql:")));
}

// tst_archive --writer PATH N: records N checks, printing each one's id once
// it is kept (for the tests above).
int main(int argc, char *argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--writer") {
        QCoreApplication app(argc, argv);
        Archive a(QString::fromLocal8Bit(argv[2]));
        for (int i = 0; i < std::atoi(argv[3]); ++i) {
            CheckRecord r = sample(QStringLiteral("ALTRO%1").arg(i));
            if (!a.record(r)) {
                std::fprintf(stderr, "%s\n", qPrintable(a.error()));
                return 1;
            }
            std::printf("%lld\n", r.id);
            std::fflush(stdout);
        }
        return 0;
    }
    QApplication app(argc, argv);
    if (const QString why = requirement(QApplication::arguments()); !why.isEmpty())
        return dravino::test::cannotRun(why);
    TestArchive tc;
    if (argc >= 2 && QByteArray(argv[1]) == "--postgresql") {
        // The tests of an archive that runs on both engines, on a server of
        // their own.
        ThrowawayPostgres server;
        if (!server.why().isEmpty())
            return dravino::test::cannotRun(server.why());
        g_server = &server;
        QStringList arguments{QApplication::arguments().first()};
        arguments << QApplication::arguments().mid(2);
        if (arguments.size() == 1)
            arguments << QStringLiteral("keepsAndFinds") << QStringLiteral("faults") << QStringLiteral("twoProgramsWriting")
                      << QStringLiteral("killedWhileRecording") << QStringLiteral("throughItsThread");
        const int rc = QTest::qExec(&tc, arguments);
        g_server = nullptr;
        return rc;
    }
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_archive.moc"
