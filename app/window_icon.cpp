#include "window_icon.h"

#include <QPixmap>

// The artwork is kept as XPM text, which is also valid C.
#include "icons/cutting-speed-16.xpm"
#include "icons/cutting-speed-32.xpm"

namespace app {

QIcon programIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(kIcon32));
    icon.addPixmap(QPixmap(kIcon16));
    return icon;
}

} // namespace app
