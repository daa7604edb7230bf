#include "editing/SequenceEditor.h"
