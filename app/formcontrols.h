#pragma once
// The command buttons, labels and pictures of the application's windows, placed in twips.
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;
namespace platform { class PictureBox; }

namespace app {

// A push button that a press of Enter clicks while it has the focus, as Space does.
QPushButton* makeCommandButton(QWidget* parent, const QString& name, const QString& caption,
                               int left, int top, int width, int height);

// Places a label. Our fonts run a little wider than the ones the layouts were drawn for: a
// label too narrow for its one line of text grows to the right rather than wrap it out of sight.
void placeLabel(QLabel* label, int left, int top, int width, int height);

// A picture box showing the SVG picture at this pixel size, with or without the sunken border.
platform::PictureBox* makePicture(QWidget* parent, const QString& name, const QString& svg, QSize pixels,
                                  bool sunken);

} // namespace app
