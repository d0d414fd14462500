#include "support/FileContents.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace led::test {

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path + " for reading");
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw std::runtime_error("cannot read " + path);
  return text;
}

void WriteFileText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  const std::string text = ReadFileText(path);
  return {text.begin(), text.end()};
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  WriteFileText(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace led::test
