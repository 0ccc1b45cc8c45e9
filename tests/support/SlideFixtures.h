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
// The folder most window tests browse: b.sld (300 x 300), A.SLD (400 x 200), c.Sld (200 x 100),
// Lib.SLB holding FIRST (100 x 50), SECOND (50 x 100) and THIRD (80 x 80), a pattern file
// hatch.pat with one pattern X, and notes.txt, which is none of these.
void WriteBrowseFolder(const std::string& folder);
