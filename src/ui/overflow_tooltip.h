#pragma once

class QLineEdit;

namespace coilwise {

// Shows a field's whole text as its tooltip while the text is wider than the field, so that a long
// value is never seen only in part. A field with a tooltip of its own keeps that one.
void showFullTextWhenCut(QLineEdit* field);

// Whether the field's text is wider than the room the field gives it.
bool textIsCut(const QLineEdit& field);

} // namespace coilwise
