// Ferrolab: structural-steel design calculators.
#include <QApplication>

#include "app/TrabekApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ferrolab::CTrabekApp app;
    if (!app.InitInstance()) {
        return 1;
    }
    return QApplication::exec();
}
