#include "ui/Build.h"

#include <algorithm>

namespace dravino {

QString elementName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(index);
}

TextBox *makeTextBox(QWidget *parent, const QString &name, const Twips &at, const QString &text,
                     const QFont &font, int maxChars, Qt::Alignment align)
{
    auto *w = named(new TextBox(parent), name, at);
    w->setFont(font);
    w->setAlignment(align);
    w->setMaxChars(maxChars);
    w->setText(text);
    return w;
}

Label *makeLabel(QWidget *parent, const QString &name, const Twips &at, const QString &text,
                 const QFont &font, Qt::Alignment align)
{
    auto *w = named(new Label(parent), name, at);
    w->setFont(font);
    w->setAlignment(align | Qt::AlignTop);
    w->setText(text);
    w->setTextFormat(Qt::PlainText);
    return w;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const Twips &at, const QString &text,
                        const QFont &font)
{
    auto *w = named(new QPushButton(text, parent), name, at);
    w->setFont(font);
    w->setAutoDefault(false);
    return w;
}

QRadioButton *makeOption(QWidget *parent, const QString &name, const Twips &at, const QString &text,
                         const QFont &font)
{
    auto *w = named(new QRadioButton(text, parent), name, at);
    w->setFont(font);
    w->setAccessibleName(text);
    return w;
}

QGroupBox *makeFrame(QWidget *parent, const QString &name, const Twips &at, const QString &title,
                     const QFont &font)
{
    auto *w = named(new QGroupBox(title, parent), name, at);
    w->setFont(font);
    return w;
}

QComboBox *makeList(QWidget *parent, const QString &name, const Twips &at, const QFont &font)
{
    auto *w = named(new QComboBox(parent), name, at);
    w->setFont(font);
    w->setEditable(true);
    w->setInsertPolicy(QComboBox::NoInsert);
    return w;
}

void nameAfter(QWidget *input, QLabel *heading, const QString &name)
{
    input->setAccessibleName(name.isEmpty() ? heading->text() : name);
    // On Linux a list is announced by its label relation.
    heading->setBuddy(input);
}

void setTabOrder(std::vector<std::pair<int, QWidget *>> order)
{
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

} // namespace dravino
