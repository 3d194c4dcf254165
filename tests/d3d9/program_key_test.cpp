// The fixed-function programs are kept in a table of PROGRAM_KEY_COUNT slots, one per key.
#include "../../port/src/d3d9/pipeline/program_key.h"

#include <gtest/gtest.h>

#include <vector>

// Every combination of the key's parts has a slot of its own inside the table: two programs
// never share one, and none falls outside it.
TEST(ProgramKey, EveryKeyHasASlotOfItsOwn) {
    std::vector<bool> taken(PROGRAM_KEY_COUNT, false);
    for (unsigned combination = 0; combination < 2 * (LIGHT_COUNT + 1) * 8; ++combination) {
        ProgramKey key{};
        key.lighting = combination % 2 != 0;
        key.localViewer = combination / 2 % 2 != 0;
        key.normalize = combination / 4 % 2 != 0;
        key.textured = combination / 8 % 2 != 0;
        key.lights = combination / 16;
        const unsigned slot = IndexOf(key);
        ASSERT_LT(slot, PROGRAM_KEY_COUNT) << "combination " << combination;
        EXPECT_FALSE(taken[slot]) << "combination " << combination << " shares slot " << slot;
        taken[slot] = true;
    }
}
