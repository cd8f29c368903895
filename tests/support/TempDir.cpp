#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

TempDir::TempDir() {
  const std::filesystem::path base = std::filesystem::temp_directory_path() / "rosba-test-XXXXXX";
  std::string pattern = base.string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  const std::string path = *this / name;
  std::ofstream file(path, std::ios::binary);
  file << bytes;
  file.close();
  // A fixture that is not there would fail a test much later, for another reason.
  if (!file) throw std::runtime_error("cannot write the fixture " + path);
  return path;
}

std::string ReadFile(const std::string& path, bool* exists) {
  std::ifstream in(path, std::ios::binary);
  if (exists != nullptr) *exists = static_cast<bool>(in);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool PathExists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

}  // namespace testsupport
