// kind_models.h: binding the models to the world's kinds.
#pragma once

// Give every object kind its model; once, before the first map load.
void bindModelKinds();
