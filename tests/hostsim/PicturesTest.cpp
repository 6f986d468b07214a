// Pictures from PNG and TIFF bytes, their copies, sizes and native images, and the host
// commands about pictures and forms.
#include <fstream>
#include <iterator>
#include <vector>

#include "HostTestSupport.h"
#include "tests/ParamNames.h"

namespace {

using namespace hosttest;

std::vector<char> ReadData(const char* name) {
  std::ifstream file(std::string(ZVHOST_TEST_DATA_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

FDPicture MakePicture(const std::vector<char>& bytes, int16_t* error = nullptr) {
  FDEngineBlock b = NewBlock();
  b.fPtr1 = const_cast<char*>(bytes.data());
  b.fParam1 = static_cast<int32_t>(bytes.size());
  b = Call(kFDCreateFDPicture, b);
  if (error != nullptr) {
    *error = b.fError;
  }
  return static_cast<FDPicture>(b.fPtr2);
}

int16_t PictureOp(int16_t selector, void* ptr) {
  FDEngineBlock b = NewBlock();
  b.fPtr1 = ptr;
  return Call(selector, b).fError;
}

class PictureFormats : public HostTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PictureFormats, KeepTheirBytesAndDecodePremultiplied) {
  const std::vector<char> bytes = ReadData(GetParam());
  ASSERT_FALSE(bytes.empty());
  FDPicture picture = MakePicture(bytes);
  ASSERT_NE(nullptr, picture);
  EXPECT_EQ(1, zvhost::CountLiveObjects().pictures);

  FDEngineBlock size = NewBlock();
  size.fPtr1 = picture;
  EXPECT_EQ(static_cast<int32_t>(bytes.size()), Call(kFDGetPictureByteSize, size).fParam1);

  FDEngineBlock native = NewBlock();
  native.fPtr1 = picture;
  native = Call(kFDCreateNativeImage, native);
  ASSERT_EQ(0, native.fError);
  auto* image = static_cast<FDNativeImage*>(native.fPtr2);
  ASSERT_EQ(3, image->fWidth);
  ASSERT_EQ(2, image->fHeight);
  EXPECT_EQ(12, image->fRowBytes);
  const std::vector<uint32_t> expected = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                          0xFFFFFFFF, 0xFF000000, 0x80800000};
  EXPECT_EQ(expected, std::vector<uint32_t>(image->fPixels, image->fPixels + 6));
  EXPECT_EQ(1, zvhost::CountLiveObjects().nativeImages);
  EXPECT_EQ(0, PictureOp(kFDDisposeNativeImage, image));
  EXPECT_EQ(0, PictureOp(kFDDisposeFDPicture, picture));
}

INSTANTIATE_TEST_SUITE_P(Host, PictureFormats, ::testing::Values("rgb3x2.png", "rgb3x2.tiff"),
                         paramnames::By([](const char* file) { return std::string(file); }));

TEST_F(HostTest, DuplicatesAreObjectsOfTheirOwn) {
  FDPicture picture = MakePicture(ReadData("rgb3x2.png"));
  FDEngineBlock dup = NewBlock();
  dup.fPtr1 = picture;
  dup = Call(kFDDuplicateFDPicture, dup);
  ASSERT_EQ(0, dup.fError);
  ASSERT_NE(nullptr, dup.fPtr2);
  EXPECT_NE(static_cast<void*>(picture), dup.fPtr2);
  EXPECT_EQ(2, zvhost::CountLiveObjects().pictures);
  EXPECT_EQ(0, PictureOp(kFDDisposeFDPicture, picture));
  FDEngineBlock size = NewBlock();
  size.fPtr1 = dup.fPtr2;
  EXPECT_EQ(81, Call(kFDGetPictureByteSize, size).fParam1); // the copy outlives the original
  EXPECT_EQ(0, PictureOp(kFDDisposeFDPicture, dup.fPtr2));
}

TEST_F(HostTest, BadPicturesAreErrors) {
  int16_t error = 0;
  EXPECT_EQ(nullptr, MakePicture({'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'}, &error));
  EXPECT_EQ(kFDErrBadParameter, error);
  std::vector<char> truncated = ReadData("rgb3x2.png");
  truncated.resize(20);
  EXPECT_EQ(nullptr, MakePicture(truncated, &error));
  EXPECT_EQ(kFDErrBadParameter, error);
  int notAPicture = 0;
  EXPECT_EQ(kFDErrBadParameter, PictureOp(kFDDisposeFDPicture, &notAPicture));
  EXPECT_EQ(kFDErrBadParameter, PictureOp(kFDCreateNativeImage, &notAPicture));
  EXPECT_EQ(kFDErrBadParameter, PictureOp(kFDDisposeNativeImage, &notAPicture));
  EXPECT_EQ(0, PictureOp(kFDDisposeFDPicture, nullptr));
  FDEngineBlock size = NewBlock();
  size.fPtr1 = &notAPicture;
  EXPECT_EQ(0, Call(kFDGetPictureByteSize, size).fParam1);
}

FDEngineBlock Command(int32_t number, ValueBlock* params, int32_t count) {
  FDEngineBlock b = NewBlock();
  b.fParam1 = number;
  b.fParam2 = count;
  b.fPtr1 = params;
  return Call(kFDExecuteCommandByID, b);
}

TEST_F(HostTest, PictureCommandsByNumber) {
  FDPicture picture = MakePicture(ReadData("rgb3x2.tiff"));
  ValueBlock params[3];
  std::memset(params, 0, sizeof(params));
  Put(params[0], kFDPicture, picture);
  FDEngineBlock size = Command(356, params, 1);
  EXPECT_EQ(0, size.fError);
  EXPECT_EQ(kFDLongint, size.fValue.fBytes[0]);
  EXPECT_EQ(178, Load<int32_t>(size.fValue));
  ASSERT_EQ(0, Command(457, params, 3).fError);
  EXPECT_EQ(3, Load<int32_t>(params[1]));
  EXPECT_EQ(2, Load<int32_t>(params[2]));
  EXPECT_EQ(kFDErrBadParameter, Command(457, params, 1).fError);
  PictureOp(kFDDisposeFDPicture, picture);
}

TEST_F(HostTest, FormCommandsBeforeFormsExist) {
  FDEngineBlock event = Command(388, nullptr, 0);
  EXPECT_EQ(0, event.fError);
  EXPECT_EQ(0, Load<int32_t>(event.fValue));
  EXPECT_EQ(kFDErrBadParameter, Command(1184, nullptr, 0).fError); // no object name
  EXPECT_EQ(kFDErrUnknownCommand, Command(12345, nullptr, 0).fError);
}

TEST_F(HostTest, ReadPictureFileInTheLanguage) {
  Run(std::string("READ PICTURE FILE(\"") + ZVHOST_TEST_DATA_DIR +
      "/rgb3x2.png\";$p)\nPICTURE PROPERTIES($p;$w;$h)\nLOG($w;$h;Picture size($p);$p)");
  EXPECT_EQ("3\t2\t81\t[picture 3x2]", fLog.at(0));
  Run(std::string("ARRAY PICTURE($all;2)\nARRAY LONGINT($sizes;0)\nREAD PICTURE FILE(\"") +
      ZVHOST_TEST_DATA_DIR +
      "/rgb3x2.tiff\";$all{2})\nPICTURE "
      "PROPERTIES($all{2};$w;$sizes{0})\nLOG($all{1};$all{2};$w;$sizes{0})");
  EXPECT_EQ("[no picture]\t[picture 3x2]\t3\t2", fLog.at(1));
  std::string message;
  EXPECT_EQ(kFDErrRuntime, zvhost::RunCode("READ PICTURE FILE(\"/no/such.png\";$p)", &message));
}

TEST_F(HostTest, DocumentListInTheLanguage) {
  Run(std::string("DOCUMENT LIST(\"") + ZVHOST_TEST_DATA_DIR +
      "\";$names)\n$found:=0\nFor($i;1;Size of array($names))\nIf($names{$i}=\"rgb3x2.tiff\")\n"
      "$found:=$i\nEnd if\nEnd for\nLOG($found>0;$names{$found-1}<=$names{$found})");
  EXPECT_EQ("True\tTrue", fLog.at(0)); // listed, in order
}

} // namespace
