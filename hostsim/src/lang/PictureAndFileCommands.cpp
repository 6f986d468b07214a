// Pictures, documents and folders: READ PICTURE FILE, PICTURE PROPERTIES, Picture size,
// DOCUMENT LIST, Get 4D folder(Database folder). Relative paths are taken from the current
// directory.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "../ArrayElements.h"
#include "../HostState.h"
#include "../Pictures.h"
#include "../Utf.h"
#include "Commands.h"

namespace zvhost::lang {

namespace {

namespace fs = std::filesystem;

fs::path PathArg(CommandContext& c, size_t i) {
  return fs::path(Utf16ToUtf8(c.TextArg(i)));
}

Value ReadPictureFile(CommandContext& c) {
  c.ExpectCount(2, 2);
  const fs::path path = PathArg(c, 0);
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) {
    c.Fail("cannot open \"" + path.string() + "\"");
  }
  // Read in one piece: photos are megabytes.
  const std::streamoff size = file.tellg();
  if (size < 0 || size > std::streamoff{INT32_MAX}) {
    c.Fail("\"" + path.string() + "\" is too large");
  }
  PictureBytes bytes(static_cast<size_t>(size));
  file.seekg(0);
  if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) {
    c.Fail("cannot read \"" + path.string() + "\"");
  }
  FDPicture picture = nullptr;
  if (AdoptPictureBytes(std::move(bytes), &picture) != kFDErrNone) {
    c.Fail("\"" + path.string() + "\" is not a PNG, TIFF or JPEG picture");
  }
  c.AssignArg(1, Value::AdoptPicture(picture));
  return Value();
}

Value PictureProperties(CommandContext& c) {
  c.ExpectCount(3, 3);
  const Value picture = c.Arg(0);
  if (picture.Kind() != kFDPicture) {
    c.Fail("parameter 1 must be a picture");
  }
  int32_t width = 0;
  int32_t height = 0;
  PictureDimensions(picture.PictureValue(), &width, &height);
  c.AssignArg(1, Value::Long(width));
  c.AssignArg(2, Value::Long(height));
  return Value();
}

Value DocumentList(CommandContext& c) {
  c.ExpectCount(2, 2);
  const fs::path folder = PathArg(c, 0);
  std::error_code error;
  std::vector<std::u16string> names;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code kindError;
    const std::string name = it->path().filename().string();
    if (it->is_regular_file(kindError) && !name.empty() && name[0] != '.') {
      names.push_back(Utf8ToUtf16(name));
    }
  }
  if (error) {
    c.Fail("cannot list \"" + folder.string() + "\"");
  }
  std::sort(names.begin(), names.end());
  Value array;
  if (Value::NewArray(kFDArrayText, static_cast<int32_t>(names.size()), &array) != kFDErrNone) {
    c.Fail("cannot make the array");
  }
  ArrayView view(array.ArrayBlock());
  std::string message;
  for (size_t i = 0; i < names.size(); ++i) {
    StoreElement(view, static_cast<int32_t>(i + 1), Value::Text(names[i]), &message);
  }
  Variable& variable = c.VariableArg(1);
  variable.value.Replace(std::move(array));
  variable.typed = true;
  return Value();
}

// The value of the constant Database folder; the only folder this host knows.
constexpr int32_t kDatabaseFolder = 4;

Value Get4DFolder(CommandContext& c) {
  c.ExpectCount(1, 1);
  if (c.LongArg(0) != kDatabaseFolder) {
    c.Fail("only the Database folder is known here");
  }
  std::string folder = State().fDatabaseFolder;
  if (folder.empty()) {
    // No database: methods run from the current directory.
    std::error_code error;
    folder = fs::current_path(error).generic_string() + "/";
  }
  return Value::Text(Utf8ToUtf16(folder));
}

} // namespace

void RegisterPictureAndFileCommands() {
  RegisterCommand(u"READ PICTURE FILE", ReadPictureFile);
  RegisterCommand(u"PICTURE PROPERTIES", PictureProperties);
  RegisterCommand(u"Picture size", [](CommandContext& c) {
    c.ExpectCount(1, 1);
    const Value picture = c.Arg(0);
    if (picture.Kind() != kFDPicture) {
      c.Fail("parameter 1 must be a picture");
    }
    return Value::Long(PictureByteSize(picture.PictureValue()));
  });
  RegisterCommand(u"DOCUMENT LIST", DocumentList);
  RegisterCommand(u"Database folder", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    return Value::Long(kDatabaseFolder);
  });
  RegisterCommand(u"Get 4D folder", Get4DFolder);
}

} // namespace zvhost::lang
