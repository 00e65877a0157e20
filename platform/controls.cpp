#include "platform/controls.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPlainTextEdit>
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

TextBox::TextBox(QWidget* parent, const QString& name, Kind kind, int maxLength)
    : QWidget(parent)
    , m_maxLength(kind == Kind::SingleLine ? maxLength : 0)
{
    setObjectName(name);
    if (kind == Kind::SingleLine) {
        m_line = new QLineEdit(this);
        m_line->setMaxLength(m_maxLength > 0 ? m_maxLength : INT_MAX);
        connect(m_line, &QLineEdit::textChanged, this, &TextBox::editorChanged);
    } else {
        m_multi = new QPlainTextEdit(this);
        m_multi->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_multi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_multi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_multi->setTabChangesFocus(true);
        connect(m_multi, &QPlainTextEdit::textChanged, this, &TextBox::editorChanged);
    }
    setFocusProxy(editor());
    setFocusPolicy(editor()->focusPolicy());
}

QString TextBox::text() const
{
    return m_line ? m_line->text() : m_multi->toPlainText();
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
    return m_edited;
}

void TextBox::setEdited(bool edited)
{
    m_edited = edited;
}

TextBox::Kind TextBox::kind() const
{
    return m_line ? Kind::SingleLine : Kind::MultiLine;
}

int TextBox::maxLength() const
{
    return m_maxLength;
}

QWidget* TextBox::editor() const
{
    return m_line ? static_cast<QWidget*>(m_line) : m_multi;
}

void TextBox::setReadOnly(bool readOnly)
{
    if (m_line)
        m_line->setReadOnly(readOnly);
    else
        m_multi->setReadOnly(readOnly);
}

void TextBox::resizeEvent(QResizeEvent*)
{
    editor()->setGeometry(rect());
}

void TextBox::write(const QString& text, bool fromData)
{
    m_edited = !fromData;
    const bool outer = m_fromData;
    m_fromData = fromData;
    if (m_line) {
        // A QLineEdit cuts any text to its maximum length; the program's text is kept whole, so
        // typing stops at the limit or at the length of a longer text set here.
        const int needed = std::max(m_maxLength > 0 ? m_maxLength : INT_MAX, int(text.size()));
        if (needed > m_line->maxLength())
            m_line->setMaxLength(needed);
        m_line->setText(text);
        if (needed < m_line->maxLength())
            m_line->setMaxLength(needed);
        m_line->setCursorPosition(0);   // show the beginning, as a multi-line box does
    } else if (text != m_multi->toPlainText()) {
        m_multi->setPlainText(text);
    }
    m_fromData = outer;
}

void TextBox::editorChanged()
{
    const QString now = text();
    if (now == m_text)
        return;
    m_text = now;
    if (!m_fromData)
        m_edited = true;
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
    m_path = svgPath;
    m_pictureSize = pixelSize;
    m_rendered = QPixmap();
    fitToPicture();
    update();
}

void PictureBox::setSunkenBorder(bool on)
{
    m_sunken = on;
    fitToPicture();
    update();
}

void PictureBox::setBackColor(const QColor& color)
{
    m_back = color;
    update();
}

QString PictureBox::picturePath() const
{
    return m_path;
}

QSize PictureBox::pictureSize() const
{
    return m_pictureSize;
}

bool PictureBox::sunkenBorder() const
{
    return m_sunken;
}

QColor PictureBox::backColor() const
{
    return m_back;
}

int PictureBox::borderWidth() const
{
    return m_sunken ? 2 : 0;
}

void PictureBox::fitToPicture()
{
    if (!m_path.isEmpty())
        resize(m_pictureSize + 2 * QSize(borderWidth(), borderWidth()));
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
    if (m_back.isValid())
        painter.fillRect(rect().adjusted(border, border, -border, -border), m_back);
    if (!m_path.isEmpty()) {
        // The target's ratio, not the widget's: render() into a 2x pixmap gets a 2x picture too.
        const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
        if (m_rendered.isNull() || m_rendered.devicePixelRatio() != ratio) {
            QImage image(m_pictureSize * ratio, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter imagePainter(&image);
            QSvgRenderer(m_path).render(&imagePainter);
            imagePainter.end();
            m_rendered = QPixmap::fromImage(image);
            m_rendered.setDevicePixelRatio(ratio);
        }
        painter.drawPixmap(border, border, m_rendered);
    }
    if (m_sunken)
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
