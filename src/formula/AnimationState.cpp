#include "formula/AnimationState.h"

AnimationState anim;
