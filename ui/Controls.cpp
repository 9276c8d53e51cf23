#include "ui/Controls.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QValidator>

namespace dravino {

namespace {

// The field that last gained the focus for real. A message box or a popup
// takes the focus away and gives it back; that is no new GotFocus.
QPointer<TextBox> g_focusOwner;

bool isWindowSwitch(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

class MaxLengthValidator final : public QValidator
{
public:
    MaxLengthValidator(int max, QObject *parent) : QValidator(parent), m_max(max) {}
    State validate(QString &input, int &) const override
    {
        return input.size() <= m_max ? Acceptable : Invalid;
    }

private:
    int m_max;
};

int vbKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_PageUp: return vbkey::PageUp;
    case Qt::Key_PageDown: return vbkey::PageDown;
    case Qt::Key_End: return vbkey::End;
    case Qt::Key_Home: return vbkey::Home;
    case Qt::Key_Left: return vbkey::Left;
    case Qt::Key_Up: return vbkey::Up;
    case Qt::Key_Right: return vbkey::Right;
    case Qt::Key_Down: return vbkey::Down;
    default: return qtKey;
    }
}

// The character code a key press types, 0 for keys that type none.
int vbCharCode(const QKeyEvent *e)
{
    const int key = e->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return vbkey::Return;
    if (key == Qt::Key_Backspace)
        return vbkey::Back;
    if (key == Qt::Key_Escape)
        return 27;
    const auto mods = e->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        return 0;
    }
    const QString text = e->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return 0;
    return text.at(0).unicode();
}

// Enter, the keypad's Enter and Space act like a click on a focused label.
bool isActivationKey(const QKeyEvent *e)
{
    const int key = e->key();
    return !e->isAutoRepeat() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

// A dotted ring in the highlight colour: a label or a picture has no focus
// look of its own, and the style draws its own only after a Tab.
void drawFocusRing(QPainter &p, const QRect &r)
{
    p.setPen(QPen(QApplication::palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void clickFromKeyboard(const std::function<void()> &down, const std::function<void()> &up)
{
    if (down)
        down();
    if (up)
        up();
}

} // namespace

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setFrame(true);
    // textEdited comes before textChanged, so m_shown still holds the text
    // the edit started from.
    connect(this, &QLineEdit::textEdited, this, &TextBox::refuseOverlongEdit);
    connect(this, &QLineEdit::textChanged, this, [this] { m_shown = text(); });
}

// The validator stops an edit that makes the text too long only while the
// text before it was short enough; once the program has written a longer
// result, Qt lets every edit through. A user's edit may then shorten the
// text, never lengthen it past the maximum.
void TextBox::refuseOverlongEdit(const QString &edited)
{
    if (m_maxChars <= 0 || edited.size() <= m_maxChars || edited.size() < m_shown.size())
        return;
    const QString before = m_shown;
    const int cursor = std::min<int>(cursorPosition(), int(before.size()));
    QSignalBlocker quiet(this);
    setText(before);
    setCursorPosition(cursor);
    m_shown = before;
}

void TextBox::setMaxChars(int n)
{
    m_maxChars = n;
    setValidator(n > 0 ? new MaxLengthValidator(n, this) : nullptr);
}

void TextBox::selectWholeText() { setSelection(0, text().size()); }

void TextBox::keyPressEvent(QKeyEvent *event)
{
    // Select all, as everywhere on the desktop, whatever the field's filter.
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        event->accept();
        return;
    }
    if (onKeyDown)
        onKeyDown(vbKeyCode(event->key()));
    int ch = vbCharCode(event);
    if (ch != 0 && onKeyPress) {
        onKeyPress(ch);
        if (ch == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (isWindowSwitch(event->reason()) && g_focusOwner == this)
        return;
    g_focusOwner = this;
    m_focusFromMouse = event->reason() == Qt::MouseFocusReason;
    if (onGotFocus)
        onGotFocus();
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    // The click that brings the focus keeps the text the focus selected, so
    // that typing replaces it; later clicks place the caret.
    if (m_focusFromMouse && hasSelectedText()) {
        m_focusFromMouse = false;
        event->accept();
        return;
    }
    m_focusFromMouse = false;
    QLineEdit::mousePressEvent(event);
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (isWindowSwitch(event->reason()))
        return;
    if (g_focusOwner == this)
        g_focusOwner = nullptr;
    if (onLostFocus)
        onLostFocus();
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    drawFocusRing(p, focusRect());
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event) && (onMouseDown || onMouseUp)) {
        clickFromKeyboard(onMouseDown, onMouseUp);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    if (onMouseDown)
        onMouseDown();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    m_released = event->timestamp();
    if (onMouseUp)
        onMouseUp();
}

void Label::setBorder(bool single)
{
    m_border = single;
    // The border takes a pixel on every side, as a frame would.
    setContentsMargins(single ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void Label::paintEvent(QPaintEvent *event)
{
    ClickableLabel::paintEvent(event);
    if (!m_border)
        return;
    QPainter p(this);
    p.setPen(QPen(QApplication::palette().color(QPalette::WindowText), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

PictureBox::PictureBox(QWidget *parent) : ClickableLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::setRaised3D(bool on)
{
    setFrameStyle(on ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    setLineWidth(on ? 2 : 0);
    update();
}

RectShape::RectShape(QWidget *parent, int borderWidth) : QWidget(parent), m_width(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectShape::setBorderColor(const QColor &color)
{
    m_color = color;
    update();
}

void RectShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(Qt::NoPen);
    p.setBrush(m_color);
    const QRect r = rect();
    const int w = m_width;
    p.drawRect(0, 0, r.width(), w);
    p.drawRect(0, r.height() - w, r.width(), w);
    p.drawRect(0, 0, w, r.height());
    p.drawRect(r.width() - w, 0, w, r.height());
}

} // namespace dravino
