#pragma once

class QLineEdit;

// A one-line entry as a screen reader should read it. Qt's own reading of a line edit gives each
// character a run of text attributes that ends where it starts; a reader that speaks a line run by run
// (Orca does) then drops the run after the last whole one, and a field showing 40 was read "4". Read
// through this, the entry's text is one run, so the whole of it is spoken, selected or not; everything
// else is read as Qt reads any line edit.
namespace EntryAccessibility {

void readWhole(QLineEdit* entry);

} // namespace EntryAccessibility
