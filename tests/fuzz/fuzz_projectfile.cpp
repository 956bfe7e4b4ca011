// Arbitrary bytes read as a project file by the reader of the Open command,
// into one window that lives through every input: nothing may crash or hang,
// and after each load a recalculation must give finite results.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "mainwindow/Bal.h"
#include "projectfiles/OpenSave.h"
#include "projectfiles/ProfileFile.h"

using namespace kalteron;

namespace {

Bal& okno() {
  static Bal* bal = [] {
    static Bal b;
    b.Form_Load();
    return &b;
  }();
  return *bal;
}

void konechno(float v) {
  if (!std::isfinite(v)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bal& bal = okno();
  const ProfileFile file = ProfileFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
  if (file.hasSection(kSekciaProekta)) prochitatProekt(bal, file);
  bal.RaschetVse();
  const RaschetState& st = bal.st;
  for (float v :
       {st.gTeplopritokCteni, st.gTeplopritokProdukt, st.gTeplopritokTara, st.gTeplopritokDihanie, st.gTeplopritokDveri,
        st.gTeplopritokOsvesenie, st.gTeplopritokPts, st.gTeplopritokPersonal, st.gTeplopritokVentilasia,
        st.gTeplopritokLampa, st.gTeplopritokDvigateli, st.gTeplopritokProcheeOborud, st.gTeplopritokVO,
        st.gTeplopritokSumma, st.gTeplopritokSummKoeff, st.gKameraObiem, st.gKameraPlosad})
    konechno(v);
  // What was loaded can be saved again.
  ProfileFile copy = file;
  zapisatProekt(bal, copy);
  if (!copy.hasSection(kSekciaProekta)) std::abort();
  return 0;
}
