// The least a Qt Widgets program does to show a window: an application and
// one empty widget of the main window's designed size. bench/startup.sh
// times Quillstone's start against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(370, 500);
    window.show();
    return QApplication::exec();
}
