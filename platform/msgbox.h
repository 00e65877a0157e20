#pragma once
// Message boxes: OK only, no icon unless asked, the application title unless given one.
#include "platform/identity.h"

#include <QString>
#include <functional>

class QWidget;

namespace platform::msgbox {

enum class Icon { None, Information, Warning, Critical };

// A modal box (objectName "msgbox") with the text and an OK button; returns when it is dismissed.
// An empty title means the application title.
void show(const QString& text, Icon icon = Icon::None, const QString& title = QString(),
          QWidget* parent = nullptr);

// A modal box with Yes and No (No is the default and Escape); true when Yes was chosen.
bool ask(const QString& text, Icon icon = Icon::Warning, const QString& title = QString(),
         QWidget* parent = nullptr);

struct Shown {
    QString text;
    QString title;   // already resolved: never empty
    Icon icon;
    bool question = false;   // asked with Yes and No
};

// While a hook is set no dialog appears: the hook receives each message instead, and each
// question is answered with the hook's answer (No unless set). Reset with {}.
void setTestHook(std::function<void(const Shown&)> hook);
void setTestAnswer(bool yes);

} // namespace platform::msgbox
