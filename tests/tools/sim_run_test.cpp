// drippo-sim run as a level designer or CI would: small levels written as
// text, the real program, its output lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/program_run.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;

using SimOutput = testing::ProgramOutput;

class SimRun : public testing::ProgramTest {
 protected:
  SimOutput run(const std::string& args) { return run_program(DRIPPO_SIM_PATH, args); }
};

// The source drop enters cell 18 moving left, falls into 37 at the end of the
// tick, and each later tick moves it one row down.
TEST_F(SimRun, EachOutcomeEndsTheRunWithItsFrenchMessage) {
  // A glass right under the source: the n-th drop reaches it in tick n + 1.
  const auto glass = level("water: 10", {"...................", "..................G"});
  SimOutput win = run(quoted(glass));
  EXPECT_EQ(win.status, 0);
  EXPECT_EQ(win.last(), R"({"result": "win", "score": 100, "ticks": 11, "message": "Partie gagnée!"})");

  // One drop falls down column 18 to the bottom row (tick 11), is lost in
  // tick 12, which leaves the board dry; tick 13 sees it and ends the game.
  const auto one_drop = level("water: 1", {});
  EXPECT_EQ(run(quoted(one_drop)).last(),
            R"({"result": "game over", "score": 0, "ticks": 13, "message": "Partie terminée..."})");

  // Water that never runs out: the time does, at tick 1200.
  const auto endless = level("water: 5000", {});
  EXPECT_EQ(run(quoted(endless)).last(),
            R"({"result": "time out", "score": 0, "ticks": 1200, "message": "Temps ecoulé..."})");

  const auto cat = level("water: 10", {"...................", "..................C"});
  EXPECT_EQ(run(quoted(cat)).last(),
            R"({"result": "cat", "score": 0, "ticks": 2, "message": "Attention au chat!"})");
}

TEST_F(SimRun, LanguageAndDifficultyChangeMessagesAndAmounts) {
  const auto glass = level("water: 10", {"...................", "..................G"});
  EXPECT_EQ(run(quoted(glass) + " --lang 1").last(),
            R"({"result": "win", "score": 100, "ticks": 11, "message": "You win!"})");

  // Easy doubles the water: two drops, so the board dries one tick later.
  const auto one_drop = level("water: 1", {});
  EXPECT_EQ(run(quoted(one_drop) + " --difficulty 200 --lang 1").last(),
            R"({"result": "game over", "score": 0, "ticks": 14, "message": "Game over..."})");
}

TEST_F(SimRun, TraceDescribesEveryTick) {
  const auto glass = level("water: 10", {"...................", "..................G"});
  SimOutput r = run(quoted(glass) + " --trace");
  ASSERT_EQ(r.lines.size(), 12u);  // 11 ticks and the result

  const std::string& first = r.lines[0];
  EXPECT_NE(first.find(R"({"tick": 1, "water": 9, "time": "0", "score": 0.0, "score_box": "0", )"
                       R"("message": "C'est parti!", "timer": true, "dry": false, "held": [], )"
                       R"("events": [], "ends": 0, "cells": [)"),
            std::string::npos)
      << first;
  // After tick 1 the drop falls in cell 37, the glass, with the heading "G".
  EXPECT_NE(first.find(R"([18, 0, 0, 1, -1, 0, "G", 10])"), std::string::npos) << first;

  const std::string& last_tick = r.lines[10];
  EXPECT_NE(last_tick.find(R"("score": 100.0, "score_box": "100", "message": "Partie gagnée!", "timer": false)"),
            std::string::npos)
      << last_tick;
  EXPECT_NE(last_tick.find(R"("events": ["goal", "griou"], "ends": 1)"), std::string::npos) << last_tick;
}

TEST_F(SimRun, TraceShowsTheWaterAsTheNumberItsTextHolds) {
  // The editor's source is shut, so the water text stays as loaded.
  const auto half = level("water: 0.5", {});
  EXPECT_NE(run(quoted(half) + " --edit --trace --ticks 1").lines.at(0).find(R"("water": 0.5,)"), std::string::npos);

  // Beyond single precision's range: very much water, a drop on every tick.
  const auto flood = level("water: 1e39", {});
  SimOutput r = run(quoted(flood) + " --trace --ticks 3");
  ASSERT_EQ(r.lines.size(), 4u);
  EXPECT_NE(r.lines[2].find(R"("water": 1e+39,)"), std::string::npos) << r.lines[2];
  EXPECT_NE(r.lines[2].find(R"("dry": false,)"), std::string::npos) << r.lines[2];
  EXPECT_EQ(r.last(), R"({"result": "running", "score": 0, "ticks": 3, "message": "C'est parti!"})");
}

TEST_F(SimRun, PlacementsFollowTheStockAndTheirRefusalsAreReported) {
  // A wall under the source; a diagonal left placed on 36 carries nothing,
  // one on 37 turns the water left into 36 and down to the glass at 226.
  const auto walled = level("water: 10\nstock 3: 1\nstock 7: 3\nstock 16: 1",
                            {"...................", "...................", "..................#",
                             "...................", "...................", "...................",
                             "...................", "...................", "...................",
                             "...................", "...................", ".................G."});
  SimOutput r = run(quoted(walled) + " --place 37:3 --place 36:3 --place 56:16 --place 40:7 --place 41:7 --place 42:7");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.last(), R"({"result": "win", "score": 100, "ticks": 22, "message": "Partie gagnée!"})");
  std::istringstream errors(r.errors);
  std::vector<std::string> refused;
  for (std::string line; std::getline(errors, line);) refused.push_back(line);
  ASSERT_EQ(refused.size(), 3u) << r.errors;
  EXPECT_NE(refused[0].find("--place 36:3"), std::string::npos);  // stock spent
  EXPECT_NE(refused[1].find("--place 56:16"), std::string::npos);  // a goal outside the editor
  EXPECT_NE(refused[2].find("--place 42:7 refused: two teleporters"), std::string::npos);
}

TEST_F(SimRun, EditorRunsTestDropsWithTheSourceShut) {
  const auto glass = level("water: 10", {"...................", "...................", "...................",
                                         "...................", "...................", "..G................"});
  // No drop: the editor's water runs its 100 ticks and nothing happens.
  EXPECT_EQ(run(quoted(glass) + " --edit").last(),
            R"({"result": "running", "score": 0, "ticks": 100, "message": ""})");

  // Ten drops poured into cell 78, above the glass at 97, fill it in tick 11:
  // the win is told, but a test is not a game, and the water runs on. A drop
  // on the glass itself is ignored, where a right click would take it back.
  std::string drops = " --drop 1:97";
  for (int t = 1; t <= 10; ++t) drops += " --drop " + std::to_string(t) + ":78";
  EXPECT_EQ(run(quoted(glass) + " --edit --ticks 12" + drops).last(),
            R"({"result": "running", "score": 100, "ticks": 12, "message": "Partie gagnée!"})");
}

TEST_F(SimRun, UnusableArgumentsAndFilesExitWithStatusTwo) {
  const auto ok = level("water: 1", {});
  for (const std::string& args : {std::string(""), quoted(ok) + " --lang '2\n3'", quoted(dir_ / "missing\n.tab")}) {
    SimOutput r = run(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.lines.empty()) << args;
    EXPECT_EQ(std::count(r.errors.begin(), r.errors.end(), '\n'), 1) << args << "\n" << r.errors;
  }

  // A hostile level: a piece code that does not exist.
  auto bytes = level_bytes(LevelData{});
  bytes[0] = 25;
  const fs::path hostile = dir_ / "hostile.tab";
  std::ofstream(hostile, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
  SimOutput r = run(quoted(hostile));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(std::count(r.errors.begin(), r.errors.end(), '\n'), 1) << r.errors;
}

}  // namespace
}  // namespace drippo
