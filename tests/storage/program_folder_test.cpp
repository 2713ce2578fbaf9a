#include "storage/program_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/game_folders.h"
#include "support/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using testing_support::put_file;
using testing_support::TempFolder;

TEST(ProgramFolder, OnlyPlainNamesGiveALevelPath) {
  const ProgramFolder folder("/opt/drippo");
  for (const char* name : {"Hélène et les chats.tab", "a:b.tab", "con.tab"}) {
    EXPECT_EQ(folder.level_path(name), fs::path("/opt/drippo/tab") / name) << name;
  }
  for (const char* name : {"", "..", "../config.dat", "/etc/passwd", "x\x7F.tab"}) {
    EXPECT_EQ(folder.level_path(name), std::nullopt) << name;
  }
}

TEST(ProgramFolder, EnsureFoldersCreatesTabAndStaBesideTheProgramAndKeepsTheirFiles) {
  TempFolder dir;
  const ProgramFolder folder(dir.path());
  ASSERT_EQ(folder.ensure_folders(), std::nullopt);
  EXPECT_TRUE(fs::is_directory(dir / "tab"));
  EXPECT_TRUE(fs::is_directory(dir / "sta"));
  put_file(dir / "tab" / "a.tab", {1});
  ASSERT_EQ(folder.ensure_folders(), std::nullopt);
  EXPECT_TRUE(fs::exists(dir / "tab" / "a.tab"));
}

TEST(ProgramFolder, EnsureFoldersReportsWhatItCannotCreate) {
  TempFolder dir;
  put_file(dir / "sta", {1});
  const ProgramFolder folder(dir.path());
  const auto error = folder.ensure_folders();
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->folder, folder.sta());
  EXPECT_TRUE(fs::is_regular_file(dir / "sta"));
  EXPECT_EQ(error->message(0), "Impossible de créer le dossier « " + folder.sta().string() + " ».");
  EXPECT_EQ(error->message(1), "Cannot create the folder \"" + folder.sta().string() + "\".");

  const ProgramFolder missing_root(dir / "nowhere");
  ASSERT_TRUE(missing_root.ensure_folders().has_value());
  EXPECT_FALSE(fs::exists(dir / "nowhere"));
}

TEST(GameFolders, ThePlayersDataFolderFollowsXdgAndIgnoresRelativePaths) {
  struct Case {
    UserEnvironment env;
    std::optional<fs::path> expected;
  };
  const std::vector<Case> cases = {
      {{"/home/lea", "/data/lea"}, fs::path("/data/lea/drippo")},
      {{"/home/lea", ""}, fs::path("/home/lea/.local/share/drippo")},
      {{"/home/lea", "data"}, fs::path("/home/lea/.local/share/drippo")},
      {{"lea", ""}, std::nullopt},
      {{"", ""}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(user_data_folder(c.env), c.expected) << c.env.home << " " << c.env.xdg_data_home;
  }
}

TEST(GameFolders, OnlyAnOwnWritableProgramFolderKeepsThePlayersFiles) {
  TempFolder dir;
  const UserEnvironment env{(dir / "home").string(), ""};
  const fs::path user = dir / "home/.local/share/drippo";

  // The build folder, or a copy in the home folder.
  fs::create_directories(dir / "game/tab");
  GameFolders where = choose_game_folders(dir / "game", env);
  EXPECT_EQ(where.player.root(), dir / "game");
  EXPECT_EQ(where.shipped, std::nullopt);

  // tab sent elsewhere by a link: the player's levels would follow it.
  fs::create_directories(dir / "elsewhere");
  fs::create_directories(dir / "linked");
  fs::create_directory_symlink(dir / "elsewhere", dir / "linked/tab");
  EXPECT_FALSE(is_own_writable_folder(dir / "linked"));
  where = choose_game_folders(dir / "linked", env);
  EXPECT_EQ(where.player.root(), user);
  EXPECT_EQ(where.shipped, dir / "linked");

  // Installed: bin/drippo with share/drippo, even where it could be written.
  fs::create_directories(dir / "usr/bin");
  fs::create_directories(dir / "usr/share/drippo/tab");
  where = choose_game_folders(dir / "usr/bin", env);
  EXPECT_EQ(where.player.root(), user);
  EXPECT_EQ(where.shipped, dir / "usr/share/drippo");

  // Installed into the player's own ~/.local: nothing to lay.
  fs::create_directories(dir / "home/.local/bin");
  fs::create_directories(user);
  where = choose_game_folders(dir / "home/.local/bin", env);
  EXPECT_EQ(where.player.root(), user);
  EXPECT_EQ(where.shipped, std::nullopt);

  // A read-only folder, where permissions hold (not for root).
  if (::geteuid() != 0) {
    fs::create_directories(dir / "readonly/tab");
    fs::permissions(dir / "readonly", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(choose_game_folders(dir / "readonly", env).player.root(), user);
    fs::permissions(dir / "readonly", fs::perms::owner_write, fs::perm_options::add);
  }
}

}  // namespace
}  // namespace drippo
