#include "board/BoardSession.h"
