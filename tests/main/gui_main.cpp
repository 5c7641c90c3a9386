// Test program of the windows: offscreen platform unless told otherwise, one application object,
// C numbers, clean state before every test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>

#include "support/test_listener.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleMock(&argc, argv);
  selvana::test::InstallTestListener();
  return RUN_ALL_TESTS();
}
