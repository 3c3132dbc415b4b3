#include "screens/notices.h"

Notices notices;
