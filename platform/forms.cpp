#include "platform/forms.h"

#include <QCloseEvent>
#include <QPointer>
#include <QWidget>

namespace platform::forms {

namespace {

// Holds the list and watches the close events of the listed windows.
class Tracker : public QObject {
public:
    QList<QWidget*> windows;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        // Let the window decide first, then drop it from the list if it agreed to close.
        const QPointer<QObject> alive(watched);
        watched->event(event);
        if (alive && event->isAccepted())
            windows.removeOne(static_cast<QWidget*>(watched));
        return true;
    }
};

Tracker& tracker()
{
    static Tracker* instance = new Tracker;   // lives as long as the process
    return *instance;
}

} // namespace

QList<QWidget*> openWindows()
{
    return tracker().windows;
}

void track(QWidget* w)
{
    Tracker& t = tracker();
    if (t.windows.contains(w))
        return;
    t.windows.append(w);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->installEventFilter(&t);
    QObject::connect(w, &QObject::destroyed, &t, [&t, w] { t.windows.removeOne(w); });
}

QWidget* find(const QString& formName)
{
    for (QWidget* w : std::as_const(tracker().windows)) {
        if (w->objectName() == formName)
            return w;
    }
    return nullptr;
}

QWidget* open(const QString& formName, const std::function<QWidget*()>& make)
{
    QWidget* w = find(formName);
    if (!w) {
        w = make();
        if (w->objectName().isEmpty())
            w->setObjectName(formName);
        track(w);
    }
    w->setWindowModality(Qt::NonModal);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void unload(QWidget* w)
{
    w->close();
}

} // namespace platform::forms
