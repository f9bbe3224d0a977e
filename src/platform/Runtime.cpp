#include "platform/Runtime.h"
