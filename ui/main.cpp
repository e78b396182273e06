#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("Velistra 0.9.7"));
    ventana.setGeometry(0, 0, 1024, 740);
    ventana.show();
    return aplicacion.exec();
}
