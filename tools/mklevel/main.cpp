// drippo-mklevel: turns a level written as text into a level file.
#include <fstream>
#include <iostream>
#include <sstream>

#include "level_text.h"
#include "storage/level_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: drippo-mklevel LEVEL.txt LEVEL.tab\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "drippo-mklevel: cannot read " << argv[1] << "\n";
    return 2;
  }
  std::ostringstream text;
  text << in.rdbuf();
  std::string error;
  const auto level = drippo::parse_level_text(text.str(), error);
  if (!level) {
    std::cerr << "drippo-mklevel: " << argv[1] << ": " << error << "\n";
    return 1;
  }
  if (auto failure = drippo::write_level_file(argv[2], *level)) {
    std::cerr << "drippo-mklevel: " << failure->message(1) << "\n";
    return 1;
  }
  return 0;
}
