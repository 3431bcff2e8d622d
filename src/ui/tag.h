#pragma once

#include <QObject>

namespace dutyloop {

// Every widget of the window carries an integer Tag (0 when none is given): grid cells their
// index, background panels -1 or -2, colour buttons the colour they edit.
int Tag(const QObject* object);
void SetTag(QObject* object, int tag);

} // namespace dutyloop
