#include "files/SequenceFile.h"
