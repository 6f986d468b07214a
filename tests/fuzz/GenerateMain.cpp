// zorvi-fuzz-gen: writes the database of one seed, to read or to run by hand.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Database.h"
#include "Generator.h"

int main(int argc, char** argv) {
  if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--shapes")) {
    std::fputs("usage: zorvi-fuzz-gen SEED FOLDER [--shapes LIST|all]\n", stderr);
    return 64;
  }
  unsigned shapes = 0;
  std::string error;
  if (argc == 5 && !fuzz::ParseShapes(argv[4], &shapes, &error)) {
    std::fprintf(stderr, "zorvi-fuzz-gen: %s\n", error.c_str());
    return 64;
  }
  const fuzz::Database database = fuzz::Generate(std::strtoull(argv[1], nullptr, 10), shapes);
  if (!fuzz::WriteDatabase(database, argv[2])) {
    std::fprintf(stderr, "zorvi-fuzz-gen: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
