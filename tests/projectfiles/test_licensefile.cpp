// The terms-of-use file is written as a project is: whatever stands at its
// name is replaced only when that is a regular file, and a failure leaves it
// as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "ProjectTestKit.h"
#include "mainwindow/OProgramme.h"
#include "projectfiles/LicenseFile.h"
#include "projectfiles/WholeFile.h"

using namespace kalteron;
using namespace kalteron::test;
namespace fs = std::filesystem;

namespace {

class LicenseFile : public ProjectTest {};

TEST_F(LicenseFile, WrittenAsAProjectIs) {
  const std::string terms = utf8ToCp1251(oprogramme::tekstLicenzii()) + "\r\n";
  const std::string older = "older terms\r\n";
  ASSERT_TRUE(writeWholeFile(imia("target.txt"), older));
  fs::create_symlink("target.txt", dir / "link.txt");
  ASSERT_TRUE(writeWholeFile(imia("kept.txt"), older));
  ASSERT_EQ(::mkfifo(imia("pipe.txt").c_str(), 0644), 0);
  struct Case {
    const char* name;
    const char* written;  // where the terms land; nothing when refused
    bool underSizeLimit;
  };
  const Case cases[] = {
      {"new.txt", "new.txt", false},
      {"link.txt", "target.txt", false},
      {"pipe.txt", nullptr, false},
      {"kept.txt", nullptr, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto type = fs::symlink_status(dir / c.name).type();
    const int status = forked([&] {
      if (c.underSizeLimit) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{older.size(), older.size()};
        if (::setrlimit(RLIMIT_FSIZE, &small) != 0) return 3;
      }
      return zapisatLicenziu(imia(c.name)) ? 0 : 1;
    });
    EXPECT_EQ(status, c.written ? 0 : 1);
    if (c.written) {
      EXPECT_EQ(readWholeFile(imia(c.written)), terms);
    }
    if (type != fs::file_type::not_found) {
      EXPECT_EQ(fs::symlink_status(dir / c.name).type(), type);
    }
  }
  EXPECT_EQ(readWholeFile(imia("kept.txt")), older);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 5);
}

}  // namespace
