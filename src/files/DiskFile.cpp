#include "files/DiskFile.h"
