#include "editing/Player.h"
