#include "Database.h"

#include <filesystem>
#include <fstream>

namespace fuzz {

namespace {

// The 3 x 2 PNG of the test data: the picture cells show, small enough to live in the source.
const unsigned char kPicture[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
    0x44, 0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00,
    0x00, 0x9d, 0x74, 0x66, 0x1a, 0x00, 0x00, 0x00, 0x18, 0x49, 0x44, 0x41, 0x54, 0x78,
    0x9c, 0x63, 0xf8, 0xcf, 0xc0, 0xf0, 0x1f, 0x0c, 0x19, 0xfe, 0x03, 0x49, 0x20, 0x60,
    0x00, 0xb3, 0x18, 0x1a, 0x00, 0xa4, 0xf5, 0x0c, 0x75, 0x42, 0xb5, 0xa2, 0x56, 0x00,
    0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

} // namespace

bool WriteDatabase(const Database& database, const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path methods = fs::path(folder) / "Methods";
  fs::remove_all(methods, error);
  fs::create_directories(methods, error);
  if (error) {
    return false;
  }
  for (const auto& [name, lines] : database.methods) {
    std::ofstream out(methods / (name + ".4dm"), std::ios::binary);
    for (const std::string& line : lines) {
      out << line << '\n';
    }
    if (!out) {
      return false;
    }
  }
  std::ofstream picture(fs::path(folder) / "p.png", std::ios::binary);
  picture.write(reinterpret_cast<const char*>(kPicture), sizeof kPicture);
  return static_cast<bool>(picture);
}

bool ReadDatabase(const std::string& folder, Database* database) {
  namespace fs = std::filesystem;
  std::error_code error;
  database->methods.clear();
  for (const auto& entry : fs::directory_iterator(fs::path(folder) / "Methods", error)) {
    if (entry.path().extension() != ".4dm") {
      continue;
    }
    std::ifstream in(entry.path(), std::ios::binary);
    std::vector<std::string>& lines = database->methods[entry.path().stem().string()];
    for (std::string line; std::getline(in, line);) {
      lines.push_back(line);
    }
  }
  return database->methods.count("main") == 1;
}

} // namespace fuzz
