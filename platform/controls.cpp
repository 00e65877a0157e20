#include "platform/controls.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QSvgRenderer>
#include <qdrawutil.h>

#include <algorithm>
#include <climits>

namespace platform {

QFont font(const QString& family, double pointSize, bool bold, bool italic, bool underline)
{
    const bool fallback = family.compare(u"MS Sans Serif", Qt::CaseInsensitive) == 0;
    QFont f(fallback ? QStringLiteral("DejaVu Sans") : family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QFont windowFont()
{
    return font(QStringLiteral("MS Sans Serif"), 8.25);
}

// --- TextBox ---------------------------------------------------------------------------------

namespace {

const QRegularExpression& digits()
{
    static const QRegularExpression all(QStringLiteral("^[0-9]*$"));
    return all;
}

// A run of more characters than this without a space fills more than a text box shows, so it
// cannot be read as a word anyway; and breaking lines only between words costs time that grows
// with the square of such a run (a megabyte of letters would take minutes). A text holding one
// wraps anywhere.
constexpr qsizetype kLongestWord = 1000;

QTextOption::WrapMode wrapFor(QStringView text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWord)
            return QTextOption::WrapAnywhere;
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

// The multi-line editor: pasted or dropped text with a long run switches to wrapping anywhere
// before it is laid out.
class MultiLineEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override
    {
        if (source->hasText() && wrapFor(source->text()) == QTextOption::WrapAnywhere)
            setWordWrapMode(QTextOption::WrapAnywhere);
        QPlainTextEdit::insertFromMimeData(source);
    }
};

} // namespace

TextBox::TextBox(QWidget* parent, const QString& name, Kind kind, int maxLength)
    : QWidget(parent)
    , kind_(kind)
    , maxLength_(kind == Kind::MultiLine ? 0 : maxLength)
{
    setObjectName(name);
    if (kind != Kind::MultiLine) {
        line_ = new QLineEdit(this);
        line_->setMaxLength(maxLength_ > 0 ? maxLength_ : INT_MAX);
        if (kind == Kind::WholeNumber)
            line_->setValidator(new QRegularExpressionValidator(digits(), line_));
        connect(line_, &QLineEdit::textChanged, this, &TextBox::editorChanged);
    } else {
        multi_ = new MultiLineEdit(this);
        multi_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        multi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        multi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi_->setTabChangesFocus(true);
        connect(multi_, &QPlainTextEdit::textChanged, this, &TextBox::editorChanged);
    }
    setFocusProxy(editor());
    setFocusPolicy(editor()->focusPolicy());
}

QString TextBox::text() const
{
    return line_ ? line_->text() : multi_->toPlainText();
}

void TextBox::setText(const QString& text)
{
    write(text, false);
}

void TextBox::setTextFromData(const QString& text)
{
    write(text, true);
}

bool TextBox::edited() const
{
    return edited_;
}

void TextBox::setEdited(bool edited)
{
    edited_ = edited;
}

TextBox::Kind TextBox::kind() const
{
    return kind_;
}

bool TextBox::holdsWhatItTakes() const
{
    return kind_ != Kind::WholeNumber || digits().match(text()).hasMatch();
}

int TextBox::maxLength() const
{
    return maxLength_;
}

QWidget* TextBox::editor() const
{
    return line_ ? static_cast<QWidget*>(line_) : multi_;
}

void TextBox::setReadOnly(bool readOnly)
{
    if (line_)
        line_->setReadOnly(readOnly);
    else
        multi_->setReadOnly(readOnly);
}

void TextBox::resizeEvent(QResizeEvent*)
{
    editor()->setGeometry(rect());
}

void TextBox::write(const QString& text, bool fromData)
{
    edited_ = !fromData;
    const bool outer = fromData_;
    fromData_ = fromData;
    if (line_) {
        // A QLineEdit cuts any text to its maximum length; the program's text is kept whole, so
        // typing stops at the limit or at the length of a longer text set here.
        const int needed = std::max(maxLength_ > 0 ? maxLength_ : INT_MAX, int(text.size()));
        if (needed > line_->maxLength())
            line_->setMaxLength(needed);
        line_->setText(text);
        if (needed < line_->maxLength())
            line_->setMaxLength(needed);
        line_->setCursorPosition(0);   // show the beginning, as a multi-line box does
    } else if (text != multi_->toPlainText()) {
        // Wrapping anywhere starts before the text is laid out; wrapping between words again
        // waits for the text that allows it (editorChanged).
        if (wrapFor(text) == QTextOption::WrapAnywhere)
            multi_->setWordWrapMode(QTextOption::WrapAnywhere);
        multi_->setPlainText(text);
    }
    fromData_ = outer;
}

void TextBox::editorChanged()
{
    const QString now = text();
    if (now == text_)
        return;
    text_ = now;
    if (multi_)
        multi_->setWordWrapMode(wrapFor(now));
    if (!fromData_)
        edited_ = true;
    emit Change();
}

// --- PictureBox ------------------------------------------------------------------------------

PictureBox::PictureBox(QWidget* parent, const QString& name)
    : QWidget(parent)
{
    setObjectName(name);
}

void PictureBox::setPicture(const QString& svgPath, QSize pixelSize)
{
    path_ = svgPath;
    pictureSize_ = pixelSize;
    rendered_ = QPixmap();
    fitToPicture();
    update();
}

void PictureBox::setSunkenBorder(bool on)
{
    sunken_ = on;
    fitToPicture();
    update();
}

void PictureBox::setBackColor(const QColor& color)
{
    back_ = color;
    update();
}

QString PictureBox::picturePath() const
{
    return path_;
}

bool PictureBox::sunkenBorder() const
{
    return sunken_;
}

QColor PictureBox::backColor() const
{
    return back_;
}

int PictureBox::borderWidth() const
{
    return sunken_ ? 2 : 0;
}

void PictureBox::fitToPicture()
{
    if (!path_.isEmpty())
        resize(pictureSize_ + 2 * QSize(borderWidth(), borderWidth()));
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Click();
    QWidget::mousePressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int border = borderWidth();
    if (back_.isValid())
        painter.fillRect(rect().adjusted(border, border, -border, -border), back_);
    if (!path_.isEmpty()) {
        // The target's ratio, not the widget's: render() into a 2x pixmap gets a 2x picture too.
        const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
        if (rendered_.isNull() || rendered_.devicePixelRatio() != ratio) {
            QImage image(pictureSize_ * ratio, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter imagePainter(&image);
            QSvgRenderer(path_).render(&imagePainter);
            imagePainter.end();
            rendered_ = QPixmap::fromImage(image);
            rendered_.setDevicePixelRatio(ratio);
        }
        painter.drawPixmap(border, border, rendered_);
    }
    if (sunken_)
        qDrawWinPanel(&painter, rect(), palette(), true);
}

// --- Label and frame -------------------------------------------------------------------------

Label::Label(QWidget* parent, const QString& name, const QString& text)
    : QLabel(text, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setColors(const QColor& fore, const QColor& back)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, fore);
    if (back.isValid())
        colors.setColor(QPalette::Window, back);
    setPalette(colors);
    setAutoFillBackground(back.isValid());
}

void Label::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Click();
    QLabel::mousePressEvent(event);
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

} // namespace platform
