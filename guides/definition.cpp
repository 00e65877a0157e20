#include "guides/definition.h"

namespace guides {

Control button(const QString& name, const QString& caption, int left, int top, int width, int height)
{
    return {.kind = Control::Kind::Button, .name = name, .left = left, .top = top, .width = width,
            .height = height, .caption = caption};
}

Control label(const QString& name, const QString& caption, int left, int top, int width, int height,
              const QColor& back, double pointSize)
{
    return {.kind = Control::Kind::Label, .name = name, .left = left, .top = top, .width = width,
            .height = height, .caption = caption, .back = back, .pointSize = pointSize};
}

Control picture(const QString& name, const QString& source, QSize pixels, int left, int top)
{
    return {.kind = Control::Kind::Picture, .name = name, .left = left, .top = top,
            .source = source, .pixels = pixels};
}

Control marker(const QString& name, int left, int top, int width, int height, const QColor& back)
{
    return {.kind = Control::Kind::Picture, .name = name, .left = left, .top = top, .width = width,
            .height = height, .back = back};
}

Control textBox(const QString& name, const QString& source, int left, int top, int width, int height)
{
    return {.kind = Control::Kind::Text, .name = name, .left = left, .top = top, .width = width,
            .height = height, .source = source};
}

} // namespace guides
