#pragma once

class QWidget;

namespace dutyloop {

// Has a screen reader told of the focus on the text field `field` before it hears of the field's
// cursor and selection.
//
// A text field moves its cursor and selects its text as it takes the focus, and Qt tells of them
// at once; it tells of the focus itself only after. Orca follows the cursor to the field without
// a word and reads the text at it, which an empty field has none of, and it takes the focus told
// next as already said: the first time the Tab key reaches an empty field, nothing is heard.
// Here the field takes the focus as Qt tells of it, and handles it a moment later, so that Orca
// reads the field's name and role first and takes its cursor and selection as said with them.
void TellFocusFirst(QWidget* field);

} // namespace dutyloop
