#pragma once

#include <QString>

namespace dutyloop {

// The drawing of an SVG document mirrored from left to right, as a right-to-left layout
// mirrors the window it shows: every shape takes its mirror image's place, while each <text>
// still reads as written and stands where its mirror image would, held at its other end (a
// caption that started at a point ends there). The texts are placed by their x and a
// text-anchor of their own, as the program's pictures place them.
QString MirroredSvg(const QString& svg);

} // namespace dutyloop
