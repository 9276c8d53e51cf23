#pragma once
// The old toolkit's controls on top of Qt widgets: events arrive as the
// handlers expect them (GotFocus only when the focus really moves to the
// field, KeyDown before KeyPress with the old key and character codes, mouse
// down/up for any button), and a maximum length that limits typing and
// pasting but not what the program itself writes. Labels and picture boxes
// that act on a mouse release act on Enter and Space too when they have the
// keyboard focus.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>

namespace dravino {

// Old key codes used by the handlers.
namespace vbkey {
constexpr int Back = 8;
constexpr int Return = 13;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int CtrlC = 3;
constexpr int CtrlV = 22;
} // namespace vbkey

inline bool isDigitKey(int ch) { return ch >= '0' && ch <= '9'; }

// The numeric fields' key filter: digits and Backspace pass, every other key
// is dropped. True when the dropped key was Enter, which the field acts on.
inline bool filterDigits(int &ch)
{
    if (isDigitKey(ch) || ch == vbkey::Back)
        return false;
    const bool enter = ch == vbkey::Return;
    ch = 0;
    return enter;
}

class TextBox final : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent);

    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    // The typed character's code; set it to 0 to drop the key.
    std::function<void(int &ch)> onKeyPress;
    std::function<void(int keyCode)> onKeyDown;

    // At most n characters can be typed or pasted; 0 means no limit.
    void setMaxChars(int n);
    int maxChars() const { return m_maxChars; }
    // SelStart 0, SelLength = length of the text.
    void selectWholeText();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void refuseOverlongEdit(const QString &edited);

    int m_maxChars = 0;
    bool m_focusFromMouse = false;
    // The text before the user's latest edit.
    QString m_shown;
};

// A label that takes mouse down and up, and Enter or Space as a whole
// click when it has the focus, which it shows with a focus ring.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent) : QLabel(parent) {}

    std::function<void()> onMouseDown;
    std::function<void()> onMouseUp;
    // When the mouse was last let go on it (the event's time, in ms).
    ulong lastReleaseTime() const { return m_released; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Where the focus ring goes.
    virtual QRect focusRect() const { return rect(); }

private:
    ulong m_released = 0;
};

class Label final : public ClickableLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent) : ClickableLabel(parent) {}

    // A single-line border in the window-frame colour, whatever the text's.
    void setBorder(bool single);

protected:
    void paintEvent(QPaintEvent *event) override;
    QRect focusRect() const override { return rect().adjusted(1, 1, -1, -1); }

private:
    bool m_border = false;
};

// A picture box: a picture with a flat or three-dimensional border.
class PictureBox final : public ClickableLabel
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);

    void setRaised3D(bool on);
};

// A rectangle outline, drawn behind the controls it frames.
class RectShape final : public QWidget
{
    Q_OBJECT
public:
    explicit RectShape(QWidget *parent, int borderWidth);
    void setBorderColor(const QColor &color);
    QColor borderColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    int m_width;
};

} // namespace dravino
