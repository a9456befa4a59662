#include "swedish/ui/swedish_forms.h"

Tsvelegform* svelegform = nullptr;
Twaitform3* waitform3 = nullptr;
Ttisksvekriform* tisksvekriform = nullptr;
