#pragma once
// The application-wide cursor: the normal arrow or the hourglass over every window.
namespace platform::cursor {

enum class Shape { Arrow, Hourglass };

// Sets the shape; never stacked: one Arrow undoes any number of Hourglass calls.
void set(Shape shape);
Shape current();

} // namespace platform::cursor
