// The local clock of Linux, the "system timer" the game reseeds its random numbers from.
#pragma once

namespace forms {

// Seconds since the local midnight, with the fraction.
double LocalSecondsSinceMidnight();

}  // namespace forms
