#include <gtest/gtest.h>

#include "ui/application_setup.h"
#include "ui/guarded_application.h"

// Widget tests run under the offscreen platform unless a display is asked for.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    tandarel::ui::GuardedApplication app(argc, argv);
    tandarel::ui::setUpApplication(app);
    return RUN_ALL_TESTS();
}
