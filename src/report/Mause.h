// The wheel on the report page: each recognised turn moves the page by a
// fixed step of 300 twips, up or down; anything else repeats the last step.
#pragma once

#include <cstdint>

namespace kalteron {

constexpr int kScrollTwips = 300;

// The step after one wheel message. `delta` is the wheel's turn (120 per
// notch, negative towards the user), `keyState` the modifier keys and mouse
// buttons held (0 for none). One, two or three notches either way with
// nothing held set the step: -300 towards the user (the page rises), +300
// away from the user. Any other message keeps `lastStep`.
std::int16_t shagKolesa(std::int16_t lastStep, int delta, unsigned keyState);

}  // namespace kalteron
