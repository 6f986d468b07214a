// Keeps the manual honest. Four checks:
//   zvdocs commands COMMANDS.md       every command of the table has a section whose syntax line
//                                     is the one the table makes, and every section names one
//   zvdocs errors ERRORS.md DOC...    every code listed is asserted by a runnable example
//   zvdocs links DOC...               every link to a doc, heading or picture leads somewhere
//   zvdocs run DOC INDEX HOST PLUGIN WORKDIR [--images DIR] [--heading SLUG]
//                                     runs the doc's runnable block number INDEX (from 1), which
//                                     must stand under the heading SLUG when one is given
//
// Code blocks are marked by their info string:
//   ```4d runnable [whole] [step] [nogrid] [keep-going] [status=N|nonzero]
//                  [image=NAME.png [window=VAR]]
//   ```4d preamble        prepended to the doc's runnable blocks (not to "whole" ones)
//   ```4d method NAME     a method of the database every runnable block of the doc runs in
// A "step" block runs after every earlier step block of its doc, as a reader types them along.
// With --images, an "image" block ends by writing its window ($w, or VAR) into that folder.
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "plugin/PlugInfo.h"
#include "tools/CommandSyntax.h"

namespace {

struct Block {
  std::string info;    // what follows the opening fence
  std::string heading; // the heading the block stands under
  std::vector<std::string> lines;
  int firstLine = 0; // of the block's text in the doc, from 1
};

struct Doc {
  std::vector<std::string> lines;
  std::vector<Block> blocks;
};

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    words.push_back(word);
  }
  return words;
}

bool HasWord(const Block& block, const std::string& word) {
  for (const std::string& w : Words(block.info)) {
    if (w == word) {
      return true;
    }
  }
  return false;
}

std::string Attribute(const Block& block, const std::string& key) {
  for (const std::string& w : Words(block.info)) {
    if (StartsWith(w, key + "=")) {
      return w.substr(key.size() + 1);
    }
  }
  return "";
}

bool IsRunnable(const Block& block) {
  return StartsWith(block.info, "4d runnable");
}

bool ReadDoc(const std::string& path, Doc* doc) {
  std::ifstream in(path);
  if (!in) {
    fprintf(stderr, "%s: cannot read\n", path.c_str());
    return false;
  }
  std::string heading;
  Block* open = nullptr;
  for (std::string line; std::getline(in, line);) {
    doc->lines.push_back(line);
    if (open != nullptr) {
      if (StartsWith(line, "```")) {
        open = nullptr;
      } else {
        open->lines.push_back(line);
      }
    } else if (StartsWith(line, "```")) {
      doc->blocks.push_back(
          Block{line.substr(3), heading, {}, static_cast<int>(doc->lines.size()) + 1});
      open = &doc->blocks.back();
    } else if (StartsWith(line, "#")) {
      heading = line.substr(line.find_first_not_of('#'));
      heading.erase(0, heading.find_first_not_of(' '));
    }
  }
  if (open != nullptr) {
    fprintf(stderr, "%s: a code block is not closed\n", path.c_str());
    return false;
  }
  return true;
}

// --- commands ----------------------------------------------------------------------------------

int CheckCommands(const std::string& path) {
  Doc doc;
  if (!ReadDoc(path, &doc)) {
    return 1;
  }
  std::map<std::string, std::string> syntax;
  for (int i = 0; i < kZorviCommandCount; ++i) {
    if (gZorvi_GlueTable[i].fName != nullptr) {
      syntax[gZorvi_GlueTable[i].fName] = CommandSyntaxLine(gZorvi_GlueTable[i]);
    }
  }
  // A command section is a third-level heading that is one command-like word.
  static const std::regex kSection("^### (Z[A-Za-z_]+)$");
  std::map<std::string, int> sections;
  int failures = 0;
  bool inFence = false;
  for (size_t i = 0; i < doc.lines.size(); ++i) {
    if (StartsWith(doc.lines[i], "```")) {
      inFence = !inFence;
      continue;
    }
    std::smatch match;
    if (inFence || !std::regex_match(doc.lines[i], match, kSection)) {
      continue;
    }
    const std::string name = match[1];
    const int line = static_cast<int>(i) + 1;
    if (sections.count(name) != 0) {
      fprintf(stderr, "%s:%d: a second section for %s\n", path.c_str(), line, name.c_str());
      ++failures;
    }
    sections[name] = line;
    auto command = syntax.find(name);
    if (command == syntax.end()) {
      fprintf(stderr, "%s:%d: %s is no command of the plug-in\n", path.c_str(), line, name.c_str());
      ++failures;
      continue;
    }
    const std::string expected = "`" + command->second + "`";
    bool found = false;
    for (size_t j = i + 1; j < doc.lines.size() && !StartsWith(doc.lines[j], "#"); ++j) {
      if (doc.lines[j] == expected) {
        found = true;
        break;
      }
    }
    if (!found) {
      fprintf(stderr, "%s:%d: %s: the syntax line %s is missing\n", path.c_str(), line,
              name.c_str(), expected.c_str());
      ++failures;
    }
  }
  for (const auto& [name, line] : syntax) {
    if (sections.count(name) == 0) {
      fprintf(stderr, "%s: no section for %s\n", path.c_str(), name.c_str());
      ++failures;
    }
  }
  printf("%zu command sections, %d failures\n", sections.size(), failures);
  return failures == 0 ? 0 : 1;
}

// --- errors ------------------------------------------------------------------------------------

// A code is answered when a runnable example asserts it: a line with ASSERT( and the code as a
// whole number.
bool IsAsserted(const std::vector<Doc>& docs, const std::string& code) {
  const std::regex number("(^|[^0-9A-Za-z_-])" + code + "($|[^0-9xA-Fa-f])");
  for (const Doc& doc : docs) {
    for (const Block& block : doc.blocks) {
      if (!IsRunnable(block)) {
        continue;
      }
      for (const std::string& line : block.lines) {
        if (line.find("ASSERT(") != std::string::npos && std::regex_search(line, number)) {
          return true;
        }
      }
    }
  }
  return false;
}

int CheckErrors(const std::string& errorsPath, const std::vector<std::string>& docPaths) {
  Doc errors;
  if (!ReadDoc(errorsPath, &errors)) {
    return 1;
  }
  std::vector<Doc> docs(docPaths.size());
  for (size_t i = 0; i < docPaths.size(); ++i) {
    if (!ReadDoc(docPaths[i], &docs[i])) {
      return 1;
    }
  }
  // The rows of the tables whose first cell is a code; the sections of codes that no command
  // answers, or that only a failing machine provokes, are left out.
  static const std::regex kRow("^\\| *`?(-?[0-9]+)`? *\\|.*");
  int checked = 0;
  int failures = 0;
  bool unanswered = false;
  for (size_t i = 0; i < errors.lines.size(); ++i) {
    const std::string& line = errors.lines[i];
    if (StartsWith(line, "## ")) {
      unanswered = line.find("no command answers") != std::string::npos ||
                   line.find("no example can provoke") != std::string::npos;
    }
    std::smatch match;
    if (unanswered || !std::regex_match(line, match, kRow)) {
      continue;
    }
    ++checked;
    if (!IsAsserted(docs, match[1])) {
      fprintf(stderr, "%s:%zu: no runnable example asserts the code %s\n", errorsPath.c_str(),
              i + 1, match[1].str().c_str());
      ++failures;
    }
  }
  printf("%d codes checked, %d failures\n", checked, failures);
  return failures == 0 && checked > 0 ? 0 : 1;
}

// --- links -------------------------------------------------------------------------------------

// A heading's anchor as the usual Markdown renderers make it: lower case, spaces to hyphens,
// punctuation dropped.
std::string Anchor(const std::string& heading) {
  std::string anchor;
  for (unsigned char c : heading) {
    if (isalnum(c) || c == '_' || c == '-') {
      anchor += static_cast<char>(tolower(c));
    } else if (c == ' ') {
      anchor += '-';
    }
  }
  return anchor;
}

// Every link to a doc, a heading or a picture of the manual leads somewhere.
int CheckLinks(const std::vector<std::string>& paths) {
  std::map<std::string, std::set<std::string>> anchors; // by file name
  for (const std::string& path : paths) {
    Doc doc;
    if (!ReadDoc(path, &doc)) {
      return 1;
    }
    std::set<std::string>& own = anchors[std::filesystem::path(path).filename().string()];
    bool inFence = false;
    for (const std::string& line : doc.lines) {
      if (StartsWith(line, "```")) {
        inFence = !inFence;
      } else if (!inFence && StartsWith(line, "#")) {
        own.insert(Anchor(line.substr(line.find_first_not_of("# "))));
      }
    }
  }
  static const std::regex kLink("\\]\\(([^)#:]*)(#([^)]*))?\\)");
  int failures = 0;
  int links = 0;
  for (const std::string& path : paths) {
    Doc doc;
    ReadDoc(path, &doc);
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const std::string self = std::filesystem::path(path).filename().string();
    for (size_t i = 0; i < doc.lines.size(); ++i) {
      const std::string& line = doc.lines[i];
      for (auto it = std::sregex_iterator(line.begin(), line.end(), kLink);
           it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[1];
        const std::string anchor = (*it)[3];
        ++links;
        const std::string file = target.empty() ? self : target;
        bool ok = std::filesystem::exists(folder / file);
        if (ok && !anchor.empty()) {
          auto known = anchors.find(std::filesystem::path(file).filename().string());
          ok = known != anchors.end() && known->second.count(anchor) != 0;
        }
        if (!ok) {
          fprintf(stderr, "%s:%zu: the link %s%s%s leads nowhere\n", path.c_str(), i + 1,
                  target.c_str(), anchor.empty() ? "" : "#", anchor.c_str());
          ++failures;
        }
      }
    }
  }
  printf("%d links, %d failures\n", links, failures);
  return failures == 0 ? 0 : 1;
}

// --- run ---------------------------------------------------------------------------------------

void WriteFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::ofstream out(path);
  for (const std::string& line : lines) {
    out << line << '\n';
  }
}

// The heading as a test name carries it: runs of other characters become one "_".
std::string Slug(const std::string& heading) {
  std::string slug;
  for (unsigned char c : heading) {
    if (isalnum(c)) {
      slug += static_cast<char>(c);
    } else if (!slug.empty() && slug.back() != '_') {
      slug += '_';
    }
  }
  if (!slug.empty() && slug.back() == '_') {
    slug.pop_back();
  }
  return slug;
}

int RunBlock(const std::string& path, int index, const std::string& host, const std::string& plugin,
             const std::string& workDir, const std::string& imagesDir,
             const std::string& headingSlug) {
  Doc doc;
  if (!ReadDoc(path, &doc)) {
    return 1;
  }
  const Block* preamble = nullptr;
  std::vector<const Block*> steps;
  const Block* chosen = nullptr;
  int runnable = 0;
  const std::filesystem::path methods = std::filesystem::path(workDir) / "Methods";
  std::filesystem::remove_all(methods);
  std::filesystem::create_directories(methods);
  for (const Block& block : doc.blocks) {
    if (StartsWith(block.info, "4d preamble")) {
      preamble = &block;
    } else if (StartsWith(block.info, "4d method ")) {
      const std::vector<std::string> words = Words(block.info);
      WriteFile(methods / (words.size() > 2 ? words[2] + ".4dm" : "unnamed.4dm"), block.lines);
    } else if (IsRunnable(block) && ++runnable == index) {
      chosen = &block;
    } else if (IsRunnable(block) && chosen == nullptr && HasWord(block, "step")) {
      steps.push_back(&block);
    }
  }
  if (chosen == nullptr) {
    fprintf(stderr, "%s: no runnable block %d\n", path.c_str(), index);
    return 1;
  }
  // A test numbered before the doc changed would run another block.
  if (!headingSlug.empty() && Slug(chosen->heading) != headingSlug) {
    fprintf(stderr, "%s: runnable block %d stands under \"%s\", not %s: configure again\n",
            path.c_str(), index, chosen->heading.c_str(), headingSlug.c_str());
    return 1;
  }
  std::vector<std::string> main;
  if (preamble != nullptr && !HasWord(*chosen, "whole")) {
    main = preamble->lines;
  }
  if (HasWord(*chosen, "step")) {
    for (const Block* step : steps) {
      main.insert(main.end(), step->lines.begin(), step->lines.end());
    }
  }
  main.insert(main.end(), chosen->lines.begin(), chosen->lines.end());
  const std::string image = Attribute(*chosen, "image");
  if (!imagesDir.empty() && !image.empty()) {
    main.push_back("IDLE");
    const std::string window = Attribute(*chosen, "window");
    main.push_back("SNAPSHOT(" + (window.empty() ? std::string("$w") : window) + ";\"" + imagesDir +
                   "/" + image + "\")");
  }
  WriteFile(methods / "main.4dm", main);

  std::vector<std::string> args = {host, "--plugin", plugin};
  if (HasWord(*chosen, "keep-going")) {
    args.push_back("--keep-going");
  }
  args.push_back(workDir);
  printf("%s:%d: %s\n", path.c_str(), chosen->firstLine, chosen->heading.c_str());
  fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
      argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) {
    fprintf(stderr, "cannot run %s\n", host.c_str());
    return 1;
  }
  const int got = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  const std::string wanted = Attribute(*chosen, "status");
  if (wanted == "nonzero" ? got != 0 : got == (wanted.empty() ? 0 : atoi(wanted.c_str()))) {
    return 0;
  }
  fprintf(stderr, "exit status %d, expected %s; the method main ran was:\n", got,
          wanted.empty() ? "0" : wanted.c_str());
  for (size_t i = 0; i < main.size(); ++i) {
    fprintf(stderr, "%4zu  %s\n", i + 1, main[i].c_str());
  }
  return 1;
}

int Usage() {
  fputs("usage: zvdocs commands COMMANDS.md\n"
        "       zvdocs errors ERRORS.md DOC.md...\n"
        "       zvdocs links DOC.md...\n"
        "       zvdocs run DOC.md INDEX HOST PLUGIN WORKDIR [--images DIR] [--heading SLUG]\n",
        stderr);
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    return Usage();
  }
  const std::string mode = argv[1];
  if (mode == "commands" && argc == 3) {
    return CheckCommands(argv[2]);
  }
  if (mode == "errors" && argc >= 4) {
    return CheckErrors(argv[2], std::vector<std::string>(argv + 3, argv + argc));
  }
  if (mode == "links") {
    return CheckLinks(std::vector<std::string>(argv + 2, argv + argc));
  }
  if (mode == "run" && argc >= 7) {
    std::string images;
    std::string heading;
    for (int i = 7; i + 1 < argc; i += 2) {
      if (strcmp(argv[i], "--images") == 0) {
        images = argv[i + 1];
      } else if (strcmp(argv[i], "--heading") == 0) {
        heading = argv[i + 1];
      } else {
        return Usage();
      }
    }
    if ((argc - 7) % 2 != 0) {
      return Usage();
    }
    return RunBlock(argv[2], atoi(argv[3]), argv[4], argv[5], argv[6], images, heading);
  }
  return Usage();
}
