#pragma once
// The boundary between the user's actions and the code they run: a failure inside a handler is
// shown to the user (one message box with its description, the arrow cursor back) and never
// travels through Qt's event loop.
#include <QObject>
#include <exception>
#include <utility>

namespace platform {

// Ends an action that was settled with the user on its way (a question asked and answered):
// nothing more is shown.
struct Settled : std::exception {
    const char* what() const noexcept override { return "settled with the user"; }
};

// Puts the normal cursor back and shows the failure's description in a message box with the
// application title (a Settled action shows none).
void report(const std::exception& e);

// Runs f; a failure is reported and goes no further.
template<class F>
void guarded(F&& f)
{
    try {
        std::forward<F>(f)();
    } catch (const std::exception& e) {
        report(e);
    }
}

// Connects a signal to a handler of `receiver` (a member function taking what it needs of the
// signal's arguments), guarded as above.
template<class Sender, class Signal, class Receiver, class Result, class... Args>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Receiver* receiver,
                                       Result (Receiver::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
        guarded([&] { (receiver->*handler)(std::forward<Args>(args)...); });
    });
}

// The same for a handler that is a callable taking no arguments; `context` ends the connection.
template<class Sender, class Signal, class F>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, QObject* context, F handler)
{
    return QObject::connect(sender, signal, context, [handler = std::move(handler)] { guarded(handler); });
}

} // namespace platform
