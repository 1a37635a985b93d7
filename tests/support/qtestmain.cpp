// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

// Widget suites share one QApplication; the offscreen platform comes from the
// environment ctest sets, and is forced here when a suite is run by hand.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Both HTTP clients take the environment's proxy: a machine's own setting
    // would send the tests' loopback requests elsewhere. Tests of the proxy
    // rule set what they need.
    for (const char* name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy",
                             "NO_PROXY"})
        qunsetenv(name);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
