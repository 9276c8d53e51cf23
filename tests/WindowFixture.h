#pragma once
// Shared helpers for the tests that drive the real window.

#include "FakePlatform.h"
#include "ui/Look.h"
#include "ui/frmDravino.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

struct Window {
    FakePlatform platform;
    std::unique_ptr<frmDravino> w;

    Window()
    {
        w = std::make_unique<frmDravino>(platform);
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get()))
            qWarning("window did not become active");
        if (!QTest::qWaitFor([this] { return w->printerNamed(); }))
            qWarning("the print buttons did not name the printer");
    }

    template <typename T = QWidget>
    T *get(const QString &name) const
    {
        auto *c = w->findChild<T *>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    QLineEdit *edit(const QString &name) const { return get<QLineEdit>(name); }
    QString text(const QString &name) const
    {
        if (auto *e = w->findChild<QLineEdit *>(name); e && !qobject_cast<QComboBox *>(e->parent()))
            return e->text();
        if (auto *l = w->findChild<QLabel *>(name))
            return l->text();
        return get<QComboBox>(name)->currentText();
    }
    // Gives the field the focus as Tab does: its text is selected, so
    // typing replaces it.
    void enter(const QString &name) const
    {
        auto *e = edit(name);
        e->setFocus(Qt::TabFocusReason);
        e->selectAll(); // also when the field had the focus already
        QCOMPARE_EQ(QApplication::focusWidget(), e);
    }
    void typeInto(const QString &name, const QString &keys) const
    {
        enter(name);
        QTest::keyClicks(QApplication::focusWidget(), keys);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        QTest::keyClick(QApplication::focusWidget(), k, mods);
    }
    void click(const QString &name) const
    {
        auto *c = get(name);
        QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
    }
    // Chooses a list entry as a user does, also the current one.
    void chooseEntry(const QString &name, int index) const
    {
        auto *combo = get<QComboBox>(name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    QStringList messageTexts() const
    {
        QStringList out;
        for (const auto &m : platform.messages)
            out << m.text;
        return out;
    }
};

inline QColor colorOf(const QWidget *w) { return dravino::textColor(w); }
