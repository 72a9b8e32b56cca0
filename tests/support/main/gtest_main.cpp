// The core tests' main: takes the locale from the environment, as the windowed
// program does, so that a run under a comma-decimal locale proves that no
// number in a file follows the user's locale.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
