#include "editing/FileCommands.h"
