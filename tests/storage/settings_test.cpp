// config.dat: the four settings, how they are read, applied and written.
#include "storage/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using testing_support::entries;
using testing_support::file_bytes;
using testing_support::put_file;
using testing_support::TempFolder;
using Bytes = std::vector<std::uint8_t>;

Reglages make(std::int16_t bruitages, std::int16_t difficulte, std::int16_t langue, std::int16_t musique) {
  Reglages r;
  r.bruitages = bruitages;
  r.difficulte = difficulte;
  r.langue = langue;
  r.musique = musique;
  return r;
}

// Four slots, each starting with one of the given 16-bit values.
Bytes config(std::initializer_list<std::int16_t> values) {
  Bytes b;
  for (const std::int16_t v : values) {
    Bytes slot(slot_size, 0);
    slot[0] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(v) & 0xFF);
    slot[1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(v) >> 8);
    b.insert(b.end(), slot.begin(), slot.end());
  }
  return b;
}

// Records what applying the settings asked of the window and the audio.
struct FakeTarget : SettingsTarget {
  void use_settings(const Reglages& r) override {
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
  Reglages used = make(9, 9, 9, 9);
  Captions captions;
  std::vector<std::string> calls;
};

TEST(SettingsDeclaration, DefaultsAreFrenchMusicAndEffectsOnNormalSpeed) {
  const Reglages r;
  EXPECT_EQ(r, make(-1, 100, 0, -1));
  for (const ReglageDecl& d : reglages_declares) {
    EXPECT_TRUE(d.defaut == d.valeurs[0] || d.defaut == d.valeurs[1]) << d.nom;
    for (const std::int16_t v : d.valeurs) EXPECT_EQ(d.lu(v), v) << d.nom << " " << v;
  }
  EXPECT_EQ(declaration(Reglage::difficulte).valeurs, (std::array<std::int16_t, 2>{100, 200}));
  EXPECT_EQ(declaration(Reglage::langue).nom, "langue");
}

TEST(SettingsFile, DefaultsHaveTheirWorkedBytes) {
  const Bytes bytes = reglages_bytes(Reglages{});
  ASSERT_EQ(bytes.size(), 512u);
  Bytes expected(512, 0);
  expected[0] = 0xFF;
  expected[1] = 0xFF;
  expected[128] = 0x64;
  expected[384] = 0xFF;
  expected[385] = 0xFF;
  EXPECT_EQ(bytes, expected);
}

TEST(SettingsFile, EveryChoiceTheDialogOffersReadsBack) {
  for (const std::int16_t b : declaration(Reglage::bruitages).valeurs)
    for (const std::int16_t d : declaration(Reglage::difficulte).valeurs)
      for (const std::int16_t l : declaration(Reglage::langue).valeurs)
        for (const std::int16_t m : declaration(Reglage::musique).valeurs) {
          const Reglages r = make(b, d, l, m);
          EXPECT_EQ(reglages_from_bytes(reglages_bytes(r)), r);
        }
}

TEST(SettingsFile, StoredValuesAreTakenAsTheDeclarationSays) {
  struct Case {
    const char* what;
    Bytes bytes;
    Reglages read;
  };
  Bytes long_file = config({0, 200, 1, 0});
  long_file.resize(5000, 0x11);
  Bytes cut = config({0});
  cut.push_back(0x2C);  // one byte of difficulte's slot
  const Case cases[] = {
      {"empty file", {}, Reglages{}},
      {"all zeros", config({0, 0, 0, 0}), make(0, 100, 0, 0)},
      {"negative difficulty", config({-1, -200, 0, -1}), make(-1, 100, 0, -1)},
      {"odd difficulty", config({-1, 150, 0, -1}), make(-1, 100, 0, -1)},
      {"1 ms tick", config({-1, 1, 0, -1}), make(-1, 100, 0, -1)},
      {"33 s tick", config({-1, 32767, 0, -1}), make(-1, 100, 0, -1)},
      {"langue 2 is English", config({-1, 100, 2, -1}), make(-1, 100, 1, -1)},
      {"langue -1 is English", config({-1, 100, -1, -1}), make(-1, 100, 1, -1)},
      {"odd Booleans kept", config({5, 100, 0, 7}), make(5, 100, 0, 7)},
      {"one slot", config({0}), make(0, 100, 0, -1)},
      {"slot cut in its value", cut, make(0, 100, 0, -1)},
      {"three slots", config({0, 200, 1}), make(0, 200, 1, -1)},
      {"bytes after the fourth slot", long_file, make(0, 200, 1, 0)},
  };
  for (const Case& c : cases) EXPECT_EQ(reglages_from_bytes(c.bytes), c.read) << c.what;
}

TEST(LireReglages, AppliesTheSettingsInOrder) {
  struct Case {
    Bytes file;
    Reglages used;
    std::vector<std::string> calls;
    Captions captions;
  };
  const Case cases[] = {
      {config({-1, 100, 0, -1}), make(-1, 100, 0, -1),
       {"settings", "interval 100", "next track", "captions"}, textes_francais()},
      {config({0, 200, 1, 0}), make(0, 200, 1, 0),
       {"settings", "interval 200", "Stop", "Close", "captions"}, textes_anglais()},
      // Music is on at -1 only: any other value silences it.
      {config({-1, 100, 2, 3}), make(-1, 100, 1, 3),
       {"settings", "interval 100", "Stop", "Close", "captions"}, textes_anglais()},
      {config({0, 0, 0, 0}), make(0, 100, 0, 0),
       {"settings", "interval 100", "Stop", "Close", "captions"}, textes_francais()},
  };
  for (const Case& c : cases) {
    TempFolder temp;
    const ProgramFolder folder(temp.path());
    put_file(folder.config(), c.file);
    FakeTarget target;
    const AppliedSettings applied = lire_reglages(folder, target);
    EXPECT_EQ(applied.reglages, c.used);
    EXPECT_FALSE(applied.error.has_value());
    EXPECT_EQ(target.used, c.used);
    EXPECT_EQ(target.calls, c.calls);
    EXPECT_EQ(target.captions, c.captions);
  }
}

TEST(LireReglages, AMissingFileGivesTheDefaultsAndCreatesNothing) {
  TempFolder temp;
  const ProgramFolder folder(temp.path());
  FakeTarget target;
  const AppliedSettings applied = lire_reglages(folder, target);
  EXPECT_EQ(applied.reglages, Reglages{});
  EXPECT_FALSE(applied.error.has_value());
  EXPECT_EQ(target.calls, (std::vector<std::string>{"settings", "interval 100", "next track", "captions"}));
  EXPECT_TRUE(entries(temp.path()).empty());
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
    EXPECT_EQ(applied.reglages, Reglages{});
    ASSERT_TRUE(applied.error.has_value());
    EXPECT_EQ(applied.error->failure, c.failure);
    EXPECT_EQ(applied.error->message(0),
              "Impossible de lire la configuration, le fichier config.dat n'est pas un fichier lisible. "
              "Les réglages par défaut sont utilisés.");
    EXPECT_EQ(applied.error->message(1),
              "Unable to read the preferences, config.dat is not a readable file. The default settings "
              "are used.");
    EXPECT_EQ(target.used, Reglages{});
    EXPECT_EQ(entries(temp.path()), std::vector<fs::path>{"config.dat"});
  }
}

TEST(EcrireReglages, WritesWhatTheNextReadBringsBack) {
  TempFolder temp;
  const ProgramFolder folder(temp.path());
  put_file(folder.config(), config({-1, 100, 0, -1}));
  const Reglages chosen = make(0, 200, 1, -1);
  EXPECT_EQ(ecrire_reglages(folder, chosen), std::nullopt);
  EXPECT_EQ(file_bytes(folder.config()), reglages_bytes(chosen));
  EXPECT_EQ(entries(temp.path()), std::vector<fs::path>{"config.dat"});
  FakeTarget target;
  EXPECT_EQ(lire_reglages(folder, target).reglages, chosen);
}

TEST(EcrireReglages, AFailureSaysSoInTheLanguageAndKeepsTheFile) {
  const char* const french =
      "Impossible de sauver la configuration, le fichier config.dat doit être en lecture seul.";
  const char* const english =
      "Unable to save the preferences, the config.dat file may be in a read only mode.";
  struct Case {
    const char* what;
    void (*spoil)(const ProgramFolder&);
  };
  const Case cases[] = {
      {"read-only file", [](const ProgramFolder& f) { fs::permissions(f.config(), fs::perms::owner_read); }},
      {"folder at the temporary's name",
       [](const ProgramFolder& f) { fs::create_directories(fs::path(f.config().string() + ".tmp") / "x"); }},
  };
  for (const Case& c : cases) {
    for (const std::int16_t langue : {0, 1, 2}) {
      SCOPED_TRACE(std::string(c.what) + ", langue " + std::to_string(langue));
      TempFolder temp;
      const ProgramFolder folder(temp.path());
      const Bytes before = config({0, 200, 0, 0});
      put_file(folder.config(), before);
      c.spoil(folder);
      EXPECT_EQ(ecrire_reglages(folder, make(-1, 100, langue, -1)), langue == 0 ? french : english);
      EXPECT_EQ(file_bytes(folder.config()), before);
      // OK reads the file back: the values still in it come back.
      FakeTarget target;
      EXPECT_EQ(lire_reglages(folder, target).reglages, make(0, 200, 0, 0));
      fs::permissions(folder.config(), fs::perms::owner_all);
    }
  }
}

TEST(EcrireReglages, AFolderNamedConfigDatIsLeftAlone) {
  TempFolder temp;
  const ProgramFolder folder(temp.path());
  fs::create_directories(folder.config() / "x");
  EXPECT_EQ(ecrire_reglages(folder, Reglages{}),
            "Impossible de sauver la configuration, le fichier config.dat doit être en lecture seul.");
  EXPECT_TRUE(fs::is_directory(folder.config() / "x"));
}

TEST(DemarrerStockage, CreatesTheFoldersThenAppliesTheSettings) {
  TempFolder temp;
  const ProgramFolder folder(temp.path());
  FakeTarget target;
  EXPECT_TRUE(demarrer_stockage(folder, target).empty());
  EXPECT_TRUE(fs::is_directory(folder.tab()));
  EXPECT_TRUE(fs::is_directory(folder.sta()));
  EXPECT_EQ(target.calls.size(), 4u);
}

TEST(DemarrerStockage, TellsWhatWentWrongInTheLanguageRead) {
  for (const std::int16_t langue : {0, 1}) {
    TempFolder temp;
    const ProgramFolder folder(temp.path());
    put_file(folder.tab(), {1});  // a file where the levels folder should be
    put_file(folder.config(), config({-1, 100, langue, -1}));
    FakeTarget target;
    const auto lines = demarrer_stockage(folder, target);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], FolderError{folder.tab()}.message(langue));
    EXPECT_EQ(target.used.langue, langue);
    EXPECT_EQ(file_bytes(folder.tab()), Bytes{1});
  }
}

TEST(MontrerReglages, EachMarkerSits120LeftOfItsChosenButton) {
  // Lefts apart enough that a wrong button shows.
  const std::array<int, 8> lefts{1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000};
  struct Case {
    Reglages r;
    MarkerLefts markers;  // bruitage, difficulte, langue, ziq
  };
  const Case cases[] = {
      {make(-1, 100, 0, -1), {4880, 6880, 1880, 2880}},
      {make(0, 200, 1, 0), {5880, 7880, 880, 3880}},
      {make(5, 150, 2, 7), {5880, 7880, 880, 3880}},
  };
  for (const Case& c : cases) EXPECT_EQ(montrer_reglages(lefts, c.r), c.markers);

  // The dialog as laid out: left buttons at 2160, right ones at 4440.
  const std::array<int, 8> dialog{2160, 4440, 2160, 4440, 2160, 4440, 2160, 4440};
  EXPECT_EQ(montrer_reglages(dialog, Reglages{}), (MarkerLefts{2040, 2040, 4320, 2040}));
}

}  // namespace
}  // namespace drippo
