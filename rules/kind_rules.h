// kind_rules.h: binding the rules to the world's kinds.
#pragma once

// Give every tile and object kind its rules handlers and the world its cow maker; once,
// before the first map load.
void bindRuleKinds();
