#include "ui/key_codes.h"

#include "calendar/date_moves.h"

#include <QKeyEvent>

namespace dutyloop {

int VirtualKeyFor(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_PageUp:
        return vk::PageUp;
    case Qt::Key_PageDown:
        return vk::PageDown;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    default:
        break;
    }
    const int key = event.key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + (key - Qt::Key_F1);
    // Any other key still reaches the handler; it is simply not in the key table.
    return 0xFF;
}

} // namespace dutyloop

namespace dutyloop {

bool IsArrowKey(const QKeyEvent& event) {
    const int key = VirtualKeyFor(event);
    return key >= vk::Left && key <= vk::Down;
}

} // namespace dutyloop
