// Folder walking: order, extension filter, links that loop, unreadable folders, cancel.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "base/FolderWalk.h"
#include "base/MediaExtensions.h"

namespace {

// A fresh folder under /tmp, removed with everything in it at the end.
class TempTree {
 public:
  TempTree() {
    char name[] = "/tmp/walktest-XXXXXX";
    root_ = mkdtemp(name);
    chmod(root_.c_str(), 0755);  // readable by the unprivileged user of the root-only check
  }
  ~TempTree() {
    const std::string command = "chmod -R u+rwx '" + root_ + "' 2>/dev/null; rm -rf '" + root_ + "'";
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << "could not remove " << root_;
  }
  std::string Path(const std::string& rel) const { return root_ + "/" + rel; }
  void Folder(const std::string& rel) const { mkdir(Path(rel).c_str(), 0755); }
  void File(const std::string& rel) const { std::ofstream(Path(rel)) << "x"; }
  void Link(const std::string& target, const std::string& rel) const {
    ASSERT_EQ(symlink(target.c_str(), Path(rel).c_str()), 0) << rel;
  }
  const std::string& root() const { return root_; }

 private:
  std::string root_;
};

std::vector<std::string> Relative(const TempTree& tree, const std::vector<std::string>& paths) {
  std::vector<std::string> rel;
  for (const std::string& p : paths)
    rel.push_back(p.substr(tree.root().size() + 1));
  return rel;
}

folderwalk::Options Media() {
  folderwalk::Options options;
  options.extensions = mediaext::SupportedExtensions();
  return options;
}

}  // namespace

TEST(MediaExtensions, OneTableForDialogAndFolders) {
  ASSERT_EQ(mediaext::Filters().size(), 37u);
  const std::vector<std::string>& ext = mediaext::SupportedExtensions();
  EXPECT_EQ(ext.size(), 53u);
  for (const char* common : {"ts", "mts", "m2ts", "ogv", "opus", "mka", "3gp2"})
    EXPECT_NE(std::find(ext.begin(), ext.end(), common), ext.end()) << common;
  EXPECT_EQ(ext.front(), "3gp");
  EXPECT_EQ(ext.back(), "wv");
  EXPECT_TRUE(mediaext::IsSupportedName("/a.b/Clip.MP4"));
  EXPECT_TRUE(mediaext::IsSupportedName("song.flac"));
  EXPECT_FALSE(mediaext::IsSupportedName("/a.mp4/readme"));
  EXPECT_FALSE(mediaext::IsSupportedName("clip.mp4.part"));
  EXPECT_FALSE(mediaext::IsSupportedName("mp4"));
  EXPECT_EQ(mediaext::JoinedPatterns(mediaext::Filters()[4]), "*.aif;*.aiff");
}

TEST(FolderWalk, NestedFoldersInNameOrderWithMatchingFilesOnly) {
  TempTree t;
  for (const char* f : {"b", "a", "a/deep", "C", "empty", ".hidden"})
    t.Folder(f);
  for (const char* f : {"z.mp4", "B.MKV", "a.avi", "notes.txt", "noext", "b/2.mp3", "b/10.mp3", "a/x.wav",
                        "a/deep/y.ogg", "C/c.webm", "a/deep/skip.part", ".x.mp4", ".hidden/h.mp4"})
    t.File(f);
  t.Link("z.mp4", "link-to-file.mp4");
  t.Link("missing.mp4", "dangling.mp4");
  ASSERT_EQ(mkfifo(t.Path("pipe.mp4").c_str(), 0644), 0);

  const folderwalk::Result r = folderwalk::Walk(t.root(), Media());
  EXPECT_EQ(Relative(t, r.files),
            (std::vector<std::string>{"a.avi", "B.MKV", "link-to-file.mp4", "z.mp4", "a/x.wav",
                                      "a/deep/y.ogg", "b/10.mp3", "b/2.mp3", "C/c.webm"}));
  EXPECT_TRUE(r.unreadable.empty());
  EXPECT_FALSE(r.canceled);

  // No extensions: every regular file; a trailing slash on the folder changes nothing.
  const folderwalk::Result all = folderwalk::Walk(t.root() + "/", {});
  EXPECT_EQ(all.files.size(), 12u);
  EXPECT_EQ(all.files.front(), t.Path("a.avi"));
}

TEST(FolderWalk, LinksThatLoopAreFollowedOnce) {
  TempTree t;
  t.Folder("top");
  t.Folder("top/sub");
  t.File("top/sub/clip.mp4");
  t.File("top/one.mp4");
  t.Link("..", "top/sub/up");            // back to its parent: a loop
  t.Link(t.Path("top"), "top/sub/abs");  // the same loop by an absolute path
  t.Link("sub", "top/again");            // a second way into one folder

  const folderwalk::Result r = folderwalk::Walk(t.Path("top"), Media());
  EXPECT_EQ(Relative(t, r.files), (std::vector<std::string>{"top/one.mp4", "top/again/clip.mp4"}));
  EXPECT_TRUE(r.unreadable.empty());

  // A link given as the folder itself is followed.
  t.Link("top", "entry");
  EXPECT_EQ(folderwalk::Walk(t.Path("entry"), Media()).files.size(), 2u);
}

// Outputs written below a walked folder would come back as sources on the next
// run, and the tree would grow on every run.
TEST(FolderWalk, TheOutputFolderInsideAWalkedFolderIsLeftOut) {
  TempTree t;
  for (const char* f : {"src", "src/out", "src/out/src", "src/sub"})
    t.Folder(f);
  for (const char* f : {"src/a.mp4", "src/out/a.mp4", "src/out/src/a.mp4", "src/sub/b.mp4"})
    t.File(f);
  folderwalk::Options options = Media();
  options.skip = {t.Path("src/out/")};
  EXPECT_EQ(Relative(t, folderwalk::Walk(t.Path("src"), options).files),
            (std::vector<std::string>{"src/a.mp4", "src/sub/b.mp4"}));
  // Walking the output folder itself lists it.
  EXPECT_EQ(folderwalk::Walk(t.Path("src/out"), options).files.size(), 2u);
}

TEST(FolderWalk, UnreadableFoldersAreSkippedAndListed) {
  TempTree t;
  for (const char* f : {"open", "shut", "shut/inner"})
    t.Folder(f);
  for (const char* f : {"open/a.mp4", "shut/b.mp4", "shut/inner/c.mp4", "z.mp4"})
    t.File(f);
  ASSERT_EQ(chmod(t.Path("shut").c_str(), 0), 0);

  const folderwalk::Result missing = folderwalk::Walk(t.Path("nothing-here"), Media());
  EXPECT_TRUE(missing.files.empty());
  EXPECT_EQ(missing.unreadable, std::vector<std::string>{t.Path("nothing-here")});

  if (geteuid() != 0) {
    const folderwalk::Result r = folderwalk::Walk(t.root(), Media());
    EXPECT_EQ(Relative(t, r.files), (std::vector<std::string>{"z.mp4", "open/a.mp4"}));
    EXPECT_EQ(r.unreadable, std::vector<std::string>{t.Path("shut")});
    return;
  }
  // Permissions do not stop root: walk as an unprivileged user in a child process,
  // which reports by its exit code.
  const passwd* nobody = getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0) _exit(10);
    const folderwalk::Result r = folderwalk::Walk(t.root(), Media());
    const bool files_ok = Relative(t, r.files) == std::vector<std::string>{"z.mp4", "open/a.mp4"};
    const bool unreadable_ok = r.unreadable == std::vector<std::string>{t.Path("shut")};
    _exit(files_ok ? (unreadable_ok ? 0 : 12) : 11);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0)
      << "10: could not drop rights, 11: wrong files, 12: wrong unreadable list";
}

TEST(FolderWalk, CancelStopsTheWalkAndEveryWalkReportsItsCount) {
  TempTree t;
  for (int d = 0; d < 20; ++d) {
    t.Folder("d" + std::to_string(d));
    for (int f = 0; f < 20; ++f)
      t.File("d" + std::to_string(d) + "/f" + std::to_string(f) + ".mp4");
  }
  // The first call comes before anything is read; answering "no" there finds nothing.
  std::vector<size_t> seen;
  folderwalk::Options stop_at_once = Media();
  stop_at_once.keep_going = [&](size_t found) {
    seen.push_back(found);
    return false;
  };
  folderwalk::Result r = folderwalk::Walk(t.root(), stop_at_once);
  EXPECT_TRUE(r.canceled);
  EXPECT_TRUE(r.files.empty());
  EXPECT_EQ(seen, std::vector<size_t>{0});

  // A slow answer makes the next check due at once, so the walk asks again while
  // reading and stops part-way.
  int calls = 0;
  folderwalk::Options slow = Media();
  slow.keep_going = [&](size_t) {
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
    return ++calls < 3;
  };
  r = folderwalk::Walk(t.root(), slow);
  EXPECT_TRUE(r.canceled);
  EXPECT_EQ(calls, 3);
  EXPECT_LT(r.files.size(), 400u);

  // A walk that is never canceled ends with the full count.
  seen.clear();
  folderwalk::Options count = Media();
  count.keep_going = [&](size_t found) {
    seen.push_back(found);
    return true;
  };
  r = folderwalk::Walk(t.root(), count);
  EXPECT_FALSE(r.canceled);
  EXPECT_EQ(r.files.size(), 400u);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 400u);
}
