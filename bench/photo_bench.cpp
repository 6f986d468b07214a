// A real photo library: 4000 x 3000 camera-like JPEG photos (made once, kept in the build folder)
// in a full-screen 1920 x 1080 grid of 160 x 160 cells with the default cache, driven through
// the emulated host as a database would drive it. Measured: the first complete screen, one
// scroll step that brings a new row in, evaluations per idle once complete, and the peak memory
// of a process doing just that, each for plain photos (argument 0) and for the same photos
// carrying a camera's 160 x 120 EXIF preview (argument 1); beside them, the single-core floor:
// reading and decoding the same visible photos at 1/8 scale on one thread.

#include <benchmark/benchmark.h>

#if ZORVI_WITH_GRID

#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csetjmp>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "grid/PictureDecodeJob.h"
#include "grid/ZorvinArea.h"
#include "plugin/CommandManifest.h"
#include "plugin/Entry.h"
#include "plugin/PlugInfo.h"
#include "sdk/HostWindows.h"
#include "tests/photos/TestPhotos.h"
#include "zvhost/Host.h"

namespace {

constexpr int kPhotos = 30;
constexpr int kCells = 2000;
constexpr int kColumns = 12;
constexpr int kVisibleRows = 7; // 1080 / 160, the last one cut
constexpr int kVisible = kColumns * kVisibleRows;

std::string PhotoPath(int i, bool thumbnails = false) {
  char name[32];
  snprintf(name, sizeof name, thumbnails ? "camera_%02d.jpg" : "photo_%02d.jpg", i);
  return std::string(ZORVI_BENCH_PHOTO_DIR) + "/" + name;
}

// Cell n shows photo ((n - 1) mod kPhotos) + 1.
std::string PhotoOfCell(int cell, bool thumbnails = false) {
  return PhotoPath((cell - 1) % kPhotos + 1, thumbnails);
}

bool MakePhotos() {
  std::filesystem::create_directories(ZORVI_BENCH_PHOTO_DIR);
  for (int i = 1; i <= kPhotos; ++i) {
    const auto seed = static_cast<uint32_t>(i);
    if (!std::filesystem::exists(PhotoPath(i)) &&
        !testphotos::WritePhoto(PhotoPath(i), 4000, 3000, seed)) {
      return false;
    }
    if (!std::filesystem::exists(PhotoPath(i, true)) &&
        !testphotos::CopyWithThumbnail(PhotoPath(i), PhotoPath(i, true), 4000, 3000, seed,
                                       testphotos::Thumbnail{160, 120, 0})) {
      return false;
    }
  }
  return true;
}

class Host {
public:
  explicit Host(bool thumbnails = false) {
    zvhost::ResetHost(zvhost::ProgramMode::SingleUser, 0x1400);
    fInit.fHostVersion = 0x1400;
    fInit.fCallBack = zvhost::CallBackEntry();
    FourDPackex(kFDInitPlugin, &fInit, nullptr, nullptr);
    zvhost::SetPluginEntry(FourDPackex);
    const std::string manifest = std::string(ZORVI_BENCH_PHOTO_DIR) + "/zorvi.manifest";
    {
      std::ofstream out(manifest);
      out << FormatCommandManifest(gZorvi_GlueTable, kZorviCommandCount);
    }
    zvhost::LoadCommandManifest(manifest);
    zvhost::SetLogSink([this](const std::string& line) {
      fLast = line;
      Probe();
    });
    // Each evaluation reports itself, so that the probe looks at the window between two of them.
    zvhost::DefineMethod("CellPhoto",
                         "gEvaluated:=gEvaluated+1\n"
                         "LOG(gZVCurrentCell)\n"
                         "READ PICTURE FILE(gNames{gZVCurrentCell};$0)\n",
                         "");
    std::string names = "ARRAY TEXT(gNames;0)\n";
    for (int cell = 1; cell <= kCells; ++cell) {
      names += "APPEND TO ARRAY(gNames;\"" + PhotoOfCell(cell, thumbnails) + "\")\n";
    }
    Run(names);
  }
  ~Host() {
    zvhost::SetLogSink(nullptr);
    zvhost::CloseAllWindows();
    zvhost::SetPluginEntry(nullptr);
    FourDPackex(kFDDeinitPlugin, nullptr, nullptr, nullptr);
    zvhost::ResetHost();
  }

  bool Run(const std::string& code) { return zvhost::RunCode(code) == 0; }
  int Value(const std::string& expression) {
    Run("LOG(" + expression + ")");
    return std::atoi(fLast.c_str());
  }

  // An empty grid on screen, then its cells: the seconds until the window shows the first photo,
  // and until the screen is complete. Negative when it fails.
  double FirstCell(double* complete) {
    const std::string width = std::to_string(1920 + ZorvinArea::ScrollbarThickness());
    if (!Run("gEvaluated:=0\n"
             "gW:=Open window(0;0;" +
             width +
             ";1080)\n"
             "gRef:=Plugin area(gW;\"photos\";0;0;" +
             width +
             ";1080)\n"
             "C_PICTURE(gNone)\n"
             "ASSERT(ZV_SetCellOptions(gRef;160;160;gNone;0;0;0)=0)\n"
             "ASSERT(ZV_SetCellPicture(gRef;\"CellPhoto\";10;10;150;120;6)=0)\n"
             "IDLE\nIDLE\n")) {
      return -1;
    }
    fWindow = GetDC(static_cast<HWND>(zvhost::HostWindow(Value("gW"))));
    if (fWindow == nullptr) {
      return -1;
    }
    fBlank = CellOnePixel();
    fFirstCell = -1;
    fStart = std::chrono::steady_clock::now();
    fProbing = true;
    const bool loaded = Run("ASSERT(ZV_SetNumCells(gRef;\"" + std::to_string(kCells) + "\")=0)");
    *complete = Seconds();
    fProbing = false;
    Probe();
    return loaded && Value("gEvaluated") == kVisible ? fFirstCell : -1;
  }

  // Window, area, cells; then the host's first turns until the screen is complete.
  bool FirstScreen() {
    const std::string width = std::to_string(1920 + ZorvinArea::ScrollbarThickness());
    return Run("gEvaluated:=0\n"
               "gW:=Open window(0;0;" +
               width +
               ";1080)\n"
               "gRef:=Plugin area(gW;\"photos\";0;0;" +
               width +
               ";1080)\n"
               "C_PICTURE(gNone)\n"
               "ASSERT(ZV_SetCellOptions(gRef;160;160;gNone;0;0;0)=0)\n"
               "ASSERT(ZV_SetCellPicture(gRef;\"CellPhoto\";10;10;150;120;6)=0)\n"
               "ASSERT(ZV_SetCellCaption(gRef;\"\\\"Photo \\\"+String(gZVCurrentCell)\";"
               "0;125;160;160;\"\")=0)\n"
               "ASSERT(ZV_SetCaptionAlignment(gRef;1;1)=0)\n"
               "ASSERT(ZV_SetNumCells(gRef;\"" +
               std::to_string(kCells) +
               "\")=0)\n"
               "IDLE\nIDLE\n") &&
           Value("gEvaluated") == kVisible;
  }
  void Close() { Run("CLOSE WINDOW(gW)"); }

  // Brings row `row` (1-based) in at the bottom and lets the host draw it.
  bool ScrollTo(int row) {
    return Run("ASSERT(ZV_RevealCell(gRef;" + std::to_string((row - 1) * kColumns + 1) +
               ")=0)\nIDLE\n");
  }

private:
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - fStart).count();
  }
  // The middle of cell 1's photo.
  uint32_t CellOnePixel() const {
    const auto* row = reinterpret_cast<const uint8_t*>(fWindow->fPixels) + 65 * fWindow->fRowBytes;
    return reinterpret_cast<const uint32_t*>(row)[80];
  }
  void Probe() {
    if (fProbing && fFirstCell < 0 && CellOnePixel() != fBlank) {
      fFirstCell = Seconds();
    }
  }

  FDPackInitBlock fInit{};
  std::string fLast;
  const FDDeviceContext* fWindow = nullptr;
  uint32_t fBlank = 0;
  bool fProbing = false;
  double fFirstCell = -1;
  std::chrono::steady_clock::time_point fStart;
};

void BM_PhotoFirstScreen(benchmark::State& state) {
  if (!MakePhotos()) {
    state.SkipWithError("cannot write the photos");
    return;
  }
  Host host(state.range(0) != 0);
  int perIdle = -1;
  for (auto _ : state) {
    if (!host.FirstScreen()) {
      state.SkipWithError("the first screen is not complete");
      return;
    }
    state.PauseTiming();
    const int before = host.Value("gEvaluated");
    host.Run("IDLE\nIDLE\nIDLE\n");
    perIdle = (host.Value("gEvaluated") - before) / 3;
    host.Close();
    state.ResumeTiming();
  }
  state.counters["cells"] = kVisible;
  state.counters["evaluations_per_idle"] = perIdle;
}
BENCHMARK(BM_PhotoFirstScreen)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// The time until the window shows the first photo (the iteration time), with the whole screen's
// beside it, for a grid already on screen that is given its cells.
void BM_PhotoFirstCell(benchmark::State& state) {
  if (!MakePhotos()) {
    state.SkipWithError("cannot write the photos");
    return;
  }
  Host host(state.range(0) != 0);
  double complete = 0;
  for (auto _ : state) {
    const double first = host.FirstCell(&complete);
    if (first < 0) {
      state.SkipWithError("the first cell was not drawn");
      return;
    }
    state.SetIterationTime(first);
    host.Close();
  }
  state.counters["complete_ms"] = complete * 1000;
}
BENCHMARK(BM_PhotoFirstCell)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();

void BM_PhotoScrollStep(benchmark::State& state) {
  if (!MakePhotos()) {
    state.SkipWithError("cannot write the photos");
    return;
  }
  Host host(state.range(0) != 0);
  if (!host.FirstScreen()) {
    state.SkipWithError("the first screen is not complete");
    return;
  }
  int row = kVisibleRows;
  const int maxRow = kCells / kColumns;
  for (auto _ : state) {
    row = row >= maxRow ? kVisibleRows : row + 1;
    if (!host.ScrollTo(row)) {
      state.SkipWithError("reveal failed");
      return;
    }
  }
  state.counters["evaluated"] = host.Value("gEvaluated");
}
BENCHMARK(BM_PhotoScrollStep)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40)
    ->UseRealTime();

// The peak resident memory of a process that opens the screen and scrolls 40 rows, in MiB; the
// second argument 0 turns the decoding workers off, so that every photo decodes on the calling
// thread as it is stored: the serial baseline, measured in the same run.
void BM_PhotoPeakMemory(benchmark::State& state) {
  if (!MakePhotos()) {
    state.SkipWithError("cannot write the photos");
    return;
  }
  double peak = 0;
  for (auto _ : state) {
    const pid_t child = fork();
    if (child == 0) {
      bool ok = false;
      PictureDecodeJob::SetWorkersEnabled(state.range(1) != 0);
      {
        Host host(state.range(0) != 0);
        ok = host.FirstScreen();
        for (int row = kVisibleRows + 1; ok && row <= kVisibleRows + 40; ++row) {
          ok = host.ScrollTo(row);
        }
      }
      _exit(ok ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
      state.SkipWithError("the measuring process failed");
      return;
    }
    peak = double(usage.ru_maxrss) / 1024; // KiB
  }
  state.counters["peak_MiB"] = peak;
  state.counters["cache_limit_MiB"] = 128;
}
BENCHMARK(BM_PhotoPeakMemory)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

struct JpegErrors {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

void Escape(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->escape, 1);
}

// Reads a file and decodes it at 1/8 scale; false on failure.
bool DecodeEighth(const std::string& path, std::vector<uint8_t>* bytes,
                  std::vector<uint8_t>* pixels) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  const std::streamoff size = file.tellg();
  if (!file || size <= 0) {
    return false;
  }
  bytes->resize(static_cast<size_t>(size));
  file.seekg(0);
  if (!file.read(reinterpret_cast<char*>(bytes->data()), size)) {
    return false;
  }
  jpeg_decompress_struct info;
  JpegErrors errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = Escape;
  jpeg_create_decompress(&info);
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_mem_src(&info, bytes->data(), static_cast<unsigned long>(bytes->size()));
  jpeg_read_header(&info, TRUE);
  info.scale_num = 1;
  info.scale_denom = 8;
  info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  pixels->resize(size_t(info.output_width) * info.output_height * 4);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {pixels->data() + size_t(info.output_scanline) * info.output_width * 4};
    jpeg_read_scanlines(&info, rows, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

// The floor: the visible photos read and decoded at 1/8, nothing else.
void BM_PhotoFloorVisibleEighth(benchmark::State& state) {
  if (!MakePhotos()) {
    state.SkipWithError("cannot write the photos");
    return;
  }
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> pixels;
  for (auto _ : state) {
    for (int cell = 1; cell <= kVisible; ++cell) {
      if (!DecodeEighth(PhotoOfCell(cell), &bytes, &pixels)) {
        state.SkipWithError("decoding failed");
        return;
      }
    }
  }
  state.counters["cells"] = kVisible;
}
BENCHMARK(BM_PhotoFloorVisibleEighth)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

#endif
