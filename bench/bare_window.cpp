// The floor for the start-up benchmark: the smallest Qt program that shows a window of the main
// window's size with a title, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare");
    window.resize(670, 560);
    window.show();
    return application.exec();
}
