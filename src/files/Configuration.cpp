#include "files/Configuration.h"
