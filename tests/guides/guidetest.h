#pragma once
// What the guide tests share: opening a guide as the main window does, reading which entries a
// user sees, and closing everything between tests.
#include "guides/guidewindow.h"
#include "guides/open.h"
#include "platform/forms.h"

#include <QPointer>
#include <QTest>

namespace guidetest {

inline QWidget* child(QWidget* window, const QString& name)
{
    return window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

// Opens the guide and waits until it is active, as a user would find it.
inline guides::GuideWindow* open(const QString& formName)
{
    auto* w = qobject_cast<guides::GuideWindow*>(guides::openGuide(formName));
    if (w && !QTest::qWaitForWindowActive(w))
        qWarning("%s did not become active", qPrintable(formName));
    return w;
}

// The selectors of the entries whose display group is on show; an entry with only part of its
// group on show is listed with "(part)".
inline QStringList shownEntries(guides::GuideWindow* w)
{
    QStringList shown;
    for (const guides::Entry& entry : w->definition().entries) {
        qsizetype visible = 0;
        for (const guides::Control& c : entry.group)
            visible += child(w, c.name)->isVisibleTo(w) ? 1 : 0;
        if (visible == entry.group.size())
            shown << entry.selector.name;
        else if (visible > 0)
            shown << entry.selector.name + " (part)";
    }
    return shown;
}

inline void closeAll()
{
    for (QWidget* w : platform::forms::openWindows())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace guidetest
