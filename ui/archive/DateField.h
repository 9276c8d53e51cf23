#pragma once
// A date field of the archive window's filter.

#include <QDateEdit>
#include <QString>

namespace dravino {

// A date field that Tab leaves, as every other field (Qt's own walks its
// day, month and year first); the arrows and a typed separator still move
// between them, so that "01/12/2026", "1/12/2026" or "01122026" can be
// typed whole: a separator right after a section that filled itself (and
// moved on) is the one typed, not a move past the next. However the field
// was entered (a click on any part of it, Tab, Ctrl+A), the first digit
// typed starts the date again from its first part; and a date typed whole
// is the date typed, also where Qt's field, section by section, would have
// cut its day to the month it showed meanwhile (31/10 typed over a date in
// February).
class DateField final : public QDateEdit
{
public:
    DateField(const QDate &date, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    bool event(QEvent *e) override;

private:
    void entered();
    // What was typed since the field was entered, as a whole date: the
    // sections with any separator, or eight digits in the field's order.
    QDate wholeDate(QString typed) const;

    bool m_advanced = false;
    bool m_entered = false; // the next digit starts the date from its first part
    QString m_typed;        // the digits and separators typed since
};

} // namespace dravino
