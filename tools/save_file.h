// Writing the capture tools' pictures to a file.
#pragma once

#include <string>
#include <vector>

// Saves bytes under path so that the name never holds part of them: a regular file, or a new one,
// is written beside the target and renamed over it, so a failed write leaves what was there. What
// cannot be renamed over (a device, a pipe) is written in place. A symbolic link keeps pointing
// where it did, whether its file exists yet or not: the file it points to is written, as the
// shell's > writes it. False, with the reason in why, on any failure.
bool SaveFile(const std::string& path, const std::vector<unsigned char>& bytes, std::string* why);
