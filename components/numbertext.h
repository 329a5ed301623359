// Conversion between the numbers the numeric fields hold and the text they show.
#pragma once

#include <QString>
#include <QStringView>

// Both directions ignore the process locale: the decimal point is always ".".

// Shortest general form, at most 15 significant digits: fixed notation from 0.00001 up to
// 15 integer digits, scientific with "E" outside that band.
QString formatNumber(double value);

// The leading C-style decimal number of the text; 0 when the text does not start with one.
// Magnitudes beyond double become infinity, those below it zero.
double parseNumber(QStringView text);
