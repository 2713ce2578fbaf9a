// Best scores per level: reading, recording, and what a bad file does.
#include "storage/score_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "storage/level_file.h"
#include "temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using testing_support::entries;
using testing_support::file_bytes;
using testing_support::put_file;
using testing_support::TempFolder;
using Bytes = std::vector<std::uint8_t>;

Bytes le16(std::int16_t v) {
  const auto u = static_cast<std::uint16_t>(v);
  return {static_cast<std::uint8_t>(u & 0xFF), static_cast<std::uint8_t>(u >> 8)};
}

Bytes tagged(std::int16_t type, const Bytes& value) {
  Bytes b;
  b.reserve(2 + value.size());
  for (const std::uint8_t x : le16(type)) b.push_back(x);
  for (const std::uint8_t x : value) b.push_back(x);
  return b;
}

template <class T>
Bytes le_bytes(T v) {
  const auto bits = std::bit_cast<std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>(v);
  Bytes b;
  for (std::size_t k = 0; k < sizeof(T); ++k) b.push_back(static_cast<std::uint8_t>(bits >> (8 * k)));
  return b;
}

Bytes f64(double v) { return tagged(5, le_bytes(v)); }

// A program folder with its tab and sta folders.
struct Folder {
  TempFolder temp;
  ProgramFolder folder{temp.path()};
  Folder() { EXPECT_FALSE(folder.ensure_folders().has_value()); }
  fs::path sta(const std::string& name) const { return folder.sta() / name; }
};

TEST(ScorePath, OnlyALevelFileNameHasAScoreFile) {
  const ProgramFolder folder("/jeu");
  struct Case {
    const char* level;
    std::optional<fs::path> score;
  };
  const Case cases[] = {
      {"nou.tab", fs::path("/jeu/sta/nou.sta")},
      {"Premiers pas.tab", fs::path("/jeu/sta/Premiers pas.sta")},
      {"Été.tab", fs::path("/jeu/sta/Été.sta")},
      {"a.b.tab", fs::path("/jeu/sta/a.b.sta")},
      {"nouveau", std::nullopt},  // the editor's unsaved level
      {"nou.TAB", std::nullopt},
      {"nou.tab.tmp", std::nullopt},
      {"tab", std::nullopt},
      {"", std::nullopt},
      {"../nou.tab", std::nullopt},
      {"sous/nou.tab", std::nullopt},
      {"sous\\nou.tab", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(score_path(folder, c.level), c.score) << c.level;
}

TEST(StoredScore, OnlyAPercentageOfANumericTypeIsAScore) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* what;
    Bytes bytes;
    std::string shown;
  };
  const Case cases[] = {
      {"empty file", {}, "0"},
      {"empty value", tagged(0, {}), "0"},
      {"16-bit", tagged(2, le16(75)), "75"},
      {"32-bit", tagged(3, {100, 0, 0, 0}), "100"},
      {"single", tagged(4, le_bytes(75.2f)), "75.2"},
      {"double", f64(75), "75"},
      {"double with a fraction", f64(99.5), "99.5"},
      {"zero", f64(0), "0"},
      {"text", tagged(8, {2, 0, '9', '9'}), "0"},
      {"unknown type", tagged(7, le16(75)), "0"},
      {"negative type", tagged(-1, {}), "0"},
      {"cut double", tagged(5, {0, 0, 0, 0}), "0"},
      {"one byte", {5}, "0"},
      {"NaN", f64(nan), "0"},
      {"infinity", f64(inf), "0"},
      {"single infinity", tagged(4, le_bytes(std::numeric_limits<float>::infinity())), "0"},
      {"negative", f64(-1), "0"},
      {"above 100", tagged(2, le16(150)), "0"},
      {"just above 100", f64(100.5), "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(score_text(stored_score(c.bytes)), c.shown) << c.what;
  }
}

TEST(NewBest, WholePartsAreCompared) {
  struct Case {
    double score;
    std::optional<double> stored;
    std::optional<double> written;
  };
  const Case cases[] = {
      {75.2, 74, 75},   {74.8, 74, std::nullopt}, {79, 80, std::nullopt},
      {80, 80, std::nullopt}, {0, std::nullopt, std::nullopt}, {0.9, std::nullopt, std::nullopt},
      {1, std::nullopt, 1},   {100, 99.5, 100},     {33.333333333333336, std::nullopt, 33},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt, std::nullopt},
      {std::numeric_limits<double>::infinity(), std::nullopt, std::nullopt},
      {-5, std::nullopt, std::nullopt},
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
  const Bytes file = file_bytes(f.sta("a.sta"));
  ASSERT_EQ(file.size(), slot_size);
  const Bytes head(file.begin(), file.begin() + 10);
  EXPECT_EQ(head, (Bytes{0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x52, 0x40}));
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "75");
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
      {"79 under 80", f64(80), 79, ScoreRecord::Kept, "80"},
      {"100 on 100", tagged(2, le16(100)), 100, ScoreRecord::Kept, "100"},
      {"first score", std::nullopt, 40, ScoreRecord::Written, "40"},
      {"0 with no score yet", std::nullopt, 0, ScoreRecord::Kept, "0"},
      {"on an empty file", Bytes{}, 1, ScoreRecord::Written, "1"},
      {"under 1 on an empty file", Bytes{}, 0.5, ScoreRecord::Kept, "0"},
      {"over a single", tagged(4, le_bytes(99.5f)), 100, ScoreRecord::Written, "100"},
      {"over text", tagged(8, {2, 0, '9', '9'}), 10, ScoreRecord::Written, "10"},
      {"over an unknown type", tagged(9, le16(90)), 10, ScoreRecord::Written, "10"},
      {"over a cut value", tagged(5, {1, 2}), 10, ScoreRecord::Written, "10"},
      {"over NaN", f64(std::numeric_limits<double>::quiet_NaN()), 10, ScoreRecord::Written, "10"},
      {"over 150", tagged(2, le16(150)), 30, ScoreRecord::Written, "30"},
      {"NaN score", f64(50), std::numeric_limits<double>::quiet_NaN(), ScoreRecord::Kept, "50"},
      {"infinite score", f64(50), std::numeric_limits<double>::infinity(), ScoreRecord::Kept, "50"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Folder f;
    if (c.stored) put_file(f.sta("a.sta"), *c.stored);
    const Bytes before = c.stored.value_or(Bytes{});
    const auto result = noter_score(f.folder, "a.tab", c.score);
    ASSERT_TRUE(result.ok()) << result.error().message(1);
    EXPECT_EQ(result.value(), c.record);
    // Even a score that is not written leaves the (empty) score file.
    EXPECT_EQ(entries(f.folder.sta()), std::vector<fs::path>{"a.sta"});
    if (c.record == ScoreRecord::Kept) {
      EXPECT_EQ(file_bytes(f.sta("a.sta")), before);
    }
    EXPECT_EQ(lire_score(f.folder, "a.tab"), c.shown_after);
  }
}

TEST(NoterScore, AResetLevelTakesTheNextScoreWhateverItIs) {
  Folder f;
  ASSERT_TRUE(noter_score(f.folder, "a.tab", 90).ok());
  fs::remove(f.sta("a.sta"));  // the browser's reset button
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "0");
  ASSERT_EQ(noter_score(f.folder, "a.tab", 12.5).value(), ScoreRecord::Written);
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "12");
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

TEST(NoterScore, AFailedWriteKeepsEveryFileAndSaysWhy) {
  struct Case {
    const char* what;
    void (*spoil)(const Folder&);
    ScoreError::Kind kind;
  };
  const Case cases[] = {
      {"a file named sta",
       [](const Folder& f) {
         fs::remove_all(f.folder.sta());
         put_file(f.folder.sta(), Bytes{7, 7});
       },
       ScoreError::Kind::FolderMissing},
      {"a folder named a.sta", [](const Folder& f) { fs::create_directories(f.sta("a.sta") / "x"); },
       ScoreError::Kind::TargetNotAFile},
      {"a folder at the temporary's name",
       [](const Folder& f) {
         put_file(f.sta("a.sta"), f64(20));
         fs::create_directories(f.sta("a.sta.tmp") / "x");
       },
       ScoreError::Kind::WriteFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Folder f;
    ASSERT_FALSE(write_level_file(f.folder.tab() / "a.tab", LevelData{}).has_value());
    const Bytes level = file_bytes(f.folder.tab() / "a.tab");
    put_file(f.sta("b.sta"), f64(33));
    c.spoil(f);
    const Bytes own = fs::is_regular_file(f.sta("a.sta")) ? file_bytes(f.sta("a.sta")) : Bytes{};

    const auto result = noter_score(f.folder, "a.tab", 90);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, c.kind);
    EXPECT_EQ(result.error().level_file_name, "a.tab");
    EXPECT_EQ(file_bytes(f.folder.tab() / "a.tab"), level);
    if (fs::is_directory(f.folder.sta())) {
      EXPECT_EQ(file_bytes(f.sta("b.sta")), f64(33));
    } else {
      EXPECT_EQ(file_bytes(f.folder.sta()), (Bytes{7, 7}));
    }
    if (fs::is_regular_file(f.sta("a.sta"))) {
      EXPECT_EQ(file_bytes(f.sta("a.sta")), own);
    }
    EXPECT_EQ(lire_score(f.folder, "a.tab"), own.empty() ? "0" : "20");
  }
}

TEST(NoterScore, ALinkAtTheScoresNameNeverLetsAScoreOverwriteALevel) {
  Folder f;
  ASSERT_FALSE(write_level_file(f.folder.tab() / "a.tab", LevelData{}).has_value());
  const Bytes level = file_bytes(f.folder.tab() / "a.tab");
  fs::create_symlink(f.folder.tab() / "a.tab", f.sta("a.sta"));
  ASSERT_EQ(noter_score(f.folder, "a.tab", 50).value(), ScoreRecord::Written);
  EXPECT_EQ(file_bytes(f.folder.tab() / "a.tab"), level);
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "50");
}

TEST(NoterScore, AScoreThatCannotBeReadIsNeverOverwritten) {
  Folder f;
  fs::create_symlink("a.sta", f.sta("a.sta"));  // a loop: opening it fails
  const auto result = noter_score(f.folder, "a.tab", 100);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().kind, ScoreError::Kind::Unreadable);
  EXPECT_TRUE(fs::is_symlink(f.sta("a.sta")));
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "0");
  EXPECT_TRUE(fs::is_symlink(f.sta("a.sta")));
}

TEST(LireScore, ShowingAScoreLeavesAnEmptyFileWhenThereWasNone) {
  Folder f;
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "0");
  ASSERT_TRUE(fs::is_regular_file(f.sta("a.sta")));
  EXPECT_EQ(fs::file_size(f.sta("a.sta")), 0u);
  // A game ending at 0 on it changes nothing the browser shows.
  EXPECT_EQ(noter_score(f.folder, "a.tab", 0).value(), ScoreRecord::Kept);
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "0");
}

TEST(LireScore, NeverFailsAndNeverCreatesFolders) {
  TempFolder temp;
  const ProgramFolder folder(temp.path());
  EXPECT_EQ(lire_score(folder, "a.tab"), "0");
  EXPECT_EQ(lire_score(folder, "nouveau"), "0");
  EXPECT_TRUE(entries(temp.path()).empty());

  fs::create_directories(folder.sta() / "b.sta");
  EXPECT_EQ(lire_score(folder, "b.tab"), "0");
  EXPECT_TRUE(fs::is_directory(folder.sta() / "b.sta"));
}

TEST(LireScore, ReadsOnlyTheFirstSlotOfAHugeFile) {
  Folder f;
  Bytes bytes = f64(64);
  bytes.resize(4 << 20, 0xEE);
  put_file(f.sta("a.sta"), bytes);
  EXPECT_EQ(lire_score(f.folder, "a.tab"), "64");
}

TEST(ScoreError, TellsThePlayerWhichLevelInHisLanguage) {
  const ScoreError e{ScoreError::Kind::WriteFailed, "Été.tab"};
  EXPECT_EQ(e.message(0),
            "Impossible d'enregistrer le score du tableau « Été.tab » : l'écriture du fichier a échoué.");
  EXPECT_EQ(e.message(1),
            "Cannot record the score of the level \"Été.tab\": the file could not be written.");
  EXPECT_EQ(e.message(2), e.message(1));
  for (auto kind : {ScoreError::Kind::Unreadable, ScoreError::Kind::FolderMissing,
                    ScoreError::Kind::TargetNotAFile}) {
    const ScoreError other{kind, "Été.tab"};
    EXPECT_NE(other.message(0), e.message(0));
    EXPECT_NE(other.message(1), e.message(1));
  }
}

TEST(FolderScoreRecorder, SaysWhyAScoreWasNotKeptInThePlayersLanguage) {
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
