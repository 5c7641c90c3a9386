// What every fuzz target shares: a private scratch folder made current once, the input written
// there as a file the reader under test opens, and message boxes that answer without a window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace selvana::fuzz {

// Makes a fresh scratch folder current (once per process), installs the quiet message box,
// and writes the input bytes to the file name there. Returns the file's path.
std::string PrepareInput(const std::string& name, const std::uint8_t* data, std::size_t size);

// The bytes of the file at path (empty when it cannot be read).
std::string FileContents(const std::string& path);

// Stops the process with a message when a property of the reader does not hold, so that the
// fuzzer keeps the input that broke it.
void Require(bool holds, const char* what);

}  // namespace selvana::fuzz
