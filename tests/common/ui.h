#pragma once
// What the window tests share: finding a window's controls by name, clicking and typing as a
// user does, catching the message boxes, and hooks that are undone however a test ends.
#include "platform/msgbox.h"

#include <QList>
#include <QStringList>
#include <functional>

class QWidget;
namespace platform { class TextBox; }

namespace ui {

// The text box named `name` ("txtFields(0)", "txtGlassname") of a window.
platform::TextBox* box(QWidget* window, const QString& name);
// A mouse click on the control named `name`; the test fails when there is none.
void click(QWidget* window, const QString& name);
// Replaces the box's text by typing it (a "\n" is typed as Return).
void typeOver(platform::TextBox* box, const QString& text);
// Types at the end of the box's text.
void typeAtEnd(platform::TextBox* box, const QString& text);

// Runs `undo` when it goes out of scope: a hook set by a test is taken away even when a check
// fails and leaves the test function early.
class OnExit {
public:
    explicit OnExit(std::function<void()> undo) : undo_(std::move(undo)) {}
    ~OnExit() { undo_(); }
    OnExit(const OnExit&) = delete;
    OnExit& operator=(const OnExit&) = delete;

private:
    std::function<void()> undo_;
};

// Catches the message boxes shown while it lives; none appears on screen.
class Messages {
public:
    Messages();
    ~Messages();
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;

    QList<platform::msgbox::Shown> shown;
    QStringList texts() const;
    void clear() { shown.clear(); }
};

} // namespace ui
