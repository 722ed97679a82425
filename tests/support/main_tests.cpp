#include <QApplication>

#include <gtest/gtest.h>

// Every test program runs inside one QApplication (offscreen in ctest).
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
