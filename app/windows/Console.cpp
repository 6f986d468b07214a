#include "Console.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

// The C runtime would otherwise write each "\n" as "\r\n".
void PrepareConsole() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}
