#pragma once

#include "LumeUtility.h"

// A modal message box with one OK button, captioned with the application title.
void Alert(const TSjis &Text);
