#include "command_line_counts.h"

bool ParseCount(const std::string& text, long largest, long* value) {
    if (text.empty() || text[0] < '1' || text[0] > '9') {
        return false;
    }
    long parsed = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9' || parsed > (largest - (digit - '0')) / 10) {
            return false;
        }
        parsed = parsed * 10 + (digit - '0');
    }
    *value = parsed;
    return true;
}

bool ParseSize(const std::string& text, long largestSide, long* width, long* height) {
    const size_t cross = text.find('x');
    return cross != std::string::npos && ParseCount(text.substr(0, cross), largestSide, width) &&
           ParseCount(text.substr(cross + 1), largestSide, height);
}
