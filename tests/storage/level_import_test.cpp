#include "storage/level_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using namespace testing_support;

LevelData level_by(const std::string& author) {
  LevelData level;
  level.cells[40] = {piece::verre, 0, 0, 0, 0, 0, Sens::none(), 10};
  level.time = "30";
  level.water = "20";
  level.author = author;
  return level;
}

class LevelImport : public ::testing::Test {
 protected:
  // A file as it arrives from another player.
  fs::path received(const std::string& name, const Bytes& bytes) {
    const fs::path p = game.temp / "downloads" / name;
    put_file(p, bytes);
    return p;
  }
  Result<ImportedLevel, ImportRefusal> import(const fs::path& source, bool answer = false) {
    return import_level(source, game.folder, [&](const std::string& name) {
      asked.push_back(name);
      return answer;
    });
  }

  TempProgramFolder game;
  std::vector<std::string> asked;
};

TEST_F(LevelImport, CopiesAGoodLevelAsItIsUnderItsOwnName) {
  const Bytes bytes = level_bytes(level_by("Zoé"));
  const auto done = import(received("Le Défi.TAB", bytes));
  ASSERT_TRUE(done.ok()) << done.error().message(1);
  EXPECT_EQ(done.value().file_name, "Le Défi.tab");
  EXPECT_FALSE(done.value().replaced);
  EXPECT_EQ(file_bytes(game.folder.tab() / "Le Défi.tab"), bytes);
  EXPECT_TRUE(asked.empty());
}

TEST_F(LevelImport, RefusesHostileFilesWithAMessageAndCopiesNothing) {
  Bytes bad_piece = level_bytes(level_by("x"));
  bad_piece[0] = 21;
  Bytes too_large = level_bytes(level_by("x"));
  too_large.push_back(0);
  fs::create_directories(game.temp / "downloads/dossier.tab");
  const fs::path pipe = game.temp / "downloads/pipe.tab";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);  // reading it would block

  struct Case {
    fs::path source;
    const char* french;
    const char* english;
  };
  const std::vector<Case> cases = {
      {received("broken.tab", bad_piece), "il contient une pièce inconnue", "it holds an unknown piece"},
      {received("big.tab", too_large), "le fichier est trop gros", "the file is too large"},
      {received("notes.txt", level_bytes(level_by("x"))), "son nom ne finit pas par .tab", "does not end in .tab"},
      {received("a:b.tab", level_bytes(level_by("x"))), "ne peut pas contenir < > :", "cannot contain < > :"},
      {received("con.tab", level_bytes(level_by("x"))), "nom réservé", "the system keeps"},
      {game.temp / "downloads/dossier.tab", "ce n'est pas un fichier", "it is not a file"},
      {pipe, "ce n'est pas un fichier", "it is not a file"},
      {game.temp / "downloads/gone.tab", "le fichier est introuvable", "the file is missing"},
  };
  for (const Case& c : cases) {
    const auto done = import(c.source, true);
    ASSERT_FALSE(done.ok()) << c.source;
    EXPECT_NE(done.error().message(0).find(c.french), std::string::npos) << done.error().message(0);
    EXPECT_NE(done.error().message(1).find(c.english), std::string::npos) << done.error().message(1);
  }
  EXPECT_TRUE(entries(game.folder.tab()).empty());
  EXPECT_TRUE(asked.empty());
}

TEST_F(LevelImport, AsksBeforeReplacingAnotherLevelOfTheSameName) {
  const Bytes mine = level_bytes(level_by("Moi"));
  const Bytes theirs = level_bytes(level_by("Eux"));
  put_file(game.folder.tab() / "duel.tab", mine);

  auto done = import(received("duel.tab", theirs), false);
  ASSERT_FALSE(done.ok());
  EXPECT_EQ(done.error().why, ImportRefusal::Why::Declined);
  EXPECT_EQ(done.error().message(0), "");
  EXPECT_EQ(file_bytes(game.folder.tab() / "duel.tab"), mine);
  EXPECT_EQ(asked, std::vector<std::string>{"duel.tab"});

  done = import(received("duel.tab", theirs), true);
  ASSERT_TRUE(done.ok());
  EXPECT_TRUE(done.value().replaced);
  EXPECT_EQ(file_bytes(game.folder.tab() / "duel.tab"), theirs);

  // The same level again, or the folder's own file: nothing to ask.
  asked.clear();
  EXPECT_TRUE(import(received("duel.tab", theirs)).ok());
  EXPECT_TRUE(import(game.folder.tab() / "duel.tab").ok());
  EXPECT_TRUE(asked.empty());
}

}  // namespace
}  // namespace drippo
