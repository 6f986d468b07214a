// Standard output and error carry the same bytes on every platform: a line ends with "\n".
#pragma once

void PrepareConsole();
