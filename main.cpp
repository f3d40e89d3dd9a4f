#include "shell/Main.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!Main())
        return 0;
    return QApplication::exec();
}
