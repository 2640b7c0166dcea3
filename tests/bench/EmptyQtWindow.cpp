// empty-qt-window: the floor for the start-up benchmark (scripts/vesk-bench.sh).
// A Qt 6 Widgets program that shows one empty 800 × 600 window, the size of
// VESK's main window, and runs until it is ended. Whatever VESK takes beyond
// this is its own.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
