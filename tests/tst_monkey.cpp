// A seeded monkey over the whole window: typed and pasted text of any
// characters, Enter, arrows and page keys, clicks on every button, option
// and list entry of the panel in front, releases on the headings, prints to
// the recording surface; every message box and the code prompt answered.
// After every event the window's invariants are checked. A failure prints
// the seed and the event number, to replay with
//   DRAVINO_MONKEY_SEED=<seed> DRAVINO_MONKEY_EVENTS=<n> tst_monkey

#include "WindowFixture.h"
#include "ui/MainPanel.h"
#include "ui/Numbers.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGroupBox>
#include <random>

namespace {

constexpr double kPageWidth = 11906;
constexpr double kPageHeight = 16838;

// Types any characters, also those outside Latin-1.
void typeChars(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128 && c.unicode() >= 32)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

class Monkey
{
public:
    Monkey(Window &t, std::uint32_t seed) : m_t(t), m_rng(seed) {}

    QString lastEvent;

    QMap<QString, int> eventsOnPanel;

    void step()
    {
        QWidget *panel = frontPanel();
        ++eventsOnPanel[panel->objectName()];
        switch (pick(12)) {
        case 0:
        case 1: typeText(panel); break;
        case 2: pasteText(panel); break;
        case 3:
        case 4: pressKey(); break;
        case 5:
        case 6: clickButton(panel); break;
        case 7: chooseEntry(panel); break;
        case 8:
        case 9: releaseHeading(); break;
        case 10: focusField(panel); break;
        case 11: typeInList(panel); break;
        }
        m_t.platform.inputAnswer = randomText(8);
    }

    QWidget *frontPanel() const
    {
        for (const char *name : {"fraMain", "fraSecondary", "fraSensata"})
            if (auto *p = m_t.get(QString::fromLatin1(name)); p->isEnabled())
                return p;
        return nullptr;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    QString randomText(int maxLength)
    {
        static const QString alphabet = QStringLiteral("0123456789012345678901234567890123456789"
                                                       "-+,. abcxyzE€½\t");
        QString s;
        const int n = pick(maxLength + 1);
        for (int i = 0; i < n; ++i)
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
            if (w->isEnabled() && w->isVisible() && w->isEnabledTo(m_t.w.get()))
                out << w;
        return out;
    }

    QLineEdit *someField(QWidget *panel)
    {
        QList<QLineEdit *> fields;
        for (auto *e : usable<QLineEdit>(panel))
            if (!qobject_cast<QComboBox *>(e->parentWidget()) && !e->isReadOnly())
                fields << e;
        return fields.isEmpty() ? nullptr : fields.at(pick(fields.size()));
    }

    void focusField(QWidget *panel)
    {
        if (auto *f = someField(panel)) {
            lastEvent = QStringLiteral("click into ") + f->objectName();
            QTest::mouseClick(f, Qt::LeftButton, {}, f->rect().center());
        }
    }

    void typeText(QWidget *panel)
    {
        if (auto *f = someField(panel)) {
            const QString text = randomText(6);
            lastEvent = QStringLiteral("type '%1' into %2").arg(text, f->objectName());
            QTest::mouseClick(f, Qt::LeftButton, {}, f->rect().center());
            typeChars(f, text);
        }
    }

    void pasteText(QWidget *panel)
    {
        if (auto *f = someField(panel)) {
            const QString text = randomText(12);
            lastEvent = QStringLiteral("paste '%1' into %2").arg(text, f->objectName());
            QApplication::clipboard()->setText(text);
            f->setFocus(Qt::TabFocusReason);
            QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier);
        }
    }

    void pressKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Up,       Qt::Key_Down,
                                       Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Tab,    Qt::Key_Backspace,
                                       Qt::Key_Delete, Qt::Key_Home,     Qt::Key_End,    Qt::Key_Left,
                                       Qt::Key_Escape, Qt::Key_Space,    Qt::Key_V};
        const Qt::Key key = keys[pick(std::size(keys))];
        const auto mods = key == Qt::Key_V ? Qt::ControlModifier : Qt::NoModifier;
        QWidget *target = QApplication::focusWidget();
        if (!target)
            return;
        lastEvent = QStringLiteral("key %1 in %2").arg(int(key)).arg(target->objectName());
        QTest::keyClick(target, key, mods);
    }

    void clickButton(QWidget *panel)
    {
        const auto buttons = usable<QAbstractButton>(panel);
        if (buttons.isEmpty())
            return;
        auto *b = buttons.at(pick(buttons.size()));
        lastEvent = QStringLiteral("click ") + b->objectName();
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    }

    void chooseEntry(QWidget *panel)
    {
        const auto lists = usable<QComboBox>(panel);
        if (lists.isEmpty())
            return;
        auto *list = lists.at(pick(lists.size()));
        const int entry = pick(list->count());
        lastEvent = QStringLiteral("choose %1 in %2").arg(entry).arg(list->objectName());
        list->setCurrentIndex(entry);
        emit list->activated(entry);
    }

    void typeInList(QWidget *panel)
    {
        const auto lists = usable<QComboBox>(panel);
        if (lists.isEmpty())
            return;
        auto *list = lists.at(pick(lists.size()));
        const QString text = randomText(5);
        lastEvent = QStringLiteral("type '%1' into the list %2").arg(text, list->objectName());
        list->lineEdit()->setFocus(Qt::MouseFocusReason);
        typeChars(list->lineEdit(), text);
    }

    void releaseHeading()
    {
        // Headings count only on the main panel, as only there they can be clicked.
        if (frontPanel() != m_t.get(QStringLiteral("fraMain")))
            return;
        const int index = pick(3) == 0 ? pick(8) : (pick(2) ? 2 : 4);
        auto *label = m_t.get(QStringLiteral("lblLabel(%1)").arg(index));
        if (!label->isVisible() || !label->isEnabledTo(m_t.w.get()))
            return;
        const auto button = pick(4) == 0 ? Qt::RightButton : Qt::LeftButton;
        lastEvent = QStringLiteral("release on lblLabel(%1)").arg(index);
        QTest::mousePress(label, button);
        QTest::mouseRelease(label, button);
    }

    Window &m_t;
    std::mt19937 m_rng;
};

QString brokenInvariant(const Window &t, const Monkey &monkey)
{
    QWidget *panels[] = {t.get(QStringLiteral("fraMain")), t.get(QStringLiteral("fraSecondary")),
                         t.get(QStringLiteral("fraSensata"))};
    int enabled = 0;
    QWidget *front = nullptr;
    for (auto *p : panels)
        if (p->isEnabled()) {
            ++enabled;
            front = p;
        }
    if (enabled != 1)
        return QStringLiteral("%1 panels enabled").arg(enabled);
    // The last of the window's children is drawn on top.
    QWidget *top = nullptr;
    for (auto *child : t.w->children())
        if (std::find(std::begin(panels), std::end(panels), child) != std::end(panels))
            top = static_cast<QWidget *>(child);
    if (top != front || monkey.frontPanel() != front)
        return QStringLiteral("the enabled panel is not in front");
    const int direction = t.w->mainPanel().calcDirection();
    if (direction != 0 && direction != 1)
        return QStringLiteral("calcDirection %1").arg(direction);
    for (auto *f : t.w->findChildren<dravino::TextBox *>()) {
        if (f->maxChars() == 0 || f->text().size() <= f->maxChars())
            continue;
        // Only the program's own results may be longer: whole numbers.
        if (!dravino::readInt32(f->text()).ok() || f->text().size() > 11)
            return QStringLiteral("%1 holds '%2'").arg(f->objectName(), f->text());
    }
    for (const auto &doc : t.platform.documents)
        for (const auto &item : doc) {
            if (item.document != 0)
                return QStringLiteral("a second document on one surface");
            const bool onPage = item.x >= 0 && item.x < kPageWidth && item.y >= 0 && item.y < kPageHeight
                && item.x2 >= 0 && item.x2 < kPageWidth && item.y2 >= 0 && item.y2 < kPageHeight;
            if (!onPage)
                return QStringLiteral("'%1' at %2, %3 is off the page").arg(item.text).arg(item.x).arg(item.y);
        }
    return {};
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void randomEventsKeepTheInvariants();
};

void TestMonkey::randomEventsKeepTheInvariants()
{
    const std::uint32_t seed = qEnvironmentVariableIsSet("DRAVINO_MONKEY_SEED")
        ? qEnvironmentVariableIntValue("DRAVINO_MONKEY_SEED")
        : 20261206u;
    const int events = qEnvironmentVariableIsSet("DRAVINO_MONKEY_EVENTS")
        ? qEnvironmentVariableIntValue("DRAVINO_MONKEY_EVENTS")
        : 100000;
    Window t;
    Monkey monkey(t, seed);
    int documents = 0, messages = 0;
    for (int i = 0; i < events; ++i) {
        monkey.step();
        const QString broken = brokenInvariant(t, monkey);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                 .arg(seed).arg(i).arg(monkey.lastEvent, broken)));
        documents += int(t.platform.documents.size());
        messages += int(t.platform.messages.size());
        t.platform.documents.clear();
        t.platform.messages.clear();
    }
    qInfo("seed %u: %d events (main %d, scale %d, Sensata %d), %d documents printed, %d messages answered",
          seed, events, monkey.eventsOnPanel.value(QStringLiteral("fraMain")),
          monkey.eventsOnPanel.value(QStringLiteral("fraSecondary")),
          monkey.eventsOnPanel.value(QStringLiteral("fraSensata")), documents, messages);
    QVERIFY(monkey.eventsOnPanel.size() == 3);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
