#include "projectfiles/LicenseFile.h"

#include "mainwindow/OProgramme.h"
#include "projectfiles/Cp1251.h"
#include "projectfiles/WholeFile.h"

namespace kalteron {

bool zapisatLicenziu(const std::string& path) {
  return writeWholeFile(path, utf8ToCp1251(oprogramme::tekstLicenzii()) + "\r\n");
}

}  // namespace kalteron
