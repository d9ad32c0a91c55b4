#include "ui/MenuWindowHooks.h"

TMenuWindowHooks MenuWindowHooks;
