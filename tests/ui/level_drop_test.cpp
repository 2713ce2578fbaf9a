// Level files from other players, dropped on the window or the browser, or
// given when the program starts.
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "support/temp_folder.h"
#include "ui/dialogs/level_browser.h"
#include "ui/main/level_drop.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

using testing_support::file_bytes;
using testing_support::put_file;

class LevelDropTest : public WindowTest {
 protected:
  // A level file as it arrives by mail, outside the levels folder.
  QString received(const std::string& name, int first_piece = piece::verre) {
    LevelData level;
    level.author = name;
    std::vector<std::uint8_t> bytes = level_bytes(level);
    bytes[0] = static_cast<std::uint8_t>(first_piece);  // the writer would not write a piece it does not know
    put_file(root_ / "downloads" / name, bytes);
    return QString::fromStdString((root_ / "downloads" / name).string());
  }
  // Drags the file from the file manager and drops it on `target`; true when
  // the target took the drag.
  static bool drop(QWidget* target, const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted() || enter.dropAction() != Qt::CopyAction) return false;
    QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
  }
  bool in_levels_folder(const std::string& name) { return std::filesystem::exists(folder_.tab() / name); }

  ScriptedDialogs dialogs_;
};

TEST_F(LevelDropTest, OnTheWindowAHostileFileIsRefusedAndAGoodOneOpensTheBrowserOnIt) {
  window_->set_dialogs(&dialogs_);
  ASSERT_TRUE(drop(window_.get(), received("piege.tab", 21)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !questions_.told.isEmpty(); }));
  EXPECT_EQ(questions_.told[0], QString::fromUtf8("Impossible de lire le tableau « piege.tab » : il contient une pièce "
                                                  "inconnue."));
  EXPECT_FALSE(in_levels_folder("piege.tab"));
  EXPECT_TRUE(dialogs_.opened.isEmpty());

  ASSERT_TRUE(drop(window_.get(), received("cadeau.tab")));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs_.opened.isEmpty(); }));
  EXPECT_EQ(dialogs_.opened, QStringList{"browser"});
  EXPECT_EQ(dialogs_.selected, std::vector<std::string>{"cadeau.tab"});
  EXPECT_EQ(window_->game().table().mode_jeu(), ModeJeu::Jouer);
  EXPECT_EQ(file_bytes(folder_.tab() / "cadeau.tab"), file_bytes(root_ / "downloads/cadeau.tab"));
  EXPECT_EQ(questions_.told.size(), 1);
}

TEST_F(LevelDropTest, StartedWithALevelsPathTheProgramAddsItAsADropWould) {
  window_->set_dialogs(&dialogs_);
  put_level("duel.tab", "author: Moi", {});
  const auto mine = file_bytes(folder_.tab() / "duel.tab");
  questions_.answers = {false};
  window_->level_drop().add_files({"file://" + received("duel.tab"), received("ouvert.tab")});
  EXPECT_EQ(questions_.asked, QStringList{QString::fromUtf8("Le tableau « duel » existe déjà. Voulez-vous le remplacer ?")});
  EXPECT_EQ(file_bytes(folder_.tab() / "duel.tab"), mine);
  EXPECT_TRUE(in_levels_folder("ouvert.tab"));
  EXPECT_EQ(dialogs_.selected, std::vector<std::string>{"ouvert.tab"});
}

TEST_F(LevelDropTest, OnTheBrowserTheNewLevelIsSelectedInItsList) {
  put_level("A.tab", "author: Anne", {});
  const QString later = received("zut.tab");
  std::string selected_first, selected_after;
  ASSERT_TRUE(drop(window_.get(), received("bravo.tab")));
  // Runs once the browser is open, the drop on the window having opened it.
  QTimer::singleShot(0, [&] {
    auto* browser = qobject_cast<LevelBrowser*>(QApplication::activeModalWidget());
    if (browser == nullptr) return;
    selected_first = browser->selected_file();
    if (drop(browser, later)) QCoreApplication::processEvents();
    selected_after = browser->selected_file();
    browser->reject();
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return !selected_after.empty(); }));
  EXPECT_EQ(selected_after, "zut.tab");
  EXPECT_EQ(selected_first, "bravo.tab");
}

}  // namespace
}  // namespace drippo::ui::testing
