#include "bench/PlainWindow.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
void describe(const QWidget &w, int depth, QString &out)
{
    const QRect g = w.geometry();
    QString text = w.property("text").toString();
    if (auto *box = qobject_cast<const QGroupBox *>(&w))
        text = box->title();
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    out += QStringLiteral("%1|%2|%3|%4 %5 %6 %7|%8|%9|%10|%11|%12\n")
               .arg(depth)
               .arg(QString::fromLatin1(w.metaObject()->className()), w.objectName())
               .arg(g.x())
               .arg(g.y())
               .arg(g.width())
               .arg(g.height())
               .arg(w.font().family())
               .arg(w.font().pointSizeF())
               .arg(w.font().weight())
               .arg(w.isHidden() ? 1 : 0)
               .arg(text);
    for (QObject *child : w.children())
        if (auto *cw = qobject_cast<QWidget *>(child); cw && !cw->isWindow()
            && !qobject_cast<const QComboBox *>(&w)) // a list makes its own parts
            describe(*cw, depth + 1, out);
}

QWidget *make(const QString &kind, QWidget *parent, const QString &text)
{
    if (kind.endsWith(QLatin1String("TextBox")) || kind == QLatin1String("QLineEdit"))
        return new QLineEdit(text, parent);
    if (kind == QLatin1String("QComboBox")) {
        auto *c = new QComboBox(parent);
        c->setEditable(true);
        c->addItem(text);
        return c;
    }
    if (kind == QLatin1String("QPushButton"))
        return new QPushButton(text, parent);
    if (kind == QLatin1String("QRadioButton"))
        return new QRadioButton(text, parent);
    if (kind.endsWith(QLatin1String("Panel")) || kind.endsWith(QLatin1String("PrintBox"))
        || kind == QLatin1String("QGroupBox"))
        return new QGroupBox(text, parent);
    if (kind.endsWith(QLatin1String("Label")) || kind.endsWith(QLatin1String("PictureBox")))
        return new QLabel(text, parent);
    return new QWidget(parent);
}
} // namespace

QString describeWidgets(const QWidget &window)
{
    QString out;
    for (QObject *child : window.children())
        if (auto *cw = qobject_cast<QWidget *>(child); cw && !cw->isWindow())
            describe(*cw, 1, out);
    return out;
}

PlainWindow::PlainWindow(const QString &descriptionFile)
{
    setFixedSize(528, 398);
    QFile f(descriptionFile);
    if (!f.open(QIODevice::ReadOnly))
        return;
    QList<QWidget *> parents{this};
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList p = line.split(QLatin1Char('|'));
        if (p.size() < 9)
            continue;
        const int depth = p[0].toInt();
        parents.resize(depth);
        const QStringList g = p[3].split(QLatin1Char(' '));
        QWidget *w = make(p[1], parents.last(), p.mid(8).join(QLatin1Char('|')));
        w->setHidden(p[7] == QLatin1String("1"));
        w->setGeometry(g[0].toInt(), g[1].toInt(), g[2].toInt(), g[3].toInt());
        QFont font(p[4]);
        font.setPointSizeF(p[5].toDouble());
        font.setWeight(QFont::Weight(p[6].toInt()));
        w->setFont(font);
        // The same pictures, from the same files.
        const QString &name = p[2];
        QString picture = name.startsWith(QLatin1String("imgSensore(")) ? QStringLiteral("sensore") + name.mid(11, 1)
            : name == QLatin1String("picLogo")                         ? QStringLiteral("dravino")
            : name == QLatin1String("Picture3")                        ? QStringLiteral("sensata")
                                                                       : QString();
        if (!picture.isEmpty())
            static_cast<QLabel *>(w)->setPixmap(QPixmap(QStringLiteral("%1/resources/%2.png").arg(QStringLiteral(DRAVINO_SOURCE_DIR), picture)));
        parents.append(w);
    }
}
