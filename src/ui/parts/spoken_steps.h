#pragma once

class QAbstractSpinBox;

namespace dutyloop {

// Makes every step of a spin box, a date field or a time field heard, each as the whole text the
// field then shows ("8:00 AM", "2 h").
//
// Orca says a step when the field's value changes, and only when it differs from the last value
// it heard; a date or time field of Qt 6.4 has no numeric value, so Orca hears the same value at
// every step and says the first step alone. Such a field is given one, the moment it shows as a
// number, which Qt's accessibility reads from the property "value".
//
// Qt tells of the new text, its selection and its cursor before the new value, and Orca reads
// the part of the text whose selection changed as a word of its own: " h" as "All day" becomes
// "1 h", "0" as 9 becomes 10. Told of the value first, Orca reads the whole text and takes the
// selection and cursor it finds as already said.
void SayEachStep(QAbstractSpinBox* field);

} // namespace dutyloop
