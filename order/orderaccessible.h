#pragma once
// The order form as a screen reader reads it: every field named with its
// label's words, the labels tied to their fields, and the amount due said
// aloud each time it changes.

class frmOrder;

void gsNameOrderFields(frmOrder& form);
