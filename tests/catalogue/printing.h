#pragma once
// What the main window hands to the printout: the texts of its boxes 0 to 21 and its hidden
// measuring box, 4155 twips wide in the window font.
#include "catalogue/printout.h"
#include "catalogue/compiler/builder.h"
#include "platform/controls.h"
#include "platform/geometry.h"

#include <QWidget>
#include <array>
#include <memory>

namespace printing {

inline std::array<QString, 22> fieldsOf(const catalogue::Recipe& r)
{
    std::array<QString, 22> fields;
    fields[0] = r.name;
    for (int k = 1; k <= 10; ++k) {
        fields[2 * k - 1] = r.qty[k - 1];
        fields[2 * k] = r.ing[k - 1];
    }
    fields[21] = r.directions;
    return fields;
}

inline std::unique_ptr<QWidget> measuringBox()
{
    auto box = std::make_unique<QWidget>();
    box->setObjectName(QStringLiteral("Picture1"));
    box->setFont(platform::windowFont());
    platform::twips::place(box.get(), 0, 0, 4155, 615);
    return box;
}

} // namespace printing
