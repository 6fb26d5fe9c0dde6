#pragma once

// The scan request lives with the scan's rules in the communication library.
#include "scanrequest.h"
