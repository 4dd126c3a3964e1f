// The yardstick of the start-up benchmark: the least Qt program that shows
// what the tool's window shows at its core, one QMainWindow holding one
// QOpenGLWidget, with the same default surface format.

#include <QApplication>
#include <QMainWindow>
#include <QOpenGLWidget>
#include <QSurfaceFormat>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QSurfaceFormat format;
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    QSurfaceFormat::setDefaultFormat(format);

    QMainWindow window;
    window.setCentralWidget(new QOpenGLWidget);
    window.resize(1280, 800);
    window.showNormal();
    return app.exec();
}
