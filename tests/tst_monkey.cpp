// A seeded monkey over the whole window: text of any characters typed and
// pasted into every field and list, Enter, arrows, page keys and the rest,
// clicks on every button and option of the panel in front, list entries
// chosen, releases on the headings, prints to the recording surface; every
// message box and the code prompt answered. After every event the window's
// invariants are checked (one: a printed sheet's verdict is the one its own
// printed readings give when computed again); a failure names the seed and
// the event, to replay
// with DRAVINO_MONKEY_SEEDS=<seed> DRAVINO_MONKEY_EVENTS=<n> tst_monkey
// (make monkey SEEDS=... EVENTS=...). By default 20 seeds of 10,000 events.

#include "WindowFixture.h"
#include "core/CheckRule.h"

#include <cmath>
#include "core/ScaleCheckModel.h"
#include "print/ScaleSheet.h"
#include "ui/Numbers.h"

#include <QAbstractButton>

#include <random>

namespace {

constexpr double kPageWidth = 11906;
constexpr double kPageHeight = 16838;
const QStringList kPanels{"fraMain", "fraSecondary", "fraSensata"};

class Monkey
{
public:
    Monkey(Window &t, std::uint32_t seed) : m_t(t), m_rng(seed) {}

    QString lastEvent;
    QMap<QString, int> eventsOnPanel;

    QWidget *frontPanel() const
    {
        for (const QString &name : kPanels)
            if (auto *p = m_t.get(name); p->isEnabled())
                return p;
        return nullptr;
    }

    void step()
    {
        QWidget *panel = frontPanel();
        ++eventsOnPanel[panel->objectName()];
        m_t.platform.inputAnswer = randomText(8);
        const int kind = pick(12);
        if (kind < 5) { // type or paste into a field or a list's edit field
            QList<QLineEdit *> fields;
            for (auto *e : usable<QLineEdit>(panel))
                if (!e->isReadOnly())
                    fields << e;
            auto *f = fields.at(pick(fields.size()));
            QString text = randomText(kind == 4 ? 12 : 6);
            // Now and then what a bench would give, so that checks compute.
            const int row = f->objectName().section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0).toInt();
            if (f->objectName().startsWith(QLatin1String("txtADCValue")) && pick(2) == 0)
                text = QString::number(row == 0 ? 90 + pick(20) : 150 + pick(450));
            else if (f->objectName().startsWith(QLatin1String("txtBarScala")) && pick(2) == 0)
                text = QString::number(row == 0 ? 0 : 400 * row + pick(100));
            lastEvent = QStringLiteral("%1 '%2' into %3").arg(kind == 4 ? "paste" : "type", text, f->parentWidget()->objectName() + QLatin1Char('/') + f->objectName());
            if (kind == 4) {
                QApplication::clipboard()->setText(text);
                f->setFocus(Qt::TabFocusReason);
                QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier);
            } else {
                QTest::mouseClick(f, Qt::LeftButton, {}, f->rect().center());
                for (QChar c : text)
                    QTest::sendKeyEvent(QTest::Click, f, c.isDigit() ? Qt::Key(c.unicode()) : Qt::Key_unknown,
                                        QString(c), Qt::NoModifier);
            }
        } else if (kind < 7) { // a key on the focused control
            static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                                           Qt::Key_PageDown, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_Delete,
                                           Qt::Key_Home, Qt::Key_Escape, Qt::Key_Space, Qt::Key_V};
            const Qt::Key key = keys[pick(std::size(keys))];
            if (QWidget *target = QApplication::focusWidget()) {
                lastEvent = QStringLiteral("key %1 in %2").arg(int(key)).arg(target->objectName());
                QTest::keyClick(target, key, key == Qt::Key_V ? Qt::ControlModifier : Qt::NoModifier);
            }
        } else if (kind < 9) { // a button or an option
            const auto buttons = usable<QAbstractButton>(panel);
            auto *b = buttons.at(pick(buttons.size()));
            lastEvent = QStringLiteral("click ") + b->objectName();
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
        } else if (kind < 10) { // a list entry, also the current one
            const auto lists = usable<QComboBox>(panel);
            if (lists.isEmpty())
                return;
            auto *list = lists.at(pick(lists.size()));
            const int entry = pick(list->count());
            lastEvent = QStringLiteral("choose %1 in %2").arg(entry).arg(list->objectName());
            list->setCurrentIndex(entry);
            emit list->activated(entry);
        } else if (panel == m_t.get(QStringLiteral("fraMain"))) { // a release on a heading
            const int index = pick(3) == 0 ? pick(8) : (pick(2) ? 2 : 4);
            auto *label = m_t.get(QStringLiteral("lblLabel(%1)").arg(index));
            const auto button = pick(4) == 0 ? Qt::RightButton : Qt::LeftButton;
            // Now and then a pause longer than a double click's.
            const ulong pause = pick(4) == 0 ? 1000 : 0;
            lastEvent = QStringLiteral("release on lblLabel(%1) after %2 ms").arg(index).arg(pause);
            m_t.letPass(pause);
            m_t.pressOn(label, button);
            m_t.releaseOn(label, button);
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    QString randomText(int maxLength)
    {
        static const QString alphabet = QStringLiteral("01234567890123456789012345678901234567-+,. abxE€½\t");
        QString s;
        for (int i = pick(maxLength + 1); i > 0; --i)
            s += alphabet.at(pick(alphabet.size()));
        if (pick(50) == 0)
            s += QString(pick(40) + 1, QLatin1Char('9'));
        return s;
    }

    template <typename T>
    QList<T *> usable(QWidget *panel) const
    {
        QList<T *> out;
        for (auto *w : panel->findChildren<T *>())
            if (w->isVisible() && w->isEnabledTo(m_t.w.get()))
                out << w;
        return out;
    }

    Window &m_t;
    std::mt19937 m_rng;
};

// A scale sheet that gives a verdict gives the one its printed readings,
// average and settings give when computed again; empty when it holds.
QString verdictBroken(const QList<dravino::RecordedItem> &doc)
{
    using namespace dravino;
    const auto starting = [&doc](const QString &text) {
        return std::find_if(doc.begin(), doc.end(), [&](const RecordedItem &i) { return i.text.startsWith(text); });
    };
    const auto said = starting(QStringLiteral("Esito della prova: "));
    const auto code = starting(QStringLiteral("Sensore: "));
    if (said == doc.end() || code == doc.end())
        return {};
    // The grid: pressures and readings, the first two columns, a row a line.
    std::map<double, std::array<std::string, 2>> rows;
    for (auto i = doc.begin(); i != code; ++i)
        if (i->font.pointSizeF() == 12 && !i->font.bold() && i->x < scalesheet::kCellRight[1])
            rows[i->y][i->x < scalesheet::kCellRight[0] ? 0 : 1] = i->text.toStdString();
    if (rows.size() != kScaleRows)
        return QStringLiteral("a sheet with a verdict and %1 rows of readings").arg(rows.size());
    ScaleCheckModel check;
    int row = 0;
    for (const auto &[y, cells] : rows) {
        check.setBar(row, cells[0]);
        check.setAdc(row++, cells[1]);
    }
    const auto average = starting(QStringLiteral("Valore medio della scala:  ")) + 1;
    check.setAverage(average->text.toStdString());
    const auto settings = starting(QStringLiteral("Sensore Bosch/VDO/Delphi · ")) != doc.end()
        ? starting(QStringLiteral("Sensore Bosch/VDO/Delphi · ")) : starting(QStringLiteral("Sensore Denso · "));
    const auto nominal = starting(QStringLiteral("Fondo scala nominale "));
    if (settings == doc.end() || nominal == doc.end())
        return QStringLiteral("a verdict without its settings or nominal full scale");
    check.setSettings({settings->text.contains(QLatin1String("ADC a 12 bit")), settings->text.startsWith(QLatin1String("Sensore Denso")),
                       settings->text.contains(QLatin1String("media automatica")),
                       nominal->text.section(QLatin1Char(' '), 3, 3).toInt()});
    check.compute(localeDecimalSeparator());
    // Judged by the rule the sheet names.
    const auto rule = starting(QStringLiteral("Regola di decisione (versione "));
    if (rule == doc.end())
        return QStringLiteral("a verdict without its rule");
    const Judgement again = judge(check, rule->text.mid(30, 1) == QLatin1String("1") ? firstRule() : todaysRule());
    const QString expected = again.outcome == Judgement::NoVerdict ? QStringLiteral("no verdict")
        : again.passes()                                            ? QStringLiteral("CONFORME")
                                                                    : QStringLiteral("NON CONFORME");
    if (said->text.mid(19) != expected)
        return QStringLiteral("the sheet says '%1', its readings give %2").arg(said->text, expected);
    // The chart's band and marks are the same rule's: the band around the
    // average by its window, a cross for each row that failed, a square
    // for each that passed.
    if (starting(QStringLiteral("Tensione (mV)")) == doc.end())
        return {}; // (no room left for the chart)
    const QString band = QStringLiteral("fascia della media %1 bar ±%2 bar").arg(qRound64(*again.average)).arg(again.tolerance);
    const bool banded = again.tolerance > 0 && qRound64(*again.average) - again.tolerance > 0;
    if ((starting(band) != doc.end()) != banded)
        return QStringLiteral("the chart %1 '%2'").arg(banded ? "has no" : "has").arg(band);
    int crossLines = 0, squareLines = 0, failing = 0, passing = 0;
    for (const RecordedItem &i : doc)
        if (i.kind == RecordedItem::Line && std::hypot(i.x2 - i.x, i.y2 - i.y) < 300) {
            crossLines += i.color == verdictColor(Verdict::Red);
            squareLines += i.color == verdictColor(Verdict::Green);
        }
    for (const RowJudgement &r : again.rows) {
        failing += (r.state == RowJudgement::Computed && !r.passes()) || r.state == RowJudgement::Skipped;
        passing += r.passes();
    }
    if (crossLines != 2 * failing || squareLines != 4 * passing)
        return QStringLiteral("the chart marks %1 crosses and %2 squares, its rule %3 and %4")
            .arg(crossLines / 2.0).arg(squareLines / 4.0).arg(failing).arg(passing);
    return {};
}

QString brokenInvariant(const Window &t, const Monkey &monkey)
{
    // Exactly one panel enabled and shown, and it is the one on top.
    if (const QString front = t.front(); front != monkey.frontPanel()->objectName())
        return front;
    // Typing and pasting keep a field within its length; only the program's
    // own results, whole numbers, may be longer.
    for (auto *f : t.w->findChildren<dravino::TextBox *>())
        if (f->maxChars() > 0 && f->text().size() > f->maxChars()
            && (!dravino::readInt32(f->text()).ok() || f->text().size() > 11))
            return QStringLiteral("%1 holds '%2'").arg(f->objectName(), f->text());
    for (const auto &doc : t.platform.documents) {
        for (const auto &i : doc)
            if (i.document != 0 || i.x < 0 || i.x >= kPageWidth || i.y < 0 || i.y >= kPageHeight
                || i.x2 < 0 || i.x2 >= kPageWidth || i.y2 < 0 || i.y2 >= kPageHeight)
                return QStringLiteral("'%1' at %2, %3 is off the page").arg(i.text).arg(i.x).arg(i.y);
        if (const QString broken = verdictBroken(doc); !broken.isEmpty())
            return broken;
    }
    return {};
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void randomEventsKeepTheInvariants_data();
    void randomEventsKeepTheInvariants();
};

void TestMonkey::randomEventsKeepTheInvariants_data()
{
    QTest::addColumn<uint>("seed");
    QStringList seeds = qEnvironmentVariable("DRAVINO_MONKEY_SEEDS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (seeds.isEmpty())
        for (int i = 1; i <= 20; ++i)
            seeds << QString::number(i);
    for (const QString &seed : seeds)
        QTest::newRow(qPrintable(QStringLiteral("seed ") + seed)) << seed.trimmed().toUInt();
}

void TestMonkey::randomEventsKeepTheInvariants()
{
    QFETCH(uint, seed);
    const int events = qEnvironmentVariableIsSet("DRAVINO_MONKEY_EVENTS")
        ? qEnvironmentVariableIntValue("DRAVINO_MONKEY_EVENTS") : 10000;
    Window t;
    Monkey monkey(t, seed);
    int documents = 0, messages = 0, verdicts = 0, calibrations = 0;
    for (int i = 0; i < events; ++i) {
        monkey.step();
        // The calibration is a window of its own, with dialogs of its own:
        // the monkey stays with the main window and shuts it as it opens.
        if (auto *calibration = t.w->findChild<QWidget *>(QStringLiteral("frmTaratura")); calibration && calibration->isVisible()) {
            ++calibrations;
            if (!calibration->close())
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2: the untouched calibration window would not close").arg(seed).arg(i)));
        }
        // A page's outcome comes later, as from a real print job.
        if (t.platform.pending > 0 && !QTest::qWaitFor([&] { return t.platform.pending == 0; }))
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: a page's outcome never came").arg(seed).arg(i)));
        const QString broken = brokenInvariant(t, monkey);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4; replay with DRAVINO_MONKEY_SEEDS=%1 "
                                            "DRAVINO_MONKEY_EVENTS=%5").arg(seed).arg(i).arg(monkey.lastEvent, broken).arg(i + 1)));
        documents += int(t.platform.documents.size());
        for (const auto &doc : t.platform.documents)
            verdicts += int(std::count_if(doc.begin(), doc.end(), [](const auto &i) { return i.text.startsWith(QLatin1String("Esito della prova: ")); }));
        messages += int(t.platform.messages.size());
        t.platform.documents.clear();
        t.platform.messages.clear();
    }
    qInfo("seed %u: %d events (main %d, scale %d, Sensata %d), %d documents printed (%d with a verdict), %d messages answered, the calibration opened %d times",
          seed, events, monkey.eventsOnPanel.value(kPanels[0]), monkey.eventsOnPanel.value(kPanels[1]),
          monkey.eventsOnPanel.value(kPanels[2]), documents, verdicts, messages, calibrations);
    QCOMPARE(monkey.eventsOnPanel.size(), 3);
}

int main(int argc, char *argv[])
{
    // QtTest's own limit covers the whole function, every seed together:
    // CTest's limit on the run stands instead.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    QApplication app(argc, argv);
    TestMonkey tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_monkey.moc"
