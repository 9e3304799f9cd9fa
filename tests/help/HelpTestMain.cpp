#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/TestEnvironment.h"

int main(int argc, char **argv) {
    isolateUserFolders();
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    resetUserDefaultsBeforeEveryTest();
    return RUN_ALL_TESTS();
}
