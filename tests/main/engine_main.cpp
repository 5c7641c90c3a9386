// Test program of the engine: C locale, clean state before every test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>

#include "support/test_listener.h"

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  ::testing::InitGoogleMock(&argc, argv);
  selvana::test::InstallTestListener();
  return RUN_ALL_TESTS();
}
