// Fixed-function state in the browser, whose WebGL has none of it.
#include "render/fixed_function_state.h"

void setFixedFunctionState() {}
