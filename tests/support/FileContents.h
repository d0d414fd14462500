#pragma once
// Whole files read and written as they are, byte for byte. Each throws
// std::runtime_error naming the path when the file cannot be opened, read or written,
// so that a test never compares against a file it silently failed to make.
#include <cstdint>
#include <string>
#include <vector>

namespace led::test {

std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace led::test
