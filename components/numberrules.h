// The limits a numeric field puts on its stored number.
#pragma once

// Into [min, max] (min < max); a NaN ends at min.
double clampToRange(double value, double min, double max);

// Whole-number fields round by truncating value + 0.5 toward zero, within the 32-bit signed
// range: a negative whole number so comes out one nearer zero (-3 gives -2).
double roundToWhole(double value);
