#include "ui/archive/DateField.h"

#include "ui/Numbers.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace dravino {

DateField::DateField(const QDate &date, QWidget *parent) : QDateEdit(date, parent)
{
    lineEdit()->installEventFilter(this);
}

void DateField::keyPressEvent(QKeyEvent *e)
{
    const QString typed = e->text();
    const bool digit = typed.size() == 1 && typed.front().isDigit();
    const bool separator = typed.size() == 1 && !typed.front().isLetterOrNumber() && typed.front().isPrint();
    if (e->matches(QKeySequence::SelectAll)) {
        QDateEdit::keyPressEvent(e);
        entered();
        return;
    }
    if (digit && std::exchange(m_entered, false)) {
        setCurrentSectionIndex(0);
        setSelectedSection(currentSection());
        m_advanced = false;
        m_typed.clear();
    } else if (!digit && !separator && e->key() != Qt::Key_Shift) {
        m_entered = false;
        m_typed.clear();
    }
    if (digit || separator)
        m_typed += typed;
    if (separator && std::exchange(m_advanced, false))
        return;
    const auto before = currentSection();
    QDateEdit::keyPressEvent(e);
    m_advanced = digit && currentSection() != before;
    if (const QDate whole = wholeDate(m_typed); whole.isValid() && whole != date()) {
        setDate(whole);
        setCurrentSectionIndex(sectionCount() - 1);
    }
}

void DateField::focusInEvent(QFocusEvent *e)
{
    QDateEdit::focusInEvent(e);
    entered();
}

bool DateField::eventFilter(QObject *watched, QEvent *e)
{
    // A click lands on the field's own line edit.
    if (watched == lineEdit() && e->type() == QEvent::MouseButtonPress)
        entered();
    return QDateEdit::eventFilter(watched, e);
}

bool DateField::event(QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(e);
        const bool tab = key->key() == Qt::Key_Tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        const bool backtab = key->key() == Qt::Key_Backtab
            || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (tab || backtab) {
            QWidget::focusNextPrevChild(!backtab);
            return true;
        }
    }
    return QDateEdit::event(e);
}

void DateField::entered()
{
    m_entered = true;
    m_typed.clear();
}

QDate DateField::wholeDate(QString typed) const
{
    QString format = displayFormat();
    const QString separators = QString(format).remove(QRegularExpression(QStringLiteral("[dMy]")));
    if (separators.isEmpty())
        return {};
    if (typed.size() == 8 && typed.count(QRegularExpression(QStringLiteral("\\d"))) == 8) {
        format.remove(QRegularExpression(QStringLiteral("[^dMy]")));
        format.replace(QRegularExpression(QStringLiteral("d+")), QStringLiteral("dd"))
            .replace(QRegularExpression(QStringLiteral("M+")), QStringLiteral("MM"));
        return QDate::fromString(typed, format);
    }
    typed.replace(QRegularExpression(QStringLiteral("\\D")), QString(separators.front()));
    const QStringList parts = typed.split(separators.front());
    if (parts.size() != 3 || parts.last().size() != 4 || parts.contains(QString()))
        return {};
    return typedDate(typed);
}

} // namespace dravino
