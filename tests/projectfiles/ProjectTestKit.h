// Shared by the project-file tests: a started window, a temporary folder,
// project files made from key values, and fields read by name.
#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "../calculation/bal_helpers.h"
#include "projectfiles/Cp1251.h"
#include "projectfiles/OpenSave.h"
#include "projectfiles/ProfileFile.h"
#include "projectfiles/clsOpenDialog.h"

namespace kalteron::test {

// The exit status of a child process that could not set itself up (switch
// to another user, mount a file system): the test is skipped.
constexpr int kNotSwitched = 77;

// Runs `body` in a child process and gives its exit status, -1 when a signal
// ended it.
inline int forked(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// As forked; as root the child first becomes the unprivileged user and group
// 65534 (nobody), since root may write into any folder; another user runs it
// as it is.
inline int inChild(const std::function<int()>& body) {
  return forked([&] {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
      return kNotSwitched;
    return body();
  });
}

// Removes a test's folder with all it holds, folders a case locked included;
// never throws, and fails the test when anything stays.
inline void removeFolder(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ignored;
    if (fs::is_directory(it->symlink_status(ignored)))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(folder, ec);
  EXPECT_FALSE(ec) << folder << ": " << ec.message();
}

// The 106 stored values of the window, by key.
inline std::map<int, std::string> sohranennoe(Bal& bal) {
  std::map<int, std::string> out;
  for (const PoleProekta& p : polyaProekta(bal.op)) out[p.key] = tekstPolia(p);
  return out;
}

// The revision of every control: equal before and after means nothing changed.
inline std::vector<std::uint64_t> revisii(const Bal& bal) {
  std::vector<std::uint64_t> out;
  for (const Control* c : bal.controls()) out.push_back(c->revision());
  return out;
}

class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("kalteron-project-" + std::to_string(std::random_device{}()) + "-" +
                                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    bal.Form_Load();
  }
  void TearDown() override { removeFolder(dir); }

  std::string imia(const std::string& name) const { return (dir / name).string(); }

  // A project file of the new-project values with the chamber type "Склад",
  // lighting and vehicle hours; `zamena` replaces values, `bez` leaves keys
  // out. Written as the Windows profile functions write it. Returns the
  // path without ".klt".
  std::string proekt(const std::map<int, std::string>& zamena, const std::set<int>& bez = {},
                     const std::string& name = "p") {
    Bal novyi;
    novyi.Form_Load();
    NewRaschet(novyi);
    auto values = sohranennoe(novyi);
    for (const auto& [k, v] : zamena) values[k] = v;
    ProfileFile f;
    for (const auto& [k, v] : values)
      if (!bez.count(k)) f.set("Kalteron", std::to_string(k), v);
    EXPECT_TRUE(writeWholeFile(imia(name) + ".klt", f.bytes()));
    return imia(name);
  }

  std::filesystem::path dir;
  Bal bal;
};

// Answers the file dialogs with the given paths, in turn; "" is a cancel.
struct ScriptedDialogs : FileDialogHost {
  std::vector<std::string> answers;
  std::vector<FileDialogRequest> asked;
  std::string show(const FileDialogRequest& r) override {
    asked.push_back(r);
    if (asked.size() > answers.size()) return {};
    return answers[asked.size() - 1];
  }
};

}  // namespace kalteron::test
