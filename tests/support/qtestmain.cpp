// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

// Widget suites share one QApplication; the offscreen platform comes from the
// environment ctest sets, and is forced here when a suite is run by hand.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
