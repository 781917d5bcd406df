#include <QApplication>
#include <gtest/gtest.h>

// Tests run without a display; gtest_discover_tests also starts this binary at build time,
// outside ctest's environment, so the platform is chosen here.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
