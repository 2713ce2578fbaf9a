// drippo-soundgen OUTDIR: writes the game's effects to OUTDIR/wav and its
// tunes to OUTDIR/mid, all made here from code.
#include <exception>
#include <iostream>

#include "generator.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: drippo-soundgen OUTDIR\n";
    return 2;
  }
  try {
    for (const auto& w : drippo::soundgen::generate(argv[1])) {
      std::cout << w.file.string() << "  " << w.bytes << " bytes\n";
    }
  } catch (const std::exception& e) {
    std::cerr << "drippo-soundgen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
