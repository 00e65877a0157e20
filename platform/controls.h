#pragma once
// The controls the windows are built from: text boxes, picture boxes, clickable labels, frames,
// and the fonts they are drawn in.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;

namespace platform {

// "MS Sans Serif" becomes a fallback sans face (DejaVu Sans) at that size; other families are
// left to fontconfig ("Arial" resolves to Liberation Sans).
QFont font(const QString& family, double pointSize, bool bold = false, bool italic = false,
           bool underline = false);
// The default font of every window: MS Sans Serif 8.25 pt (the application font).
QFont windowFont();

// A text box: single line (a QLineEdit inside) or multi-line with a vertical scroll bar and word
// wrap (a QPlainTextEdit inside; a text with a run of over a thousand characters without a space
// wraps anywhere). The maximum length limits typing into a single-line box; text
// set by the program is kept whole and leaves the caret at the start. Multi-line boxes have no
// limit. A multi-line box's text uses "\n" between lines.
class TextBox : public QWidget {
    Q_OBJECT
public:
    // A whole-number box is a single line that takes digits only.
    enum class Kind { SingleLine, MultiLine, WholeNumber };

    TextBox(QWidget* parent, const QString& name, Kind kind = Kind::SingleLine,
            int maxLength = 0 /* 0: no limit */);

    QString text() const;
    // As if typed by the program: Change when the text differs; marks the box edited.
    void setText(const QString& text);
    // The data control's fill: Change when the text differs; clears the edited mark (already
    // clear while Change runs).
    void setTextFromData(const QString& text);

    bool edited() const;
    void setEdited(bool edited);

    Kind kind() const;
    int maxLength() const;
    // False for a whole-number box holding anything but digits (a value read from elsewhere).
    bool holdsWhatItTakes() const;
    // The inner QLineEdit or QPlainTextEdit, the box's focus proxy.
    QWidget* editor() const;
    void setReadOnly(bool readOnly);

signals:
    // Every change of the text, by the program or by typing (once per keystroke).
    void Change();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void write(const QString& text, bool fromData);
    void editorChanged();

    QLineEdit* line_ = nullptr;
    QPlainTextEdit* multi_ = nullptr;
    Kind kind_;
    int maxLength_;
    QString text_;          // the text as of the last Change
    bool edited_ = false;
    bool fromData_ = false;
};

// A box showing an SVG picture rendered at a given pixel size (times the device pixel ratio, so
// it is crisp on 2x screens). It sizes itself to the picture, plus 2 pixels each side with the
// sunken border. Without a picture it keeps the size it is placed at.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const QString& name);

    // svgPath may be a resource path ":/art/...".
    void setPicture(const QString& svgPath, QSize pixelSize);
    // The standard sunken border, 2 pixels wide.
    void setSunkenBorder(bool on);
    // Fills the box (the picture is drawn over it); an invalid colour means no fill.
    void setBackColor(const QColor& color);

    QString picturePath() const;
    bool sunkenBorder() const;
    QColor backColor() const;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int borderWidth() const;
    void fitToPicture();

    QString path_;
    QSize pictureSize_;
    bool sunken_ = false;
    QColor back_;
    QPixmap rendered_;      // the picture as last rendered, at its device pixel ratio
};

// A label with a Click signal (the guides' selectors). It takes no keyboard focus and wraps its
// text at word boundaries within its width.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name, const QString& text);
    // An invalid back colour means transparent.
    void setColors(const QColor& fore, const QColor& back = QColor());

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A frame with a caption, to hold controls placed inside it.
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption);

} // namespace platform
