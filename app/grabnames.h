// The grab-file naming rule and the grab counter's wrap.
#pragma once

#include <QString>

// The folder text grab names start from: the root folder contributes no separator of its own.
QString grabFolderText(const QString& storageFolder);

// "<folder>/<prefix><nnn><extension>", the number zero-padded to at least three digits.
QString composeGrabName(const QString& folderText, const QString& prefix, int number,
                        const QString& extension);

// The counter a grab is numbered with: 0 once the counter has reached the maximum.
int wrapGrabCounter(int counter, int maximum);

// A numeric option as a whole number: truncated toward zero, NaN as 0, saturated at the int range.
int truncatedOption(double value);
