// The floor for start-up: a bare Qt window, started the same way as the application.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(500, 316);
    window.show();
    return app.exec();
}
