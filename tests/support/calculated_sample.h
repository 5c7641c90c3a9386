// A sample project read from a copy in the current folder and calculated by the circle search of
// its method, its verdict box answered and its results consolidated as the run command leaves
// them.
#pragma once
#include <string>

#include "mainwin/main_layout.h"

namespace selvana::test {

// The folders of the project files the tests read: the samples, written independently of our
// code, and the examples the program ships for a user to open first.
inline constexpr const char* kSamplesFolder = SELVANA_SAMPLES;
inline constexpr const char* kExamplesFolder = SELVANA_EXAMPLES;

// Copies <name>.SDW from the folder into the current folder (over an earlier copy) and reads it;
// fails the test when either fails.
void ReadSample(const std::string& name, const std::string& folder = kSamplesFolder);

// ReadSample, then runs it by Bishop (methods 2, 4) or Fellenius (any other); fails the test
// when any step fails.
void CalculateCircleSample(const std::string& name, const std::string& folder = kSamplesFolder);

// CalculateCircleSample in a temporary folder, which it leaves again, then the view fitted to the
// model (which redraws it), as the view shows a project after its run.
void CalculateAndShowSample(const std::string& name, const std::string& folder = kSamplesFolder);

// The view of a maximised main window on a screen of this size, on the offscreen platform: its
// frame and menu bar leave a client area 4 px narrower and 25 px lower than the screen.
ControlRect MaximisedViewOn(int screenWidth, int screenHeight);

}  // namespace selvana::test
