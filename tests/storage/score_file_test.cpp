// Best scores per level: reading, recording, and what a bad file does.
#include "storage/score_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "storage/level_file.h"
#include "support/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using namespace testing_support;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// A type code and the bytes after it, as a hostile file may hold them.
Bytes tagged(std::int16_t type, Bytes value) {
  value.insert(value.begin(), {static_cast<std::uint8_t>(type & 0xFF), static_cast<std::uint8_t>((type >> 8) & 0xFF)});
  return value;
}

Bytes stored(const TaggedValue& v) {
  SlotWriter w;
  w.write_tagged(v);
  return w.bytes();
}

Bytes f64(double v) { return stored(TaggedValue::of_float64(v)); }

struct Folder : testing_support::TempProgramFolder {
  fs::path sta(const std::string& name) const { return folder.sta() / name; }
};

TEST(ScorePath, OnlyALevelFileNameHasAScoreFile) {
  const ProgramFolder folder("/jeu");
  const std::pair<const char*, std::optional<fs::path>> cases[] = {
      {"nou.tab", fs::path("/jeu/sta/nou.sta")}, {"a.b.tab", fs::path("/jeu/sta/a.b.sta")},
      {"nouveau", std::nullopt},  // the editor's unsaved level
      {"nou.TAB", std::nullopt},  {"nou.tab.tmp", std::nullopt}, {"", std::nullopt},
      {"../nou.tab", std::nullopt}, {"sous\\nou.tab", std::nullopt},
  };
  for (const auto& [level, score] : cases) EXPECT_EQ(score_path(folder, level), score) << level;
}

TEST(StoredScore, OnlyAPercentageOfANumericTypeIsAScore) {
  const std::pair<Bytes, std::string> cases[] = {
      {{}, "0"},
      {tagged(0, {}), "0"},
      {stored(TaggedValue::of_int16(75)), "75"},
      {tagged(3, {100, 0, 0, 0}), "100"},
      {stored(TaggedValue::of_float32(75.2f)), "75.2"},
      {f64(99.5), "99.5"},
      {tagged(8, {2, 0, '9', '9'}), "0"},  // text
      {tagged(7, {75, 0}), "0"},
      {tagged(-1, {}), "0"},
      {tagged(5, {0, 0, 0, 0}), "0"},  // a double cut short
      {{5}, "0"},
      {f64(nan), "0"},
      {stored(TaggedValue::of_float32(inf)), "0"},
      {f64(-1), "0"},
      {stored(TaggedValue::of_int16(150)), "0"},
      {f64(100.5), "0"},
  };
  for (const auto& [bytes, shown] : cases) {
    EXPECT_EQ(score_text(stored_score(bytes)), shown) << ::testing::PrintToString(bytes);
  }
}

TEST(NewBest, WholePartsAreCompared) {
  struct Case {
    double score;
    std::optional<double> stored;
    std::optional<double> written;
  };
  const Case cases[] = {
      {75.2, 74, 75},         {74.8, 74, std::nullopt}, {80, 80, std::nullopt},        {79, 80, std::nullopt},
      {100, 99.5, 100},       {1, std::nullopt, 1},     {0.9, std::nullopt, std::nullopt},
      {33.333333333333336, std::nullopt, 33},           {nan, std::nullopt, std::nullopt},
      {inf, std::nullopt, std::nullopt},                {-5, std::nullopt, std::nullopt},
      {100.5, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    std::optional<TaggedValue> stored;
    if (c.stored) stored = TaggedValue::of_float64(*c.stored);
    EXPECT_EQ(new_best(c.score, stored), c.written) << c.score << " over " << c.stored.value_or(-1);
  }
}

TEST(NoterScore, ABetterScoreIsWrittenAsADoubleInOneSlot) {
  Folder f;
  put_file(f.sta("a.sta"), f64(74));
  const auto result = noter_score(f.folder, "a.tab", 75.2);
  ASSERT_TRUE(result.ok()) << result.error().message(1);
  EXPECT_EQ(result.value(), ScoreRecord::Written);
  Bytes expected = {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x52, 0x40};
  expected.resize(slot_size);
  EXPECT_EQ(file_bytes(f.sta("a.sta")), expected);
  EXPECT_EQ(entries(f.folder.sta()), std::vector<fs::path>{"a.sta"});
}

TEST(NoterScore, WhatIsStoredDecidesWhetherTheScoreIsWritten) {
  struct Case {
    const char* what;
    std::optional<Bytes> stored;  // none: no file at all
    double score;
    ScoreRecord record;
    std::string shown_after;
  };
  const Case cases[] = {
      {"74.8 over 74", f64(74), 74.8, ScoreRecord::Kept, "74"},
      {"100 on 100", stored(TaggedValue::of_int16(100)), 100, ScoreRecord::Kept, "100"},
      {"first score", std::nullopt, 40, ScoreRecord::Written, "40"},
      {"0 with no score yet", std::nullopt, 0, ScoreRecord::Kept, "0"},
      {"on an empty file", Bytes{}, 1, ScoreRecord::Written, "1"},
      {"under 1 on an empty file", Bytes{}, 0.5, ScoreRecord::Kept, "0"},
      {"over text", tagged(8, {2, 0, '9', '9'}), 10, ScoreRecord::Written, "10"},
      {"over 150", stored(TaggedValue::of_int16(150)), 30, ScoreRecord::Written, "30"},
      {"NaN score", f64(50), nan, ScoreRecord::Kept, "50"},
  };
  for (const Case& c : cases) {
    Folder f;
    if (c.stored) put_file(f.sta("a.sta"), *c.stored);
    const auto result = noter_score(f.folder, "a.tab", c.score);
    ASSERT_TRUE(result.ok()) << c.what;
    EXPECT_EQ(result.value(), c.record) << c.what;
    // Even a score that is not written leaves the (empty) score file.
    EXPECT_EQ(entries(f.folder.sta()), std::vector<fs::path>{"a.sta"}) << c.what;
    if (c.record == ScoreRecord::Kept) {
      EXPECT_EQ(file_bytes(f.sta("a.sta")), c.stored.value_or(Bytes{})) << c.what;
    }
    EXPECT_EQ(lire_score(f.folder, "a.tab"), c.shown_after) << c.what;
  }
}

TEST(NoterScore, TheEditorsUnsavedLevelRecordsNothing) {
  Folder f;
  put_file(f.sta("nou.sta"), f64(12));
  const auto result = noter_score(f.folder, "nouveau", 100);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.value(), ScoreRecord::NotALevel);
  EXPECT_EQ(file_bytes(f.sta("nou.sta")), f64(12));
  EXPECT_EQ(entries(f.folder.sta()), std::vector<fs::path>{"nou.sta"});
}

TEST(NoterScore, AMissingStaFolderIsCreated) {
  TempFolder temp;
  const ProgramFolder folder(temp.path());
  ASSERT_EQ(noter_score(folder, "a.tab", 60).value(), ScoreRecord::Written);
  EXPECT_EQ(lire_score(folder, "a.tab"), "60");
}

TEST(NoterScore, AFailedWriteSaysWhyAndKeepsWhatWasThere) {
  Folder f;
  put_file(f.sta("a.sta"), f64(20));
  fs::create_directories(f.sta("a.sta.tmp") / "x");
  fs::create_directories(f.sta("b.sta") / "x");
  using K = ScoreError::Kind;
  for (const auto& [level, kind] : {std::pair{"a.tab", K::WriteFailed}, std::pair{"b.tab", K::TargetNotAFile}}) {
    const auto result = noter_score(f.folder, level, 90);
    ASSERT_FALSE(result.ok()) << level;
    EXPECT_EQ(result.error().kind, kind) << level;
    EXPECT_EQ(result.error().level_file_name, level);
  }
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "20");
  EXPECT_EQ(lire_score(f.folder, "b.tab"), "0");
  EXPECT_TRUE(fs::is_directory(f.sta("b.sta") / "x"));
  EXPECT_EQ(entries(f.folder.sta()).size(), 3u);  // no b.sta.tmp

  // A file named sta where the folder should be.
  fs::remove_all(f.folder.sta());
  put_file(f.folder.sta(), Bytes{7, 7});
  const auto result = noter_score(f.folder, "a.tab", 90);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().kind, K::FolderMissing);
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "0");
  EXPECT_EQ(file_bytes(f.folder.sta()), (Bytes{7, 7}));
}

TEST(NoterScore, ALinkAtTheScoresNameNeverLetsAScoreOverwriteALevel) {
  Folder f;
  ASSERT_FALSE(write_level_file(f.folder.tab() / "a.tab", LevelData{}).has_value());
  const Bytes level = file_bytes(f.folder.tab() / "a.tab");
  fs::create_symlink(f.folder.tab() / "a.tab", f.sta("a.sta"));
  ASSERT_EQ(noter_score(f.folder, "a.tab", 50).value(), ScoreRecord::Written);
  EXPECT_EQ(file_bytes(f.folder.tab() / "a.tab"), level);
  EXPECT_FALSE(fs::is_symlink(f.sta("a.sta")));
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "50");
}

TEST(NoterScore, AScoreThatCannotBeReadIsNeverOverwritten) {
  Folder f;
  fs::create_symlink("a.sta", f.sta("a.sta"));  // a loop: opening it fails
  const auto result = noter_score(f.folder, "a.tab", 100);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().kind, ScoreError::Kind::Unreadable);
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "0");
  EXPECT_TRUE(fs::is_symlink(f.sta("a.sta")));
}

TEST(LireScore, ShowingAScoreLeavesAnEmptyFileWhenThereWasNone) {
  Folder f;
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "0");
  ASSERT_TRUE(fs::is_regular_file(f.sta("a.sta")));
  EXPECT_EQ(fs::file_size(f.sta("a.sta")), 0u);
}

TEST(LireScore, NeverFailsAndNeverCreatesFolders) {
  TempFolder temp;
  const ProgramFolder folder(temp.path());
  EXPECT_EQ(lire_score(folder, "a.tab"), "0");
  EXPECT_EQ(lire_score(folder, "nouveau"), "0");
  EXPECT_TRUE(entries(temp.path()).empty());
}

TEST(LireScore, ReadsOnlyTheFirstSlotOfAHugeFile) {
  Folder f;
  Bytes bytes = f64(64);
  bytes.resize(4 << 20, 0xEE);
  put_file(f.sta("a.sta"), bytes);
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "64");
}

TEST(ScoreError, TellsThePlayerWhichLevelAndWhyInHisLanguage) {
  const ScoreError e{ScoreError::Kind::WriteFailed, "Été.tab"};
  EXPECT_EQ(e.message(0),
            "Impossible d'enregistrer le score du tableau « Été.tab » : l'écriture du fichier a échoué.");
  EXPECT_EQ(e.message(1), "Cannot record the score of the level \"Été.tab\": the file could not be written.");
  EXPECT_EQ(e.message(2), e.message(1));
  for (auto kind : {ScoreError::Kind::Unreadable, ScoreError::Kind::FolderMissing, ScoreError::Kind::TargetNotAFile}) {
    const ScoreError other{kind, "Été.tab"};
    EXPECT_NE(other.message(0), e.message(0));
    EXPECT_NE(other.message(1), e.message(1));
  }

  // The game's message line, through the recorder the game is given.
  Folder f;
  FolderScoreRecorder recorder(f.folder);
  fs::create_directories(f.sta("a.sta") / "x");
  EXPECT_EQ(recorder.noter_score("a.tab", 50, 0),
            "Score non enregistré : un dossier porte le nom de son fichier de score.");
  EXPECT_EQ(recorder.noter_score("a.tab", 50, 1), "Score not recorded: a folder has the name of its score file.");
  EXPECT_EQ(recorder.noter_score("b.tab", 50, 0), std::nullopt);
  EXPECT_EQ(lire_score(f.folder, "b.tab"), "50");
  EXPECT_EQ(recorder.noter_score("b.tab", 40, 0), std::nullopt);  // kept, not a failure
}

}  // namespace
}  // namespace drippo
