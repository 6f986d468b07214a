// A generated database in memory: its methods as lines, written out as a database folder
// (Methods/NAME.4dm) with the picture file its main method reads.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace fuzz {

struct Database {
  std::map<std::string, std::vector<std::string>> methods; // name -> lines
};

// Replaces the folder's methods with the database's; false when a file cannot be written.
bool WriteDatabase(const Database& database, const std::string& folder);

// Reads a database folder back (every Methods/*.4dm); false when it has no main method.
bool ReadDatabase(const std::string& folder, Database* database);

} // namespace fuzz
