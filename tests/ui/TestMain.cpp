#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <clocale>

// The widget tests need one QApplication for the whole run.
int main(int argc, char** argv)
{
    // ctest lists the tests without the environment it runs them with.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a test does may reach the settings or files of the user running it.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
