// Installed by both test mains: fails any message box a test did not script, and resets all
// global state before each test.
#pragma once
#include <gtest/gtest.h>

namespace selvana::test {

void InstallTestListener();

}  // namespace selvana::test
