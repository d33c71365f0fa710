#pragma once

#include <QIcon>

// The program's icon in every size it ships, 16 to 256 pixels. A size's
// picture is read only when that size is first drawn, so making the icon costs
// the start of the program nothing.
QIcon programIcon();
