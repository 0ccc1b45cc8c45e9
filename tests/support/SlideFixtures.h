// Small slides and libraries that tests build on disk.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A small valid slide: a frame and a diagonal just inside highX x highY, in colour 1.
std::vector<uint8_t> MakeSlide(int highX, int highY);
// Writes a library holding the given (name, bytes) slides, in that order.
void WriteLibrary(const std::string& path,
                  const std::vector<std::pair<std::string, std::vector<uint8_t>>>& slides);
// The slide names of a library file, in directory order.
std::vector<std::string> LibraryNames(const std::string& path);
