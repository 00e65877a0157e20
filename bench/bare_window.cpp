// The floors for start-up: a bare Qt window, started the same way as the application; built a
// second time (BARE_TEXT) with one line of text in the splash's font, so that the cost of the
// first text a window draws (the font database, the font engine) shows apart from ours.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
#ifdef BARE_TEXT
    QLabel window(QStringLiteral("Thank You For Using Zestrel."));
    window.setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    window.setMinimumWidth(window.fontMetrics().horizontalAdvance(window.text()));
#else
    QWidget window;
#endif
    window.resize(500, 316);
    window.show();
    return app.exec();
}
