// zorvi-host --window as a person meets it, for the live tests: started on a database under the
// virtual display, driven with xdotool, its log read as it comes, and stopped at the end. Every
// wait is bounded.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace zorvi::live {

class LiveHost {
public:
  // Starts `zorvi-host --plugin PLUGIN --window DATABASE ARGS...`, standard error into the log.
  LiveHost(const std::string& database, const std::vector<std::string>& args);
  // Stops it if it still runs.
  ~LiveHost();
  LiveHost(const LiveHost&) = delete;
  LiveHost& operator=(const LiveHost&) = delete;

  // Waits up to `seconds` for a log line containing `text`, looking from line `from` on; the
  // line's index, or -1.
  int WaitForLine(const std::string& text, double seconds, int from = 0);
  const std::vector<std::string>& Lines();
  // Waits up to `seconds` for the host to end by itself; its exit status, or -1 when it had not.
  int WaitForExit(double seconds);
  // SIGTERM (the desktop's quit), then SIGKILL after a bound; the exit status, -1 when killed.
  int Stop();
  // The processor time the host has used so far, user and system, in seconds; -1 when unknown.
  double CpuSeconds() const;

private:
  void ReadAvailable();

  pid_t fPid = -1;
  int fOutput = -1;
  std::string fPartial;
  std::vector<std::string> fLines;
  int fStatus = -1;
};

// Runs xdotool with these arguments, at most a few seconds; true when it succeeded.
bool Xdo(const std::vector<std::string>& args);

// A PNG's pixel, 0xRRGGBB; -1 when the file cannot be read or the point lies outside.
long PixelAt(const std::string& png, int x, int y);
// The pixel on the virtual display's screen (its frame buffer, a window dump file), 0xRRGGBB;
// -1 when it cannot be read.
long ScreenPixelAt(const std::string& frameBuffer, int x, int y);

} // namespace zorvi::live
