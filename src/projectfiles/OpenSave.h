// Project files: the 106 stored fields of the chamber description, the
// writer, the reader and the values of a new project.
//
// A project file is a profile file with one section "Kalteron" and the keys
// "1" to "106", each holding the text its field shows: a text or editable box
// its text, a list-only box its chosen item, a check box "0" or "1", an
// option button "True" or "False".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calculation/Controls.h"
#include "calculation/OpisanieKamery.h"

namespace kalteron {

class Bal;
class ProfileFile;

inline constexpr std::string_view kSekciaProekta = "Kalteron";
inline constexpr std::string_view kRasshirenieProekta = ".klt";
inline constexpr int kKluchei = 106;

// One stored field: the control and, for an option group, the button.
struct PoleProekta {
  int key = 0;
  Control* control = nullptr;
  int option = 0;
};

// The stored fields of the description, in key order ("1" first).
std::array<PoleProekta, kKluchei> polyaProekta(OpisanieKamery& op);

// The text a field stores.
std::string tekstPolia(const PoleProekta& pole);
// Sets a field from a stored text, running its handler as a user's change
// would. A list-only box given a text that is none of its items is emptied
// (the product box keeps its choice); a check box given anything but 0, 1 or
// 2 is cleared; an option given no truth word and no number is false.
void ustanovitPole(const PoleProekta& pole, std::string_view text);

// Writes the 106 keys into the profile held in memory.
void zapisatProekt(Bal& bal, ProfileFile& file);
// Reads the keys into the window in their fixed order and recalculates. The
// file must hold the section; missing keys read as "0".
void prochitatProekt(Bal& bal, const ProfileFile& file);

// Writes the project into the file at `path` in one go, keeping every line of
// an existing file that is not one of the 106 keys. Returns false when the
// file could not be written; the file on disk is then as it was.
bool SaveRaschetFile(Bal& bal, const std::string& path);
// Reads the file at `path` into the window and recalculates. Returns false,
// changing nothing, when the file does not exist, is not a regular file or
// cannot be read, or has no "Kalteron" section.
bool OpenRaschetFile(Bal& bal, const std::string& path);
// The same with the file `nameFile` + ".klt".
bool SaveRaschet(Bal& bal, const std::string& nameFile);
bool OpenRaschet(Bal& bal, const std::string& nameFile);
// The values of a new project, then a recalculation. The chamber type and the
// vehicle and staff hours keep what the window shows.
void NewRaschet(Bal& bal);

// A truth value as a project stores it: "True"/"False" in any letter case, or
// a number, 0 being false. Anything else is false.
bool chitatIstinu(std::string_view text);
// A check-box value: 0, 1 or 2; anything else is 0.
int chitatFlazhok(std::string_view text);

}  // namespace kalteron
