#pragma once

class QComboBox;

namespace dutyloop {

// Shows a list of crews' names ("5 TFS") in their own reading order also where the window reads
// from right to left, in the closed box and in its drop-down list, where they would otherwise
// come out as "TFS 5". The entries stay as they are: typing a crew's first characters still
// finds it, and a screen reader reads the name alone.
void ShowEntriesLeftToRight(QComboBox* box);

} // namespace dutyloop
