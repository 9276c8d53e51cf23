// Takes the screenshots and printed samples in docs/: run under xvfb-run
// from the source folder (tools/screenshots.sh). Each panel is shown in a
// typical state and captured from the X screen with ImageMagick's import;
// the two documents are printed to PDF through the Qt print surface.

#include "print/PrintBackend.h"
#include "print/Delivery.h"
#include <QFile>
#include <QTimer>
#include "print/QtPrintSurface.h"
#include "print/ValueTable.h"
#include "ui/printjob/PrintPreview.h"
#include "archive/Archive.h"
#include "archive/ArchiveService.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/trace/TraceWindow.h"
#include "ui/trace/GuidedTestWindow.h"
#include "ui/platform/Modal.h"
#include "instrument/Acquisition.h"
#include "instrument/Meter.h"
#include <QSpinBox>
#include <cmath>

#include <QTabWidget>
#include <QTableView>
#include "core/ScaleCheckModel.h"
#include "archive/CheckRecord.h"

#include <QDir>
#include <QTemporaryDir>

#include <QContextMenuEvent>
#include <QMenu>
#include "ui/MainPanel.h"
#include "tools/FilePlatform.h"
#include "ui/Platform.h"
#include "ui/PrintBox.h"
#include "ui/ScalePanel.h"
#include "ui/SensataPanel.h"
#include "ui/Language.h"
#include "ui/dialogs/InstrumentDialog.h"
#include "ui/dialogs/WorkshopDialog.h"
#include "tests/MeterStandIn.h"
#include "tests/CalibrationSample.h"
#include "ui/calibration/CalibrationWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include "ui/frmDravino.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <cstdio>

using namespace dravino;

namespace {

// Messages printed, the code answered, two printers in the menu.
class ShotPlatform final : public FilePlatform
{
public:
    ShotPlatform()
    {
        code = QStringLiteral("0281002930");
        printerName = {QStringLiteral("PDF"), QStringLiteral("cups-pdf:/")};
    }
    void message(QWidget *, const QString &text, const QString &, MessageIcon) override
    {
        std::printf("message: %s\n", qPrintable(text));
    }
    void listPrinters(QObject *context, std::function<void(const QueueList &)> done) override
    {
        QueueList q;
        q.queues.push_back({QStringLiteral("PDF"), QStringLiteral("cups-pdf:/"), true, false, {}, true});
        q.queues.push_back({QStringLiteral("Ufficio"), QStringLiteral("ipp://ufficio/"), true, false, {}, false});
        QTimer::singleShot(0, context, [q, done] { done(q); });
    }
};

void settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(30);
    }
}

void shot(const QWidget &w, const QString &file, QRect also = {})
{
    settle();
    const qreal dpr = w.devicePixelRatioF();
    const QRect f = w.frameGeometry().united(also.isNull() ? w.frameGeometry() : also);
    const QRect g(qRound(f.x() * dpr), qRound(f.y() * dpr), qRound(f.width() * dpr), qRound(f.height() * dpr));
    QProcess::execute(QStringLiteral("import"),
                      {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                       QStringLiteral("%1x%2+%3+%4").arg(g.width()).arg(g.height()).arg(g.x()).arg(g.y()),
                       QStringLiteral("+repage"), file});
}

void typeInto(QWidget *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    static_cast<QLineEdit *>(field)->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // dravino_shots OUT [FILE] [--lang en]: the English pictures end in -en.
    const auto language = dravino::chooseLanguage(QApplication::arguments(), QLocale::system().uiLanguages());
    dravino::applyLanguage(language);
    const QString suffix = language == dravino::Language::English ? QStringLiteral("-en") : QString();
    QStringList positional;
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]).startsWith(QLatin1String("--lang"))) {
            i += QString::fromLocal8Bit(argv[i]) == QLatin1String("--lang");
            continue;
        }
        positional << QString::fromLocal8Bit(argv[i]);
    }
    const QString out = positional.value(0, QStringLiteral("docs"));
    ShotPlatform platform;
    frmDravino w(platform);
    w.show();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    settle();

    MainPanel &main = w.mainPanel();
    typeInto(main.txtMvolt1, QStringLiteral("4500"));
    // At 200 % scaling only the main panel is taken.
    if (positional.size() > 1) {
        shot(w, out + QLatin1Char('/') + positional[1]);
        return 0;
    }
    shot(w, out + QStringLiteral("/main%1.png").arg(suffix));

    // A full page: 135 values in three column groups.
    platform.pdf = out + QStringLiteral("/table%1.pdf").arg(suffix);
    auto *from = w.findChild<QLineEdit *>(QStringLiteral("txtStampaDa"));
    auto *to = w.findChild<QLineEdit *>(QStringLiteral("txtStampaA"));
    from->setText(QStringLiteral("0"));
    to->setText(QStringLiteral("2680"));
    main.printBox->cmdStampa_Click();
    to->setText(QStringLiteral("2000"));
    main.printBox->CountPrintValues();

    // The print button's menu, and the preview of the page.
    auto *button = w.findChild<QWidget *>(QStringLiteral("cmdStampa"));
    QContextMenuEvent open(QContextMenuEvent::Keyboard, button->rect().center(), button->mapToGlobal(button->rect().center()));
    QApplication::sendEvent(button, &open);
    settle();
    if (auto *menu = button->findChild<QMenu *>(QStringLiteral("printMenu"))) {
        shot(w, out + QStringLiteral("/menu%1.png").arg(suffix), menu->geometry());
        menu->close();
    }
    {
        auto page = std::make_shared<QtPrintSurface>();
        PrintTable t;
        t.from = 500;
        t.to = 2000;
        t.step = 20;
        printValueTable(*page, {QStringLiteral("2000"), true, valueTableRows(printRows(t), QStringLiteral("500")),
                                QDateTime::currentDateTime()});
        PrintPreview preview(page, QCoreApplication::translate("dravino::PrintBox", "Tabella %1-%2 %3").arg(500).arg(2000).arg(QStringLiteral("mV")), &w);
        preview.show();
        shot(preview, out + QStringLiteral("/preview%1.png").arg(suffix));
    }

    w.lblLabel_MouseUp(4);
    w.lblLabel_MouseUp(4);
    w.scalePanel().CalcolaScala();
    shot(w, out + QStringLiteral("/scale%1.png").arg(suffix));

    // A workshop's sheet: its identity and logo, the job asked for.
    QTemporaryDir logoFolder;
    const QString logo = logoFolder.filePath(QStringLiteral("logo.svg"));
    QFile svg(logo);
    if (svg.open(QIODevice::WriteOnly))
        svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='240' height='60'>"
                  "<rect x='2' y='2' width='236' height='56' rx='10' fill='#b3261e'/>"
                  "<text x='120' y='41' font-family='Liberation Sans' font-weight='bold' font-size='30' fill='white' "
                  "text-anchor='middle'>ROSSI DIESEL</text></svg>");
    svg.close();
    saveWorkshop({QStringLiteral("Officina Rossi Diesel"), QStringLiteral("Via dell'Industria 12, 10135 Torino"),
                  QStringLiteral("011 555 0123"), QStringLiteral("officina@rossidiesel.it"), logo, true});
    platform.job = {QStringLiteral("Trasporti Bianchi srl"), QStringLiteral("AB 123 CD"), QStringLiteral("C-2026-0418"),
                    QStringLiteral("M. Rossi")};
    {
        WorkshopDialog dialog(platform, &w);
        dialog.show();
        shot(dialog, out + QStringLiteral("/workshop%1.png").arg(suffix));
    }
    // The bench multimeter (F8): a meter found on the network and a reading tried.
    {
        MeterStandIn meter("+2.50120000E+00");
        InstrumentDialog dialog(platform, &w);
        dialog.show();
        auto *driver = dialog.findChild<QComboBox *>(QStringLiteral("cboDriver"));
        QTest::qWaitFor([driver] { return driver->isEnabled(); }, 10000);
        driver->setCurrentIndex(driver->findData(QStringLiteral("scpi-dmm")));
        dialog.findChild<QLineEdit *>(QStringLiteral("txtConnessione"))->setText(meter.device().section(QStringLiteral("conn="), 1));
        dialog.findChild<QPushButton *>(QStringLiteral("cmdCerca"))->click();
        auto *found = dialog.findChild<QListWidget *>(QStringLiteral("lstStrumenti"));
        QTest::qWaitFor([found] { return found->count() > 0; }, 10000);
        found->setCurrentRow(0);
        dialog.findChild<QPushButton *>(QStringLiteral("cmdProva"))->click();
        auto *state = dialog.findChild<QLabel *>(QStringLiteral("lblStatoStrumento"));
        QTest::qWaitFor([state] { return state->text().contains(QLatin1Char(':')) && !state->text().endsWith(QLatin1String("...")); }, 10000);
        shot(dialog, out + QStringLiteral("/instrument%1.png").arg(suffix));
    }
    platform.pdf = out + QStringLiteral("/sheet%1.pdf").arg(suffix);
    w.scalePanel().StampaFoglioScala();
    settle();

    // A calibration (F6): found out of its limits, adjusted, left within
    // them, against the workshop's reference; its certificate as a PDF.
    {
        saveReferences({dravino::test::sampleReference()});
        w.openCalibration();
        CalibrationWindow *calibration = w.calibrationWindow();
        calibration->correct(dravino::test::sampleCalibration(), QStringLiteral("0281002930"), {});
        calibration->findChild<QLineEdit *>(QStringLiteral("txtOperatore"))->setText(QStringLiteral("M. Rossi"));
        calibration->findChild<QLineEdit *>(QStringLiteral("txtOperatore"))->textEdited(QStringLiteral("M. Rossi"));
        calibration->move(0, 0);
        shot(*calibration, out + QStringLiteral("/calibration%1.png").arg(suffix));
        calibration->findChild<QTabWidget *>(QStringLiteral("tabTaratura"))->setCurrentIndex(1);
        shot(*calibration, out + QStringLiteral("/calibration-results%1.png").arg(suffix));
        platform.pdf = out + QStringLiteral("/certificate%1.pdf").arg(suffix);
        calibration->findChild<QPushButton *>(QStringLiteral("cmdStampaTaratura"))->click();
        QTest::qWaitFor([&] { return QFile::exists(platform.pdf); }, 10000);
        settle();
        calibration->close();
    }
    w.cmdBack_Click();

    // The sensor traced (F7): key on, cranking, idle, a snap, key off and the
    // decay, at ten readings a second; the decay selected, the cursors on it.
    {
        TraceCapture capture;
        Acquisition none;
        TraceWindow trace(platform, w.calculator(), capture, none, &w);
        trace.resize(trace.sizeHint());
        for (int ms = 0; ms <= 26000; ms += 100) {
            const double t = ms / 1000.0;
            double mv = t < 2 ? 500 : t < 4 ? 500 + (t - 2) * 400 : t < 9 ? 1300 : t < 10 ? 1300 + (t - 9) * 2200
                : t < 11 ? 3500 - (t - 10) * 2200 : t < 15 ? 1300 : 500 + 800 * std::exp(-(t - 15) / 3.0);
            mv += 6 * std::sin(ms / 37.0);
            MeterReading r;
            r.kind = MeterReading::Volts;
            r.volts = mv / 1000.0;
            r.vendor = QStringLiteral("Agilent");
            r.model = QStringLiteral("34405A");
            trace.take(r, ms);
        }
        trace.findChild<QSpinBox *>(QStringLiteral("txtCursoreDa"))->setValue(1200);
        trace.findChild<QSpinBox *>(QStringLiteral("txtCursoreA"))->setValue(600);
        auto *plot = trace.findChild<QWidget *>(QStringLiteral("graTraccia"));
        trace.show();
        fitWindowToScreen(&trace); // (as the program opens it)
        settle();
        QTest::mouseMove(plot, QPoint(plot->width() * 57 / 100, plot->height() / 2));
        QTest::mousePress(plot, Qt::LeftButton, {}, QPoint(plot->width() * 57 / 100, plot->height() / 2));
        QMouseEvent drag(QEvent::MouseMove, QPointF(plot->width() * 95 / 100, plot->height() / 2), plot->mapToGlobal(QPointF(plot->width() * 95 / 100, plot->height() / 2)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(plot, &drag);
        QTest::mouseRelease(plot, Qt::LeftButton, {}, QPoint(plot->width() * 95 / 100, plot->height() / 2));
        shot(trace, out + QStringLiteral("/trace%1.png").arg(suffix));
        platform.pdf = out + QStringLiteral("/trace-page%1.pdf").arg(suffix);
        trace.findChild<QPushButton *>(QStringLiteral("cmdStampaTraccia"))->click();
        settle();
        // Zoomed into the snap: 9 s to 12 s, its idle ripple seen.
        QTest::keyClick(plot, Qt::Key_Delete);
        trace.zoomTo(TraceSpan{9000, 12000});
        settle();
        shot(trace, out + QStringLiteral("/trace-zoom%1.png").arg(suffix));
        trace.close();
        // The guided test on the same capture (Shift+F7).
        // The vehicle, the supply measured at the pin, then its report.
        GuidedTestWindow guided(platform, w.calculator(), capture, {}, nullptr, &w);
        guided.show();
        fitWindowToScreen(&guided);
        guided.findChild<QLineEdit *>(QStringLiteral("txtVeicoloProva"))->setText(QStringLiteral("FIAT DUCATO AB123CD"));
        guided.findChild<QLineEdit *>(QStringLiteral("txtSiglaProva"))->setText(QStringLiteral("0281002930"));
        guided.findChild<QLineEdit *>(QStringLiteral("txtAlimentazione"))->setText(QStringLiteral("4980"));
        guided.evaluate();
        settle();
        shot(guided, out + QStringLiteral("/guided%1.png").arg(suffix));
        platform.pdf = out + QStringLiteral("/guided-report%1.pdf").arg(suffix);
        guided.findChild<QPushButton *>(QStringLiteral("cmdStampaProva"))->click();
        QTest::qWaitFor([&] { return QFile::exists(platform.pdf); }, 10000);
        settle();
        guided.close();
    }

    w.lblLabel_MouseUp(2);
    w.lblLabel_MouseUp(2);
    w.sensataPanel().cmdSensata_Click();
    w.sensataPanel().selectMark(1, 0);
    shot(w, out + QStringLiteral("/sensata%1.png").arg(suffix));

    // The archive of scale checks, in an archive of its own: one sensor
    // checked four times over a year (its average drifting, the last check
    // failing), two others once.
    QTemporaryDir data;
    {
        Archive archive(QDir(data.path()).filePath(QStringLiteral("archivio.sqlite")));
        struct Shot {
            const char *code;
            int daysAgo;
            int average;
            bool denso;
        };
        const Shot shots[] = {{"0281002930", 0, 2371, false}, {"45PP3-1", 5, 1935, true}, {"0281002930", 96, 2392, false},
                              {"0281006158", 130, 2404, false}, {"0281002930", 210, 2405, false}, {"0281002930", 330, 2417, false}};
        QList<CheckRecord> checks;
        int number = 41;
        for (const Shot &one : shots) {
            ScaleCheckModel check;
            check.setDenso(one.denso);
            check.setAverage(one.average < 2380 ? "2300" : "2400");
            check.setSettings({false, false, true, 2400});
            check.compute(',');
            CheckRecord r = checkOf(check);
            r.key = newCheckKey();
            r.takenAt = QDateTime(QDate::currentDate().addDays(-one.daysAgo), QTime(9 + one.daysAgo % 8, 10 + one.daysAgo % 45));
            r.code = QString::fromLatin1(one.code);
            r.average = double(one.average);
            r.denso = one.denso;
            r.certificate = QStringLiteral("7B2E41-%1").arg(number--);
            r.destination = one.daysAgo % 2 ? PageDestination{PageDestination::Printer, QStringLiteral("PDF")}
                                             : PageDestination{PageDestination::File, QStringLiteral("/home/tecnico/Documenti/Scala.pdf")};
            checks << r;
        }
        archive.keepAll(checks);
    }
    {
        ArchiveService service(QDir(data.path()).filePath(QStringLiteral("archivio.sqlite")));
        ArchiveWindow window(platform, [&service] { return &service; }, &w);
        window.show();
        auto *list = window.findChild<QTableView *>(QStringLiteral("lstProve"));
        if (!QTest::qWaitFor([list] { return list->model()->rowCount() == 6; }, 10000)) {
            std::fprintf(stderr, "the archive window listed nothing\n");
            return 1;
        }
        list->selectRow(0);
        shot(window, out + QStringLiteral("/archive%1.png").arg(suffix));
        // The selected sensor's history (Storia...).
        window.findChild<QPushButton *>(QStringLiteral("cmdStoria"))->click();
        QDialog *history = nullptr;
        QTest::qWaitFor([&] {
            history = window.findChild<QDialog *>(QStringLiteral("frmStoria"));
            auto *rows = history ? history->findChild<QTableView *>(QStringLiteral("lstStoria")) : nullptr;
            return rows && rows->model()->rowCount() == 4;
        }, 10000);
        if (!history) {
            std::fprintf(stderr, "the sensor's history did not open\n");
            return 1;
        }
        shot(*history, out + QStringLiteral("/history%1.png").arg(suffix));
    }
    return 0;
}
