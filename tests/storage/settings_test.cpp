// config.dat: the four settings, how they are read, applied and written; the captions they choose.
#include "storage/settings.h"

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

Settings make(std::int16_t bruitages, std::int16_t difficulte, std::int16_t langue, std::int16_t musique) {
  return {bruitages, difficulte, langue, musique};
}

// Slots each starting with one of the given 16-bit values.
Bytes config(std::initializer_list<std::int16_t> values) {
  Bytes b;
  for (const std::int16_t v : values) {
    b.resize(b.size() + slot_size, 0);
    b[b.size() - slot_size] = static_cast<std::uint8_t>(v & 0xFF);
    b[b.size() - slot_size + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
  }
  return b;
}

// Records what applying the settings asked of the window and the audio.
struct FakeTarget : SettingsTarget {
  void use_settings(const Settings& r) override {
    used = r;
    calls.push_back("settings");
  }
  void set_water_interval_ms(int ms) override { calls.push_back("interval " + std::to_string(ms)); }
  void stop_music() override { calls.push_back("Stop"); }
  void close_music() override { calls.push_back("Close"); }
  void piste_suivante() override { calls.push_back("next track"); }
  void show_captions(const Captions& c) override {
    captions = c;
    calls.push_back("captions");
  }
  Settings used = make(9, 9, 9, 9);
  Captions captions;
  std::vector<std::string> calls;
};

// The French captions are checked on the window itself.
TEST(Captions, EnglishForEveryLangueButZero) {
  const Captions c = textes_de_langue(1);
  EXPECT_EQ(c.label8, "Time :");
  EXPECT_EQ(c.label9, "Water level :");
  EXPECT_EQ(c.label10, "Score :");
  // A carriage return opens each line, so the welcome starts on an empty one.
  EXPECT_EQ(c.accueil, std::string("\r") + "WELCOME TO DRIPPO" + "\r" + "Click on the green flag to start..." + "\r" +
                           "Please turn your mobil phones off during the game.." + "\r" +
                           "And remember ths is a non-smoking game!!");
  EXPECT_EQ(textes_de_langue(0).label9, "Eau restante :");
  for (const std::int16_t langue : {2, -1, 32767}) EXPECT_EQ(textes_de_langue(langue), c) << langue;
}

TEST(SettingsFile, DefaultsAreFrenchMusicAndEffectsOnNormalSpeed) {
  EXPECT_EQ(settings_bytes(Settings{}), config({-1, 100, 0, -1}));
}

TEST(SettingsFile, StoredValuesAreTakenAsTheDeclarationSays) {
  struct Case {
    const char* what;
    Bytes bytes;
    Settings read;
  };
  Bytes long_file = config({0, 200, 1, 0});
  long_file.resize(5000, 0x11);
  Bytes cut = config({0});
  cut.push_back(0x2C);  // one byte of difficulte's slot
  const Case cases[] = {
      {"empty file", {}, Settings{}},
      {"all zeros", config({0, 0, 0, 0}), make(0, 100, 0, 0)},
      {"1 ms tick", config({-1, 1, 0, -1}), make(-1, 100, 0, -1)},
      {"33 s tick", config({-1, 32767, 0, -1}), make(-1, 100, 0, -1)},
      {"langue 2 is English", config({-1, 100, 2, -1}), make(-1, 100, 1, -1)},
      {"langue -1 is English", config({-1, 100, -1, -1}), make(-1, 100, 1, -1)},
      {"odd Booleans kept", config({5, 100, 0, 7}), make(5, 100, 0, 7)},
      {"slot cut in its value", cut, make(0, 100, 0, -1)},
      {"three slots", config({0, 200, 1}), make(0, 200, 1, -1)},
      {"bytes after the fourth slot", long_file, make(0, 200, 1, 0)},
  };
  for (const Case& c : cases) EXPECT_EQ(settings_from_bytes(c.bytes), c.read) << c.what;
}

TEST(LireReglages, AppliesTheSettingsInOrder) {
  struct Case {
    std::optional<Bytes> file;  // none: no config.dat, which is not created
    Settings used;
    std::vector<std::string> calls;
    Captions captions;
  };
  const Case cases[] = {
      {std::nullopt, make(-1, 100, 0, -1), {"settings", "interval 100", "next track", "captions"}, textes_francais()},
      {config({0, 200, 1, 0}), make(0, 200, 1, 0),
       {"settings", "interval 200", "Stop", "Close", "captions"}, textes_anglais()},
      // Music is on at -1 only: any other value silences it.
      {config({-1, 100, 2, 3}), make(-1, 100, 1, 3),
       {"settings", "interval 100", "Stop", "Close", "captions"}, textes_anglais()},
  };
  for (const Case& c : cases) {
    TempFolder temp;
    const ProgramFolder folder(temp.path());
    if (c.file) put_file(temp / "config.dat", *c.file);
    FakeTarget target;
    const AppliedSettings applied = lire_reglages(folder, target);
    EXPECT_EQ(applied.settings, c.used);
    EXPECT_FALSE(applied.error.has_value());
    EXPECT_EQ(target.used, c.used);
    EXPECT_EQ(target.calls, c.calls);
    EXPECT_EQ(target.captions, c.captions);
    EXPECT_EQ(entries(temp.path()).size(), c.file ? 1u : 0u);
  }
}

TEST(LireReglages, AFileThatCannotBeReadGivesTheDefaultsAndSaysSo) {
  struct Case {
    const char* what;
    void (*spoil)(const ProgramFolder&);
    ReadFailure failure;
  };
  const Case cases[] = {
      {"a folder", [](const ProgramFolder& f) { fs::create_directories(f.config() / "x"); },
       ReadFailure::NotAFile},
      {"a link loop", [](const ProgramFolder& f) { fs::create_symlink("config.dat", f.config()); },
       ReadFailure::Unreadable},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder temp;
    const ProgramFolder folder(temp.path());
    c.spoil(folder);
    FakeTarget target;
    const AppliedSettings applied = lire_reglages(folder, target);
    EXPECT_EQ(applied.settings, Settings{});
    ASSERT_TRUE(applied.error.has_value());
    EXPECT_EQ(applied.error->failure, c.failure);
    EXPECT_EQ(applied.error->message(0),
              "Impossible de lire la configuration, le fichier config.dat n'est pas un fichier lisible. "
              "Les réglages par défaut sont utilisés.");
    EXPECT_EQ(applied.error->message(1),
              "Unable to read the preferences, config.dat is not a readable file. The default settings "
              "are used.");
    EXPECT_EQ(target.used, Settings{});
    EXPECT_EQ(entries(temp.path()), std::vector<fs::path>{"config.dat"});
    EXPECT_EQ(start_storage(folder, target), std::vector<std::string>{applied.error->message(0)});  // at start-up
  }
}

TEST(EcrireReglages, WritesWhatTheNextReadBringsBack) {
  TempFolder temp;
  const ProgramFolder folder(temp.path());
  put_file(folder.config(), config({-1, 100, 0, -1}));
  const Settings chosen = make(0, 200, 1, -1);
  EXPECT_EQ(ecrire_reglages(folder, chosen), std::nullopt);
  EXPECT_EQ(file_bytes(temp / "config.dat"), settings_bytes(chosen));
  EXPECT_EQ(entries(temp.path()), std::vector<fs::path>{"config.dat"});
  FakeTarget target;
  EXPECT_EQ(lire_reglages(folder, target).settings, chosen);
}

TEST(EcrireReglages, AFailureSaysSoInTheLanguageAndKeepsWhatWasThere) {
  const char* const french =
      "Impossible de sauver la configuration, le fichier config.dat doit être en lecture seul.";
  const char* const english = "Unable to save the preferences, the config.dat file may be in a read only mode.";
  const std::pair<const char*, void (*)(const fs::path&)> spoils[] = {
      {"read-only file", [](const fs::path& config) { fs::permissions(config, fs::perms::owner_read); }},
      {"folder at the temporary's name",
       [](const fs::path& config) { fs::create_directory(config.string() + ".tmp"); }},
      {"folder in its place", [](const fs::path& config) {
         fs::remove(config);
         fs::create_directory(config);
       }},
  };
  for (const auto& [what, spoil] : spoils) {
    for (const std::int16_t langue : {0, 1, 2}) {
      SCOPED_TRACE(std::string(what) + ", langue " + std::to_string(langue));
      TempFolder temp;
      const ProgramFolder folder(temp.path());
      put_file(folder.config(), config({0, 200, 0, 0}));
      spoil(folder.config());
      EXPECT_EQ(ecrire_reglages(folder, make(-1, 100, langue, -1)), langue == 0 ? french : english);
      // OK reads the file back: the values still in it come back.
      FakeTarget target;
      const AppliedSettings reread = lire_reglages(folder, target);
      if (fs::is_directory(folder.config())) {
        EXPECT_TRUE(reread.error.has_value());
      } else {
        EXPECT_EQ(reread.settings, make(0, 200, 0, 0));
      }
      fs::permissions(folder.config(), fs::perms::owner_all);
    }
  }
}

TEST(DemarrerStockage, CreatesTheFoldersAndTellsWhatWentWrongInTheLanguageRead) {
  for (const std::int16_t langue : {0, 1}) {
    TempFolder temp;
    const ProgramFolder folder(temp.path());
    put_file(folder.sta(), {1});  // a file where the scores folder should be
    put_file(folder.config(), config({-1, 100, langue, -1}));
    FakeTarget target;
    const auto lines = start_storage(folder, target);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], FolderError{folder.sta()}.message(langue));
    EXPECT_EQ(target.used.langue, langue);
    EXPECT_EQ(file_bytes(folder.sta()), Bytes{1});
    EXPECT_TRUE(fs::is_directory(folder.tab()));
  }
}

}  // namespace
}  // namespace drippo
