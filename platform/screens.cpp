#include "platform/screens.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace platform::screens {

namespace {

QSize frameMargins(const QWidget* window) { return window->frameGeometry().size() - window->size(); }

// Resizes the window once the desktop's frame around it is known, so that its outer size is the
// one asked for; gives up when someone else resized it first.
class FrameFitter : public QObject {
public:
    FrameFitter(QWidget* window, const QRect& frame)
        : QObject(window)
        , window_(window)
        , frame_(frame)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Move && event->type() != QEvent::Resize && event->type() != QEvent::Show)
            return false;
        const QSize margins = frameMargins(window_);
        if (window_->frameGeometry().size() == frame_.size() || margins.isEmpty())
            return false;
        if (window_->size() == frame_.size())
            window_->resize(frame_.size() - margins);
        deleteLater();
        return false;
    }

private:
    QWidget* window_;
    QRect frame_;
};

} // namespace

bool onSomeScreen(const QRect& frame)
{
    const QList<QScreen*> all = QGuiApplication::screens();
    return std::any_of(all.begin(), all.end(), [&](const QScreen* s) { return s->geometry().intersects(frame); });
}

QRect clamp(const QRect& frame)
{
    const QScreen* best = QGuiApplication::primaryScreen();
    qint64 bestArea = -1;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect common = s->geometry().intersected(frame);
        const qint64 area = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = s;
            bestArea = area;
        }
    }
    if (!best)
        return frame;
    const QRect room = best->availableGeometry();
    QRect fitted(frame.topLeft(), frame.size().boundedTo(room.size()));
    if (fitted.size() == frame.size())
        return frame; // a window that fits keeps its corner, partly off screen or not
    fitted.moveLeft(std::clamp(fitted.left(), room.left(), room.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), room.top(), room.bottom() + 1 - fitted.height()));
    return fitted;
}

void setFrameGeometry(QWidget* window, const QRect& frame)
{
    window->move(frame.topLeft());
    const QSize margins = frameMargins(window);
    window->resize(frame.size() - margins);
    if (margins.isEmpty())
        new FrameFitter(window, frame);
}

} // namespace platform::screens
