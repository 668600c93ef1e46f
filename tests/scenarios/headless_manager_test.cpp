// What only the headless dialog manager promises: its documented desktop and metrics, the support
// interface for tests and tools, and bad templates and users.
#include <gtest/gtest.h>

#include "platform/headless/headless_support.h"
#include "tests/scenarios/scenario_support.h"

namespace {

TEST(HeadlessManager, PlaceholderUntilTheSupportTestsLand) { EXPECT_EQ(headless::kDesktopWidth, 1024); }

}  // namespace
