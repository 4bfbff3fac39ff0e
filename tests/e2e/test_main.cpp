// Entry point of the end-to-end tests, which start Kestrel99.exe from the
// directory of this test program and drive it from outside.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
