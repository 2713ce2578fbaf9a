#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <stdlib.h>

#include "storage/program_folder.h"

// A broken promise of the code under test: stop here so libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                       \
  do {                                                                         \
    if (!(cond)) {                                                             \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                            \
    }                                                                          \
  } while (0)

// A program folder of its own under /tmp for one fuzzing run, removed when
// libFuzzer ends the run.
inline drippo::ProgramFolder scratch_program_folder(const char* kind) {
  static std::filesystem::path made;
  std::string name = std::string("/tmp/drippo-fuzz-") + kind + "-XXXXXX";
  FUZZ_CHECK(mkdtemp(name.data()) != nullptr);
  made = name;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(made, ignored);
  });
  return drippo::ProgramFolder{made};
}
