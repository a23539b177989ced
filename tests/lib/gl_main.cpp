// gl_main.cpp: the entry of every rendered test program: the rules and the models bound to the
// world's kinds, as the game binds them, then the tests.
#include "models/kind_models.h"
#include "rules/kind_rules.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    bindRuleKinds();
    bindModelKinds();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
