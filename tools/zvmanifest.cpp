// Prints the plug-in's command manifest, which the host reads to learn the command names and
// their parameter kinds; with --syntax, the commands' syntax lines as the manual shows them.
#include <stdio.h>
#include <string.h>

#include "plugin/CommandManifest.h"
#include "tools/CommandSyntax.h"

int main(int argc, char** argv) {
  std::string text;
  if (argc > 1 && strcmp(argv[1], "--syntax") == 0) {
    for (int i = 0; i < kZorviCommandCount; ++i) {
      if (gZorvi_GlueTable[i].fName != nullptr) {
        text += CommandSyntaxLine(gZorvi_GlueTable[i]) + "\n";
      }
    }
  } else if (argc > 1) {
    fputs("usage: zvmanifest [--syntax]\n", stderr);
    return 2;
  } else {
    text = FormatCommandManifest(gZorvi_GlueTable, kZorviCommandCount);
  }
  return fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
