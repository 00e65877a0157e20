#pragma once
// The window of every guide, built from its definition. A selection shows the chosen entry's
// group and hides every other group; which group is visible is the whole of the window's state.
#include "guides/definition.h"

#include <QWidget>

namespace guides {

class GuideWindow : public QWidget {
    Q_OBJECT
public:
    const Definition& definition() const;

    // Makes the group of the entry whose selector is named selectorName visible and every other
    // group hidden. Nothing else changes.
    void select(const QString& selectorName);

public slots:
    void cmdClose_Click();

protected:
    // A click on a selector runs the window's slot named after it (cmdBeerMug_Click() for
    // cmdBeerMug), which the derived window declares.
    explicit GuideWindow(const Definition& definition);

private:
    const Definition& definition_;
};

} // namespace guides
