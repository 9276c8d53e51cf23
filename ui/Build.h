#pragma once
// Helpers that create a control at its design place (twips), with its name,
// text, font and alignment, so each panel reads like its layout table.

#include "ui/Controls.h"
#include "ui/Look.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace dravino {

struct Twips {
    int left, top, width, height;
};

// "name(i)" for an element of a control array.
QString elementName(const char *name, int index);

inline QFont arial(double pt, bool bold = false) { return designFont(QStringLiteral("Arial"), pt, bold); }
inline QFont calibri(double pt, bool bold = false) { return designFont(QStringLiteral("Calibri"), pt, bold); }
inline QFont arialBlack(double pt) { return designFont(QStringLiteral("Arial Black"), pt); }

template <typename W>
W *named(W *w, const QString &name, const Twips &at)
{
    w->setObjectName(name);
    place(w, at.left, at.top, at.width, at.height);
    return w;
}

TextBox *makeTextBox(QWidget *parent, const QString &name, const Twips &at, const QString &text,
                     const QFont &font, int maxChars, Qt::Alignment align = Qt::AlignCenter);
Label *makeLabel(QWidget *parent, const QString &name, const Twips &at, const QString &text,
                 const QFont &font, Qt::Alignment align = Qt::AlignCenter);
QPushButton *makeButton(QWidget *parent, const QString &name, const Twips &at, const QString &text,
                        const QFont &font);
QRadioButton *makeOption(QWidget *parent, const QString &name, const Twips &at, const QString &text,
                         const QFont &font);
QGroupBox *makeFrame(QWidget *parent, const QString &name, const Twips &at, const QString &title,
                     const QFont &font);
QComboBox *makeList(QWidget *parent, const QString &name, const Twips &at, const QFont &font);

// A screen reader names an input after the caption of its heading, or by
// the given name where the caption alone says too little ("a", "step").
void nameAfter(QWidget *input, QLabel *heading, const QString &name = {});

// Chains the focus order by the design's tab indexes.
void setTabOrder(std::vector<std::pair<int, QWidget *>> order);

} // namespace dravino
