// unit_main.cpp: the entry of every headless test program: the rules bound to the world's
// kinds, as in every program that loads a map, then the tests.
#include "rules/kind_rules.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    bindRuleKinds();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
