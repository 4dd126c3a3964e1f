#include "app/core/applicationinit.h"
#include "app/core/constants.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!InitializeApp())
        return 1;

    QMainWindow window;
    window.setWindowTitle(Constants::applicationTitle);
    window.resize(1280, 800);
    window.show();
    return app.exec();
}
