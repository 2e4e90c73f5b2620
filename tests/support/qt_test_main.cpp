#include "platform/qt/process_end.h"

#include <QApplication>
#include <gtest/gtest.h>

// GUI tests run headless unless the caller chose a platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    const int status = RUN_ALL_TESTS();
    platform::EndBeforeWaylandTeardown(status);
    return status;
}
