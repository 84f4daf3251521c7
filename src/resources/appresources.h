#pragma once

// Registers the pictures and logos compiled into the program (":/Image/",
// ":/ProductImage/"). Safe to call more than once.
void ensureResourcesLoaded();
