// The options dialog with a recording host and a program folder of its own.
#include "ui/dialogs/options_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "storage/temp_folder.h"
#include "ui/main/twips.h"

namespace drippo::ui::testing {
namespace {

using drippo::testing_support::file_bytes;
using drippo::testing_support::put_file;
using drippo::testing_support::TempFolder;

// What reading config.dat back applied, in order.
class RecordingSettings : public SettingsTarget {
 public:
  void use_settings(const Reglages& r) override {
    calls.push_back("use_settings");
    used = r;
  }
  void set_water_interval_ms(int ms) override { calls.push_back("interval " + std::to_string(ms)); }
  void stop_music() override { calls.push_back("stop"); }
  void close_music() override { calls.push_back("close"); }
  void piste_suivante() override { calls.push_back("piste_suivante"); }
  void show_captions(const Captions& c) override {
    calls.push_back("captions");
    captions = c;
  }

  std::vector<std::string> calls;
  Reglages used;
  Captions captions;
};

class RecordingQuestions : public Questions {
 public:
  bool ask_yes_no(QWidget*, const QString& text, std::int16_t) override {
    asked << text;
    return false;
  }
  void tell(QWidget*, const QString& text) override { told << text; }
  QStringList asked;
  QStringList told;
};

// Rows from the top: language, music, effects, difficulty.
enum Row { langue_row, ziq_row, bruitage_row, difficulte_row };
constexpr int left_marker = 2040;
constexpr int right_marker = 4320;

Reglages settings(std::int16_t bruitages, std::int16_t difficulte, std::int16_t langue, std::int16_t musique) {
  Reglages r;
  r.bruitages = bruitages;
  r.difficulte = difficulte;
  r.langue = langue;
  r.musique = musique;
  return r;
}

class OptionsDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<OptionsDialog> open(const Reglages& r, double zoom = 1.0) {
    // Reads config.dat back as the main window does.
    auto d = std::make_unique<OptionsDialog>(OptionsDialog::Host{
        folder_, questions_, r, [this](const Reglages& x) { live_.push_back(x); },
        [this] { lire_reglages(folder_, settings_); }, zoom});
    d->show();
    return d;
  }
  static void press(OptionsDialog& d, const QString& name) {
    auto* button = d.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
  }
  static QRect marker(OptionsDialog& d, const char* name) { return d.findChild<QWidget*>(name)->geometry(); }
  static QRect expected_marker(int left, Row row, double zoom = 1.0) {
    return Zoom(zoom).rect({left, 720 + 1080 * row, 1335, 975});
  }
  static void expect_markers(OptionsDialog& d, int langue, int ziq, int bruitage, int difficulte, double zoom = 1.0) {
    EXPECT_EQ(marker(d, "carre_langue"), expected_marker(langue, langue_row, zoom));
    EXPECT_EQ(marker(d, "carre_ziq"), expected_marker(ziq, ziq_row, zoom));
    EXPECT_EQ(marker(d, "carre_bruitage"), expected_marker(bruitage, bruitage_row, zoom));
    EXPECT_EQ(marker(d, "carre_difficulte"), expected_marker(difficulte, difficulte_row, zoom));
  }
  void store(const Reglages& r) { put_file(folder_.config(), reglages_bytes(r)); }
  // The 16-bit integers of config.dat's four slots.
  std::vector<int> stored() const {
    const auto bytes = file_bytes(folder_.config());
    EXPECT_EQ(bytes.size(), 512u);
    std::vector<int> values;
    for (std::size_t slot = 0; slot < 4 && bytes.size() >= 512; ++slot) {
      values.push_back(static_cast<std::int16_t>(bytes[slot * 128] | (bytes[slot * 128 + 1] << 8)));
    }
    return values;
  }

  TempFolder temp_;
  ProgramFolder folder_{temp_.path()};
  RecordingQuestions questions_;
  RecordingSettings settings_;
  std::vector<Reglages> live_;
};

struct ChoiceCase {
  int index;
  int bruitages, difficulte, langue, musique;  // after the choice
  const char* marker;
  Row row;
  int marker_left;
};

TEST_F(OptionsDialogTest, EachChoiceSetsItsSettingAtOnceAndMovesOnlyItsMarker) {
  // Every choice starts from the other button of its row.
  const ChoiceCase cases[] = {
      {0, -1, 100, 1, -1, "carre_langue", langue_row, left_marker},
      {1, -1, 100, 0, -1, "carre_langue", langue_row, right_marker},
      {2, -1, 100, 0, -1, "carre_ziq", ziq_row, left_marker},
      {3, -1, 100, 0, 0, "carre_ziq", ziq_row, right_marker},
      {4, -1, 100, 0, -1, "carre_bruitage", bruitage_row, left_marker},
      {5, 0, 100, 0, -1, "carre_bruitage", bruitage_row, right_marker},
      {6, -1, 100, 0, -1, "carre_difficulte", difficulte_row, left_marker},
      {7, -1, 200, 0, -1, "carre_difficulte", difficulte_row, right_marker},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.index);
    Reglages before = settings(-1, 100, 0, -1);
    if (c.index == 1) before.langue = 1;
    if (c.index == 2) before.musique = 0;
    if (c.index == 4) before.bruitages = 0;
    if (c.index == 6) before.difficulte = 200;
    live_.clear();
    auto d = open(before);
    const QRect others[] = {marker(*d, "carre_langue"), marker(*d, "carre_ziq"), marker(*d, "carre_bruitage"),
                            marker(*d, "carre_difficulte")};
    EXPECT_NE(marker(*d, c.marker), expected_marker(c.marker_left, c.row));

    press(*d, QStringLiteral("Command1_%1").arg(c.index));
    const Reglages after = settings(c.bruitages, c.difficulte, c.langue, c.musique);
    EXPECT_EQ(d->reglages(), after);
    ASSERT_EQ(live_.size(), 1u);
    EXPECT_EQ(live_.back(), after);
    EXPECT_EQ(marker(*d, c.marker), expected_marker(c.marker_left, c.row));
    const char* names[] = {"carre_langue", "carre_ziq", "carre_bruitage", "carre_difficulte"};
    for (int k = 0; k < 4; ++k) {
      if (k != c.row) {
        EXPECT_EQ(marker(*d, names[k]), others[k]) << names[k];
      }
    }
    EXPECT_TRUE(d->isVisible());
  }
  // Choices reach neither the file nor the timer, the music or the captions.
  EXPECT_FALSE(std::filesystem::exists(folder_.config()));
  EXPECT_TRUE(settings_.calls.empty());
}

TEST_F(OptionsDialogTest, PressingTheSameChoiceTwiceChangesNothing) {
  auto d = open(settings(-1, 100, 0, -1));
  press(*d, "Command1_0");
  press(*d, "Command1_0");
  ASSERT_EQ(live_.size(), 2u);
  EXPECT_EQ(live_[0], live_[1]);
  EXPECT_EQ(d->reglages().langue, 1);
  expect_markers(*d, left_marker, left_marker, left_marker, left_marker);
}

TEST_F(OptionsDialogTest, MarkersStartBesideTheGamesSettingsAtTheWindowsZoom) {
  struct Case {
    Reglages r;
    int langue, ziq, bruitage, difficulte;
  };
  const Case cases[] = {
      {settings(-1, 100, 0, -1), right_marker, left_marker, left_marker, left_marker},
      {settings(0, 200, 1, 0), left_marker, right_marker, right_marker, right_marker},
      // Anything but 100 is easy, anything but -1 is off, anything but 0 is English.
      {settings(1, 150, 2, 1), left_marker, right_marker, right_marker, right_marker},
  };
  for (const Case& c : cases) {
    for (const double zoom : {1.0, 1.5, 0.75}) {
      SCOPED_TRACE(zoom);
      auto d = open(c.r, zoom);
      EXPECT_EQ(d->size(), Zoom(zoom).rect({0, 0, 5895, 6000}).size());
      expect_markers(*d, c.langue, c.ziq, c.bruitage, c.difficulte, zoom);
      EXPECT_EQ(d->marker_lefts(), (MarkerLefts{c.bruitage, c.difficulte, c.langue, c.ziq}));
    }
  }
}

TEST_F(OptionsDialogTest, DefaultSetsFrenchMusicEffectsAndNormalButWritesNothing) {
  auto d = open(settings(0, 200, 1, 0));
  press(*d, "Command11");
  EXPECT_EQ(d->reglages(), settings(-1, 100, 0, -1));
  ASSERT_EQ(live_.size(), 1u);
  EXPECT_EQ(live_.back(), settings(-1, 100, 0, -1));
  expect_markers(*d, right_marker, left_marker, left_marker, left_marker);
  EXPECT_TRUE(d->isVisible());
  EXPECT_FALSE(std::filesystem::exists(folder_.config()));
  EXPECT_TRUE(settings_.calls.empty());
}

TEST_F(OptionsDialogTest, OkWritesTheChoicesThenReadsThemBackAppliesThemAndCloses) {
  auto d = open(settings(-1, 100, 0, -1));
  press(*d, "Command1_0");  // English
  press(*d, "Command1_3");  // music off
  press(*d, "Command1_7");  // easy
  press(*d, "Command9");
  EXPECT_EQ(stored(), (std::vector<int>{-1, 200, 1, 0}));
  EXPECT_EQ(settings_.calls,
            (std::vector<std::string>{"use_settings", "interval 200", "stop", "close", "captions"}));
  EXPECT_EQ(settings_.used, settings(-1, 200, 1, 0));
  EXPECT_EQ(settings_.captions, textes_anglais());
  EXPECT_TRUE(questions_.told.isEmpty());
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_FALSE(d->isVisible());
}

TEST_F(OptionsDialogTest, DefaultThenOkWritesTheDefaultsAndStartsAnotherTrack) {
  store(settings(0, 200, 1, 0));
  auto d = open(settings(0, 200, 1, 0));
  press(*d, "Command11");
  press(*d, "Command9");
  const auto bytes = file_bytes(folder_.config());
  ASSERT_EQ(bytes.size(), 512u);
  const std::pair<std::size_t, std::array<std::uint8_t, 2>> expected_slots[] = {
      {0, {0xFF, 0xFF}}, {128, {0x64, 0x00}}, {256, {0x00, 0x00}}, {384, {0xFF, 0xFF}}};
  for (const auto& [offset, pair] : expected_slots) {
    EXPECT_EQ(bytes[offset], pair[0]) << offset;
    EXPECT_EQ(bytes[offset + 1], pair[1]) << offset;
  }
  EXPECT_EQ(settings_.calls,
            (std::vector<std::string>{"use_settings", "interval 100", "piste_suivante", "captions"}));
  EXPECT_EQ(settings_.captions, textes_francais());
}

TEST_F(OptionsDialogTest, CancelEscapeOrTheCloseBoxPutBackTheStoredSettingsWithoutWriting) {
  store(settings(0, 200, 1, 0));
  const auto before = file_bytes(folder_.config());
  const std::pair<const char*, std::function<void(OptionsDialog&)>> ways[] = {
      {"Command11", [](OptionsDialog& d) { press(d, "Command10"); }},
      {"Command1_1", [](OptionsDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
      {"Command1_6", [](OptionsDialog& d) { d.close(); }},
  };
  for (const auto& [choice, leave] : ways) {
    SCOPED_TRACE(choice);
    settings_.calls.clear();
    auto d = open(settings(0, 200, 1, 0));
    press(*d, choice);
    leave(*d);
    EXPECT_EQ(file_bytes(folder_.config()), before);
    EXPECT_EQ(settings_.used, settings(0, 200, 1, 0));
    EXPECT_EQ(settings_.calls,
              (std::vector<std::string>{"use_settings", "interval 200", "stop", "close", "captions"}));
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FALSE(d->isVisible());
  }
}

TEST_F(OptionsDialogTest, CancelWithoutAFileCreatesNone) {
  auto d = open(settings(0, 200, 1, 0));
  press(*d, "Command10");
  EXPECT_FALSE(std::filesystem::exists(folder_.config()));
  EXPECT_EQ(settings_.calls.front(), "use_settings");
}

struct FailureCase {
  std::int16_t langue;
  const char* message;
};

const FailureCase failure_cases[] = {
    {0, "Impossible de sauver la configuration, le fichier config.dat doit être en lecture seul."},
    {1, "Unable to save the preferences, the config.dat file may be in a read only mode."},
};

TEST_F(OptionsDialogTest, AReadOnlySettingsFileIsReportedAndItsValuesComeBack) {
  for (const FailureCase& c : failure_cases) {
    SCOPED_TRACE(c.langue);
    questions_.told.clear();
    std::filesystem::remove(folder_.config());
    store(settings(0, 200, c.langue, 0));
    std::filesystem::permissions(folder_.config(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    auto d = open(settings(0, 200, c.langue, 0));
    press(*d, "Command1_4");  // effects on
    press(*d, "Command1_6");  // normal
    press(*d, "Command9");
    EXPECT_EQ(questions_.told, QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(stored(), (std::vector<int>{0, 200, c.langue, 0}));
    EXPECT_EQ(settings_.used, settings(0, 200, c.langue, 0));
    EXPECT_EQ(d->result(), QDialog::Accepted);
  }
}

TEST_F(OptionsDialogTest, AFolderInPlaceOfTheFileIsReportedInTheLanguageJustChosen) {
  // The message follows the language the player has just picked.
  for (const auto& [choice, c] :
       {std::pair{"Command1_1", failure_cases[0]}, std::pair{"Command1_0", failure_cases[1]}}) {
    SCOPED_TRACE(choice);
    questions_.told.clear();
    std::filesystem::create_directories(folder_.config());
    auto d = open(settings(0, 200, static_cast<std::int16_t>(1 - c.langue), 0));
    press(*d, choice);
    press(*d, "Command9");
    EXPECT_EQ(questions_.told, QStringList{QString::fromUtf8(c.message)});
    EXPECT_TRUE(std::filesystem::is_directory(folder_.config()));
    // Nothing can be read back either: the game goes on with the defaults.
    EXPECT_EQ(settings_.used, Reglages{});
    EXPECT_EQ(d->result(), QDialog::Accepted);
  }
}

struct CaptionCase {
  const char* name;
  const char* french;
  const char* english;
  const char* other;  // a language that is neither: the window as designed
};

TEST_F(OptionsDialogTest, CaptionsFollowTheLanguageAtOpening) {
  const CaptionCase cases[] = {
      {"Label1", "REGLAGES DES OPTIONS", "SETTINGS", "REGLAGES DES OPTIONS"},
      {"Label2", "Langue :", "Language :", "Langue :"},
      {"Label3", "Musique :", "Music :", "Musique :"},
      {"Label5", "Bruitages :", "Effects :", "Bruitages :"},
      {"Label4", "Difficulté :", "Difficulty :", "Difficulté :"},
      {"Command10", "Annuler", "Cancel", "Cancel"},
      {"Command11", "Défaut", "Default", "Default"},
      {"Command9", "OK", "OK", "OK"},
      {"Command1_2", "ON", "ON", "ON"},
      {"Command1_3", "OFF", "OFF", "OFF"},
      {"Command1_4", "ON", "ON", "ON"},
      {"Command1_5", "OFF", "OFF", "OFF"},
      {"Command1_6", "Normale", "Normal", "Normale"},
      {"Command1_7", "Facile", "Easy", "Facile"},
  };
  auto french = open(settings(-1, 100, 0, -1));
  auto english = open(settings(-1, 100, 1, -1));
  auto other = open(settings(-1, 100, 3, -1));
  auto text = [](OptionsDialog& d, const char* name) {
    QWidget* w = d.findChild<QWidget*>(name);
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QPushButton*>(w)) return b->text();
    return QStringLiteral("<missing>");
  };
  for (const CaptionCase& c : cases) {
    EXPECT_EQ(text(*french, c.name), QString::fromUtf8(c.french)) << c.name;
    EXPECT_EQ(text(*english, c.name), QString::fromUtf8(c.english)) << c.name;
    EXPECT_EQ(text(*other, c.name), QString::fromUtf8(c.other)) << c.name;
  }
  // Not translated again while open.
  press(*french, "Command1_0");
  EXPECT_EQ(text(*french, "Label1"), "REGLAGES DES OPTIONS");
}

TEST_F(OptionsDialogTest, TheBackgroundRunsFromBlackToTheColourOfItsStyle) {
  auto d = open(settings(-1, 100, 0, -1));
  const QImage shot = d->grab().toImage();
  const QColor top = shot.pixelColor(2, 1);
  const QColor bottom = shot.pixelColor(2, shot.height() - 2);
  EXPECT_EQ(top, QColor(Qt::black));
  if (d->ramp_style() == RampStyle::Red) {
    EXPECT_GT(bottom.red(), 150);
    EXPECT_LE(bottom.red(), 179);
    EXPECT_EQ(bottom.blue(), 0);
  } else {
    EXPECT_GT(bottom.blue(), 240);
    EXPECT_EQ(bottom.red(), 0);
  }
  EXPECT_EQ(bottom.green(), 0);
}

}  // namespace
}  // namespace drippo::ui::testing
