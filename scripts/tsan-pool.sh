#!/usr/bin/env bash
# The decoding workers under ThreadSanitizer: builds only the pool, the decoding jobs and their
# tests with -fsanitize=thread (in BUILD_DIR, default build-tsan) and runs those tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build-tsan}
mkdir -p "$dir"
compiler=c++
if command -v ccache >/dev/null; then
  compiler="ccache c++"
fi
cd "$root"
$compiler -std=c++20 -O1 -g -fsanitize=thread -fno-omit-frame-pointer -Wall -Wextra -Werror \
  -I"$root" tests/unit/grid/DecodingPoolTest.cpp util/ZVWorkerPool.cpp util/ZVPageBuffer.cpp \
  util/posix/ZVPageBufferMapping.cpp grid/PictureDecodeJob.cpp \
  gfx/PictureDecoder.cpp gfx/ExifThumbnail.cpp gfx/cairo/JpegDecoding.cpp tests/photos/TestPhotos.cpp \
  -o "$dir/decoding_pool_tests" -lgtest -lgtest_main -ljpeg -pthread
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 "$dir/decoding_pool_tests"
