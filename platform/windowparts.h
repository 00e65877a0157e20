#pragma once
// The pieces every window of the application is built from, placed in twips: command buttons,
// labels that keep their text in sight, pictures, the black client area and the tool-window frame.
#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace platform {

class Label;
class PictureBox;

// A push button. Enter presses it while it has the focus, as Space does, in every window: a
// keyboard user never has to reach for Space. (The About box's OK is in addition its default.)
QPushButton* makeCommandButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                               int width, int height);

// A label in a font of its own.
Label* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font);

// Places a label. Our fonts run a little wider than the ones the layouts were drawn for: a label
// too narrow for its one line of text grows to the right rather than wrap or cut it out of sight.
void placeLabel(QLabel* label, int left, int top, int width, int height);
// Places a label whose box runs on under the control to its right, which starts at `controlLeft`:
// a text wider than the room before that control is set in a smaller size of its font, so that
// nothing of it hides under the control.
void placeLabelBefore(QLabel* label, int left, int top, int width, int height, int controlLeft);

// Gives a control the name a screen reader speaks, from the caption of the label that names it:
// the caption without its access-key ampersand, its closing colon or dots and its outer spaces
// ("&Type of Glass:" speaks "Type of Glass"). A text box's name goes to the editor inside it,
// which is what takes the focus and what a screen reader announces.
void nameAfterLabel(QWidget* control, const QString& caption);

// A picture box showing the SVG picture at this pixel size, with or without the sunken border.
PictureBox* makePicture(QWidget* parent, const QString& name, const QString& svg, QSize pixels, bool sunken);

// A fixed-border window with only a title and a close box, kept out of the task bar.
void makeToolWindow(QWidget* window);

// A widget whose background is painted black rather than set in the palette, which every child
// control (toolbar, status bar, text boxes) would inherit.
class BlackArea : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform
