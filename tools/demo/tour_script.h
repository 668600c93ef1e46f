// The demo's main tour, built into the program so that it runs without its source tree.
#pragma once

namespace demo {

extern const char* const kMainTour;  // the text of tools/demo/scripts/tour.txt

}  // namespace demo
