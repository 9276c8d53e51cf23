// Where a page goes besides the one-click print: the print buttons' menu
// (right click, Menu key, Shift+F10), the preview, a PDF saved where the
// user says, the value table as CSV read back by Python's csv module; the
// workshop and the job on the sheet (the real job form); the archive
// window, its exports and its reprints, its place kept when it is read
// again, a check waiting on the bench for the server, and the checks it
// could not record; a sheet's verdict only for the readings it was
// computed from. None of them touches the calculator.

#include "PdfWords.h"
#include "PrintServerStandIn.h"
#include "ThrowawayPostgres.h"
#include "archive/Archive.h"
#include "archive/ArchiveService.h"
#include "archive/Location.h"
#include "archive/Outbox.h"
#include "base/Settings.h"
#include "WindowFixture.h"
#include "print/PrintBackend.h"
#include "print/PdfFile.h"
#include "instrument/Meter.h"
#include "ui/ScalePanel.h"
#include "ui/archive/ArchiveModel.h"
#include "ui/dialogs/WorkshopDialog.h"
#include "ui/printjob/PrintPreview.h"

#include <QCheckBox>
#include <QSet>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFont>
#include <QMessageBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

const char *const kOpenScale = "!F2;";

QMenu *openMenu(Window &t, const QString &button, const QString &how)
{
    auto *b = t.get(button);
    b->setFocus(Qt::OtherFocusReason);
    if (how == QLatin1String("right")) {
        QContextMenuEvent e(QContextMenuEvent::Mouse, b->rect().center(), b->mapToGlobal(b->rect().center()));
        QApplication::sendEvent(b, &e);
    } else if (how == QLatin1String("menu")) {
        QTest::keyClick(b, Qt::Key_Menu);
    } else {
        QTest::keyClick(b, Qt::Key_F10, Qt::ShiftModifier);
    }
    return b->findChild<QMenu *>(QStringLiteral("printMenu"));
}

// Chooses the menu entry named name (a printer, "printer:NAME", once the
// print server has listed it).
void choose(Window &t, const QString &button, const QString &name)
{
    QMenu *menu = openMenu(t, button, QStringLiteral("right"));
    QVERIFY(menu);
    QTRY_VERIFY2(menu->findChild<QAction *>(name), qPrintable(name));
    menu->findChild<QAction *>(name)->trigger();
    menu->close();
}

// F4's archive window, the main window made active first (offscreen,
// nothing gives it back its activation after a menu or a dialog).
QDialog *openArchive(Window &t)
{
    t.w->activateWindow();
    if (!QTest::qWaitForWindowActive(t.w.get()))
        qWarning("the window did not become active");
    t.run(QStringLiteral("!F4"));
    auto *archive = t.w->findChild<QDialog *>(QStringLiteral("frmArchivio"));
    if (archive && !QTest::qWaitFor([archive] { return archive->isVisible(); }))
        qWarning("the archive window did not show");
    // Keys go where the user would type them, into the window in front (Qt
    // counts a dialog active while its parent still is: not enough here).
    if (archive && !QTest::qWaitFor([archive] { return QApplication::activeWindow() == archive; }))
        qWarning("the archive window did not become active");
    return archive;
}

// What a Python script prints, a line an entry.
QStringList python(const QString &script, const QStringList &arguments)
{
    return dravino::test::outputOf(QStringLiteral("python3"), QStringList{QStringLiteral("-c"), script} + arguments)
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The rows of a CSV file as Python's csv module reads them, one line each,
// fields joined by '|'.
QStringList csvRows(const QString &file, QChar delimiter)
{
    return python(QStringLiteral("import csv,sys\n"
                                 "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline=''), "
                                 "delimiter=sys.argv[2], strict=True))\n"
                                 "print('\\n'.join('|'.join(r) for r in rows))"),
                  {file, QString(delimiter)});
}

// The cells of an .xlsx file as a spreadsheet reads them (its XML, where
// no spreadsheet program is installed), one row a line, cells joined by
// '|': a text as 'TEXT, a number as it is, a date as date:NUMBER; then
// "dates FORMAT" for each date format the cells use, "frozen" where the
// heading row stays in view and "widths" where the columns are sized.
QStringList xlsxRows(const QString &file)
{
    return python(QStringLiteral(
                 "import re,sys,zipfile\n"
                 "z = zipfile.ZipFile(sys.argv[1])\n"
                 "x = lambda n: z.read(n).decode('utf-8')\n"
                 "strings = [re.sub('<[^>]+>', '', s) for s in re.findall('<si>(.*?)</si>', x('xl/sharedStrings.xml'), re.S)]\n"
                 "styles = x('xl/styles.xml')\n"
                 "xfs = re.findall('<xf [^>]*numFmtId=\"(\\d+)\"', styles.split('<cellXfs')[1])\n"
                 "dates = {i for i, f in enumerate(xfs) if int(f) >= 164 and 'yy' in "
                 "re.search('numFmtId=\"%s\" formatCode=\"([^\"]*)\"' % f, styles).group(1)}\n"
                 "sheet = x('xl/worksheets/sheet1.xml')\n"
                 "for row in re.findall('<row [^>]*>(.*?)</row>', sheet, re.S):\n"
                 "  out = {}\n"
                 "  for attrs, body in re.findall('<c ([^>]*?)(?:/>|>(.*?)</c>)', row, re.S):\n"
                 "    col = 0\n"
                 "    for ch in re.search('r=\"([A-Z]+)', attrs).group(1): col = col * 26 + ord(ch) - 64\n"
                 "    v = re.search('<v>(.*?)</v>', body or '')\n"
                 "    s = re.search('s=\"(\\d+)\"', attrs)\n"
                 "    if 't=\"s\"' in attrs: out[col] = \"'\" + strings[int(v.group(1))]\n"
                 "    elif s and int(s.group(1)) in dates: out[col] = 'date:' + v.group(1)\n"
                 "    else: out[col] = v.group(1) if v else ''\n"
                 "  print('|'.join(out.get(c, '') for c in range(1, max(out) + 1)))\n"
                 "for f in sorted({xfs[i] for i in dates}): print('dates ' + re.search('numFmtId=\"%s\" formatCode=\"([^\"]*)\"' % f, styles).group(1))\n"
                 "if re.search('<pane [^>]*ySplit=\"1\"[^>]*state=\"frozen\"', sheet): print('frozen')\n"
                 "if '<cols>' in sheet: print('widths')\n"),
             {file});
}

QStringList messageTexts(const QList<ShownMessage> &messages)
{
    QStringList out;
    for (const auto &m : messages)
        out << m.text;
    return out;
}

QStringList codes(const QList<dravino::CheckSummary> &checks)
{
    QStringList out;
    for (const auto &c : checks)
        out << c.code;
    return out;
}

// count checks kept in the archive at path in one go, each made by fill.
bool keepChecks(const QString &path, int count, const std::function<void(int, dravino::CheckRecord &)> &fill)
{
    QList<dravino::CheckRecord> checks;
    for (int i = 0; i < count; ++i) {
        dravino::CheckRecord r;
        r.key = dravino::newCheckKey();
        fill(i, r);
        checks << r;
    }
    return dravino::Archive(path).keepAll(checks);
}

// A computed check of code, its certificate number, taken days after
// 1 October 2026: passing (readings of a 2400-bar sensor judged against
// 2400), failing (a manual average of 2300 fails its rows), or, with no
// deviations' window kept, without a verdict.
dravino::CheckRecord checkOfCode(const QString &code, char verdict, int days, int average = 0)
{
    dravino::ScaleCheckModel check;
    check.setAverage(verdict == 'F' ? "2300" : "2400");
    check.setSettings({false, false, verdict != 'F', 2400});
    check.compute(',');
    dravino::CheckRecord r = dravino::checkOf(check);
    r.key = dravino::newCheckKey();
    r.code = code;
    r.certificate = QStringLiteral("N-%1").arg(code);
    r.takenAt = QDateTime(QDate(2026, 10, 1).addDays(days), QTime(9, 0));
    if (verdict == 'U')
        r.tolerance = {};
    if (average)
        r.average = double(average);
    return r;
}

bool keepAll(const QString &location, QList<dravino::CheckRecord> records)
{
    dravino::Archive archive(location);
    return archive.keepAll(records);
}

// Every modal window that opens, as a user sees it ("TITLE over WINDOW",
// the window it stands over), answered as a user answers it: a save
// dialog given fileName and Return, a message box's or a question's
// default button clicked, a preview's Chiudi.
struct ModalsAnswered {
    QStringList seen;
    std::function<void()> whileBoxOpen; // once, with the first box or preview open
    QString fileName;                  // what a save dialog is given
    std::function<void()> afterSaving; // ... and done at once after its Return
    QTimer timer;
    QPointer<QWidget> last;
    QElapsedTimer answeredAt;

    ModalsAnswered()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] { answer(); });
        timer.start();
    }
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        // One still open a second after its answer (a click lost on a busy
        // desktop) is answered again, not counted again.
        if (modal == last && !answeredAt.hasExpired(1000))
            return;
        if (modal != last) {
            const QWidget *over = modal->parentWidget() ? modal->parentWidget()->window() : nullptr;
            seen << QStringLiteral("%1 over %2").arg(modal->windowTitle(), over ? over->objectName() : QStringLiteral("nothing"));
        }
        last = modal;
        answeredAt.start();
        const QPointer<QWidget> open(modal);
        QAbstractButton *button = nullptr;
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            // The name typed and Return, as a user saves; then what the test does at once.
            auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(fileName); // (typed, its completer's popup would take the Return)
            QTest::keyClick(name, Qt::Key_Return);
            if (afterSaving)
                std::exchange(afterSaving, {})();
            return;
        }
        if (whileBoxOpen)
            std::exchange(whileBoxOpen, {})();
        if (!open)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            button = box->defaultButton() ? box->defaultButton() : box->buttons().value(0);
        else
            button = modal->findChild<QPushButton *>(QStringLiteral("previewClose"));
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
    }
};

} // namespace

// The PostgreSQL server the shared archive's tests use, started once;
// where it cannot run, the test is skipped (under CI it fails).
#define NEEDS_THE_SERVER()                                                                                   \
    do {                                                                                                     \
        if (!m_server)                                                                                       \
            m_server = std::make_unique<ThrowawayPostgres>();                                                \
        if (const QString why = m_server->why(); !why.isEmpty()) {                                           \
            if (qgetenv("CI") == "true")                                                                     \
                QFAIL(qPrintable(why));                                                                      \
            QSKIP(qPrintable(why));                                                                          \
        }                                                                                                    \
    } while (false)

class TestDestinations : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuEntries_data();
    void menuEntries();
    void preview_data();
    void preview();
    void saveAsPdf_data();
    void saveAsPdf();
    void saveDialogAsksBeforeReplacing();
    void csv_data();
    void csv();
    void workshopAndJob();
    void settingsThatCannotBeWritten();
    void archiveReachesEveryCheck();
    void archiveListKeepsItsPlace();
    void replyWhileTheQuestionIsOpen();
    void checkWaitingOnTheBench();
    void archiveFindsAndReprints_data();
    void archiveFindsAndReprints();
    void pageNotRecordedIsTold();
    void verdictsInTheArchive_data();
    void verdictsInTheArchive();
    void datesTypedWhole_data();
    void datesTypedWhole();
    void sensorHistory();
    void benchChecksToTheServer_data();
    void benchChecksToTheServer();
    void onlyAComputedCheckIsRecorded_data();
    void onlyAComputedCheckIsRecorded();
    void verdictOnlyForItsReadings_data();
    void verdictOnlyForItsReadings();
    void unrecordedCheckIsTold_data();
    void unrecordedCheckIsTold();
    void windowClosedWhileItsMessageIsOpen_data();
    void windowClosedWhileItsMessageIsOpen();
    void frozenWhileAsked_data();
    void frozenWhileAsked();
    void sameCheckPrintedAgain();
    void sheetForAPrinterWithoutColour();
    void settledOnceWhileItsMessageIsOpen();
    void newerServer();
    void partOfTheChosenChecks_data();
    void partOfTheChosenChecks();
    void judgedByItsOwnRule();
    void waitingChecksInALongList();

private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<dravino::test::Undo> m_env;
    std::unique_ptr<ThrowawayPostgres> m_server; // started by the first test that needs it
};

void TestDestinations::init()
{
    // The last folder is remembered in a settings file of each test's own.
    m_config = std::make_unique<QTemporaryDir>();
    m_env = std::make_unique<dravino::test::Undo>();
    m_env->setEnv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
    m_env->setEnv("DRAVINO_ARCHIVE", {});
}

void TestDestinations::cleanup()
{
    m_env.reset();
}

void TestDestinations::menuEntries_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("queues");   // what the print server lists (FakePlatform)
    QTest::addColumn<QString>("printers"); // what "Stampa su" then shows
    const QString two = QStringLiteral("PDF (predefinita)|Ufficio");
    const QString table = QStringLiteral("Stampa|Anteprima di stampa...|Stampa su|Salva come PDF...|Esporta CSV...|"
                                         "Esporta foglio di calcolo (.xlsx)...|Officina...|Strumento...");
    const QString sheet = QStringLiteral("Stampa|Anteprima di stampa...|Stampa su|Salva come PDF...|Archivio prove...|Officina...|Strumento...");
    QTest::newRow("table, right click") << "" << "cmdStampa" << "right" << table << "" << two;
    QTest::newRow("table, Shift+F10") << "" << "cmdStampa" << "shiftf10" << table << "" << two;
    QTest::newRow("sheet, right click: no CSV") << kOpenScale << "cmdStampaScala" << "right" << sheet << "" << two;
    QTest::newRow("no printer") << "" << "cmdStampa" << "right" << table << "none" << "nessuna stampante";
    QTest::newRow("a print server not answering") << kOpenScale << "cmdStampaScala" << "menu" << sheet << "silent"
                                                   << "il server di stampa non risponde";
}

void TestDestinations::menuEntries()
{
    QFETCH(QString, open);
    QFETCH(QString, button);
    QFETCH(QString, how);
    QFETCH(QString, entries);
    QFETCH(QString, queues);
    QFETCH(QString, printers);
    Window t;
    t.platform.queues = queues;
    t.run(open);
    QMenu *menu = openMenu(t, button, how);
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menuTexts(menu).join(QLatin1Char('|')), entries);
    QCOMPARE(menu->defaultAction()->text(), QStringLiteral("Stampa"));
    QCOMPARE(menu->accessibleName(), QStringLiteral("Stampa"));
    // The printers come from the print server, the default marked.
    auto *printTo = menu->findChild<QMenu *>(QStringLiteral("menuPrintTo"));
    QTRY_COMPARE(menuTexts(printTo).join(QLatin1Char('|')), printers);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu || !menu->isVisible());
    QCOMPARE(t.platform.documents.size(), 0);
    QCOMPARE(t.check(QStringLiteral("front=%1").arg(open.isEmpty() ? "fraMain" : "fraSecondary")) + t.errors(), QStringList());
}

void TestDestinations::preview_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("table") << "txtStampaA=600" << "cmdStampa" << "Anteprima di stampa - Tabella 500-600 mV";
    QTest::newRow("sheet, computed") << QStringLiteral("%1@answer:abc12;txtADCValue(4)=640;cmdScala").arg(kOpenScale) << "cmdStampaScala"
                           << "Anteprima di stampa - Scala ABC12 " + QDate::currentDate().toString(Qt::ISODate);
}

void TestDestinations::preview()
{
    QFETCH(QString, open);
    QFETCH(QString, button);
    QFETCH(QString, title);
    QTemporaryDir data;
    const QString archive = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", archive.toLocal8Bit());
    Window t;
    t.run(open);
    QString shownTitle;
    QSize shown;
    bool fitsTheWindow = false;
    whenModal<dravino::PrintPreview>([&](dravino::PrintPreview *preview) {
        shownTitle = preview->windowTitle();
        shown = preview->shownPage().size();
        // The whole page, both ways.
        const QSize room = preview->findChild<QScrollArea *>(QStringLiteral("previewArea"))->viewport()->size();
        fitsTheWindow = room.width() >= shown.width() / preview->devicePixelRatioF()
            && room.height() >= shown.height() / preview->devicePixelRatioF();
        // 100 %: the page at its real size on this screen.
        QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("previewActualSize")), Qt::LeftButton);
        QCOMPARE(preview->scale(), 1.0);
        QTest::keyClick(preview, Qt::Key_Escape); // Esc closes it
    });
    choose(t, button, QStringLiteral("menuPreview"));
    QTRY_VERIFY(!shownTitle.isEmpty());
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(shownTitle, title);
    QVERIFY(shown.width() > 100 && shown.height() > shown.width());
    QVERIFY(fitsTheWindow);
    // Nothing printed, nothing changed.
    QCOMPARE(t.platform.requests, QStringList());
    QCOMPARE(t.check(QStringLiteral("txtMvolt1=500;txtPressione=0;msgs=")) + t.errors(), QStringList());

    // Its Stampa prints the page shown on the default printer, once
    // however often it is pressed while the page is on its way.
    whenModal<dravino::PrintPreview>([](dravino::PrintPreview *modal) {
        const auto close = qScopeGuard([modal] { modal->reject(); });
        for (int press = 0; press < 2; ++press)
            QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("previewPrint")), Qt::LeftButton);
    });
    choose(t, button, QStringLiteral("menuPreview"));
    QTRY_COMPARE(t.platform.requests, QStringList{QString()});
    QTRY_COMPARE(t.platform.pending, 0);
    QCOMPARE(t.platform.messages.size(), button == QLatin1String("cmdStampa") ? 1 : 0); // the sheet is quiet
    // The sheet's one page, one record, settled by that page: on PDF.
    if (button == QLatin1String("cmdStampaScala"))
        QTRY_COMPARE_WITH_TIMEOUT(dravino::Archive(archive).page({}, nullptr, 10).value(0).destination,
                                  (dravino::PageDestination{dravino::PageDestination::Printer, QStringLiteral("PDF")}), 20000);
    QCOMPARE(dravino::Archive(archive).count({}), button == QLatin1String("cmdStampaScala") ? 1 : 0);
}

void TestDestinations::saveAsPdf_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::newRow("table") << "txtStampaDa=0;txtStampaA=2680" << "cmdStampa" << "Tabella 0-2680 mV.pdf";
    QTest::newRow("pressure table") << "optStampa(1);txtStampaDa=100;txtStampaA=1800;txtStep=100" << "cmdStampa" << "Tabella 100-1800 bar.pdf";
    QTest::newRow("sheet") << QStringLiteral("%1@answer:ab/12").arg(kOpenScale) << "cmdStampaScala"
                           << "Scala AB_12 " + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
    QTest::newRow("sheet without a code") << QStringLiteral("%1@answer:").arg(kOpenScale) << "cmdStampaScala"
                                          << "Scala " + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
}

void TestDestinations::saveAsPdf()
{
    QFETCH(QString, open);
    QFETCH(QString, button);
    QFETCH(QString, name);
    QTemporaryDir home, other;
    dravino::test::Undo undo;
    undo.setEnv("HOME", home.path().toLocal8Bit());
    Window t;
    t.platform.realPages = true;
    t.run(open);
    // The dialog suggests a name that says what the page is, in the home
    // folder at first; the file chosen is written and told.
    t.platform.saveAs = other.filePath(QStringLiteral("chosen.pdf"));
    choose(t, button, QStringLiteral("menuSavePdf"));
    QTRY_COMPARE(t.platform.saveDialogs.size(), 1);
    QCOMPARE(t.platform.saveDialogs[0], QStringLiteral("Salva come PDF|%1/%2|File PDF (*.pdf)").arg(home.path(), name));
    QTRY_COMPARE(t.platform.pending, 0);
    QTRY_COMPARE(t.platform.messages.size(), 1); // (the sheet's, once it is recorded)
    const QString title = button == QLatin1String("cmdStampa") ? QStringLiteral("Stampa valori di pressione/tensione")
                                                              : QStringLiteral("Stampa foglio scala");
    QCOMPARE(t.check(QStringLiteral("msgs=%1|I|Pagina salvata nel file PDF %2").arg(title, t.platform.saveAs)) + t.errors(),
             QStringList());
    QVERIFY(dravino::isCompletePdf(t.platform.saveAs));
    if (name.startsWith(QLatin1String("Tabella 0-2680"))) {
        const QStringList wrong = valueTableProblems(t.platform.saveAs, dravino::QtPrintSurface::kMarginPoints, 4, true);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        // Arial as Liberation Sans: rows regular, headings bold, the title
        // italic, the scale in it bold italic.
        QCOMPARE(pdfFonts(t.platform.saveAs), QStringList({"LiberationSans", "LiberationSans-Bold", "LiberationSans-BoldItalic",
                                                           "LiberationSans-Italic"}));
    }
    // The next time the dialog starts in the folder last used.
    t.platform.saveAs.clear();
    choose(t, button, QStringLiteral("menuSavePdf"));
    QTRY_COMPARE(t.platform.saveDialogs.size(), 2);
    QCOMPARE(t.platform.saveDialogs[1].section(QLatin1Char('|'), 1, 1), QStringLiteral("%1/%2").arg(other.path(), name));
    QCOMPARE(QDir(other.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("chosen.pdf")});
}

void TestDestinations::saveDialogAsksBeforeReplacing()
{
    // Qt's own dialog, in Italian: a name in the way is replaced only after
    // a Yes; No leaves the file as it was.
    Window t;
    QTemporaryDir dir;
    QFile keep(dir.filePath(QStringLiteral("tabella.pdf")));
    QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("keep") == 4);
    keep.close();
    QStringList asked;
    const auto answer = [&](QMessageBox::StandardButton reply) {
        whenModal<QFileDialog>([&, reply](QFileDialog *dialog) {
            asked << dialog->windowTitle();
            // Typed over the suggested name, as a user does.
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("tabella.pdf"));
            whenModal<QMessageBox>([&, reply, dialog](QMessageBox *box) {
                asked << box->text();
                box->button(reply)->click();
                if (reply == QMessageBox::No)
                    QTimer::singleShot(0, dialog, &QDialog::reject);
            });
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        return dravino::DesktopPlatform().saveFileName(t.w.get(), QStringLiteral("Salva come PDF"),
                                                       dir.filePath(QStringLiteral("Tabella.pdf")),
                                                       QStringLiteral("File PDF (*.pdf)"));
    };
    const auto no = answer(QMessageBox::No);
    QVERIFY2(!no, qPrintable(asked.join(QLatin1Char('|')) + QLatin1String(" -> ") + no.value_or(QString())));
    QCOMPARE(asked.value(0), QStringLiteral("Salva come PDF"));
    QVERIFY2(asked.value(1).contains(QLatin1String("tabella.pdf")) && asked.value(1).contains(QLatin1String("sostituir")),
             qPrintable(asked.join(QLatin1Char('|'))));
    QCOMPARE(keep.size(), 4);
    asked.clear();
    QCOMPARE(answer(QMessageBox::Yes), std::optional<QString>(keep.fileName()));
}

void TestDestinations::csv_data()
{
    // The print box's settings; the CSV's rows as Python reads them, which
    // must be the printed table's rows under the headings.
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("rows");
    QTest::newRow("millivolt range") << "txtStampaDa=500;txtStampaA=560" << "MVolt|Bar,500|0,520|10,540|20,560|30";
    QTest::newRow("pressure range") << "optStampa(1);txtStampaDa=0;txtStampaA=200;txtStep=100" << "Bar|MVolt,0|500,100|700,200|900";
    QTest::newRow("a row with no value") << "txtStampaDa=0;txtStampaA=1000;txtStep=500" << "MVolt|Bar,0|--,500|0,1000|250";
    QTest::newRow("From as typed") << "txtStampaDa=0500;txtStampaA=520" << "MVolt|Bar,0500|0,520|10";
    QTest::newRow("range running backwards: refused, no file") << "txtStampaDa=500;txtStampaA=400" << "";
    // The same rows as a spreadsheet: numbers as numbers, "--" a text.
    QTest::newRow("spreadsheet") << "xlsx:txtStampaDa=0;txtStampaA=1000;txtStep=500"
                                 << "'MVolt|'Bar,0|'--,500|0,1000|250,frozen,widths";
}

void TestDestinations::csv()
{
    QFETCH(QString, settings);
    QFETCH(QString, rows);
    QTemporaryDir dir;
    Window t;
    if (settings.startsWith(QLatin1String("xlsx:"))) {
        t.run(settings.mid(5));
        t.platform.saveAs = dir.filePath(QStringLiteral("tabella.xlsx"));
        choose(t, QStringLiteral("cmdStampa"), QStringLiteral("menuExportXlsx"));
        QTRY_COMPARE(t.platform.messages.size(), 1);
        QCOMPARE(t.platform.messages[0].text, QStringLiteral("Tabella salvata nel foglio di calcolo %1").arg(t.platform.saveAs));
        QVERIFY2(t.platform.saveDialogs[0].endsWith(QStringLiteral("/Tabella 0-1000 mV.xlsx|Foglio di calcolo (*.xlsx)")),
                 qPrintable(t.platform.saveDialogs[0]));
        QCOMPARE(xlsxRows(t.platform.saveAs).join(QLatin1Char(',')), rows);
        return;
    }
    t.run(settings);
    t.platform.saveAs = dir.filePath(QStringLiteral("tabella.csv"));
    choose(t, QStringLiteral("cmdStampa"), QStringLiteral("menuExportCsv"));
    QTRY_COMPARE(t.platform.messages.size(), 1);
    if (rows.isEmpty()) {
        QCOMPARE(t.platform.messages[0].title, QStringLiteral("Stampa intervallo di valori"));
        QVERIFY(!QFile::exists(t.platform.saveAs));
        QCOMPARE(t.platform.saveDialogs.size(), 0);
        return;
    }
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Tabella salvata nel file CSV %1").arg(t.platform.saveAs));
    QCOMPARE(t.platform.saveDialogs[0].section(QLatin1Char('|'), 2), QStringLiteral("File CSV (*.csv)"));
    // Italian spreadsheets separate with ';'.
    const QStringList read = csvRows(t.platform.saveAs, QLatin1Char(';'));
    QCOMPARE(read.join(QLatin1Char(',')), rows);
    // The same rows as the table printed with the same settings.
    t.run(settings + QStringLiteral(";cmdStampa"));
    QStringList printed;
    for (const QString &r : read.mid(1))
        printed << r.split(QLatin1Char('|'));
    QCOMPARE(t.check(QStringLiteral("rows=") + printed.join(QLatin1Char(','))) + t.errors(), QStringList());
    QCOMPARE(t.platform.requests, QStringList{QString()}); // the CSV printed nothing
}

void TestDestinations::workshopAndJob()
{
    // "Officina..." from the sheet's print menu keeps the workshop; each
    // sheet then asks for the job (proposing the last one's, the operator
    // remembered), prints it and records it; Annulla prints nothing; a
    // logo that is no picture is told once and the pages go without it.
    QTemporaryDir dir;
    qputenv("DRAVINO_ARCHIVE", dir.filePath(QStringLiteral("archivio.sqlite")).toLocal8Bit());
    const QString logo = dir.filePath(QStringLiteral("logo.png"));
    QFile notAPicture(logo);
    QVERIFY(notAPicture.open(QIODevice::WriteOnly) && notAPicture.write("no picture") > 0);
    notAPicture.close();
    const auto forget = qScopeGuard([] { dravino::saveWorkshop({}); });
    Window t;
    t.run(kOpenScale);
    // Annulla keeps nothing of what was typed.
    whenModal<QDialog>([](QDialog *workshop) {
        workshop->findChild<QLineEdit *>(QStringLiteral("txtOfficina"))->setText(QStringLiteral("Officina Sbagliata"));
        workshop->reject();
    });
    choose(t, QStringLiteral("cmdStampaScala"), QStringLiteral("menuWorkshop"));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(dravino::loadWorkshop().name, QString());
    t.platform.openAnswer = logo;
    whenModal<QDialog>([](QDialog *workshop) {
        QCOMPARE(workshop->objectName(), QStringLiteral("frmOfficina"));
        workshop->findChild<QLineEdit *>(QStringLiteral("txtOfficina"))->setText(QStringLiteral("Officina Rossi"));
        workshop->findChild<QLineEdit *>(QStringLiteral("txtTelefono"))->setText(QStringLiteral("011 555"));
        QTest::mouseClick(workshop->findChild<QPushButton *>(QStringLiteral("cmdScegliLogo")), Qt::LeftButton);
        workshop->findChild<QCheckBox *>(QStringLiteral("chkDatiLavoro"))->setChecked(true);
        workshop->accept();
    });
    choose(t, QStringLiteral("cmdStampaScala"), QStringLiteral("menuWorkshop"));
    QTRY_COMPARE(dravino::loadWorkshop().name, QStringLiteral("Officina Rossi"));
    QCOMPARE(dravino::loadWorkshop().logo, logo);
    const dravino::JobData first{QStringLiteral("Bianchi"), QStringLiteral("AB123CD"), QStringLiteral("C-1"), QStringLiteral("Mario")};
    t.platform.job = first;
    t.run(QStringLiteral("cmdScala;@answer:s1;cmdStampaScala"));
    t.platform.job = dravino::JobData{QStringLiteral("Verdi"), QStringLiteral("XY999ZZ"), QStringLiteral("C-2"), QStringLiteral("Mario")};
    t.run(QStringLiteral("@answer:s1;cmdStampaScala"));
    t.platform.job.reset();
    t.run(QStringLiteral("@answer:s3;cmdStampaScala"));
    // Proposed: nothing, then the first sheet's for the same sensor; for
    // another sensor only the operator, remembered.
    QCOMPARE(t.platform.jobProposals.size(), 3);
    QCOMPARE(t.platform.jobProposals[0], dravino::JobData{});
    QCOMPARE(t.platform.jobProposals[1], first);
    QCOMPARE(t.platform.jobProposals[2], (dravino::JobData{{}, {}, {}, QStringLiteral("Mario")}));
    QCOMPARE(t.platform.documents.size(), 2); // Annulla printed nothing
    QStringList page;
    for (const auto &item : t.platform.documents[0]) {
        page << item.text;
        QVERIFY(item.kind != dravino::RecordedItem::Picture); // no logo: it is no picture
    }
    QVERIFY2(page.contains(QStringLiteral("Officina Rossi")) && page.contains(QStringLiteral("tel. 011 555")),
             qPrintable(page.join(QLatin1Char('|'))));
    QVERIFY(page.contains(QStringLiteral("Cliente: Bianchi · Veicolo: AB123CD · Commessa: C-1 · Operatore: Mario")));
    // The logo told once, for both pages.
    QStringList told;
    for (const ShownMessage &m : t.platform.messages)
        told << m.text;
    QCOMPARE(told.filter(QStringLiteral("Il logo dell'officina")).size(), 1);
    // Kept with the check, found by it.
    const dravino::Archive archive(qEnvironmentVariable("DRAVINO_ARCHIVE"));
    QTRY_COMPARE(archive.count({QStringLiteral("bianchi")}), 1);
    // The real form: each field where it belongs, on the page and in the record.
    t.platform.realJobForm = true;
    whenModal<QDialog>([](QDialog *form) {
        const std::pair<const char *, const char *> typed[] = {
            {"txtCliente", "Neri spa"}, {"txtVeicolo", "ZZ999YY"}, {"txtCommessa", "C-77"}, {"txtOperatore", "Anna"}};
        for (const auto &[field, text] : typed)
            form->findChild<QLineEdit *>(QLatin1String(field))->setText(QLatin1String(text));
        QTest::mouseClick(form->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    t.run(QStringLiteral("@answer:s4;cmdStampaScala"));
    QVERIFY(t.platform.documents.size() == 3 && std::any_of(t.platform.documents[2].begin(), t.platform.documents[2].end(), [](const auto &item) {
        return item.text == QStringLiteral("Cliente: Neri spa · Veicolo: ZZ999YY · Commessa: C-77 · Operatore: Anna");
    }));
    QTRY_COMPARE(archive.count({QStringLiteral("neri")}), 1);
    const auto neri = archive.records({archive.page({QStringLiteral("neri")}, nullptr, 1).value(0).key}).value(0);
    QCOMPARE(neri.jobData, (dravino::JobData{QStringLiteral("Neri spa"), QStringLiteral("ZZ999YY"), QStringLiteral("C-77"), QStringLiteral("Anna")}));

    // Each sheet a certificate of its own, numbered by the bench, one after
    // the other; the number in its record, found by it.
    QStringList numbers;
    for (const auto &document : t.platform.documents)
        for (const auto &item : document)
            if (item.text.startsWith(QLatin1String("Certificato n. ")))
                numbers << item.text.mid(15).section(QStringLiteral(" · "), 0, 0);
    const QString bench = numbers.value(0).section(QLatin1Char('-'), 0, 0);
    QCOMPARE(bench.size(), 6);
    const qint64 one = numbers.value(0).section(QLatin1Char('-'), 1).toLongLong();
    QCOMPARE(numbers, (QStringList{QStringLiteral("%1-%2").arg(bench).arg(one), QStringLiteral("%1-%2").arg(bench).arg(one + 1),
                                   QStringLiteral("%1-%2").arg(bench).arg(one + 2)}));
    QCOMPARE(neri.certificate, numbers[2]);
    QCOMPARE(archive.page({numbers[0]}, nullptr, 5).value(0).jobData.customer, QStringLiteral("Bianchi"));

    // The workshop moves: a reprint is still the page handed over, under
    // the name it was printed with.
    dravino::Workshop moved = dravino::loadWorkshop();
    moved.name = QStringLiteral("Officina Nuova");
    QVERIFY(dravino::saveWorkshop(moved));
    auto *window = openArchive(t);
    QVERIFY(window);
    auto *list = window->findChild<QTableView *>(QStringLiteral("lstProve"));
    QTRY_COMPARE(list->model()->rowCount(), 3);
    list->selectRow(0); // the newest: Neri's
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdStampaArchivio")), Qt::LeftButton);
    QTRY_COMPARE(t.platform.documents.size(), 4);
    QStringList reprint;
    for (const auto &item : t.platform.documents[3])
        reprint << item.text;
    QVERIFY2(reprint.contains(QStringLiteral("Officina Rossi")) && !reprint.join(QLatin1Char('|')).contains(QStringLiteral("Nuova")),
             qPrintable(reprint.join(QLatin1Char('|'))));
    QVERIFY(!reprint.filter(QRegularExpression(QStringLiteral("^Certificato n. %1 · ").arg(numbers[2]))).isEmpty());
    QCOMPARE(reprint.filter(QStringLiteral("intestazione dell'officina di oggi")).size(), 0);
    window->close();
}

void TestDestinations::settingsThatCannotBeWritten()
{
    // The settings file cannot be written (a folder stands where it goes):
    // OK in "Officina..." and in "Strumento..." says so, and the dialog
    // stays open with what was typed.
    Window t;
    const QString file = dravino::settingsFile();
    QFile::rename(file, file + QStringLiteral(".tenuto"));
    QVERIFY(QDir().mkpath(file));
    const auto putBack = qScopeGuard([file] {
        QDir().rmdir(file);
        QFile::rename(file + QStringLiteral(".tenuto"), file);
    });
    t.run(kOpenScale);
    for (const char *entry : {"menuWorkshop", "menuInstrument"}) {
        bool stayed = false;
        QString typed;
        whenModal<QDialog>([&](QDialog *dialog) {
            const auto close = qScopeGuard([dialog] { dialog->reject(); });
            auto *field = dialog->findChild<QLineEdit *>(dialog->objectName() == QLatin1String("frmOfficina") ? QStringLiteral("txtOfficina")
                                                                                                              : QStringLiteral("txtStrumento"));
            field->setText(QStringLiteral("Da tenere"));
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            QTest::qWait(50);
            stayed = dialog->isVisible();
            typed = field->text();
        });
        choose(t, QStringLiteral("cmdStampaScala"), QLatin1String(entry));
        QTRY_VERIFY(!typed.isEmpty()); // (the menu's entry runs once the menu has closed)
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(stayed);
        QCOMPARE(typed, QStringLiteral("Da tenere"));
    }
    QCOMPARE(t.platform.messages.size(), 2);
    QVERIFY2(t.platform.messages[0].text.startsWith(QStringLiteral("L'officina non si può salvare: il file delle impostazioni ")),
             qPrintable(t.platform.messages[0].text));
    QVERIFY2(t.platform.messages[1].text.startsWith(QStringLiteral("Il multimetro scelto non si può salvare: il file delle impostazioni ")),
             qPrintable(t.platform.messages[1].text));
}

void TestDestinations::archiveReachesEveryCheck()
{
    // 1,200 checks: the true count in the window's number format, the list
    // reached to its last row by scrolling; a date typed with its
    // separators; the checks selected exported as CSV and as a spreadsheet,
    // a code typed as a formula kept as text, a code's leading 0 kept.
    QTemporaryDir data, out;
    const QString path = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", path.toLocal8Bit());
    QVERIFY(keepChecks(path, 1200, [](int i, dravino::CheckRecord &r) {
            r.takenAt = QDateTime(QDate(2026, 12, 1), QTime(8, 0)).addSecs(60 * i);
            r.code = i == 1199 ? QStringLiteral("=1+1")
                : i == 1198    ? QStringLiteral("@SUM(1)")
                : i == 1197    ? QStringLiteral("A;B")
                : i == 1196    ? QStringLiteral("0281\"X\"")
                : i == 1195    ? QStringLiteral("\tTAB")
                : i == 1194    ? QStringLiteral("\rCR")
                               : QStringLiteral("0281%1").arg(i, 6, 10, QLatin1Char('0'));
            if (i == 1199)
                r.jobData = {QStringLiteral("=2+2"), QStringLiteral("@A1"), QStringLiteral("+39"), QStringLiteral("-Anna")};
            r.average = double(2400 + i % 40);
            r.certificate = QStringLiteral("7F3A-%1").arg(i + 1);
            r.rows[1].linearity = 0.98;
            r.destination = {dravino::PageDestination::Printer, QStringLiteral("PDF")};
        }));
    Window t;
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    auto *state = archive->findChild<QLabel *>(QStringLiteral("lblStatoArchivio"));
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 1.200 (conformi 0, non conformi 0)"));
    // A row for every check from the first answer; Ctrl+End reads the
    // oldest ones, and nothing between.
    const auto *model = qobject_cast<dravino::ArchiveModel *>(list->model());
    QCOMPARE(model->rowCount(), 1200);
    QVERIFY(model->at(1199).key.isEmpty());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
    QTRY_COMPARE(model->at(1199).code, QStringLiteral("0281000000")); // the oldest, last
    QCOMPARE(list->model()->index(1199, 1).data().toString(), QStringLiteral("0281000000"));
    QCOMPARE(model->at(1000).code, QStringLiteral("0281000199"));
    QVERIFY(model->at(600).key.isEmpty());
    // "Dal" typed whole, separators and all: the range it says, nothing else.
    auto *from = archive->findChild<QDateEdit *>(QStringLiteral("dtDa"));
    from->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(from, QStringLiteral("01/12/2026"));
    QCOMPARE(from->date(), QDate(2026, 12, 1));
    QCOMPARE(QApplication::focusWidget(), from);
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 1.200 (conformi 0, non conformi 0)"));
    // The six newest, as CSV and as a spreadsheet.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home, Qt::ControlModifier);
    for (int row = 1; row < 6; ++row)
        QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    t.platform.saveAs = out.filePath(QStringLiteral("prove.csv"));
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdEsportaCsv")), Qt::LeftButton);
    QTRY_COMPARE(t.platform.messages.size(), 1);
    const QStringList csv = csvRows(t.platform.saveAs, QLatin1Char(';'));
    QCOMPARE(csv.size(), 7);
    // Whatever a spreadsheet would take for a formula is kept as text: the
    // code, the job's data, a text starting with a tab or a carriage return.
    QCOMPARE(csv[1].section(QLatin1Char('|'), 0, 11),
             QStringLiteral("2026-12-02T03:59:00|'=1+1||7F3A-1200|Bosch/VDO/Delphi|10 bit|2439|PDF|'=2+2|'@A1|'+39|'-Anna"));
    QCOMPARE(csv[2].section(QLatin1Char('|'), 1, 1), QStringLiteral("'@SUM(1)"));
    QCOMPARE(csv[3].section(QLatin1Char('|'), 1, 1), QStringLiteral("A;B"));
    QCOMPARE(csv[4].section(QLatin1Char('|'), 1, 1), QStringLiteral("0281\"X\""));
    QCOMPARE(csv[5].section(QLatin1Char('|'), 1, 1), QStringLiteral("'\tTAB"));
    QCOMPARE(csv[6].section(QLatin1Char('|'), 1, 1), QStringLiteral("'\rCR"));
    // The bytes as a spreadsheet takes them: UTF-8 with its mark, CR LF,
    // a field holding the separator or a quote quoted, its quotes doubled.
    QFile raw(t.platform.saveAs);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF") && bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 7);
    QCOMPARE(bytes.count('\n'), 7);
    QVERIFY(bytes.contains(";\"A;B\";") && bytes.contains(";\"0281\"\"X\"\"\";"));
    QCOMPARE(csv[1].section(QLatin1Char('|'), 12 + 6 + 4, 12 + 6 + 4), QStringLiteral("0,98%")); // row 1's linearity
    t.platform.saveAs = out.filePath(QStringLiteral("prove.xlsx"));
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdEsportaXlsx")), Qt::LeftButton);
    QTRY_COMPARE(t.platform.messages.size(), 2);
    QCOMPARE(t.platform.messages[1].text, QStringLiteral("Prove salvate nel foglio di calcolo %1").arg(t.platform.saveAs));
    const QStringList sheet = xlsxRows(t.platform.saveAs);
    QVERIFY2(sheet.size() == 10, qPrintable(sheet.join(QLatin1Char('\n'))));
    QVERIFY2(sheet[1].startsWith(QStringLiteral("date:46358.1659")), qPrintable(sheet[1])); // 2 December 2026, 03:59
    QCOMPARE(sheet[1].section(QLatin1Char('|'), 1, 7), QStringLiteral("'=1+1||'7F3A-1200|'Bosch/VDO/Delphi|'10 bit|2439|'PDF"));
    QCOMPARE(sheet[3].section(QLatin1Char('|'), 1, 1), QStringLiteral("'A;B"));
    QCOMPARE(sheet[4].section(QLatin1Char('|'), 1, 1), QStringLiteral("'0281\"X\"")); // its leading 0
    QCOMPARE(sheet[1].section(QLatin1Char('|'), 22, 22), QStringLiteral("0.0098")); // 0.98 %, a percent
    // The dates with the whole year, whatever the desktop's short date says.
    QCOMPARE(sheet.mid(7), QStringList({"dates dd/mm/yyyy hh:mm", "frozen", "widths"}));
    // Every check chosen, most of them not read yet: said so, not exported
    // in part; once read, all of them.
    t.platform.saveAs = out.filePath(QStringLiteral("tutte.csv"));
    t.platform.messages.clear();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdEsportaCsv")), Qt::LeftButton);
    QTRY_COMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages.takeFirst().text,
             QStringLiteral("Le prove scelte non sono ancora state lette tutte dall'archivio: riprova tra un momento."));
    QVERIFY(!QFile::exists(t.platform.saveAs));
    QTRY_VERIFY(!model->at(600).key.isEmpty());
    const auto allRead = [model] {
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->at(row).key.isEmpty())
                return false;
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(allRead(), 60000);
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdEsportaCsv")), Qt::LeftButton);
    // (1,200 whole records read and written: some seconds on a slow build)
    QTRY_COMPARE_WITH_TIMEOUT(t.platform.messages.size(), 1, 60000);
    QCOMPARE(csvRows(t.platform.saveAs, QLatin1Char(';')).size(), 1201);
    archive->close();
}

void TestDestinations::archiveListKeepsItsPlace()
{
    // Scrolled past the first page, two rows selected: a check recorded,
    // then another deleted, and the list read again each time keeps its
    // rows, the selection and the row the technician is on in view.
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", path.toLocal8Bit());
    QVERIFY(keepChecks(path, 450, [](int i, dravino::CheckRecord &r) {
        r.takenAt = QDateTime(QDate(2026, 11, 1), QTime(8, 0)).addSecs(600 * i);
        r.code = QStringLiteral("0281%1").arg(i, 6, 10, QLatin1Char('0'));
    }));
    Window t;
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    auto *state = archive->findChild<QLabel *>(QStringLiteral("lblStatoArchivio"));
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 450 (conformi 0, non conformi 0)"));
    list->setFocus();
    for (int tries = 0; tries < 20 && list->model()->rowCount() < 450; ++tries) {
        QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
        QTest::qWait(50);
    }
    QCOMPARE(list->model()->rowCount(), 450);
    const QModelIndex at = list->model()->index(300, 0);
    list->scrollTo(at);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(at).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, list->visualRect(list->model()->index(302, 0)).center());
    const auto codesOf = [list](const QModelIndexList &rows) {
        QStringList out;
        for (const QModelIndex &i : rows)
            out << i.sibling(i.row(), 1).data().toString();
        std::sort(out.begin(), out.end());
        return out;
    };
    const QStringList selected{QStringLiteral("0281000147"), QStringLiteral("0281000148"), QStringLiteral("0281000149")};
    // (their window read as it came into view)
    QTRY_COMPARE(codesOf(list->selectionModel()->selectedRows()), selected);
    const auto inView = [list] {
        const QModelIndex current = list->selectionModel()->currentIndex();
        return current.isValid() && list->viewport()->rect().intersects(list->visualRect(current));
    };
    dravino::CheckRecord newer;
    newer.key = dravino::newCheckKey();
    newer.takenAt = QDateTime::currentDateTime();
    newer.code = QStringLiteral("NUOVA");
    QObject asker;
    t.w->archive()->keep(newer, &asker, [](const dravino::ArchiveReply &) {});
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 451 (conformi 0, non conformi 0)"));
    QVERIFY(list->model()->rowCount() >= 450);
    QCOMPARE(codesOf(list->selectionModel()->selectedRows()), selected);
    QCOMPARE(list->selectionModel()->currentIndex().sibling(list->selectionModel()->currentIndex().row(), 1).data().toString(),
             QStringLiteral("0281000147")); // the row clicked last
    QVERIFY(inView());
    t.w->archive()->remove(newer.key, &asker, [](const dravino::ArchiveReply &) {});
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 450 (conformi 0, non conformi 0)"));
    QCOMPARE(list->model()->rowCount(), 450);
    QCOMPARE(codesOf(list->selectionModel()->selectedRows()), selected);
    QVERIFY(inView());
    archive->close();
}

void TestDestinations::replyWhileTheQuestionIsOpen()
{
    // "Eliminare la prova ...?" open, a check recorded meanwhile reads the
    // list again: Sì deletes the check asked about, not the row now there.
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", path.toLocal8Bit());
    QVERIFY(keepChecks(path, 3, [](int i, dravino::CheckRecord &r) {
        r.takenAt = QDateTime(QDate(2026, 11, 1), QTime(8, 0)).addSecs(600 * i);
        r.code = QStringLiteral("PROVA%1").arg(i);
    }));
    Window t;
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    QTRY_COMPARE(list->model()->rowCount(), 3);
    list->selectRow(1); // PROVA1
    QObject asker;
    t.platform.whileAsked = [&] {
        dravino::CheckRecord newer;
        newer.key = dravino::newCheckKey();
        newer.takenAt = QDateTime::currentDateTime();
        newer.code = QStringLiteral("NUOVA");
        t.w->archive()->keep(newer, &asker, [](const dravino::ArchiveReply &) {});
        (void)QTest::qWaitFor([list] { return list->model()->rowCount() == 4; }, 10000);
    };
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdElimina")), Qt::LeftButton);
    QVERIFY2(t.platform.questions.value(0).startsWith(QStringLiteral("Archivio prove|Eliminare la prova PROVA1 del ")),
             qPrintable(t.platform.questions.value(0)));
    QTRY_COMPARE(codes(dravino::Archive(path).page({}, nullptr, 10)), QStringList({"NUOVA", "PROVA2", "PROVA0"}));
    archive->close();
}

void TestDestinations::checkWaitingOnTheBench()
{
    // The shared archive's server is away: a check with its job is kept on
    // the bench, listed with its mark, opened, printed again and exported
    // from there; the server back, it arrives with its job and where its
    // page went.
    NEEDS_THE_SERVER();
    QTemporaryDir bench, out;
    const QString url = m_server->freshDatabase();
    { dravino::Archive created(url); }
    m_env->setEnv("DRAVINO_ARCHIVE", url.toUtf8());
    m_env->setEnv("XDG_DATA_HOME", bench.path().toLocal8Bit()); // an outbox of its own
    m_env->setEnv("DRAVINO_OUTBOX_RETRY_MS", "300");
    m_env->setEnv("DRAVINO_ARCHIVE_TIMEOUT_MS", "5000");
    const auto forget = qScopeGuard([] { dravino::saveWorkshop({}); });
    dravino::saveWorkshop({QStringLiteral("Officina Rossi"), {}, {}, {}, {}, true});
    const auto restart = qScopeGuard([this] { m_server->start(); });
    QVERIFY(m_server->stop());
    Window t;
    const dravino::JobData job{QStringLiteral("Bianchi"), QStringLiteral("AB123CD"), QStringLiteral("C-9"), QStringLiteral("Mario")};
    t.platform.job = job;
    t.run(QStringLiteral("%1@answer:attesa1;cmdScala;cmdStampaScala").arg(kOpenScale));
    QTRY_COMPARE_WITH_TIMEOUT(t.platform.messages.size(), 1, 15000);
    QVERIFY2(t.platform.messages[0].text.startsWith(QStringLiteral("Questa prova è conservata su questo banco")),
             qPrintable(t.platform.messages[0].text));
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    QTRY_COMPARE_WITH_TIMEOUT(list->model()->rowCount(), 1, 15000);
    const QModelIndex row = list->model()->index(0, dravino::ArchiveModel::Destination);
    QTRY_COMPARE(row.data().toString(), QStringLiteral("PDF (in attesa di invio all'archivio)"));
    QVERIFY(row.data(Qt::FontRole).value<QFont>().italic());
    list->selectRow(0);
    QString shown;
    whenModal<dravino::PrintPreview>([&shown](dravino::PrintPreview *preview) {
        shown = preview->windowTitle();
        preview->reject();
    });
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdApri")), Qt::LeftButton);
    QTRY_VERIFY2(shown.startsWith(QStringLiteral("Anteprima di stampa - ATTESA1 del ")), qPrintable(shown));
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdStampaArchivio")), Qt::LeftButton);
    QTRY_COMPARE(t.platform.documents.size(), 2);
    QVERIFY(std::any_of(t.platform.documents[1].begin(), t.platform.documents[1].end(),
                        [](const auto &i) { return i.text.startsWith(QLatin1String("Ristampa del ")); }));
    t.platform.saveAs = out.filePath(QStringLiteral("attesa.csv"));
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdEsportaCsv")), Qt::LeftButton);
    QTRY_VERIFY(QFile::exists(t.platform.saveAs));
    const QStringList csv = csvRows(t.platform.saveAs, QLatin1Char(';'));
    QCOMPARE(csv.size(), 2);
    QCOMPARE(csv[1].section(QLatin1Char('|'), 1, 1) + QLatin1Char('|') + csv[1].section(QLatin1Char('|'), 8, 11),
             QStringLiteral("ATTESA1|Bianchi|AB123CD|C-9|Mario"));
    archive->close();
    // The server back: the check reaches it once, with its job and its page's printer.
    QVERIFY(m_server->start());
    const dravino::Archive shared(url);
    QTRY_COMPARE_WITH_TIMEOUT(shared.count({}), 1, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(shared.page({}, nullptr, 1).value(0).destination,
                              (dravino::PageDestination{dravino::PageDestination::Printer, QStringLiteral("PDF")}), 20000);
    const auto kept = shared.records({shared.page({}, nullptr, 1).value(0).key}).value(0);
    QCOMPARE(kept.jobData, job);
    QCOMPARE(kept.code, QStringLiteral("ATTESA1"));
    QCOMPARE(kept.nominalFullScale, 2000);
    // A server that holds the call past its time: not confirmed, and where
    // its page went is kept all the same once it answers.
    const auto thaw = qScopeGuard([this] { m_server->freeze(false); });
    m_env->setEnv("DRAVINO_ARCHIVE_TIMEOUT_MS", "1500");
    QVERIFY(m_server->freeze(true));
    t.run(QStringLiteral("@answer:tardi1;cmdStampaScala"));
    QTRY_COMPARE_WITH_TIMEOUT(t.platform.messages.size(), 3, 15000);
    QVERIFY2(t.platform.messages[2].text.startsWith(QStringLiteral("Questa prova non è ancora confermata dall'archivio")),
             qPrintable(t.platform.messages[2].text));
    QVERIFY(m_server->freeze(false));
    // (a sanitized build on a busy machine takes its time over the calls held meanwhile)
    QTRY_COMPARE_WITH_TIMEOUT(shared.count({QStringLiteral("tardi1")}), 1, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(shared.page({QStringLiteral("tardi1")}, nullptr, 1).value(0).destination,
                              (dravino::PageDestination{dravino::PageDestination::Printer, QStringLiteral("PDF")}), 60000);
}

void TestDestinations::archiveFindsAndReprints_data()
{
    QTest::addColumn<bool>("shared");
    QTest::newRow("the bench's own archive") << false;
    QTest::newRow("an archive shared on a PostgreSQL server") << true;
}

void TestDestinations::archiveFindsAndReprints()
{
    // A sheet saved as PDF is recorded; F4 finds it by part of its code and
    // its preview saves the same page again.
    QFETCH(bool, shared);
    QTemporaryDir data, out;
    qputenv("DRAVINO_ARCHIVE", data.filePath(QStringLiteral("archivio.sqlite")).toLocal8Bit());
    if (shared) {
        NEEDS_THE_SERVER();
        qputenv("DRAVINO_ARCHIVE", m_server->freshDatabase().toUtf8());
    }
    // (the bench's mark is random hex: it could hold the "bc1" searched below)
    dravino::setSettingsValue(QStringLiteral("certificate/bench"), QStringLiteral("0D0E0F"));
    Window t;
    t.platform.realPages = true;
    t.run(QStringLiteral("%1@answer:abc12;txtADCValue(4)=640;cmdScala").arg(kOpenScale));
    t.platform.saveAs = out.filePath(QStringLiteral("prima.pdf"));
    choose(t, QStringLiteral("cmdStampaScala"), QStringLiteral("menuSavePdf"));
    QTRY_VERIFY(QFile::exists(t.platform.saveAs));
    // A second check, a Denso one whose row 1 fails on linearity and passes
    // on deviation, on the (recording) default printer: nothing reaches the
    // machine's own.
    t.platform.realPages = false;
    t.run(QStringLiteral("optSensoreTipo(1);optADCScala(1);txtADCValue(0)=0;txtADCValue(1)=3276;txtBarScala(1)=2970;"
                         "optMedia(1);txtScalaMedia=2400;cmdScala;@answer:altro99;cmdStampaScala"));
    QCOMPARE(t.check(QStringLiteral("lblLinearità(1)=-1,01%;lblLinearità(1)*=#dc0000;lblScostamento(1)=-24;lblScostamento(1)*=#007800"))
                 + t.errors(), QStringList());
    QTRY_COMPARE(t.platform.pending, 0);
    QCOMPARE(t.platform.requests.last(), QString());
    // (the reprint below goes to the recording printer too)

    auto *archive = openArchive(t);
    QVERIFY(archive);
    // It opens with the code to type.
    QTRY_COMPARE(archive->focusWidget(), archive->findChild<QLineEdit *>(QStringLiteral("txtCercaCodice")));
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    const auto cell = [list](int row, int column) { return list->model()->index(row, column).data().toString(); };
    auto *state = archive->findChild<QLabel *>(QStringLiteral("lblStatoArchivio"));
    QTRY_COMPARE(list->model()->rowCount(), 2);
    QCOMPARE(state->text(), QStringLiteral("Prove trovate: 2 (conformi 0, non conformi 2)"));
    QCOMPARE(cell(0, 1), QStringLiteral("ALTRO99")); // newest first
    QCOMPARE(cell(0, dravino::ArchiveModel::Type) + QLatin1Char('|') + cell(1, dravino::ArchiveModel::Type), QStringLiteral("Denso|Bosch/VDO/Delphi"));
    QCOMPARE(cell(0, 0), QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"))); // the bench's own hour
    // Printed again from the archive: the same page, every text in its
    // place and its colour (row 1: linearity red, deviation green).
    list->selectRow(0);
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdStampaArchivio")), Qt::LeftButton);
    QTRY_COMPARE(t.platform.documents.size(), 2);
    const auto page = [](const QList<dravino::RecordedItem> &items) {
        QStringList out;
        for (const auto &i : items)
            out << QStringLiteral("%1|%2|%3,%4").arg(i.text, i.color.name()).arg(i.x).arg(i.y);
        return out;
    };
    // (the design's part: down to the footer; below it the reprint says so)
    const auto design = [&](const QList<dravino::RecordedItem> &items) {
        QStringList out = page(items);
        return out.mid(0, out.indexOf(QRegularExpression(QStringLiteral("^Dravino\\|"))) + 1);
    };
    QCOMPARE(design(t.platform.documents[1]), design(t.platform.documents[0]));
    QVERIFY(!page(t.platform.documents[0]).filter(QStringLiteral("Ristampa")).size());
    QCOMPARE(page(t.platform.documents[1]).filter(QRegularExpression(QStringLiteral("^Ristampa del \\d\\d/\\d\\d/\\d{4} della prova del "))).size(), 1);
    QCOMPARE(page(t.platform.documents[1]).filter(QRegularExpression(QStringLiteral("^(-1,01%|-24)\\|"))).join(QLatin1Char(' ')).remove(QRegularExpression(QStringLiteral("\\|[0-9.,]+"))),
             QStringLiteral("-1,01%|#dc0000 -24|#007800"));
    // Where each page went in the end: the printer that took it, the file
    // (the list follows the archive).
    QTRY_COMPARE(cell(0, dravino::ArchiveModel::Destination), t.platform.deviceName);
    QTest::keyClicks(archive->findChild<QLineEdit *>(QStringLiteral("txtCercaCodice")), QStringLiteral("bc1"));
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 1 (conformi 0, non conformi 1)"));
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(cell(0, 1), QStringLiteral("ABC12"));
    QCOMPARE(cell(0, dravino::ArchiveModel::Destination), out.filePath(QStringLiteral("prima.pdf")));

    t.platform.realPages = true;
    t.platform.saveAs = out.filePath(QStringLiteral("ristampa.pdf"));
    whenModal<dravino::PrintPreview>([](dravino::PrintPreview *preview) {
        QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("previewSave")), Qt::LeftButton);
        QTRY_VERIFY(!preview->findChild<QPushButton *>(QStringLiteral("previewSave"))->isDown());
        preview->reject();
    });
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdApri")), Qt::LeftButton);
    QTRY_VERIFY(dravino::isCompletePdf(t.platform.saveAs));

    // An issued certificate is never erased. Elimina asks why it is
    // withdrawn: Annulla, or no reason, leaves it as it was; a reason
    // withdraws it, kept with who, when and why, listed (grey) on request.
    const auto remove = [&] { QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdElimina")), Qt::LeftButton); };
    t.platform.inputCancelled = true;
    remove();
    QTest::qWait(50);
    QCOMPARE(list->model()->rowCount(), 1);
    QVERIFY2(t.platform.prompts.last().startsWith(QStringLiteral("Il certificato n. ")) && t.platform.prompts.last().contains(QStringLiteral("(ABC12 del "))
                 && t.platform.prompts.last().endsWith(QStringLiteral("non si cancella: si ritira e resta nell'archivio, segnato come ritirato. "
                                                                       "Perché lo ritiri?|Ritira il certificato")),
             qPrintable(t.platform.prompts.last()));
    t.platform.inputCancelled = false;
    t.platform.inputAnswer = QStringLiteral("  ");
    t.platform.messages.clear();
    remove();
    QCOMPARE(t.platform.messages.value(0).text, QStringLiteral("Senza un motivo il certificato non si ritira."));
    QCOMPARE(list->model()->rowCount(), 1);
    dravino::setSettingsValue(QStringLiteral("job/operator"), QStringLiteral("Anna"));
    t.platform.inputAnswer = QStringLiteral("codice del sensore sbagliato");
    remove();
    QTRY_COMPARE(list->model()->rowCount(), 0);
    QCOMPARE(state->text(), QStringLiteral("Nessuna prova trovata."));
    QTRY_VERIFY(!t.platform.messages.isEmpty());
    QVERIFY2(t.platform.messages.last().text.contains(QStringLiteral("è ritirato: resta nell'archivio")), qPrintable(t.platform.messages.last().text));
    QTest::mouseClick(archive->findChild<QCheckBox *>(QStringLiteral("chkRitirati")), Qt::LeftButton);
    QTRY_COMPARE(list->model()->rowCount(), 1);
    QCOMPARE(cell(0, dravino::ArchiveModel::Result), QStringLiteral("NON CONFORME, RITIRATO"));
    QCOMPARE(list->model()->index(0, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::darkGray));
    const QString why = list->model()->index(0, 1).data(Qt::ToolTipRole).toString();
    QVERIFY2(why.startsWith(QStringLiteral("Ritirato il ")) && why.endsWith(QStringLiteral(" da Anna: codice del sensore sbagliato")), qPrintable(why));
    // Once withdrawn, it is said so; its record is all there.
    t.platform.messages.clear();
    list->selectRow(0);
    remove();
    QVERIFY2(t.platform.messages.value(0).text.contains(QStringLiteral("è già ritirato")), qPrintable(t.platform.messages.value(0).text));
    archive->close();
}

void TestDestinations::pageNotRecordedIsTold()
{
    // The check is kept; where its page went cannot be written after it
    // (the archive refuses the change): the technician is told so.
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", path.toLocal8Bit());
    Window t;
    t.platform.holdPages = true;
    t.run(QStringLiteral("%1@answer:x;cmdScala").arg(kOpenScale));
    QTest::mouseClick(t.get(QStringLiteral("cmdStampaScala")), Qt::LeftButton); // (its page held back)
    QTRY_COMPARE(dravino::Archive(path).count({}), 1);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("blocca"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TRIGGER bloccata BEFORE UPDATE ON checks BEGIN SELECT RAISE(ABORT, 'bloccata'); END")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("blocca"));
    t.platform.releasePages();
    QTRY_COMPARE(t.platform.messages.size(), 1);
    QVERIFY2(t.platform.messages[0].text.startsWith(QStringLiteral("L'archivio non ha registrato dove è andata la pagina di questa prova (PDF): ")),
             qPrintable(t.platform.messages[0].text));
}

void TestDestinations::verdictsInTheArchive_data()
{
    QTest::addColumn<bool>("shared");
    QTest::newRow("the bench's own archive") << false;
    QTest::newRow("an archive shared on a PostgreSQL server") << true;
}

void TestDestinations::verdictsInTheArchive()
{
    // Three checks passing, two failing, one without a verdict: the list's
    // "Esito" in its colours, the counts beside "Prove trovate", the filter
    // chosen from the keyboard, a check found by its certificate; the
    // window says which archive it shows (a server without its password).
    QFETCH(bool, shared);
    QTemporaryDir data;
    QString location = data.filePath(QStringLiteral("archivio.sqlite"));
    if (shared) {
        NEEDS_THE_SERVER();
        location = m_server->freshDatabase();
    }
    qputenv("DRAVINO_ARCHIVE", location.toUtf8());
    QVERIFY(keepAll(location, {checkOfCode(QStringLiteral("P1"), 'P', 0), checkOfCode(QStringLiteral("F1"), 'F', 1),
                               checkOfCode(QStringLiteral("P2"), 'P', 2), checkOfCode(QStringLiteral("U1"), 'U', 3),
                               checkOfCode(QStringLiteral("F2"), 'F', 4), checkOfCode(QStringLiteral("P3"), 'P', 5)}));
    Window t;
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    auto *state = archive->findChild<QLabel *>(QStringLiteral("lblStatoArchivio"));
    auto *verdicts = archive->findChild<QComboBox *>(QStringLiteral("cboEsito"));
    auto *search = archive->findChild<QLineEdit *>(QStringLiteral("txtCercaCodice"));
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 6 (conformi 3, non conformi 2)"));
    QCOMPARE(archive->findChild<QLabel *>(QStringLiteral("lblArchivio"))->text(),
             shared ? QStringLiteral("Archivio sul server: ") + dravino::shownLocation(location)
                    : QStringLiteral("Archivio di questo banco: ") + location);
    QCOMPARE(search->placeholderText(), QStringLiteral("codice del sensore, cliente, veicolo, commessa, operatore o n. di certificato"));
    // Among the first four columns, what each row says and in which colour.
    const auto shown = [list] {
        QStringList out;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex result = list->model()->index(row, 2);
            const QVariant colour = result.data(Qt::ForegroundRole);
            out << QStringLiteral("%1 %2 %3 %4").arg(list->model()->index(row, 1).data().toString(), result.data().toString(),
                                                     colour.isValid() ? colour.value<QColor>().name() : QStringLiteral("-"),
                                                     list->model()->index(row, 3).data().toString());
        }
        return out;
    };
    QCOMPARE(list->model()->headerData(2, Qt::Horizontal).toString() + QLatin1Char('|') + list->model()->headerData(3, Qt::Horizontal).toString(),
             QStringLiteral("Esito|Certificato"));
    QCOMPARE(shown(), (QStringList{"P3 CONFORME #007800 N-P3", "F2 NON CONFORME #dc0000 N-F2", "U1  - N-U1", "P2 CONFORME #007800 N-P2",
                                   "F1 NON CONFORME #dc0000 N-F1", "P1 CONFORME #007800 N-P1"}));
    // The filter, from the keyboard: Es&ito, then the arrows.
    QTest::keyClick(archive, Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), verdicts);
    QTest::keyClick(verdicts, Qt::Key_Down);
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 3 (conformi 3, non conformi 0)"));
    QCOMPARE(shown(), (QStringList{"P3 CONFORME #007800 N-P3", "P2 CONFORME #007800 N-P2", "P1 CONFORME #007800 N-P1"}));
    QTest::keyClick(verdicts, Qt::Key_Down);
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 2 (conformi 0, non conformi 2)"));
    QCOMPARE(shown(), (QStringList{"F2 NON CONFORME #dc0000 N-F2", "F1 NON CONFORME #dc0000 N-F1"}));
    // Exported, each says what it was judged by after its rows: the nominal,
    // the deviations' window, the average's mode, the zero, the rule.
    QTemporaryDir out;
    t.platform.saveAs = out.filePath(QStringLiteral("non conformi.csv"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    t.platform.messages.clear();
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdEsportaCsv")), Qt::LeftButton);
    QTRY_COMPARE(t.platform.messages.size(), 1);
    const QStringList csv = csvRows(t.platform.saveAs, QLatin1Char(';'));
    QCOMPARE(csv.size(), 3);
    QCOMPARE(csv[0].section(QLatin1Char('|'), 48), QStringLiteral("Fondo scala nominale (bar)|Scostamento ammesso (± bar)|Media|Zero (mV)|"
                                                                  "Regola di decisione|Prova|Ritirato|Sostituisce il certificato"));
    QCOMPARE(csv[1].section(QLatin1Char('|'), 48), QStringLiteral("2400|23|manuale|479|versione 2|scala||"));
    QCOMPARE(csv[2].section(QLatin1Char('|'), 1, 1) + QLatin1Char('|') + csv[2].section(QLatin1Char('|'), 48),
             QStringLiteral("F1|2400|23|manuale|479|versione 2|scala||"));
    // By its certificate's number, among the failing ones and among all.
    QTest::keyClicks(search, QStringLiteral("n-p2"));
    QTRY_COMPARE(state->text(), QStringLiteral("Nessuna prova trovata."));
    QTest::keyClick(verdicts, Qt::Key_Home);
    QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 1 (conformi 1, non conformi 0)"));
    QCOMPARE(shown(), QStringList{"P2 CONFORME #007800 N-P2"});
    archive->close();
}

void TestDestinations::datesTypedWhole_data()
{
    // How "Dal" is entered, in which language, what is typed there (the
    // field showing first: nothing, its own date); the date it then holds.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("showing");
    QTest::addColumn<QDate>("date");
    const QDate none;
    for (const char *entered : {"a click on the day", "a click on the year", "Tab", "Shift+Tab", "Ctrl+A"}) {
        QTest::addRow("%s: 15/10/2025", entered) << "it" << entered << "15/10/2025" << none << QDate(2025, 10, 15);
        QTest::addRow("%s: 1/2/2026", entered) << "it" << entered << "1/2/2026" << none << QDate(2026, 2, 1);
        QTest::addRow("%s: 01122026", entered) << "it" << entered << "01122026" << none << QDate(2026, 12, 1);
        QTest::addRow("%s, in English: 10/15/2025", entered) << "en" << entered << "10/15/2025" << none << QDate(2025, 10, 15);
        QTest::addRow("%s, in English: 2/1/2026", entered) << "en" << entered << "2/1/2026" << none << QDate(2026, 2, 1);
    }
    // Typed in part: the parts typed from the first, the rest as shown.
    QTest::newRow("a click on the year, the day and month only: 15/10") << "it" << "a click on the year" << "15/10" << QDate(2025, 3, 1)
                                                                       << QDate(2025, 10, 15);
    QTest::newRow("Shift+Tab (on the year), the day and month only: 15/10") << "it" << "Shift+Tab" << "15/10" << QDate(2025, 3, 1)
                                                                           << QDate(2025, 10, 15);
    QTest::newRow("Ctrl+A, the day only: 7") << "it" << "Ctrl+A" << "7" << QDate(2025, 3, 1) << QDate(2025, 3, 7);
    QTest::newRow("a click, from a day in February: 31/10/2025") << "it" << "a click on the year" << "31/10/2025" << QDate(2026, 2, 7)
                                                                << QDate(2025, 10, 31);
    QTest::newRow("a click, the last day of a leap February: 29/2/2024") << "it" << "a click on the day" << "29/2/2024" << QDate(2025, 3, 31)
                                                                         << QDate(2024, 2, 29);
}

void TestDestinations::datesTypedWhole()
{
    QFETCH(QString, language);
    QFETCH(QString, entered);
    QFETCH(QString, typed);
    QFETCH(QDate, showing);
    QTemporaryDir data;
    qputenv("DRAVINO_ARCHIVE", data.filePath(QStringLiteral("archivio.sqlite")).toLocal8Bit());
    const auto restore = qScopeGuard([] { dravino::applyLanguage(dravino::Language::Italian); });
    if (language == QLatin1String("en"))
        dravino::applyLanguage(dravino::Language::English);
    Window t;
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *from = archive->findChild<QDateEdit *>(QStringLiteral("dtDa"));
    if (showing.isValid())
        from->setDate(showing);
    auto *edit = from->findChild<QLineEdit *>();
    QVERIFY(edit);
    if (entered == QLatin1String("Tab")) {
        auto *search = archive->findChild<QLineEdit *>(QStringLiteral("txtCercaCodice"));
        search->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(search, Qt::Key_Tab);
    } else if (entered == QLatin1String("Shift+Tab")) {
        auto *to = archive->findChild<QDateEdit *>(QStringLiteral("dtA"));
        to->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(to, Qt::Key_Tab, Qt::ShiftModifier);
    } else {
        // On the first digit of the day, or on the year's third.
        const int x = entered == QLatin1String("a click on the day")
            ? 4
            : 4 + edit->fontMetrics().horizontalAdvance(edit->text().left(edit->text().size() - 2)) + 4;
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(x, edit->height() / 2));
        if (entered == QLatin1String("Ctrl+A"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    }
    QTRY_COMPARE(QApplication::focusWidget(), from);
    QTest::keyClicks(from, typed);
    QTEST(from->date(), "date");
    archive->close();
}

void TestDestinations::sensorHistory()
{
    // Three checks of one sensor (passed, passed, failed) among another's:
    // from the middle one, Storia... lists them oldest first with their
    // averages' drift from the first, in view on the one selected, and
    // plots the averages in their verdicts' colours.
    QTemporaryDir data;
    const QString location = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", location.toLocal8Bit());
    const QString code = QStringLiteral("0281006158");
    QVERIFY(keepAll(location, {checkOfCode(code, 'P', 0, 2400), checkOfCode(QStringLiteral("ALTRO"), 'P', 1),
                               checkOfCode(code, 'P', 10, 2412), checkOfCode(code, 'F', 20, 2390),
                               checkOfCode(code + QLatin1Char('9'), 'P', 21)}));
    Window t;
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    QTRY_COMPARE(list->model()->rowCount(), 5);
    list->selectRow(2); // newest first: the middle one of the three
    QCOMPARE(list->model()->index(2, 1).data().toString() + QLatin1Char(' ') + list->model()->index(2, 6).data().toString(),
             code + QStringLiteral(" 2412"));
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdStoria")), Qt::LeftButton);
    QDialog *history = nullptr;
    QTRY_VERIFY((history = archive->findChild<QDialog *>(QStringLiteral("frmStoria"))) && history->isVisible());
    QCOMPARE(history->windowTitle(), QStringLiteral("Storia del sensore ") + code);
    auto *state = history->findChild<QLabel *>(QStringLiteral("lblStoria"));
    QTRY_COMPARE(state->text(), QStringLiteral("Prove del sensore: 3 (conformi 2, non conformi 1)"));
    auto *rows = history->findChild<QTableView *>(QStringLiteral("lstStoria"))->model();
    QStringList shown;
    for (int row = 0; row < rows->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < rows->columnCount(); ++column)
            cells << rows->index(row, column).data().toString();
        shown << cells.join(QLatin1Char('|'));
    }
    QCOMPARE(shown, (QStringList{"01/10/2026 09:00|N-0281006158|CONFORME|2400|0", "11/10/2026 09:00|N-0281006158|CONFORME|2412|+12",
                                 "21/10/2026 09:00|N-0281006158|NON CONFORME|2390|-10"}));
    QCOMPARE(rows->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Deriva dalla prima"));
    QCOMPARE(history->findChild<QTableView *>(QStringLiteral("lstStoria"))->currentIndex().row(), 1);
    QCOMPARE(rows->index(2, 2).data(Qt::ForegroundRole).value<QColor>().name(), QStringLiteral("#dc0000"));
    auto *plot = history->findChild<QWidget *>(QStringLiteral("graStoria"));
    QCOMPARE(plot->accessibleDescription(), QStringLiteral("Media da 2400 bar (01/10/26) a 2390 bar (21/10/26)"));
    // Two points in green, one in red: a pixel of each colour at least.
    const QImage drawn = plot->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            colours.insert(drawn.pixel(x, y) & 0xffffff);
    QVERIFY(colours.contains(0x007800) && colours.contains(0xdc0000));
    history->close();
    archive->close();
}

void TestDestinations::benchChecksToTheServer_data()
{
    QTest::addColumn<bool>("send");
    QTest::newRow("sent") << true;
    QTest::newRow("not sent") << false;
}

void TestDestinations::benchChecksToTheServer()
{
    // A bench that kept three checks in its own file is set to a server
    // that has one of them already: the archive window offers once to send
    // them; each gets there once, and the window says how many went.
    NEEDS_THE_SERVER();
    QFETCH(bool, send);
    QTemporaryDir home;
    m_env->setEnv("XDG_DATA_HOME", home.path().toLocal8Bit());
    const QString bench = dravino::defaultArchivePath();
    QVERIFY(QDir().mkpath(QFileInfo(bench).path()));
    const QList<dravino::CheckRecord> three{checkOfCode(QStringLiteral("B1"), 'P', 0), checkOfCode(QStringLiteral("B2"), 'F', 1),
                                            checkOfCode(QStringLiteral("B3"), 'P', 2)};
    QVERIFY(keepAll(bench, three));
    const QString server = m_server->freshDatabase();
    QVERIFY(keepAll(server, {three[1], checkOfCode(QStringLiteral("S1"), 'P', 3)}));
    qputenv("DRAVINO_ARCHIVE", server.toUtf8());
    Window t;
    t.platform.confirmAnswer = send;
    auto *archive = openArchive(t);
    QVERIFY(archive);
    QTRY_COMPARE(t.platform.questions.size(), 1);
    QCOMPARE(t.platform.questions[0],
             QStringLiteral("Archivio prove|L'archivio di questo banco (%1) ha 3 prove che l'archivio sul server %2 può non avere. "
                            "Inviarle al server? Ogni prova vi arriva una volta sola.")
                 .arg(bench, dravino::shownLocation(server)));
    auto *state = archive->findChild<QLabel *>(QStringLiteral("lblStatoArchivio"));
    if (send) {
        QTRY_COMPARE_WITH_TIMEOUT(t.platform.messages.size(), 1, 15000);
        QCOMPARE(t.platform.messages[0].text,
                 QStringLiteral("Prove di questo banco inviate al server %1: 2 (1 c'era già).").arg(dravino::shownLocation(server)));
        QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 4 (conformi 3, non conformi 1)"));
    } else {
        QTRY_COMPARE(state->text(), QStringLiteral("Prove trovate: 2 (conformi 1, non conformi 1)"));
    }
    archive->close();
    // Offered once: not again, whatever the answer was.
    archive = openArchive(t);
    QVERIFY(archive);
    QTest::qWait(300);
    QCOMPARE(t.platform.questions.size(), 1);
    QCOMPARE(dravino::Archive(server).count({}), send ? 4 : 2);
    archive->close();
}

void TestDestinations::onlyAComputedCheckIsRecorded_data()
{
    // What is done before the sheet is printed, on a printer that fails
    // (the page saved as a file) or one stopped (holding it); the messages
    // then (the page's last, once the record is settled); the checks
    // recorded, and where the record says the page went.
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("recorded");
    QTest::addColumn<QString>("went");
    QTest::newRow("a computed check") << "txtADCValue(4)=640;cmdScala" << false << 1 << 1 << "/home/tecnico/Documenti/Dravino.pdf";
    QTest::newRow("a computed check, its printer stopped") << "txtADCValue(4)=640;cmdScala" << true << 1 << 1 << "PDF, in attesa";
    QTest::newRow("no computation") << "txtADCValue(4)=640" << false << 1 << 0 << "";
    QTest::newRow("a failed computation") << "txtADCValue(1)=98;cmdScala" << false << 2 << 0 << "";
    QTest::newRow("a failed computation after a good one") << "cmdScala;txtADCValue(1)=98;cmdScala" << false << 2 << 0 << "";
}

void TestDestinations::onlyAComputedCheckIsRecorded()
{
    QFETCH(QString, before);
    QFETCH(bool, stopped);
    QFETCH(int, messages);
    QFETCH(int, recorded);
    QFETCH(QString, went);
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", path.toLocal8Bit());
    Window t;
    t.platform.printerFails = !stopped;
    t.platform.queueStopped = stopped;
    t.run(QStringLiteral("%1%2;@answer:x;cmdStampaScala").arg(kOpenScale, before));
    QTRY_COMPARE(t.platform.messages.size(), messages);
    QCOMPARE(t.platform.messages.last().title, QStringLiteral("Stampa foglio scala"));
    QCOMPARE(dravino::Archive(path).count({}), recorded);
    if (recorded)
        QTRY_COMPARE_WITH_TIMEOUT(dravino::destinationText(dravino::Archive(path).page({}, nullptr, 1).value(0).destination), went, 20000);
}

void TestDestinations::verdictOnlyForItsReadings_data()
{
    // A check computed, then changed (or not); where its sheet goes. The
    // PDF read back and the archive say whether the verdict came along.
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("stale");
    for (const char *where : {"print", "preview", "pdf"}) {
        QTest::newRow(qPrintable(QStringLiteral("computed, %1").arg(where))) << "" << where << false;
        QTest::newRow(qPrintable(QStringLiteral("a reading pasted since, %1").arg(where))) << "txtADCValue(2)=371" << where << true;
    }
    QTest::newRow("Denso since, print") << "optSensoreTipo(1)" << "print" << true;
    QTest::newRow("another nominal since, print") << "cmdBack;cboScala#10;!F2" << "print" << true;
}

void TestDestinations::verdictOnlyForItsReadings()
{
    QFETCH(QString, change);
    QFETCH(QString, where);
    QFETCH(bool, stale);
    QTemporaryDir data;
    const QString archive = data.filePath(QStringLiteral("archivio.sqlite")), pdf = data.filePath(QStringLiteral("foglio.pdf"));
    qputenv("DRAVINO_ARCHIVE", archive.toLocal8Bit());
    Window t;
    t.run(QStringLiteral("%1@answer:abc12;cmdScala;%2").arg(kOpenScale, change));
    if (where == QLatin1String("pdf")) {
        t.platform.realPages = true;
        t.platform.saveAs = pdf;
        choose(t, QStringLiteral("cmdStampaScala"), QStringLiteral("menuSavePdf"));
    } else if (where == QLatin1String("preview")) {
        t.platform.pdfTo = pdf;
        whenModal<dravino::PrintPreview>([](dravino::PrintPreview *modal) {
            const auto close = qScopeGuard([modal] { modal->reject(); });
            QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("previewPrint")), Qt::LeftButton);
        });
        choose(t, QStringLiteral("cmdStampaScala"), QStringLiteral("menuPreview"));
    } else {
        t.platform.pdfTo = pdf;
        t.run(QStringLiteral("cmdStampaScala"));
    }
    QTRY_VERIFY_WITH_TIMEOUT(t.platform.requests.size() == 1 && t.platform.pending == 0, 20000);
    QTRY_VERIFY(!t.platform.messages.isEmpty());
    const QString said = t.platform.messages.first().text;
    const QString text = pdfText(pdf);
    if (stale) {
        QVERIFY2(said.startsWith(QLatin1String("Le letture o le impostazioni sono cambiate dopo l'ultimo calcolo")), qPrintable(said));
        QVERIFY2(text.contains(QLatin1String("Senza esito: le letture o le impostazioni sono cambiate")) && !text.contains(QLatin1String("CONFORME"))
                     && !text.contains(QLatin1String("Fondo scala nominale")), qPrintable(text));
        QTRY_COMPARE(t.platform.messages.size(), 2); // then the page's own report
        QCOMPARE(dravino::Archive(archive).count({}), 0);
        return;
    }
    QVERIFY2(text.contains(QLatin1String("Esito della prova: NON CONFORME"))
                 && text.contains(QStringLiteral("Fondo scala nominale 2000 bar: media 2419 bar, fuori di ±24 bar; il fondo scala più vicino è 2400 bar")),
             qPrintable(text));
    QTRY_COMPARE_WITH_TIMEOUT(dravino::Archive(archive).count({}), 1, 20000);
    const auto summary = dravino::Archive(archive).page({}, nullptr, 1).value(0);
    const auto record = dravino::Archive(archive).records({summary.key}).value(0);
    QCOMPARE(record.nominalFullScale, 2000);
    QCOMPARE(record.code, QStringLiteral("ABC12"));
    QCOMPARE(dravino::cellNumber(record.average), std::optional<double>(2419));
}

void TestDestinations::unrecordedCheckIsTold_data()
{
    // What stands where the archive should be; what the technician is told
    // of the check; how many checks the archive window then lists.
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("told");
    QTest::addColumn<int>("listed");
    const QString server = QStringLiteral("il server dell'archivio postgresql://tecnico@127.0.0.1:");
    QTest::newRow("a folder that cannot be written")
        << "folder" << "Questa prova non è stata registrata nell'archivio: Impossibile creare " << 0;
    QTest::newRow("an archive server that refuses the call: kept on the bench")
        << "refused" << "Questa prova è conservata su questo banco e sarà inviata all'archivio quando il server risponderà (" + server << 1;
    QTest::newRow("an archive server that refuses, and nowhere on the bench to keep it")
        << "nobench" << "Questa prova non è stata registrata nell'archivio: " + server << 0;
    QTest::newRow("an archive server that never answers: not confirmed")
        << "silent" << "Questa prova non è ancora confermata dall'archivio (" + server << 0;
}

void TestDestinations::unrecordedCheckIsTold()
{
    // The archive cannot be written: the sheet is printed all the same, the
    // window answers meanwhile, and the technician hears what became of the
    // check, and why.
    QFETCH(QString, archive);
    QFETCH(QString, told);
    QFETCH(int, listed);
    QTemporaryDir data;
    QVERIFY(QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::ExeOwner));
    dravino::test::Undo undo;
    undo << [&data] { QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); };
    undo.setEnv("XDG_DATA_HOME", qgetenv("XDG_DATA_HOME"));
    undo.setEnv("DRAVINO_ARCHIVE_TIMEOUT_MS", {});
    if (geteuid() == 0) // root writes anywhere: a file stands where the folder should be
        QVERIFY(QFile(data.filePath(QStringLiteral("Dravino"))).open(QIODevice::WriteOnly));
    qputenv("DRAVINO_ARCHIVE", data.filePath(QStringLiteral("Dravino/archivio.sqlite")).toLocal8Bit());
    std::unique_ptr<PrintServerStandIn> server;
    if (archive != QLatin1String("folder")) {
        server = std::make_unique<PrintServerStandIn>(archive == QLatin1String("silent") ? PrintServerStandIn::Silent
                                                                                         : PrintServerStandIn::Unreachable);
        qputenv("DRAVINO_ARCHIVE", "postgresql://tecnico:segreta@" + server->address() + "/officina");
        qputenv("DRAVINO_ARCHIVE_TIMEOUT_MS", "1500");
    }
    Window t;
    if (archive == QLatin1String("nobench")) // a file stands where the bench's data folder should be
        qputenv("XDG_DATA_HOME", QFile::encodeName(QCoreApplication::applicationFilePath()));
    t.platform.printerFails = true; // the page's own report waits for the record's
    StandStillMeter meter;
    t.run(QStringLiteral("%1txtADCValue(4)=640;cmdScala;@answer:x;cmdStampaScala").arg(kOpenScale));
    QCOMPARE(t.platform.requests, QStringList{QString()});
    QTRY_COMPARE_WITH_TIMEOUT(t.platform.messages.size(), 2, 10000);
    QVERIFY2(meter.longestMs() < allowedStandStillMs(), qPrintable(QString::number(meter.longestMs())));
    QCOMPARE(t.platform.messages[0].title, QStringLiteral("Archivio prove"));
    QVERIFY2(t.platform.messages[0].text.startsWith(told), qPrintable(t.platform.messages[0].text));
    QVERIFY2(!t.platform.messages[0].text.contains(QStringLiteral("segreta")), "a password is never shown");
    QVERIFY2(t.platform.messages[0].text.contains(QStringLiteral("rifiuta la connessione; le prove in attesa non si possono conservare in "))
                 == (archive == QLatin1String("nobench")),
             qPrintable(t.platform.messages[0].text));
    QCOMPARE(t.platform.messages[1].title, QStringLiteral("Stampa foglio scala"));
    QVERIFY2(t.platform.messages[1].text.contains(QStringLiteral("Dravino.pdf")), qPrintable(t.platform.messages[1].text));
    // The archive window says why it cannot read the archive, and lists
    // what waits on the bench.
    auto *archiveWindow = openArchive(t);
    QVERIFY(archiveWindow);
    auto *state = archiveWindow->findChild<QLabel *>(QStringLiteral("lblStatoArchivio"));
    if (archive == QLatin1String("silent")) // (a server that answers at once has answered by now)
        QCOMPARE(state->text(), QStringLiteral("Ricerca in corso..."));
    QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QStringLiteral("L'archivio non si può leggere: ")), 10000);
    QVERIFY2(!state->text().contains(QStringLiteral("segreta")), qPrintable(state->text()));
    QCOMPARE(archiveWindow->findChild<QTableView *>(QStringLiteral("lstProve"))->model()->rowCount(), listed);
    archiveWindow->close();
}



void TestDestinations::windowClosedWhileItsMessageIsOpen_data()
{
    // What the archive window starts, and when it is closed: while the
    // outcome's box (or the preview, or the question) is open, at once
    // after the file was chosen (Return, then a click on Chiudi), or while
    // the page is on its way, before its outcome comes.
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("closed");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QString>("told");
    const QString saved = QStringLiteral("Prove salvate nel file CSV %1");
    const QString csv = QStringLiteral("Esporta CSV over frmArchivio");
    QTest::newRow("export, closed while its outcome is open")
        << "cmdEsportaCsv" << "box" << QStringList{csv, csv, "Esporta CSV over frmDravino"} << saved;
    QTest::newRow("export, closed at once after the file was chosen")
        << "cmdEsportaCsv" << "saved" << QStringList{csv, "Esporta CSV over frmDravino"} << saved;
    const QString pdf = QStringLiteral("La stampa su Guasta non è riuscita");
    QTest::newRow("reprint to a refusing printer, closed while its outcome is open")
        << "cmdStampaArchivio" << "box" << QStringList{"Archivio prove over frmArchivio", "Archivio prove over frmDravino"} << pdf;
    QTest::newRow("reprint to a refusing printer, closed while it is on its way")
        << "cmdStampaArchivio" << "click" << QStringList{"Archivio prove over frmDravino"} << pdf;
    const QString gone = QStringLiteral("L'archivio non si può leggere: la prova non c'è più");
    QTest::newRow("history of a check gone, closed while its message is open")
        << "cmdStoria" << "box" << QStringList{"Archivio prove over frmArchivio", "Archivio prove over frmDravino"} << gone;
    QTest::newRow("preview, closed while it is open")
        << "cmdApri" << "box" << QStringList{"Anteprima di stampa - PROVA0 del 01/11/26 08:00 over frmArchivio"} << QString();
    QTest::newRow("delete, closed while its question is open")
        << "cmdElimina" << "box" << QStringList{"Archivio prove over frmArchivio"} << QString();
}

void TestDestinations::windowClosedWhileItsMessageIsOpen()
{
    // Qt's own boxes and save dialog, and the archive window closed around
    // them, many times (make sanitize runs it under AddressSanitizer):
    // nothing is freed twice, the outcome is told once, over the main
    // window where its own has gone, and a question whose window went
    // counts as No.
    QFETCH(QString, action);
    QFETCH(QString, closed);
    QFETCH(QStringList, seen);
    QFETCH(QString, told);
    QTemporaryDir data, out;
    const QString path = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", path.toLocal8Bit());
    for (int attempt = 0; attempt < 5; ++attempt) {
        QFile::remove(path);
        QVERIFY(keepAll(path, {[] {
                            dravino::CheckRecord r = checkOfCode(QStringLiteral("PROVA0"), 'P', 31);
                            r.takenAt = QDateTime(QDate(2026, 11, 1), QTime(8, 0));
                            r.certificate.clear(); // (erased below: no issued certificate is)
                            return r;
                        }()}));
        Window t;
        t.platform.realBoxes = true;
        t.platform.printerFails = true;
        QPointer<QDialog> archive = openArchive(t);
        QVERIFY(archive);
        auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
        QTRY_VERIFY(!list->model()->index(0, 1).data().toString().isEmpty());
        list->selectRow(0);
        if (action == QLatin1String("cmdStoria"))
            QVERIFY(dravino::Archive(path).remove(dravino::Archive(path).page({}, nullptr, 1).value(0).key));
        ModalsAnswered modals;
        modals.fileName = out.filePath(QStringLiteral("prove%1.csv").arg(attempt));
        const auto close = [archive] {
            if (archive)
                QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdChiudiArchivio")), Qt::LeftButton);
        };
        // Closed, and its deferred delete run inside the box's own loop, as
        // the program's event loop runs it when the close came just before.
        if (closed == QLatin1String("box"))
            modals.whileBoxOpen = [archive] {
                archive->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            };
        else if (closed == QLatin1String("saved"))
            modals.afterSaving = close;
        // Clicked from inside a running event loop, as the program's own
        // loop delivers a click (the deferred delete's loop levels are those
        // of the running program, not of a test that only processes events).
        QEventLoop loop;
        t.platform.holdPages = closed == QLatin1String("click");
        QTimer::singleShot(0, archive, [&] { QTest::mouseClick(archive->findChild<QPushButton *>(action), Qt::LeftButton); });
        // Closed once its page is on its way, then the outcome comes.
        QTimer onItsWay;
        QObject::connect(&onItsWay, &QTimer::timeout, &loop, [&] {
            if (t.platform.held.isEmpty())
                return;
            onItsWay.stop();
            close();
            t.platform.releasePages();
        });
        if (t.platform.holdPages)
            onItsWay.start(10);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (modals.seen.size() >= seen.size() && !QApplication::activeModalWidget())
                loop.quit();
        });
        poll.start(20);
        loop.exec();
        QTRY_COMPARE(modals.seen, seen);
        QTRY_VERIFY(!archive);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTest::qWait(50);
        QCOMPARE(modals.seen, seen);
        const QStringList shown = messageTexts(t.platform.messages);
        QCOMPARE(shown.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
            QVERIFY2(shown[0].startsWith(told.contains(QLatin1String("%1")) ? told.arg(modals.fileName) : told), qPrintable(shown[0]));
        // Nothing deleted by a question that went with its window.
        QCOMPARE(dravino::Archive(path).count({}), action == QLatin1String("cmdStoria") ? 0 : 1);
        // The main window goes on: a panel switch answers (it is made
        // active first: offscreen, nothing gives it back its activation).
        t.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
        t.run(QStringLiteral("!F2"));
        QCOMPARE(t.check(QStringLiteral("front=fraSecondary")), QStringList());
    }
}

void TestDestinations::frozenWhileAsked_data()
{
    // Which question of the press is open when a meter reading and an
    // archive reply arrive: the code's prompt, the job's form, the message
    // of a calibration past due, the preview (before its Stampa numbers the
    // certificate).
    QTest::addColumn<QString>("open");
    QTest::newRow("the code's prompt") << "code";
    QTest::newRow("the job's form") << "job";
    QTest::newRow("the calibration's message") << "calibration";
    QTest::newRow("the preview") << "preview";
}

void TestDestinations::frozenWhileAsked()
{
    // The check frozen as stampa was pressed: a reading that lands in the
    // panel, or another check recorded, while a question is open changes
    // neither the page nor its record; the reading is the next check's, and
    // the technician is told so.
    QFETCH(QString, open);
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", path.toLocal8Bit());
    const auto forget = qScopeGuard([] {
        dravino::saveWorkshop({});
        dravino::setSettingsValue(QStringLiteral("instrumentCalibratedUntil"), {});
    });
    dravino::saveWorkshop({QStringLiteral("Officina Rossi"), {}, {}, {}, {}, open == QLatin1String("job")});
    if (open == QLatin1String("calibration"))
        dravino::setSettingsValue(QStringLiteral("instrumentCalibratedUntil"), QDate::currentDate().addDays(-1).toString(Qt::ISODate));
    Window t;
    t.platform.job = dravino::JobData{QStringLiteral("Bianchi"), {}, {}, {}};
    auto *row3 = t.get(QStringLiteral("txtADCValue(3)"));
    dravino::MeterReading reading;
    reading.kind = dravino::MeterReading::Volts;
    reading.vendor = QStringLiteral("Agilent");
    reading.model = QStringLiteral("34405A");
    reading.serial = QStringLiteral("MY1");
    // (the calibration's message needs a reading from the meter on the page: row 2's)
    reading.volts = 1.808;
    t.run(QStringLiteral("%1cmdScala").arg(kOpenScale));
    if (open == QLatin1String("calibration")) {
        t.w->scalePanel().putReading(t.get(QStringLiteral("txtADCValue(2)")), reading);
        t.run(QStringLiteral("cmdScala"));
    }
    QCOMPARE(t.check(QStringLiteral("txtADCValue(*)=98,232,370,506,0,0;lblEsito=Esito: NON CONFORME")) + t.errors(), QStringList());
    QObject asker;
    const auto arrive = [&] {
        reading.volts = 3.0; // 614 counts in row 3
        t.w->scalePanel().putReading(row3, reading);
        dravino::CheckRecord other = checkOfCode(QStringLiteral("ALTRO"), 'P', 0);
        t.w->archive()->keep(other, &asker, [](const dravino::ArchiveReply &) {});
        (void)QTest::qWaitFor([&] { return dravino::Archive(path).count({QStringLiteral("ALTRO")}) == 1; }, 10000);
    };
    t.platform.inputAnswer = QStringLiteral("gelo1");
    if (open == QLatin1String("preview")) {
        whenModal<dravino::PrintPreview>([&](dravino::PrintPreview *preview) {
            arrive();
            QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("previewPrint")), Qt::LeftButton);
            QTRY_VERIFY(!t.w->preparingPage() && t.platform.pending == 0);
            preview->reject();
        });
        choose(t, QStringLiteral("cmdStampaScala"), QStringLiteral("menuPreview"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
    } else {
        // (the code's prompt comes first: the others' turn after it)
        if (open == QLatin1String("code"))
            t.platform.whileAsked = arrive;
        else
            t.platform.whileAsked = [&] { t.platform.whileAsked = arrive; };
        t.run(QStringLiteral("cmdStampaScala"));
        QVERIFY(!t.platform.whileAsked); // (it came)
    }
    QTRY_COMPARE(dravino::Archive(path).count({QStringLiteral("gelo1")}), 1);
    // The page printed: the readings of the press, and where they came from.
    const auto &page = t.platform.documents.last();
    QStringList texts;
    for (const auto &item : page)
        texts << item.text;
    const QString all = texts.join(QLatin1Char('|'));
    QVERIFY2(texts.contains(QStringLiteral("506")) && !texts.contains(QStringLiteral("614")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("Esito della prova: NON CONFORME")), qPrintable(all));
    QVERIFY2(all.contains(open == QLatin1String("calibration") ? QStringLiteral("Letture dal multimetro Agilent 34405A, n. di serie MY1 (riga 2 a 800 bar)")
                                                               : QStringLiteral("Letture inserite a mano.")),
             qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("Certificato n. ")) && !all.contains(QStringLiteral("anteprima")), qPrintable(all));
    // The record: the same readings, the same provenance, the rule.
    const dravino::Archive archive(path);
    const dravino::CheckRecord r = archive.records({archive.page({QStringLiteral("gelo1")}, nullptr, 1).value(0).key}).value(0);
    QCOMPARE(dravino::cellText(r.rows[3].adc), QStringLiteral("506"));
    QCOMPARE(r.instrument.rows, open == QLatin1String("calibration") ? QList<int>{2} : QList<int>{});
    QCOMPARE(r.points.size(), size_t(6));
    QCOMPARE(r.points[3].counts, 506);
    QCOMPARE(r.points[3].source.kind, dravino::ReadingSource::Typed);
    QCOMPARE(r.rule, dravino::todaysRule());
    QCOMPARE(r.verdict, dravino::SensorVerdict::Fail);
    // The reading is the panel's, for the next check, and said so.
    QCOMPARE(t.check(QStringLiteral("txtADCValue(3)=614;lblEsito=Esito: da ricalcolare")) + t.errors(), QStringList());
    QVERIFY2(messageTexts(t.platform.messages)
                 .contains(QStringLiteral("La lettura del multimetro arrivata durante la stampa è nel pannello (righe 3): vale per la "
                                          "prossima prova, non per il foglio già deciso.")),
             qPrintable(messageTexts(t.platform.messages).join(QLatin1Char('\n'))));
}

void TestDestinations::sheetForAPrinterWithoutColour()
{
    // The default printer's queue prints no colour (as its lookup said):
    // the sheet drawn for it has every result black. A colour queue's keeps
    // the design's colours: pressures red, millivolts blue, verdicts green.
    QTemporaryDir data;
    qputenv("DRAVINO_ARCHIVE", data.filePath(QStringLiteral("archivio.sqlite")).toLocal8Bit());
    Window t;
    const auto restore = qScopeGuard([&] {
        dravino::PrintQueue q;
        q.name = t.platform.deviceName;
        dravino::rememberQueue(q, true);
    });
    for (const bool colour : {false, true}) {
        dravino::PrintQueue q;
        q.name = t.platform.deviceName;
        q.colour = colour;
        dravino::rememberQueue(q, true);
        const qsizetype before = t.platform.documents.size();
        t.run(QStringLiteral("%1cmdScala;@answer:GRIGIO;cmdStampaScala;cmdBack").arg(kOpenScale));
        QTRY_COMPARE(t.platform.documents.size(), before + 1);
        QStringList inks;
        for (const char *text : {"400", "1134", "0,98%", "24"})
            for (const auto &item : t.platform.documents.last())
                if (item.text == QLatin1String(text)) {
                    inks << item.color.name();
                    break;
                }
        QCOMPARE(inks.join(QLatin1Char(' ')), colour ? QStringLiteral("#ff0000 #0000ff #007800 #007800")
                                                      : QStringLiteral("#000000 #000000 #000000 #000000"));
    }
}

void TestDestinations::sameCheckPrintedAgain()
{
    // The same computed check printed twice is one certificate: the second
    // page a copy with the same number, one record; the preview's page
    // says "anteprima" and takes no number until it goes; a changed check
    // is a new certificate.
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", path.toLocal8Bit());
    Window t;
    t.platform.realPages = false;
    const auto numberOn = [&](int document) {
        for (const auto &item : t.platform.documents.value(document))
            if (item.text.startsWith(QLatin1String("Certificato n. ")))
                return item.text.mid(15).section(QStringLiteral(" · "), 0, 0);
        return QString();
    };
    t.run(QStringLiteral("%1cmdScala;@answer:uno;cmdStampaScala;cmdStampaScala").arg(kOpenScale));
    QTRY_COMPARE(t.platform.documents.size(), 2);
    const QString first = numberOn(0);
    QVERIFY(!first.isEmpty() && !first.contains(QLatin1String("copia")));
    QCOMPARE(numberOn(1), first + QStringLiteral(" (copia)"));
    QTRY_COMPARE(dravino::Archive(path).count({}), 1);
    // The preview: "anteprima" on its page, nothing numbered nor recorded;
    // its Stampa, a new certificate for a changed check.
    t.run(QStringLiteral("txtADCValue(3)=507;cmdScala"));
    whenModal<dravino::PrintPreview>([&](dravino::PrintPreview *preview) {
        QCOMPARE(numberOn(2), QStringLiteral("anteprima"));
        QCOMPARE(dravino::Archive(path).count({}), 1);
        QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("previewPrint")), Qt::LeftButton);
        QTRY_VERIFY(!t.w->preparingPage() && t.platform.pending == 0);
        // ... and again from the same preview: its copy.
        QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("previewPrint")), Qt::LeftButton);
        QTRY_VERIFY(!t.w->preparingPage() && t.platform.pending == 0);
        preview->reject();
    });
    choose(t, QStringLiteral("cmdStampaScala"), QStringLiteral("menuPreview"));
    QTRY_COMPARE(t.platform.documents.size(), 5);
    const QString second = numberOn(3);
    QVERIFY(!second.isEmpty() && second != first);
    QCOMPARE(second.section(QLatin1Char('-'), 1).toInt(), first.section(QLatin1Char('-'), 1).toInt() + 1); // no number lost to the preview
    QCOMPARE(numberOn(4), second + QStringLiteral(" (copia)"));
    QTRY_COMPARE(dravino::Archive(path).count({}), 2);
}

void TestDestinations::settledOnceWhileItsMessageIsOpen()
{
    // The server away: the check waits on the bench and the technician is
    // told so; the page's outcome arrives while that message is open. Where
    // the page went is written to the bench's outbox once, not again when
    // the message is closed.
    NEEDS_THE_SERVER();
    QTemporaryDir bench;
    const QString url = m_server->freshDatabase();
    { dravino::Archive created(url); }
    m_env->setEnv("DRAVINO_ARCHIVE", url.toUtf8());
    m_env->setEnv("DRAVINO_ARCHIVE_TIMEOUT_MS", "5000");
    const auto restart = qScopeGuard([this] { m_server->start(); });
    QVERIFY(m_server->stop());
    Window t; // (the first window of a run sets the data folder: the outbox's after it)
    m_env->setEnv("XDG_DATA_HOME", bench.path().toLocal8Bit());
    { dravino::Outbox made(dravino::outboxPath(), url); QVERIFY(made.isOpen()); }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("conta"));
        db.setDatabaseName(dravino::outboxPath());
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE written (n INTEGER)")));
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TRIGGER counted AFTER UPDATE ON waiting BEGIN INSERT INTO written VALUES (1); END")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("conta"));
    const auto writes = [] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("leggi"));
        db.setDatabaseName(dravino::outboxPath());
        int n = -1;
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT count(*) FROM written")) && q.next())
                n = q.value(0).toInt();
        }
        db = {};
        QSqlDatabase::removeDatabase(QStringLiteral("leggi"));
        return n;
    };
    t.platform.holdPages = true;
    t.run(QStringLiteral("%1cmdScala;@answer:una").arg(kOpenScale));
    const std::function<void()> outcomeWhileOpen = [&] {
        t.platform.releasePages();
        QTest::qWait(500);
        (void)QTest::qWaitFor([&] { return writes() == 1; }, 5000);
    };
    t.platform.whileAsked = [&] { t.platform.whileAsked = outcomeWhileOpen; }; // (after the code's prompt)
    QTest::mouseClick(t.get(QStringLiteral("cmdStampaScala")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!t.platform.whileAsked && t.platform.pending == 0, 15000);
    QVERIFY2(t.platform.messages.value(0).text.startsWith(QStringLiteral("Questa prova è conservata su questo banco")),
             qPrintable(t.platform.messages.value(0).text));
    QTRY_COMPARE(writes(), 1);
    QTest::qWait(1000);
    QCOMPARE(writes(), 1);
    const auto waiting = dravino::Outbox(dravino::outboxPath(), url).waiting();
    QCOMPARE(waiting.size(), 1);
    QCOMPARE(waiting[0].destination, (dravino::PageDestination{dravino::PageDestination::Printer, QStringLiteral("PDF")}));
}

void TestDestinations::newerServer()
{
    // A shared archive a newer Dravino made: told once, however many pages
    // go; each computed sheet still prints, numbered by the bench, and its
    // check is kept on the bench, said in words.
    NEEDS_THE_SERVER();
    QTemporaryDir bench;
    const QString url = m_server->freshDatabase();
    { dravino::Archive created(url); }
    QVERIFY(m_server->exec(url, {QStringLiteral("UPDATE dravino_schema SET version = %1").arg(dravino::Archive::kSchemaVersion + 1)}));
    m_env->setEnv("DRAVINO_ARCHIVE", url.toUtf8());
    Window t;
    m_env->setEnv("XDG_DATA_HOME", bench.path().toLocal8Bit()); // (an outbox of its own)
    t.run(QStringLiteral("%1cmdScala;@answer:nuova1;cmdStampaScala").arg(kOpenScale));
    QTRY_VERIFY_WITH_TIMEOUT(messageTexts(t.platform.messages).filter(QStringLiteral("questa prova resta")).size() == 1, 20000);
    t.run(QStringLiteral("txtADCValue(3)=507;cmdScala;@answer:nuova2;cmdStampaScala"));
    QTRY_VERIFY_WITH_TIMEOUT(messageTexts(t.platform.messages).filter(QStringLiteral("questa prova resta")).size() == 2, 20000);
    QTest::qWait(500);
    const QStringList told = messageTexts(t.platform.messages);
    QCOMPARE(told.filter(QStringLiteral("è di una versione più recente di Dravino: è aperto in sola lettura")).size(), 1);
    QCOMPARE(told.filter(QStringLiteral("L'archivio è di una versione più recente di Dravino e questo banco può solo leggerlo: questa "
                                        "prova resta conservata su questo banco."))
                 .size(),
             2);
    QCOMPARE(told.filter(QStringLiteral("non ha avuto un numero")).size(), 0);
    // Both printed, numbered by the bench one after the other.
    QStringList numbers;
    for (const auto &document : t.platform.documents)
        for (const auto &item : document)
            if (item.text.startsWith(QLatin1String("Certificato n. ")))
                numbers << item.text.mid(15).section(QStringLiteral(" · "), 0, 0);
    QCOMPARE(numbers.size(), 2);
    QVERIFY2(numbers[0].contains(QRegularExpression(QStringLiteral("^[0-9A-F]{6}-\\d+$"))), qPrintable(numbers[0]));
    QCOMPARE(numbers[1], numbers[0].section(QLatin1Char('-'), 0, 0) + QLatin1Char('-')
                             + QString::number(numbers[0].section(QLatin1Char('-'), 1).toInt() + 1));
    // They wait on the bench, none refused one by one.
    const auto waiting = dravino::Outbox(dravino::outboxPath(), url).waiting();
    QCOMPARE(waiting.size(), 2);
    QVERIFY(waiting[0].refused.isEmpty() && waiting[1].refused.isEmpty());
}

void TestDestinations::partOfTheChosenChecks_data()
{
    QTest::addColumn<bool>("shared");
    QTest::newRow("one of three gone from the bench's archive") << false;
    QTest::newRow("the shared archive's server stopped") << true;
}

void TestDestinations::partOfTheChosenChecks()
{
    // Three checks chosen; the archive gives back only some of them (one
    // deleted meanwhile, a server gone away): nothing is exported, and the
    // technician hears which did not come and why.
    QFETCH(bool, shared);
    QTemporaryDir data, out;
    QString location = data.filePath(QStringLiteral("archivio.sqlite"));
    if (shared) {
        NEEDS_THE_SERVER();
        location = m_server->freshDatabase();
    }
    m_env->setEnv("DRAVINO_ARCHIVE", location.toUtf8());
    m_env->setEnv("DRAVINO_ARCHIVE_TIMEOUT_MS", "5000");
    QList<dravino::CheckRecord> three;
    for (int i = 0; i < 3; ++i) {
        dravino::CheckRecord r = checkOfCode(QStringLiteral("PARTE%1").arg(i), 'P', 0);
        r.takenAt = QDateTime(QDate(2026, 11, 1), QTime(8, 10 * i));
        r.certificate.clear(); // (one is erased below: no issued certificate is)
        three << r;
    }
    QVERIFY(keepAll(location, three));
    Window t;
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    QTRY_VERIFY(!list->model()->index(2, 1).data().toString().isEmpty());
    const auto restart = qScopeGuard([this, shared] {
        if (shared)
            m_server->start();
    });
    if (shared)
        QVERIFY(m_server->stop());
    else
        QVERIFY(dravino::Archive(location).remove(three[1].key));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    t.platform.saveAs = out.filePath(QStringLiteral("parte.csv"));
    QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdEsportaCsv")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(t.platform.messages.size(), 1, 15000);
    const QString told = t.platform.messages[0].text;
    if (shared)
        QVERIFY2(told.startsWith(QStringLiteral("Delle 3 prove scelte l'archivio non ha dato 3 (PARTE2 del 01/11/26 08:20, PARTE1 del "
                                                "01/11/26 08:10, PARTE0 del 01/11/26 08:00): ")) && told.contains(QStringLiteral("server"))
                     && told.endsWith(QStringLiteral(". Non è stato fatto nulla.")),
                 qPrintable(told));
    else
        QCOMPARE(told, QStringLiteral("Delle 3 prove scelte l'archivio non ha dato 1 (PARTE1 del 01/11/26 08:10): non ci sono più "
                                      "nell'archivio. Non è stato fatto nulla."));
    QCOMPARE(t.platform.messages[0].icon, dravino::MessageIcon::Critical);
    QVERIFY(!QFile::exists(t.platform.saveAs));
    QVERIFY(t.platform.saveDialogs.isEmpty()); // (not even asked where)
    archive->close();
}

void TestDestinations::judgedByItsOwnRule()
{
    // The same readings (a measured row left out) recorded under the first
    // rule and under today's: each listed and printed again with the
    // verdict its own rule gave, the rule named; a check without a code
    // has no history to show.
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("archivio.sqlite"));
    qputenv("DRAVINO_ARCHIVE", path.toLocal8Bit());
    dravino::ScaleCheckModel check;
    const char *const readings[] = {"102", "80", "430", "594", "757", "921"};
    for (int i = 0; i < dravino::kScaleRows; ++i)
        check.setAdc(i, readings[i]);
    check.setNominalFullScale(2000);
    check.compute(',');
    const auto recorded = [&](const QString &code, const dravino::DecisionRule &rule, int minute) {
        dravino::CheckRecord r = dravino::checkOf(check, rule);
        r.key = dravino::newCheckKey();
        r.code = code;
        r.takenAt = QDateTime(QDate(2026, 11, 2), QTime(9, minute));
        return r;
    };
    QVERIFY(keepAll(path, {recorded(QStringLiteral("PRIMA"), dravino::firstRule(), 0), recorded(QStringLiteral("OGGI"), dravino::todaysRule(), 1),
                           recorded(QString(), dravino::todaysRule(), 2)}));
    Window t;
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    QTRY_COMPARE(list->model()->rowCount(), 3);
    QTRY_COMPARE(list->model()->index(2, 2).data().toString() + QLatin1Char('|') + list->model()->index(1, 2).data().toString(),
                 QStringLiteral("CONFORME|NON CONFORME"));
    for (const int row : {2, 1}) {
        list->selectRow(row);
        QTest::mouseClick(archive->findChild<QPushButton *>(QStringLiteral("cmdStampaArchivio")), Qt::LeftButton);
        QTRY_COMPARE(t.platform.pending, 0);
    }
    QTRY_COMPARE(t.platform.documents.size(), 2);
    QStringList said;
    for (const auto &document : t.platform.documents) {
        QString verdict, rule;
        for (const auto &item : document) {
            if (item.text.startsWith(QLatin1String("Esito della prova: ")))
                verdict = item.text.mid(19);
            if (item.text.startsWith(QLatin1String("Regola di decisione (")))
                rule = item.text.section(QLatin1Char(')'), 0, 0).mid(21);
        }
        said << verdict + QLatin1Char('|') + rule;
    }
    QCOMPARE(said, (QStringList{"CONFORME|versione 1", "NON CONFORME|versione 2"}));
    // No code: no sensor to follow.
    auto *history = archive->findChild<QPushButton *>(QStringLiteral("cmdStoria"));
    list->selectRow(0);
    QTRY_VERIFY(!history->isEnabled());
    QCOMPARE(history->toolTip(), QStringLiteral("Questa prova non ha il codice del sensore: non ha una storia."));
    list->selectRow(1);
    QTRY_VERIFY(history->isEnabled());
    archive->close();
}

void TestDestinations::waitingChecksInALongList()
{
    // 450 checks on the server, two more kept on the bench (the server
    // refuses them): the count says 452, the bench's lead the list, the
    // oldest end is the archive's oldest, read from either end; each
    // verdict's filter lists only its own, the bench's ones among them.
    NEEDS_THE_SERVER();
    QTemporaryDir bench;
    const QString url = m_server->freshDatabase();
    QList<dravino::CheckRecord> many;
    for (int i = 0; i < 450; ++i)
        many << checkOfCode(QStringLiteral("L%1").arg(i, 3, 10, QLatin1Char('0')), i % 3 == 0 ? 'F' : 'P', i / 24);
    for (int i = 0; i < many.size(); ++i)
        many[i].takenAt = QDateTime(QDate(2026, 6, 1), QTime(8, 0)).addSecs(600 * i);
    QVERIFY(keepAll(url, many));
    QVERIFY(m_server->exec(url, {QStringLiteral("ALTER TABLE checks ADD CONSTRAINT no_rif CHECK (code NOT LIKE 'RIF%')")}));
    m_env->setEnv("DRAVINO_ARCHIVE", url.toUtf8());
    Window t;
    m_env->setEnv("XDG_DATA_HOME", bench.path().toLocal8Bit()); // (an outbox of its own)
    {
        dravino::Outbox box(dravino::outboxPath(), url);
        dravino::CheckRecord passing = checkOfCode(QStringLiteral("RIFP"), 'P', 60), failing = checkOfCode(QStringLiteral("RIFF"), 'F', 61);
        QVERIFY(box.put(passing) && box.put(failing));
    }
    auto *archive = openArchive(t);
    QVERIFY(archive);
    auto *list = archive->findChild<QTableView *>(QStringLiteral("lstProve"));
    auto *state = archive->findChild<QLabel *>(QStringLiteral("lblStatoArchivio"));
    auto *verdicts = archive->findChild<QComboBox *>(QStringLiteral("cboEsito"));
    const auto *model = qobject_cast<dravino::ArchiveModel *>(list->model());
    const auto code = [model](int row) { return model->at(row).code; };
    // The server refuses the two (told once each), and the list is read again for their marks.
    QTRY_COMPARE_WITH_TIMEOUT(messageTexts(t.platform.messages).filter(QStringLiteral("ha rifiutato la prova RIF")).size(), 2, 15000);
    QTRY_VERIFY(!model->searching());
    QTest::qWait(200);
    // (150 of the 450 fail: every third)
    const QStringList expected{"Prove trovate: 452 (conformi 301, non conformi 151)", "Prove trovate: 301 (conformi 301, non conformi 0)",
                               "Prove trovate: 151 (conformi 0, non conformi 151)"};
    const QStringList ends[] = {{"RIFF", "RIFP", "L449", "L448", "L001", "L000"}, {"RIFP", "L449", "L448", "L002", "L001"},
                                {"RIFF", "L447", "L444", "L003", "L000"}};
    for (int choice = 0; choice < 3; ++choice) {
        verdicts->setCurrentIndex(choice);
        QTRY_COMPARE_WITH_TIMEOUT(state->text(), expected[choice], 15000);
        const int rows = model->rowCount();
        QCOMPARE(rows, expected[choice].section(QLatin1Char(' '), 2, 2).toInt());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!code(rows - 1).isEmpty(), 15000);
        QTest::keyClick(list, Qt::Key_Home, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!code(2).isEmpty(), 15000);
        const int bench = choice == 0 ? 2 : 1;
        QStringList seen;
        for (int row = 0; row < bench + 2; ++row)
            seen << code(row);
        seen << code(rows - 2) << code(rows - 1);
        QCOMPARE(seen, ends[choice]);
        QVERIFY(model->at(0).waiting && !model->at(bench).waiting);
    }
    archive->close();
}

QTEST_MAIN(TestDestinations)
#include "tst_destinations.moc"
