// Labels that size themselves to their caption, like the class library's auto-sized labels.
#pragma once

class QLabel;

// Sets the label's width to its caption's and its height to one line of 13 pixels.
void fitLabel(QLabel* label);
