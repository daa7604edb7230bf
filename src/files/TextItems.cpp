#include "files/TextItems.h"
