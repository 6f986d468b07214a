#include "Shrink.h"

#include <chrono>

namespace fuzz {

namespace {

struct Node {
  std::string line;
  std::vector<Node> body; // a block's statements
  std::string end;        // a block's End line; empty for a plain statement
};

bool StartsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

std::string Trimmed(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t");
  return first == std::string::npos ? "" : line.substr(first);
}

bool OpensBlock(const std::string& line) {
  const std::string t = Trimmed(line);
  for (const char* keyword : {"If", "For", "While"}) {
    const size_t n = std::char_traits<char>::length(keyword);
    if (StartsWith(t, keyword) && t.size() > n && (t[n] == ' ' || t[n] == '(')) {
      return true;
    }
  }
  return false;
}

bool ClosesBlock(const std::string& line) {
  return StartsWith(Trimmed(line), "End ");
}

std::vector<Node> Parse(const std::vector<std::string>& lines, size_t* at) {
  std::vector<Node> nodes;
  while (*at < lines.size()) {
    const std::string& line = lines[*at];
    if (ClosesBlock(line)) {
      return nodes;
    }
    ++*at;
    Node node{line, {}, ""};
    if (OpensBlock(line)) {
      node.body = Parse(lines, at);
      node.end = *at < lines.size() ? lines[(*at)++] : "";
    }
    nodes.push_back(std::move(node));
  }
  return nodes;
}

void Flatten(const std::vector<Node>& nodes, std::vector<std::string>* lines) {
  for (const Node& node : nodes) {
    lines->push_back(node.line);
    Flatten(node.body, lines);
    if (!node.end.empty()) {
      lines->push_back(node.end);
    }
  }
}

class Shrinker {
public:
  Shrinker(const Database& database, const std::function<bool(const Database&)>& stillFails,
           const ShrinkLimits& limits)
      : fBest(database), fStillFails(stillFails), fLimits(limits),
        fStart(std::chrono::steady_clock::now()) {}

  Database Run() {
    DropMethods();
    // Main first: what it no longer calls can then go from the other methods.
    std::vector<std::string> names = {"main"};
    for (const auto& entry : fBest.methods) {
      if (entry.first != "main") {
        names.push_back(entry.first);
      }
    }
    for (int pass = 0; pass < 2; ++pass) {
      for (const std::string& name : names) {
        if (fBest.methods.count(name) == 0) {
          continue;
        }
        size_t at = 0;
        fMethod = name;
        fTree = Parse(fBest.methods[name], &at);
        Reduce(&fTree);
      }
      DropMethods();
    }
    return fBest;
  }

  int Runs() const { return fRuns; }

private:
  bool OutOfBudget() const {
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - fStart).count();
    return fRuns >= fLimits.maxRuns || elapsed > fLimits.maxSeconds;
  }

  bool Try(const Database& candidate) {
    if (OutOfBudget()) {
      return false;
    }
    ++fRuns;
    if (!fStillFails(candidate)) {
      return false;
    }
    fBest = candidate;
    return true;
  }

  // Tries the method's tree with `list` (a level of it) replaced by `candidate`.
  bool TryLevel(std::vector<Node>* list, const std::vector<Node>& candidate) {
    std::vector<Node> saved = *list;
    *list = candidate;
    Database database = fBest;
    std::vector<std::string> lines;
    Flatten(fTree, &lines);
    database.methods[fMethod] = lines;
    if (Try(database)) {
      return true;
    }
    *list = saved;
    return false;
  }

  // Delta debugging over one level, then into each remaining block's body.
  void Reduce(std::vector<Node>* list) {
    size_t chunks = 2;
    while (list->size() >= 1 && !OutOfBudget()) {
      chunks = std::min(chunks, list->size());
      const size_t size = (list->size() + chunks - 1) / chunks;
      bool reduced = false;
      for (size_t start = 0; start < list->size(); start += size) {
        std::vector<Node> complement(list->begin(), list->begin() + static_cast<long>(start));
        complement.insert(complement.end(),
                          list->begin() + static_cast<long>(std::min(start + size, list->size())),
                          list->end());
        if (TryLevel(list, complement)) {
          chunks = std::max<size_t>(chunks - 1, 2);
          reduced = true;
          break;
        }
      }
      if (!reduced) {
        if (chunks >= list->size()) {
          break;
        }
        chunks = std::min(chunks * 2, list->size());
      }
    }
    // A block whose condition or loop does not matter gives way to its body.
    for (size_t i = 0; i < list->size(); ++i) {
      if ((*list)[i].end.empty()) {
        continue;
      }
      std::vector<Node> unwrapped(list->begin(), list->begin() + static_cast<long>(i));
      unwrapped.insert(unwrapped.end(), (*list)[i].body.begin(), (*list)[i].body.end());
      unwrapped.insert(unwrapped.end(), list->begin() + static_cast<long>(i) + 1, list->end());
      TryLevel(list, unwrapped);
    }
    for (Node& node : *list) {
      if (!node.body.empty()) {
        Reduce(&node.body);
      }
    }
  }

  void DropMethods() {
    std::vector<std::string> names;
    for (const auto& entry : fBest.methods) {
      if (entry.first != "main") {
        names.push_back(entry.first);
      }
    }
    for (const std::string& name : names) {
      Database candidate = fBest;
      candidate.methods.erase(name);
      Try(candidate);
    }
  }

  Database fBest;
  const std::function<bool(const Database&)>& fStillFails;
  ShrinkLimits fLimits;
  std::chrono::steady_clock::time_point fStart;
  int fRuns = 0;
  std::string fMethod;
  std::vector<Node> fTree;
};

} // namespace

Database Shrink(const Database& failing, const std::function<bool(const Database&)>& stillFails,
                const ShrinkLimits& limits, int* runs) {
  Shrinker shrinker(failing, stillFails, limits);
  Database best = shrinker.Run();
  *runs = shrinker.Runs();
  return best;
}

} // namespace fuzz
