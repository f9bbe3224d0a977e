#include "platform/Library.h"
