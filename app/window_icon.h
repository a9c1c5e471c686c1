#pragma once

#include <QIcon>

namespace app {

// The program's icon, a hand holding a pen, in 32 and 16 pixels.
QIcon programIcon();

} // namespace app
