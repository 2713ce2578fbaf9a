// The options dialog with a recording host and a program folder of its own.
#include "ui/dialogs/options_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/temp_folder.h"

namespace drippo::ui::testing {
namespace {

using drippo::testing_support::file_bytes;
using drippo::testing_support::put_file;
using drippo::testing_support::TempFolder;

// What reading config.dat back applied, in order.
class RecordingSettings : public SettingsTarget {
 public:
  void use_settings(const Settings& r) override {
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
  Settings used;
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

Settings settings(std::int16_t bruitages, std::int16_t difficulte, std::int16_t langue, std::int16_t musique) {
  Settings r;
  r.bruitages = bruitages;
  r.difficulte = difficulte;
  r.langue = langue;
  r.musique = musique;
  return r;
}

// For the rows language, music, effects and difficulty: the choice button
// Command1_k each row's marker frames.
using Framed = std::array<int, 4>;

class OptionsDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<OptionsDialog> open(const Settings& r, double zoom = 1.0) {
    // Reads config.dat back as the main window does.
    auto d = std::make_unique<OptionsDialog>(OptionsDialog::Host{
        folder_, questions_, r, [this](const Settings& x) { live_.push_back(x); },
        [this] { lire_reglages(folder_, settings_); }, zoom});
    d->show();
    return d;
  }
  static void press(OptionsDialog& d, const QString& name) {
    auto* button = d.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
  }
  static void press(OptionsDialog& d, int choice) { press(d, QStringLiteral("Command1_%1").arg(choice)); }
  static Framed framed(OptionsDialog& d) {
    Framed out;
    int row = 0;
    for (const char* name : {"carre_langue", "carre_ziq", "carre_bruitage", "carre_difficulte"}) {
      const QRect marker = d.findChild<QWidget*>(name)->geometry();
      int& choice = out[static_cast<std::size_t>(row++)] = -1;
      for (int k = 0; k < 8; ++k) {
        if (!marker.contains(d.findChild<QWidget*>(QStringLiteral("Command1_%1").arg(k))->geometry())) continue;
        EXPECT_EQ(choice, -1) << name << " frames two buttons";
        choice = k;
      }
    }
    return out;
  }
  void store(const Settings& r) { put_file(folder_.config(), settings_bytes(r)); }
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
  std::vector<Settings> live_;
};

const Settings defaults = settings(-1, 100, 0, -1);
const Settings all_other = settings(0, 200, 1, 0);

TEST_F(OptionsDialogTest, EachChoiceSetsItsSettingAtOnceAndMovesOnlyItsMarker) {
  auto d = open(defaults);
  Framed expected{1, 2, 4, 6};  // English is on the left of the language row
  EXPECT_EQ(framed(*d), expected);
  const std::pair<int, Settings> presses[] = {
      {0, settings(-1, 100, 1, -1)}, {3, settings(-1, 100, 1, 0)}, {5, settings(0, 100, 1, 0)},
      {7, all_other},                {1, settings(0, 200, 0, 0)},  {2, settings(0, 200, 0, -1)},
      {4, settings(-1, 200, 0, -1)}, {6, defaults},                {6, defaults},  // again: no toggle
  };
  for (const auto& [choice, after] : presses) {
    press(*d, choice);
    expected[static_cast<std::size_t>(choice / 2)] = choice;
    EXPECT_EQ(d->settings(), after) << choice;
    EXPECT_EQ(live_.back(), after) << choice;
    EXPECT_EQ(framed(*d), expected) << choice;
  }
  EXPECT_EQ(live_.size(), std::size(presses));
  EXPECT_TRUE(d->isVisible());
  // Choices reach neither the file nor the timer, the music or the captions.
  EXPECT_FALSE(std::filesystem::exists(folder_.config()));
  EXPECT_TRUE(settings_.calls.empty());
}

TEST_F(OptionsDialogTest, MarkersStartBesideTheGamesSettingsAtTheWindowsZoom) {
  const QSize at_100 = open(defaults)->size();
  EXPECT_EQ(framed(*open(all_other)), (Framed{0, 3, 5, 7}));
  // Anything but 100 is easy, anything but -1 is off, anything but 0 is English.
  auto odd = open(settings(1, 150, 2, 1), 1.5);
  EXPECT_EQ(odd->size(), at_100 * 1.5);
  EXPECT_EQ(framed(*odd), (Framed{0, 3, 5, 7}));
}

TEST_F(OptionsDialogTest, DefaultSetsFrenchMusicEffectsAndNormalButWritesNothing) {
  auto d = open(all_other);
  press(*d, "Command11");
  EXPECT_EQ(d->settings(), defaults);
  ASSERT_EQ(live_.size(), 1u);
  EXPECT_EQ(live_.back(), defaults);
  EXPECT_EQ(framed(*d), (Framed{1, 2, 4, 6}));
  EXPECT_TRUE(d->isVisible());
  EXPECT_FALSE(std::filesystem::exists(folder_.config()));
  EXPECT_TRUE(settings_.calls.empty());
}

TEST_F(OptionsDialogTest, OkWritesTheChoicesThenReadsThemBackAppliesThemAndCloses) {
  auto d = open(defaults);
  press(*d, 0);  // English
  press(*d, 3);  // music off
  press(*d, 7);  // easy
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
  store(all_other);
  auto d = open(all_other);
  press(*d, "Command11");
  press(*d, "Command9");
  EXPECT_EQ(stored(), (std::vector<int>{-1, 100, 0, -1}));
  EXPECT_EQ(settings_.calls,
            (std::vector<std::string>{"use_settings", "interval 100", "piste_suivante", "captions"}));
  EXPECT_EQ(settings_.captions, textes_francais());
}

TEST_F(OptionsDialogTest, CancelEscapeOrTheCloseBoxPutBackTheStoredSettingsWithoutWriting) {
  store(all_other);
  const auto before = file_bytes(folder_.config());
  const std::pair<const char*, std::function<void(OptionsDialog&)>> ways[] = {
      {"Command11", [](OptionsDialog& d) { press(d, "Command10"); }},
      {"Command1_1", [](OptionsDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
      {"Command1_6", [](OptionsDialog& d) { d.close(); }},
  };
  for (const auto& [choice, leave] : ways) {
    SCOPED_TRACE(choice);
    settings_.calls.clear();
    auto d = open(all_other);
    press(*d, choice);
    leave(*d);
    EXPECT_EQ(file_bytes(folder_.config()), before);
    EXPECT_EQ(settings_.used, all_other);
    EXPECT_EQ(settings_.calls,
              (std::vector<std::string>{"use_settings", "interval 200", "stop", "close", "captions"}));
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FALSE(d->isVisible());
  }
}

TEST_F(OptionsDialogTest, CancelWithoutAFileCreatesNone) {
  auto d = open(all_other);
  press(*d, "Command10");
  EXPECT_FALSE(std::filesystem::exists(folder_.config()));
  EXPECT_EQ(settings_.calls.front(), "use_settings");
}

TEST_F(OptionsDialogTest, ASettingsFileThatCannotBeWrittenIsReportedInTheLanguageJustChosen) {
  // Read-only: the values stored come back.
  store(all_other);
  std::filesystem::permissions(folder_.config(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  auto d = open(all_other);
  press(*d, 4);  // effects on
  press(*d, 6);  // normal
  press(*d, "Command9");
  EXPECT_EQ(questions_.told, QStringList{"Unable to save the preferences, the config.dat file may be in a read only mode."});
  EXPECT_EQ(stored(), (std::vector<int>{0, 200, 1, 0}));
  EXPECT_EQ(settings_.used, all_other);
  EXPECT_EQ(d->result(), QDialog::Accepted);

  // A folder in its place: nothing can be read back either, and the game
  // goes on with the defaults.
  questions_.told.clear();
  std::filesystem::remove(folder_.config());
  std::filesystem::create_directories(folder_.config());
  auto again = open(all_other);
  press(*again, 1);  // French
  press(*again, "Command9");
  EXPECT_EQ(questions_.told, QStringList{QString::fromUtf8(
                                 "Impossible de sauver la configuration, le fichier config.dat doit être en lecture seul.")});
  EXPECT_TRUE(std::filesystem::is_directory(folder_.config()));
  EXPECT_EQ(settings_.used, Settings{});
  EXPECT_EQ(again->result(), QDialog::Accepted);
}

TEST_F(OptionsDialogTest, CaptionsFollowTheLanguageAtOpening) {
  auto text = [](OptionsDialog& d, const char* name) {
    QWidget* w = d.findChild<QWidget*>(name);
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QPushButton*>(w)) return b->text();
    return QStringLiteral("<missing>");
  };
  auto french = open(defaults);
  auto english = open(settings(-1, 100, 1, -1));
  auto other = open(settings(-1, 100, 3, -1));  // the window as designed
  EXPECT_EQ(text(*french, "Label4"), QString::fromUtf8("Difficulté :"));
  EXPECT_EQ(text(*english, "Label4"), "Difficulty :");
  EXPECT_EQ(text(*other, "Label4"), QString::fromUtf8("Difficulté :"));
  EXPECT_EQ(text(*french, "Command10"), "Annuler");
  EXPECT_EQ(text(*english, "Command1_7"), "Easy");
  EXPECT_EQ(text(*other, "Command10"), "Cancel");
  // Not translated again while open.
  press(*french, 0);
  EXPECT_EQ(text(*french, "Label1"), "REGLAGES DES OPTIONS");
}

TEST_F(OptionsDialogTest, TheBackgroundRunsFromBlackToTheColourOfItsStyle) {
  auto d = open(defaults);
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
