#pragma once
// The bars a main window docks along its client area: a toolbar of icon buttons taken from an
// image list and dispatched by key, and a status bar of panels whose date and time panels keep
// themselves current. Panels never overlap: when the bar is narrower than they are, the panels on
// the right give way first, their text cut with an ellipsis, and a panel with no room left hides. Docked bars stand over the client area's edge and follow its width; the
// other controls keep their places whether a bar is shown or hidden.
#include <QIcon>
#include <QStatusBar>
#include <QStringList>
#include <QToolBar>

class QLabel;
class QTimer;

namespace platform {

// Numbered pictures for buttons, from 1, each an SVG drawing that stays crisp at any scale.
class ImageList : public QObject {
    Q_OBJECT
public:
    ImageList(QObject* parent, const QString& name, QStringList svgPaths);
    int count() const { return int(paths_.size()); }
    QString path(int index) const;   // 1-based; empty when out of range
    QIcon image(int index) const;

private:
    QStringList paths_;
};

class ToolBar : public QToolBar {
    Q_OBJECT
public:
    // Docked at the top of the parent, icons of iconPixels square.
    ToolBar(QWidget* parent, const QString& name, const ImageList* images, int iconPixels = 16);

    // A button named and keyed `key`, showing image `image` of the list (kept as its "Image"
    // property); a click emits ButtonClick(key).
    QAction* addButton(const QString& key, const QString& toolTip, int image);

signals:
    void ButtonClick(const QString& key);

private:
    const ImageList* images_;
};

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    enum class Style { Text, Date, Time };

    // Docked at the bottom of the parent.
    StatusBar(QWidget* parent, const QString& name);

    // Panels are named "Panels(1)", "Panels(2)" ... in the order they are added.
    QLabel* addPanel(Style style, int widthTwips, const QString& text = QString(),
                     const QString& toolTip = QString());
    QString panelText(int index) const;   // 1-based

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void tick();
    void layoutPanels();

    struct Panel { Style style; QLabel* label; int width; };
    QList<Panel> panels_;
    QTimer* clock_;
};

} // namespace platform
