// Writing RGB pictures as PNG files.
#pragma once

#include <string>
#include <vector>

// Encodes width x height RGB rows as a PNG and saves it under path (save_file.h). False, with the
// reason in why, on any failure.
bool WritePng(const std::string& path, const std::vector<unsigned char>& rgb, int width, int height,
              std::string* why);
