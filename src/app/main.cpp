#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Dutyloop®"));
    window.resize(350, 640);
    window.show();
    return QApplication::exec();
}
