// The demonstration panel's behaviour: what its window does on load and
// when its button is pressed.
#pragma once

#include "platform/form.h"

void AttachDemoHandlers(nimbo::Form& generale);
