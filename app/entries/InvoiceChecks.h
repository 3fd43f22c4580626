#pragma once

struct OptionBox;
class QWidget;

// The checks of an invoice page's save that look at its options. Each shows its box over
// parent when the check fails.

// "Retención" ticked needs one of its two modes ticked with it.
bool withholdingModeChosen(
    QWidget *parent, const OptionBox &withholding, const OptionBox &rental, const OptionBox &professionals);
