#include "files/RecentFiles.h"
