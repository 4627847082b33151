#include <gtest/gtest.h>

#include <QCoreApplication>

// The adapters need an application object for their timers, sockets and serial ports.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
