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

struct Shown {
    QString text;
    QString title;   // already resolved: never empty
    Icon icon;
};

// While a hook is set no dialog appears: the hook receives each message instead. Reset with {}.
void setTestHook(std::function<void(const Shown&)> hook);

} // namespace platform::msgbox
