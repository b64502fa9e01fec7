#pragma once

class QLineEdit;

namespace coilwise {

// Makes the field hold one line of any length: every line break that reaches it, typed, pasted or
// set by the program, becomes one blank. A line break would end the field's line in a design file,
// and a length limit would cut the text read from one.
void keepOnOneLine(QLineEdit& field);

} // namespace coilwise
