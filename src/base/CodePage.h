// Slide names and pattern files are 8-bit Windows-1252 text; the file system and the screen use
// UTF-8. These convert at that boundary.
#pragma once

#include <string>

// Every byte maps to a character (the five unassigned codes map to the C1 controls).
std::string Cp1252ToUtf8(const std::string& bytes);
// Characters outside Windows-1252, and invalid UTF-8, become '?'.
std::string Utf8ToCp1252(const std::string& text);
