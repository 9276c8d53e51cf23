#pragma once
// The real window with test services, and a small script language for
// driving it and checking it, so that each case is one data row.
//
// Actions, separated by ';':
//   NAME          click the control (a label or picture: press and release
//                 1 ms apart on the fixture's clock)
//   ~MS           let MS milliseconds pass on that clock (a double click
//                 is two releases within the desktop's interval)
//   ~meter        wait for the bench meter's answer
//   right:NAME    the same with the right button
//   NAME<TEXT     enter the field as Tab does (text selected) and type TEXT
//   NAME=TEXT     replace the field's text by pasting it, as a user does
//                 (focus, select all, Shift+Insert)
//   NAME#N        choose list entry N, as a user does (also the current one)
//   open:NAME     open the list's popup
//   !KEY          a key on the focused control: Return Enter (keypad) Up
//                 Down PageUp PageDown Tab Backtab Backspace Space Escape
//                 F2 F3 F4 F7 F8 F9 shiftF9; !ctrla selects all; !ctrlc copies; !type:TEXT types
//                 into the focused control; !paste:TEXT pastes with Shift+Insert, !ctrlv:TEXT
//                 with Ctrl+V, !menupaste:TEXT with the context menu's Paste
//   @shellfails  @printerfails  @answer:TEXT  @cancel (the code prompt's
//                 Annulla)   how the services answer
// Checks, separated by ';':
//   NAME=TEXT     the control's text     NAME?=TEXT  its tooltip
//   NAME*=#rrggbb its text colour (a focus frame: its border)
//   NAME^=1|0     bold or not            NAME%=1|0   enabled or not
//   NAME[=TEXT    its selected text
//   NAME(*)...    the same for elements 0..5, joined by commas
//   focus=NAME  dir=N  zero=N  opened=TARGET,...  clip=TEXT (clipboard)
//   popup=1|0     a list's popup is open
//   front=PANEL   the panel a user sees: on top in the middle of the window,
//                 the only one enabled and the only one shown
//   msgs=TITLE|I/E/C|TEXT&&...  (every message box, in order)
//   rows=TEXT,TEXT,...  (the rows of the one value table printed)
//   verdict=TEXT  the last sheet printed: its "Esito della prova: ..." line,
//                 "senza esito" where it says it has none, "none", "no page"
// An unknown control, key or action, or a context menu without its Paste,
// fails the row (errors()).

#include "FakePlatform.h"
#include "ui/Look.h"
#include "ui/Language.h"
#include "ui/MainPanel.h"
#include "ui/frmDravino.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

struct Window {
    FakePlatform platform;
    std::unique_ptr<frmDravino> w;

    // prepare: the services set up before the window is made.
    explicit Window(const std::function<void(FakePlatform &)> &prepare = {}) : w(makeWindow(platform, prepare))
    {
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get()))
            qWarning("window did not become active");
        if (!QTest::qWaitFor([this] { return w->printerNamed(); }))
            qWarning("the print buttons did not name the printer");
    }

    // The window in the language a suite set with dravino::applyLanguage;
    // Italian, with Qt's own Italian texts, unless a suite chose otherwise.
    static std::unique_ptr<frmDravino> makeWindow(FakePlatform &platform, const std::function<void(FakePlatform &)> &prepare = {})
    {
        if (prepare)
            prepare(platform);
        static const bool chosen = [] {
            if (QLocale().language() != QLocale::English)
                dravino::applyLanguage(dravino::Language::Italian);
            // The archive of scale checks and the settings go to folders
            // of the test's own, never into the user's.
            static QTemporaryDir data, config;
            qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
            if (!qEnvironmentVariable("XDG_CONFIG_HOME").startsWith(QDir::tempPath()))
                qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
            return true;
        }();
        Q_UNUSED(chosen);
        return std::make_unique<frmDravino>(platform);
    }

    // The control; a missing one ends the run, named.
    template <typename T = QWidget>
    T *get(const QString &name) const
    {
        T *c = w->findChild<T *>(name);
        if (!c)
            qFatal("no control %s of that kind", qPrintable(name));
        return c;
    }
    // What in the script could not be done.
    const QStringList &errors() const { return m_errors; }
    // A field, or the edit field of a list.
    QLineEdit *edit(const QString &name) const
    {
        if (auto *combo = qobject_cast<QComboBox *>(get(name)))
            return combo->lineEdit();
        return get<QLineEdit>(name);
    }
    // A control's text: a list's edit field, a frame's title.
    QString text(const QString &name) const
    {
        QWidget *c = get(name);
        if (auto *combo = qobject_cast<QComboBox *>(c))
            return combo->currentText();
        return c->property(qobject_cast<QGroupBox *>(c) ? "title" : "text").toString();
    }
    // Mouse press and release on a label or picture box, stamped with the
    // fixture's clock (QTest puts its clicks a double-click interval apart).
    void pressOn(QWidget *c, Qt::MouseButton b = Qt::LeftButton) { mouse(c, QEvent::MouseButtonPress, b); }
    void releaseOn(QWidget *c, Qt::MouseButton b = Qt::LeftButton) { mouse(c, QEvent::MouseButtonRelease, b); }
    void letPass(ulong ms) { m_clock += ms; }

    // A key on the focused control; on the window where none has the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : w.get(), k, mods);
    }

    // Each action, and the pages it sent on their way told.
    void run(const QString &actions)
    {
        for (const QString &a : actions.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            act(a);
            if (!QTest::qWaitFor([this] { return platform.pending == 0 && !w->preparingPage(); }, 60000))
                fail(QStringLiteral("%1: the page's outcome never came").arg(a));
        }
    }

    // The checks that fail, described; empty when all hold.
    QStringList check(const QString &checks) const
    {
        QStringList wrong;
        for (const QString &c : checks.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const int eq = c.indexOf(QLatin1Char('='));
            const QString lhs = c.left(eq), want = c.mid(eq + 1);
            const QString got = actual(lhs);
            if (got != want)
                wrong << QStringLiteral("%1: '%2', expected '%3'").arg(lhs, got, want);
        }
        return wrong;
    }

    QString front() const
    {
        // What is on top in the middle of the window, walked up to its panel.
        const QStringList panels{"fraMain", "fraSecondary", "fraSensata"};
        QWidget *hit = w->childAt(w->rect().center());
        while (hit && !panels.contains(hit->objectName()))
            hit = hit->parentWidget();
        QStringList enabled, shown;
        for (const QString &p : panels) {
            if (get(p)->isEnabled())
                enabled << p;
            if (get(p)->isVisible())
                shown << p;
        }
        const QString top = hit ? hit->objectName() : QStringLiteral("nothing");
        if (enabled == QStringList{top} && shown == QStringList{top})
            return top;
        return QStringLiteral("%1 on top; enabled %2; shown %3").arg(top, enabled.join(QLatin1Char(',')), shown.join(QLatin1Char(',')));
    }

private:
    void act(const QString &a)
    {
        if (a == QLatin1String("@shellfails")) {
            platform.shellResult = dravino::kShellNoAssociation;
        } else if (a == QLatin1String("@printerfails")) {
            platform.printerFails = true;
        } else if (a.startsWith(QLatin1String("@answer:"))) {
            platform.inputAnswer = a.mid(8);
            platform.inputCancelled = false;
        } else if (a == QLatin1String("@cancel")) {
            platform.inputCancelled = true;
        } else if (a.startsWith(QLatin1Char('!'))) {
            press(a.mid(1));
        } else if (a.startsWith(QLatin1Char('@'))) {
            fail(QStringLiteral("unknown service answer %1").arg(a));
        } else if (a.startsWith(QLatin1String("open:"))) {
            get<QComboBox>(a.mid(5))->showPopup();
        } else if (a == QLatin1String("~meter")) {
            if (!QTest::qWaitFor([this] { return !w->readingMeter(); }, 15000))
                fail(QStringLiteral("the meter's answer never came"));
        } else if (a.startsWith(QLatin1Char('~'))) {
            letPass(a.mid(1).toULong());
        } else if (const int lt = a.indexOf(QLatin1Char('<')); lt > 0) {
            auto *e = edit(a.left(lt));
            e->setFocus(Qt::TabFocusReason);
            e->selectAll(); // also when the field had the focus already
            QTest::keyClicks(e, a.mid(lt + 1));
        } else if (const int eq = a.indexOf(QLatin1Char('=')); eq > 0) {
            auto *e = edit(a.left(eq));
            e->setFocus(Qt::TabFocusReason);
            e->selectAll();
            QApplication::clipboard()->setText(a.mid(eq + 1));
            QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier);
            if (e->text() != a.mid(eq + 1))
                fail(QStringLiteral("%1: the paste left '%2'").arg(a, e->text()));
        } else if (const int hash = a.indexOf(QLatin1Char('#')); hash > 0) {
            auto *combo = get<QComboBox>(a.left(hash));
            const int entry = a.mid(hash + 1).toInt();
            combo->setCurrentIndex(entry);
            emit combo->activated(entry);
        } else {
            const bool right = a.startsWith(QLatin1String("right:"));
            QWidget *c = get(right ? a.mid(6) : a);
            const auto button = right ? Qt::RightButton : Qt::LeftButton;
            if (qobject_cast<dravino::ClickableLabel *>(c)) {
                pressOn(c, button);
                releaseOn(c, button);
            } else {
                QTest::mouseClick(c, button, {}, c->rect().center());
            }
        }
    }

    // A key of the script on the focused control, or text typed or pasted there.
    void press(const QString &k)
    {
        const QString text = k.section(QLatin1Char(':'), 1);
        if (k.startsWith(QLatin1String("type:"))) {
            if (!QApplication::focusWidget())
                fail(QStringLiteral("!%1: no control has the focus").arg(k));
            else
                QTest::keyClicks(QApplication::focusWidget(), text);
            return;
        }
        if (k.contains(QLatin1Char(':')) || k == QLatin1String("ctrlc"))
            QApplication::clipboard()->setText(text); // (empty: Ctrl+C must fill it)
        if (k.startsWith(QLatin1String("menupaste:"))) {
            auto *e = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            std::unique_ptr<QMenu> menu(e ? e->createStandardContextMenu() : nullptr);
            for (QAction *action : menu ? menu->actions() : QList<QAction *>())
                if (action->text().startsWith(QLatin1String("&Incolla")) || action->text().startsWith(QLatin1String("&Paste")))
                    return action->trigger();
            return fail(QStringLiteral("!%1: no field with a context menu's Paste").arg(k));
        }
        static const QMap<QString, QKeyCombination> keys{
            {"Return", Qt::Key_Return}, {"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}, {"PageUp", Qt::Key_PageUp},
            {"PageDown", Qt::Key_PageDown}, {"Tab", Qt::Key_Tab}, {"Backtab", Qt::Key_Backtab}, {"Backspace", Qt::Key_Backspace},
            {"Space", Qt::Key_Space}, {"Escape", Qt::Key_Escape}, {"F2", Qt::Key_F2}, {"F3", Qt::Key_F3}, {"F4", Qt::Key_F4}, {"F7", Qt::Key_F7},
            {"F8", Qt::Key_F8}, {"F9", Qt::Key_F9}, {"Enter", Qt::KeypadModifier | Qt::Key_Enter},
            {"shiftF9", Qt::ShiftModifier | Qt::Key_F9}, {"shiftF7", Qt::ShiftModifier | Qt::Key_F7}, {"ctrla", Qt::ControlModifier | Qt::Key_A},
            {"ctrlc", Qt::ControlModifier | Qt::Key_C}, {"paste", Qt::ShiftModifier | Qt::Key_Insert},
            {"ctrlv", Qt::ControlModifier | Qt::Key_V}};
        const auto found = keys.constFind(k.section(QLatin1Char(':'), 0, 0));
        if (found == keys.constEnd())
            return fail(QStringLiteral("unknown key !%1").arg(k));
        key(found->key(), found->keyboardModifiers());
    }

    QString actual(const QString &lhs) const
    {
        if (const int star = lhs.indexOf(QLatin1String("(*)")); star > 0) {
            QStringList all;
            for (int i = 0; i < 6; ++i)
                all << actual(lhs.left(star) + QStringLiteral("(%1)").arg(i) + lhs.mid(star + 3));
            return all.join(QLatin1Char(','));
        }
        if (lhs == QLatin1String("focus"))
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        if (lhs == QLatin1String("dir"))
            return QString::number(int(w->mainPanel().calcDirection()));
        if (lhs == QLatin1String("zero"))
            return QString::number(w->mainPanel().zeroMvolt());
        if (lhs == QLatin1String("front"))
            return front();
        if (lhs == QLatin1String("popup"))
            return QApplication::activePopupWidget() ? QStringLiteral("1") : QStringLiteral("0");
        if (lhs == QLatin1String("clip"))
            return QApplication::clipboard()->text();
        if (lhs == QLatin1String("opened"))
            return platform.opened.join(QLatin1Char(','));
        if (lhs == QLatin1String("msgs")) {
            QStringList out;
            for (const auto &m : platform.messages)
                out << m.title + QLatin1Char('|') + QLatin1Char("IEC"[int(m.icon)]) + QLatin1Char('|') + m.text;
            return out.join(QLatin1String("&&"));
        }
        if (lhs == QLatin1String("rows"))
            return rows().join(QLatin1Char(','));
        if (lhs == QLatin1String("verdict"))
            return verdict();
        if (lhs.endsWith(QLatin1Char('?')))
            return get(lhs.chopped(1))->toolTip();
        if (lhs.endsWith(QLatin1Char('*'))) {
            QWidget *c = get(lhs.chopped(1));
            if (auto *frame = qobject_cast<dravino::RectShape *>(c))
                return frame->borderColor().name();
            return dravino::textColor(c).name();
        }
        if (lhs.endsWith(QLatin1Char('%')))
            return get(lhs.chopped(1))->isEnabled() ? QStringLiteral("1") : QStringLiteral("0");
        if (lhs.endsWith(QLatin1Char('[')))
            return edit(lhs.chopped(1))->selectedText();
        if (lhs.endsWith(QLatin1Char('^')))
            return dravino::isBold(get(lhs.chopped(1))) ? QStringLiteral("1") : QStringLiteral("0");
        return text(lhs);
    }

    void fail(const QString &what) const { m_errors << what; }

    void mouse(QWidget *c, QEvent::Type type, Qt::MouseButton b)
    {
        const QPointF at = c->rect().center();
        QMouseEvent e(type, at, c->mapToGlobal(at), b, type == QEvent::MouseButtonRelease ? Qt::NoButton : b, {},
                      QPointingDevice::primaryPointingDevice());
        e.setTimestamp(++m_clock);
        QApplication::sendEvent(c, &e);
    }

    ulong m_clock = 1000000;

    mutable QStringList m_errors;

    QString verdict() const
    {
        if (platform.documents.isEmpty())
            return QStringLiteral("no page");
        QString said = QStringLiteral("none");
        for (const auto &item : platform.documents.last()) {
            if (item.text.startsWith(QLatin1String("Esito della prova: ")))
                return item.text;
            if (item.text.startsWith(QLatin1String("Senza esito")))
                said = QStringLiteral("senza esito");
        }
        return said;
    }

    // Texts of the rows of the value tables printed (12 pt, not bold).
    QStringList rows() const
    {
        QStringList out;
        for (const auto &doc : platform.documents)
            for (const auto &item : doc)
                if (item.kind == dravino::RecordedItem::Text && item.font.pointSizeF() == 12 && !item.font.bold())
                    out << item.text;
        return out;
    }
};

// Runs answer on the next modal window of kind T, from inside its own
// event loop (a timer that looks for it, for 30 s). A modal the answer left
// open, because a check in it failed and returned early, is closed a few
// seconds later, so that the test goes on and reports it instead of
// waiting for ever.
template <typename T = QWidget>
void whenModal(std::function<void(T *)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, answer = std::move(answer)] {
        auto *modal = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!modal && clock->elapsed() < 30000)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (!modal)
            return;
        const QPointer<QWidget> open(modal);
        answer(modal);
        QTimer::singleShot(5000, [open] {
            if (open && open->isVisible())
                open->close();
        });
    });
    timer->start();
}

// A menu's entries as a user reads them (a key shown after a tab left out).
inline QStringList menuTexts(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        if (!a->isSeparator())
            out << a->text().section(QLatin1Char('\t'), 0, 0);
    return out;
}

// The columns of a scenario table, and a scenario row run: actions, then checks.
inline void scenarioColumns()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("checks");
}

#define RUN_SCENARIO()                                                                                       \
    do {                                                                                                     \
        QFETCH(QString, actions);                                                                            \
        QFETCH(QString, checks);                                                                             \
        Window t;                                                                                            \
        t.run(actions);                                                                                      \
        const QStringList wrong = t.check(checks) + t.errors();                                              \
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("\n   "))));                           \
    } while (false)
