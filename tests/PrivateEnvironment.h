// What a test program changes in its own environment, put back: one variable
// for the time of a test, or the home, temporary and XDG folders for the
// whole program, so that nothing Qt keeps there (its settings, its runtime
// folder) nor any file a test writes lands outside a folder the program made
// and removes again.
#pragma once

#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <list>
#include <optional>
#include <string>

namespace kalteron::test {

// An environment variable set while it lives, then put back as it was.
class EnvironmentSet {
 public:
  EnvironmentSet(const char* name, const std::string& value) : name_(name) {
    if (const char* was = ::getenv(name)) was_ = was;
    ::setenv(name, value.c_str(), 1);
  }
  ~EnvironmentSet() {
    if (was_)
      ::setenv(name_, was_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  EnvironmentSet(const EnvironmentSet&) = delete;
  EnvironmentSet& operator=(const EnvironmentSet&) = delete;

 private:
  const char* name_;
  std::optional<std::string> was_;
};

// HOME, TMPDIR and the XDG folders of the program, each a folder of its own
// inside one temporary folder named after the program, made before main
// runs and removed when the program ends. Where it cannot be made the
// program keeps the environment it was given; a program started by one that
// has them keeps its starter's.
class PrivateEnvironment {
 public:
  PrivateEnvironment() {
    if (::getenv(kMarker) != nullptr) return;
    std::error_code ec;
    std::string folder =
        (std::filesystem::temp_directory_path(ec) / (std::string(program_invocation_short_name) + "-XXXXXX")).string();
    if (ec || ::mkdtemp(folder.data()) == nullptr) return;
    folder_ = folder;
    // A display that asks for a key still finds it in the real home.
    if (::getenv("XAUTHORITY") == nullptr && ::getenv("HOME") != nullptr)
      set_.emplace_back("XAUTHORITY", std::string(::getenv("HOME")) + "/.Xauthority");
    for (const char* name : {"HOME", "TMPDIR", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                             "XDG_STATE_HOME"}) {
      const std::string own = folder_ + "/" + name;
      if (::mkdir(own.c_str(), 0700) == 0) set_.emplace_back(name, own);
    }
    set_.emplace_back(kMarker, folder_);
  }
  ~PrivateEnvironment() {
    set_.clear();
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }
  PrivateEnvironment(const PrivateEnvironment&) = delete;
  PrivateEnvironment& operator=(const PrivateEnvironment&) = delete;

 private:
  static constexpr const char* kMarker = "KALTERON_OWN_ENVIRONMENT";
  std::string folder_;
  std::list<EnvironmentSet> set_;
};

}  // namespace kalteron::test
