// The save dialog on its own.
#include "ui/dialogs/save_dialog.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

class SaveDialogTest : public WindowTest {
 protected:
  std::unique_ptr<SaveDialog> open(std::optional<SaveDialog::Ramp> ramp = SaveDialog::Ramp::Blue) {
    auto d = std::make_unique<SaveDialog>(
        SaveDialog::Host{window_->game(), folder_, questions_, window_->art(), 1.0}, nullptr, ramp);
    d->show();
    return d;
  }
  static QString box(SaveDialog& d, const char* name) { return d.findChild<QLineEdit*>(name)->text(); }
  static void save(SaveDialog& d) { QTest::mouseClick(d.findChild<QWidget*>("Command1"), Qt::LeftButton); }
  // A level by Lou, loaded into the editor: the water alone wins it, so the
  // check before saving asks nothing.
  void edit_level(const std::string& file_name) {
    const std::string empty_row(19, '.');
    put_level(file_name, "author: Lou\nwater: 10", {empty_row, empty_row, empty_row.substr(1) + "G"});
    window_->game().set_mode_jeu(ModeJeu::Charger);
    ASSERT_TRUE(window_->load_level(file_name));
  }
};

TEST_F(SaveDialogTest, ProposesTheLevelsNameAndAuthor) {
  window_->game().nouveau_tableau();
  auto fresh = open();
  EXPECT_EQ(box(*fresh, "text_sauvegarde"), "nouveau");
  EXPECT_EQ(box(*fresh, "Text1"), "Anonyme");
  EXPECT_EQ(fresh->findChild<QLabel*>("Label1")->text(), QString::fromUtf8("Donnez un nom à votre tableau :"));

  edit_level("niveau2.tab");
  window_->game().settings().langue = 1;
  auto loaded = open();
  EXPECT_EQ(box(*loaded, "text_sauvegarde"), "niveau2");
  EXPECT_EQ(box(*loaded, "Text1"), "Lou");
  EXPECT_EQ(loaded->findChild<QLabel*>("Label1")->text(), "Enter your level's name :");
  EXPECT_EQ(loaded->findChild<QLineEdit*>("text_sauvegarde")->maxLength(), 25);
  EXPECT_EQ(loaded->findChild<QLineEdit*>("Text1")->maxLength(), 10);
}

TEST_F(SaveDialogTest, AnEmptyNameSavesNothingAndSaysNothing) {
  window_->game().nouveau_tableau();
  auto d = open();
  d->findChild<QLineEdit*>("text_sauvegarde")->clear();
  d->findChild<QLineEdit*>("Text1")->clear();
  save(*d);
  EXPECT_TRUE(d->isVisible());
  EXPECT_TRUE(questions_.told.isEmpty());
  EXPECT_EQ(box(*d, "Text1"), "Anonyme");  // filled in on the way
  EXPECT_TRUE(list_level_files(folder_.tab()).empty());
}

TEST_F(SaveDialogTest, ANameDifferingOnlyInCaseIsAnotherLevel) {
  put_level("Niveau.tab", "author: A", {});
  edit_level("zut.tab");
  auto d = open();
  d->findChild<QLineEdit*>("text_sauvegarde")->setText("niveau");
  save(*d);
  EXPECT_TRUE(questions_.asked.isEmpty());
  EXPECT_EQ(list_level_files(folder_.tab()), (std::vector<std::string>{"Niveau.tab", "niveau.tab", "zut.tab"}));
}

TEST_F(SaveDialogTest, ASaveSignsTheLevelSoTheNextSaveProposesThatAuthor) {
  edit_level("niveau2.tab");
  window_->game().settings().langue = 1;
  auto first = open();
  first->findChild<QLineEdit*>("Text1")->setText(QString::fromUtf8("Zoé"));
  questions_.answers = {true};
  save(*first);
  // Replacing is asked in French whatever the language, with French buttons.
  EXPECT_EQ(questions_.asked_in, std::vector<std::int16_t>{0});
  EXPECT_EQ(read_level_author(folder_.tab() / "niveau2.tab").value(), "Zoé");
  auto second = open();
  EXPECT_EQ(box(*second, "Text1"), QString::fromUtf8("Zoé"));
}

TEST_F(SaveDialogTest, TheBoxesRefuseWhatALevelFileCannotKeep) {
  window_->game().nouveau_tableau();
  auto d = open();
  auto* name = d->findChild<QLineEdit*>("text_sauvegarde");
  auto* author = d->findChild<QLineEdit*>("Text1");
  // As typed, one character after the other.
  const auto type = [](QLineEdit* box, const char* utf8) {
    box->clear();
    for (const QChar c : QString::fromUtf8(utf8)) box->insert(c);
  };
  type(name, "Été→Œ");
  type(author, "Zoé€漢");
  EXPECT_EQ(name->text(), QString::fromUtf8("ÉtéŒ"));  // Œ and € are Windows-1252, → and 漢 are not
  EXPECT_EQ(author->text(), QString::fromUtf8("Zoé€"));
}

TEST_F(SaveDialogTest, ALevelNamedInAnotherCodePageIsSavedOverItself) {
  const std::string cafe = "caf\xe9";  // Latin-1, from another system
  edit_level(cafe + ".tab");
  auto d = open();
  EXPECT_EQ(box(*d, "text_sauvegarde"), QString::fromUtf8("café"));
  questions_.answers = {true};
  save(*d);
  EXPECT_EQ(questions_.asked.size(), 1);
  EXPECT_EQ(list_level_files(folder_.tab()), std::vector<std::string>{cafe + ".tab"});
  EXPECT_FALSE(d->isVisible());
}

TEST_F(SaveDialogTest, TheBackgroundRunsFromBlackToDarkRedOrBlue) {
  for (const auto ramp : {SaveDialog::Ramp::Red, SaveDialog::Ramp::Blue}) {
    const QImage shot = open(ramp)->grab().toImage();
    const QColor top = shot.pixelColor(2, 2);
    const QColor bottom = shot.pixelColor(2, shot.height() - 2);
    EXPECT_LT(top.red() + top.blue(), 10);
    EXPECT_EQ(bottom.green(), 0);
    if (ramp == SaveDialog::Ramp::Red) {
      EXPECT_GT(bottom.red(), 150);
      EXPECT_LT(bottom.red(), 180);  // dark red: seven tenths at most
      EXPECT_EQ(bottom.blue(), 0);
    } else {
      EXPECT_GT(bottom.blue(), 240);
      EXPECT_EQ(bottom.red(), 0);
    }
  }
}

}  // namespace
}  // namespace drippo::ui::testing
