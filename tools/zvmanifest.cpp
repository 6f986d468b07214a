// Prints the plug-in's command manifest, which the host reads to learn the command names and
// their parameter kinds.
#include <stdio.h>

#include "plugin/CommandManifest.h"

int main() {
  const std::string manifest = FormatCommandManifest(gZorvi_GlueTable, kZorviCommandCount);
  return fwrite(manifest.data(), 1, manifest.size(), stdout) == manifest.size() ? 0 : 1;
}
