#include <QApplication>
#include <QMainWindow>

#include "shared/general/program_identity.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    RARUVOVOVA2DIVFU::UseProgramIdentity(
        {"Keyhand", {2, 5, 7}, "... hält Ihre Internet-Passwörter im Griff!"});
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Keyhand"));
    window.resize(480, 360);
    window.show();
    return app.exec();
}
