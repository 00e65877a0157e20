#include "platform/msgbox.h"

#include <QMessageBox>

namespace platform::msgbox {

namespace {

std::function<void(const Shown&)>& testHook()
{
    static std::function<void(const Shown&)> hook;
    return hook;
}

bool& testAnswer()
{
    static bool yes = false;
    return yes;
}

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void show(const QString& text, Icon icon, const QString& title, QWidget* parent)
{
    const Shown message{text, title.isEmpty() ? applicationTitle : title, icon};
    if (testHook()) {
        testHook()(message);
        return;
    }
    QMessageBox box(boxIcon(icon), message.title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("msgbox"));
    box.exec();
}

bool ask(const QString& text, Icon icon, const QString& title, QWidget* parent)
{
    const Shown question{text, title.isEmpty() ? applicationTitle : title, icon, true};
    if (testHook()) {
        testHook()(question);
        return testAnswer();
    }
    QMessageBox box(boxIcon(icon), question.title, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName(QStringLiteral("msgbox"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void setTestHook(std::function<void(const Shown&)> hook)
{
    testHook() = std::move(hook);
    testAnswer() = false;
}

void setTestAnswer(bool yes)
{
    testAnswer() = yes;
}

} // namespace platform::msgbox
