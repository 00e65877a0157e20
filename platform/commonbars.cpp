#include "platform/commonbars.h"

#include "platform/geometry.h"

#include <QAction>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QSizeGrip>
#include <QTimer>

#include <algorithm>

namespace platform {

namespace {

// Keeps a bar across the whole width of its parent, at the top or the bottom edge, above the
// parent's other children.
class Dock : public QObject {
public:
    Dock(QWidget* bar, Qt::Edge edge) : QObject(bar), bar_(bar), edge_(edge)
    {
        bar->parentWidget()->installEventFilter(this);
        fit();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::ChildAdded)
            fit();
        return false;
    }

private:
    void fit()
    {
        const QWidget* parent = bar_->parentWidget();
        const int height = bar_->sizeHint().height();
        bar_->setGeometry(0, edge_ == Qt::TopEdge ? 0 : parent->height() - height, parent->width(), height);
        bar_->raise();
    }

    QWidget* bar_;
    Qt::Edge edge_;
};

// A status panel: a sunken frame whose text ends in an ellipsis when the panel is narrower.
class PanelLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect room = contentsRect().adjusted(2, 0, -2, 0);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
    }
};

} // namespace

// --- ImageList -------------------------------------------------------------------------------

ImageList::ImageList(QObject* parent, const QString& name, QStringList svgPaths)
    : QObject(parent), paths_(std::move(svgPaths))
{
    setObjectName(name);
}

QString ImageList::path(int index) const
{
    return index >= 1 && index <= count() ? paths_[index - 1] : QString();
}

QIcon ImageList::image(int index) const
{
    return QIcon(path(index));
}

// --- ToolBar ---------------------------------------------------------------------------------

ToolBar::ToolBar(QWidget* parent, const QString& name, const ImageList* images, int iconPixels)
    : QToolBar(parent), images_(images)
{
    setObjectName(name);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(iconPixels, iconPixels));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAutoFillBackground(true);
    new Dock(this, Qt::TopEdge);
}

QAction* ToolBar::addButton(const QString& key, const QString& toolTip, int image)
{
    QAction* button = addAction(images_->image(image), toolTip);
    button->setObjectName(key);
    button->setToolTip(toolTip);
    button->setProperty("Image", image);
    connect(button, &QAction::triggered, this, [this, key] { emit ButtonClick(key); });
    return button;
}

// --- StatusBar -------------------------------------------------------------------------------

StatusBar::StatusBar(QWidget* parent, const QString& name) : QStatusBar(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    setSizeGripEnabled(true);
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &StatusBar::tick);
    new Dock(this, Qt::BottomEdge);
}

QLabel* StatusBar::addPanel(Style style, int widthTwips, const QString& text, const QString& toolTip)
{
    // Placed by the bar itself (layoutPanels), outside the status bar's own layout.
    auto* label = new PanelLabel(text, this);
    label->setObjectName(QStringLiteral("Panels(%1)").arg(panels_.size() + 1));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setToolTip(toolTip);
    panels_.append({style, label, twips::toPixels(widthTwips)});
    if (style != Style::Text) {
        tick();
        clock_->start();
    }
    layoutPanels();
    return label;
}

QSize StatusBar::sizeHint() const
{
    QSize hint = QStatusBar::sizeHint();
    for (const Panel& p : panels_)
        hint.setHeight(std::max(hint.height(), p.label->sizeHint().height() + 4));
    return hint;
}

void StatusBar::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    layoutPanels();
}

void StatusBar::layoutPanels()
{
    // Left to right, each panel at its own width while there is room, so the ones on the right
    // shrink first; one narrower than a few letters is hidden.
    const auto* grip = findChild<QSizeGrip*>();
    const int right = width() - (grip && grip->isVisibleTo(this) ? grip->width() : 0) - 2;
    const int smallest = fontMetrics().averageCharWidth() * 4;
    int x = 2;
    for (const Panel& p : std::as_const(panels_)) {
        const int w = std::min(p.width, right - x);
        p.label->setVisible(w >= smallest);
        if (w >= smallest)
            p.label->setGeometry(x, 2, w, height() - 3);
        x += std::max(w, 0) + 2;
    }
}

QString StatusBar::panelText(int index) const
{
    return index >= 1 && index <= panels_.size() ? panels_[index - 1].label->text() : QString();
}

void StatusBar::tick()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    for (const Panel& p : std::as_const(panels_)) {
        if (p.style == Style::Date)
            p.label->setText(locale.toString(now.date(), QLocale::ShortFormat));
        else if (p.style == Style::Time)
            p.label->setText(locale.toString(now.time(), QLocale::ShortFormat));
    }
}

} // namespace platform
