// Times the start-up a user waits for: constructing and showing the main window, then the
// built-up section dialog, on the offscreen platform. Prints milliseconds; asserts nothing.
#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

#include "app/TrabekApp.h"
#include "calculators/properties/BuiltUpSectionDlg.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QElapsedTimer total;
    total.start();
    QApplication application(argc, argv);
    const qint64 qtReady = total.elapsed();

    QElapsedTimer timer;
    timer.start();
    ferrolab::CTrabekApp app;
    if (!app.InitInstance()) {
        return 1;
    }
    QApplication::processEvents();
    const qint64 frameShown = timer.elapsed();

    ferrolab::CBuiltUpSectionDlg dialog;
    dialog.show();
    QApplication::processEvents();
    const qint64 dialogShown = timer.elapsed();

    std::printf("QApplication ready:        %lld ms\n", static_cast<long long>(qtReady));
    std::printf("main window shown:         %lld ms\n", static_cast<long long>(frameShown));
    std::printf("built-up dialog shown:     %lld ms (window + dialog)\n",
                static_cast<long long>(dialogShown));
    std::printf("total since process start: %lld ms\n", static_cast<long long>(total.elapsed()));
    return 0;
}
