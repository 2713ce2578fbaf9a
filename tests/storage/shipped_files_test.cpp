#include "storage/shipped_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/sha256.h"
#include "support/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using namespace testing_support;

Bytes text(const std::string& s) { return {s.begin(), s.end()}; }

TEST(Sha256, MatchesThePublishedVectorsAcrossBlockEnds) {
  struct Case {
    std::string input;
    const char* digest;
  };
  const std::vector<Case> cases = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      // 56 bytes: the length no longer fits the last block.
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const Case& c : cases) EXPECT_EQ(sha256_hex(text(c.input)), c.digest) << c.input.size() << " bytes";
}

class LayShippedFiles : public ::testing::Test {
 protected:
  void ship(const std::string& path, const std::string& content) { put_file(source / path, text(content)); }
  std::string laid(const std::string& path) {
    const Bytes b = file_bytes(dest / path);
    return {b.begin(), b.end()};
  }

  TempFolder temp;
  fs::path source = temp / "share";
  fs::path dest = temp / "home" / ".local" / "share" / "drippo";
};

TEST_F(LayShippedFiles, ANewVersionReachesThePlayerWithoutTouchingWhatHeMadeOrChanged) {
  ship("tab/kept.tab", "v1 kept");
  ship("tab/changed.tab", "v1 changed");
  ship("tab/deleted.tab", "v1 deleted");
  ship("wav/water.wav", "splash");
  ship("mid/tune.mid", "la la");
  ASSERT_EQ(lay_shipped_files(source, dest), std::nullopt);
  EXPECT_EQ(laid("tab/kept.tab"), "v1 kept");
  EXPECT_EQ(laid("wav/water.wav"), "splash");
  EXPECT_EQ(laid("mid/tune.mid"), "la la");
  EXPECT_TRUE(fs::is_directory(dest / "tab"));

  // The player edits one shipped level, deletes another, makes his own, and
  // links a name to a file elsewhere.
  put_file(dest / "tab/changed.tab", text("mine now"));
  fs::remove(dest / "tab/deleted.tab");
  put_file(dest / "tab/own.tab", text("my level"));
  put_file(temp / "elsewhere", text("not the game's"));
  fs::create_symlink(temp / "elsewhere", dest / "tab/linked.tab");

  ship("tab/kept.tab", "v2 kept");
  ship("tab/changed.tab", "v2 changed");
  ship("tab/new.tab", "v2 new");
  ship("tab/linked.tab", "v2 linked");
  ship("tab/own.tab", "v2 own");
  ASSERT_EQ(lay_shipped_files(source, dest), std::nullopt);
  EXPECT_EQ(laid("tab/kept.tab"), "v2 kept");
  EXPECT_EQ(laid("tab/new.tab"), "v2 new");
  EXPECT_EQ(laid("tab/deleted.tab"), "v1 deleted");  // shipped files come back, as in the build
  EXPECT_EQ(laid("tab/changed.tab"), "mine now");
  EXPECT_EQ(laid("tab/own.tab"), "my level");
  EXPECT_TRUE(fs::is_symlink(dest / "tab/linked.tab"));
  EXPECT_EQ(file_bytes(temp / "elsewhere"), text("not the game's"));

  // His change is his for good: a third version still leaves it. A level
  // we no longer ship goes when he left it as we laid it, stays when he
  // changed it. A damaged line in the list of what we laid hides nothing.
  put_file(dest / "tab/.shipped", text("0\n" + laid("tab/.shipped")));
  ship("tab/changed.tab", "v3 changed");
  fs::remove(source / "tab/kept.tab");
  fs::remove(source / "tab/changed.tab");
  ASSERT_EQ(lay_shipped_files(source, dest), std::nullopt);
  EXPECT_FALSE(fs::exists(dest / "tab/kept.tab"));
  EXPECT_EQ(laid("tab/changed.tab"), "mine now");
  EXPECT_EQ(laid("tab/new.tab"), "v2 new");
}

TEST_F(LayShippedFiles, ReportsAFolderItCannotMake) {
  ship("tab/a.tab", "a");
  put_file(temp / "home", text("a file where the home should be"));
  const auto problem = lay_shipped_files(source, dest);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->folder, dest);
  EXPECT_NE(problem->message(0).find("n'ont pas pu être copiés"), std::string::npos);
  EXPECT_NE(problem->message(1).find("could not be copied"), std::string::npos);
}

}  // namespace
}  // namespace drippo
