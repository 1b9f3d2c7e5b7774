#pragma once

#include "thermal/Messages.h"

// The thermal kernel only reports; the module that ran a calculation shows
// what came back, once for the whole calculation however many steps it took.
// A run of steps gathers their notices with |= and stops at the first failure.

// Shows each notice raised, then the failure that ended the calculation (a
// message id, 0 when none), through the prompter.
void ShowKernelMessages(thermal::Notices notices, int failure = 0);
