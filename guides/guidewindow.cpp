#include "guides/guidewindow.h"

#include "platform/handlers.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/geometry.h"
#include "platform/windowparts.h"

#include <QFile>
#include <QPushButton>
#include <stdexcept>

namespace guides {

namespace {

using platform::twips::place;

// The stored text of a description, or nothing while the resource is missing.
QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QWidget* build(const Control& c, QWidget* parent)
{
    switch (c.kind) {
    case Control::Kind::Button: {
        return platform::makeCommandButton(parent, c.name, c.caption, c.left, c.top, c.width, c.height);
    }
    case Control::Kind::Label: {
        auto* l = new platform::Label(parent, c.name, c.caption);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setColors(Qt::black, c.back);
        if (c.pointSize > 0)
            l->setFont(platform::font(QStringLiteral("MS Sans Serif"), c.pointSize));
        place(l, c.left, c.top, c.width, c.height);
        return l;
    }
    case Control::Kind::Picture: {
        auto* p = new platform::PictureBox(parent, c.name);
        p->setSunkenBorder(true);
        p->setBackColor(c.back);
        place(p, c.left, c.top, c.width, c.height);
        if (!c.source.isEmpty())
            p->setPicture(c.source, c.pixels);
        return p;
    }
    case Control::Kind::Text: {
        auto* t = new platform::TextBox(parent, c.name, platform::TextBox::Kind::MultiLine);
        t->setText(readText(c.source));
        place(t, c.left, c.top, c.width, c.height);
        return t;
    }
    }
    throw std::logic_error("unknown guide control kind");
}

} // namespace

GuideWindow::GuideWindow(const Definition& definition)
    : definition_(definition)
{
    platform::makeToolWindow(this);
    setObjectName(definition.formName);
    setWindowTitle(definition.title);
    if (definition.screenPlace)
        place(this, definition.screenPlace->x(), definition.screenPlace->y(), definition.width,
              definition.height);
    platform::twips::setClientSize(this, definition.width, definition.height);

    if (definition.heading)
        build(*definition.heading, this);

    // Tab order: the selectors that take focus, Close, then the description boxes.
    QList<QWidget*> tabOrder;
    QList<QWidget*> descriptions;
    for (const Entry& entry : definition.entries) {
        QWidget* selector = build(entry.selector, this);
        const QByteArray handler = (entry.selector.name + QStringLiteral("_Click")).toLatin1();
        const auto run = [this, handler] {
            if (!QMetaObject::invokeMethod(this, handler.constData()))
                throw std::logic_error("guide window has no handler " + handler.toStdString());
        };
        if (auto* b = qobject_cast<QPushButton*>(selector))
            platform::connectHandler(b, &QPushButton::clicked, this, run);
        else
            platform::connectHandler(static_cast<platform::Label*>(selector), &platform::Label::Click, this, run);
        tabOrder << selector;
        for (const Control& c : entry.group) {
            QWidget* w = build(c, this);
            if (c.kind == Control::Kind::Text) {
                platform::nameAfterLabel(w, entry.selector.caption);   // the description of the selected item
                descriptions << w;
            }
        }
    }
    auto* close = static_cast<QPushButton*>(build(definition.close, this));
    platform::connectHandler(close, &QPushButton::clicked, this, &GuideWindow::cmdClose_Click);
    tabOrder << close << descriptions;

    tabOrder.removeIf([](QWidget* w) { return !(w->focusPolicy() & Qt::TabFocus); });
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    tabOrder.first()->setFocus();

    select(definition.shownAtOpening);
}

const Definition& GuideWindow::definition() const
{
    return definition_;
}

void GuideWindow::select(const QString& selectorName)
{
    for (const Entry& entry : definition_.entries) {
        const bool chosen = entry.selector.name == selectorName;
        for (const Control& c : entry.group)
            findChild<QWidget*>(c.name, Qt::FindDirectChildrenOnly)->setVisible(chosen);
    }
}

void GuideWindow::cmdClose_Click()
{
    platform::forms::unload(this);
}

} // namespace guides
